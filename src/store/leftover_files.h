#pragma once
// The emulator's output directories must be empty before a play, so that
// every file found there afterwards belongs to the game just played.

#include <string>

#include "store/program_paths.h"
#include "store/user_feedback.h"

namespace quorvex::store {

enum class LeftoverKind { Pcx = 1, Inp = 2, Snap = 3 };

// Moves every file of the pcx, inp or snap directory into its "OldPcx",
// "OldInp" or "OldSnap" sub-directory (created in any case) and tells the
// user how many were moved. Returns that number.
int CheckLeftoverFiles(LeftoverKind kind, const EmulatorPaths& paths, UserFeedback& feedback);

// The warning shown for count moved files.
std::string LeftoverMessage(LeftoverKind kind, int count);

}  // namespace quorvex::store
