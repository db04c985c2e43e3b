// Renders the program's windows to PNG pictures for the documentation:
//   ui_screenshots <directory>
// The windows are filled with a small made-up collection.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <string>

#include "store/program_paths.h"
#include "test_support.h"
#include "ui/about_dialog.h"
#include "ui/busy_indicator.h"
#include "ui/emulator_directory_dialog.h"
#include "ui/main_window.h"
#include "ui/progress_window.h"
#include "ui/splash_window.h"
#include "ui/whats_new_dialog.h"
#include "ui_test_support.h"

namespace {

using namespace quorvex;

bool Save(QWidget& widget, const QString& directory, const QString& name) {
    widget.show();
    QCoreApplication::processEvents();
    const QString path = QDir(directory).filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

store::GameRecord Game(const std::string& name, const std::string& description,
                       const std::string& more = "") {
    return {"+:A:" + name + ":+ +:B:" + description + ":+ " + more + " \xA7", "", description};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ui_screenshots <directory>\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    testing::TempDir dir;
    store::Session session;
    session.files = store::MakeProgramFiles(dir.path());
    testing::WriteBytes(session.files.state,
                        " +:MAME_DIR:/emu/:+ +:MAME_ACTUAL_VERSION:0.37b7:+ \xA7\r\n");
    session.games = store::GameDatabase({
        Game("pacman", "Pac-Man", "+:C:pacman.zip:+"),
        Game("mspacman", "Ms. Pac-Man", "+:F:pacman:+ +:C:mspacman.zip:+ +:W:Total:+"),
        Game("galaga", "Galaga", "+:C:galaga.zip:+"),
        Game("gallag", "Gallag", "+:F:galaga:+ +:C:gallag.zip:+ +:W:Partial:+"),
        Game("dkong", "Donkey Kong"),
        Game("dkongjp", "Donkey Kong (Japan)", "+:F:dkong:+ +:C:dkongjp.zip:+"),
    });
    session.state.lastGameSelection = "Pac-Man";

    testing::RecordingFeedback feedback;
    ui::MainWindow window(session, feedback);
    window.resize(1000, 660);
    ok &= Save(window, directory, QStringLiteral("main-window.png"));
    window.busy().On();
    for (int tick = 0; tick < 6; ++tick) {
        window.busy().Tick();
    }
    ok &= Save(window, directory, QStringLiteral("main-window-busy.png"));
    window.busy().Off();

    ui::SplashWindow splash;
    splash.SetStatus(QStringLiteral("Loading games ..."));
    ok &= Save(splash, directory, QStringLiteral("splash.png"));

    store::CatalogueChanges changes;
    for (const auto& [name, description] : {std::pair{"zaxxon", "Zaxxon"},
                                            {"asteroid", "Asteroids"},
                                            {"frogger", "Frogger"},
                                            {"galaxian", "Galaxian"},
                                            {"scramble", "Scramble"},
                                            {"defender", "Defender"}}) {
        changes.inserted.push_back(Game(name, description));
    }
    changes.removed.push_back(Game("pacmanjp", "Puck Man (Japan)"));
    ui::WhatsNewDialog whatsNew(changes);
    ok &= Save(whatsNew, directory, QStringLiteral("whats-new.png"));

    ui::EmulatorDirectoryDialog emulatorDialog(feedback);
    ok &= Save(emulatorDialog, directory, QStringLiteral("emulator-directory.png"));

    ui::AboutDialog about;
    ok &= Save(about, directory, QStringLiteral("about.png"));

    ui::ProgressWindow progress(&window);
    progress.Open("Please wait!", true);
    progress.SetText("Saving data...");
    progress.SetPosition(42);
    if (progress.window() != nullptr) {
        ok &= Save(*progress.window(), directory, QStringLiteral("progress.png"));
    }
    progress.Close();
    return ok ? 0 : 1;
}
