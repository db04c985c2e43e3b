// Import of the earlier front-end's "mame.ini": records of 816 bytes with the
// raw name at 14, launches at 628, playing time at 632, the last-played text
// at 636 and the rating (a double) at 808.

#include "utilities/old_play_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "test_support.h"
#include "utilities_test_support.h"

namespace quorvex::utilities {
namespace {

// Little-endian, as the old front-end wrote its numbers.
void Put(std::string& record, std::size_t at, std::uint64_t value, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) {
        record[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::string Record(const std::string& name, std::int32_t launches, std::uint32_t seconds,
                   const std::string& lastPlayed, double rating) {
    std::string record(816, '\0');
    record.replace(14, name.size(), name);
    Put(record, 628, static_cast<std::uint32_t>(launches), 4);
    Put(record, 632, seconds, 4);
    record.replace(636, lastPlayed.size(), lastPlayed);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &rating, sizeof bits);
    Put(record, 808, bits, 8);
    return record;
}

TEST(OldPlayData, CopiesEveryWholeRecordIntoTheFirstGameOfItsName) {
    store::GameDatabase games =
        testing::Games({{"pacman", "Pac-Man"},
                        {"galaga", "Galaga"},
                        {"sf2", "Street Fighter II"},
                        {"dkong", "Donkey Kong"},
                        {"GALAGA", "Galaga (second entry)"},
                        {"pacplus", "Pac-Man Plus"}},
                       {"", "+:T:4:+ +:H:100:+ +:G:Mon  1 Jun 1998:+", "+:S:55:+", "+:S:66:+"});
    // Launches, playing time, last played and rating of one game.
    const auto Played = [&games](int index) {
        return games.Field(index, 'T') + "|" + games.Field(index, 'H') + "|" +
               games.Field(index, 'G') + "|" + games.Field(index, 'S');
    };
    testing::TempDir dir;
    testing::Recorder user;
    std::string file;
    file += Record("  PacMan ", 3, 3'000'000'000U, "Sat 14 Mar 1998", 10.0);
    file += Record("galaga", 0, 999, "never", 7.5);  // not launched: only the rating
    file += Record("sf2", 2, 60, "Sun 15 Mar 1998", 11.0);
    file += Record("dkong", 1, 30, "Mon 16 Mar 1998", -1.0);
    file += Record("pacplus", 5, 10, "x", std::numeric_limits<double>::quiet_NaN());
    file += Record("nosuchgame", 9, 9, "y", 5.0);
    // Far more records than the old front-end's buffer of 1,500 held.
    for (int i = 0; i < 1600; ++i) {
        file += Record("filler" + std::to_string(i), 1, 1, "z", 1.0);
    }
    file += Record("pacplus", 6, 20, "Tue 17 Mar 1998", 0.5);
    // A trailing partial record is no record, even with a known name in it.
    file += Record("dkong", 8, 80, "partial", 9.0).substr(0, 700);
    testing::WriteBytes(dir.File("mame.ini"), file);

    const OldPlayImport result = ImportOldPlayData(games, dir.path(), user, user);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_TRUE(result.fileFound);
    EXPECT_EQ(result.records, 1607);
    EXPECT_EQ(Played(0), "3|3000000000|Sat 14 Mar 1998|100");
    EXPECT_EQ(Played(1), "4|100|Mon  1 Jun 1998|75");
    EXPECT_EQ(Played(4), "|||");                      // the second GALAGA is not the first match
    EXPECT_EQ(Played(2), "2|60|Sun 15 Mar 1998|55");  // 11.0 lies outside the scale
    EXPECT_EQ(Played(3), "1|30|Mon 16 Mar 1998|66");  // and so does -1.0; not the partial 80
    EXPECT_EQ(Played(5), "6|20|Tue 17 Mar 1998|5");   // the last record of a name wins

    EXPECT_EQ(user.title, "Please wait!");
    EXPECT_EQ(user.range, std::make_pair(0, 1607 / 6));
    EXPECT_EQ(user.steps, 1607 / 6);
    EXPECT_EQ(user.texts.front(), "Importing data of PacMan....");
    EXPECT_FALSE(user.open);
}

}  // namespace
}  // namespace quorvex::utilities
