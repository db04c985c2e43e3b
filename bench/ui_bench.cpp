// Filling the games list view with the rows of a 45,000-game database, and
// a whole rebuild of the games page around it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTreeView>

#include <memory>
#include <numeric>

#include "catalogue_generator.h"
#include "store/default_files.h"
#include "store/definitions.h"
#include "store/program_paths.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "store/session.h"
#include "ui/browse/browse_pages.h"
#include "ui/browse/games_list_model.h"
#include "ui/browse/games_page.h"
#include "ui/main_window.h"

namespace {

using namespace quorvex;

constexpr int kGames = 45'000;

// Nothing in the measured work asks the user anything.
class QuietFeedback : public store::UserFeedback {
public:
    void ShowMessage(const std::string&, store::MessageIcon) override {}
    bool AskYesNo(const std::string&) override { return false; }
};

// The model's rows are set and the view lays them out and paints what is in view.
void BM_FillGamesListView(benchmark::State& state) {
    const store::GameDatabase games = bench::GenerateGameDatabase(kGames);
    ui::GamesListModel model(games);
    QTreeView view;
    view.setModel(&model);
    view.setRootIsDecorated(false);
    view.setUniformRowHeights(true);
    view.resize(520, 600);
    view.show();
    QCoreApplication::processEvents();
    std::vector<int> rows(static_cast<std::size_t>(games.count()));
    std::iota(rows.begin(), rows.end(), 0);
    for (auto _ : state) {
        model.Clear();
        model.SetRows(rows);
        view.scrollTo(model.index(kGames / 2, 0));
        view.viewport()->repaint();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_FillGamesListView)->Unit(benchmark::kMillisecond);

// RefreshGamesList in mode Filter with no active filter: every game listed,
// the Progress window pumped, the column fitted and the current game selected.
void BM_GamesPageRefresh(benchmark::State& state) {
    const std::string directory = QDir::tempPath().toStdString() + "/quorvex-ui-bench/";
    QDir().mkpath(QString::fromStdString(directory));
    store::Session session;
    session.files = store::MakeProgramFiles(directory);
    store::CreateDefaultFilters(session.files.filters);
    store::CreateDefaultSortings(session.files.sortings);
    store::CreateDefaultFieldCatalogue(session.files.fieldCatalogue);
    session.filters = store::LoadFilterDefinitions(session.files.filters);
    session.sortings = store::LoadSortingDefinitions(session.files.sortings);
    session.fields = store::LoadFieldCatalogue(session.files.fieldCatalogue);
    session.games = bench::GenerateGameDatabase(kGames);
    session.state.lastGameSelection = bench::GeneratedDescription(kGames / 3);

    QuietFeedback feedback;
    ui::MainWindow window(session, feedback);
    const ui::BrowsePages pages = ui::InstallBrowsePages(window, session, feedback);
    window.resize(1000, 660);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        pages.games->RefreshGamesList(ui::GamesPage::RefreshMode::Filter);
        pages.games->SelectCurrentGame();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = pages.games->model().rowCount();
    QDir(QString::fromStdString(directory)).removeRecursively();
}
BENCHMARK(BM_GamesPageRefresh)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
