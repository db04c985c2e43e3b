#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <vector>

#include "store/program_paths.h"
#include "test_support.h"
#include "ui/busy_indicator.h"
#include "ui/empty_page.h"
#include "ui/message_box.h"
#include "ui/status_panes.h"
#include "ui_test_support.h"

namespace quorvex::ui {
namespace {

store::GameRecord Game(const std::string& tokens, const std::string& description) {
    return {tokens + " +:B:" + description + ":+ \xA7", "", description};
}

QStringList TabTexts(const QTabWidget& tabs) {
    QStringList texts;
    for (int index = 0; index < tabs.count(); ++index) {
        texts << tabs.tabText(index);
    }
    return texts;
}

EmptyPage* RightEmptyPage(const MainWindow& window, int index) {
    return qobject_cast<EmptyPage*>(window.rightTabs()->widget(index));
}

// Two originals, one of them with a merged clone; Pac-Man is the current game.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        session.files = store::MakeProgramFiles(dir.path());
        testing::WriteBytes(session.files.state,
                            " +:MAME_DIR:/emu/:+ +:MAME_ACTUAL_VERSION:0.37b7:+ \xA7\r\n");
        session.games = store::GameDatabase({
            Game("+:A:pacman:+ +:C:pacman.zip:+", "Pac-Man"),
            Game("+:A:galaga:+", "Galaga"),
            Game("+:A:mspacman:+ +:F:pacman:+ +:C:pacman.zip:+ +:W:Total:+", "Ms. Pac-Man"),
        });
        session.state.lastGameSelection = "Pac-Man";
    }

    testing::TempDir dir;
    store::Session session;
    testing::RecordingFeedback feedback;
};

TEST_F(MainWindowTest, ShowsBothTabSetsInOrderWithGamesAndInfoInFront) {
    MainWindow window(session, feedback);
    EXPECT_EQ(window.windowTitle(), "Quorvex 1.2");
    EXPECT_EQ(
        TabTexts(*window.leftTabs()),
        QStringList({"Games", "Create filters...", "Create sortings...", "Create settings..."}));
    EXPECT_EQ(TabTexts(*window.rightTabs()),
              QStringList({"Info", "Settings", "Snaps", "Help", "Misc", "Setup", "Utils"}));
    EXPECT_EQ(window.leftTabs()->currentIndex(), 0);
    EXPECT_EQ(window.rightTabs()->currentIndex(), MainWindow::Info);

    auto* credits = window.findChild<QPushButton*>("creditsButton");
    auto* statistics = window.findChild<QPushButton*>("statisticsButton");
    auto* quit = window.findChild<QPushButton*>("quitButton");
    ASSERT_TRUE(credits && statistics && quit);
    EXPECT_EQ(credits->toolTip(), "Let's find out the people behind the magic of Quorvex! :-)");
    EXPECT_EQ(statistics->toolTip(), "Shows the statistics window");
    EXPECT_EQ(quit->toolTip(), "Quits Quorvex!");
}

TEST_F(MainWindowTest, StatusPanesShowReadyTheCountsAndTheEmulatorVersion) {
    MainWindow window(session, feedback);
    window.resize(980, 600);
    window.show();
    QCoreApplication::processEvents();

    const StatusPanes& panes = *window.statusPanes();
    EXPECT_EQ(panes.PaneText(0), "Ready");
    EXPECT_EQ(panes.PaneText(1),
              "Games: 2/1 [ Originals: 1/1 ] [ Clones: 1/0 (0 stand alone, 0 splitted, 1 "
              "merged) ]");
    EXPECT_EQ(panes.PaneText(2), "Mame 0.37b7");
    const int width = panes.width();
    EXPECT_EQ(width, window.width());
    EXPECT_EQ(panes.PaneRightEdge(0), width / 14);
    EXPECT_EQ(panes.PaneRightEdge(1), 11 * (width / 14));
    EXPECT_EQ(panes.PaneRightEdge(2), width);

    session.games.SetField(1, 'C', "galaga.zip");
    window.UpdateStatusLine();
    EXPECT_EQ(panes.PaneText(1),
              "Games: 3/0 [ Originals: 2/0 ] [ Clones: 1/0 (0 stand alone, 0 splitted, 1 "
              "merged) ]");

    // Without a version only "Mame " is shown.
    testing::WriteBytes(session.files.state, " +:MAME_DIR:/emu/:+ \xA7\r\n");
    MainWindow unversioned(session, feedback);
    EXPECT_EQ(unversioned.statusPanes()->PaneText(2), "Mame ");
}

