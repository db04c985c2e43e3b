#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "info/replays.h"
#include "info/snapshots.h"
#include "platform/file_system.h"
#include "test_support.h"

namespace quorvex::info {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

store::GameRecord Game(const std::string& name) {
    return {" +:A:" + name + ":+ +:B:" + name + " game:+ \xA7", "", name + " game"};
}

using Names_ = std::vector<std::string>;

Names_ Names(const std::string& directory) {
    Names_ names;
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(directory))
        names.push_back(entry.name);
    return names;
}

class GameFiles : public ::testing::Test {
protected:
    GameFiles() {
        session.emulator = store::MakeEmulatorPaths(temp.path());
        store::CreateEmulatorSubdirectories(session.emulator);
        session.games = store::GameDatabase({Game("ab"), Game("abc")});
    }
    const store::EmulatorPaths& paths() const { return session.emulator; }

    TempDir temp;
    store::Session session;
};

TEST_F(GameFiles, ReplaysAreTheRawNameAndExactlyThreeCharacters) {
    for (const char* name : {"ab000.inp", "AB001.INP", "ab1234.inp", "ab1.inp", "abc000.inp",
                             "ab000.hi", "ab002.inp"}) {
        WriteBytes(paths().replay + name, "x");
    }
    // Sun  9 Sep 2001, at noon in every time zone within eleven hours of UTC.
    const auto noon = std::chrono::sys_seconds(std::chrono::seconds(1000036800));
    std::filesystem::last_write_time(paths().replay + "ab000.inp",
                                     std::chrono::file_clock::from_sys(noon));

    const std::vector<ReplayFile> replays = ListReplays(paths(), "ab");
    ASSERT_EQ(replays.size(), 3u);
    EXPECT_EQ(ReplayListEntry(replays[0]), "ab000.inp (Sun  9 Sep 2001)");
    EXPECT_EQ(replays[1].name, "AB001.INP");
    EXPECT_EQ(replays[2].path, paths().replay + "ab002.inp");
    EXPECT_TRUE(ListReplays(paths(), "dk").empty());
    // A replay picked from anywhere: its folder keeps the separator.
    EXPECT_EQ(FolderOf(temp.File("x.inp")), temp.path());
    EXPECT_EQ(FolderOf("x.inp"), "");
}

TEST_F(GameFiles, DeletingAReplayTakesItsCompanionsAndRenumbersTheRest) {
    for (const char* name : {"ab000.inp", "ab000.hi", "ab001.inp", "ab001.hi", "ab001.cfg",
                             "ab002.inp", "ab002.cfg", "abc000.inp"}) {
        WriteBytes(paths().replay + name, name);
    }
    EXPECT_TRUE(DeleteReplay(session, "ab game", paths().replay + "ab001.inp"));
    EXPECT_EQ(Names(paths().replay),
              (Names_{"ab000.hi", "ab000.inp", "ab001.cfg", "ab001.inp", "abc000.inp"}));
    EXPECT_EQ(ReadBytes(paths().replay + "ab001.cfg"), "ab002.cfg");

    // A replay without companions goes as well.
    EXPECT_TRUE(DeleteReplay(session, "ab game", paths().replay + "ab001.inp"));
    EXPECT_FALSE(DeleteReplay(session, "ab game", paths().replay + "ab009.inp"));
    EXPECT_EQ(Names(paths().replay), (Names_{"ab000.hi", "ab000.inp", "abc000.inp"}));
}

TEST_F(GameFiles, SnapshotsOfBothKindsShareOneSequenceAndMoreThanTwoHundredAreListed) {
    for (const char* name : {"ab002.png", "ab000.pcx", "ab001.PNG", "ab1234.pcx", "ab12.pcx",
                             "abc000.pcx", "ab003.gif", "ab004.pcx"}) {
        WriteBytes(paths().snapshot + name, "x");
    }
    const std::string& dir = paths().snapshot;
    EXPECT_EQ(ListSnapshots(paths(), "ab"),
              (Names_{dir + "ab000.pcx", dir + "ab001.PNG", dir + "ab002.png", dir + "ab004.pcx"}));
    EXPECT_EQ(ListSnapshots(paths(), "abc"), (Names_{dir + "abc000.pcx"}));

    for (int i = 5; i < 230; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "ab%03d.pcx", i);
        WriteBytes(dir + name, "x");
    }
    const Names_ many = ListSnapshots(paths(), "ab");
    ASSERT_EQ(many.size(), 229u);  // ab003.gif is no snapshot
    EXPECT_EQ(many.back(), dir + "ab229.pcx");
}

TEST(SnapshotStepping, PreviousAndNextWrapRoundAndTheSlideDelayIsInMilliseconds) {
    EXPECT_EQ(PreviousSnapshot(0, 3), 2);
    EXPECT_EQ(PreviousSnapshot(2, 3), 1);
    EXPECT_EQ(NextSnapshot(2, 3), 0);
    EXPECT_EQ(NextSnapshot(0, 3), 1);
    EXPECT_EQ(NextSnapshot(0, 1), 0);
    EXPECT_EQ(PreviousSnapshot(0, 0), 0);
    EXPECT_EQ(SlideshowDelay("3000"), 3000);
    EXPECT_EQ(SlideshowDelay(""), 1000);
    EXPECT_EQ(SlideshowDelay("0"), 1000);
    EXPECT_EQ(SlideshowDelay("-5"), 1000);
}

}  // namespace
}  // namespace quorvex::info
