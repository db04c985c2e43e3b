// The batch runner, and the emulator test double that stands in for the
// emulator in every test that plays or lists games, run through it.

#include <gtest/gtest.h>

#include <atomic>

#include "catalogue/command_runner.h"
#include "catalogue/emulator_commands.h"
#include "fake_emulator_setup.h"
#include "platform/file_system.h"
#include "test_support.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace quorvex::catalogue {
namespace {

using quorvex::testing::InstallFakeEmulator;
using quorvex::testing::ReadBytes;
using quorvex::testing::TempDir;
using quorvex::testing::WriteBytes;

// Counts what the runner asks of the windows; the first repaint lets a
// waiting batch go on, so a batch that only ends after a repaint proves the
// windows were painted while it ran.
class RecordingPump : public MessagePump {
public:
    explicit RecordingPump(std::string releaseFile = {}) : m_releaseFile(std::move(releaseFile)) {}
    void Pump(int) override { ++pumps; }
    void RepaintOnly() override {
        if (repaints++ == 0 && !m_releaseFile.empty()) {
            WriteBytes(m_releaseFile, "go");
        }
    }
    void DiscardInput() override {
        // Only the input of a batch that has ended is dropped.
        discardedAfterEnd = !m_releaseFile.empty() && platform::IsReadableFile(m_outputFile) &&
                            !ReadBytes(m_outputFile).empty();
        ++discards;
    }
    void WatchOutput(std::string file) { m_outputFile = std::move(file); }
    std::atomic<int> pumps{0};
    std::atomic<int> repaints{0};
    int discards = 0;
    bool discardedAfterEnd = false;

private:
    std::string m_releaseFile;
    std::string m_outputFile;
};

TEST(BatchFile, IsStoredWithCrLfAndNotRunWhenDirectoryOrBatchIsMissing) {
    TempDir temp;
    WriteBytes(temp.File("gamessup.bat"), "an older and much longer batch text\r\n\r\n\r\n");
    WriteBatchFile("gamessup.bat", temp.path(), "mame -listfull >games_supported.qvx\n");
    EXPECT_EQ(ReadBytes(temp.File("gamessup.bat")), "mame -listfull >games_supported.qvx\r\n");

    WriteBatchFile("QVXzip.bat", temp.path(), "attrib x\n\r\nzip  a.zip b c \r\nlast");
    EXPECT_EQ(ReadBytes(temp.File("QVXzip.bat")), "attrib x\r\n\r\nzip  a.zip b c \r\nlast");

    // Nothing runs where the directory or the batch is missing.
    RecordingPump pump;
    WriteBatchFile("fileneed.bat", temp.path(), "echo x >x.txt\n");
    EXPECT_FALSE(RunBatchFile("fileneed.bat", temp.File("absent/"), false, nullptr));
    EXPECT_FALSE(RunBatchFile("fileneed.bat", temp.File("absent/"), false, &pump));
    EXPECT_FALSE(RunBatchFile("other.bat", temp.path(), false, &pump));
    EXPECT_FALSE(platform::IsReadableFile(temp.File("x.txt")));
}

#ifndef _WIN32

TEST(RunBatchFile, WithoutPumpOutputsAreCompleteOnReturn) {
    TempDir temp;
    WriteBatchFile("QVXLaunch.bat", temp.path(),
                   "@echo Loading games....\n@echo first >fps.QVX \n@echo second>>fps.QVX\n");
    EXPECT_TRUE(RunBatchFile("QVXLaunch.bat", temp.path(), true, nullptr));
    EXPECT_EQ(ReadBytes(temp.File("fps.QVX")), "first\nsecond\n");
    EXPECT_TRUE(platform::IsReadableFile(temp.File("QVXLaunch.bat")));

    // The runner handed to the rest of the program writes the batch, then runs it.
    RecordingPump pump;
    BatchFileRunner runner(&pump);
    EXPECT_TRUE(runner.WriteAndRun(temp.path(), "QVXLaunch.bat", "@echo done >out.txt\n"));
    EXPECT_EQ(ReadBytes(temp.File("QVXLaunch.bat")), "@echo done >out.txt\r\n");
    EXPECT_EQ(ReadBytes(temp.File("out.txt")), "done\n");
    EXPECT_FALSE(runner.WriteAndRun(temp.File("gone/"), "QVXLaunch.bat", "@echo x\n"));
}

TEST(RunBatchFile, RepaintsWithoutInputWhileTheBatchRunsAndDropsItsInputAfterwards) {
    TempDir temp;
    // Waits for the pump's first repaint, with a bound so a fault cannot hang the suite.
    WriteBytes(temp.File("waiter"),
               "#!/bin/sh\n"
               "i=0\n"
               "while [ ! -f go ] && [ $i -lt 3000 ]; do sleep 0.01; i=$((i+1)); done\n"
               "if [ -f go ]; then echo released; else echo never repainted; fi\n");
    ::chmod(temp.File("waiter").c_str(), 0755);
    RecordingPump pump(temp.File("go"));
    pump.WatchOutput(temp.File("files_needed.qvx"));
    WriteBatchFile("fileneed.bat", temp.path(), "waiter >files_needed.qvx\n");

    EXPECT_TRUE(RunBatchFile("fileneed.bat", temp.path(), false, &pump));

    EXPECT_EQ(ReadBytes(temp.File("files_needed.qvx")), "released\n");
    EXPECT_EQ(pump.pumps, 0);
    EXPECT_EQ(pump.discards, 1);
    EXPECT_TRUE(pump.discardedAfterEnd);
}
#endif

constexpr const char* kCatalogue =
    "@delay\t0\n"
    "ghostrn\tGhost Run\t\tM6502\tDAC\t1980\tIrem Corp.\n"
    "galaxyq\tGalaxy Quest\t\tM6809\tSN76496\t1983\tKonami\n";

class FakeEmulator : public ::testing::Test {
protected:
    FakeEmulator() { InstallFakeEmulator(dir.path(), kCatalogue); }

