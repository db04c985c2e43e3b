#pragma once
// Everything the program holds for one run. One Session is made at start-up
// and passed by reference to whatever needs it.

#include <string>
#include <unordered_set>
#include <vector>

#include "store/definitions.h"
#include "store/game_database.h"
#include "store/program_paths.h"
#include "store/state_file.h"

namespace quorvex::store {

// What the catalogue import changed, for the What's new dialog.
struct CatalogueChanges {
    std::vector<GameRecord> inserted;
    std::vector<GameRecord> removed;
    bool empty() const { return inserted.empty() && removed.empty(); }
};

struct Session {
    ProgramFiles files;
    EmulatorPaths emulator;
    GameDatabase games;
    std::vector<SettingDefinition> settings;
    std::vector<FilterDefinition> filters;
    std::vector<SortingDefinition> sortings;
    std::vector<FieldDefinition> fields;
    StateRecord state;
    std::string mameInfo;  // "mameinfo.dat", at most kCompanionTextLimit bytes
    std::string history;   // "history.dat"
    CatalogueChanges changes;
    bool whatsNewShown = false;
    // Today's emulator: lower-case raw names of the games that need no ROM
    // file, playable without a ROM zip. Empty for the DOS-era emulator.
    std::unordered_set<std::string> gamesWithoutRoms;
};

// The companion texts are read up to this many bytes.
inline constexpr std::size_t kCompanionTextLimit = 4'999'999;

}  // namespace quorvex::store
