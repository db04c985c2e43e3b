#pragma once
// Small text and file helpers shared by the whole program. Texts are raw
// 8-bit bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex::store {

// Removes leading and trailing blanks (the space character only).
void TrimBlanks(std::string& text);
std::string TrimmedBlanks(std::string_view text);
// 1-based position of the first occurrence of needle, 0 when absent.
std::size_t FindText(std::string_view needle, std::string_view haystack);
// The same ignoring ASCII letter case.
std::size_t FindTextNoCase(std::string_view needle, std::string_view haystack);
// Replaces every from by to; replacing by '\0' cuts the text at the first from.
void ReplaceChar(char from, char to, std::string& text);
// Replaces every pattern from left to right. The scan goes on behind the
// inserted text, or at the same place when the replacement is empty (so
// removing pairs of blanks removes them repeatedly). A replacement longer
// than the pattern is made only while the text stays within maximumLength.
void ReplaceAll(std::string_view pattern, std::string_view replacement, std::string& text,
                std::size_t maximumLength);
// The text after the last path separator, or the whole path.
std::string FileNamePart(std::string_view path);
// Size of the named file in bytes, 0 when it cannot be opened.
std::uintmax_t FileSize(const std::string& path);
bool DirectoryExists(const std::string& path);
// Deletes every file in the directory, then the directory (errors ignored).
void RemoveDirectoryWithFiles(const std::string& path);

// The date text: weekday, day "%2d", month, year "%4d", separated by blanks,
// for example "Sat  5 Dec 2026". The weekday is that of the date itself.
std::string FormatDate(int day, int month, int year);
// Today's date, local time, as FormatDate writes it.
std::string CurrentDate();

std::string ToLowerAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace quorvex::store
