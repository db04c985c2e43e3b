#include "store/state_file.h"

#include <string_view>
#include <utility>

#include "platform/file_system.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::store {

namespace {

// The LAST_* keys in the order they are written back.
template <typename State, typename Visit>
void ForEachStateKey(State& state, Visit&& visit) {
    visit("LAST_SORT_ORDER", state.lastSortOrder);
    visit("LAST_FILTERS", state.lastFilters);
    visit("LAST_SWITCHANDOR", state.lastSwitchAndOr);
    visit("LAST_WINDOW_POSITION", state.lastWindowPosition);
    visit("LAST_WINDOW_SIZE", state.lastWindowSize);
    visit("LAST_FILTER_SUBSTRING", state.lastFilterSubstring);
    visit("LAST_GAME_SELECTION", state.lastGameSelection);
    visit("LAST_DIRZIP_SELECTION", state.lastDirZipSelection);
    visit("LAST_SAMPLESDIRZIP_SELECTION", state.lastSamplesDirZipSelection);
    visit("LAST_REPLAY_STATUS", state.lastReplayStatus);
    visit("LAST_UNIVBE_STATUS", state.lastUnivbeStatus);
    visit("LAST_UNIVBE_DIR", state.lastUnivbeDir);
    visit("LAST_SECONDI_SLIDE", state.lastSecondiSlide);
    visit("LAST_CUSTOM_INPDIR", state.lastCustomInpDir);
    visit("LAST_CONV_COMMAND_LINE", state.lastConvCommandLine);
}

}  // namespace

StateRecord LoadState(const std::string& path) {
    StateRecord state;
    std::string header;
    if (auto file = RecordFile::Open(path)) {
        ReadRecordLine(*file, header);
    }
    ForEachStateKey(
        state, [&](const char* key, std::string& field) { field = GetRecordValue(header, key); });
    if (TrimmedBlanks(state.lastConvCommandLine).empty()) {
        state.lastConvCommandLine = kDefaultConverterCommandLine;
    }
    return state;
}

bool SaveState(const std::string& path, const StateRecord& state, std::string* error) {
    std::string header;
    if (auto file = RecordFile::Open(path)) {
        ReadRecordLine(*file, header);
    }
    ForEachStateKey(state, [&](const char* key, const std::string& field) {
        // A value that cannot live in a record line (a line break, ":+") is
        // dropped rather than letting it break every key after it.
        if (!SetRecordValue(header, key, field)) {
            SetRecordValue(header, key, "");
        }
    });
    header.append(kLineEnd);
    return platform::ReplaceFileAtomically(path, header, error);
}

bool CreateStateFile(const std::string& path, const std::string& emulatorDirectory) {
    std::string header;
    if (!SetRecordValue(header, "MAME_DIR", emulatorDirectory)) {
        return false;
    }
    header.append(kLineEnd);
    return platform::ReplaceFileAtomically(path, header);
}

}  // namespace quorvex::store
