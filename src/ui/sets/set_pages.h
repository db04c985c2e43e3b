#pragma once
// Puts the Setup page into the main window's right tab set and lets the set
// commands answer the games list's context menu.

#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::ui {

class GamesPage;
class MainWindow;
class SetCommands;
class SetupPage;

struct SetPages {
    SetupPage* setup = nullptr;
    SetCommands* commands = nullptr;
};

// The window owns what is made; session, feedback and games must outlive it.
SetPages InstallSetPages(MainWindow& window, GamesPage& games, store::Session& session,
                         store::UserFeedback& feedback);

}  // namespace quorvex::ui
