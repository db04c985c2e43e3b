#include "utilities/old_play_data.h"

#include <cmath>
#include <cstring>
#include <unordered_map>

#include "platform/file_system.h"
#include "store/text_utils.h"
#include "utilities/tool_progress.h"

namespace quorvex::utilities {
namespace {

constexpr std::size_t kNameOffset = 14;
constexpr std::size_t kLaunchesOffset = 628;
constexpr std::size_t kPlayingTimeOffset = 632;
constexpr std::size_t kLastPlayedOffset = 636;
constexpr std::size_t kRatingOffset = 808;

std::uint32_t LittleEndian32(std::string_view record, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(record[offset + i]))
                 << (8 * i);
    }
    return value;
}

// A text field runs to its NUL, but never into the field after it.
std::string TextField(std::string_view record, std::size_t offset, std::size_t end) {
    const std::string_view field = record.substr(offset, end - offset);
    return std::string(field.substr(0, field.find('\0')));
}

double RatingField(std::string_view record) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(record[kRatingOffset + i]))
                << (8 * i);
    }
    double rating = 0.0;
    static_assert(sizeof rating == sizeof bits);
    std::memcpy(&rating, &bits, sizeof rating);
    return rating;
}

// The old scale runs from 0 to 10; what lies outside it (or is no number
// at all) is no rating.
bool RatingInRange(double rating) {
    if (!std::isfinite(rating)) {
        return false;
    }
    const double whole = std::trunc(rating);
    return whole > -1.0 && whole < 11.0;
}

}  // namespace

std::vector<OldPlayRecord> ReadOldPlayRecords(std::string_view bytes) {
    std::vector<OldPlayRecord> records;
    const std::size_t count = bytes.size() / kOldPlayRecordSize;
    records.reserve(count);
    for (std::size_t r = 0; r < count; ++r) {
        const std::string_view record = bytes.substr(r * kOldPlayRecordSize, kOldPlayRecordSize);
        OldPlayRecord old;
        old.rawName = store::TrimmedBlanks(TextField(record, kNameOffset, kLaunchesOffset));
        old.launches = static_cast<std::int32_t>(LittleEndian32(record, kLaunchesOffset));
        old.playingTime = LittleEndian32(record, kPlayingTimeOffset);
        old.lastPlayed = TextField(record, kLastPlayedOffset, kRatingOffset);
        old.rating = RatingField(record);
        records.push_back(std::move(old));
    }
    return records;
}

OldPlayImport ImportOldPlayData(store::GameDatabase& games, const std::string& programDirectory,
                                store::UserFeedback& feedback, store::Progress& progress) {
    OldPlayImport result;
    const std::optional<std::string> bytes =
        platform::ReadFileBytes(programDirectory + kOldPlayDataFile);
    if (!bytes) {
        feedback.ShowMessage(
            "The file 'mame.ini' is not located in the Quorvex Directory!\nJust copy it from "
            "your old Orvane directory!",
            store::MessageIcon::Exclamation);
        return result;
    }
    result.fileFound = true;
    const std::vector<OldPlayRecord> records = ReadOldPlayRecords(*bytes);
    result.records = static_cast<int>(records.size());

    // The first game of each raw name, found without walking the database per record.
    std::unordered_map<std::string, int> firstByName;
    for (int index = 0; index < games.count(); ++index) {
        firstByName.emplace(store::ToLowerAscii(store::TrimmedBlanks(games.Field(index, 'A'))),
                            index);
    }

    ToolProgress frame(progress, "Importing data of ", result.records);
    for (const OldPlayRecord& old : records) {
        frame.Show(old.rawName);
        const auto found = old.rawName.empty() ? firstByName.end()
                                               : firstByName.find(store::ToLowerAscii(old.rawName));
        if (found != firstByName.end()) {
            const int index = found->second;
            if (old.launches > 0) {
                games.SetField(index, 'T', std::to_string(old.launches));
                // Unsigned as stored: a long time must not turn negative.
                games.SetField(index, 'H', std::to_string(old.playingTime));
                games.SetField(index, 'G', old.lastPlayed);
            }
            if (RatingInRange(old.rating)) {
                games.SetField(index, 'S', std::to_string(static_cast<int>(old.rating * 10)));
            }
            ++result.gamesUpdated;
        }
        frame.ItemDone();
    }
    return result;
}

}  // namespace quorvex::utilities
