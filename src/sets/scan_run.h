#pragma once
// The whole scan of a source directory started from the Setup page: the
// questions, the preparation (snapshot and stale links), the walk over every
// game with its progress texts and Cancel, the log, the optional directory
// optimisation and the save. The page only gathers the inputs below and
// shows what the result asks for.

#include <string>

#include "sets/scan.h"
#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::catalogue {
class MessagePump;
}

namespace quorvex::sets {

struct ScanRequest {
    std::string sourceDirectory;  // the text of the source directory box
    NeededFileKind theme = NeededFileKind::Roms;
    bool rescanAll = false;  // "Rescan all games"
    bool veryFast = false;   // the very fast check box; ROMs only
    FastAssumption assumption = FastAssumption::Splitted;
};

enum class ScanOutcome {
    DirectoryMissing,  // told so; nothing changed
    Declined,          // a "No" to the very fast questions; nothing changed
    Cancelled,         // every record is back as it was; nothing saved
    Finished,
};

struct ScanRunResult {
    ScanOutcome outcome = ScanOutcome::DirectoryMissing;
    int linksMade = 0;
    bool optimised = false;
    bool saved = false;       // false also when the save failed (the user was told)
    bool logWritten = false;  // false: the user was told the log could not be written
    // The log to open with the desktop's viewer (OpenWithAssociation); empty: none.
    std::string logToOpen;
    ViewRefresh refresh;
};

inline constexpr const char* kVeryFastWarning =
    "Warning!\nYou have selected very fast method!\nAlthough the roms scanning will be really "
    "fast,\nthis scanning will not be so accurate!\nIf this is the first time you scan the "
    "roms\nI suggest you to disable the very fast scanning!\n\nHOWEVER KEEP IN MIND THAT IF DATAS "
    "ARE DIRTY, QVX WILL HANG NOT IN THIS SCANNING\nBUT WHEN YOU WILL PERFORM OTHER QVX "
    "FUNCTIONS!\n\nWould you like to use the very fast scanning right now?";
inline constexpr const char* kVeryFastSure = "ARE YOU SURE??";
inline constexpr const char* kVeryFastReally = "REALLY? (this is the last warning!)";
inline constexpr const char* kMissingSourceDirectory = "The specified directory doesn't exist!";
inline constexpr const char* kStopQuestion = "Do you really want to stop the process?";
inline constexpr const char* kScanCancelled = "Scansion cancelled!";

// Runs the scan of request.sourceDirectory over every game of the session,
// asking and telling through feedback and showing progress through progress
// (whose Cancel stops it). A finished run saves the game database; a
// cancelled one puts every record back as it was before the run.
ScanRunResult RunSetScan(store::Session& session, const ScanRequest& request,
                         store::UserFeedback& feedback, store::Progress& progress,
                         catalogue::MessagePump* pump = nullptr);

// The source directory the Setup page shows for the theme: the one
// remembered in the state, else the emulator's roms or samples directory.
std::string SourceDirectoryShown(const store::StateRecord& state,
                                 const store::EmulatorPaths& emulator, NeededFileKind theme);
// Remembers the box's text for the theme (LAST_DIRZIP_SELECTION or
// LAST_SAMPLESDIRZIP_SELECTION).
void RememberSourceDirectory(store::StateRecord& state, NeededFileKind theme,
                             const std::string& text);

// The optimisation question asked after a scan of another directory.
std::string OptimiseQuestion(NeededFileKind theme);

}  // namespace quorvex::sets
