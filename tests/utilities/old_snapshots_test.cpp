// Conversion of the earlier front-end's snapshots to numbered names.

#include "utilities/old_snapshots.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/file_system.h"
#include "store/program_paths.h"
#include "test_support.h"
#include "utilities_test_support.h"

namespace quorvex::utilities {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(OldSnapshots, BaseNameKeepsTheFirstFourAndTheLastTwoCharacters) {
    EXPECT_EQ(OldSnapshotBaseName("pacman"), "pacman");
    EXPECT_EQ(OldSnapshotBaseName(" mspacman "), "mspaan");
    EXPECT_EQ(OldSnapshotBaseName("dkong"), "dkonng");
    EXPECT_EQ(OldSnapshotBaseName("qix2"), "qix2x2");
    EXPECT_EQ(OldSnapshotBaseName("sf2"), "sf2");
}

std::vector<std::string> Names(const std::string& directory) {
    std::vector<std::string> names;
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(directory)) {
        names.push_back(entry.name);
    }
    return names;
}

TEST(OldSnapshots, OldPicturesAreNumberedAfterTheGamesSnapshotsAndNeverReplaceOne) {
    TempDir dir;
    store::Session session;
    session.emulator = store::MakeEmulatorPaths(dir.File("emu/"));
    store::CreateEmulatorSubdirectories(session.emulator);
    session.games = testing::Games(
        {{"pacman", "Pac-Man"}, {"mspacman", "Ms. Pac-Man"}, {"sf2", "Street Fighter II"}});
    const std::string& snapshots = session.emulator.snapshot;
    WriteBytes(snapshots + "pacman000.pcx", "first");
    WriteBytes(snapshots + "pacman004.pcx", "second");
    // Something already answers to the number after the renumbered two.
    platform::MakeDirectory(snapshots + "pacman002.pcx");
    const std::string old = dir.File("old/");
    WriteBytes(old + "PACMAN01.PCX", "old 1");
    WriteBytes(old + "pacman02.pcx", "old 2");
    WriteBytes(old + "pacman03.txt", "no picture");
    WriteBytes(old + "mspaan01.pcx", "ms 1");
    testing::Recorder progress;

    const SnapshotConversion result = ConvertOldSnapshots(session, dir.File("old"), progress);

    EXPECT_EQ(result.copied, 3);
    EXPECT_EQ(result.failed, 0);
    EXPECT_EQ(Names(snapshots),
              (std::vector<std::string>{"mspacman000.pcx", "pacman000.pcx", "pacman001.pcx",
                                        "pacman002.pcx", "pacman003.pcx", "pacman004.pcx"}));
    EXPECT_EQ(ReadBytes(snapshots + "pacman001.pcx"), "second");
    EXPECT_EQ(ReadBytes(snapshots + "pacman003.pcx"), "old 1");
    EXPECT_EQ(ReadBytes(snapshots + "pacman004.pcx"), "old 2");
    EXPECT_EQ(ReadBytes(snapshots + "mspacman000.pcx"), "ms 1");
    EXPECT_EQ(Names(old).size(), 4U);  // the old pictures stay
    EXPECT_EQ(progress.texts,
              (std::vector<std::string>{"Checking pacman....", "Checking mspacman....",
                                        "Checking sf2...."}));
}

}  // namespace
}  // namespace quorvex::utilities
