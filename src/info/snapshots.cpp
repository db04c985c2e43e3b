#include "info/snapshots.h"

#include <algorithm>
#include <cstdio>

#include "info/replays.h"
#include "platform/file_system.h"
#include "play/after_play.h"
#include "store/record_file.h"
#include "store/text_utils.h"

namespace quorvex::info {

std::vector<std::string> ListSnapshots(const store::EmulatorPaths& paths,
                                       std::string_view rawName) {
    const std::string name = store::TrimmedBlanks(rawName);
    std::vector<std::string> names;
    if (name.empty()) {
        return names;
    }
    for (const std::string_view extension : {".pcx", ".png"}) {
        for (const platform::DirectoryEntry& entry :
             platform::ListDirectory(paths.snapshot, name + "*" + std::string(extension))) {
            if (!entry.isDirectory && IsNumberedFileOf(entry.name, name, extension)) {
                names.push_back(entry.name);
            }
        }
    }
    // Both kinds share one sequence of numbers: show them in its order.
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return store::ToLowerAscii(a) < store::ToLowerAscii(b);
    });
    std::vector<std::string> files;
    files.reserve(names.size());
    for (const std::string& file : names) {
        files.push_back(paths.snapshot + file);
    }
    return files;
}

std::string SnapshotCaption(int index, int count) {
    if (count <= 0) {
        return " Just press 'F12' while playing mame-games! ";
    }
    char text[64];
    std::snprintf(text, sizeof text, " Preview picture %d/%d ", index + 1, count);
    return text;
}

SnapshotButtons SnapshotButtonsFor(bool slideshowRunning, int count) {
    SnapshotButtons buttons;
    if (count <= 0) {
        return buttons;
    }
    if (slideshowRunning) {
        buttons.slideshow = true;
        return buttons;
    }
    buttons.remove = true;
    buttons.previousNext = count >= 2;
    buttons.slideshow = count >= 2;
    return buttons;
}

int PreviousSnapshot(int index, int count) {
    if (count <= 0) {
        return 0;
    }
    return index <= 0 ? count - 1 : std::min(index, count) - 1;
}

int NextSnapshot(int index, int count) {
    if (count <= 0) {
        return 0;
    }
    return index + 1 >= count ? 0 : std::max(index, -1) + 1;
}

int SlideshowDelay(std::string_view stateValue) {
    const long delay = store::ParseLeadingNumber(stateValue);
    if (delay <= 0) {
        return 1000;
    }
    return static_cast<int>(std::min<long>(delay, 24L * 60 * 60 * 1000));
}

bool DeleteSnapshot(const store::Session& session, std::string_view description,
                    const std::string& path) {
    const bool deleted = platform::RemoveFile(path);
    play::RenumberSnapshots(session, description);
    return deleted;
}

}  // namespace quorvex::info
