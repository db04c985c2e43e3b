#include "ui/utilities/utilities_pages.h"

#include "ui/browse/games_page.h"
#include "ui/main_window.h"
#include "ui/utilities/utilities_page.h"

namespace quorvex::ui {

UtilitiesPage* InstallUtilitiesPage(MainWindow& window, store::Session& session,
                                    store::UserFeedback& feedback, GamesPage* games) {
    auto* page = new UtilitiesPage(session, feedback, window);
    window.SetRightPage(MainWindow::Utils, page, page);
    if (games != nullptr) {
        page->SetGamesChanged([games]() {
            games->RefreshGamesList(GamesPage::RefreshMode::Filter);
            games->SelectCurrentGame();
        });
    }
    return page;
}

}  // namespace quorvex::ui
