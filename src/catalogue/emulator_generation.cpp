#include "catalogue/emulator_generation.h"

#include <filesystem>

#include "catalogue/emulator_output.h"
#include "catalogue/needed_file_cache.h"
#include "platform/paths.h"
#include "store/text_utils.h"

namespace quorvex::catalogue {

namespace {

constexpr std::string_view kTodaysBannerStart = "MAME v";

std::string_view FirstLine(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    return end == std::string_view::npos ? text : text.substr(0, end);
}

}  // namespace

EmulatorGeneration GenerationFromBanner(std::string_view helpOutput) {
    return FirstLine(helpOutput).substr(0, kTodaysBannerStart.size()) == kTodaysBannerStart
               ? EmulatorGeneration::Today
               : EmulatorGeneration::DosEra;
}

std::string VersionFromBanner(std::string_view helpOutput) {
    if (GenerationFromBanner(helpOutput) == EmulatorGeneration::DosEra) {
        return ParseVersion(helpOutput);
    }
    std::string_view line = FirstLine(helpOutput);
    line.remove_prefix(kTodaysBannerStart.size() - 1);
    const std::size_t end = line.find(" (");
    return store::TrimmedBlanks(line.substr(0, end));
}

std::string EmulatorStamp(const std::string& emulatorDirectory) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path executable = fs::path(emulatorDirectory) / platform::EmulatorExecutableName();
    const auto size = fs::file_size(executable, error);
    if (error) {
        return {};
    }
    const auto modified = fs::last_write_time(executable, error);
    if (error) {
        return {};
    }
    return std::to_string(size) + "-" +
           std::to_string(modified.time_since_epoch().count());
}

EmulatorGeneration CurrentGeneration(const std::string& programDirectory,
                                     const std::string& emulatorDirectory) {
    const std::string stamp = EmulatorStamp(emulatorDirectory);
    const NeededFileCacheHeader header =
        ReadNeededFileCacheHeader(NeededFileCachePath(programDirectory));
    return !stamp.empty() && header.stamp == stamp ? EmulatorGeneration::Today
                                                   : EmulatorGeneration::DosEra;
}

std::optional<NeededFileCache> TodaysNeededFileCache(const std::string& programDirectory,
                                                     const std::string& emulatorDirectory) {
    if (CurrentGeneration(programDirectory, emulatorDirectory) != EmulatorGeneration::Today) {
        return std::nullopt;
    }
    return NeededFileCache::Load(NeededFileCachePath(programDirectory));
}

}  // namespace quorvex::catalogue
