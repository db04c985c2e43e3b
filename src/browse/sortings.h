#pragma once
// Ordering the game database by one field of its games.

#include <string>
#include <string_view>
#include <vector>

#include "store/definitions.h"
#include "store/game_database.h"
#include "store/user_feedback.h"

namespace quorvex::browse {

// The text a game is ordered by for a field: numbers right-aligned in 20
// characters, dates as year, month number and day, anything else as it is.
std::string SortKey(char field, std::string_view value);

// True when a sorting's condition asks for ascending order (anything but a 'D' second character).
bool IsAscending(std::string_view condition);

// Fills every game's sort key for the sorting at index and reorders the
// database by it, ignoring letter case; games with equal keys keep their
// relative order. Returns the direction used (true for ascending). An index
// outside the table leaves the database as it is.
bool SortGameDatabase(store::GameDatabase& games,
                      const std::vector<store::SortingDefinition>& sortings, int index,
                      store::Progress& progress);

// Case-insensitive order of two keys (ASCII letters folded, other bytes unsigned).
int CompareKeysNoCase(std::string_view a, std::string_view b);

}  // namespace quorvex::browse
