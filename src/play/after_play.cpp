#include "play/after_play.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/file_system.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::play {

namespace {

constexpr std::size_t kNumberLength = 3;
constexpr std::size_t kExtensionLength = 4;  // ".pcx", ".png", ".inp"
constexpr std::string_view kAverageSpeed = "Average speed:";

// The raw name under which the game's files are filed; empty when no game
// has the description, so that nothing is filed under another game.
std::string RawNameOf(const store::Session& session, std::string_view description) {
    const std::optional<int> index = store::FindGameByDescription(session.games, description);
    if (!index) {
        return std::string();
    }
    return store::TrimmedBlanks(session.games.Field(*index, 'A'));
}

// The game's filed files in directory: raw name, three characters, extension.
// Any three characters count, so that a file such as "<raw name>abc" joins
// the numbering instead of blocking a number; longer names are other games'.
std::vector<std::string> NumberedFiles(const std::string& directory, const std::string& rawName,
                                       const std::string& extension) {
    std::vector<std::string> files;
    for (const platform::DirectoryEntry& entry :
         platform::ListDirectory(directory, rawName + "*" + extension)) {
        if (entry.isDirectory ||
            entry.name.size() != rawName.size() + kNumberLength + kExtensionLength) {
            continue;
        }
        files.push_back(directory + entry.name);
    }
    return files;
}

// The path without its number and extension.
std::string NumberBase(const std::string& path) {
    return path.substr(0, path.size() - kNumberLength - kExtensionLength);
}

std::string WithExtension(const std::string& path, std::string_view extension) {
    return path.substr(0, path.size() - kExtensionLength) + std::string(extension);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           store::EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace

std::string FileNumber(int number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%3d", number);
    std::string text(buffer);
    std::replace(text.begin(), text.end(), ' ', '0');
    return text;
}

bool ReadFrameRate(const std::string& frameRateFile, std::string& text) {
    text.clear();
    std::optional<store::RecordFile> file = store::RecordFile::Open(frameRateFile);
    if (!file) {
        return false;
    }
    std::string line;
    while (store::ReadRecordLine(*file, line)) {
        if (store::FindTextNoCase("FPS", line) != 0) {
            const std::size_t colon = line.find(':');
            if (colon != std::string::npos) {
                text = store::TrimmedBlanks(std::string_view(line).substr(colon + 1));
            }
            return false;
        }
        // Today's emulator ends a play with "Average speed: 99.83% (1 seconds)".
        if (line.rfind(kAverageSpeed, 0) == 0) {
            text = store::TrimmedBlanks(std::string_view(line).substr(kAverageSpeed.size()));
            return false;
        }
        if (store::FindTextNoCase("tested with", line) != 0) {
            break;
        }
    }
    file->Rewind();
    std::string output;
    while (store::ReadRecordLine(*file, line)) {
        output += line;
        output += '\n';
    }
    text = store::TrimmedBlanks(output);
    // Nothing but empty lines is no message worth a box.
    if (text.find_first_not_of(" \n") == std::string::npos) {
        text.clear();
    }
    return !text.empty();
}

void AddPlayStatistics(store::GameDatabase& games, int index, long seconds,
                       const std::string& frameRate, const std::string& date) {
    const long playingTime = store::ParseLeadingNumber(games.Field(index, 'H')) + seconds;
    games.SetField(index, 'H', std::to_string(playingTime));
    if (!frameRate.empty()) {
        games.SetField(index, 'K', frameRate);
    }
    const long launched = store::ParseLeadingNumber(games.Field(index, 'T')) + 1;
    games.SetField(index, 'T', std::to_string(launched));
    games.SetField(index, 'G', date);
}

// Today's emulator writes PNG pictures; they share one numbering with the PCX ones.
constexpr const char* kSnapshotExtensions[] = {".pcx", ".png"};

int RenumberSnapshots(const store::Session& session, std::string_view description) {
    const std::string rawName = RawNameOf(session, description);
    if (rawName.empty()) {
        return 0;
    }
    std::vector<std::string> files;
    for (const char* extension : kSnapshotExtensions) {
        const std::vector<std::string> found =
            NumberedFiles(session.emulator.snapshot, rawName, extension);
        files.insert(files.end(), found.begin(), found.end());
    }
    std::stable_sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return a.substr(0, a.size() - kExtensionLength) < b.substr(0, b.size() - kExtensionLength);
    });
    // Through a temporary extension, so an old number never meets a new one;
    // each kind keeps a temporary extension of its own to come back to.
    std::vector<std::pair<std::string, std::string>> moved(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const bool png = EndsWithNoCase(files[i], ".png");
        const std::string temporary =
            NumberBase(files[i]) + FileNumber(static_cast<int>(i)) + (png ? ".pnc" : ".pcc");
        if (platform::MoveFileNoOverwrite(files[i], temporary)) {
            moved[i] = {temporary, png ? ".png" : ".pcx"};
        }
    }
    for (const auto& [temporary, extension] : moved) {
        if (!temporary.empty()) {
            platform::MoveFileNoOverwrite(temporary, WithExtension(temporary, extension));
        }
    }
    return static_cast<int>(files.size());
}

