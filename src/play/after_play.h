#pragma once
// What follows a play: the game's play statistics, the frame rate read from
// the emulator's console output, and filing the snapshots and replays the
// emulator produced under numbered names of the game.

#include <string>
#include <string_view>
#include <vector>

#include "store/game_database.h"
#include "store/program_paths.h"
#include "store/session.h"

namespace quorvex::play {

// A file number: "%3d" with its blanks turned into '0' ("007", "123", "1234").
std::string FileNumber(int number);

// Reads the emulator's console output. With a line holding "FPS" (any case)
// before any line holding "tested with", text is what follows that line's
// first ':', blanks cut, and the result false; today's emulator's line
// beginning "Average speed:" counts the same way. Otherwise text is the whole
// output, each line ended by a line feed, blanks cut, and the result true
// when it is not empty: an error text to show. A missing file reads as empty.
bool ReadFrameRate(const std::string& frameRateFile, std::string& text);

// Adds one play of seconds to the game: H grows by seconds, T by one, G
// becomes date, and K becomes frameRate unless that is empty.
void AddPlayStatistics(store::GameDatabase& games, int index, long seconds,
                       const std::string& frameRate, const std::string& date);

// Numbers the game's filed snapshots (snapshot directory, raw name, three
// digits, ".pcx" or ".png") 000 to n - 1 in name order, both kinds in one
// sequence, and returns n; 0 when no game has the description.
int RenumberSnapshots(const store::Session& session, std::string_view description);

// Moves every ".pcx", then every ".png" file of the pcx directory to the
// snapshot directory under the game's next numbers. Returns the number
// moved; a file whose new name is taken stays. Nothing happens when no game
// has the description.
int FileSnapshots(const store::Session& session, std::string_view description);

// The same for replays: the ".inp" files with their ".hi" and ".cfg"
// companions beside them in the replay directory.
int RenumberReplays(const store::Session& session, std::string_view description);

// Moves every ".inp" file of the inp directory, in name order, to the replay
// directory under the game's next numbers, with copies of the game's current
// ".hi" and ".cfg" files beside each (a missing one is skipped). Returns the
// number moved; nothing happens when no game has the description.
int FileReplays(const store::Session& session, std::string_view description);

// Undoes the preparations of a playback: removes the copies of the replay and
// its companions and moves the game's own ".hi" and ".cfg" (kept as ".old")
// back. replayPath is the file that was played back; when it is the inp
// directory's copy itself it stays.
void RestoreAfterPlayback(const store::EmulatorPaths& paths, std::string_view rawName,
                          const std::string& replayPath);

// The ".pcx" names in the pcx directory, taken before a play so that
// afterwards the pictures converted in it can be told from older ones.
std::vector<std::string> PcxFileNames(const store::EmulatorPaths& paths);

// Deletes each ".png" of the snap directory whose converted picture (the
// same name with ".pcx") is in the snap directory or came into the pcx
// directory during the play; a picture the converter could not convert
// stays. Returns the number deleted.
int RemoveConvertedSnapshots(const store::EmulatorPaths& paths,
                             const std::vector<std::string>& pcxBeforePlay);

}  // namespace quorvex::play
