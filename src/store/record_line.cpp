#include "store/record_line.h"

namespace quorvex::store {

namespace {

constexpr std::string_view kTokenOpen = "+:";
constexpr std::string_view kTokenClose = ":+";

std::string Pattern(std::string_view key) {
    std::string pattern;
    pattern.reserve(key.size() + 3);
    pattern.append(kTokenOpen).append(key).push_back(':');
    return pattern;
}

}  // namespace

std::string_view RecordValueView(std::string_view line, std::string_view key) {
    // Searching "+:" and checking the key in place avoids building the pattern.
    std::size_t at = 0;
    while ((at = line.find(kTokenOpen, at)) != std::string_view::npos) {
        const std::size_t keyStart = at + kTokenOpen.size();
        if (line.compare(keyStart, key.size(), key) == 0 && keyStart + key.size() < line.size() &&
            line[keyStart + key.size()] == ':') {
            const std::size_t start = keyStart + key.size() + 1;
            const std::size_t end = line.find(kTokenClose, start);
            return line.substr(start, end == std::string_view::npos ? end : end - start);
        }
        ++at;
    }
    return std::string_view();
}

std::string GetRecordValue(std::string_view line, std::string_view key) {
    return std::string(RecordValueView(line, key));
}

std::size_t FindSettingsMarker(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == kSettingsMarker) {
            return i;
        }
        if (line.compare(i, kTokenOpen.size(), kTokenOpen) == 0) {
            // Skip the whole token: its value may hold the marker byte (UTF-8 text does).
            const std::size_t keyEnd = line.find(':', i + kTokenOpen.size());
            if (keyEnd != std::string_view::npos) {
                const std::size_t close = line.find(kTokenClose, keyEnd + 1);
                if (close == std::string_view::npos) {
                    return std::string_view::npos;
                }
                i = close + kTokenClose.size();
                continue;
            }
        }
        ++i;
    }
    return std::string_view::npos;
}

bool SetRecordValue(std::string& line, std::string_view key, std::string_view value,
                    bool afterMarker) {
    // A value holding "+:" would be found later as a token of its own.
    if (key.find(':') != std::string_view::npos ||
        value.find(kTokenClose) != std::string_view::npos ||
        value.find(kTokenOpen) != std::string_view::npos ||
        value.find_first_of("\r\n") != std::string_view::npos) {
        return false;
    }
    const std::string pattern = Pattern(key);
    const std::size_t at = line.find(pattern);
    if (at == std::string::npos) {
        if (value.empty()) {
            return true;
        }
        std::string token;
        token.reserve(pattern.size() + value.size() + 3);
        token.append(" ").append(pattern).append(value).append(kTokenClose);
        if (afterMarker) {
            line += token;
            return true;
        }
        const std::size_t marker = FindSettingsMarker(line);
        if (marker == std::string::npos) {
            line += token;
            line.push_back(kSettingsMarker);
        } else {
            line.insert(marker, token);
        }
        return true;
    }
    const std::size_t start = at + pattern.size();
    const std::size_t close = line.find(kTokenClose, start);
    if (value.empty()) {
        line.erase(
            at, close == std::string::npos ? std::string::npos : close + kTokenClose.size() - at);
        return true;
    }
    if (close == std::string::npos) {
        // An unclosed token ran to the end of the line; close it again.
        line.replace(start, std::string::npos, value);
        line.append(kTokenClose);
    } else {
        line.replace(start, close - start, value);
    }
    return true;
}

}  // namespace quorvex::store
