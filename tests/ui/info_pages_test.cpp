#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <string>

#include "browse_fixture.h"
#include "platform/paths.h"
#include "store/record_line.h"
#include "ui/info/help_page.h"
#include "ui/info/info_pages.h"
#include "ui/info/statistics_window.h"
#include "ui/sets/set_pages.h"

namespace quorvex::ui {
namespace {

using testing::BrowseFixture;

class InfoPagesTest : public ::testing::Test, public BrowseFixture {
protected:
    InfoPagesTest() {
        session.games.MutableRecords().push_back(testing::BrowseGame(
            "ninjaz", "Ninja Zone",
            "+:I:neogeo:+ +:C:ninjaz.zip:+ +:X:SNK:+ +:J:1994:+ +:M:M68000:+ +:N:Z80:+ "
            "+:P:YM2610:+ +:T:1:+ +:H:3725:+ +:G:Sat  5 Dec 2026:+ +:S:96:+ +:E:1:+ "
            "+:Y:Fighting:+"));
        session.history =
            "$info=pacman,mspacman,\r\n$bio\r\n\r\nPac-Man history.\r\n\r\nSecond "
            "paragraph.\r\n$end\r\n$info=galaga\r\n$bio\r\nGalaga history.\r\n$end\r\n";
        session.mameInfo = "$info=galaga\r\n$mame\r\nSound is a little off.\r\n$end\r\n";
    }

