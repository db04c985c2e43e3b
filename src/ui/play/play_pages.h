#pragma once
// Puts the Create settings and Settings pages into the main window and
// connects Play on the games page to the launch.

#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::ui {

class CreateSettingsPage;
class GameLauncher;
class GamesPage;
class MainWindow;
class SettingsPage;

struct PlayPages {
    CreateSettingsPage* createSettings = nullptr;
    SettingsPage* settings = nullptr;
    GameLauncher* launcher = nullptr;
};

// The window owns the pages and the launcher; session and feedback must
// outlive it. Without games the Settings page's buttons have no list to act
// on and nothing launches.
PlayPages InstallPlayPages(MainWindow& window, store::Session& session,
                           store::UserFeedback& feedback, GamesPage* games);

}  // namespace quorvex::ui
