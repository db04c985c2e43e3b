// The per-game decisions of the accurate and fast scans, against the emulator
// test double's file lists and real zips, and an original's link given to its clones.

#include "sets/scan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scan_fixture.h"

namespace quorvex::sets {
namespace {

using RomScan = PacManFamily;

TEST_F(RomScan, ClonesFindTheirOriginalsZipInTheSourceIgnoringCaseWithoutLinkingIt) {
    std::filesystem::rename(source + "pacman.zip", source + "PACMAN.ZIP");
    std::filesystem::rename(source + "pacmanf.zip", source + "Pacmanf.zip");
    EXPECT_EQ(Scan("Pac-Man (fast)", source), 1);
    EXPECT_EQ(Link("Pac-Man (fast)"), source + "Pacmanf.zip|Partial");
    EXPECT_EQ(Scan("Puckman", source), 1);
    EXPECT_EQ(Link("Puckman"), source + "PACMAN.ZIP|Total");
    EXPECT_EQ(Field("Pac-Man", 'C'), "");
    EXPECT_EQ(Fast("Pac-Man", FastAssumption::StandAlone), 1);
    EXPECT_EQ(Field("Pac-Man", 'C'), source + "PACMAN.ZIP");
}

TEST_F(RomScan, UnpackableEntriesAVanishedOriginalAndAMissingNeoGeoBiosFailTheSet) {
    testing::WriteZip(source + "pacplus.zip",
                      {{"pp.1", "1", false, true}, {"pp.2", "2", false, true}});
    testing::SetEntryMethod(source + "pacplus.zip", "pp.2", 9);
    EXPECT_EQ(Scan("Pac-Man Plus", source), 0);

    // The original's vanished link is cleared and its clones fail.
    session.games.SetField(0, 'C', dir.File("gone.zip"));
    session.games.SetField(0, 'W', "Partial");
    EXPECT_EQ(Scan("Puckman", source), 0);
    EXPECT_EQ(Link("Pac-Man"), "|");
    session.games.SetField(0, 'C', dir.File("gone.zip"));
    EXPECT_EQ(Scan("Pac-Man (fast)", source), 0);
    EXPECT_EQ(Field("Pac-Man (fast)", 'C'), "");
    EXPECT_EQ(Field("Pac-Man", 'C'), "");

    // The Neo-Geo BIOS files are excused only when the BIOS zip is there.
    Zip(source + "mslug.zip", {"201-p1.bin"});
    EXPECT_EQ(Scan("Metal Slug", source), 0);
    Zip(session.emulator.roms + "neogeo.zip", {"sp-s2.sp1"});
    EXPECT_EQ(Scan("Metal Slug", source), 1);
    EXPECT_EQ(Field("Metal Slug", 'C'), source + "mslug.zip");
}

TEST_F(RomScan, AChosenFileIsJudgedWithoutTheZipsBesideItAndWritesNoLog) {
    // Without a linked original nothing beside the chosen file is looked at,
    // not even the original's zip next to it.
    EXPECT_EQ(Scan("Pac-Man (fast)", source + "pacmanf.zip"), 0);
    Zip(dir.File("my set.zip"), {"PM.6E", "pm.6f", "pm.6h"});
    EXPECT_EQ(Scan("Pac-Man", dir.File("my set.zip")), 1);
    EXPECT_EQ(Field("Pac-Man", 'C'), dir.File("my set.zip"));
    EXPECT_EQ(Scan("Pac-Man", dir.File("missing.zip")), 0);
    EXPECT_EQ(log, "");
}

TEST_F(RomScan, AClonesListingTogetherWithItsOriginalsMayExceed250Names) {
    std::string originalRoms, cloneRoms;
    std::vector<std::string> originalZip, cloneZip;
    for (int i = 1; i <= 150; ++i) {
        originalZip.push_back("o" + std::to_string(i));
        cloneZip.push_back("c" + std::to_string(i));
        originalRoms += (i > 1 ? "," : "") + originalZip.back();
        cloneRoms += cloneZip.back() + ",";
    }
    Install("big\tBig\t\tZ80\tDAC\t1990\tAcme\t" + originalRoms +
            "\nbigc\tBig Clone\tbig\tZ80\tDAC\t1990\tAcme\t" + cloneRoms + originalRoms + "\n");
    session.games = GamesFromLines({"+:A:big:+ +:B:Big:+", "+:A:bigc:+ +:B:Big Clone:+ +:F:big:+"});
    Zip(source + "big.zip", originalZip);
    Zip(source + "bigc.zip", cloneZip);
    EXPECT_EQ(Scan("Big Clone", source), 1);
    EXPECT_EQ(Field("Big Clone", 'W'), "Partial");
}

TEST_F(ScanFixture, AnOriginalsSamplesGoToEveryCloneThatNeedsSamples) {
    Install(
        "invaders\tSpace Invaders\t\t8080\tSamples\t1978\tTaito\tinv.1\t1.wav,2.wav,3.wav\n"
        "invaddlx\tSpace Invaders Deluxe\tinvaders\t8080\tSamples\t1980\tMidway\tdlx.1\t"
        "1.wav,2.wav\n"
        "invrvnge\tInvader's Revenge\tinvaders\t8080\tDAC\t1980\tZenitec\trv.1\n"
        "invadpt2\tSpace Invaders Part II\tinvaders\t8080\tSamples\t1980\tTaito\tpt2.1\t1.wav\n");
    session.games = GamesFromLines({
        "+:A:invaders:+ +:B:Space Invaders:+ +:L:Yes:+",
        "+:A:invaddlx:+ +:B:Space Invaders Deluxe:+ +:F:invaders:+ +:L:Yes:+",
        "+:A:invrvnge:+ +:B:Invader's Revenge:+ +:F:invaders:+",
        "+:A:invadpt2:+ +:B:Space Invaders Part II:+ +:F:invaders:+ +:L:Yes:+",
    });
    // One needed sample of three is enough.
    Zip(source + "invaders.zip", {"2.wav"});
    const std::string zip = source + "invaders.zip";
    auto clearLinks = [&] {
        for (int game = 0; game < session.games.count(); ++game)
            session.games.SetField(game, 'D', "");
        log.clear();
    };
    EXPECT_EQ(Scan("Space Invaders", source, NeededFileKind::Samples), 3);
    for (const char* game : {"Space Invaders", "Space Invaders Deluxe", "Space Invaders Part II"})
        EXPECT_EQ(Field(game, 'D'), zip) << game;
    EXPECT_EQ(Field("Invader's Revenge", 'D'), "");
    EXPECT_EQ(log,
              "OK \tSpace Invaders Deluxe --> invaders.zip will be used!\r\n"
              "OK \tSpace Invaders Part II --> invaders.zip will be used!\r\n"
              "OK \tSpace Invaders --> invaders.zip\r\n");

    // A clone's scan links its original first.
    clearLinks();
    EXPECT_GE(Scan("Space Invaders Deluxe", source, NeededFileKind::Samples), 1);
    EXPECT_EQ(Field("Space Invaders Part II", 'D'), zip);
    EXPECT_EQ(log,
              "OK \tSpace Invaders --> invaders.zip\r\n"
              "OK \tSpace Invaders Deluxe --> invaders.zip will be used!\r\n"
              "OK \tSpace Invaders Part II --> invaders.zip will be used!\r\n");

    Zip(source + "invaddlx.zip", {"nothing.wav"});
    clearLinks();
    platform::RemoveFile(zip);
    EXPECT_EQ(Scan("Space Invaders Deluxe", source, NeededFileKind::Samples), 0);
    EXPECT_EQ(log, "BAD \tSpace Invaders Deluxe --> File not found!\r\n");
}

using FastScan = PacManFamily;

TEST_F(FastScan, SplittedAndStandAloneTrustTheClonesOwnZip) {
    EXPECT_EQ(Fast("Pac-Man (fast)", FastAssumption::Splitted), 1);
    EXPECT_EQ(Field("Pac-Man (fast)", 'W'), "Partial");
    EXPECT_EQ(Fast("Pac-Man Plus", FastAssumption::StandAlone), 1);
    EXPECT_EQ(Link("Pac-Man Plus"), source + "pacplus.zip|");
    EXPECT_EQ(Fast("Puckman", FastAssumption::Splitted), 0);
    EXPECT_EQ(Fast("Pac-Man", FastAssumption::StandAlone), 1);
    EXPECT_EQ(log,
              "OK \tPac-Man (fast) --> pacmanf.zip assumed as 'SPLITTED'\r\n"
              "OK \tPac-Man Plus --> pacplus.zip assumed as 'STAND ALONE'\r\n"
              "BAD \tPuckman --> File not found!\r\n"
              "OK \tPac-Man --> pacman.zip\r\n");
}

TEST_F(FastScan, MergedLinksTheWholeFamilyToTheOriginalsZip) {
    // A clone before its original is linked waits for the original.
    EXPECT_EQ(Fast("Puckman", FastAssumption::Merged), 0);
    EXPECT_EQ(log, "");
    session.games.SetField(3, 'C', source + "pacplus.zip");

    EXPECT_EQ(Fast("Pac-Man", FastAssumption::Merged), 3);  // the clones linked
    for (const char* clone : {"Pac-Man (fast)", "Puckman", "Pac-Man Plus"})
        EXPECT_EQ(Link(clone), source + "pacman.zip|Total") << clone;
    EXPECT_EQ(Field("Pac-Man", 'W'), "");
    // Only the clones that had no link are logged.
    EXPECT_EQ(log,
              "OK \tPac-Man (fast) --> pacman.zip assumed as 'MERGED'\r\n"
              "OK \tPuckman --> pacman.zip assumed as 'MERGED'\r\n"
              "OK \tPac-Man --> pacman.zip\r\n");

    log.clear();
    session.games.SetField(2, 'C', "");
    EXPECT_EQ(Fast("Puckman", FastAssumption::Merged), 3);
    EXPECT_EQ(Field("Puckman", 'C'), source + "pacman.zip");
    EXPECT_EQ(log, "OK \tPuckman --> pacman.zip assumed as 'MERGED'\r\n");

    // A family of more than a hundred games is linked whole.
    std::vector<std::string> lines = {"+:A:big:+ +:B:Big:+"};
    for (int i = 0; i < 120; ++i)
        lines.push_back("+:A:big" + std::to_string(i) + ":+ +:B:Big " + std::to_string(i) +
                        ":+ +:F:big:+");
    session.games = GamesFromLines(lines);
    Zip(source + "big.zip", {"b.1"});
    EXPECT_EQ(Fast("Big", FastAssumption::Merged), 120);
    EXPECT_EQ(Link("Big 119"), source + "big.zip|Total");
}

}  // namespace
}  // namespace quorvex::sets
