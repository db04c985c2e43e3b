// Renders the program's windows to PNG pictures for the documentation:
//   ui_screenshots <directory>
// The main window carries every page, installed as the program installs
// them, over the demo catalogue's games after a few evenings of play; the
// current game has a ROM zip, a rating, plays, a history entry, a snapshot,
// a replay and cheats, so that every page has something to show.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <QWidget>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "misc_fixture.h"
#include "store/state_file.h"
#include "ui/about_dialog.h"
#include "ui/info/info_pages.h"
#include "ui/info/statistics_window.h"
#include "ui/misc/misc_pages.h"
#include "ui/progress_window.h"
#include "ui/sets/set_pages.h"
#include "ui/utilities/utilities_pages.h"
#include "ui/whats_new_dialog.h"

namespace {

using namespace quorvex;
using testing::BrowseGame;
using ui::MainWindow;

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

std::string ReadDemoFile(const char* name) {
    std::ifstream in(std::string(QUORVEX_DEMO_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The demo catalogue's games, as they stand after a few evenings of play.
store::GameDatabase PlayedGames() {
    const std::string machine = "+:U:0.37b16:+ +:V:Fri  4 Dec 2026:+ ";
    return store::GameDatabase({
        BrowseGame("starblst", "Star Blaster",
                   machine + "+:C:starblst.zip:+ +:X:Nakamura:+ +:J:1981:+ +:M:Z80:+ +:N:Z80:+ "
                             "+:P:AY8910:+ +:Q:AY8910:+ +:T:14:+ +:H:9130:+ +:K:60.00:+ "
                             "+:G:Sun  6 Dec 2026:+ +:S:91:+ +:E:1:+ +:Y:Shooter:+"),
        BrowseGame("starblsj", "Star Blaster (Japan)",
                   machine + "+:F:starblst:+ +:C:starblsj.zip:+ +:W:Partial:+ +:X:Nakamura:+ "
                             "+:J:1981:+ +:T:3:+ +:H:1260:+"),
        BrowseGame("thndrkn", "Thunder Knight",
                   machine + "+:C:thndrkn.zip:+ +:X:Tomahawk:+ +:J:1989:+ +:T:6:+ +:H:4410:+"),
        BrowseGame("thndrknu", "Thunder Knight (US)",
                   machine + "+:F:thndrkn:+ +:X:Tomahawk:+ +:J:1989:+"),
        BrowseGame("ghostrn", "Ghost Run",
                   machine + "+:C:ghostrn.zip:+ +:D:ghostrn.zip:+ +:L:yes:+ +:X:Irem Corp.:+ "
                             "+:J:1980:+ +:T:1:+ +:H:95:+"),
        BrowseGame("galaxyq", "Galaxy Quest", machine + "+:X:Konami:+ +:J:1983:+"),
        BrowseGame("ninjaz", "Ninja Zone",
                   machine + "+:I:neogeo:+ +:C:ninjaz.zip:+ +:X:SNK:+ +:J:1994:+ +:M:M68000:+ "
                             "+:N:Z80:+ +:P:YM2610:+ +:T:9:+ +:H:12640:+ +:K:59.19:+ "
                             "+:G:Sat  5 Dec 2026:+ +:S:97:+ +:Y:Fighting:+"),
        BrowseGame("ninjaza", "Ninja Zone (set 2)",
                   machine + "+:F:ninjaz:+ +:X:SNK:+ +:J:1994:+ +:T:2:+ +:H:700:+"),
        BrowseGame("turbrly", "Turbo Rally",
                   machine + "+:C:turbrly.zip:+ +:X:Data East:+ +:J:1986:+ +:T:4:+ +:H:1805:+"),
    });
}

// A made-up screen of the shooter, as the emulator would have saved it.
void SaveShooterScreen(const std::string& path) {
    QImage image(224, 288, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 70; ++i) {
        painter.setPen(QColor::fromHsv((i * 47) % 360, 60, 255));
        painter.drawPoint((i * 73) % 224, 24 + (i * 131) % 240);
    }
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 6; ++column) {
            painter.setBrush(row == 0 ? QColor(230, 60, 60) : QColor(80, 160, 255));
            const QPointF c(30 + column * 33, 70 + row * 30);
            painter.drawPolygon(
                QPolygonF({c + QPointF(-10, -6), c + QPointF(10, -6), c + QPointF(0, 8)}));
        }
    }
    painter.setBrush(QColor(255, 220, 0));
    painter.drawEllipse(QPointF(112, 44), 16, 7);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({QPointF(112, 236), QPointF(100, 256), QPointF(124, 256)}));
    painter.drawRect(QRectF(111, 200, 2, 10));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(0, 4, 224, 16), Qt::AlignCenter, QStringLiteral("1UP  HIGH SCORE"));
    painter.drawText(QRectF(0, 266, 224, 20), Qt::AlignCenter, QStringLiteral("  3870     20000"));
    painter.end();
    image.save(QString::fromStdString(path), "PNG");
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

