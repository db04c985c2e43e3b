#pragma once
// Game databases of realistic size and shape for the benchmarks.

#include <cstddef>
#include <string>

#include "store/game_database.h"

namespace quorvex::bench {

// The text of a "mamegame.qvx" with count games: clone families, Neo Geo
// games, CPUs, sound chips, dates, play statistics, links and setting values.
std::string GenerateGameDatabaseText(int count, unsigned seed = 1);

// A generated database of count games, loaded as the program loads its file.
store::GameDatabase GenerateGameDatabase(int count, unsigned seed = 1);

// The description of game index in a generated database.
std::string GeneratedDescription(int index);

}  // namespace quorvex::bench
