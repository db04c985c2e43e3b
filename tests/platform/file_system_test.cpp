#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/program_directory.h"
#include "test_support.h"

namespace quorvex::platform {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

TEST(Wildcards, MatchLikeDosIgnoringCase) {
    EXPECT_TRUE(MatchesWildcard("PACMAN.ZIP", "*.zip"));
    EXPECT_TRUE(MatchesWildcard("noextension", "*.*"));
    EXPECT_TRUE(MatchesWildcard("pacman0001.pcx", "pacman????.pcx"));
    EXPECT_FALSE(MatchesWildcard("pacman01.pcx", "pacman????.pcx"));
    EXPECT_TRUE(MatchesWildcard("a.b.c", "*.c"));
    EXPECT_FALSE(MatchesWildcard("pacman.zip.bak", "*.zip"));
    EXPECT_TRUE(MatchesWildcard("", "*"));
    EXPECT_FALSE(MatchesWildcard(std::string(60, 'a'), std::string(30, '*') + "b"));
}

TEST(Files, ListingIsSortedAndFilteredCopyOverwritesAndMoveNeverDoes) {
    testing::TempDir temp;
    for (const char* name : {"b.zip", "A.ZIP", "c.txt", "a2.zip"})
        WriteBytes(temp.File(name), name);
    ASSERT_TRUE(MakeDirectory(temp.File("sub.zip")));
    std::vector<std::string> names;
    for (const auto& entry : ListDirectory(temp.path(), "*.zip"))
        names.push_back(entry.name + (entry.isDirectory ? "/" : ""));
    EXPECT_EQ(names, (std::vector<std::string>{"A.ZIP", "a2.zip", "b.zip", "sub.zip/"}));
    EXPECT_TRUE(ListDirectory(temp.File("missing"), "*").empty());

    WriteBytes(temp.File("from"), "new");
    WriteBytes(temp.File("to"), "old");
    EXPECT_FALSE(MoveFileNoOverwrite(temp.File("from"), temp.File("to")));
    EXPECT_EQ(ReadBytes(temp.File("to")), "old");
    EXPECT_EQ(ReadBytes(temp.File("from")), "new");
    EXPECT_TRUE(CopyFileOverwriting(temp.File("from"), temp.File("to")));
    EXPECT_EQ(ReadBytes(temp.File("to")), "new");
    EXPECT_TRUE(MoveFileNoOverwrite(temp.File("from"), temp.File("moved")));
    EXPECT_FALSE(IsReadableFile(temp.File("from")));
    EXPECT_EQ(ReadBytes(temp.File("moved")), "new");

    EXPECT_FALSE(RemoveFile(temp.File("sub.zip")));
    EXPECT_TRUE(RemoveEmptyDirectory(temp.File("sub.zip")));
    EXPECT_TRUE(RemoveFile(temp.File("moved")));
}

// The copy a caller may delete the source after: the target is replaced only
// by a copy read back whole, and a failed copy leaves no trace.
TEST(Files, AVerifiedCopyReplacesTheTargetOnlyWhenItIsWhole) {
    testing::TempDir temp;
    std::string big;
    for (int i = 0; big.size() < 200'000; ++i)
        big += std::to_string(i * 7919) + ",";
    WriteBytes(temp.File("set.zip"), big);
    WriteBytes(temp.File("roms/set.zip"), "an older set");
    EXPECT_TRUE(CopyFileVerified(temp.File("set.zip"), temp.File("roms/set.zip")));
    EXPECT_EQ(ReadBytes(temp.File("roms/set.zip")), big);
    EXPECT_EQ(ListDirectory(temp.File("roms")).size(), 1u);

    WriteBytes(temp.File("roms/other.zip"), "kept");
    EXPECT_FALSE(CopyFileVerified(temp.File("gone.zip"), temp.File("roms/other.zip")));
    EXPECT_FALSE(CopyFileVerified(temp.File("roms"), temp.File("roms/other.zip")));
    EXPECT_FALSE(CopyFileVerified(temp.File("set.zip"), temp.File("missing/set.zip")));
    EXPECT_EQ(ReadBytes(temp.File("roms/other.zip")), "kept");
    EXPECT_EQ(ListDirectory(temp.File("roms")).size(), 2u);
#ifndef _WIN32
    // A target that is a link: what it points to is replaced, the link stays.
    std::filesystem::create_symlink(temp.File("roms/other.zip"), temp.File("link.zip"));
    EXPECT_TRUE(CopyFileVerified(temp.File("set.zip"), temp.File("link.zip")));
    EXPECT_TRUE(std::filesystem::is_symlink(temp.File("link.zip")));
    EXPECT_EQ(ReadBytes(temp.File("roms/other.zip")), big);
#endif
}

TEST(ProgramDirectory, PortableInstallOrTheUsersDataFolder) {
    testing::TempDir temp;
    const std::string current = temp.File("cwd");
    MakeDirectory(current);
    // An environment holding only the named variable.
    auto only = [](std::string variable, std::string value) {
        return [=](const char* name) -> std::optional<std::string> {
            return name == variable ? std::optional(value) : std::nullopt;
        };
    };
    const std::string xdg = temp.File("xdg");
#ifdef _WIN32
    EXPECT_EQ(ResolveProgramDirectory(current, only("XDG_DATA_HOME", xdg)),
              WithTrailingSeparator(current));
#else
    EXPECT_EQ(ResolveProgramDirectory(current, only("XDG_DATA_HOME", xdg)), xdg + "/quorvex/");
    EXPECT_TRUE(IsDirectory(xdg + "/quorvex/"));
    WriteBytes(current + "/quorvex.qvx", " +:MAME_DIR:/x/:+\r\n");
    EXPECT_EQ(ResolveProgramDirectory(current, only("XDG_DATA_HOME", xdg)), current + "/");
    EXPECT_EQ(ResolveProgramDirectory(temp.File("elsewhere"), only("HOME", temp.File("home"))),
              temp.File("home") + "/.local/share/quorvex/");
#endif
}

}  // namespace
}  // namespace quorvex::platform
