// Playing from the games page through the real batch interpreter and the
// emulator test double.

#include <gtest/gtest.h>

#include <QCheckBox>

#include <filesystem>
#include <string>

#include "../catalogue/fake_emulator_setup.h"
#include "catalogue/emulator_generation.h"
#include "catalogue/machine_list.h"
#include "catalogue/needed_file_cache.h"
#include "misc_fixture.h"
#include "platform/paths.h"
#include "ui/misc/picture_view.h"
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
    EXPECT_TRUE(std::filesystem::exists(session.emulator.replay + "pacman000.inp"));
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
    EXPECT_TRUE(feedback.messages[0].text.starts_with(
        "Warning!\nYou SURELY have done something to the file:\n" + dir.File("gone.zip")));
    EXPECT_EQ(feedback.messages[0].icon, store::MessageIcon::Exclamation);
    EXPECT_FALSE(PlayButton()->isEnabled());
    EXPECT_NE(window->statusPanes()->PaneText(1), countsBefore);

    Click(PlayButton());
    QTest::keyClick(games().gamesList(), Qt::Key_Return);
    EXPECT_EQ(feedback.messages.size(), 1u);
}

// Today's emulator where it is installed: pong needs no ROM, so it plays from
// the games page without a zip, and the PNG snapshot the emulator takes at
// its end is shown on the Snaps page.
TEST_F(LaunchFromPage, PongPlaysInTheInstalledEmulatorAndItsSnapshotIsShown) {
    const std::string installed = testing::InstalledEmulator();
    if (installed.empty()) {
        GTEST_SKIP() << "the emulator (Debian package mame) is not installed";
    }
    const std::string executable = session.emulator.directory + platform::EmulatorExecutableName();
    std::filesystem::remove(executable);
    std::filesystem::create_symlink(installed, executable);
    catalogue::NeededFileCacheWriter cache;
    catalogue::Machine pong;
    pong.name = "pong";
    cache.Add(pong);
    ASSERT_TRUE(cache.Save(catalogue::NeededFileCachePath(session.files.directory), "v0.251",
                           catalogue::EmulatorStamp(session.emulator.directory)));
    session.gamesWithoutRoms = catalogue::GamesWithoutRomFiles(session.files.directory);
    auto records = session.games.MutableRecords();
    records.push_back(testing::BrowseGame("pong", "Pong (Rev E)", "+:X:Atari:+"));
    session.games = store::GameDatabase(records);
    std::filesystem::create_directories(dir.File("home/.mame"));
    testing::WriteBytes(dir.File("home/.mame/mame.ini"),
                        "video none\nsound none\nseconds_to_run 2\n");
    testing::ScopedEnvironment home("HOME", dir.File("home"));
    OpenWithMiscPages();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    ClickGame("Pong (Rev E)");
    ASSERT_TRUE(PlayButton()->isEnabled());
    Click(PlayButton());
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_EQ(FieldOf("Pong (Rev E)", 'T'), "1");
    EXPECT_NE(FieldOf("Pong (Rev E)", 'K').find("% ("), std::string::npos);

    ShowTab(MainWindow::Snaps);
    EXPECT_EQ(snapsPage().frame()->title(), " Preview picture 1/1 ");
    EXPECT_EQ(snapsPage().pictureView()->file(), session.emulator.snapshot + "pong000.png");
    EXPECT_TRUE(snapsPage().pictureView()->hasPicture());
}

}  // namespace
}  // namespace quorvex::ui
