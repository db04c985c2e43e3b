#pragma once
// A game's setting values as the Settings page shows and edits them: the
// check marks, the value it proposes, storing a value, copying values to the
// games selected in the games list and finding games with equal values.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/command_runner.h"
#include "store/definitions.h"
#include "store/game_database.h"
#include "store/user_feedback.h"

namespace quorvex::play {

// One check mark per definition, set when the game has a value for its CODE.
struct SettingMarks {
    std::vector<bool> checked;
    int count = 0;  // shown as "Checked: %d"
};
SettingMarks ReadSettingMarks(std::string_view gameLine,
                              const std::vector<store::SettingDefinition>& definitions);

// "Checked: %d"
std::string CheckedCountText(int count);

// What the page proposes for a checked definition: for a Variable value the
// game's value, else the TYPE's default, else "1"; for a Fixed selection the
// position of the item holding the game's value, or 0 when none does.
struct ProposedValue {
    std::string text;    // the value box
    int pickIndex = -1;  // the pick list, -1 when it is not used
};
ProposedValue ProposeSettingValue(std::string_view gameLine,
                                  const store::SettingDefinition& definition, int position);

// The page's controls for the selected definition at the moment a value is stored.
struct ShownSetting {
    bool checked = false;
    std::string valueBox;         // Variable value: stored as typed, empty removes
    std::string pickDescription;  // Fixed selection: the pick list's text
};

// The text key position + 1 gets from the shown controls; empty removes the token.
std::string ShownSettingValue(const store::SettingDefinition& definition,
                              const ShownSetting& shown);

// Stores the shown value into the line under the key position + 1, behind
// the settings marker (which is added when the line has none). False, with
// the line unchanged, when the value cannot be stored in a token.
bool StoreSettingValue(std::string& gameLine, const store::SettingDefinition& definition,
                       int position, const ShownSetting& shown);

// Rows of the games list: the first column, the game's description, in list order.
struct GamesListRow {
    int row = 0;
    std::string description;
};

// Stores the shown value of the definition at position into every selected
// game, with a Progress window over a sixth of rowCount. Rows whose
// description names no game are skipped. Returns the number of games changed.
int ApplySingleSetting(store::GameDatabase& games, const std::vector<GamesListRow>& selected,
                       int rowCount, const store::SettingDefinition& definition, int position,
                       const ShownSetting& shown, store::Progress& progress,
                       catalogue::MessagePump* pump);

// Gives every selected game exactly the current game's setting values: its
// line keeps what stands before its settings marker and takes the current
// game's settings part. Nothing happens when the current game is not found.
// Returns the number of games changed.
int ApplyAllSettings(store::GameDatabase& games, std::string_view currentDescription,
                     const std::vector<GamesListRow>& selected, store::Progress& progress,
                     catalogue::MessagePump* pump);

// Everything from the settings marker to the end of the line; empty when the
// line has no marker.
std::string_view SettingsPart(std::string_view gameLine);

// The rows whose game has the same setting values as the current game, in
// the same order: the texts behind the settings markers, blanks cut, are
// identical (so a line without a marker counts as one without values). Empty
// when the current game is not found.
std::vector<int> RowsWithEqualSettings(const store::GameDatabase& games,
                                       std::string_view currentDescription,
                                       const std::vector<GamesListRow>& rows);

}  // namespace quorvex::play
