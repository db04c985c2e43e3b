// Whole scan runs through the real batch files and the emulator test double:
// questions, stale links, the log byte for byte, Cancel with its undo, the save.

#include "sets/scan_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scan_fixture.h"
#include "sets/links.h"

namespace quorvex::sets {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

std::vector<std::string> Lines(const store::GameDatabase& games) {
    std::vector<std::string> lines;
    for (const store::GameRecord& record : games.records())
        lines.push_back(record.line);
    return lines;
}

class RomRun : public PacManFamily {
protected:
    RomRun() { request.sourceDirectory = source; }

    ScanRunResult Run() { return RunSetScan(session, request, feedback, progress); }

    std::string SavedDatabase() const { return ReadBytes(session.files.gameDatabase); }

    ScanRequest request;
    const std::string kFullLog =
        "Quorvex Roms Scanning\r\n\r\n"
        "OK \tPac-Man --> pacman.zip\r\n"
        "OK \tPac-Man (fast) --> pacmanf.zip is 'SPLITTED'\r\n"
        "OK \tPuckman --> puckman.zip is 'MERGED'\r\n"
        "OK \tPac-Man Plus --> pacplus.zip is 'STAND ALONE'\r\n"
        "BAD \tMetal Slug --> File not found!\r\n";
};

TEST_F(RomRun, AZipWhosePathARecordCannotHoldIsNotLinkedAndTheUserIsTold) {
    request.sourceDirectory = Directory("odd:+dir");
    platform::MakeDirectory(request.sourceDirectory);
    MakeZips(request.sourceDirectory);
    feedback.answers = {false};
    const ScanRunResult result = Run();
    EXPECT_EQ(result.linksMade, 0);
    EXPECT_EQ(Field("Pac-Man", 'C'), "");
    EXPECT_EQ(ReadBytes(session.files.romScanLog).find("OK \t"), std::string::npos);
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_NE(feedback.messages[0].find(request.sourceDirectory + "pacman.zip"), std::string::npos);
    EXPECT_TRUE(feedback.questions.empty());  // nothing linked, nothing to optimise
}

TEST_F(RomRun, AMissingSourceDirectoryOrAnyNoToTheFastWarningsChangesNothing) {
    const std::vector<std::string> before = Lines(session.games);
    request.sourceDirectory = dir.File("nowhere");
    EXPECT_EQ(Run().outcome, ScanOutcome::DirectoryMissing);
    EXPECT_EQ(feedback.messages,
              std::vector<std::string>{"The specified directory doesn't exist!"});

    request.sourceDirectory = source;
    request.veryFast = true;
    feedback.answers = {true, true, false};
    EXPECT_EQ(Run().outcome, ScanOutcome::Declined);
    EXPECT_EQ(feedback.questions,
              (std::vector<std::string>{
                  "Warning!\nYou have selected very fast method!\nAlthough the roms scanning "
                  "will be really fast,\nthis scanning will not be so accurate!\nIf this is the "
                  "first time you scan the roms\nI suggest you to disable the very fast "
                  "scanning!\n\nHOWEVER KEEP IN MIND THAT IF DATAS ARE DIRTY, QVX WILL HANG NOT "
                  "IN THIS SCANNING\nBUT WHEN YOU WILL PERFORM OTHER QVX FUNCTIONS!\n\nWould "
                  "you like to use the very fast scanning right now?",
                  "ARE YOU SURE??", "REALLY? (this is the last warning!)"}));
    EXPECT_EQ(Lines(session.games), before);
    EXPECT_FALSE(platform::IsReadableFile(session.files.romScanLog));
    EXPECT_FALSE(platform::IsReadableFile(session.files.gameDatabase));
}

TEST_F(RomRun, AFinishedRunLogsEveryGameWithItsFormatAndSavesTheLinks) {
    progress.cancelAtPump = 1;
    feedback.answers = {false, false};  // go on after Cancel; no optimisation
    // No trailing separator: the run adds it.
    request.sourceDirectory = source.substr(0, source.size() - 1);
    const ScanRunResult result = Run();
    EXPECT_EQ(result.outcome, ScanOutcome::Finished);
    EXPECT_EQ(result.linksMade, 4);
    EXPECT_TRUE(result.saved);
    EXPECT_TRUE(result.refresh.gamesList && result.refresh.statusLine);
    EXPECT_EQ(result.logToOpen, session.files.romScanLog);
    EXPECT_EQ(ReadBytes(session.files.romScanLog), kFullLog);
    EXPECT_EQ(
        feedback.questions,
        (std::vector<std::string>{
            "Do you really want to stop the process?",
            platform::ToNativeSeparators("Do you want to optimize your\nmame\\roms directory?")}));
    EXPECT_NE(SavedDatabase().find("+:C:" + source + "pacmanf.zip:+"), std::string::npos);
    EXPECT_NE(SavedDatabase().find("+:W:Total:+"), std::string::npos);
    for (const char* text : {"Gathering games information ...", "Scanning ...",
                             "Scanning 'Pac-Man' ....", "Scanning 'Metal Slug' ...."})
        EXPECT_TRUE(progress.Shown(text)) << text;
}

TEST_F(RomRun, WithoutRescanAllOnlyUnlinkedGamesAndVanishedLinksAreScanned) {
    WriteBytes(dir.File("kept.zip"), "not even a zip");
    session.games.SetField(3, 'C', dir.File("kept.zip"));
    session.games.SetField(3, 'W', "Partial");
    session.games.SetField(2, 'C', dir.File("gone.zip"));
    session.games.SetField(2, 'W', "Partial");
    feedback.answers = {false};
    EXPECT_EQ(Run().linksMade, 3);
    EXPECT_EQ(Link("Pac-Man Plus"), dir.File("kept.zip") + "|Partial");
    EXPECT_EQ(Field("Puckman", 'W'), "Total");
    EXPECT_TRUE(progress.Shown("Skipping 'Pac-Man Plus' ...."));

    request.rescanAll = true;
    feedback.answers = {false};
    EXPECT_EQ(Run().linksMade, 4);
    EXPECT_EQ(Link("Pac-Man Plus"), source + "pacplus.zip|");
}

TEST_F(RomRun, CancelPutsBackEveryRecordIncludingTheLinksClearedAtTheStart) {
    for (int i = 0; i < session.games.count(); ++i)
        session.games.SetField(i, 'C', dir.File("old" + std::to_string(i) + ".zip"));
    session.games.SetField(1, 'W', "Partial");
    WriteBytes(dir.File("old0.zip"), "old");
    const std::vector<std::string> before = Lines(session.games);
    request.rescanAll = true;
    progress.cancelAtPump = 1;

    const ScanRunResult result = Run();
    EXPECT_EQ(result.outcome, ScanOutcome::Cancelled);
    EXPECT_TRUE(result.refresh.gamesList);
    EXPECT_TRUE(result.logToOpen.empty());
    EXPECT_EQ(Lines(session.games), before);
    EXPECT_EQ(Field("Pac-Man (fast)", 'C'), dir.File("old1.zip"));
    EXPECT_EQ(feedback.questions,
              std::vector<std::string>{"Do you really want to stop the process?"});
    EXPECT_EQ(feedback.messages, std::vector<std::string>{"Scansion cancelled!"});
    EXPECT_TRUE(progress.Shown("Closing operation..."));
    EXPECT_FALSE(platform::IsReadableFile(session.files.gameDatabase));
    EXPECT_EQ(ReadBytes(session.files.romScanLog),
              "Quorvex Roms Scanning\r\n\r\nOK \tPac-Man --> pacman.zip\r\n");
}

TEST_F(RomRun, TheOptimisationIsOfferedOnlyAfterAScanOfAnotherDirectoryAndALostLogStopsNoScan) {
    const std::string roms = session.emulator.roms;
    const ScanRunResult optimised = Run();  // Yes to the question
    EXPECT_TRUE(optimised.optimised);
    EXPECT_EQ(Field("Pac-Man", 'C'), roms + "pacman.zip");
    EXPECT_TRUE(platform::IsReadableFile(source + "pacman.zip"));
    EXPECT_NE(SavedDatabase().find("+:C:" + roms + "pacplus.zip:+"), std::string::npos);

    // In place, with a log that cannot be written: the scan still finishes.
    feedback.questions.clear();
    request.sourceDirectory = roms;
    request.rescanAll = true;
    session.files.romScanLog = dir.File("missing") + platform::kSeparator + "LogScansioneRoms.txt";
    const ScanRunResult inPlace = Run();
    EXPECT_EQ(inPlace.outcome, ScanOutcome::Finished);
    EXPECT_EQ(inPlace.linksMade, 4);
    EXPECT_FALSE(inPlace.optimised);
    EXPECT_TRUE(feedback.questions.empty());
    EXPECT_TRUE(inPlace.saved);
    EXPECT_FALSE(inPlace.logWritten);
    EXPECT_TRUE(inPlace.logToOpen.empty());
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(feedback.messages[0].rfind(
                  "The scanning log could not be written:\n" + session.files.romScanLog, 0),
              0u);
}

TEST_F(RomRun, TheVeryFastScanLinksByExistenceWithTheChosenAssumption) {
    request.veryFast = true;
    request.assumption = FastAssumption::Merged;
    feedback.answers = {true, true, true, false};
    const ScanRunResult result = Run();
    EXPECT_EQ(result.linksMade, 3);  // the three clones; the original's own link is not counted
    EXPECT_EQ(Link("Pac-Man Plus"), source + "pacman.zip|Total");
    EXPECT_TRUE(progress.Shown("Skipping 'Puckman' ...."));
    EXPECT_EQ(ReadBytes(session.files.romScanLog).rfind(
                  "Quorvex Roms Scanning\r\n\r\nOK \tPac-Man (fast) --> pacman.zip assumed as "
                  "'MERGED'\r\n",
                  0),
              0u);
}

TEST_F(RomRun, ASamplesRunNeverScansGamesWithoutSamples) {
    Install(
        "invaders\tSpace Invaders\t\t8080\tSamples\t1978\tTaito\tinv.1\t1.wav\n"
        "invaddlx\tSpace Invaders Deluxe\tinvaders\t8080\tSamples\t1980\tMidway\tdlx.1\t"
        "1.wav\n"
        "galaxian\tGalaxian\t\tZ80\tDAC\t1979\tNamco\tgal.1\n");
    session.games = GamesFromLines({
        "+:A:invaders:+ +:B:Space Invaders:+ +:L:Yes:+",
        "+:A:invaddlx:+ +:B:Space Invaders Deluxe:+ +:F:invaders:+ +:L:Yes:+ +:D:" +
            dir.File("gone.zip") + ":+",
        "+:A:galaxian:+ +:B:Galaxian:+",
    });
    Zip(source + "invaders.zip", {"1.wav"});
    Zip(source + "galaxian.zip", {"gal.wav"});
    request.theme = NeededFileKind::Samples;
    request.veryFast = true;  // has no meaning for samples
    feedback.answers = {false};
    const ScanRunResult result = Run();
    EXPECT_EQ(result.logToOpen, session.files.sampleScanLog);
    EXPECT_EQ(Field("Space Invaders Deluxe", 'D'), source + "invaders.zip");
    EXPECT_EQ(Field("Galaxian", 'D'), "");
    EXPECT_TRUE(progress.Shown("Skipping 'Galaxian' ...."));
    EXPECT_TRUE(progress.Shown("Skipping 'Space Invaders Deluxe' ...."));
    EXPECT_EQ(feedback.questions, std::vector<std::string>{platform::ToNativeSeparators(
                                      "Do you want to optimize your\nmame\\samples directory?")});
    EXPECT_EQ(ReadBytes(session.files.sampleScanLog),
              "Quorvex Samples Scanning\r\n\r\n"
              "OK \tSpace Invaders Deluxe --> invaders.zip will be used!\r\n"
              "OK \tSpace Invaders --> invaders.zip\r\n");
}

// Today's emulator: the same scan answered from the needed-file cache, made
// the way the catalogue import makes it, from the test double's machine list.
class TodaysRomRun : public RomRun {
protected:
    void BecomeTodaysEmulator() {
        ScanFixture::BecomeTodaysEmulator(
            std::string(kPacManGames) +
            "neogeo\tNeo-Geo\t\t68000\tYM2610\t1990\tSNK\tsp-s2.sp1\t\tbios\n"
            "mslug2\tMetal Slug 2\tneogeo\t68000\tYM2610\t1998\tSNK\t241-p1.p1\n");
    }
    // Fields C and W of every game and the log, after a fresh run.
    std::string ScanOutcome() {
        for (int i = 0; i < session.games.count(); ++i) {
            session.games.SetField(i, 'C', "");
            session.games.SetField(i, 'W', "");
        }
        feedback.answers = {false};
        Run();
        std::string outcome = ReadBytes(session.files.romScanLog);
        for (int i = 0; i < session.games.count(); ++i)
            outcome += session.games.Field(i, 'C') + "|" + session.games.Field(i, 'W') + "\n";
        return outcome;
    }
};

TEST_F(TodaysRomRun, TheCacheGivesTheSameLinksAndLogWithoutOneEmulatorRunPerGame) {
    // The test double's CRC of a ROM is that of its name's bytes; the zip
    // that holds its files under other names gets contents to match.
    testing::WriteZip(source + "pacplus.zip", {{"roms/PP.1", "pp.1"}, {"Pp.2", "pp.2"}});
    const std::string perGame = ScanOutcome();
    ASSERT_EQ(perGame.substr(0, kFullLog.size()), kFullLog);

    BecomeTodaysEmulator();
    const std::string runs = dir.File("runs.log");
    testing::ScopedEnvironment logging("QUORVEX_FAKE_MAME_LOG", runs);
    EXPECT_EQ(ScanOutcome(), perGame);
    EXPECT_FALSE(platform::IsReadableFile(runs));
}

TEST_F(TodaysRomRun, BiosRomsAreLookedForInTheBiosSetOfTheRomsDirectory) {
    session.games = GamesFromLines({"+:A:mslug2:+ +:B:Metal Slug 2:+ +:I:neogeo:+"});
    Zip(source + "mslug2.zip", {"241-p1.p1"});
    BecomeTodaysEmulator();
    EXPECT_NE(ScanOutcome().find("BAD \tMetal Slug 2"), std::string::npos);
    Zip(session.emulator.roms + "neogeo.zip", {"sp-s2.sp1"});
    EXPECT_NE(ScanOutcome().find("OK \tMetal Slug 2 --> mslug2.zip\r\n"), std::string::npos);
}

TEST_F(TodaysRomRun, AnEntryWithTheRightNameButOtherBytesIsNoMatch) {
    testing::WriteZip(source + "pacplus.zip", {{"pp.1", "another dump"}, {"pp.2", "pp.2"}});
    BecomeTodaysEmulator();
    const std::string outcome = ScanOutcome();
    EXPECT_NE(outcome.find("BAD \tPac-Man Plus --> File not found!\r\n"), std::string::npos);
    EXPECT_EQ(Field("Pac-Man Plus", 'C'), "");
    EXPECT_EQ(Field("Pac-Man", 'C'), source + "pacman.zip");

    // Chosen by hand, the zip is refused the same way.
    const auto cache =
        catalogue::TodaysNeededFileCache(session.files.directory, session.emulator.directory);
    ASSERT_TRUE(cache);
    SelectSetFile(session.games, session.emulator, "Pac-Man Plus", source + "pacplus.zip",
                  NeededFileKind::Roms, &*cache, feedback);
    EXPECT_EQ(Field("Pac-Man Plus", 'C'), "");
}

}  // namespace
}  // namespace quorvex::sets
