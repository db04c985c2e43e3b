#include "ui/busy_indicator.h"

#include "ui/artwork.h"
#include "ui/logo_widget.h"
#include "ui/status_panes.h"

namespace quorvex::ui {
namespace {

constexpr int kAnimationInterval = 100;
constexpr int kRestoreDelay = 2000;

}  // namespace

BusyIndicator::BusyIndicator(LogoWidget& logo, StatusPanes& panes, QObject* parent)
    : QObject(parent), m_logo(logo), m_panes(panes) {
    m_animation.setInterval(kAnimationInterval);
    connect(&m_animation, &QTimer::timeout, this, &BusyIndicator::Tick);
    m_restore.setInterval(kRestoreDelay);
    m_restore.setSingleShot(true);
    connect(&m_restore, &QTimer::timeout, this, &BusyIndicator::ShowIdle);
}

void BusyIndicator::On() {
    if (IsOn()) {
        return;
    }
    m_restore.stop();
    m_animation.start();
    Tick();
}

void BusyIndicator::Off() {
    if (!IsOn()) {
        return;
    }
    m_animation.stop();
    m_panes.HideBusyBar();
    m_restore.start();
}

void BusyIndicator::Tick() {
    m_frame = m_frame % kBusyFrameCount + 1;
    m_logo.SetFrame(m_frame);
    m_panes.AdvanceBusyBar();
}

void BusyIndicator::ShowIdle() {
    m_frame = 0;
    m_logo.SetFrame(0);
}

}  // namespace quorvex::ui
