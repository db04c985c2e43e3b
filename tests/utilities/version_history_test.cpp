// The plug-in of emulator versions from "Ferrick.qvx".

#include "utilities/version_history.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "utilities_test_support.h"

namespace quorvex::utilities {
namespace {

TEST(VersionHistory, EveryGameOfTheNameIgnoringCaseTakesTheVersionText) {
    testing::TempDir dir;
    store::GameDatabase games = testing::Games({{"pacman", "Pac-Man"},
                                                {"sf2", "Street Fighter II"},
                                                {"PACMAN", "Pac-Man (other case)"},
                                                {"galaga", "Galaga"}},
                                               {"", "+:U:0.30:+"});
    testing::WriteBytes(dir.File("Ferrick.qvx"),
                        "PacMan   0.29 - 0.36b4  \r\n"
                        "sf2\r\n"  // no version: what the game knows stays
                        "\r\n"
                        "unknown 0.1\r\n"
                        "galaga 0.31 (:+ broken):\r\n");
    testing::Recorder user;
    const VersionPlugIn result = PlugInVersionHistory(games, dir.path(), user, user);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(result.lines, 5);
    EXPECT_EQ(games.Field(0, 'U'), "0.29 - 0.36b4");
    EXPECT_EQ(games.Field(2, 'U'), "0.29 - 0.36b4");
    EXPECT_EQ(games.Field(1, 'U'), "0.30");
    // A value that would break the record line is not stored.
    EXPECT_EQ(games.Field(3, 'U'), "");
    EXPECT_EQ(games.Field(3, 'A'), "galaga");
    EXPECT_EQ(user.texts.front(), "Importing data of PacMan....");
    EXPECT_EQ(user.range, std::make_pair(0, 0));
}

}  // namespace
}  // namespace quorvex::utilities
