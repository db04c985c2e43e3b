// The Info page, the Help page and the Statistics window.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTimer>

#include "misc_fixture.h"
#include "platform/paths.h"
#include "ui/info/help_page.h"
#include "ui/info/info_pages.h"
#include "ui/info/statistics_window.h"
#include "ui/sets/set_pages.h"

namespace quorvex::ui {
namespace {

class InfoPagesTest : public ::testing::Test, public testing::MiscFixture {
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
    QString Colour(const char* label) const { return Find<QLabel>(label)->styleSheet(); }
    bool Visible(const char* label) const { return Find<QLabel>(label)->isVisible(); }
    QLineEdit* Box(const char* name) const { return Find<QLineEdit>(name); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
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
    SetField("Donkey Kong", 'C', "dkong.zip");
    OpenWithInfoPages();
    EXPECT_EQ(window->rightTabs()->currentIndex(), MainWindow::Info);
    EXPECT_EQ(Text("descriptionLine"), "Pac-Man (pacman)");
    EXPECT_TRUE(Find<QLabel>("descriptionLine")->font().bold());
    EXPECT_EQ(Text("samplesLine"), "Samples: This games doesn't need the samples set!");
    // Without samples to need, neither samples button has anything to do.
    EXPECT_FALSE(Button("samplesBreakButton")->isEnabled());
    EXPECT_FALSE(Button("samplesSelectButton")->isEnabled());

    ClickGame("Ms. Pac-Man");
    EXPECT_EQ(Text("descriptionLine"), "Ms. Pac-Man (mspacman)");
    EXPECT_EQ(Colour("descriptionLine"), kGreen);
    EXPECT_EQ(Text("cloneLine"), "Clone of 'pacman'");
    EXPECT_EQ(Colour("cloneLine"), "color: #00b4ff;");
    EXPECT_EQ(Text("statusLine"), "Stand alone!");
    EXPECT_EQ(Colour("statusLine"), kGreen);
    EXPECT_EQ(Text("romsLine"), "Roms: mspacman.zip");
    EXPECT_TRUE(Button("romsBreakButton")->isEnabled());
    EXPECT_EQ(Button("romsSelectButton")->text(), "Change");
    EXPECT_EQ(Text("launchLine"), "Never played at all!");
    EXPECT_EQ(Colour("launchLine"), kRed);
    EXPECT_EQ(Box("ratingBox")->text(), "NP");
    EXPECT_EQ(Box("executableBox")->text(), "Last");
    EXPECT_FALSE(Visible("smallerAward") || Visible("goldMedalAward"));

    ClickGame("Ninja Zone");
    EXPECT_EQ(Text("cpuLine"), "Cpu: m68000 z80");
    EXPECT_EQ(Box("ratingBox")->text(), "96%");
    EXPECT_EQ(Box("categoryBox")->text(), "Fighting");
    EXPECT_TRUE(Find<QCheckBox>("favouriteBox")->isChecked());

    // A game lacking its samples is yellow, with Select offered; its roms offer Change.
    ClickGame("Donkey Kong");
    EXPECT_TRUE(Colour("descriptionLine").startsWith("color: #ffff00;"));
    EXPECT_EQ(Text("samplesLine"), "Samples: You don't have the samples set!");
    EXPECT_FALSE(Button("samplesBreakButton")->isEnabled());
    EXPECT_EQ(Button("samplesSelectButton")->text(), "Select");
    EXPECT_TRUE(Button("samplesSelectButton")->isEnabled());
}

TEST_F(InfoPagesTest, TypedValuesAreStoredInTheGameAndBreakReleasesTheLink) {
    testing::WriteBytes(session.emulator.oldmame + platform::ExecutableFileName("mame36"), "x");
    OpenWithInfoPages();
    Retype("ratingBox", "85 %");
    EXPECT_EQ(FieldOf("Pac-Man", 'S'), "85");
    EXPECT_EQ(Box("ratingBox")->text(), "85%");
    Retype("ratingBox", "92");
    EXPECT_TRUE(Visible("smallerAward"));
    Retype("ratingBox", "96");
    EXPECT_TRUE(Visible("goldMedalAward"));
    EXPECT_FALSE(Visible("smallerAward"));

    // Leaving the box stores it as Enter does.
    Box("categoryBox")->setFocus();
    QTest::keyClicks(Box("categoryBox"), "Maze");
    Box("ratingBox")->setFocus();
    EXPECT_EQ(FieldOf("Pac-Man", 'Y'), "Maze");

    QTest::mouseClick(Find<QCheckBox>("favouriteBox"), Qt::LeftButton);
    EXPECT_EQ(FieldOf("Pac-Man", 'E'), "1");
    Retype("executableBox", "mame36");
    EXPECT_EQ(FieldOf("Pac-Man", 'Z'), "mame36");
    EXPECT_TRUE(feedback.messages.empty());

    // An executable outside "oldmame" is warned about and "Last" comes back.
    Retype("executableBox", "mame99");
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_TRUE(feedback.messages[0].text.starts_with(
        "Warning!\nYou have chosen to use another version of mame!\n"));
    EXPECT_EQ(Box("executableBox")->text(), "Last");
    EXPECT_EQ(FieldOf("Pac-Man", 'Z'), "");

    QTest::mouseClick(Button("romsBreakButton"), Qt::LeftButton);
    EXPECT_EQ(feedback.questions,
              std::vector<std::string>{"Are you sure you want to release this roms link?"});
    EXPECT_EQ(FieldOf("Pac-Man", 'C'), "");
    EXPECT_EQ(Text("romsLine"), "Roms: You don't have the roms set!");
    EXPECT_FALSE(Button("romsBreakButton")->isEnabled());
    EXPECT_EQ(Button("romsSelectButton")->text(), "Select");
}

TEST_F(InfoPagesTest, HelpPageShowsTheParentsHistoryKnownIssuesAndHotKeys) {
    OpenWithInfoPages();
    ClickGame("Ms. Pac-Man");
    window->rightTabs()->setCurrentIndex(MainWindow::Help);
    const HelpPage& help = *info.help;
    EXPECT_EQ(help.historyBox()->toPlainText(), "Pac-Man history.\n\nSecond paragraph.\n");
    EXPECT_EQ(help.knownIssuesBox()->toPlainText(), "This game seems to work PERFECTLY!");
    // The stored text's line ends reach the box as line breaks.
    EXPECT_TRUE(help.hotKeysBox()->toPlainText().startsWith("[Tab]\nToggles the configuration menu"));
    EXPECT_EQ(help.historyBox()->toolTip(), "Taken directly from file 'history.dat' !");

    ClickGame("Galaga");
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
        if (statistics != nullptr && statistics->isVisible()) {
            poll.stop();
            modal = statistics->isModal();
            seen = ListTexts(statistics->boardList());
            statistics->accept();
        }
    });
    poll.start(10);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(modal);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.first(), "   1) Ninja Zone");
    EXPECT_EQ(seen.last(), "You have to play 9 games to complete it!");
}

