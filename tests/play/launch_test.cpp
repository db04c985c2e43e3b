#include "play/launch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/emulator_generation.h"
#include "catalogue/needed_file_cache.h"
#include "fake_emulator_setup.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "record_fields.h"
#include "scripted_feedback.h"
#include "store/default_files.h"
#include "store/text_utils.h"
#include "test_support.h"
#include "zip_builder.h"

namespace quorvex::play {
namespace {

using testing::ReadBytes;
using testing::ScopedEnvironment;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteZip;

std::string Native(const std::string& dosText) {
    return platform::ToNativeSeparators(dosText);
}

// The names in a directory, in order, separated by blanks.
std::string Names(const std::string& directory) {
    std::string names;
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(directory)) {
        names += (names.empty() ? "" : " ") + entry.name;
    }
    return names;
}

// What a launch came to and did, in one line.
std::string Summary(const LaunchResult& result) {
    const char* outcomes[] = {"no game", "no zip", "played"};
    return outcomes[static_cast<int>(result.outcome)] +
           std::string(result.playEnabled ? ", play enabled" : "") +
           (result.emulatorError ? ", error" : "") + ", " + std::to_string(result.snapshotsFiled) +
           " snapshots, " + std::to_string(result.replaysFiled) + " replays";
}

TEST(LaunchBatch, EveryLineIsWrittenInItsOrderForEitherEmulator) {
    LaunchBatchInput input;
    input.emulatorDirectory = Native("\\emu\\");
    input.romDirectory = Native("\\emu\\pacman");
    input.unpacked = true;
    input.univbePath = Native("\\dos\\univbe.exe");
    input.executable = "mame036";
    input.rawName = "pacman";
    input.options = EmulatorOptions("-noscanlines ");
    input.replayPart = ReplayPart({false, true, ""}, "pacman");
    input.programDirectory = Native("\\prog\\");
    input.converterCommandLine = "nconvert -s14 -C2 *.*";
    EXPECT_EQ(LaunchBatchText(input),
              Native("@attrib \\emu\\pacman\\*.* -r -a -h -s\n"
                     "@\\dos\\univbe.exe\n"
                     "@echo Loading games....\n"
                     "@echo If you see this message for more than 20 seconds\n"
                     "@echo press Enter key to continue!\n"
                     "@mame036 pacman -ignorecfg -noscanlines  -soundcard 0 -record x >fps.QVX \n"
                     "@\\dos\\univbe.exe /u \n"
                     "cd \\emu\\snap\\\n"
                     "\\prog\\nconvert -s14 -C2 *.*\n"
                     "move *.pcx \\emu\\pcx\\\n"
                     "cd \\emu\\\n"));

    input.unpacked = false;
    input.univbePath.clear();
    input.executable = "mame";
    input.rawName = "galaxyq";
    input.options = EmulatorOptions("");
    input.replayPart = ReplayPart({false, false, ""}, "galaxyq");
    EXPECT_EQ(LaunchBatchText(input),
              Native("@echo Loading games....\n"
                     "@echo If you see this message for more than 20 seconds\n"
                     "@echo press Enter key to continue!\n"
                     "@mame galaxyq -ignorecfg  -soundcard 0 >fps.QVX \n"
                     "cd \\emu\\snap\\\n"
                     "\\prog\\nconvert -s14 -C2 *.*\n"
                     "move *.pcx \\emu\\pcx\\\n"
                     "cd \\emu\\\n"));

    // Today's emulator gets its own line and keeps its PNG snapshots.
    input.rawName = "pong";
    input.options = "-noscanlines ";
    input.replayPart = ReplayPart({false, true, ""}, "pong", true);
    input.todaysEmulator = true;
    input.todaysDirectories = {Native("\\emu\\roms"), Native("\\emu\\samples")};
    EXPECT_EQ(LaunchBatchText(input),
              Native("@echo Loading games....\n"
                     "@echo If you see this message for more than 20 seconds\n"
                     "@echo press Enter key to continue!\n"
                     "@mame pong -noscanlines  -rompath \"\\emu\\roms\" -samplepath "
                     "\"\\emu\\samples\" -snapshot_directory snap -snapname \"%g%i\" "
                     "-input_directory inp -cfg_directory cfg -record x.inp >fps.QVX 2>&1 \n"
                     "cd \\emu\\snap\\\n"
                     "move *.png \\emu\\pcx\\\n"
                     "cd \\emu\\\n"));
    EXPECT_EQ(ReplayPart({false, true, "x.inp"}, "pong", true), " -playback pong.inp");
    // The older emulator's playback names the game alone; a sound card of the user's own stays.
    EXPECT_EQ(ReplayPart({false, true, "/r/pac000.inp"}, "pac"), " -playback pac");
    EXPECT_EQ(EmulatorOptions("-SoundCard 2 "), "-SoundCard 2 ");
}

constexpr const char* kCatalogue =
    "@delay\t0\n"
    "@fps\t57.50\n"
    "galaxyq\tGalaxy Quest\t\tM6809\tSN76496\t1983\tKonami\tgq_1.bin\n"
    "starblst\tStar Blaster\t\tZ80\tAY8910\t1981\tNakamura\tsb.2a,sb.5e\n"
    "starblsj\tStar Blaster (Japan)\tstarblst\tZ80\tAY8910\t1981\tNakamura\tsbj.1a,sb.2a\n";

class Launch : public ::testing::Test {
protected:
    Launch() {
        const std::string emulator = temp.File("emu") + platform::kSeparator;
        const std::string program = temp.File("prog") + platform::kSeparator;
        platform::MakeDirectory(emulator);
        platform::MakeDirectory(program);
        platform::MakeDirectory(elsewhere);
        session.emulator = store::MakeEmulatorPaths(emulator);
        store::CreateEmulatorSubdirectories(session.emulator);
        session.files = store::MakeProgramFiles(program);
        store::CreateDefaultSettings(session.files.settings);
        session.settings = store::LoadSettingDefinitions(session.files.settings);
        session.state.lastConvCommandLine = store::kDefaultConverterCommandLine;
        testing::InstallFakeEmulator(emulator, kCatalogue);
#ifdef QUORVEX_PICTURE_CONVERTER
        std::error_code error;
        std::filesystem::copy_file(QUORVEX_PICTURE_CONVERTER,
                                   program + platform::ExecutableFileName("nconvert"), error);
        converterInstalled = !error;
#endif
        WriteZip(paths().roms + "galaxyq.zip", {{"gq_1.bin", "gq"}});
        WriteZip(elsewhere + "starblsj.zip", {{"sbj.1a", "from the zip"}});
        WriteZip(elsewhere + "starblst.zip", {{"sb.2a", "2a"}, {"sb.5e", "5e"}});
        WriteZip(elsewhere + "samples.zip", {{"boom.wav", "boom"}});
        session.games = store::GameDatabase(
            {Game("galaxyq", "Galaxy Quest", " +:C:" + paths().roms + "galaxyq.zip:+"),
             Game("starblst", "Star Blaster", " +:C:" + elsewhere + "starblst.zip:+"),
             Game("starblsj", "Star Blaster (Japan)",
                  " +:C:" + elsewhere + "starblsj.zip:+ +:D:" + elsewhere +
                      "samples.zip:+ +:F:starblst:+ +:W:Partial:+")});
    }