    testing::MiscFixture f;
    store::Session& session = f.session;
    session.games = PlayedGames();
    session.history = ReadDemoFile("history.dat");
    session.mameInfo = ReadDemoFile("mameinfo.dat");
    session.state.lastGameSelection = "Star Blaster";
    // Where a user keeps the zips to scan, and the converter the Default button restores.
    session.state.lastDirZipSelection = "/home/player/zips/roms/";
    session.state.lastConvCommandLine = store::kDefaultConverterCommandLine;
    f.GiveSettings("Star Blaster", " +:1:ON:+ +:2:1:+");
    testing::WriteBytes(f.CheatFile(),
                        "starblst:0:9820:05:0:Infinite Ships\r\n"
                        "starblst:0:9824:01:0:Start at Wave 4\r\n"
                        "starblst:0:98A0:FF:1:Rapid Fire\r\n"
                        "ghostrn:0:C0A2:09:0:Invincibility\r\n");
    testing::WriteBytes(session.emulator.replay + "starblst000.inp", "QVXINP starblst\n");
    testing::WriteBytes(session.emulator.replay + "starblst001.inp", "QVXINP starblst\n");
    SaveShooterScreen(session.emulator.snapshot + "starblst000.png");

    // The program's own order of installing the pages.
    MainWindow window(session, f.feedback);
    const ui::BrowsePages browse = ui::InstallBrowsePages(window, session, f.feedback);
    ui::InstallSetPages(window, *browse.games, session, f.feedback);
    const ui::PlayPages play = ui::InstallPlayPages(window, session, f.feedback, browse.games);
    const ui::MiscPages misc = ui::InstallMiscPages(window, session, play.launcher);
    ui::InstallInfoPages(window, session, f.feedback);
    ui::InstallUtilitiesPage(window, session, f.feedback, browse.games);
    window.resize(1000, 660);
    window.show();
    QApplication::setActiveWindow(&window);
    QCoreApplication::processEvents();

    window.rightTabs()->setCurrentIndex(MainWindow::Info);
    ok &= Save(window, directory, QStringLiteral("main-window.png"));
    const std::pair<int, const char*> pages[] = {
        {MainWindow::Info, "info-page.png"},   {MainWindow::Settings, "settings-page.png"},
        {MainWindow::Snaps, "snaps-page.png"}, {MainWindow::Help, "help-page.png"},
        {MainWindow::Misc, "misc-page.png"},   {MainWindow::Setup, "setup-page.png"},
        {MainWindow::Utils, "utils-page.png"},
    };
    for (const auto& [tab, name] : pages) {
        window.rightTabs()->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        // A setting and a cheat picked, so that their fields show what they hold.
        if (tab == MainWindow::Settings) {
            testing::PlayFixture::ClickItem(play.settings->definitionList(), 1);
        } else if (tab == MainWindow::Misc) {
            testing::PlayFixture::ClickItem(misc.misc->cheatList(), 1);
            testing::PlayFixture::Click(misc.misc->modifyButton());
        }
        ok &= Save(*window.rightTabs(), directory, QString::fromLatin1(name));
    }

    store::CatalogueChanges changes;
    for (const auto& [name, description] : {std::pair{"thndrkn", "Thunder Knight"},
                                            {"turbrly", "Turbo Rally"},
                                            {"ninjaz", "Ninja Zone"},
                                            {"ninjaza", "Ninja Zone (set 2)"}}) {
        changes.inserted.push_back(BrowseGame(name, description));
    }
    changes.removed.push_back(BrowseGame("starblsa", "Star Blaster (bootleg)"));
    ui::WhatsNewDialog whatsNew(changes);
    ok &= Save(whatsNew, directory, QStringLiteral("whats-new.png"));

    ui::StatisticsWindow statistics(session.games);
    ok &= Save(statistics, directory, QStringLiteral("statistics.png"));

    ui::AboutDialog about;
    ok &= Save(about, directory, QStringLiteral("about.png"));

    // The ROM scan's progress, a third of the way through the collection.
    ui::ProgressWindow progress(&window);
    progress.Open("Scanning ...", true);
    progress.SetText("Scanning 'Star Blaster' ....");
    progress.SetPosition(37);
    if (progress.window() != nullptr) {
        ok &= Save(*progress.window(), directory, QStringLiteral("progress.png"));
    }
    progress.Close();
    return ok ? 0 : 1;
}