TEST_F(MainWindowTest, RemembersWhereItWasMovedButNotTheTopLeftCorner) {
    session.state.lastWindowPosition = "40.30";
    // Small enough to fit beside that corner on the test screen.
    session.state.lastWindowSize = "700.450";
    MainWindow window(session, feedback);
    window.Open();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.pos(), QPoint(40, 30));
    EXPECT_EQ(window.size(), QSize(700, 450));
    window.resize(720, 460);
    QTRY_COMPARE(window.size(), QSize(720, 460));
    EXPECT_EQ(session.state.lastWindowSize, "720.460");

    window.move(0, 0);
    QTRY_COMPARE(window.pos(), QPoint(0, 0));
    EXPECT_EQ(session.state.lastWindowPosition, "40.30");
    window.move(120, 85);
    QTRY_COMPARE(window.pos(), QPoint(120, 85));
    EXPECT_EQ(session.state.lastWindowPosition, "120.85");

    // A position off every screen is not restored.
    session.state.lastWindowPosition = "-30000.-30000";
    MainWindow elsewhere(session, feedback);
    elsewhere.Open();
    QCoreApplication::processEvents();
    EXPECT_NE(elsewhere.pos(), QPoint(-30000, -30000));
}

TEST_F(MainWindowTest, GamesNoLongerSupportedBringNeitherTheSetupPageNorTheWelcome) {
    session.changes.removed.push_back(Game("+:A:dkong:+", "Donkey Kong"));
    MainWindow onlyRemoved(session, feedback);
    onlyRemoved.Open();
    EXPECT_EQ(onlyRemoved.rightTabs()->currentIndex(), MainWindow::Info);
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(MainWindowTest, ANewCurrentGameReachesTheVisiblePageAndOthersRefillWhenBroughtToFront) {
    MainWindow window(session, feedback);
    EmptyPage* info = RightEmptyPage(window, MainWindow::Info);
    EmptyPage* snaps = RightEmptyPage(window, MainWindow::Snaps);
    // The information and settings pages are filled when the window starts.
    EXPECT_EQ(info->shownGame(), "Pac-Man");
    EXPECT_EQ(RightEmptyPage(window, MainWindow::Settings)->shownGame(), "Pac-Man");
    EXPECT_EQ(snaps->refillCount(), 0);

    // The same game in other letters is no news; only the visible page hears of a new one.
    const int before = info->refillCount();
    window.CurrentGameChanged("PAC-MAN");
    EXPECT_EQ(info->refillCount(), before);
    window.CurrentGameChanged("Galaga");
    EXPECT_EQ(info->shownGame(), "Galaga");
    EXPECT_EQ(RightEmptyPage(window, MainWindow::Settings)->shownGame(), "Pac-Man");

    session.state.lastGameSelection = "Galaga";
    window.rightTabs()->setCurrentIndex(MainWindow::Snaps);
    EXPECT_EQ(snaps->shownGame(), "Galaga");
    // Coming back forces a refill even for the game already shown.
    window.rightTabs()->setCurrentIndex(MainWindow::Help);
    window.rightTabs()->setCurrentIndex(MainWindow::Snaps);
    EXPECT_EQ(snaps->refillCount(), 2);

    window.rightTabs()->setCurrentIndex(MainWindow::Setup);
    window.rightTabs()->setCurrentIndex(MainWindow::Utils);
    EXPECT_EQ(RightEmptyPage(window, MainWindow::Setup)->refillCount(), 0);
    EXPECT_EQ(RightEmptyPage(window, MainWindow::Utils)->refillCount(), 0);
}

TEST_F(MainWindowTest, AFailedSaveKeepsTheWindowOpenAndQuitSavesOnceItCan) {
    const std::string database = session.files.gameDatabase;
    session.files.gameDatabase = dir.File("missing-folder/mamegame.qvx");
    MainWindow window(session, feedback);
    QSignalSpy closed(&window, &MainWindow::Closed);
    window.Open();

    EXPECT_FALSE(window.Quit());
    EXPECT_FALSE(window.close());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isEnabled());
    ASSERT_EQ(feedback.messages.size(), 2u);
    EXPECT_EQ(feedback.messages[0].icon, store::MessageIcon::Exclamation);
    EXPECT_NE(feedback.messages[0].text.find("mamegame.qvx"), std::string::npos);
    EXPECT_FALSE(window.busy().IsOn());

    session.files.gameDatabase = database;
    QTest::mouseClick(window.findChild<QPushButton*>("quitButton"), Qt::LeftButton);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(feedback.messages.size(), 2u);
    const std::string saved = testing::ReadBytes(session.files.gameDatabase);
    EXPECT_EQ(saved.substr(0, 21), "+:GAMES_COUNT:3:+\r\n+:");
    EXPECT_NE(saved.find("+:B:Ms. Pac-Man:+"), std::string::npos);
}

TEST(MessageBoxes, AreYouSureCarriesTheExclamationIconAndDefaultsToNo) {
    MessageBoxFeedback feedback;
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    QString caption;
    QTimer::singleShot(0, [&]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->icon();
        caption = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_FALSE(feedback.AskYesNo("Are you sure?"));
    EXPECT_EQ(shown, QMessageBox::Warning);
    EXPECT_EQ(caption, "Quorvex 1.2");
}

}  // namespace
}  // namespace quorvex::ui
