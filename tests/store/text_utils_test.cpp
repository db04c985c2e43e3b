#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "store/text_utils.h"
#include "test_support.h"

namespace quorvex::store {
namespace {

TEST(TextUtils, TrimsBlanksOnly) {
    std::string text = "  \tname \t  ";
    TrimBlanks(text);
    EXPECT_EQ(text, "\tname \t");
    std::string blanks = "    ";
    TrimBlanks(blanks);
    EXPECT_EQ(blanks, "");
}

TEST(TextUtils, FindsTextByOneBasedPosition) {
    EXPECT_EQ(FindText("cd", "abcdcd"), 3u);
    EXPECT_EQ(FindText("CD", "abcd"), 0u);
    EXPECT_EQ(FindTextNoCase("CD", "abcd"), 3u);
    EXPECT_EQ(FindTextNoCase("Samples", "ym2151 SAMPLES"), 8u);
}

TEST(TextUtils, ReplacesCharactersAndPatterns) {
    std::string cut = "name.zip";
    ReplaceChar('.', '\0', cut);
    EXPECT_EQ(cut, "name");

    // Removing pairs of blanks looks again at the same place: even runs vanish, odd runs leave one.
    std::string sound = "Samples    DAC   AY8910";
    ReplaceAll("  ", "", sound, 1500);
    EXPECT_EQ(sound, "SamplesDAC AY8910");

    // The scan goes on behind an inserted text, so it never feeds on itself.
    std::string grow = "a-b-c";
    ReplaceAll("-", "--", grow, 1500);
    EXPECT_EQ(grow, "a--b--c");

    std::string limited = "x-x-x";
    ReplaceAll("-", "+++", limited, 7);
    EXPECT_EQ(limited, "x+++x-x");

    std::string unchanged = "ab";
    ReplaceAll("", "z", unchanged, 1500);
    ReplaceAll("abc", "z", unchanged, 1500);
    EXPECT_EQ(unchanged, "ab");
}

TEST(TextUtils, FileNamePartIsTheTextAfterTheLastSeparator) {
    EXPECT_EQ(FileNamePart("c:\\mame\\roms\\pacman.zip"), "pacman.zip");
    EXPECT_EQ(FileNamePart("/home/me/roms/pacman.zip"), "pacman.zip");
    EXPECT_EQ(FileNamePart("pacman.zip"), "pacman.zip");
    EXPECT_EQ(FileNamePart("roms/"), "");
}

TEST(TextUtils, FormatsDatesWithTheirOwnWeekday) {
    EXPECT_EQ(FormatDate(5, 12, 2026), "Sat  5 Dec 2026");
    EXPECT_EQ(FormatDate(29, 2, 2000), "Tue 29 Feb 2000");
    EXPECT_EQ(FormatDate(1, 1, 1980), "Tue  1 Jan 1980");
    EXPECT_EQ(FormatDate(31, 12, 1999), "Fri 31 Dec 1999");
    EXPECT_EQ(CurrentDate().size(), 15u);
}

TEST(TextUtils, RemovesADirectoryWithItsFiles) {
    testing::TempDir temp;
    const std::string dir = temp.File("TMPQVX");
    testing::WriteBytes(dir + "/a.zip", "a");
    testing::WriteBytes(dir + "/b.txt", "b");
    ASSERT_TRUE(DirectoryExists(dir));
    EXPECT_EQ(FileSize(dir + "/a.zip"), 1u);
    RemoveDirectoryWithFiles(dir);
    EXPECT_FALSE(DirectoryExists(dir));
    EXPECT_EQ(FileSize(dir + "/a.zip"), 0u);
}

}  // namespace
}  // namespace quorvex::store
