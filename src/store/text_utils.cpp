#include "store/text_utils.h"

#include <array>
#include <ctime>

#include "platform/file_system.h"
#include "platform/paths.h"

namespace quorvex::store {

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Day of the week of a Gregorian date, 0 = Sunday (Sakamoto's method).
int Weekday(int day, int month, int year) {
    static constexpr std::array<int, 12> offsets = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) {
        year -= 1;
    }
    const int weekday = (year + year / 4 - year / 100 + year / 400 +
                         offsets[static_cast<std::size_t>(month - 1)] + day) %
                        7;
    return weekday < 0 ? weekday + 7 : weekday;
}

}  // namespace

void TrimBlanks(std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    const std::size_t last = text.find_last_not_of(' ');
    text = text.substr(first, last - first + 1);
}

std::string TrimmedBlanks(std::string_view text) {
    std::string copy(text);
    TrimBlanks(copy);
    return copy;
}

std::size_t FindText(std::string_view needle, std::string_view haystack) {
    const std::size_t at = haystack.find(needle);
    return at == std::string_view::npos ? 0 : at + 1;
}

std::size_t FindTextNoCase(std::string_view needle, std::string_view haystack) {
    return FindText(ToLowerAscii(needle), ToLowerAscii(haystack));
}

void ReplaceChar(char from, char to, std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == from) {
            if (to == '\0') {
                text.resize(i);
                return;
            }
            text[i] = to;
        }
    }
}

void ReplaceAll(std::string_view pattern, std::string_view replacement, std::string& text,
                std::size_t maximumLength) {
    if (pattern.empty() || text.size() < pattern.size()) {
        return;
    }
    std::size_t at = 0;
    while ((at = text.find(pattern, at)) != std::string::npos) {
        if (replacement.size() > pattern.size() &&
            text.size() - pattern.size() + replacement.size() > maximumLength) {
            at += pattern.size();
            continue;
        }
        text.replace(at, pattern.size(), replacement);
        at += replacement.size();
    }
}

std::string FileNamePart(std::string_view path) {
    const std::size_t at = path.find_last_of("\\/");
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

std::uintmax_t FileSize(const std::string& path) {
    return platform::IsReadableFile(path) ? platform::FileLengthOf(path) : 0;
}

bool DirectoryExists(const std::string& path) {
    return platform::IsDirectory(path);
}

void RemoveDirectoryWithFiles(const std::string& path) {
    const std::string directory = platform::WithTrailingSeparator(path);
    for (const auto& entry : platform::ListDirectory(directory, "*")) {
        if (!entry.isDirectory) {
            platform::RemoveFile(directory + entry.name);
        }
    }
    platform::RemoveEmptyDirectory(path);
}

std::string FormatDate(int day, int month, int year) {
    static constexpr std::array<const char*, 7> weekdays = {"Sun", "Mon", "Tue", "Wed",
                                                            "Thu", "Fri", "Sat"};
    static constexpr std::array<const char*, 12> months = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return std::string();
    }
    char text[32];
    std::snprintf(text, sizeof text, "%s %2d %s %4d",
                  weekdays[static_cast<std::size_t>(Weekday(day, month, year))], day,
                  months[static_cast<std::size_t>(month - 1)], year);
    return text;
}

std::string CurrentDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return FormatDate(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

std::string ToLowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = LowerAscii(c);
    }
    return lower;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvex::store
