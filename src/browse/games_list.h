#pragma once
// Which games the games list shows, and in which order.

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "browse/conditions.h"
#include "store/definitions.h"
#include "store/game_database.h"
#include "store/user_feedback.h"

namespace quorvex::browse {

struct GamesList {
    std::vector<int> rows;      // indexes into the game database, in database order
    bool anyRomLinked = false;  // some listed game has a ROM zip: Random Play may start
};

// The games whose description holds substring (trimmed, ignoring case) and
// that pass the active filters under mode. Shows "Filtering..." progress.
GamesList FilterGames(const store::GameDatabase& games,
                      const std::vector<store::FilterDefinition>& filters, std::string_view flags,
                      FilterMode mode, std::string_view substring, store::Progress& progress);

// The family of the game with this description: its original first, then
// every clone of that original in database order. A clone whose original is
// not in the database is shown alone; an unknown description gives nothing.
GamesList FamilyOf(const store::GameDatabase& games, std::string_view description);

// A game can be played when it has a ROM zip, or when today's emulator says
// it needs no ROM file at all (its lower-case raw name in gamesWithoutRoms).
bool IsPlayable(std::string_view gameLine, const std::unordered_set<std::string>& gamesWithoutRoms);
// Random Play may start: the list says some game has a ROM zip, or a listed
// game needs no ROM file.
bool AnyPlayable(const store::GameDatabase& games, const GamesList& list,
                 const std::unordered_set<std::string>& gamesWithoutRoms);

// A random listed playable game, or nothing when none is.
std::optional<int> PickRandomPlayable(const store::GameDatabase& games, const GamesList& list,
                                      std::mt19937& random,
                                      const std::unordered_set<std::string>& gamesWithoutRoms = {});

// The filter flags for count filters: flags padded with blanks (new filters
// start inactive) or cut to count.
std::string NormalisedFilterFlags(std::string flags, std::size_t count);
int CountActiveFilters(std::string_view flags, std::size_t count);

// Header text of the games list after a rebuild, e.g. "12 are listed".
std::string ListedHeader(std::size_t listed);

inline constexpr const char* kNoGamesFound = "No games found!";

}  // namespace quorvex::browse
