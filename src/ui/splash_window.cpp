#include "ui/splash_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/artwork.h"
#include "ui/event_pump.h"

namespace quorvex::ui {
namespace {

constexpr int kStatusHeight = 28;
// Long enough for the window system to draw the new line.
constexpr int kRepaintMilliseconds = 2;

}  // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("splashWindow"));
    setFixedSize(kWidth, kHeight);

    m_picture = new QLabel(this);
    m_picture->setPixmap(SplashPicture(QSize(kWidth, kHeight - kStatusHeight)));
    m_status = new QLabel(QStringLiteral("----"), this);
    m_status->setObjectName(QStringLiteral("splashStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setFixedHeight(kStatusHeight);
    m_status->setIndent(10);
    m_status->setAutoFillBackground(true);
    QPalette colours = m_status->palette();
    colours.setColor(QPalette::Window, QColor(0x0a, 0x02, 0x18));
    colours.setColor(QPalette::WindowText, QColor(0xe8, 0xe0, 0xff));
    m_status->setPalette(colours);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_picture);
    layout->addWidget(m_status);
}

void SplashWindow::Open() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kWidth / 2, kHeight / 2));
    }
    show();
    raise();
    PumpEvents(kRepaintMilliseconds);
}

void SplashWindow::SetStatus(const QString& text) {
    m_status->setText(text);
    m_status->repaint();
    PumpEvents(kRepaintMilliseconds);
}

QString SplashWindow::status() const {
    return m_status->text();
}

}  // namespace quorvex::ui
