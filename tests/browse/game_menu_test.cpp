#include <gtest/gtest.h>

#include "browse/game_menu.h"
#include "store/program_paths.h"
#include "test_support.h"

namespace quorvex::browse {
namespace {

using Item = GameMenuItem;

const GameFiles kNoFiles{};

TEST(GameMenu, RomLinkDecidesPlayAndTheRomEntries) {
    GameMenu menu = GameMenuFor("+:A:pacman:+ +:B:Pac-Man:+", "Pac-Man", kNoFiles);
    EXPECT_EQ(MenuEntry(menu, Item::Play).caption, "Play 'Pac-Man' !");
    EXPECT_FALSE(MenuEntry(menu, Item::Play).enabled);
    EXPECT_FALSE(MenuEntry(menu, Item::ReleaseRomsLink).enabled);
    EXPECT_EQ(MenuEntry(menu, Item::SelectRomsFile).caption, "Select Roms file ...");
    EXPECT_TRUE(MenuEntry(menu, Item::SelectRomsFile).enabled);

    menu = GameMenuFor("+:A:pacman:+ +:C:/roms/pacman.zip:+", "Pac-Man", kNoFiles);
    EXPECT_TRUE(MenuEntry(menu, Item::Play).enabled);
    EXPECT_TRUE(MenuEntry(menu, Item::ReleaseRomsLink).enabled);
    EXPECT_EQ(MenuEntry(menu, Item::SelectRomsFile).caption, "Change Roms file ...");
}

TEST(GameMenu, SamplesEntriesFollowTheLinkAndTheNeed) {
    GameMenu linked = GameMenuFor("+:C:a.zip:+ +:D:s.zip:+ +:L:yes:+", "Ghost Run", kNoFiles);
    EXPECT_TRUE(MenuEntry(linked, Item::ReleaseSamplesLink).enabled);
    EXPECT_TRUE(MenuEntry(linked, Item::SelectSamplesFile).enabled);
    EXPECT_EQ(MenuEntry(linked, Item::SelectSamplesFile).caption, "Change Samples file ...");

    GameMenu needed = GameMenuFor("+:L:yes:+", "Ghost Run", kNoFiles);
    EXPECT_FALSE(MenuEntry(needed, Item::ReleaseSamplesLink).enabled);
    EXPECT_TRUE(MenuEntry(needed, Item::SelectSamplesFile).enabled);
    EXPECT_EQ(MenuEntry(needed, Item::SelectSamplesFile).caption, "Select Samples file ...");

    GameMenu none = GameMenuFor("+:C:a.zip:+", "Galaxy Quest", kNoFiles);
    EXPECT_FALSE(MenuEntry(none, Item::ReleaseSamplesLink).enabled);
    EXPECT_FALSE(MenuEntry(none, Item::SelectSamplesFile).enabled);
    // The family transformations and Cancel are always there to choose.
    EXPECT_TRUE(MenuEntry(none, Item::CreateMergedFamily).enabled);
    EXPECT_TRUE(MenuEntry(none, Item::Cancel).enabled);
}

TEST(GameMenu, ResetsNeedTheirFilesInTheEmulatorDirectories) {
    testing::TempDir dir;
    const store::EmulatorPaths paths = store::MakeEmulatorPaths(dir.path());
    EXPECT_FALSE(FindGameFiles(paths, "pacman").highScores);
    testing::WriteBytes(paths.hi + "pacman.hi", "scores");
    testing::WriteBytes(paths.cfg + "galaga.cfg", "dips");
    const GameFiles pacman = FindGameFiles(paths, "pacman");
    EXPECT_TRUE(pacman.highScores);
    EXPECT_FALSE(pacman.dipSwitches);
    EXPECT_TRUE(FindGameFiles(paths, "galaga").dipSwitches);
    // A game without a raw name has no files, not the directory's own name.
    EXPECT_FALSE(FindGameFiles(paths, "").highScores);

    GameMenu menu = GameMenuFor("+:A:pacman:+", "Pac-Man", pacman);
    EXPECT_TRUE(MenuEntry(menu, Item::ResetHighScores).enabled);
    EXPECT_FALSE(MenuEntry(menu, Item::ResetDipSwitches).enabled);
}

TEST(GameMenu, WithoutAGameOnlyCancelCanBeChosen) {
    const GameMenu menu = GameMenuWithoutGame();
    for (std::size_t i = 0; i + 1 < menu.size(); ++i) {
        EXPECT_FALSE(menu[i].enabled) << menu[i].caption;
    }
    EXPECT_TRUE(MenuEntry(menu, Item::Cancel).enabled);
    EXPECT_EQ(MenuEntry(menu, Item::SelectRomsFile).caption, "Select Roms file....");
}

}  // namespace
}  // namespace quorvex::browse
