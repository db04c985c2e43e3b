#pragma once
// A program directory with the default definition files, a small collection
// of games and the main window with the browsing pages in it.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTreeView>

#include <memory>
#include <string>

#include "store/default_files.h"
#include "store/definitions.h"
#include "store/program_paths.h"
#include "test_support.h"
#include "ui/browse/browse_pages.h"
#include "ui/browse/games_list_model.h"
#include "ui/browse/games_page.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace quorvex::testing {

inline store::GameRecord BrowseGame(const std::string& name, const std::string& description,
                                    const std::string& more = "") {
    return {"+:A:" + name + ":+ +:B:" + description + ":+ " + more + " \xA7", "", description};
}

// The sorting "Descriptions" (Field A) orders them by raw name: dkong,
// galaga, mspacman, pacman, pacplus, sf2, vghost; "Raw Names" (Field B) by
// description, which puts Ghost Run third.
inline store::GameDatabase BrowseGames() {
    return store::GameDatabase({
        BrowseGame("pacman", "Pac-Man", "+:C:pacman.zip:+ +:X:Namco:+"),
        BrowseGame("galaga", "Galaga", "+:X:Namco:+"),
        BrowseGame("mspacman", "Ms. Pac-Man", "+:F:pacman:+ +:C:mspacman.zip:+ +:X:Midway:+"),
        BrowseGame("sf2", "Street Fighter II", "+:C:sf2.zip:+ +:X:Capcom:+"),
        BrowseGame("vghost", "Ghost Run", "+:C:vghost.zip:+ +:D:vghost.zip:+ +:L:yes:+"),
        BrowseGame("pacplus", "Pac-Man Plus", "+:F:pacman:+ +:X:Namco:+"),
        BrowseGame("dkong", "Donkey Kong", "+:L:yes:+ +:X:Nintendo:+"),
    });
}

class BrowseFixture {
public:
    BrowseFixture() {
        session.files = store::MakeProgramFiles(dir.path());
        session.emulator = store::MakeEmulatorPaths(dir.File("emu/"));
        store::CreateEmulatorSubdirectories(session.emulator);
        WriteBytes(session.files.state, " +:MAME_DIR:" + session.emulator.directory +
                                            ":+ +:MAME_ACTUAL_VERSION:0.37b7:+ \xA7\r\n");
        store::CreateDefaultFilters(session.files.filters);
        store::CreateDefaultSortings(session.files.sortings);
        store::CreateDefaultFieldCatalogue(session.files.fieldCatalogue);
        session.filters = store::LoadFilterDefinitions(session.files.filters);
        session.sortings = store::LoadSortingDefinitions(session.files.sortings);
        session.fields = store::LoadFieldCatalogue(session.files.fieldCatalogue);
        session.games = BrowseGames();
        session.state.lastGameSelection = "Pac-Man";
    }

    // Builds and shows the window; the state can be prepared before.
    void Open() {
        window = std::make_unique<ui::MainWindow>(session, feedback);
        pages = ui::InstallBrowsePages(*window, session, feedback);
        window->resize(1000, 660);
        window->show();
        QApplication::setActiveWindow(window.get());
        QCoreApplication::processEvents();
    }

    ui::GamesPage& games() const { return *pages.games; }

    // The rows of the games list as a person reads them.
    QStringList Rows() const {
        QStringList rows;
        const ui::GamesListModel& model = pages.games->model();
        for (int row = 0; row < model.rowCount(); ++row) {
            rows << model.data(model.index(row, 0), Qt::DisplayRole).toString();
        }
        return rows;
    }
    QString Header() const {
        return pages.games->model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    template <typename T>
    T* Find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QString Text(const char* label) const { return Find<QLabel>(label)->text(); }
    void Press(const char* button) const {
        QTest::mouseClick(Find<QAbstractButton>(button), Qt::LeftButton);
    }
    bool Enabled(const char* widget) const { return Find<QWidget>(widget)->isEnabled(); }
    // The games page's filter check marks in order, "1" for a checked one.
    std::string FilterChecks() const {
        std::string checks;
        const auto* list = Find<QListWidget>("filterCheckList");
        for (int row = 0; row < list->count(); ++row) {
            checks += list->item(row)->checkState() == Qt::Checked ? '1' : '0';
        }
        return checks;
    }

    TempDir dir;
    store::Session session;
    RecordingFeedback feedback;
    std::unique_ptr<ui::MainWindow> window;
    ui::BrowsePages pages;
};

}  // namespace quorvex::testing
