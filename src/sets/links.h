#pragma once
// The games list's manual link commands for the selected game: choosing its
// ROM or sample zip by hand, releasing a link (with the clones that depend on
// an original's zip), and deleting its dip switch or high score file.
// Every command finds the game by its description; an unknown description
// does nothing and asks nothing. Nothing here saves the game database.

#include <string>
#include <string_view>

#include "sets/scan.h"
#include "store/user_feedback.h"

namespace quorvex::catalogue {
class MessagePump;
}

namespace quorvex::sets {

struct LinkCommandResult {
    bool changed = false;  // some link of the database changed
    ViewRefresh refresh;
};

// Validates chosenZip (empty: the file dialog was cancelled) as the game's
// set of the theme with the accurate scan in single-file mode, links it when
// it holds the set, and tells the user the outcome. With today's emulator's
// cache (null for the DOS-era one) the needed files and CRCs come from it.
LinkCommandResult SelectSetFile(store::GameDatabase& games, const store::EmulatorPaths& emulator,
                                std::string_view description, const std::string& chosenZip,
                                NeededFileKind theme, const catalogue::NeededFileCache* cache,
                                store::UserFeedback& feedback,
                                catalogue::MessagePump* pump = nullptr);

// Clears the game's ROM link and Set format after a confirmation; for an
// original also those of its SPLITTED and MERGED clones, which the warning names.
LinkCommandResult ReleaseRomsLink(store::GameDatabase& games, std::string_view description,
                                  store::UserFeedback& feedback);
// Clears the game's samples link after a confirmation; its clones keep theirs.
LinkCommandResult ReleaseSamplesLink(store::GameDatabase& games, std::string_view description,
                                     store::UserFeedback& feedback);

// After a confirmation, deletes the emulator's high score file hi/<raw name>.hi
// or its dip switch file cfg/<raw name>.cfg. True when the user said Yes; a
// missing file is not reported.
bool ResetHighScoreTable(const store::GameDatabase& games, const store::EmulatorPaths& emulator,
                         std::string_view description, store::UserFeedback& feedback);
bool ResetDipSwitchSettings(const store::GameDatabase& games, const store::EmulatorPaths& emulator,
                            std::string_view description, store::UserFeedback& feedback);

}  // namespace quorvex::sets
