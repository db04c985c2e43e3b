#include "ui/play/game_launcher.h"

#include <string>

#include "ui/busy_indicator.h"
#include "ui/event_pump.h"
#include "ui/main_window.h"

namespace quorvex::ui {
namespace {

bool IsOn(const std::string& status) {
    return !status.empty() && status.front() == '1';
}

}  // namespace

GameLauncher::GameLauncher(store::Session& session, store::UserFeedback& feedback,
                           MainWindow& window, QObject* parent)
    : QObject(parent), m_session(session), m_feedback(feedback), m_window(window) {}

play::LaunchResult GameLauncher::LaunchGame() {
    return LaunchGame(IsOn(m_session.state.lastReplayStatus),
                      IsOn(m_session.state.lastUnivbeStatus));
}

play::LaunchResult GameLauncher::LaunchGame(bool getReplay, bool useUnivbe) {
    // Input that arrives while the emulator runs is dropped; this guards
    // against a launch from within the launch all the same.
    if (m_running) {
        return {};
    }
    m_running = true;
    m_choices.getReplay = getReplay;
    m_choices.useUnivbe = useUnivbe;

    m_window.setEnabled(false);
    m_window.busy().On();
    EventLoopPump pump;
    const play::LaunchResult result = play::LaunchGame(m_session, m_choices, m_feedback, &pump);
    m_window.busy().Off();
    m_window.setEnabled(true);
    m_window.activateWindow();
    m_running = false;

    if (result.outcome == play::LaunchOutcome::NoCurrentGame) {
        return result;
    }
    // A vanished ROM zip unlinked the game: the counts changed.
    if (result.outcome == play::LaunchOutcome::RomZipMissing) {
        m_window.UpdateStatusLine();
    }
    // The page in front shows the game's new statistics, although the game is the same.
    m_window.CurrentGameChanged(m_session.state.lastGameSelection, true);
    emit Launched(result);
    return result;
}

}  // namespace quorvex::ui
