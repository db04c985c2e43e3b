#include <gtest/gtest.h>

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

TEST(Directories, ListSortedByNameAndFilteredByPattern) {
    testing::TempDir temp;
    for (const char* name : {"b.zip", "A.ZIP", "c.txt", "a2.zip"}) {
        WriteBytes(temp.File(name), name);
    }
    ASSERT_TRUE(MakeDirectory(temp.File("sub.zip")));
    std::vector<std::string> names;
    for (const auto& entry : ListDirectory(temp.path(), "*.zip")) {
        names.push_back(entry.name + (entry.isDirectory ? "/" : ""));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"A.ZIP", "a2.zip", "b.zip", "sub.zip/"}));
    EXPECT_TRUE(ListDirectory(temp.File("missing"), "*").empty());
}

TEST(Files, CopyOverwritesAndMoveNeverDoes) {
    testing::TempDir temp;
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

    ASSERT_TRUE(MakeDirectory(temp.File("dir")));
    EXPECT_FALSE(RemoveFile(temp.File("dir")));
    EXPECT_TRUE(RemoveEmptyDirectory(temp.File("dir")));
    EXPECT_TRUE(RemoveFile(temp.File("moved")));
}

TEST(ProgramDirectory, PortableInstallOrTheUsersDataFolder) {
    testing::TempDir temp;
    const std::string current = temp.File("cwd");
    MakeDirectory(current);
    const std::string xdg = temp.File("xdg");
    auto environment = [&](const char* name) -> std::optional<std::string> {
        if (std::string(name) == "XDG_DATA_HOME") {
            return xdg;
        }
        return std::nullopt;
    };
#ifdef _WIN32
    EXPECT_EQ(ResolveProgramDirectory(current, environment), WithTrailingSeparator(current));
#else
    EXPECT_EQ(ResolveProgramDirectory(current, environment), xdg + "/quorvex/");
    EXPECT_TRUE(IsDirectory(xdg + "/quorvex/"));
    WriteBytes(current + "/quorvex.qvx", " +:MAME_DIR:/x/:+\r\n");
    EXPECT_EQ(ResolveProgramDirectory(current, environment), current + "/");

    auto homeOnly = [&](const char* name) -> std::optional<std::string> {
        if (std::string(name) == "HOME") {
            return temp.File("home");
        }
        return std::nullopt;
    };
    EXPECT_EQ(ResolveProgramDirectory(temp.File("elsewhere"), homeOnly),
              temp.File("home") + "/.local/share/quorvex/");
#endif
}

}  // namespace
}  // namespace quorvex::platform