    // Runs one batch line in the emulator directory and returns its console output.
    std::string Run(const std::string& line) {
        WriteBatchFile("t.bat", dir.path(), line + " >" + kFrameRateFile + "\n");
        EXPECT_TRUE(RunBatchFile("t.bat", dir.path(), false, nullptr));
        return ReadBytes(dir.File(kFrameRateFile));
    }

    TempDir dir;
};

// The frame rate, the recorded files, a playback and an unknown game's error
// text reach the launch tests; what those never see is checked here.
TEST_F(FakeEmulator, NumbersFurtherSnapshotsKeepsTheGamesFilesAndNeedsTheReplayToPlayBack) {
    EXPECT_EQ(Run("mame ghostrn -ignorecfg -soundcard 0" + std::string(kRecordReplayOption))
                  .find('\r'),
              std::string::npos);
    // A second play keeps the first snapshot and leaves the game's own files as they are.
    WriteBytes(dir.File("hi/ghostrn.hi"), "my scores");
    Run("mame ghostrn -ignorecfg");
    for (const char* file : {"snap/ghostrn.png", "snap/ghostrn0001.png"}) {
        EXPECT_TRUE(platform::IsReadableFile(dir.File(file))) << file;
    }
    EXPECT_EQ(ReadBytes(dir.File("hi/ghostrn.hi")), "my scores");

    // Playback needs the replay; an unknown game leaves no snapshot.
    const std::string missing = Run("mame galaxyq -ignorecfg" + PlaybackReplayOption("galaxyq"));
    EXPECT_EQ(missing.find("FPS"), std::string::npos);
    EXPECT_FALSE(missing.empty());
    Run("mame nosuch -ignorecfg -soundcard 0");
    EXPECT_FALSE(platform::IsReadableFile(dir.File("snap/nosuch.png")));
}

}  // namespace
}  // namespace quorvex::catalogue
