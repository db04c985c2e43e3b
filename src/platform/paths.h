#pragma once
// Native path spelling. Directory paths in the program end with the native
// separator; stored texts that once carried a backslash use it too.

#include <string>
#include <string_view>

namespace quorvex::platform {

#ifdef _WIN32
inline constexpr char kSeparator = '\\';
inline constexpr bool kCaseInsensitiveFileSystem = true;
#else
inline constexpr char kSeparator = '/';
inline constexpr bool kCaseInsensitiveFileSystem = false;
#endif

// The directory with exactly one trailing native separator added when missing.
std::string WithTrailingSeparator(std::string directory);

// The name of a program file on this platform: "zip" stays "zip" on POSIX and
// becomes "zip.exe" on Windows; a name already ending in ".exe" loses it on POSIX.
std::string ExecutableFileName(std::string_view baseName);

// "mame.exe" on Windows, "mame" elsewhere.
std::string EmulatorExecutableName();

// Every backslash replaced by the native separator (a no-op on Windows).
std::string ToNativeSeparators(std::string text);

// True for '/' everywhere and for '\\' as well on Windows.
bool IsSeparator(char c);

}  // namespace quorvex::platform
