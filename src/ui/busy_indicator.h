#pragma once
// The main window's busy indication: while on, the logo runs its animation
// and a bar moves in status pane 0 every 100 ms; two seconds after off the
// idle picture comes back.

#include <QObject>
#include <QTimer>

namespace quorvex::ui {

class LogoWidget;
class StatusPanes;

class BusyIndicator : public QObject {
    Q_OBJECT
public:
    BusyIndicator(LogoWidget& logo, StatusPanes& panes, QObject* parent = nullptr);

    // Turning it on while on, or off while off, changes nothing.
    void On();
    void Off();
    bool IsOn() const { return m_animation.isActive(); }
    // True between Off and the return of the idle picture.
    bool IsRestoring() const { return m_restore.isActive(); }

public slots:
    // One step of the animation; the timer calls it.
    void Tick();
    // Puts the idle picture back and starts the cycle afresh.
    void ShowIdle();

private:
    LogoWidget& m_logo;
    StatusPanes& m_panes;
    QTimer m_animation;
    QTimer m_restore;
    int m_frame = 0;
};

}  // namespace quorvex::ui
