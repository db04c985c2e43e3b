// Gathering the linked zips into the emulator's directories, in copy and move
// mode, and putting unused files aside in "notneed", never losing a set.

#include "sets/optimise.h"

#include <gtest/gtest.h>

#include <string>

#include "scan_fixture.h"

namespace quorvex::sets {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class Optimise : public ScanFixture {
protected:
    Optimise() {
        Install("");
        roms = session.emulator.roms;
        for (const char* name : {"pacman", "pacmanf", "pacplus"})
            WriteBytes(source + name + ".zip", std::string("set of ") + name);
        WriteBytes(roms + "galaga.zip", "set of galaga");
        session.games = GamesFromLines({
            "+:A:pacman:+ +:B:Pac-Man:+ +:C:" + source + "pacman.zip:+",
            "+:A:pacmanf:+ +:B:Pac-Man (fast):+ +:F:pacman:+ +:C:" + source +
                "pacmanf.zip:+ +:W:Partial:+",
            "+:A:puckman:+ +:B:Puckman:+ +:F:pacman:+ +:C:" + source + "pacman.zip:+ +:W:total:+",
            "+:A:pacplus:+ +:B:Pac-Man Plus:+ +:F:pacman:+ +:C:" + source + "pacplus.zip:+",
            // Another spelling of the very file it would be copied to.
            "+:A:galaga:+ +:B:Galaga:+ +:C:" + roms + "." + platform::kSeparator + "galaga.zip:+",
        });
    }

    int Copy(CopyMode mode) {
        return CopyIntoEmulatorDirectory(session.games, session.emulator, NeededFileKind::Roms,
                                         mode, progress);
    }

