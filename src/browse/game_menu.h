#pragma once
// What the games list's context menu offers for the current game: the
// caption of each entry and whether the game lets it be chosen.

#include <array>
#include <string>
#include <string_view>

#include "store/game_database.h"
#include "store/program_paths.h"

namespace quorvex::browse {

// The entries in menu order.
enum class GameMenuItem {
    Play,
    ReleaseRomsLink,
    ReleaseSamplesLink,
    SelectRomsFile,
    SelectSamplesFile,
    CreateStandAloneFamily,
    CreateSplittedFamily,
    CreateMergedFamily,
    ResetHighScores,
    ResetDipSwitches,
    Cancel,
};
inline constexpr std::size_t kGameMenuItemCount = 11;

struct GameMenuItemState {
    std::string caption;
    bool enabled = true;
};
using GameMenu = std::array<GameMenuItemState, kGameMenuItemCount>;

// Which of the emulator's per-game files exist for the game.
struct GameFiles {
    bool highScores = false;   // hi directory + raw name + ".hi"
    bool dipSwitches = false;  // cfg directory + raw name + ".cfg"
    bool needsNoRoms = false;  // today's emulator plays the game without a ROM zip
};

GameFiles FindGameFiles(const store::EmulatorPaths& paths, std::string_view rawName);

// The menu for a game: Play and the ROM link need a ROM zip (Field C), the
// samples entries a samples zip (D) or at least the need for one (L), the
// two resets their file.
GameMenu GameMenuFor(std::string_view gameLine, std::string_view description,
                     const GameFiles& files);

// The menu when no game is current: only Cancel can be chosen.
GameMenu GameMenuWithoutGame();

inline const GameMenuItemState& MenuEntry(const GameMenu& menu, GameMenuItem item) {
    return menu[static_cast<std::size_t>(item)];
}

}  // namespace quorvex::browse
