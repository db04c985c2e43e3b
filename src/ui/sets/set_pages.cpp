#include "ui/sets/set_pages.h"

#include <QTimer>
#include <QTreeView>

#include "sets/transformations.h"
#include "ui/browse/games_page.h"
#include "ui/game_commands.h"
#include "ui/main_window.h"
#include "ui/sets/set_commands.h"
#include "ui/sets/setup_page.h"

namespace quorvex::ui {
namespace {

class GamesPageAccess : public QObject, public GamesListAccess {
public:
    GamesPageAccess(GamesPage& page, QObject* parent) : QObject(parent), m_page(page) {}

    std::vector<std::string> SelectedDescriptions() const override {
        return m_page.SelectedDescriptions();
    }
    void SelectAllGames() override { m_page.gamesList()->selectAll(); }
    void RefreshGamesList() override { m_page.RefreshGamesList(GamesPage::RefreshMode::Filter); }
    void SelectCurrentGame() override { m_page.SelectCurrentGame(); }

private:
    GamesPage& m_page;
};

}  // namespace

SetPages InstallSetPages(MainWindow& window, GamesPage& games, store::Session& session,
                         store::UserFeedback& feedback) {
    auto* access = new GamesPageAccess(games, &window);
    SetPages pages;
    pages.commands = new SetCommands(session, feedback, window, *access, &window);
    pages.setup = new SetupPage(*pages.commands);
    window.SetRightPage(MainWindow::Setup, pages.setup, pages.setup);

    QObject::connect(&window, &MainWindow::GameCommandRequested, pages.commands, &SetCommands::Run);
    for (const GameMenuEntry& entry : GameMenuEntries()) {
        if (SetCommands::Serves(entry.command)) {
            games.SetCommandAvailable(entry.command, true);
        }
    }
    // A transformation that a crash interrupted is told about once the window is up.
    store::UserFeedback* told = &feedback;
    const store::EmulatorPaths* emulator = &session.emulator;
    QTimer::singleShot(0, pages.commands, [told, emulator] {
        const std::string report = sets::InterruptedTransformationReport(*emulator);
        if (!report.empty())
            told->ShowMessage(report, store::MessageIcon::Exclamation);
    });
    return pages;
}

}  // namespace quorvex::ui
