// The emulator test double stands in for the emulator in every test that
// plays or lists games: its play session and lists, through the program's
// own batch runner and parsers.

#include <gtest/gtest.h>

#include "catalogue/command_runner.h"
#include "catalogue/emulator_commands.h"
#include "catalogue/emulator_output.h"
#include "fake_emulator_setup.h"
#include "platform/file_system.h"
#include "test_support.h"

namespace quorvex::catalogue {
namespace {

using quorvex::testing::InstallFakeEmulator;
using quorvex::testing::ReadBytes;
using quorvex::testing::TempDir;
using quorvex::testing::WriteBytes;

constexpr const char* kCatalogue =
    "@delay\t0\n"
    "@fps\t57.50\n"
    "ghostrn\tGhost Run\t\tM6502\tDAC,Samples\t1980\tIrem Corp.\tghostrn.1,ghostrn.2\t"
    "jump.wav,ghost.wav\n"
    "galaxyq\tGalaxy Quest\t\tM6809\tSN76496\t1983\tKonami\tgq_1.bin\n";

class FakeEmulator : public ::testing::Test {
protected:
    FakeEmulator() { InstallFakeEmulator(dir.path(), kCatalogue); }

    // Runs one batch line in the emulator directory and returns what went into out.
    std::string Run(const std::string& line, const std::string& out = kFrameRateFile) {
        WriteBatchFile("t.bat", dir.path(), line + " >" + out + "\n");
        EXPECT_TRUE(RunBatchFile("t.bat", dir.path(), false, nullptr));
        return ReadBytes(dir.File(out));
    }

    TempDir dir;
};

TEST_F(FakeEmulator, PlayLeavesSnapshotRecordingAndGameFilesAndPrintsTheFrameRate) {
    const std::string console =
        Run("mame ghostrn -ignorecfg -frameskip 2 -soundcard 0" + std::string(kRecordReplayOption));
    EXPECT_NE(console.find("FPS"), std::string::npos);
    EXPECT_EQ(console.substr(console.find(':') + 1, 7), " 57.50 ");
    EXPECT_EQ(console.find('\r'), std::string::npos);

    EXPECT_EQ(ReadBytes(dir.File("snap/ghostrn.png")).substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_TRUE(platform::IsReadableFile(dir.File("inp/x.inp")));
    EXPECT_TRUE(platform::IsReadableFile(dir.File("hi/ghostrn.hi")));
    EXPECT_TRUE(platform::IsReadableFile(dir.File("cfg/ghostrn.cfg")));

    // A second play keeps the first snapshot and leaves the game's own files as they are.
    WriteBytes(dir.File("hi/ghostrn.hi"), "my scores");
    Run("mame ghostrn -ignorecfg");
    EXPECT_TRUE(platform::IsReadableFile(dir.File("snap/ghostrn.png")));
    EXPECT_TRUE(platform::IsReadableFile(dir.File("snap/ghostrn0001.png")));
    EXPECT_EQ(ReadBytes(dir.File("hi/ghostrn.hi")), "my scores");
}

TEST_F(FakeEmulator, PlaybackNeedsTheReplayAndUnknownGamesGiveAnErrorText) {
    const std::string missing = Run("mame galaxyq -ignorecfg" + PlaybackReplayOption("galaxyq"));
    EXPECT_EQ(missing.find("FPS"), std::string::npos);
    EXPECT_FALSE(missing.empty());

    WriteBytes(dir.File("inp/galaxyq.inp"), "recorded");
    const std::string played = Run("mame galaxyq -ignorecfg" + PlaybackReplayOption("galaxyq"));
    EXPECT_NE(played.find("FPS"), std::string::npos);

    const std::string unknown = Run("mame nosuch -ignorecfg -soundcard 0");
    EXPECT_EQ(unknown.find("FPS"), std::string::npos);
    EXPECT_NE(unknown.find("nosuch"), std::string::npos);
    EXPECT_FALSE(platform::IsReadableFile(dir.File("snap/nosuch.png")));
}

// The other lists reach the parsers through every catalogue import test.
TEST_F(FakeEmulator, NeededFileListsComeOutInTheLayoutsTheParsersRead) {
    EXPECT_EQ(ParseNeededRoms(Run("mame ghostrn -listroms", kNeededFilesFile)),
              (std::vector<std::string>{"ghostrn.1", "ghostrn.2"}));
    EXPECT_EQ(ParseNeededSamples(Run("mame ghostrn -listsamples", kNeededFilesFile)),
              (std::vector<std::string>{"jump.wav", "ghost.wav"}));
    EXPECT_TRUE(ParseNeededSamples(Run("mame galaxyq -listsamples", kNeededFilesFile)).empty());
    EXPECT_TRUE(ParseNeededSamples(Run("mame nosuch -listsamples", kNeededFilesFile)).empty());
}

}  // namespace
}  // namespace quorvex::catalogue
