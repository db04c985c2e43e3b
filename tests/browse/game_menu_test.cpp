#include <gtest/gtest.h>

#include "browse/game_menu.h"
#include "store/program_paths.h"
#include "test_support.h"

namespace quorvex::browse {
namespace {

using Item = GameMenuItem;

// An entry's caption, followed by "[off]" when it cannot be chosen.
std::string Entry(const GameMenu& menu, Item item) {
    const GameMenuItemState& entry = MenuEntry(menu, item);
    return entry.caption + (entry.enabled ? "" : " [off]");
}

TEST(GameMenu, RomAndSamplesLinksDecideTheirEntries) {
    GameMenu menu = GameMenuFor("+:A:pacman:+ +:B:Pac-Man:+", "Pac-Man", {});
    EXPECT_EQ(Entry(menu, Item::Play), "Play 'Pac-Man' ! [off]");
    EXPECT_FALSE(MenuEntry(menu, Item::ReleaseRomsLink).enabled);
    EXPECT_EQ(Entry(menu, Item::SelectRomsFile), "Select Roms file ...");

    menu = GameMenuFor("+:A:pacman:+ +:C:/roms/pacman.zip:+", "Pac-Man", {});
    EXPECT_EQ(Entry(menu, Item::Play), "Play 'Pac-Man' !");
    EXPECT_TRUE(MenuEntry(menu, Item::ReleaseRomsLink).enabled);
    EXPECT_EQ(Entry(menu, Item::SelectRomsFile), "Change Roms file ...");

    menu = GameMenuFor("+:C:a.zip:+ +:D:s.zip:+ +:L:yes:+", "Ghost Run", {});
    EXPECT_TRUE(MenuEntry(menu, Item::ReleaseSamplesLink).enabled);
    EXPECT_EQ(Entry(menu, Item::SelectSamplesFile), "Change Samples file ...");

    menu = GameMenuFor("+:L:yes:+", "Ghost Run", {});
    EXPECT_FALSE(MenuEntry(menu, Item::ReleaseSamplesLink).enabled);
    EXPECT_EQ(Entry(menu, Item::SelectSamplesFile), "Select Samples file ...");

    menu = GameMenuFor("+:C:a.zip:+", "Galaxy Quest", {});
    EXPECT_FALSE(MenuEntry(menu, Item::ReleaseSamplesLink).enabled);
    EXPECT_FALSE(MenuEntry(menu, Item::SelectSamplesFile).enabled);
    // The family transformations and Cancel are always there to choose.
    EXPECT_TRUE(MenuEntry(menu, Item::CreateMergedFamily).enabled);
    EXPECT_TRUE(MenuEntry(menu, Item::Cancel).enabled);
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
    EXPECT_EQ(Entry(menu, Item::SelectRomsFile), "Select Roms file.... [off]");
}

}  // namespace
}  // namespace quorvex::browse
