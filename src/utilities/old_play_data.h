#pragma once
// Import of the play data kept by the earlier front-end Orvane in "mame.ini":
// launch counts, playing times, last-played texts and ratings, record by
// record, into the games of the same raw name.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/game_database.h"
#include "store/user_feedback.h"

namespace quorvex::utilities {

inline constexpr const char* kOldPlayDataFile = "mame.ini";
// Every record of the file has this size; a shorter tail is no record.
inline constexpr std::size_t kOldPlayRecordSize = 816;

struct OldPlayRecord {
    std::string rawName;  // blanks cut
    std::int32_t launches = 0;
    std::uint32_t playingTime = 0;  // seconds, like Field H
    std::string lastPlayed;
    double rating = 0.0;  // 0 to 10
};

// Every whole record of the file's bytes, in file order.
std::vector<OldPlayRecord> ReadOldPlayRecords(std::string_view bytes);

struct OldPlayImport {
    bool fileFound = false;
    int records = 0;
    int gamesUpdated = 0;
};

// Reads programDirectory + "mame.ini" and copies each record into the first
// game whose raw name equals it ignoring case: T, H and G when it was
// launched at all, S (rating × 10) when the rating lies within the old
// scale. A missing file is reported to the user and changes nothing.
OldPlayImport ImportOldPlayData(store::GameDatabase& games, const std::string& programDirectory,
                                store::UserFeedback& feedback, store::Progress& progress);

}  // namespace quorvex::utilities
