#include "ui/status_panes.h"

#include <QPainter>

#include <algorithm>

namespace quorvex::ui {
namespace {

constexpr int kTextPadding = 5;
constexpr int kBusyStep = 3;

}  // namespace

StatusPanes::StatusPanes(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("statusPanes"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StatusPanes::SetPaneText(int pane, const QString& text) {
    if (pane < 0 || pane >= kPaneCount) {
        return;
    }
    m_texts[static_cast<std::size_t>(pane)] = text;
    setToolTip(m_texts[1]);
    update();
}

QString StatusPanes::PaneText(int pane) const {
    if (pane < 0 || pane >= kPaneCount) {
        return {};
    }
    return m_texts[static_cast<std::size_t>(pane)];
}

int StatusPanes::PaneRightEdge(int pane) const {
    const int unit = width() / 14;
    switch (pane) {
        case 0:
            return unit;
        case 1:
            return 11 * unit;
        default:
            return width();
    }
}

QRect StatusPanes::PaneRect(int pane) const {
    const int left = pane == 0 ? 0 : PaneRightEdge(pane - 1);
    return QRect(left, 0, PaneRightEdge(pane) - left, height());
}

void StatusPanes::AdvanceBusyBar() {
    const int room = std::max(0, BusyTrack().width() - BusyBarWidth());
    if (!m_busyVisible) {
        m_busyVisible = true;
        m_busyOffset = 0;
        m_busyDirection = 1;
    } else {
        m_busyOffset += m_busyDirection * kBusyStep;
        if (m_busyOffset >= room) {
            m_busyOffset = room;
            m_busyDirection = -1;
        } else if (m_busyOffset <= 0) {
            m_busyOffset = 0;
            m_busyDirection = 1;
        }
    }
    m_busyOffset = std::clamp(m_busyOffset, 0, room);
    update(PaneRect(0));
}

void StatusPanes::HideBusyBar() {
    m_busyVisible = false;
    update();
}

QRect StatusPanes::BusyBarRect() const {
    if (!m_busyVisible) {
        return {};
    }
    const QRect track = BusyTrack();
    const int room = std::max(0, track.width() - BusyBarWidth());
    return QRect(track.left() + std::min(m_busyOffset, room), track.top(),
                 std::min(BusyBarWidth(), track.width()), track.height());
}

QSize StatusPanes::sizeHint() const {
    return {640, fontMetrics().height() + 10};
}

QSize StatusPanes::minimumSizeHint() const {
    return {140, fontMetrics().height() + 10};
}

QRect StatusPanes::BusyTrack() const {
    return PaneRect(0).adjusted(3, 4, -4, -4);
}

int StatusPanes::BusyBarWidth() const {
    return std::max(6, BusyTrack().width() / 4);
}

void StatusPanes::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.window());
    for (int pane = 0; pane < kPaneCount; ++pane) {
        const QRect area = PaneRect(pane).adjusted(1, 2, -2, -2);
        // A sunken panel: dark above and left, light below and right.
        painter.setPen(colours.color(QPalette::Mid));
        painter.drawLine(area.topLeft(), area.topRight());
        painter.drawLine(area.topLeft(), area.bottomLeft());
        painter.setPen(colours.color(QPalette::Light));
        painter.drawLine(area.bottomLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomRight());

        if (pane == 0 && m_busyVisible) {
            painter.fillRect(BusyTrack(), colours.button());
            painter.fillRect(BusyBarRect(), colours.highlight());
            continue;
        }
        const QRect textArea = area.adjusted(kTextPadding, 0, -kTextPadding, 0);
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft,
                         fontMetrics().elidedText(m_texts[static_cast<std::size_t>(pane)],
                                                  Qt::ElideRight, textArea.width()));
    }
}

}  // namespace quorvex::ui
