// The emulator test double stands in for the emulator in every test that
// plays or lists games, so its play session and list layouts are checked here
// through the same batch runner and parsers the program uses.

#include <gtest/gtest.h>

#include <set>

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

TEST_F(FakeEmulator, ListsComeOutInTheLayoutsTheParsersRead) {
    const auto games = ParseSupportedGames(Run("mame -listfull", kSupportedGamesFile));
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[1].name, "galaxyq");
    EXPECT_EQ(games[1].description, "Galaxy Quest");

    const auto details = ParseDetails(Run("mame -listdetails", kDetailsFile));
    ASSERT_EQ(details.size(), 2u);
    EXPECT_EQ(details[0].cpus[0], "M6502");
    EXPECT_EQ(details[0].sounds[1], "Samples");

    const auto companies = ParseCompanies(Run("mame -listgames", kCompaniesFile));
    ASSERT_EQ(companies.size(), 2u);
    EXPECT_EQ(companies[0].manufacturer, "Irem Corp.");
    EXPECT_EQ(companies[0].description, "Ghost Run");

    EXPECT_EQ(ParseVersion(Run("mame -help", kVersionFile)), "v0.37b16");
    EXPECT_TRUE(ParseClones(Run("mame -listclones", kClonesFile)).empty());

    EXPECT_EQ(ParseNeededRoms(Run("mame ghostrn -listroms", kNeededFilesFile)),
              (std::vector<std::string>{"ghostrn.1", "ghostrn.2"}));
    EXPECT_EQ(ParseNeededSamples(Run("mame ghostrn -listsamples", kNeededFilesFile)),
              (std::vector<std::string>{"jump.wav", "ghost.wav"}));
    EXPECT_TRUE(ParseNeededSamples(Run("mame galaxyq -listsamples", kNeededFilesFile)).empty());
    EXPECT_TRUE(ParseNeededSamples(Run("mame nosuch -listsamples", kNeededFilesFile)).empty());
}

TEST_F(FakeEmulator, GeneratedCatalogueHasUniqueShortNamesAndRealFamilies) {
    Run("mame --generate-catalogue 5000 3", "catalogue.txt");
    const auto games = ParseSupportedGames(Run("mame -listfull", kSupportedGamesFile));
    ASSERT_EQ(games.size(), 5000u);
    std::set<std::string> names;
    for (const SupportedGame& game : games) {
        EXPECT_LE(game.name.size(), 8u) << game.name;
        EXPECT_TRUE(names.insert(game.name).second) << game.name;
    }
    EXPECT_EQ(names.count("neogeo"), 1u);

    const auto clones = ParseClones(Run("mame -listclones", kClonesFile));
    int neoGeo = 0;
    for (const CloneEntry& clone : clones) {
        EXPECT_EQ(names.count(clone.parent), 1u) << clone.clone << " of " << clone.parent;
        neoGeo += clone.parent == "neogeo";
    }
    EXPECT_GT(neoGeo, 0);
    EXPECT_GT(clones.size(), 1000u);

    const std::string again = ReadBytes(dir.File("catalogue.txt"));
    Run("mame --generate-catalogue 5000 3", "catalogue.txt");
    EXPECT_EQ(ReadBytes(dir.File("catalogue.txt")), again);
}

}  // namespace
}  // namespace quorvex::catalogue
