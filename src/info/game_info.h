#pragma once
// What the information page shows of a game, line by line with colours, and
// the four things the user edits there: rating, favourite mark, category
// and the emulator executable.

#include <string>
#include <string_view>

#include "store/game_database.h"
#include "store/program_paths.h"

namespace quorvex::info {

// Unchanged keeps the colour the line was made with.
enum class InfoColour { Unchanged, Black, Green, Red, Yellow, LightBlue };

struct InfoLine {
    std::string text;
    InfoColour colour = InfoColour::Unchanged;
};

// The Break button and the Change/Select button beside a zip line.
struct LinkButtons {
    bool breakEnabled = false;
    std::string otherText;  // "Change" or "Select"
    bool otherEnabled = false;
};

struct GameInfo {
    InfoLine roms, samples, lastPlayed, launch, cpu, sound, version, insertDate, clone, company,
        year, status, frameRate, description;
    LinkButtons romButtons, sampleButtons;
    std::string rating;  // the rating box: "85%" or "NP"
    std::string executable;
    std::string category;
    bool favourite = false;
    int ratingBand = 0;  // 0 for no rating, else 1 to 11
};

// Everything the page shows for the game at index.
GameInfo ComposeGameInfo(const store::GameDatabase& games, int index);

// The band picture (1 to 11) for a rating text, 0 when it is below 1.
int RatingBand(std::string_view rating);
// The two highest bands earn an award beside the band picture.
enum class Award { None, Smaller, GoldMedal };
Award RatingAward(int band);

// Sets the game's rating from what was typed: "%" signs dropped, above 100
// stored as "100", below 1 (or no number) as "NP". Returns what the rating
// box shows afterwards ("85%" or "NP").
std::string StoreRating(store::GameDatabase& games, int index, std::string_view typed);
// The rating text as it would be stored, for the typed text.
std::string NormalisedRating(std::string_view typed);

void StoreFavourite(store::GameDatabase& games, int index, bool favourite);
// The category exactly as typed; empty removes it. False, with the game
// unchanged, when the text holds something a record line cannot keep.
bool StoreCategory(store::GameDatabase& games, int index, std::string_view typed);

enum class ExecutableChoice {
    Removed,  // empty box: the current emulator from now on
    Kept,     // "Last": nothing changes
    Stored,   // an older executable found in "oldmame"
    Missing,  // not in "oldmame": the warning is shown, the token removed
};
// Stores the executable box's name for the game.
ExecutableChoice StoreExecutable(store::GameDatabase& games, int index,
                                 const store::EmulatorPaths& paths, std::string_view typed);
// The warning for an executable that is not in "oldmame".
std::string MissingExecutableWarning(std::string_view name, const store::EmulatorPaths& paths);

inline constexpr const char* kCurrentExecutableText = "Last";

}  // namespace quorvex::info
