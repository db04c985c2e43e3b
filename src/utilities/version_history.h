#pragma once
// The plug-in of emulator-version information from "Ferrick.qvx": one game
// per line, its raw name up to the first blank and the version text after it.

#include <string>

#include "store/game_database.h"
#include "store/user_feedback.h"

namespace quorvex::utilities {

inline constexpr const char* kVersionListFile = "Ferrick.qvx";

struct VersionPlugIn {
    bool fileFound = false;
    int lines = 0;
    int gamesUpdated = 0;
};

// Reads programDirectory + "Ferrick.qvx" and gives every game whose raw name
// equals a line's name, ignoring case, that line's version text in Field U.
// A line without a version text changes nothing. A missing file is reported
// to the user and changes nothing.
VersionPlugIn PlugInVersionHistory(store::GameDatabase& games, const std::string& programDirectory,
                                   store::UserFeedback& feedback, store::Progress& progress);

}  // namespace quorvex::utilities
