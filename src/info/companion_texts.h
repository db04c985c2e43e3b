#pragma once
// The entries of the emulator's companion files "history.dat" (history and
// tips) and "mameinfo.dat" (known issues), looked up in the images that
// start-up read, and the fixed hot-keys text shown beside them.

#include <string>
#include <string_view>

#include "store/game_database.h"

namespace quorvex::info {

enum class CompanionFile { History, MameInfo };

// The text to show for the game with this description: its entry from the
// file image with the file's markup left out, every line ended by CR LF.
// A clone whose parent is in the database is looked up under the parent's
// raw name. An empty image or a game without entry gives the file's message.
std::string CompanionEntryText(CompanionFile file, std::string_view image,
                               const store::GameDatabase& games, std::string_view description);

// The messages shown in place of an entry.
std::string MissingFileMessage(CompanionFile file);
std::string MissingEntryMessage(CompanionFile file);

// The emulator's hot keys: each key in brackets, its meaning, an empty line.
std::string HotKeysText();

}  // namespace quorvex::info
