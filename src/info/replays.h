#pragma once
// The replays of a game: the input recordings filed in the replay directory
// as raw name, three characters and ".inp", each with its ".hi" and ".cfg"
// companions.

#include <string>
#include <string_view>
#include <vector>

#include "store/program_paths.h"
#include "store/session.h"

namespace quorvex::info {

// True when fileName is rawName, exactly three more characters and
// extension (".inp", ".pcx", ...), letter case ignored: the names under
// which a game's replays and snapshots are filed.
bool IsNumberedFileOf(std::string_view fileName, std::string_view rawName,
                      std::string_view extension);

// The date text of the file's last change (its recording, for a filed
// replay); empty when the file cannot be examined.
std::string FileDateText(const std::string& path);

struct ReplayFile {
    std::string name;  // bare file name
    std::string path;
    std::string date;  // date text
};

// The game's replays in name order.
std::vector<ReplayFile> ListReplays(const store::EmulatorPaths& paths, std::string_view rawName);

// The list entry: the file name, then the date in brackets.
std::string ReplayListEntry(const ReplayFile& replay);

// The path with its last four characters (".inp") replaced by extension.
std::string CompanionPath(const std::string& replayPath, std::string_view extension);

// Deletes the replay with its ".hi" and ".cfg" companions (missing ones are
// no error) and numbers the game's remaining replays again. False when the
// replay itself could not be deleted.
bool DeleteReplay(const store::Session& session, std::string_view description,
                  const std::string& replayPath);

// The folder of a picked file: its path up to and including the last separator.
std::string FolderOf(std::string_view path);

}  // namespace quorvex::info
