#pragma once
// Puts the information page and the history and known-issues page into the
// main window and lets its Statistics button open the Statistics window.

#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::ui {

class HelpPage;
class InfoPage;
class MainWindow;

struct InfoPages {
    InfoPage* info = nullptr;
    HelpPage* help = nullptr;
};

// The window owns the pages; session and feedback must outlive it.
InfoPages InstallInfoPages(MainWindow& window, store::Session& session,
                           store::UserFeedback& feedback);

}  // namespace quorvex::ui
