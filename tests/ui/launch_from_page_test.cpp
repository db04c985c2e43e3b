// Playing from the games page through the real batch interpreter and the
// emulator test double.

#include <gtest/gtest.h>

#include <QCheckBox>

#include <filesystem>
#include <string>

#include "misc_fixture.h"
#include "platform/paths.h"
#include "play/launch.h"
#include "ui/empty_page.h"
#include "ui/status_panes.h"

namespace quorvex::ui {
namespace {

class LaunchFromPage : public ::testing::Test, public testing::MiscFixture {
protected:
    LaunchFromPage() {
        std::filesystem::copy_file(QUORVEX_FAKE_EMULATOR,
                                   session.emulator.directory + platform::EmulatorExecutableName());
        testing::WriteBytes(session.emulator.directory + "catalogue.txt",
                            "@delay\t0\n@fps\t57.50\n"
                            "pacman\tPac-Man\t\tZ80\tNamco\t1980\tNamco\tpacman.6e\n"
                            "mspacman\tMs. Pac-Man\tpacman\tZ80\tNamco\t1981\tMidway\tboot1\n");
        testing::WriteBytes(session.emulator.roms + "pacman.zip", "a zip read in place");
        SetField("Pac-Man", 'C', session.emulator.roms + "pacman.zip");
        SetField("Ms. Pac-Man", 'C', dir.File("gone.zip"));
        SetField("Ms. Pac-Man", 'W', "Partial");
    }
    void OpenShown() {
        OpenWithPlayPages();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QPushButton* PlayButton() const { return Find<QPushButton>("playButton"); }
    EmptyPage* InfoPage() const {
        return qobject_cast<EmptyPage*>(window->rightTabs()->widget(MainWindow::Info));
    }
};

TEST_F(LaunchFromPage, PlayRunsTheEmulatorAndShowsTheNewStatistics) {
    // Use Univbe is on, but univbe.exe has gone.
    session.state.lastUnivbeStatus = "1";
    session.state.lastUnivbeDir = dir.File("univbe.exe");
    OpenShown();
    ASSERT_TRUE(Find<QCheckBox>("useUnivbe")->isChecked());
    Click(Find<QCheckBox>("getReplay"));
    ASSERT_TRUE(PlayButton()->isEnabled());
    const int refillsBefore = InfoPage()->refillCount();

    Click(PlayButton());
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_EQ(FieldOf("Pac-Man", 'T'), "1");
    EXPECT_EQ(FieldOf("Pac-Man", 'K'), "57.50 (1 frames)");
    EXPECT_FALSE(FieldOf("Pac-Man", 'G').empty() || FieldOf("Pac-Man", 'H').empty());
    EXPECT_TRUE(std::filesystem::exists(session.emulator.replay + "pacman000.inp"));
    EXPECT_FALSE(std::filesystem::exists(session.emulator.directory + "QVXLaunch.bat"));
    // The information page shows the same game again, with its new figures.
    EXPECT_EQ(InfoPage()->refillCount(), refillsBefore + 1);
    EXPECT_EQ(InfoPage()->shownGame(), "Pac-Man");
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(window->busy().IsOn());
    EXPECT_TRUE(PlayButton()->isEnabled());
    // The game ran without univbe: the box is unchecked, the remembered status is not.
    EXPECT_FALSE(Find<QCheckBox>("useUnivbe")->isChecked());
    EXPECT_EQ(session.state.lastUnivbeStatus, "1");

    // The focus is back on the list, so Enter plays again at once.
    ASSERT_EQ(window->focusWidget(), games().gamesList());
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(FieldOf("Pac-Man", 'T'), "2");
}

TEST_F(LaunchFromPage, AVanishedRomZipWarnsOnceAndDisablesPlay) {
    OpenShown();
    const QString countsBefore = window->statusPanes()->PaneText(1);
    ClickGame("Ms. Pac-Man");
    ASSERT_EQ(session.state.lastGameSelection, "Ms. Pac-Man");
    ASSERT_TRUE(PlayButton()->isEnabled());

    Click(PlayButton());
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(feedback.messages[0].text,
              "Warning!\nYou SURELY have done something to the file:\n" + dir.File("gone.zip") +
                  "\nbecause now it doesn't exists no more!\nSo you are not able to play this "
                  "game!");
    EXPECT_EQ(feedback.messages[0].icon, store::MessageIcon::Exclamation);
    EXPECT_EQ(FieldOf("Ms. Pac-Man", 'C') + FieldOf("Ms. Pac-Man", 'W'), "");
    EXPECT_EQ(FieldOf("Ms. Pac-Man", 'T'), "");
    EXPECT_FALSE(PlayButton()->isEnabled());
    EXPECT_NE(window->statusPanes()->PaneText(1), countsBefore);

    Click(PlayButton());
    QTest::keyClick(games().gamesList(), Qt::Key_Return);
    EXPECT_EQ(feedback.messages.size(), 1u);
}

}  // namespace
}  // namespace quorvex::ui
