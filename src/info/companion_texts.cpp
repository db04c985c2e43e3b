#include "info/companion_texts.h"

#include <cstring>
#include <optional>

#include "store/text_utils.h"

namespace quorvex::info {

namespace {

constexpr std::string_view kEntryStart = "$info=";

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           store::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// The raw name the entry is filed under: the parent's for a clone whose
// parent is known, the game's own otherwise.
std::optional<std::string> KeyRawName(const store::GameDatabase& games,
                                      std::string_view description) {
    const std::optional<int> game = store::FindGameByDescription(games, description);
    if (!game) {
        return std::nullopt;
    }
    const std::string parent = games.Field(*game, 'F');
    if (!parent.empty()) {
        for (int index = 0; index < games.count(); ++index) {
            if (store::EqualsNoCase(games.Field(index, 'A'), parent)) {
                return parent;
            }
        }
    }
    return games.Field(*game, 'A');
}

// Start of the line holding the first "$info=<name>" or "$info= <name>".
// Every match begins with '$', so only those bytes are tested: the same
// answer as testing each line, without touching most of the image twice.
std::optional<std::size_t> FindEntryLine(std::string_view image, std::string_view rawName) {
    const std::string tight = std::string(kEntryStart) + std::string(rawName);
    const std::string spaced = std::string(kEntryStart) + " " + std::string(rawName);
    std::size_t at = 0;
    while (at < image.size()) {
        const void* found = std::memchr(image.data() + at, '$', image.size() - at);
        if (found == nullptr) {
            return std::nullopt;
        }
        at = static_cast<std::size_t>(static_cast<const char*>(found) - image.data());
        const std::string_view rest = image.substr(at);
        if (StartsWithNoCase(rest, tight) || StartsWithNoCase(rest, spaced)) {
            const std::size_t lineFeed = image.rfind('\n', at);
            return lineFeed == std::string_view::npos ? 0 : lineFeed + 1;
        }
        ++at;
    }
    return std::nullopt;
}

// Reads the line at position and moves position behind its line feed. The
// carriage return before the line feed is not part of the line.
std::string_view NextLine(std::string_view image, std::size_t& position) {
    const std::size_t lineFeed = image.find('\n', position);
    const std::size_t end = lineFeed == std::string_view::npos ? image.size() : lineFeed;
    std::string_view line = image.substr(position, end - position);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    position = lineFeed == std::string_view::npos ? image.size() : lineFeed + 1;
    return line;
}

bool IsMarkup(std::string_view line) {
    return StartsWith(line, "$") || StartsWith(line, "_") || StartsWith(line, "#") || line == "-" ||
           StartsWith(line, "Mfg.") || StartsWith(line, "Year") || StartsWith(line, "Format");
}

std::string EntryText(std::string_view image, std::size_t entryLine) {
    std::size_t position = entryLine;
    NextLine(image, position);  // the "$info=" line itself
    std::string text;
    bool header = true;
    // Runs of empty lines become one, and only between shown lines, so that
    // paragraphs stay apart and no more empty lines appear than the file has.
    bool emptyPending = false;
    while (position < image.size()) {
        const std::string_view line = NextLine(image, position);
        if (IsMarkup(line)) {
            header = StartsWith(line, "$info");
        } else if (line.empty()) {
            emptyPending = !text.empty() && !header;
        } else if (!header) {
            if (emptyPending) {
                text += "\r\n";
                emptyPending = false;
            }
            text += line;
            text += "\r\n";
        }
        if (store::FindTextNoCase("$end", line) != 0) {
            break;
        }
    }
    return text;
}

}  // namespace

std::string MissingFileMessage(CompanionFile file) {
    return file == CompanionFile::History
               ? "File 'history.dat' not found! Download it from the official Mame page!"
               : "File 'mameinfo.fat' not found! Download it from the official Mame page!";
}

std::string MissingEntryMessage(CompanionFile file) {
    return file == CompanionFile::History
               ? "No history found! Try to download the latest file 'history.dat' from the "
                 "official Mame page!"
               : "This game seems to work PERFECTLY!";
}

std::string CompanionEntryText(CompanionFile file, std::string_view image,
                               const store::GameDatabase& games, std::string_view description) {
    // The image ends at its first zero byte, as the file buffer always did.
    image = image.substr(0, image.find('\0'));
    if (image.empty()) {
        return MissingFileMessage(file);
    }
    // A description that is no game (the games list's "No games found!")
    // has no entry; an empty name would match the first entry of the file.
    const std::optional<std::string> rawName = KeyRawName(games, description);
    if (!rawName || rawName->empty()) {
        return MissingEntryMessage(file);
    }
    const std::optional<std::size_t> entry = FindEntryLine(image, *rawName);
    if (!entry) {
        return MissingEntryMessage(file);
    }
    return EntryText(image, *entry);
}

std::string HotKeysText() {
    static constexpr const char* kKeys[][2] = {
        {"[Tab]", "Toggles the configuration menu"},
        {"[Tilde]", "Toggles the On Screen Display"},
        {"[P]", "Pause"},
        {"[Shift+P]", "While paused, advance to next frame"},
        {"[F3]", "Reset"},
        {"[F4]", "Show the game graphics."},
        {"[F9]", "Change frame skip on the fly"},
        {"[F10]", "Toggle speed throttling"},
        {"[F11]", "Toggle speed display"},
        {"[Shift+F11]", "Toggle profiler display"},
        {"[F12]", "Save a screen snapshot."},
        {"[ESC]", "Exit emulator"},
    };
    std::string text;
    for (const auto& key : kKeys) {
        text += key[0];
        text += "\r\n";
        text += key[1];
        text += "\r\n\r\n";
    }
    return text;
}

}  // namespace quorvex::info
