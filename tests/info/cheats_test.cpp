#include "info/cheats.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace quorvex::info {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

// The split fields joined with '|', the way a person compares them.
std::string Fields(const Cheat& cheat) {
    return cheat.game + "|" + cheat.cpu + "|" + cheat.address + "|" + cheat.data + "|" +
           cheat.type + "|" + cheat.description;
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
    EXPECT_EQ(CheatListText(cheats[0].line), "infinite lives");
    EXPECT_EQ(CheatListText(cheats[1].line), " fast");
    // The fields as read, the description with its own ':' and no line end.
    EXPECT_EQ(Fields(cheats[0]), "PACMAN|0|4E0E|06|0|Infinite Lives");
    EXPECT_EQ(Fields(cheats[1]), "Pacman|0|4C00|FF|1|Speed: FAST");
    EXPECT_EQ(Fields(cheats[2]), "pacman|0|1234|01|0|No line break");
    EXPECT_EQ(CheatListText(cheats[2].line), "no line break");
    EXPECT_TRUE(CheatsOf(file, "dkong").empty());

    // Files written with line feeds alone lose no character.
    const std::vector<Cheat> plain = CheatsOf("galaga:1:9820:05:0:Lives\nx\n", "GALAGA");
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].description, "Lives");

    EXPECT_EQ(Fields(SplitCheatLine("pacman:0:4E0E")), "pacman|0|4E0E|||");
    EXPECT_FALSE(CheatGameOf("no colon here"));
    // A new line is written under the lower-case name on one line.
    EXPECT_EQ(CheatLine("PacMan", "0", "4E0E", "06", "0", "Lives: 9"),
              "pacman:0:4E0E:06:0:Lives: 9");
    EXPECT_EQ(CheatLine("pacman", "0", "4E0E", "06", "0", "two\nlines"),
              "pacman:0:4E0E:06:0:two lines");
}

class CheatFileEdits : public ::testing::Test {
protected:
    testing::TempDir temp;
    std::string path = temp.File("cheat.dat");
};

TEST_F(CheatFileEdits, ANewCheatStartsAMissingFileAndThenGoesAtTheEndAfterALineBreak) {
    EXPECT_FALSE(ListCheats(path, "pacman").fileFound);
    EXPECT_TRUE(AddCheat(path, "pacman:0:4E0E:06:0:Lives").written);
    EXPECT_EQ(ReadBytes(path), "pacman:0:4E0E:06:0:Lives\r\n");
    EXPECT_TRUE(ListCheats(path, "pacman").fileFound);

    WriteBytes(path, "; header\r\npacman:0:4E0E:06:0:Lives");
    EXPECT_TRUE(AddCheat(path, "pacman:0:4C00:01:0:Speed").written);
    EXPECT_TRUE(AddCheat(path, "galaga:1:9820:05:0:Lives").written);
    EXPECT_EQ(ReadBytes(path),
              "; header\r\npacman:0:4E0E:06:0:Lives\r\npacman:0:4C00:01:0:Speed\r\n"
              "galaga:1:9820:05:0:Lives\r\n");

    // A file cut between CR and LF gets only the LF: the last cheat stays as it was.
    WriteBytes(path, "pacman:0:4E0E:06:0:Lives\r");
    EXPECT_TRUE(AddCheat(path, "galaga:1:9820:05:0:Lives").written);
    EXPECT_EQ(ReadBytes(path), "pacman:0:4E0E:06:0:Lives\r\ngalaga:1:9820:05:0:Lives\r\n");
    EXPECT_EQ(ListCheats(path, "pacman").cheats.at(0).description, "Lives");

    // More than the old four hundred are all listed.
    std::string many;
    for (int i = 0; i < 450; ++i) {
        many +=
            "pacman:0:" + std::to_string(1000 + i) + ":01:0:Cheat " + std::to_string(i) + "\r\n";
    }
    WriteBytes(path, many);
    const CheatListing listing = ListCheats(path, "pacman");
    ASSERT_EQ(listing.cheats.size(), 450u);
    EXPECT_EQ(listing.cheats.back().description, "Cheat 449");
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
    EXPECT_EQ(ReadBytes(path),
              "; header\r\n"
              "pacman:0:4E0E:09:0:Nine lives\r\n"
              "galaga:1:9820:05:0:Lives\r\n"
              "pacman:0:4E0E:09:0:Nine lives\r\n"
              "pacman:0:4C00:01:0:Speed\r\n");

    EXPECT_TRUE(DeleteCheat(path, "pacman:0:4e0e:09:0:nine lives").written);
    EXPECT_EQ(ReadBytes(path),
              "; header\r\ngalaga:1:9820:05:0:Lives\r\npacman:0:4C00:01:0:Speed\r\n");
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

}  // namespace
}  // namespace quorvex::info
