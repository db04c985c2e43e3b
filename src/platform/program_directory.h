#pragma once
// Where the program keeps its data files.

#include <functional>
#include <optional>
#include <string>

namespace quorvex::platform {

using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// The process environment.
std::optional<std::string> ProcessEnvironment(const char* name);

// On Windows the current directory. Elsewhere the current directory when it
// already holds "quorvex.qvx" (a portable install), otherwise
// $XDG_DATA_HOME/quorvex/ (default ~/.local/share/quorvex/), created when
// missing. The result ends with the native separator.
std::string ResolveProgramDirectory(const std::string& currentDirectory,
                                    const EnvironmentLookup& environment = ProcessEnvironment);

}  // namespace quorvex::platform
