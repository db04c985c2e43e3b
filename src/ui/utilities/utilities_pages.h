#pragma once
// Puts the Utilities page into the main window's right-hand tab set.

#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::ui {

class GamesPage;
class MainWindow;
class UtilitiesPage;

// The window owns the page; session and feedback must outlive it. With
// games, the games list follows what the page's tools change.
UtilitiesPage* InstallUtilitiesPage(MainWindow& window, store::Session& session,
                                    store::UserFeedback& feedback, GamesPage* games);

}  // namespace quorvex::ui
