#include "info/cheats.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace quorvex::info {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::vector<std::string> ListTexts(const std::vector<Cheat>& cheats) {
    std::vector<std::string> texts;
    for (const Cheat& cheat : cheats)
        texts.push_back(CheatListText(cheat.line));
    return texts;
}

TEST(CheatLines, AGameFindsItsOwnCheatsWhateverTheirCaseAndShortLinesHaveEmptyFields) {
    const std::string file =
        "; cheats for the emulator\r\n"
        "PACMAN:0:4E0E:06:0:Infinite Lives\r\n"
        "pacmanjr:0:4E0E:09:0:Not this one\r\n"
        "galaga:1:9820:05:0:Lives\r\n"
        "Pacman:0:4C00:FF:1:Speed: FAST\r\n"
        "pacman:0:1234:01:0:No line break";
    const std::vector<Cheat> cheats = CheatsOf(file, "pacman");

    ASSERT_EQ(cheats.size(), 3u);
    EXPECT_EQ(ListTexts(cheats),
              (std::vector<std::string>{"infinite lives", " fast", "no line break"}));
    // The fields as read, the description with its own ':' and no line end.
    EXPECT_EQ(cheats[0].game, "PACMAN");
    EXPECT_EQ(cheats[1].cpu, "0");
    EXPECT_EQ(cheats[1].address, "4C00");
    EXPECT_EQ(cheats[1].data, "FF");
    EXPECT_EQ(cheats[1].type, "1");
    EXPECT_EQ(cheats[1].description, "Speed: FAST");
    EXPECT_EQ(cheats[2].description, "No line break");

    // Files written with line feeds alone lose no character.
    const std::vector<Cheat> plain = CheatsOf("galaga:1:9820:05:0:Lives\nx\n", "GALAGA");
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].description, "Lives");
    EXPECT_TRUE(CheatsOf(file, "dkong").empty());

    const Cheat cheat = SplitCheatLine("pacman:0:4E0E");
    EXPECT_EQ(cheat.address, "4E0E");
    EXPECT_EQ(cheat.data, "");
    EXPECT_EQ(cheat.description, "");
    EXPECT_FALSE(CheatGameOf("no colon here"));
}

TEST(CheatLines, ANewLineIsWrittenUnderTheLowerCaseNameOnOneLine) {
    EXPECT_EQ(CheatLine("PacMan", "0", "4E0E", "06", "0", "Lives: 9"),
              "pacman:0:4E0E:06:0:Lives: 9");
    EXPECT_EQ(CheatLine("pacman", "0", "4E0E", "06", "0", "two\nlines"),
              "pacman:0:4E0E:06:0:two lines");
}

class CheatFileEdits : public ::testing::Test {
protected:
    std::string Contents() const { return ReadBytes(path); }

    TempDir temp;
    std::string path = temp.File("cheat.dat");
};

TEST_F(CheatFileEdits, ANewCheatStartsAMissingFileAndThenGoesAtTheEndAfterALineBreak) {
    EXPECT_FALSE(ListCheats(path, "pacman").fileFound);
    EXPECT_TRUE(AddCheat(path, "pacman:0:4E0E:06:0:Lives").written);
    EXPECT_EQ(Contents(), "pacman:0:4E0E:06:0:Lives\r\n");
    EXPECT_TRUE(ListCheats(path, "pacman").fileFound);

    WriteBytes(path, "; header\r\npacman:0:4E0E:06:0:Lives");
    EXPECT_TRUE(AddCheat(path, "pacman:0:4C00:01:0:Speed").written);
    EXPECT_TRUE(AddCheat(path, "galaga:1:9820:05:0:Lives").written);
    EXPECT_EQ(Contents(),
              "; header\r\npacman:0:4E0E:06:0:Lives\r\npacman:0:4C00:01:0:Speed\r\n"
              "galaga:1:9820:05:0:Lives\r\n");

    // A file cut between CR and LF gets only the LF: the last cheat stays as it was.
    WriteBytes(path, "pacman:0:4E0E:06:0:Lives\r");
    EXPECT_TRUE(AddCheat(path, "galaga:1:9820:05:0:Lives").written);
    EXPECT_EQ(Contents(), "pacman:0:4E0E:06:0:Lives\r\ngalaga:1:9820:05:0:Lives\r\n");
    EXPECT_EQ(ListCheats(path, "pacman").cheats.at(0).description, "Lives");
}

TEST_F(CheatFileEdits, ModifyAndDeleteActOnEveryEqualLine) {
    WriteBytes(path,
               "; header\n"
               "pacman:0:4E0E:06:0:Lives\r\n"
               "galaga:1:9820:05:0:Lives\r\n"
               "PACMAN:0:4E0E:06:0:LIVES\r\n"
               "pacman:0:4C00:01:0:Speed");

    EXPECT_TRUE(
        ModifyCheat(path, "pacman:0:4E0E:06:0:Lives", "pacman:0:4E0E:09:0:Nine lives").written);
    EXPECT_EQ(Contents(),
              "; header\r\n"
              "pacman:0:4E0E:09:0:Nine lives\r\n"
              "galaga:1:9820:05:0:Lives\r\n"
              "pacman:0:4E0E:09:0:Nine lives\r\n"
              "pacman:0:4C00:01:0:Speed\r\n");

    EXPECT_TRUE(DeleteCheat(path, "pacman:0:4e0e:09:0:nine lives").written);
    EXPECT_EQ(Contents(),
              "; header\r\n"
              "galaga:1:9820:05:0:Lives\r\n"
              "pacman:0:4C00:01:0:Speed\r\n");
}

TEST_F(CheatFileEdits, AFileThatCannotBeReadIsNeverReplaced) {
    // A directory in the file's place: there, but not readable as a file.
    std::filesystem::create_directory(path);
    const CheatEdit added = AddCheat(path, "pacman:0:4E0E:06:0:Lives");
    EXPECT_FALSE(added.written);
    EXPECT_FALSE(added.message.empty());
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_TRUE(ListCheats(path, "pacman").fileFound);

    // Changing a cheat of a file that went away creates nothing.
    const std::string gone = temp.File("gone.dat");
    const CheatEdit modified = ModifyCheat(gone, "a:b", "a:c");
    EXPECT_FALSE(modified.written);
    EXPECT_EQ(modified.message, "Cheat.dat not found!");
    EXPECT_FALSE(DeleteCheat(gone, "a:b").written);
    EXPECT_FALSE(std::filesystem::exists(gone));
}

TEST_F(CheatFileEdits, MoreThanFourHundredCheatsAreAllListed) {
    std::string file;
    for (int i = 0; i < 450; ++i)
        file +=
            "pacman:0:" + std::to_string(1000 + i) + ":01:0:Cheat " + std::to_string(i) + "\r\n";
    WriteBytes(path, file);
    const CheatListing listing = ListCheats(path, "pacman");
    ASSERT_EQ(listing.cheats.size(), 450u);
    EXPECT_EQ(listing.cheats.back().description, "Cheat 449");
}

}  // namespace
}  // namespace quorvex::info
