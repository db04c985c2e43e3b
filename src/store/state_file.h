#pragma once
// The state file "quorvex.qvx": one header line that holds the emulator
// directory, the emulator version and the last state of the user interface.

#include <string>

namespace quorvex::store {

inline constexpr const char* kDefaultConverterCommandLine = "nconvert -s14 -C2 *.*";

struct StateRecord {
    std::string lastSortOrder;
    std::string lastFilters;
    std::string lastSwitchAndOr;
    std::string lastWindowPosition;
    std::string lastWindowSize;  // width and height, "%d.%d"; older files lack it
    std::string lastFilterSubstring;
    std::string lastGameSelection;
    std::string lastDirZipSelection;
    std::string lastSamplesDirZipSelection;
    std::string lastReplayStatus;
    std::string lastUnivbeStatus;
    std::string lastUnivbeDir;
    std::string lastSecondiSlide;
    std::string lastCustomInpDir;
    std::string lastConvCommandLine;
};

// The LAST_* values of the state file; the converter command line gets its
// default when it is empty or only blanks.
StateRecord LoadState(const std::string& path);
// Writes every LAST_* value into line 1 of the state file (an empty value
// removes its token); MAME_DIR, MAME_ACTUAL_VERSION and any other key stay.
bool SaveState(const std::string& path, const StateRecord& state, std::string* error = nullptr);
// The first state line: a blank, the MAME_DIR token, a settings marker, CR LF.
bool CreateStateFile(const std::string& path, const std::string& emulatorDirectory);

}  // namespace quorvex::store
