#include "info/replays.h"

#include <chrono>
#include <ctime>
#include <filesystem>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "play/after_play.h"
#include "store/text_utils.h"

namespace quorvex::info {

namespace {

constexpr std::size_t kNumberLength = 3;

}  // namespace

bool IsNumberedFileOf(std::string_view fileName, std::string_view rawName,
                      std::string_view extension) {
    if (fileName.size() != rawName.size() + kNumberLength + extension.size()) {
        return false;
    }
    return store::EqualsNoCase(fileName.substr(0, rawName.size()), rawName) &&
           store::EqualsNoCase(fileName.substr(fileName.size() - extension.size()), extension);
}

std::string FileDateText(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_time_type changed =
        std::filesystem::last_write_time(std::filesystem::path(path), error);
    if (error) {
        return std::string();
    }
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            std::chrono::file_clock::to_sys(changed)));
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return store::FormatDate(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

std::vector<ReplayFile> ListReplays(const store::EmulatorPaths& paths, std::string_view rawName) {
    std::vector<ReplayFile> replays;
    const std::string name = store::TrimmedBlanks(rawName);
    if (name.empty()) {
        return replays;
    }
    for (const platform::DirectoryEntry& entry :
         platform::ListDirectory(paths.replay, name + "*.inp")) {
        if (entry.isDirectory || !IsNumberedFileOf(entry.name, name, ".inp")) {
            continue;
        }
        const std::string path = paths.replay + entry.name;
        replays.push_back({entry.name, path, FileDateText(path)});
    }
    return replays;
}

std::string ReplayListEntry(const ReplayFile& replay) {
    return replay.name + " (" + replay.date + ")";
}

std::string CompanionPath(const std::string& replayPath, std::string_view extension) {
    const std::size_t keep = replayPath.size() >= 4 ? replayPath.size() - 4 : 0;
    return replayPath.substr(0, keep) + std::string(extension);
}

bool DeleteReplay(const store::Session& session, std::string_view description,
                  const std::string& replayPath) {
    const bool deleted = platform::RemoveFile(replayPath);
    platform::RemoveFile(CompanionPath(replayPath, ".hi"));
    platform::RemoveFile(CompanionPath(replayPath, ".cfg"));
    play::RenumberReplays(session, description);
    return deleted;
}

std::string FolderOf(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (platform::IsSeparator(path[i - 1])) {
            return std::string(path.substr(0, i));
        }
    }
    return std::string();
}

}  // namespace quorvex::info
