#include "ui/logo_widget.h"

#include <QPainter>

#include <algorithm>

#include "ui/artwork.h"

namespace quorvex::ui {

LogoWidget::LogoWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("logo"));
    setMinimumSize(48, 48);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void LogoWidget::SetFrame(int frame) {
    frame = std::clamp(frame, 0, kBusyFrameCount);
    if (frame != m_frame) {
        m_frame = frame;
        update();
    }
}

QSize LogoWidget::sizeHint() const {
    return {68, 68};
}

void LogoWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintEmblem(painter, QRectF(rect()).adjusted(1, 1, -1, -1), m_frame);
}

}  // namespace quorvex::ui