    std::string roms;
};

TEST_F(Optimise, CopyModeLinksEverySetToItsCopyAndKeepsTheSources) {
    EXPECT_EQ(Copy(CopyMode::Copy), 4);
    EXPECT_EQ(Field("Pac-Man", 'C'), roms + "pacman.zip");
    EXPECT_EQ(Link("Pac-Man (fast)"), roms + "pacmanf.zip|Partial");
    EXPECT_EQ(Field("Puckman", 'C'), roms + "pacman.zip");
    EXPECT_EQ(Field("Pac-Man Plus", 'C'), roms + "pacplus.zip");
    EXPECT_EQ(Field("Galaga", 'C'), roms + "galaga.zip");
    EXPECT_EQ(ReadBytes(roms + "pacman.zip"), "set of pacman");
    EXPECT_EQ(ReadBytes(source + "pacman.zip"), "set of pacman");
    EXPECT_FALSE(platform::IsReadableFile(roms + "puckman.zip"));
    EXPECT_EQ(progress.texts, std::vector<std::string>{platform::ToNativeSeparators(
                                  "Copying files to mame\\roms directory...")});
}

TEST_F(Optimise,
       ACopyNeverOverwritesAZipAnotherGameIsLinkedToAndASharedZipGoesOnlyWhenBothHaveCopies) {
    // Puckman was linked by hand to the file Pac-Man's copy would replace.
    WriteBytes(roms + "pacman.zip", "set of puckman");
    session.games.SetField(2, 'C', roms + "pacman.zip");
    session.games.SetField(2, 'W', "");
    // Pac-Man Plus shares Pac-Man's zip.
    session.games.SetField(3, 'C', source + "pacman.zip");
    Copy(CopyMode::Move);
    EXPECT_EQ(ReadBytes(roms + "pacman.zip"), "set of pacman");
    EXPECT_EQ(Field("Pac-Man", 'C'), roms + "pacman.zip");
    EXPECT_EQ(ReadBytes(roms + "puckman.zip"), "set of puckman");
    EXPECT_EQ(Field("Puckman", 'C'), roms + "puckman.zip");
    EXPECT_EQ(ReadBytes(roms + "pacplus.zip"), "set of pacman");
    EXPECT_FALSE(platform::IsReadableFile(source + "pacman.zip"));
}

TEST_F(Optimise, MoveModeDeletesASourceOnlyWhenItsCopyIsSomewhereElse) {
    // The copy of this set cannot be made: something else has its name.
    platform::MakeDirectory(roms + "pacplus.zip");
    Copy(CopyMode::Move);
    EXPECT_FALSE(platform::IsReadableFile(source + "pacman.zip"));
    EXPECT_FALSE(platform::IsReadableFile(source + "pacmanf.zip"));
    EXPECT_EQ(ReadBytes(roms + "pacmanf.zip"), "set of pacmanf");
    EXPECT_EQ(ReadBytes(source + "pacplus.zip"), "set of pacplus");
    EXPECT_EQ(Field("Pac-Man Plus", 'C'), source + "pacplus.zip");
    EXPECT_EQ(ReadBytes(roms + "galaga.zip"), "set of galaga");
}

TEST_F(Optimise, SamplesOfOriginalsAreCopiedAndTheirClonesFollow) {
    const std::string samples = session.emulator.samples;
    WriteBytes(source + "inv.zip", "samples");
    session.games = GamesFromLines({
        "+:A:invaders:+ +:B:Space Invaders:+ +:L:Yes:+ +:D:" + source + "inv.zip:+",
        "+:A:invaddlx:+ +:B:Space Invaders Deluxe:+ +:F:invaders:+ +:L:Yes:+ +:D:" + source +
            "inv.zip:+",
    });
    OptimiseDirectory(session.games, session.emulator, NeededFileKind::Samples, CopyMode::Copy,
                      progress);
    EXPECT_EQ(Field("Space Invaders", 'D'), samples + "invaders.zip");
    EXPECT_EQ(Field("Space Invaders Deluxe", 'D'), samples + "invaders.zip");
    EXPECT_EQ(ReadBytes(samples + "invaders.zip"), "samples");
    EXPECT_FALSE(platform::IsReadableFile(samples + "invaddlx.zip"));
}

TEST_F(Optimise, UnusedFilesGoToNotneedExceptTheBiosZipAndWhatAnyGameLinks) {
    const std::string notNeeded = roms + "notneed" + platform::kSeparator;
    session.games = GamesFromLines({
        "+:A:galaga:+ +:B:Galaga:+ +:C:" + roms + "galaga.zip:+",
        // A MERGED clone whose original has no link of its own.
        "+:A:gallag:+ +:B:Gallag:+ +:F:galagao:+ +:C:" + roms + "galagao.zip:+ +:W:Total:+",
    });
    WriteBytes(roms + "galagao.zip", "merged family");
    WriteBytes(roms + "neogeo.zip", "bios");
    WriteBytes(roms + "readme.txt", "text");
    WriteBytes(roms + "stuck.zip", "stuck");
    platform::MakeDirectory(roms + "extra");
    // The copy of this one cannot be made, so it must stay.
    platform::MakeDirectory(notNeeded);
    platform::MakeDirectory(notNeeded + "stuck.zip");
    for (int i = 0; i < 260; ++i)
        WriteBytes(roms + "unused" + std::to_string(i) + ".zip", "u");

    EXPECT_EQ(MoveUnusedFiles(session.games, session.emulator, NeededFileKind::Roms, progress),
              261);
    EXPECT_EQ(ReadBytes(notNeeded + "readme.txt"), "text");
    EXPECT_FALSE(platform::IsReadableFile(roms + "readme.txt"));
    EXPECT_TRUE(platform::IsReadableFile(notNeeded + "unused259.zip"));
    EXPECT_FALSE(platform::IsReadableFile(roms + "unused0.zip"));
    for (const char* kept : {"galaga.zip", "galagao.zip", "neogeo.zip", "stuck.zip"})
        EXPECT_TRUE(platform::IsReadableFile(roms + kept)) << kept;
    EXPECT_TRUE(platform::IsDirectory(roms + "extra"));
    EXPECT_EQ(progress.texts, std::vector<std::string>{platform::ToNativeSeparators(
                                  "Moving unused files to your mame\\roms\\notneed directory...")});
}

}  // namespace
}  // namespace quorvex::sets