    void OpenWithInfoPages() {
        Open();
        InstallSetPages(*window, games(), session, feedback);
        info = InstallInfoPages(*window, session, feedback);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void ClickRow(const std::string& description) const {
        QTreeView* list = games().gamesList();
        const int row = games().model().RowOf(description);
        ASSERT_GE(row, 0) << description;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualRect(games().model().index(row, 0)).center());
    }
    QString Colour(const char* label) const { return Find<QLabel>(label)->styleSheet(); }
    QLineEdit* Box(const char* name) const { return Find<QLineEdit>(name); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
    std::string FieldOf(const std::string& description, char code) const {
        return session.games.Field(*store::FindGameByDescription(session.games, description), code);
    }
    void Retype(const char* box, const QString& text) const {
        Box(box)->setFocus();
        Box(box)->selectAll();
        QTest::keyClicks(Box(box), text);
        QTest::keyClick(Box(box), Qt::Key_Return);
    }

    InfoPages info;
};

const QString kGreen = "color: #275e24;";
const QString kRed = "color: #c80037;";

TEST_F(InfoPagesTest, InfoPageOpensOnTheSelectedGameAndFollowsTheGamesList) {
    session.games.SetField(*store::FindGameByDescription(session.games, "Donkey Kong"), 'C',
                           "dkong.zip");
    OpenWithInfoPages();
    EXPECT_EQ(window->rightTabs()->currentIndex(), MainWindow::Info);
    EXPECT_EQ(Text("descriptionLine"), "Pac-Man (pacman)");
    EXPECT_TRUE(Find<QLabel>("descriptionLine")->font().bold());
    EXPECT_EQ(Text("cloneLine"), "Original game!");
    EXPECT_EQ(Text("samplesLine"), "Samples: This games doesn't need the samples set!");
    // Without samples to need, neither samples button has anything to do.
    EXPECT_FALSE(Button("samplesBreakButton")->isEnabled());
    EXPECT_FALSE(Button("samplesSelectButton")->isEnabled());

    ClickRow("Ms. Pac-Man");
    EXPECT_EQ(Text("descriptionLine"), "Ms. Pac-Man (mspacman)");
    EXPECT_EQ(Colour("descriptionLine"), kGreen);
    EXPECT_EQ(Text("cloneLine"), "Clone of 'pacman'");
    EXPECT_EQ(Colour("cloneLine"), "color: #00b4ff;");
    EXPECT_EQ(Text("statusLine"), "Stand alone!");
    EXPECT_EQ(Colour("statusLine"), kGreen);
    EXPECT_EQ(Text("romsLine"), "Roms: mspacman.zip");
    EXPECT_TRUE(Button("romsBreakButton")->isEnabled());
    EXPECT_EQ(Button("romsSelectButton")->text(), "Change");
    EXPECT_EQ(Text("companyLine"), "Made by: Midway");
    EXPECT_EQ(Text("yearLabel"), "(??]");
    EXPECT_EQ(Text("launchLine"), "Never played at all!");
    EXPECT_EQ(Colour("launchLine"), kRed);
    EXPECT_EQ(Box("ratingBox")->text(), "NP");
    EXPECT_EQ(Box("executableBox")->text(), "Last");
    EXPECT_FALSE(Find<QLabel>("smallerAward")->isVisible());
    EXPECT_FALSE(Find<QLabel>("goldMedalAward")->isVisible());

    ClickRow("Ninja Zone");
    EXPECT_EQ(Text("cloneLine"), "Original game(Neogeo)!");
    EXPECT_EQ(Colour("cloneLine"), kGreen);
    EXPECT_EQ(Text("statusLine"), "");
    EXPECT_EQ(Text("launchLine"), "Launched 1 time, played for 1 hour, 2 minutes, 5 seconds");
    EXPECT_EQ(Text("lastPlayedLine"), "Last played on Sat  5 Dec 2026");
    EXPECT_EQ(Text("cpuLine"), "Cpu: m68000 z80");
    EXPECT_EQ(Text("soundLine"), "Sound: ym2610");
    EXPECT_EQ(Text("yearLabel"), "(1994)");
    EXPECT_EQ(Box("ratingBox")->text(), "96%");
    EXPECT_EQ(Box("categoryBox")->text(), "Fighting");
    EXPECT_TRUE(Find<QCheckBox>("favouriteBox")->isChecked());
    EXPECT_TRUE(Find<QLabel>("goldMedalAward")->isVisible());
    EXPECT_FALSE(Find<QLabel>("smallerAward")->isVisible());

    ClickRow("Ghost Run");
    EXPECT_EQ(Text("samplesLine"), "Samples: vghost.zip");
    EXPECT_TRUE(Button("samplesBreakButton")->isEnabled());
    EXPECT_EQ(Button("samplesSelectButton")->text(), "Change");

    // A game lacking its samples is yellow, with Select offered.
    ClickRow("Donkey Kong");
    EXPECT_TRUE(Colour("descriptionLine").startsWith("color: #ffff00;"));
    EXPECT_EQ(Text("samplesLine"), "Samples: You don't have the samples set!");
    EXPECT_FALSE(Button("samplesBreakButton")->isEnabled());
    EXPECT_EQ(Button("samplesSelectButton")->text(), "Select");
    EXPECT_TRUE(Button("samplesSelectButton")->isEnabled());
}

TEST_F(InfoPagesTest, TypedRatingCategoryAndFavouriteAreStoredInTheGame) {
    OpenWithInfoPages();
    Retype("ratingBox", "85 %");
    EXPECT_EQ(FieldOf("Pac-Man", 'S'), "85");
    EXPECT_EQ(Box("ratingBox")->text(), "85%");
    Retype("ratingBox", "92");
    EXPECT_TRUE(Find<QLabel>("smallerAward")->isVisible());
    Retype("ratingBox", "250");
    EXPECT_EQ(FieldOf("Pac-Man", 'S'), "100");
    EXPECT_TRUE(Find<QLabel>("goldMedalAward")->isVisible());
    EXPECT_FALSE(Find<QLabel>("smallerAward")->isVisible());

    // Leaving the box stores it as Enter does.
    Box("categoryBox")->setFocus();
    QTest::keyClicks(Box("categoryBox"), "Maze");
    Box("ratingBox")->setFocus();
    EXPECT_EQ(FieldOf("Pac-Man", 'Y'), "Maze");

    QTest::mouseClick(Find<QCheckBox>("favouriteBox"), Qt::LeftButton);
    EXPECT_EQ(FieldOf("Pac-Man", 'E'), "1");
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(InfoPagesTest, ExecutableOutsideOldmameIsWarnedAboutAndLastComesBack) {
    testing::WriteBytes(session.emulator.oldmame + platform::ExecutableFileName("mame36"), "x");
    OpenWithInfoPages();
    Retype("executableBox", "mame36");
    EXPECT_EQ(FieldOf("Pac-Man", 'Z'), "mame36");
    EXPECT_TRUE(feedback.messages.empty());

    Retype("executableBox", "mame99");
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_TRUE(feedback.messages[0].text.starts_with(
        "Warning!\nYou have chosen to use another version of mame!\n"));
    EXPECT_EQ(Box("executableBox")->text(), "Last");
    EXPECT_EQ(FieldOf("Pac-Man", 'Z'), "");
}

TEST_F(InfoPagesTest, BreakRunsTheReleaseCommandAndThePageShowsTheResult) {
    OpenWithInfoPages();
    QTest::mouseClick(Button("romsBreakButton"), Qt::LeftButton);
    ASSERT_EQ(feedback.questions.size(), 1u);
    EXPECT_EQ(feedback.questions[0], "Are you sure you want to release this roms link?");
    EXPECT_EQ(FieldOf("Pac-Man", 'C'), "");
    EXPECT_EQ(Text("romsLine"), "Roms: You don't have the roms set!");
    EXPECT_FALSE(Button("romsBreakButton")->isEnabled());
    EXPECT_EQ(Button("romsSelectButton")->text(), "Select");
}

TEST_F(InfoPagesTest, HelpPageShowsTheParentsHistoryKnownIssuesAndHotKeys) {
    OpenWithInfoPages();
    ClickRow("Ms. Pac-Man");
    window->rightTabs()->setCurrentIndex(MainWindow::Help);
    const HelpPage& help = *info.help;
    EXPECT_EQ(help.historyBox()->toPlainText(), "Pac-Man history.\n\nSecond paragraph.\n");
    EXPECT_EQ(help.knownIssuesBox()->toPlainText(), "This game seems to work PERFECTLY!");
    EXPECT_TRUE(help.hotKeysBox()->toPlainText().startsWith(
        "[Tab]\nToggles the configuration menu\n\n[Tilde]\n"));
    EXPECT_EQ(help.historyBox()->toolTip(), "Taken directly from file 'history.dat' !");

    ClickRow("Galaga");
    EXPECT_EQ(help.historyBox()->toPlainText(), "Galaga history.\n");
    EXPECT_EQ(help.knownIssuesBox()->toPlainText(), "Sound is a little off.\n");
}

TEST_F(InfoPagesTest, StatisticsButtonOpensTheWindowOnTheHallOfFame) {
    OpenWithInfoPages();
    auto* button = Find<QPushButton>("statisticsButton");
    ASSERT_TRUE(button->isEnabled());
    QStringList seen;
    bool modal = false;
    // The window opens over the main window; it is read and closed once it shows.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&]() {
        auto* statistics = window->findChild<StatisticsWindow*>();
        if (statistics == nullptr || !statistics->isVisible()) {
            return;
        }
        poll.stop();
        modal = statistics->isModal();
        for (int row = 0; row < statistics->boardList()->count(); ++row) {
            seen << statistics->boardList()->item(row)->text();
        }
        statistics->accept();
    });
    poll.start(10);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(modal);
    EXPECT_EQ(seen, QStringList({"   1) Ninja Zone",
                                 "      Launched 1 time, played for 1 hour, 2 minutes, 5 seconds",
                                 "      Ratio played/launched: 3725", "", "", "",
                                 "The Top Ten is incomplete!",
                                 "You have to play 9 games to complete it!"}));
}

TEST_F(InfoPagesTest, StatisticsBoardsSwitchWithTheirButtonsAndOptions) {
    session.games.SetField(*store::FindGameByDescription(session.games, "Ms. Pac-Man"), 'T', "2");
    session.games.SetField(*store::FindGameByDescription(session.games, "Ms. Pac-Man"), 'H', "60");
    StatisticsWindow statistics(session.games);
    statistics.show();
    EXPECT_FALSE(statistics.boardButton(info::Board::HallOfFame)->isVisible());
    EXPECT_TRUE(statistics.boardButton(info::Board::HallOfShame)->isVisible());
    EXPECT_EQ(statistics.summaryLabel()->text(),
              "You have played mame games for 1 hour, 3 minutes, 5 seconds !\nYou have launched "
              "mame games 3 times!\nYour current ratio is 1261 !\n");
    EXPECT_TRUE(statistics.summaryLabel()->styleSheet().startsWith("color: #275e24;"));

    QTest::mouseClick(statistics.boardButton(info::Board::HallOfShame), Qt::LeftButton);
    EXPECT_TRUE(statistics.boardButton(info::Board::HallOfFame)->isVisible());
    EXPECT_FALSE(statistics.boardButton(info::Board::HallOfShame)->isVisible());
    EXPECT_EQ(statistics.boardList()->item(0)->text(), "   1) Pac-Man");
    EXPECT_EQ(statistics.boardList()->item(1)->text(), "      Never played at all!");
    // All eight games: six never played (three lines each), two played (four).
    EXPECT_EQ(statistics.boardList()->count(), 26);

    QTest::mouseClick(statistics.boardButton(info::Board::GlobalHall), Qt::LeftButton);
    QTest::mouseClick(statistics.packClonesBox(), Qt::LeftButton);
    EXPECT_EQ(statistics.boardList()->item(4)->text(), "   2) Pac-Man with 3 clones ");
    EXPECT_EQ(statistics.boardList()->item(5)->text(),
              "      Launched 2 times, played for 1 minute");
}

TEST(StatisticsWindowEmpty, NoPlayIsSummedUpInRed) {
    store::GameDatabase games({testing::BrowseGame("pacman", "Pac-Man")});
    StatisticsWindow statistics(games);
    EXPECT_EQ(statistics.summaryLabel()->text(),
              "You haven't played any game!\nYou haven't launched any game!");
    EXPECT_TRUE(statistics.summaryLabel()->styleSheet().startsWith("color: #ff0000;"));
    EXPECT_EQ(statistics.boardList()->count(), 3);
}

}  // namespace
}  // namespace quorvex::ui
