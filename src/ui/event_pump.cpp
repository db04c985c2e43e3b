#include "ui/event_pump.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace quorvex::ui {

namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
    }
}

class InputSwallower : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override { return IsUserInput(event->type()); }
};

}  // namespace

void PumpEvents(int milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (milliseconds <= 0) {
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void RepaintWindows() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void DiscardPendingInput() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return;
    }
    InputSwallower swallower;
    application->installEventFilter(&swallower);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    application->removeEventFilter(&swallower);
}

}  // namespace quorvex::ui
