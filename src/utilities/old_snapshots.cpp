#include "utilities/old_snapshots.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "play/after_play.h"
#include "store/text_utils.h"
#include "utilities/tool_progress.h"

namespace quorvex::utilities {
namespace {

struct OldPicture {
    std::string folded;  // lower case, for finding a game's pictures
    std::string name;
};

bool EndsWithPcx(std::string_view folded) {
    return folded.size() >= 4 && folded.substr(folded.size() - 4) == ".pcx";
}

// The ".pcx" files of the directory in name order, listed once: a listing
// per game would read the directory tens of thousands of times.
std::vector<OldPicture> OldPictures(const std::string& directory) {
    std::vector<OldPicture> pictures;
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(directory, "*.pcx")) {
        if (!entry.isDirectory) {
            pictures.push_back({store::ToLowerAscii(entry.name), entry.name});
        }
    }
    std::sort(pictures.begin(), pictures.end(),
              [](const OldPicture& a, const OldPicture& b) { return a.folded < b.folded; });
    return pictures;
}

// The pictures whose names start with base (ignoring case), in name order.
std::vector<std::string> PicturesOf(const std::vector<OldPicture>& pictures,
                                    const std::string& base) {
    const std::string folded = store::ToLowerAscii(base);
    std::vector<std::string> names;
    auto it = std::lower_bound(
        pictures.begin(), pictures.end(), folded,
        [](const OldPicture& picture, const std::string& key) { return picture.folded < key; });
    for (; it != pictures.end() && it->folded.compare(0, folded.size(), folded) == 0; ++it) {
        if (EndsWithPcx(it->folded) && it->folded.size() >= folded.size() + 4) {
            names.push_back(it->name);
        }
    }
    // ListDirectory orders ignoring case as well; keep its order among equals.
    return names;
}

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(path), error);
}

}  // namespace

std::string OldSnapshotBaseName(std::string_view rawName) {
    const std::string name = store::TrimmedBlanks(rawName);
    if (name.size() < 4) {
        return name;
    }
    return name.substr(0, 4) + name.substr(name.size() - 2);
}

SnapshotConversion ConvertOldSnapshots(const store::Session& session,
                                       const std::string& oldDirectory, store::Progress& progress) {
    SnapshotConversion result;
    const std::string directory = platform::WithTrailingSeparator(oldDirectory);
    const std::vector<OldPicture> pictures = OldPictures(directory);
    const store::GameDatabase& games = session.games;
    ToolProgress frame(progress, "Checking ", games.count());
    for (int index = 0; index < games.count(); ++index) {
        const std::string rawName = store::TrimmedBlanks(games.Field(index, 'A'));
        frame.Show(games.Field(index, 'A'));
        const std::vector<std::string> names =
            rawName.empty() ? std::vector<std::string>()
                            : PicturesOf(pictures, OldSnapshotBaseName(rawName));
        if (!names.empty()) {
            // The renumbering closes the gaps, so new numbers follow the last one.
            const std::string& description = games[index].description;
            const std::optional<int> owner = store::FindGameByDescription(games, description);
            int number = owner == index ? play::RenumberSnapshots(session, description) : 0;
            for (const std::string& name : names) {
                std::string target;
                do {
                    target =
                        session.emulator.snapshot + rawName + play::FileNumber(number++) + ".pcx";
                } while (Exists(target));
                if (platform::CopyFileOverwriting(directory + name, target)) {
                    ++result.copied;
                } else {
                    ++result.failed;
                }
            }
        }
        frame.ItemDone();
    }
    return result;
}

}  // namespace quorvex::utilities