    static store::GameRecord Game(const std::string& name, const std::string& description,
                                  const std::string& fields) {
        return {" +:A:" + name + ":+ +:B:" + description + ":+" + fields + "\xA7", "", description};
    }
    const store::EmulatorPaths& paths() const {
        return session.emulator;
    }
    int IndexOf(const std::string& description) const {
        return *store::FindGameByDescription(session.games, description);
    }
    // "K:57.50 T:1" for codes "KT" of the game.
    std::string Fields(const std::string& description, const char* codes) const {
        return testing::FieldsOf(session.games[IndexOf(description)].line, codes);
    }
    void SetFieldOf(const std::string& description, char code, const std::string& value) {
        session.games.SetField(IndexOf(description), code, value);
    }
    std::vector<std::string> Zips(const std::string& description) const {
        return ZipsToUnpack(session.games, IndexOf(description), paths());
    }
    // The test double's arguments of every run so far, one line each.
    std::string Runs() const {
        return ReadBytes(m_log);
    }

    LaunchResult Play(const std::string& description, PlayChoices& choices) {
        session.state.lastGameSelection = description;
        return LaunchGame(session, choices, feedback, nullptr);
    }

    // An older executable that reports, as its frame rate, what the temporary
    // ROM directory held while it ran.
    void InstallDirectoryLister(const std::string& name) {
        const std::string path = paths().oldmame + name;
        WriteBytes(path, "#!/bin/sh\necho \"Average FPS: $(ls \"$1\" | tr '\\n' ' ')\"\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }

    // Nothing of the launch is left in the emulator directory.
    void ExpectCleanedUp() {
        EXPECT_EQ(Names(paths().directory),
                  "catalogue.txt cfg hi inp mame oldmame pcx replay roms samples snap snapshot");
        EXPECT_EQ(Names(paths().inp), "");
    }

    TempDir temp;
    std::string elsewhere = temp.File("zips") + platform::kSeparator;
    store::Session session;
    testing::ScriptedFeedback feedback{false};
    bool converterInstalled = false;

private:
    std::string m_log = temp.File("mame.log");
    ScopedEnvironment m_logging{"QUORVEX_FAKE_MAME_LOG", m_log};
};

TEST_F(Launch, OnlyRomsTheEmulatorCannotReadInPlaceAreUnpacked) {
    EXPECT_TRUE(Zips("Galaxy Quest").empty());
    EXPECT_EQ(Zips("Star Blaster (Japan)"),
              (std::vector<std::string>{elsewhere + "starblsj.zip", elsewhere + "starblst.zip",
                                        elsewhere + "samples.zip"}));
    SetFieldOf("Galaxy Quest", 'Z', "mame036");
    EXPECT_EQ(Zips("Galaxy Quest"), std::vector<std::string>{paths().roms + "galaxyq.zip"});
    // A Z of "mame" in any case is the current emulator.
    SetFieldOf("Galaxy Quest", 'Z', "MaMe");
    EXPECT_TRUE(Zips("Galaxy Quest").empty());
    SetFieldOf("Galaxy Quest", 'Z', "");
    SetFieldOf("Galaxy Quest", 'C', paths().roms + "more" + platform::kSeparator + "g.zip");
    EXPECT_TRUE(Zips("Galaxy Quest").empty());
    // A partial set whose parent is not in the database brings its own files only.
    SetFieldOf("Star Blaster (Japan)", 'F', "nosuch");
    EXPECT_EQ(Zips("Star Blaster (Japan)"),
              (std::vector<std::string>{elsewhere + "starblsj.zip", elsewhere + "samples.zip"}));
    SetFieldOf("Star Blaster (Japan)", 'F', "starblst");
    SetFieldOf("Star Blaster (Japan)", 'W', "Total");
    EXPECT_EQ(Zips("Star Blaster (Japan)").size(), 2u);
}

TEST_F(Launch, AGameInTheRomsDirectoryPlaysAndIsFiled) {
    PlayChoices choices;
    const LaunchResult result = Play("Galaxy Quest", choices);

    EXPECT_EQ(Summary(result), converterInstalled ? "played, play enabled, 1 snapshots, 0 replays"
                                                  : "played, play enabled, 0 snapshots, 0 replays");
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_EQ(Runs(), "galaxyq -ignorecfg -soundcard 0\n");
    EXPECT_EQ(Fields("Galaxy Quest", "KTHG"),
              "K:57.50 (1 frames) T:1 H:" + std::to_string(result.seconds) +
                  " G:" + store::CurrentDate());
    ExpectCleanedUp();
    if (converterInstalled) {
        EXPECT_EQ(ReadBytes(paths().snapshot + "galaxyq000.pcx").substr(0, 1), "\x0A");
        EXPECT_TRUE(platform::ListDirectory(paths().snap).empty());
    } else {
        // Without a converter the picture stays where the emulator put it.
        EXPECT_TRUE(platform::IsReadableFile(paths().snap + "galaxyq.png"));
    }

    // A missing univbe is unchecked and the game still plays.
    session.state.lastUnivbeDir = temp.File("univbe.exe");
    choices.useUnivbe = true;
    EXPECT_EQ(Play("Galaxy Quest", choices).outcome, LaunchOutcome::Played);
    EXPECT_FALSE(choices.useUnivbe);
}

TEST_F(Launch, AVanishedRomZipWarnsAndUnlinksTheGame) {
    const std::string zip = paths().roms + "galaxyq.zip";
    platform::RemoveFile(zip);
    SetFieldOf("Galaxy Quest", 'W', "Total");
    PlayChoices choices{false, true, paths().replay + "galaxyq000.inp"};
    const LaunchResult result = Play("Galaxy Quest", choices);

    EXPECT_EQ(Summary(result), "no zip, 0 snapshots, 0 replays");
    EXPECT_EQ(
        feedback.messages,
        std::vector<std::string>{"Warning!\nYou SURELY have done something to the file:\n" + zip +
                                 "\nbecause now it doesn't exists no more!\nSo you are not "
                                 "able to play this game!"});
    EXPECT_EQ(Fields("Galaxy Quest", "CWT"), "C: W: T:");
    EXPECT_EQ(Names(paths().snap), "");
    ExpectCleanedUp();
}

TEST_F(Launch, TheEmulatorsErrorOutputIsShownWhenItPrintsNoFrameRate) {
    WriteZip(paths().roms + "nosuch.zip", {{"n.bin", "n"}});
    session.games.MutableRecords().push_back(
        Game("nosuch", "No Such Game", " +:C:" + paths().roms + "nosuch.zip:+ +:K:60.00:+"));
    PlayChoices choices;
    const LaunchResult result = Play("No Such Game", choices);

    EXPECT_EQ(Summary(result), "played, play enabled, error, 0 snapshots, 0 replays");
    EXPECT_EQ(feedback.messages, std::vector<std::string>{"Unknown game: nosuch\n"});
    EXPECT_EQ(Fields("No Such Game", "KT"), "K:60.00 T:1");
    ExpectCleanedUp();

    // A current game that is not in the database plays nothing.
    EXPECT_EQ(Play("Vanished", choices).outcome, LaunchOutcome::NoCurrentGame);
}

TEST_F(Launch, ARecordedReplayIsFiledAndItsPlaybackRestoresTheGamesFiles) {
    PlayChoices choices{false, true, ""};
    EXPECT_EQ(Play("Galaxy Quest", choices).replaysFiled, 1);
    const std::string replay = paths().replay + "galaxyq000.inp";
    EXPECT_EQ(ReadBytes(replay).substr(0, 15), "QVXINP galaxyq\n");

    // How the companions are filed and put back is the after-play tests' part.
    WriteBytes(paths().hi + "galaxyq.hi", "my scores");
    choices.replayToPlay = replay;
    const LaunchResult played = Play("Galaxy Quest", choices);

    EXPECT_EQ(Runs(),
              "galaxyq -ignorecfg -soundcard 0 -record x\n"
              "galaxyq -ignorecfg -soundcard 0 -playback galaxyq\n");
    EXPECT_FALSE(played.emulatorError);
    EXPECT_EQ(played.replaysFiled, 0);
    EXPECT_TRUE(choices.replayToPlay.empty());
    EXPECT_EQ(ReadBytes(paths().hi + "galaxyq.hi"), "my scores");
    EXPECT_EQ(Names(paths().replay), "galaxyq000.cfg galaxyq000.hi galaxyq000.inp");
    ExpectCleanedUp();
}

TEST(PlayingTime, IsTheDifferenceOfTwoWholeSecondReadings) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start{std::chrono::milliseconds(10'600)};
    EXPECT_EQ(PlayingSeconds(start, Clock::time_point{std::chrono::milliseconds(70'500)}), 60);
    EXPECT_EQ(PlayingSeconds(start, Clock::time_point{std::chrono::milliseconds(10'900)}), 0);
}

#ifndef _WIN32
TEST_F(Launch, AnOlderExecutablePlaysTheUnpackedSetsAndLeavesAUsersOwnDirectory) {
    InstallDirectoryLister("mame036");
    SetFieldOf("Star Blaster (Japan)", 'Z', "mame036");
    PlayChoices choices;
    const LaunchResult result = Play("Star Blaster (Japan)", choices);

    EXPECT_FALSE(result.emulatorError) << result.emulatorOutput;
    EXPECT_EQ(Fields("Star Blaster (Japan)", "K"), "K:boom.wav sb.2a sb.5e sbj.1a");
    EXPECT_FALSE(platform::IsReadableFile(paths().directory + "mame036"));
    EXPECT_TRUE(platform::IsReadableFile(paths().oldmame + "mame036"));
    ExpectCleanedUp();

    // A directory of the game's name that the user made keeps its files.
    SetFieldOf("Star Blaster (Japan)", 'F', "notindatabase");
    const std::string own = paths().directory + "starblsj" + platform::kSeparator;
    WriteBytes(own + "notes.txt", "notes");
    WriteBytes(own + "sbj.1a", "my own version");
    Play("Star Blaster (Japan)", choices);

    EXPECT_EQ(Fields("Star Blaster (Japan)", "K"), "K:boom.wav notes.txt sbj.1a");
    EXPECT_EQ(Names(own), "notes.txt sbj.1a");
    EXPECT_EQ(ReadBytes(own + "sbj.1a"), "my own version");
    EXPECT_EQ(platform::ListDirectory(paths().directory, "QVX*").size(), 0u);
}

TEST_F(Launch, AnOldmameCopyNamedLikeTheEmulatorNeitherRunsNorReplacesIt) {
    InstallDirectoryLister("mame");
    SetFieldOf("Galaxy Quest", 'Z', "MaMe");
    const std::string emulator = ReadBytes(paths().executable);
    PlayChoices choices;
    Play("Galaxy Quest", choices);

    EXPECT_EQ(Fields("Galaxy Quest", "K"), "K:57.50 (1 frames)");
    EXPECT_EQ(ReadBytes(paths().executable), emulator);
    EXPECT_TRUE(platform::IsExecutableFile(paths().executable));
    ExpectCleanedUp();
}
#endif

// Today's emulator, recognised as the catalogue import leaves it: a
// needed-file cache made by this very executable.
class TodaysLaunch : public Launch {
protected:
    TodaysLaunch() {
        testing::InstallFakeEmulator(
            paths().directory, std::string("@generation\ttoday\n@version\tv0.251\n") + kCatalogue +
                                   "pong\tPong (Rev E)\t\t\t\t1972\tAtari\n");
        SaveCache();
        session.games = store::GameDatabase(
            {Game("galaxyq", "Galaxy Quest", " +:C:" + paths().roms + "galaxyq.zip:+"),
             Game("starblsj", "Star Blaster (Japan)",
                  " +:C:" + elsewhere + "starblsj.zip:+ +:F:starblst:+ +:W:Partial:+"),
             Game("starblst", "Star Blaster", " +:C:" + elsewhere + "starblst.zip:+"),
             Game("pong", "Pong (Rev E)", "")});
    }
    // Pong alone needs no ROM; the cache is stamped with the emulator in place.
    void SaveCache() {
        catalogue::NeededFileCacheWriter cache;
        for (const char* name : {"galaxyq", "starblst", "starblsj", "pong"}) {
            catalogue::Machine machine;
            machine.name = name;
            if (machine.name != "pong") {
                machine.roms.push_back({"rom", "1", "00000000", ""});
            }
            cache.Add(machine);
        }
        cache.Save(catalogue::NeededFileCachePath(session.files.directory), "v0.251",
                   catalogue::EmulatorStamp(paths().directory));
    }
};

TEST_F(TodaysLaunch, AGameWithoutRomsPlaysAndItsPngSnapshotAndReplayAreFiled) {
    WriteBytes(paths().snapshot + "pong000.pcx", "older picture");
    PlayChoices choices{false, true, ""};
    const LaunchResult result = Play("Pong (Rev E)", choices);

    // One numbering for both kinds of picture; the PNG stays a PNG.
    EXPECT_EQ(Summary(result), "played, play enabled, 1 snapshots, 1 replays");
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_EQ(Fields("Pong (Rev E)", "KT"), "K:57.50% (0 seconds) T:1");
    EXPECT_EQ(Runs(), "pong -rompath " + paths().directory + "roms -samplepath " +
                          paths().directory +
                          "samples -snapshot_directory snap -snapname %g%i "
                          "-input_directory inp -cfg_directory cfg -record x.inp\n");
    EXPECT_EQ(ReadBytes(paths().snapshot + "pong001.png").substr(1, 3), "PNG");
    EXPECT_EQ(ReadBytes(paths().snapshot + "pong000.pcx"), "older picture");
    EXPECT_EQ(ReadBytes(paths().replay + "pong000.inp"), "QVXINP pong\n");
    ExpectCleanedUp();
}

TEST_F(TodaysLaunch, UnpackedRomsAreFoundAndTheEmulatorsErrorsAreShown) {
    PlayChoices choices;
    EXPECT_FALSE(Play("Star Blaster (Japan)", choices).emulatorError);
    EXPECT_EQ(Fields("Star Blaster (Japan)", "K"), "K:57.50% (0 seconds)");
    ExpectCleanedUp();

    // A game that needs ROMs still needs its zip.
    SetFieldOf("Galaxy Quest", 'C', paths().roms + "gone.zip");
    EXPECT_EQ(Play("Galaxy Quest", choices).outcome, LaunchOutcome::RomZipMissing);

    // Its errors arrive on standard error and are shown, K unchanged.
    const std::string zip = paths().roms + "sub" + platform::kSeparator + "galaxyq.zip";
    platform::RemoveFile(paths().roms + "galaxyq.zip");
    WriteZip(zip, {{"gq_1.bin", "gq"}});
    SetFieldOf("Galaxy Quest", 'C', zip);
    const LaunchResult failed = Play("Galaxy Quest", choices);
    EXPECT_TRUE(failed.emulatorError);
    EXPECT_NE(failed.emulatorOutput.find("NOT FOUND"), std::string::npos);
    EXPECT_EQ(Fields("Galaxy Quest", "K"), "K:");
}

// The emulator a user installs today, where it is installed: pong needs no
// ROM, so it plays from an empty roms directory, headless through a
// mame.ini in the home directory of the test.
TEST_F(TodaysLaunch, PongPlaysInTheInstalledEmulatorAndItsFilesAreFiled) {
    const std::string installed = testing::InstalledEmulator();
    if (installed.empty()) {
        GTEST_SKIP() << "the emulator (Debian package mame) is not installed";
    }
    platform::RemoveFile(paths().executable);
    std::filesystem::create_symlink(installed, paths().executable);
    SaveCache();
    WriteBytes(temp.File("home/.mame/mame.ini"), "video none\nsound none\nseconds_to_run 2\n");
    ScopedEnvironment home("HOME", temp.File("home"));

    PlayChoices choices{false, true, ""};
    const LaunchResult result = Play("Pong (Rev E)", choices);

    EXPECT_EQ(Summary(result), "played, play enabled, 1 snapshots, 1 replays")
        << result.emulatorOutput;
    EXPECT_NE(Fields("Pong (Rev E)", "K").find("% ("), std::string::npos);
    EXPECT_EQ(Fields("Pong (Rev E)", "T"), "T:1");
    EXPECT_EQ(ReadBytes(paths().snapshot + "pong000.png").substr(1, 3), "PNG");
    EXPECT_TRUE(platform::IsReadableFile(paths().replay + "pong000.inp"));
    EXPECT_TRUE(platform::IsReadableFile(paths().replay + "pong000.cfg"));
    ExpectCleanedUp();
}

}  // namespace
}  // namespace quorvex::play
