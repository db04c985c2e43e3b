#pragma once
// The boards of the Statistics window: games ranked by how much they have
// been played, optionally with each family packed into one row and ranked
// by playing time per launch, and the summary of all play.

#include <string>
#include <vector>

#include "store/game_database.h"

namespace quorvex::info {

enum class Board { HallOfFame = 1, HallOfShame = 2, GlobalHall = 3 };

struct BoardOptions {
    bool packClones = false;
    bool ratio = false;  // rank by time / launched instead of time
};

struct BoardRow {
    std::string name;  // the description, or the parent's when packing
    long long launched = 0;
    long long time = 0;  // seconds
    int members = 1;
    long long key = 0;
};

// One row per game in database order, or per family when packing (a clone
// whose parent is not in the database forms its own row). Families are found
// through an index, so a packed board costs no more than a plain one.
std::vector<BoardRow> BuildBoardRows(const store::GameDatabase& games, BoardOptions options);

// The lines the board list shows, ranked and with the Hall of Fame's note
// when its top ten is incomplete.
std::vector<std::string> BoardLines(const store::GameDatabase& games, Board board,
                                    BoardOptions options);

struct StatisticsSummary {
    std::string text;
    bool played = false;  // drawn in green when true, else in red
};

// The summary of every game's play, without packing.
StatisticsSummary SummariseStatistics(const store::GameDatabase& games);

// Shown in the board list while a board is built.
inline constexpr const char* kComputingLine = "Computing......";

}  // namespace quorvex::info
