// Merging another cheat file into the emulator's "cheat.dat".

#include "utilities/cheat_merge.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"
#include "utilities_test_support.h"

namespace quorvex::utilities {
namespace {

using testing::ReadBytes;
using testing::Recorder;
using testing::TempDir;
using testing::WriteBytes;

TEST(CheatMerge, AppendsOnlyLinesWhoseKeyIsNew) {
    const std::string own =
        "; my cheats\r\n"
        "pacman:0:4E0E:03:000:Infinite Lives\r\n"
        "galaga:0:9820:05:000:Lives";  // the last line has no line end
    const std::string other =
        "; their cheats\n"
        "\n"
        "  PACMAN:0:4e0e:03:000:Lives forever  \r\n"  // only the description differs
        "pacman:0:4E10:01:000:Start at level 2\r\n"
        "dkong:0:6228:04:000:Lives\n"
        "DKONG:0:6228:04:000:Many lives\n"  // duplicates a line appended just before
        "galaga:0:9820:05:000:Lives";
    Recorder progress;
    const CheatMerge merge = MergeCheatText(own, other, progress);

    EXPECT_EQ(merge.text, own +
                              "\r\n;\r\n; Merged using Quorvex!\r\n;\r\n"
                              "pacman:0:4E10:01:000:Start at level 2\r\n"
                              "dkong:0:6228:04:000:Lives\r\n");
    EXPECT_EQ(merge.appended, 2);
    EXPECT_EQ(merge.skipped, 3);
    EXPECT_EQ(progress.range, std::make_pair(0, 1));
    EXPECT_EQ(progress.texts[0], "Scanning   PACMAN....");
    EXPECT_EQ(progress.texts[1], "New 0/1");
    EXPECT_EQ(progress.texts.back(), "New 2/3");
    EXPECT_FALSE(progress.open);

    // An own file cut between CR and LF gets only the LF: another CR would
    // become part of its last line.
    const CheatMerge cut =
        MergeCheatText("pacman:0:4E0E:03:000:Lives\r",
                       "PACMAN:0:4E0E:03:000:x\ndkong:0:6228:04:000:Lives\n", progress);
    EXPECT_EQ(cut.text,
              "pacman:0:4E0E:03:000:Lives\r\n;\r\n; Merged using Quorvex!\r\n;\r\n"
              "dkong:0:6228:04:000:Lives\r\n");
}

TEST(CheatMerge, TheOwnFileIsReplacedWithTheMergedLinesWhateverItsSize) {
    TempDir dir;
    const std::string ownPath = dir.File("emu/cheat.dat");
    // Both larger than the old front-end's buffers of 5,000,000 bytes.
    std::string own;
    std::string other;
    for (int i = 0; own.size() <= 5'000'000; ++i) {
        own += "game" + std::to_string(i) + ":0:1000:01:000:An old cheat of some length\r\n";
        other += "game" + std::to_string(i) + ":0:1000:01:000:The same with other words\n";
    }
    other += "newgame:0:2000:02:000:A new cheat\n";
    WriteBytes(ownPath, own);
    WriteBytes(dir.File("theirs/cheat.dat"), other);
    Recorder user;
    const CheatFileMerge result = MergeCheatFile(dir.File("theirs/cheat.dat"), ownPath, user, user);
    EXPECT_EQ(result.outcome, CheatMergeOutcome::Merged);
    EXPECT_EQ(result.appended, 1);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(ReadBytes(ownPath),
              own + ";\r\n; Merged using Quorvex!\r\n;\r\nnewgame:0:2000:02:000:A new cheat\r\n");
}

TEST(CheatMerge, TheSameFileUnderAnotherSpellingIsRefused) {
    TempDir dir;
    const std::string ownPath = dir.File("emu/cheat.dat");
    WriteBytes(ownPath, "pacman:0:4E0E:03:000:Infinite Lives\r\n");
    WriteBytes(dir.File("emu/other.dat"), "dkong:0:6228:04:000:Lives\n");
    Recorder user;
    for (const std::string& chosen :
         {dir.File("EMU/CHEAT.DAT"), dir.File("emu/../emu/cheat.dat")}) {
        EXPECT_EQ(MergeCheatFile(chosen, ownPath, user, user).outcome, CheatMergeOutcome::SameFile);
    }
    EXPECT_EQ(user.messages,
              std::vector<std::string>(2, "I can't import the data from the same file!"));
    EXPECT_EQ(user.icons[0], store::MessageIcon::Exclamation);
    EXPECT_EQ(ReadBytes(ownPath), "pacman:0:4E0E:03:000:Infinite Lives\r\n");

    // Without a cheat file of its own the emulator gets one.
    const std::string fresh = dir.File("fresh/cheat.dat");
    WriteBytes(dir.File("fresh/keep"), "");
    EXPECT_EQ(MergeCheatFile(dir.File("emu/other.dat"), fresh, user, user).outcome,
              CheatMergeOutcome::Merged);
    EXPECT_EQ(ReadBytes(fresh),
              ";\r\n; Merged using Quorvex!\r\n;\r\ndkong:0:6228:04:000:Lives\r\n");
}

}  // namespace
}  // namespace quorvex::utilities
