// Renders the browsing pages to PNG pictures for the documentation:
//   browse_screenshots <directory>
// The pages are filled with a small made-up collection.

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTabWidget>
#include <QWidget>

#include <cstdio>
#include <string>

#include "store/default_files.h"
#include "store/definitions.h"
#include "store/program_paths.h"
#include "store/record_file.h"
#include "test_support.h"
#include "ui/browse/browse_pages.h"
#include "ui/browse/create_filters_page.h"
#include "ui/browse/create_sortings_page.h"
#include "ui/browse/games_page.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace {

using namespace quorvex;

struct Made {
    const char* name;
    const char* description;
    const char* parent;
    bool roms;
    const char* manufacturer;
};

constexpr Made kGames[] = {
    {"starblst", "Star Blaster", "", true, "Nakamura"},
    {"starblsj", "Star Blaster (Japan)", "starblst", true, "Nakamura"},
    {"thndrkn", "Thunder Knight", "", true, "Tomahawk"},
    {"thndrknu", "Thunder Knight (US)", "thndrkn", false, "Tomahawk"},
    {"ghostrn", "Ghost Run", "", true, "Irem Corp."},
    {"galaxyq", "Galaxy Quest", "", true, "Konami"},
    {"ninjaz", "Ninja Zone", "", true, "SNK"},
    {"ninjaza", "Ninja Zone (set 2)", "ninjaz", false, "SNK"},
    {"turbrly", "Turbo Rally", "", true, "Data East"},
    {"turbrlyj", "Turbo Rally (Japan)", "turbrly", true, "Data East"},
    {"moonpat", "Moon Patrol Z", "", false, "Irem Corp."},
    {"rocketr", "Rocket Racer", "", true, "Namco"},
    {"rocketrb", "Rocket Racer (bootleg)", "rocketr", false, "bootleg"},
    {"skyhawk", "Sky Hawk", "", true, "Taito"},
    {"skyhawk2", "Sky Hawk II: The Return of the Squadron", "", true, "Taito"},
    {"crystal", "Crystal Castles of Doom", "", false, "Atari"},
    {"bubbles", "Bubble Trouble", "", true, "Williams"},
    {"bubblesr", "Bubble Trouble (red label)", "bubbles", true, "Williams"},
    {"kungfum", "Kung-Fu Master Blaster", "", true, "Irem Corp."},
    {"lasersq", "Laser Squad", "", false, "Sega"},
    {"marblem", "Marble Mayhem", "", true, "Atari"},
    {"nightdr", "Night Driver Deluxe", "", true, "Atari"},
    {"oceanh", "Ocean Hunter", "", false, "Sega"},
    {"pirates", "Pirate Bay", "", true, "NMK"},
    {"quasar", "Quasar Attack", "", true, "Zaccaria"},
    {"rallyx2", "Rally Chase", "", true, "Namco"},
    {"scramb", "Scramble Force", "", true, "Konami"},
    {"scrambs", "Scramble Force (Stern)", "scramb", false, "Stern"},
    {"tankbat", "Tank Battalion Z", "", true, "Namco"},
    {"vortex", "Vortex Runner", "", false, "Cinematronics"},
    {"wizwar", "Wizard Wars", "", true, "Midway"},
    {"xenon", "Xenon Strike", "", true, "Capcom"},
    {"yiear", "Year of the Dragon", "", true, "Konami"},
    {"zaxis", "Z-Axis Pilot", "", false, "Sega"},
};

bool Save(QWidget& widget, const QString& directory, const QString& name) {
    QCoreApplication::processEvents();
    const QString path = QDir(directory).filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: browse_screenshots <directory>\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);

    testing::TempDir dir;
    store::Session session;
    session.files = store::MakeProgramFiles(dir.path());
    session.emulator = store::MakeEmulatorPaths(dir.File("emu/"));
    testing::WriteBytes(session.files.state,
                        " +:MAME_DIR:/emu/:+ +:MAME_ACTUAL_VERSION:0.37b16:+ \xA7\r\n");
    store::CreateDefaultFilters(session.files.filters);
    store::CreateDefaultSortings(session.files.sortings);
    store::CreateDefaultFieldCatalogue(session.files.fieldCatalogue);
    testing::WriteBytes(session.files.filters, testing::ReadBytes(session.files.filters) +
                                                   "+:CODE:4:+ +:FILTER_NAME:Konami games:+ "
                                                   "+:CONDITION:X$Contains(konami):+\r\n");
    store::SetHeaderValue(session.files.filters, "FILTERS_COUNT", "4");
    session.filters = store::LoadFilterDefinitions(session.files.filters);
    session.sortings = store::LoadSortingDefinitions(session.files.sortings);
    session.fields = store::LoadFieldCatalogue(session.files.fieldCatalogue);

    std::vector<store::GameRecord> records;
    for (const Made& game : kGames) {
        std::string line = std::string("+:A:") + game.name + ":+ +:B:" + game.description + ":+";
        if (*game.parent != '\0') {
            line += std::string(" +:F:") + game.parent + ":+";
        }
        if (game.roms) {
            line += std::string(" +:C:/roms/") + game.name + ".zip:+";
        }
        line += std::string(" +:X:") + game.manufacturer + ":+ \xA7";
        records.push_back({line, "", game.description});
    }
    session.games = store::GameDatabase(std::move(records));
    session.state.lastGameSelection = "Rocket Racer";
    session.state.lastFilters = " 1";
    session.state.lastSortOrder = "1";

    testing::RecordingFeedback feedback;
    ui::MainWindow window(session, feedback);
    const ui::BrowsePages pages = ui::InstallBrowsePages(window, session, feedback);
    window.resize(1180, 700);
    window.show();
    bool ok = true;
    ok &= Save(*pages.games, directory, QStringLiteral("games-page.png"));
    window.leftTabs()->setCurrentIndex(1);
    pages.filters->filtersList()->setCurrentRow(3);
    ok &= Save(*pages.filters, directory, QStringLiteral("create-filters.png"));
    window.leftTabs()->setCurrentIndex(2);
    ok &= Save(*pages.sortings, directory, QStringLiteral("create-sortings.png"));
    return ok ? 0 : 1;
}
