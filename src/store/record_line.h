#pragma once
// The record-line format shared by every data file: a line is a loose run of
// "+:" key ":" value ":+" tokens found by searching, and the settings marker
// (byte 0xA7) separates a game's field tokens from its setting values.

#include <string>
#include <string_view>

namespace quorvex::store {

inline constexpr char kSettingsMarker = '\xA7';
inline constexpr std::string_view kLineEnd = "\r\n";

// The value of key in line; empty when the token is absent or empty.
std::string GetRecordValue(std::string_view line, std::string_view key);
// The same without a copy: a view into line.
std::string_view RecordValueView(std::string_view line, std::string_view key);

// Sets key to value in line. An empty value removes the token. A new token
// goes in front of the first settings marker (one is appended when the line
// has none), or at the very end when afterMarker is set. A marker byte inside
// a token's value is part of that value, not a marker. False, with the line
// unchanged, when the key or value cannot be stored (a key with a colon, a
// value holding ":+", "+:", a CR or an LF).
bool SetRecordValue(std::string& line, std::string_view key, std::string_view value,
                    bool afterMarker = false);

// Position of the first settings marker that stands outside every token, or npos.
std::size_t FindSettingsMarker(std::string_view line);

}  // namespace quorvex::store
