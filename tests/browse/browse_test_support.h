#pragma once
// Game databases built in memory for the browsing tests.

#include <string>
#include <vector>

#include "store/game_database.h"
#include "store/record_line.h"

namespace quorvex::testing {

// One game per record line, its description taken from field B.
inline store::GameDatabase GamesOf(const std::vector<std::string>& lines) {
    std::vector<store::GameRecord> records;
    for (const auto& line : lines) {
        records.push_back({line, "", store::GetRecordValue(line, "B")});
    }
    return store::GameDatabase(records);
}

}  // namespace quorvex::testing
