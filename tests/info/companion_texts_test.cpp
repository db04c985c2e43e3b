#include "info/companion_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvex::info {
namespace {

store::GameRecord Game(const std::string& name, const std::string& description,
                       const std::string& parent = "") {
    const std::string clone = parent.empty() ? "" : "+:F:" + parent + ":+ ";
    return {"+:A:" + name + ":+ +:B:" + description + ":+ " + clone + "\xA7", "", description};
}

store::GameDatabase Games() {
    return store::GameDatabase(
        {Game("pacman", "Pac-Man"), Game("mspacman", "Ms. Pac-Man", "pacman"),
         Game("puckman", "Puck Man (lost parent)", "puckmanx"), Game("pac", "Pac"),
         Game("galaga", "Galaga"), Game("dkong", "Donkey Kong"), Game("sf2", "Street Fighter II")});
}

const std::string kNoHistory =
    "No history found! Try to download the latest file 'history.dat' from the official Mame page!";

// A history file as the emulator's companions write it, CR LF throughout.
const std::string kHistory =
    "## history.dat\r\n"
    "$info=pacplus,pacman,\r\n$bio\r\n\r\nPac-Plus (wrong game).\r\n$end\r\n\r\n"
    "$info=pacman,mspacman,\r\njunk between the marker and the text\r\nMfg. Namco\r\n"
    "$bio\r\n\r\nPac-Man (c) 1980 Namco.\r\n\r\n\r\n\r\nEat the dots.\r\n- TRIVIA -\r\n"
    "-\r\nYear of the ghosts.\r\nFormat: none\r\nGhosts have names.\r\n\r\n$end\r\n"
    "$INFO= GALAGA\r\n$BIO\r\nGalaga text.\r\nThis line says $END in the middle.\r\n"
    "Never shown.\r\n$end\r\n"
    "$info=sf2\r\n$bio\r\nStreet Fighter without an end.\r\n";

std::string History(const std::string& description) {
    return CompanionEntryText(CompanionFile::History, kHistory, Games(), description);
}

TEST(CompanionTexts, EntryTextLeavesOutMarkupKeepsParagraphsApartAndServesClones) {
    // Header lines up to the first markup line are skipped; lines beginning
    // with "$", "-" alone, "Mfg.", "Year" and "Format" are never shown; the
    // three empty lines between paragraphs become one, the leading and the
    // trailing ones go.
    EXPECT_EQ(History("Pac-Man"),
              "Pac-Man (c) 1980 Namco.\r\n\r\nEat the dots.\r\n- TRIVIA -\r\nGhosts have "
              "names.\r\n");

    // A clone shows its parent's entry unless the parent is unknown.
    EXPECT_EQ(History("Ms. Pac-Man"), History("Pac-Man"));
    // "puckman" is looked up under its own name, and "pacman" in the
    // pacplus line does not count: only the name right behind "$info=".
    EXPECT_EQ(History("Puck Man (lost parent)"), kNoHistory);
}

TEST(CompanionTexts, EntriesAreFoundBySubstringInAnyCaseAndEndAtEndOrTheFilesEnd) {
    // The first line whose names hold the raw name wins.
    EXPECT_EQ(History("Pac"), "Pac-Plus (wrong game).\r\n");
    // Capitals and the blank after the marker; "$END" in mid-line ends the
    // entry after that line.
    EXPECT_EQ(History("Galaga"), "Galaga text.\r\nThis line says $END in the middle.\r\n");
    EXPECT_EQ(History("Street Fighter II"), "Street Fighter without an end.\r\n");
    // Line feeds alone are lines too.
    EXPECT_EQ(
        CompanionEntryText(CompanionFile::History, "$info=dkong\n$bio\nBarrels.\nJumps.\n$end\n",
                           Games(), "Donkey Kong"),
        "Barrels.\r\nJumps.\r\n");
}

TEST(CompanionTexts, MissingFilesAndEntriesGiveEachFilesMessageAndLongEntriesComeWhole) {
    const store::GameDatabase games = Games();
    EXPECT_EQ(CompanionEntryText(CompanionFile::History, "", games, "Pac-Man"),
              "File 'history.dat' not found! Download it from the official Mame page!");
    EXPECT_EQ(CompanionEntryText(CompanionFile::MameInfo, "", games, "Pac-Man"),
              "File 'mameinfo.fat' not found! Download it from the official Mame page!");
    EXPECT_EQ(CompanionEntryText(CompanionFile::MameInfo, kHistory, games, "Donkey Kong"),
              "This game seems to work PERFECTLY!");
    EXPECT_EQ(History("Donkey Kong"), kNoHistory);
    // No game at all (the games list's "No games found!") has no entry either.
    EXPECT_EQ(CompanionEntryText(CompanionFile::MameInfo, kHistory, games, "No games found!"),
              "This game seems to work PERFECTLY!");

    // A long entry is shown whole.
    std::string expected;
    for (int line = 0; line < 3000; ++line) {
        expected += "Line " + std::to_string(line) + std::string(60, 'x') + "\r\n";
    }
    ASSERT_GT(expected.size(), 100'000u);
    EXPECT_EQ(
        CompanionEntryText(CompanionFile::History,
                           "$info=pacman\r\n$bio\r\n" + expected + "$end\r\n", games, "Pac-Man"),
        expected);
}

TEST(CompanionTexts, HotKeysTextListsEveryKeyWithItsMeaning) {
    const std::string text = HotKeysText();
    EXPECT_TRUE(text.starts_with(
        "[Tab]\r\nToggles the configuration menu\r\n\r\n[Tilde]\r\nToggles the On Screen "
        "Display\r\n\r\n"));
    EXPECT_NE(text.find("\r\n\r\n[Shift+F11]\r\nToggle profiler display\r\n\r\n"),
              std::string::npos);
    EXPECT_TRUE(
        text.ends_with("[F12]\r\nSave a screen snapshot.\r\n\r\n[ESC]\r\nExit "
                       "emulator\r\n\r\n"));
}

}  // namespace
}  // namespace quorvex::info
