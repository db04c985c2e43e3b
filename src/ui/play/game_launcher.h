#pragma once
// Plays the current game from the windows: the main window disabled and
// busy while the emulator runs, and the visible page of the right-hand tab
// set refilled with the game's new statistics afterwards.

#include <QObject>

#include "play/launch.h"
#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::ui {

class MainWindow;

class GameLauncher : public QObject {
    Q_OBJECT
public:
    // session, feedback and window must outlive the launcher.
    GameLauncher(store::Session& session, store::UserFeedback& feedback, MainWindow& window,
                 QObject* parent = nullptr);

    // LaunchGame on LAST_GAME_SELECTION, with Get replay and Use Univbe as
    // the games page last stored them. Returns when the emulator has ended.
    play::LaunchResult LaunchGame();
    // The same with Get replay and Use Univbe as the games page's boxes show them.
    play::LaunchResult LaunchGame(bool getReplay, bool useUnivbe);

    // The replays page sets the replay to play before it launches.
    play::PlayChoices& choices() { return m_choices; }
    // Use Univbe as the launch left it: unchecked when univbe.exe was not found.
    bool useUnivbe() const { return m_choices.useUnivbe; }

signals:
    // After every launch that found the game, whatever the outcome.
    void Launched(const quorvex::play::LaunchResult& result);

private:
    store::Session& m_session;
    store::UserFeedback& m_feedback;
    MainWindow& m_window;
    play::PlayChoices m_choices;
    bool m_running = false;
};

}  // namespace quorvex::ui
