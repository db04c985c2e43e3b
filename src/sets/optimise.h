#pragma once
// Tidying the emulator's roms or samples directory: gathering the linked zips
// into it and putting aside, in its "notneed" sub-directory, what no game uses.

#include <string>

#include "sets/file_lists.h"
#include "store/game_database.h"
#include "store/program_paths.h"
#include "store/user_feedback.h"

namespace quorvex::sets {

enum class CopyMode { Copy, Move };

inline constexpr const char* kNotNeededDirectory = "notneed";

// The emulator directory of the theme: its roms or samples directory.
const std::string& ThemeDirectory(const store::EmulatorPaths& emulator, NeededFileKind theme);

// Copies every linked zip of the theme (ROMs: not MERGED clones, which share
// their original's zip; samples: originals only) into the theme's directory
// as raw name + ".zip" and links the game and its dependent clones to the
// copy. Move mode deletes a source only once its copy is in place and no game
// links to it any more; a zip that already is the destination is kept. A
// game whose copy failed keeps its link. The result counts the games relinked.
int CopyIntoEmulatorDirectory(store::GameDatabase& games, const store::EmulatorPaths& emulator,
                              NeededFileKind theme, CopyMode mode, store::Progress& progress);

// Moves every file of the theme's directory that no game links to into its
// "notneed" sub-directory, except "neogeo.zip"; sub-directories stay. A file
// is deleted only after its copy in "notneed" was made. The result counts the
// files moved.
int MoveUnusedFiles(const store::GameDatabase& games, const store::EmulatorPaths& emulator,
                    NeededFileKind theme, store::Progress& progress);

// Both of the above, the copy first.
void OptimiseDirectory(store::GameDatabase& games, const store::EmulatorPaths& emulator,
                       NeededFileKind theme, CopyMode mode, store::Progress& progress);

}  // namespace quorvex::sets
