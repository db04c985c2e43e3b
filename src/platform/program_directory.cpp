#include "platform/program_directory.h"

#include <cstdlib>
#include <filesystem>

#include "platform/file_system.h"
#include "platform/paths.h"

namespace quorvex::platform {

std::optional<std::string> ProcessEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

std::string ResolveProgramDirectory(const std::string& currentDirectory,
                                    const EnvironmentLookup& environment) {
    const std::string current = WithTrailingSeparator(currentDirectory);
#ifdef _WIN32
    (void)environment;
    return current;
#else
    if (IsReadableFile(current + "quorvex.qvx")) {
        return current;
    }
    std::string base;
    if (auto xdg = environment("XDG_DATA_HOME"); xdg && !xdg->empty() && (*xdg)[0] == '/') {
        base = *xdg;
    } else if (auto home = environment("HOME"); home && !home->empty()) {
        base = WithTrailingSeparator(*home) + ".local/share";
    } else {
        return current;
    }
    const std::string directory = WithTrailingSeparator(base) + "quorvex/";
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(directory), error);
    return IsDirectory(directory) ? directory : current;
#endif
}

}  // namespace quorvex::platform
