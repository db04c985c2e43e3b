#include "ui/browse/browse_pages.h"

#include "ui/browse/create_filters_page.h"
#include "ui/browse/create_sortings_page.h"
#include "ui/browse/games_page.h"
#include "ui/main_window.h"

namespace quorvex::ui {

namespace {

constexpr int kGamesTab = 0;
constexpr int kFiltersTab = 1;
constexpr int kSortingsTab = 2;

}  // namespace

BrowsePages InstallBrowsePages(MainWindow& window, store::Session& session,
                               store::UserFeedback& feedback) {
    BrowsePages pages;
    pages.games = new GamesPage(session, feedback, window);
    pages.filters = new CreateFiltersPage(session, feedback, window);
    pages.sortings = new CreateSortingsPage(session, feedback);
    window.SetLeftPage(kGamesTab, pages.games);
    window.SetLeftPage(kFiltersTab, pages.filters);
    window.SetLeftPage(kSortingsTab, pages.sortings);

    GamesPage* games = pages.games;
    QObject::connect(pages.filters, &CreateFiltersPage::FilterSaved, games,
                     &GamesPage::FilterSaved);
    QObject::connect(pages.filters, &CreateFiltersPage::FiltersDeleted, games,
                     &GamesPage::FiltersDeleted);
    // The sortings box starts again at its first entry; the list keeps its order until a
    // sorting is chosen.
    QObject::connect(pages.sortings, &CreateSortingsPage::SortingAdded, games,
                     [games]() { games->RefillSortings(false); });
    QObject::connect(pages.sortings, &CreateSortingsPage::SortingDeleted, games,
                     &GamesPage::SortingDeleted);
    return pages;
}

}  // namespace quorvex::ui
