#include "play/after_play.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "play_test_support.h"
#include "test_support.h"

namespace quorvex::play {
namespace {

using testing::Game;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// Every file in a directory with its content: "a.pcx:new a, b.pcx:new b".
std::string Contents(const std::string& directory) {
    std::string text;
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(directory)) {
        text += (text.empty() ? "" : ", ") + entry.name + ":" + ReadBytes(directory + entry.name);
    }
    return text;
}

class AfterPlay : public ::testing::Test {
protected:
    AfterPlay() {
        session.emulator = store::MakeEmulatorPaths(temp.path());
        store::CreateEmulatorSubdirectories(session.emulator);
        session.games =
            store::GameDatabase({Game("pac", ""), Game("pacman", ""), Game("pacabc", "")});
    }
    const store::EmulatorPaths& paths() const { return session.emulator; }

    TempDir temp;
    store::Session session;
};

TEST(FrameRate, TheLineWithFpsGivesTheTextBehindItsColon) {
    TempDir temp;
    const struct {
        const char* output;
        bool error;
        const char* text;
    } cases[] = {
        {"MAME v0.37\nAverage FPS: 59.94 (60 max) \nbye\n", false, "59.94 (60 max)"},
        {"loading\r\naverage fps:  57.5\r\n", false, "57.5"},
        {"FPS without colon\n", false, ""},
        // "tested with" ends the search: a later FPS line is part of an error output.
        {"  Game not found\r\nTested with version 0.37\r\nFPS: 1\r\n", true,
         "Game not found\nTested with version 0.37\nFPS: 1\n"},
        {"Unknown game: x\n", true, "Unknown game: x\n"},
        {"   \n\n", false, ""},
    };
    std::string text = "left over";
    for (const auto& c : cases) {
        WriteBytes(temp.File("fps.QVX"), c.output);
        EXPECT_EQ(ReadFrameRate(temp.File("fps.QVX"), text), c.error) << c.output;
        EXPECT_EQ(text, c.text) << c.output;
    }
    text = "left over";
    EXPECT_FALSE(ReadFrameRate(temp.File("missing.QVX"), text));
    EXPECT_EQ(text, "");
}

TEST(PlayStatistics, PlaysAddUpAndAnEmptyFrameRateKeepsTheOldOne) {
    store::GameDatabase games({Game("pac", "")});
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

TEST_F(AfterPlay, SnapshotsAreFiledAfterTheGamesOwnWithoutGapsAndNoneForAnUnknownGame) {
    for (const char* name :
         {"pac000.pcx", "pac001.pcx", "pac005.pcx", "pacman000.pcx", "pacabc.pcx", "pac.pcx"}) {
        WriteBytes(paths().snapshot + name, name);
    }
    WriteBytes(paths().pcx + "b.pcx", "new b");
    WriteBytes(paths().pcx + "a.pcx", "new a");
    WriteBytes(paths().inp + "x.inp", "x");
    // An unknown game files nothing; descriptions are matched with their letter case.
    EXPECT_EQ(FileSnapshots(session, "Pac game"), 0);
    EXPECT_EQ(FileReplays(session, "nobody"), 0);
    EXPECT_EQ(Contents(paths().pcx) + " / " + Contents(paths().inp),
              "a.pcx:new a, b.pcx:new b / x.inp:x");
    EXPECT_EQ(Contents(paths().snapshot),
              "pac.pcx:pac.pcx, pac000.pcx:pac000.pcx, pac001.pcx:pac001.pcx, "
              "pac005.pcx:pac005.pcx, pacabc.pcx:pacabc.pcx, pacman000.pcx:pacman000.pcx");

    // Every name of the game's length is numbered, digits or not ("pacabc").
    EXPECT_EQ(FileSnapshots(session, "pac game"), 2);
    EXPECT_EQ(Contents(paths().snapshot),
              "pac.pcx:pac.pcx, pac000.pcx:pac000.pcx, pac001.pcx:pac001.pcx, "
              "pac002.pcx:pac005.pcx, pac003.pcx:pacabc.pcx, pac004.pcx:new a, pac005.pcx:new b, "
              "pacman000.pcx:pacman000.pcx");
    EXPECT_EQ(Contents(paths().pcx), "");

    // After a deletion the numbers close up again.
    platform::RemoveFile(paths().snapshot + "pac001.pcx");
    EXPECT_EQ(RenumberSnapshots(session, "pac game"), 5);
    EXPECT_EQ(Contents(paths().snapshot),
              "pac.pcx:pac.pcx, pac000.pcx:pac000.pcx, pac001.pcx:pac005.pcx, "
              "pac002.pcx:pacabc.pcx, pac003.pcx:new a, pac004.pcx:new b, "
              "pacman000.pcx:pacman000.pcx");
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
    EXPECT_EQ(Contents(paths().replay),
              "pac000.hi:first hi, pac000.inp:first, pac001.cfg:second cfg, pac001.inp:second, "
              "pac002.cfg:config now, pac002.hi:scores now, pac002.inp:recorded, "
              "pacman001.inp:other game");
    EXPECT_EQ(Contents(paths().hi) + " / " + Contents(paths().inp), "pac.hi:scores now / ");

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
    EXPECT_EQ(Contents(paths().inp) + " / " + Contents(paths().hi) + " / " + Contents(paths().cfg),
              " / pac.hi:my scores / pac.cfg:my config");

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
    EXPECT_EQ(Contents(paths().snap),
              "broken.png:not converted, old.png:its pcx is older than the "
              "play, pacman.pcx:pcx");
}

}  // namespace
}  // namespace quorvex::play
