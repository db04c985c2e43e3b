// Renders the information page, the history and known-issues page and the
// Statistics window to PNG pictures for the documentation:
//   info_screenshots <directory>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

#include "browse_fixture.h"
#include "ui/info/info_pages.h"
#include "ui/info/statistics_window.h"

namespace {

using quorvex::testing::BrowseGame;

bool Save(QWidget& widget, const QString& directory, const QString& name) {
    QCoreApplication::processEvents();
    const QString path = QDir(directory).filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A collection after a few evenings of play.
quorvex::store::GameDatabase PlayedGames() {
    const std::string machine = "+:U:0.37b16:+ +:V:Fri  4 Dec 2026:+ ";
    return quorvex::store::GameDatabase({
        BrowseGame("starblst", "Star Blaster",
                   machine + "+:C:starblst.zip:+ +:X:Nakamura:+ +:J:1981:+ +:M:Z80:+ +:N:Z80:+ "
                             "+:P:AY8910:+ +:Q:AY8910:+ +:T:14:+ +:H:9130:+ +:K:60.00:+ "
                             "+:G:Sun  6 Dec 2026:+ +:S:91:+ +:Y:Shooter:+"),
        BrowseGame("starblsj", "Star Blaster (Japan)",
                   machine + "+:F:starblst:+ +:C:starblsj.zip:+ +:W:Partial:+ +:X:Nakamura:+ "
                             "+:J:1981:+ +:T:3:+ +:H:1260:+"),
        BrowseGame("thndrkn", "Thunder Knight",
                   machine + "+:C:thndrkn.zip:+ +:X:Tomahawk:+ +:J:1989:+ +:T:6:+ +:H:4410:+"),
        BrowseGame("ghostrn", "Ghost Run",
                   machine + "+:C:ghostrn.zip:+ +:L:yes:+ +:X:Irem Corp.:+ +:J:1980:+ +:T:1:+ "
                             "+:H:95:+"),
        BrowseGame("galaxyq", "Galaxy Quest", machine + "+:X:Konami:+ +:J:1983:+"),
        BrowseGame("ninjaz", "Ninja Zone",
                   machine + "+:I:neogeo:+ +:C:ninjaz.zip:+ +:X:SNK:+ +:J:1994:+ +:M:M68000:+ "
                             "+:N:Z80:+ +:P:YM2610:+ +:T:9:+ +:H:12640:+ +:K:59.19:+ "
                             "+:G:Sat  5 Dec 2026:+ +:S:97:+ +:E:1:+ +:Y:Fighting:+"),
        BrowseGame("ninjaza", "Ninja Zone (set 2)",
                   machine + "+:F:ninjaz:+ +:X:SNK:+ +:J:1994:+ +:T:2:+ +:H:700:+"),
        BrowseGame("turbrly", "Turbo Rally",
                   machine + "+:C:turbrly.zip:+ +:X:Data East:+ +:J:1986:+ +:T:4:+ +:H:1805:+"),
    });
}

const char* const kHistory =
    "$info=ninjaz,ninjaza,\r\n$bio\r\n\r\nNinja Zone (c) 1994 SNK.\r\n\r\nTwo ninjas fight "
    "their way through a city of rooftops, temples and trains to free their master from the "
    "Shadow Clan. Each stage ends with a duel against one of the clan's four generals.\r\n\r\n"
    "- TRIVIA -\r\n\r\nThe game ran on the same cartridge system as many fighting games of the "
    "time, and its second set fixes a hang in the last stage.\r\n\r\n- TIPS AND TRICKS -\r\n\r\n"
    "* Hold both buttons to throw a smoke bomb.\r\n* The train stage hides an extra life in the "
    "third carriage.\r\n$end\r\n";
const char* const kMameInfo =
    "$info=ninjaz\r\n$mame\r\nThe raster effect of the water stage is slightly off.\r\n\r\n"
    "LEVELS: 6\r\n$end\r\n";

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: info_screenshots <directory>\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);

    using quorvex::ui::MainWindow;
    quorvex::testing::BrowseFixture f;
    f.session.games = PlayedGames();
    f.session.history = kHistory;
    f.session.mameInfo = kMameInfo;
    f.session.state.lastGameSelection = "Ninja Zone";
    f.Open();
    quorvex::ui::InstallInfoPages(*f.window, f.session, f.feedback);
    f.window->show();
    QCoreApplication::processEvents();
    bool ok = Save(*f.window->rightTabs(), directory, QStringLiteral("info-page.png"));
    f.window->rightTabs()->setCurrentIndex(MainWindow::Help);
    ok &= Save(*f.window->rightTabs(), directory, QStringLiteral("help-page.png"));

    quorvex::ui::StatisticsWindow statistics(f.session.games);
    statistics.show();
    QCoreApplication::processEvents();
    ok &= Save(statistics, directory, QStringLiteral("statistics.png"));
    return ok ? 0 : 1;
}
