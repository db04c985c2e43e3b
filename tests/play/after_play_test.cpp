#include "play/after_play.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "store/text_utils.h"
#include "test_support.h"

namespace quorvex::play {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

store::GameRecord Game(const std::string& name, const std::string& fields = "") {
    return {" +:A:" + name + ":+ +:B:" + name + " game:+" + fields + "\xA7", "", name + " game"};
}

std::vector<std::string> Names(const std::string& directory) {
    std::vector<std::string> names;
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(directory)) {
        names.push_back(entry.name);
    }
    return names;
}

using Names_ = std::vector<std::string>;

class AfterPlay : public ::testing::Test {
protected:
    AfterPlay() {
        session.emulator = store::MakeEmulatorPaths(temp.path());
        store::CreateEmulatorSubdirectories(session.emulator);
        session.games = store::GameDatabase({Game("pac"), Game("pacman"), Game("pacabc")});
    }
    const store::EmulatorPaths& paths() const { return session.emulator; }

    TempDir temp;
    store::Session session;
};

TEST(FrameRate, TheLineWithFpsGivesTheTextBehindItsColon) {
    TempDir temp;
    const std::string file = temp.File("fps.QVX");
    std::string text;

    WriteBytes(file, "MAME v0.37\nAverage FPS: 59.94 (60 max) \nbye\n");
    EXPECT_FALSE(ReadFrameRate(file, text));
    EXPECT_EQ(text, "59.94 (60 max)");

    WriteBytes(file, "loading\r\naverage fps:  57.5\r\n");
    EXPECT_FALSE(ReadFrameRate(file, text));
    EXPECT_EQ(text, "57.5");

    WriteBytes(file, "FPS without colon\n");
    EXPECT_FALSE(ReadFrameRate(file, text));
    EXPECT_EQ(text, "");

    // "tested with" ends the search: a later FPS line is part of an error output.
    WriteBytes(file, "  Game not found\r\nTested with version 0.37\r\nFPS: 1\r\n");
    EXPECT_TRUE(ReadFrameRate(file, text));
    EXPECT_EQ(text, "Game not found\nTested with version 0.37\nFPS: 1\n");

    WriteBytes(file, "Unknown game: x\n");
    EXPECT_TRUE(ReadFrameRate(file, text));
    EXPECT_EQ(text, "Unknown game: x\n");

    WriteBytes(file, "   \n\n");
    EXPECT_FALSE(ReadFrameRate(file, text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(ReadFrameRate(temp.File("missing.QVX"), text));
    EXPECT_EQ(text, "");
}

TEST(PlayStatistics, PlaysAddUpAndAnEmptyFrameRateKeepsTheOldOne) {
    store::GameDatabase games({Game("pac")});
    AddPlayStatistics(games, 0, 300, "59.94", "Sat  5 Dec 2026");
    AddPlayStatistics(games, 0, 420, "", "Sun  6 Dec 2026");
    EXPECT_EQ(games.Field(0, 'H'), "720");
    EXPECT_EQ(games.Field(0, 'T'), "2");
    EXPECT_EQ(games.Field(0, 'K'), "59.94");
    EXPECT_EQ(games.Field(0, 'G'), "Sun  6 Dec 2026");
    EXPECT_EQ(FileNumber(0), "000");
    EXPECT_EQ(FileNumber(42), "042");
    EXPECT_EQ(FileNumber(1234), "1234");
}

TEST_F(AfterPlay, SnapshotsAreFiledAfterTheGamesOwnWithoutGaps) {
    for (const char* name :
         {"pac000.pcx", "pac001.pcx", "pac005.pcx", "pacman000.pcx", "pacabc.pcx", "pac.pcx"}) {
        WriteBytes(paths().snapshot + name, name);
    }
    WriteBytes(paths().pcx + "b.pcx", "new b");
    WriteBytes(paths().pcx + "a.pcx", "new a");

    // Every name of the game's length is numbered, digits or not ("pacabc").
    EXPECT_EQ(FileSnapshots(session, "pac game"), 2);
    EXPECT_EQ(Names(paths().snapshot),
              (Names_{"pac.pcx", "pac000.pcx", "pac001.pcx", "pac002.pcx", "pac003.pcx",
                      "pac004.pcx", "pac005.pcx", "pacman000.pcx"}));
    EXPECT_EQ(ReadBytes(paths().snapshot + "pac002.pcx"), "pac005.pcx");
    EXPECT_EQ(ReadBytes(paths().snapshot + "pac003.pcx"), "pacabc.pcx");
    EXPECT_EQ(ReadBytes(paths().snapshot + "pac004.pcx"), "new a");
    EXPECT_EQ(ReadBytes(paths().snapshot + "pac005.pcx"), "new b");
    EXPECT_TRUE(Names(paths().pcx).empty());

    // After a deletion the numbers close up again.
    platform::RemoveFile(paths().snapshot + "pac001.pcx");
    EXPECT_EQ(RenumberSnapshots(session, "pac game"), 5);
    EXPECT_EQ(ReadBytes(paths().snapshot + "pac001.pcx"), "pac005.pcx");
    EXPECT_EQ(ReadBytes(paths().snapshot + "pac004.pcx"), "new b");
    EXPECT_EQ(ReadBytes(paths().snapshot + "pacman000.pcx"), "pacman000.pcx");
}

TEST_F(AfterPlay, AnUnknownGameFilesNothing) {
    WriteBytes(paths().pcx + "a.pcx", "a");
    WriteBytes(paths().inp + "x.inp", "x");
    WriteBytes(paths().snapshot + "pac007.pcx", "old");
    EXPECT_EQ(FileSnapshots(session, "Pac game"), 0);
    EXPECT_EQ(FileReplays(session, "nobody"), 0);
    EXPECT_EQ(Names(paths().pcx), Names_{"a.pcx"});
    EXPECT_EQ(Names(paths().inp), Names_{"x.inp"});
    EXPECT_EQ(Names(paths().snapshot), Names_{"pac007.pcx"});
}

TEST_F(AfterPlay, ReplaysAreFiledWithTheGamesHighScoresAndConfiguration) {
    WriteBytes(paths().replay + "pac000.inp", "first");
    WriteBytes(paths().replay + "pac000.hi", "first hi");
    WriteBytes(paths().replay + "pac003.inp", "second");
    WriteBytes(paths().replay + "pac003.cfg", "second cfg");
    WriteBytes(paths().replay + "pacman001.inp", "other game");
    WriteBytes(paths().inp + "x.inp", "recorded");
    WriteBytes(paths().hi + "pac.hi", "scores now");
    WriteBytes(paths().cfg + "pac.cfg", "config now");

    EXPECT_EQ(FileReplays(session, "pac game"), 1);
    EXPECT_EQ(Names(paths().replay),
              (Names_{"pac000.hi", "pac000.inp", "pac001.cfg", "pac001.inp", "pac002.cfg",
                      "pac002.hi", "pac002.inp", "pacman001.inp"}));
    EXPECT_EQ(ReadBytes(paths().replay + "pac001.inp"), "second");
    EXPECT_EQ(ReadBytes(paths().replay + "pac001.cfg"), "second cfg");
    EXPECT_EQ(ReadBytes(paths().replay + "pac002.inp"), "recorded");
    EXPECT_EQ(ReadBytes(paths().replay + "pac002.hi"), "scores now");
    EXPECT_EQ(ReadBytes(paths().replay + "pac002.cfg"), "config now");
    EXPECT_EQ(ReadBytes(paths().hi + "pac.hi"), "scores now");
    EXPECT_TRUE(Names(paths().inp).empty());

    // A first replay without any game files is filed as 000 alone.
    WriteBytes(paths().inp + "x.inp", "pacman's");
    EXPECT_EQ(FileReplays(session, "pacabc game"), 1);
    EXPECT_EQ(ReadBytes(paths().replay + "pacabc000.inp"), "pacman's");
    EXPECT_FALSE(platform::IsReadableFile(paths().replay + "pacabc000.hi"));
}

TEST_F(AfterPlay, RestoringAPlaybackPutsTheGamesOwnFilesBack) {
    WriteBytes(paths().inp + "pac.inp", "copy of the replay");
    WriteBytes(paths().hi + "pac.hi", "replay's scores");
    WriteBytes(paths().hi + "pac.old", "my scores");
    WriteBytes(paths().cfg + "pac.old", "my config");
    RestoreAfterPlayback(paths(), "pac", paths().replay + "pac000.inp");
    EXPECT_EQ(Names(paths().inp), Names_{});
    EXPECT_EQ(Names(paths().hi), Names_{"pac.hi"});
    EXPECT_EQ(ReadBytes(paths().hi + "pac.hi"), "my scores");
    EXPECT_EQ(ReadBytes(paths().cfg + "pac.cfg"), "my config");

    // A replay played from the inp directory under the game's own name is the user's file.
    WriteBytes(paths().inp + "pac.inp", "mine");
    RestoreAfterPlayback(paths(), "pac", paths().inp + "pac.inp");
    EXPECT_EQ(ReadBytes(paths().inp + "pac.inp"), "mine");
}

TEST_F(AfterPlay, OnlyConvertedSnapshotsLoseTheirPng) {
    WriteBytes(paths().snap + "pac.png", "converted, moved");
    WriteBytes(paths().snap + "pacman.png", "converted, stayed");
    WriteBytes(paths().snap + "pacman.pcx", "pcx");
    WriteBytes(paths().snap + "broken.png", "not converted");
    WriteBytes(paths().snap + "old.png", "its pcx is older than the play");
    WriteBytes(paths().pcx + "old.pcx", "older");
    const std::vector<std::string> before = PcxFileNames(paths());
    WriteBytes(paths().pcx + "pac.pcx", "pcx");

    EXPECT_EQ(RemoveConvertedSnapshots(paths(), before), 2);
    EXPECT_EQ(Names(paths().snap), (Names_{"broken.png", "old.png", "pacman.pcx"}));
}

}  // namespace
}  // namespace quorvex::play
