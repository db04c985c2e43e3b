#include "utilities/version_history.h"

#include <unordered_map>
#include <vector>

#include "store/record_file.h"
#include "store/text_utils.h"
#include "utilities/tool_progress.h"

namespace quorvex::utilities {

VersionPlugIn PlugInVersionHistory(store::GameDatabase& games, const std::string& programDirectory,
                                   store::UserFeedback& feedback, store::Progress& progress) {
    VersionPlugIn result;
    std::optional<store::RecordFile> file =
        store::RecordFile::Open(programDirectory + kVersionListFile);
    if (!file) {
        feedback.ShowMessage(
            "The file 'Ferrick.qvx' is not located in the Quorvex Directory!\nYou need this "
            "file to import the history of the games version!",
            store::MessageIcon::Exclamation);
        return result;
    }
    result.fileFound = true;
    result.lines = store::CountRecordLines(*file);
    file->Rewind();

    // Every game of each raw name: games differing only in case all take the version.
    std::unordered_map<std::string, std::vector<int>> gamesByName;
    for (int index = 0; index < games.count(); ++index) {
        gamesByName[store::ToLowerAscii(store::TrimmedBlanks(games.Field(index, 'A')))].push_back(
            index);
    }

    ToolProgress frame(progress, "Importing data of ", result.lines);
    std::string line;
    while (store::ReadRecordLine(*file, line)) {
        const std::size_t blank = line.find(' ');
        const std::string name = store::TrimmedBlanks(std::string_view(line).substr(0, blank));
        frame.Show(name);
        const std::string version =
            blank == std::string::npos ? std::string()
                                       : store::TrimmedBlanks(std::string_view(line).substr(blank));
        // An empty version would only erase what a game already knows.
        const auto found = name.empty() || version.empty()
                               ? gamesByName.end()
                               : gamesByName.find(store::ToLowerAscii(name));
        if (found != gamesByName.end()) {
            for (const int index : found->second) {
                games.SetField(index, 'U', version);
                ++result.gamesUpdated;
            }
        }
        frame.ItemDone();
    }
    return result;
}

}  // namespace quorvex::utilities
