#pragma once
// Puts the games page and the Create filters and Create sortings pages into
// the main window's left tab set and wires them together.

#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::ui {

class CreateFiltersPage;
class CreateSortingsPage;
class GamesPage;
class MainWindow;

struct BrowsePages {
    GamesPage* games = nullptr;
    CreateFiltersPage* filters = nullptr;
    CreateSortingsPage* sortings = nullptr;
};

// The window owns the pages; session must outlive it.
BrowsePages InstallBrowsePages(MainWindow& window, store::Session& session,
                               store::UserFeedback& feedback);

}  // namespace quorvex::ui
