// The import of the old front-end's "mame.ini" on any file: one record per
// whole 816 bytes, names taken from their own field, and no game touched
// but those the records name.

#include <algorithm>
#include <fstream>

#include "fuzz_support.h"
#include "store/game_database.h"
#include "store/text_utils.h"
#include "utilities/old_play_data.h"

using namespace quorvex;

using fuzz::NoFeedback;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);
    const auto records = utilities::ReadOldPlayRecords(bytes);
    QUORVEX_FUZZ_CHECK(records.size() == size / utilities::kOldPlayRecordSize);
    for (const auto& record : records) {
        // The name field runs from byte 14 to the launch count at byte 628.
        QUORVEX_FUZZ_CHECK(record.rawName.size() <= 614 &&
                           record.rawName.find('\0') == std::string::npos);
        QUORVEX_FUZZ_CHECK(record.lastPlayed.size() <= 172 &&
                           record.lastPlayed.find('\0') == std::string::npos);
    }

    // The games are named after the first records, so that imports happen.
    std::vector<store::GameRecord> list;
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < records.size() && i < 4; ++i) {
        std::string name;
        for (const char c : records[i].rawName) {
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
                name += c;
            }
        }
        const std::string description = "Game " + std::to_string(i);
        list.push_back({"+:A:" + name + ":+ +:B:" + description + ":+ \xA7", "", description});
    }
    list.push_back({"+:A:zzzuntouched:+ +:B:Untouched:+ \xA7", "", "Untouched"});
    store::GameDatabase games(list);
    const std::string untouched = games.records().back().line;

    fuzz::ClearScratch();
    {
        std::ofstream out(fuzz::ScratchDirectory() + utilities::kOldPlayDataFile,
                          std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    NoFeedback feedback;
    store::SilentProgress progress;
    const auto import =
        utilities::ImportOldPlayData(games, fuzz::ScratchDirectory(), feedback, progress);
    QUORVEX_FUZZ_CHECK(import.fileFound && feedback.messages == 0);
    QUORVEX_FUZZ_CHECK(import.records == static_cast<int>(records.size()));
    QUORVEX_FUZZ_CHECK(import.gamesUpdated <= import.records);
    const bool named = std::any_of(records.begin(), records.end(), [](const auto& record) {
        return store::EqualsNoCase(record.rawName, "zzzuntouched");
    });
    QUORVEX_FUZZ_CHECK(named || games.records().back().line == untouched);
    // A text holding "+:" reads back as a token of its own, which the record
    // line format cannot tell apart; only the rating of other files is judged.
    const bool tokenInText = std::any_of(records.begin(), records.end(), [](const auto& record) {
        return record.lastPlayed.find("+:") != std::string::npos;
    });
    for (int i = 0; i < games.count(); ++i) {
        QUORVEX_FUZZ_CHECK(games.Field(i, 'B') == games[i].description);
        const std::string rating = games.Field(i, 'S');
        if (tokenInText) continue;
        QUORVEX_FUZZ_CHECK(rating.empty() || (rating.size() <= 4 && std::stoi(rating) >= -9 &&
                                              std::stoi(rating) <= 109));
    }
    return 0;
}
