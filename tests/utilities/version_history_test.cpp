// The plug-in of emulator versions from "Ferrick.qvx".

#include "utilities/version_history.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "utilities_test_support.h"

namespace quorvex::utilities {
namespace {

using testing::Games;
using testing::MessageRecorder;
using testing::RecordingProgress;
using testing::TempDir;
using testing::WriteBytes;

TEST(VersionHistory, EveryGameOfTheNameIgnoringCaseTakesTheVersionText) {
    TempDir dir;
    store::GameDatabase games = Games({{"pacman", "Pac-Man"},
                                       {"sf2", "Street Fighter II"},
                                       {"PACMAN", "Pac-Man (other case)"},
                                       {"galaga", "Galaga"}},
                                      {"", "+:U:0.30:+"});
    WriteBytes(dir.File("Ferrick.qvx"),
               "PacMan   0.29 - 0.36b4  \r\n"
               "sf2\r\n"  // no version: what the game knows stays
               "\r\n"
               "unknown 0.1\r\n"
               "galaga 0.31 (:+ broken):\r\n");
    MessageRecorder feedback;
    RecordingProgress progress;

    const VersionPlugIn result = PlugInVersionHistory(games, dir.path(), feedback, progress);

    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_EQ(result.lines, 5);
    EXPECT_EQ(games.Field(0, 'U'), "0.29 - 0.36b4");
    EXPECT_EQ(games.Field(2, 'U'), "0.29 - 0.36b4");
    EXPECT_EQ(games.Field(1, 'U'), "0.30");
    // A value that would break the record line is not stored.
    EXPECT_EQ(games.Field(3, 'U'), "");
    EXPECT_EQ(games.Field(3, 'A'), "galaga");
    EXPECT_EQ(progress.texts.front(), "Importing data of PacMan....");
    EXPECT_EQ(progress.range, std::make_pair(0, 0));
}

}  // namespace
}  // namespace quorvex::utilities