TEST_F(InfoPagesTest, StatisticsBoardsSwitchWithTheirButtonsAndOptions) {
    store::GameDatabase unplayed({testing::BrowseGame("pacman", "Pac-Man")});
    const StatisticsWindow none(unplayed);
    // Without any play the summary is red.
    EXPECT_TRUE(none.summaryLabel()->styleSheet().startsWith("color: #ff0000;"));
    EXPECT_EQ(none.boardList()->count(), 3);

    SetField("Ms. Pac-Man", 'T', "2");
    SetField("Ms. Pac-Man", 'H', "60");
    StatisticsWindow statistics(session.games);
    statistics.show();
    EXPECT_FALSE(statistics.boardButton(info::Board::HallOfFame)->isVisible());
    EXPECT_TRUE(statistics.boardButton(info::Board::HallOfShame)->isVisible());
    EXPECT_TRUE(statistics.summaryLabel()->text().startsWith("You have played mame games for"));
    EXPECT_TRUE(statistics.summaryLabel()->styleSheet().startsWith(kGreen));

    QTest::mouseClick(statistics.boardButton(info::Board::HallOfShame), Qt::LeftButton);
    EXPECT_TRUE(statistics.boardButton(info::Board::HallOfFame)->isVisible());
    EXPECT_FALSE(statistics.boardButton(info::Board::HallOfShame)->isVisible());
    const QStringList shame = ListTexts(statistics.boardList());
    EXPECT_EQ(shame.mid(0, 2), QStringList({"   1) Pac-Man", "      Never played at all!"}));

    QTest::mouseClick(statistics.boardButton(info::Board::GlobalHall), Qt::LeftButton);
    QTest::mouseClick(statistics.packClonesBox(), Qt::LeftButton);
    EXPECT_EQ(ListTexts(statistics.boardList()).mid(4, 2),
              QStringList(
                  {"   2) Pac-Man with 3 clones ", "      Launched 2 times, played for 1 minute"}));
}

}  // namespace
}  // namespace quorvex::ui
