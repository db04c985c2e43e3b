#include "ui/play/play_pages.h"

#include "ui/browse/games_page.h"
#include "ui/main_window.h"
#include "ui/play/create_settings_page.h"
#include "ui/play/game_launcher.h"
#include "ui/play/games_page_selection.h"
#include "ui/play/settings_page.h"

namespace quorvex::ui {

namespace {

constexpr int kCreateSettingsTab = 3;

}  // namespace

PlayPages InstallPlayPages(MainWindow& window, store::Session& session,
                           store::UserFeedback& feedback, GamesPage* games) {
    PlayPages pages;
    pages.createSettings = new CreateSettingsPage(session, feedback, window);
    pages.settings = new SettingsPage(session, feedback, window);
    pages.launcher = new GameLauncher(session, feedback, window, &window);
    window.SetLeftPage(kCreateSettingsTab, pages.createSettings);
    window.SetRightPage(MainWindow::Settings, pages.settings, pages.settings);

    SettingsPage* settings = pages.settings;
    QObject::connect(pages.createSettings, &CreateSettingsPage::DefinitionsChanged, settings,
                     [settings, &session]() {
                         settings->RebuildList();
                         // Fresh marks would all read unchecked; the game's own come back.
                         settings->ShowGame(session.state.lastGameSelection, true);
                     });
    if (games != nullptr) {
        settings->SetGamesSelection(new GamesPageSelection(*games));
        GameLauncher* launcher = pages.launcher;
        games->SetLaunchGame([launcher, games]() {
            launcher->LaunchGame(games->getReplayChecked(), games->useUnivbeChecked());
        });
    }
    return pages;
}

}  // namespace quorvex::ui