int FileSnapshots(const store::Session& session, std::string_view description) {
    const std::string rawName = RawNameOf(session, description);
    if (rawName.empty()) {
        return 0;
    }
    const int first = RenumberSnapshots(session, description);
    std::vector<std::string> waiting;
    for (const char* extension : kSnapshotExtensions) {
        for (const platform::DirectoryEntry& entry :
             platform::ListDirectory(session.emulator.pcx, std::string("*") + extension)) {
            if (!entry.isDirectory) {
                waiting.push_back(entry.name);
            }
        }
    }
    int filed = 0;
    int k = 0;
    for (const std::string& name : waiting) {
        const std::string extension = name.substr(name.size() - kExtensionLength);
        const std::string target = session.emulator.snapshot + rawName + FileNumber(first + k) +
                                   store::ToLowerAscii(extension);
        filed += platform::MoveFileNoOverwrite(session.emulator.pcx + name, target) ? 1 : 0;
        ++k;
    }
    return filed;
}

int RenumberReplays(const store::Session& session, std::string_view description) {
    const std::string rawName = RawNameOf(session, description);
    if (rawName.empty()) {
        return 0;
    }
    const std::vector<std::string> files = NumberedFiles(session.emulator.replay, rawName, ".inp");
    struct Renamed {
        std::string base;
        bool replay = false;
        bool highScores = false;
        bool configuration = false;
    };
    std::vector<Renamed> renamed(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        Renamed& r = renamed[i];
        r.base = NumberBase(files[i]) + FileNumber(static_cast<int>(i));
        r.replay = platform::MoveFileNoOverwrite(files[i], r.base + ".pcc");
        const std::string highScores = WithExtension(files[i], ".hi");
        if (platform::IsReadableFile(highScores)) {
            r.highScores = platform::MoveFileNoOverwrite(highScores, r.base + ".phi");
        }
        const std::string configuration = WithExtension(files[i], ".cfg");
        if (platform::IsReadableFile(configuration)) {
            r.configuration = platform::MoveFileNoOverwrite(configuration, r.base + ".pfg");
        }
    }
    for (const Renamed& r : renamed) {
        if (r.replay) {
            platform::MoveFileNoOverwrite(r.base + ".pcc", r.base + ".inp");
        }
        if (r.highScores) {
            platform::MoveFileNoOverwrite(r.base + ".phi", r.base + ".hi");
        }
        if (r.configuration) {
            platform::MoveFileNoOverwrite(r.base + ".pfg", r.base + ".cfg");
        }
    }
    return static_cast<int>(files.size());
}

int FileReplays(const store::Session& session, std::string_view description) {
    const std::string rawName = RawNameOf(session, description);
    if (rawName.empty()) {
        return 0;
    }
    const store::EmulatorPaths& paths = session.emulator;
    const int first = RenumberReplays(session, description);
    int filed = 0;
    int k = 0;
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(paths.inp, "*.inp")) {
        if (entry.isDirectory) {
            continue;
        }
        const std::string base = paths.replay + rawName + FileNumber(first + k);
        ++k;
        if (!platform::MoveFileNoOverwrite(paths.inp + entry.name, base + ".inp")) {
            continue;
        }
        ++filed;
        const std::string highScores = paths.hi + rawName + ".hi";
        if (platform::IsReadableFile(highScores)) {
            platform::CopyFileOverwriting(highScores, base + ".hi");
        }
        const std::string configuration = paths.cfg + rawName + ".cfg";
        if (platform::IsReadableFile(configuration)) {
            platform::CopyFileOverwriting(configuration, base + ".cfg");
        }
    }
    return filed;
}

void RestoreAfterPlayback(const store::EmulatorPaths& paths, std::string_view rawName,
                          const std::string& replayPath) {
    const std::string name(rawName);
    const std::string copy = paths.inp + name + ".inp";
    // A replay picked from the inp directory itself was played in place: it is the user's.
    std::error_code error;
    if (!std::filesystem::equivalent(std::filesystem::path(copy), std::filesystem::path(replayPath),
                                     error)) {
        platform::RemoveFile(copy);
    }
    platform::RemoveFile(paths.hi + name + ".hi");
    platform::RemoveFile(paths.cfg + name + ".cfg");
    platform::MoveFileNoOverwrite(paths.hi + name + ".old", paths.hi + name + ".hi");
    platform::MoveFileNoOverwrite(paths.cfg + name + ".old", paths.cfg + name + ".cfg");
}

std::vector<std::string> PcxFileNames(const store::EmulatorPaths& paths) {
    std::vector<std::string> names;
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(paths.pcx, "*.pcx")) {
        if (!entry.isDirectory) {
            names.push_back(entry.name);
        }
    }
    return names;
}

int RemoveConvertedSnapshots(const store::EmulatorPaths& paths,
                             const std::vector<std::string>& pcxBeforePlay) {
    const std::vector<std::string> pcxNow = PcxFileNames(paths);
    auto isNew = [&](const std::string& name) {
        for (const std::string& old : pcxBeforePlay) {
            if (store::EqualsNoCase(old, name)) {
                return false;
            }
        }
        for (const std::string& now : pcxNow) {
            if (store::EqualsNoCase(now, name)) {
                return true;
            }
        }
        return false;
    };
    int removed = 0;
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(paths.snap, "*.png")) {
        if (entry.isDirectory || !EndsWithNoCase(entry.name, ".png")) {
            continue;
        }
        const std::string converted = WithExtension(entry.name, ".pcx");
        bool found = isNew(converted);
        for (const platform::DirectoryEntry& other :
             platform::ListDirectory(paths.snap, converted)) {
            found = found || !other.isDirectory;
        }
        if (found && platform::RemoveFile(paths.snap + entry.name)) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace quorvex::play
