#pragma once
// The snapshots of a game: pictures filed in the snapshot directory as raw
// name, three characters and ".pcx" (the older emulators' snapshots) or
// ".png" (today's), in one numbered sequence; and the rules of the page that
// shows them one by one or as a slideshow.

#include <string>
#include <string_view>
#include <vector>

#include "store/program_paths.h"
#include "store/session.h"

namespace quorvex::info {

// Full paths of the game's snapshots, in name order, both kinds together.
// As many as there are: the table grows.
std::vector<std::string> ListSnapshots(const store::EmulatorPaths& paths, std::string_view rawName);

// The frame caption: " Preview picture <index + 1>/<count> ", or the F12
// hint when there is no picture.
std::string SnapshotCaption(int index, int count);

// Which buttons the page shows.
struct SnapshotButtons {
    bool previousNext = false;
    bool remove = false;
    bool slideshow = false;
};
SnapshotButtons SnapshotButtonsFor(bool slideshowRunning, int count);

// The picture before and after index, wrapping round at the ends.
int PreviousSnapshot(int index, int count);
int NextSnapshot(int index, int count);

// The slideshow delay in milliseconds from LAST_SECONDI_SLIDE: its leading
// number; "1000" stands for a value that is missing, 0 or not a number.
inline constexpr const char* kDefaultSlideDelay = "1000";
int SlideshowDelay(std::string_view stateValue);

// Deletes the snapshot file and numbers the game's remaining snapshots
// again. False when the file could not be deleted.
bool DeleteSnapshot(const store::Session& session, std::string_view description,
                    const std::string& path);

}  // namespace quorvex::info
