#include "info/cheats.h"

#include <algorithm>
#include <filesystem>

#include "platform/file_system.h"
#include "store/text_utils.h"

namespace quorvex::info {

namespace {

constexpr int kFieldCount = 6;
constexpr std::string_view kLineEnd = "\r\n";

std::string WithoutLineBreaks(std::string_view field) {
    std::string text(field);
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

CheatEdit Failed(std::string message) {
    return {false, std::move(message)};
}

CheatEdit Rewrite(const std::string& path, std::string_view bytes) {
    std::string error;
    if (!WriteCheatFile(path, bytes, error)) {
        return Failed("Cheat.dat could not be written, it is left as it was:\n" + error);
    }
    return {true, {}};
}

// The edits that change lines need the file as it stands.
std::optional<std::string> ExistingBytes(const std::string& path, CheatEdit& failure) {
    CheatFile file = ReadCheatFile(path);
    if (!file.exists) {
        failure = Failed("Cheat.dat not found!");
    } else if (!file.bytes) {
        failure = Failed("Cheat.dat could not be read:\n" + path);
    }
    return std::move(file.bytes);
}

}  // namespace

std::vector<std::string_view> CheatFileLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = next;
    }
    return lines;
}

std::optional<std::string> CheatGameOf(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    return store::ToLowerAscii(line.substr(0, colon));
}

Cheat SplitCheatLine(std::string_view line) {
    Cheat cheat;
    cheat.line = std::string(line);
    std::string* fields[kFieldCount] = {&cheat.game, &cheat.cpu,  &cheat.address,
                                        &cheat.data, &cheat.type, &cheat.description};
    std::string_view rest = line;
    for (int i = 0; i < kFieldCount; ++i) {
        const std::size_t colon = i + 1 < kFieldCount ? rest.find(':') : std::string_view::npos;
        if (colon == std::string_view::npos) {
            *fields[i] = std::string(rest);
            break;
        }
        *fields[i] = std::string(rest.substr(0, colon));
        rest.remove_prefix(colon + 1);
    }
    return cheat;
}

std::string CheatListText(std::string_view line) {
    const std::size_t colon = line.rfind(':');
    return store::ToLowerAscii(colon == std::string_view::npos ? line : line.substr(colon + 1));
}

std::vector<Cheat> CheatsOf(std::string_view bytes, std::string_view rawName) {
    const std::string wanted = store::ToLowerAscii(rawName);
    std::vector<Cheat> cheats;
    for (const std::string_view line : CheatFileLines(bytes)) {
        const std::optional<std::string> game = CheatGameOf(line);
        if (game && *game == wanted) {
            cheats.push_back(SplitCheatLine(line));
        }
    }
    return cheats;
}

std::string CheatLine(std::string_view rawName, std::string_view cpu, std::string_view address,
                      std::string_view data, std::string_view type, std::string_view description) {
    std::string line = WithoutLineBreaks(store::ToLowerAscii(rawName));
    for (const std::string_view field : {cpu, address, data, type, description}) {
        line += ':';
        line += WithoutLineBreaks(field);
    }
    return line;
}

std::string AppendCheatLine(std::string_view bytes, std::string_view line) {
    std::string result(bytes);
    // A last line cut after its CR only lacks the LF: another CR would
    // become part of that line.
    if (!result.empty() && result.back() == '\r') {
        result += '\n';
    } else if (!result.empty() && result.back() != '\n') {
        result += kLineEnd;
    }
    result += line;
    result += kLineEnd;
    return result;
}

std::string ReplaceCheatLines(std::string_view bytes, std::string_view oldLine,
                              const std::optional<std::string>& newLine) {
    std::string result;
    result.reserve(bytes.size() + kLineEnd.size());
    for (const std::string_view line : CheatFileLines(bytes)) {
        if (!store::EqualsNoCase(line, oldLine)) {
            result += line;
        } else if (newLine) {
            result += *newLine;
        } else {
            continue;
        }
        result += kLineEnd;
    }
    return result;
}

CheatFile ReadCheatFile(const std::string& path) {
    CheatFile file;
    std::error_code error;
    // A file that is there but cannot be read must not be taken for a missing one.
    file.exists = std::filesystem::exists(std::filesystem::path(path), error);
    if (file.exists && !platform::IsDirectory(path)) {
        file.bytes = platform::ReadFileBytes(path);
    }
    return file;
}

bool WriteCheatFile(const std::string& path, std::string_view bytes, std::string& error) {
    if (!platform::ReplaceFileAtomically(path, bytes, &error)) {
        return false;
    }
    const std::optional<std::string> back = platform::ReadFileBytes(path);
    if (!back || *back != bytes) {
        error = "what was written to " + path + " does not read back the same";
        return false;
    }
    return true;
}

CheatListing ListCheats(const std::string& path, std::string_view rawName) {
    CheatListing listing;
    const CheatFile file = ReadCheatFile(path);
    listing.fileFound = file.exists;
    if (file.bytes) {
        listing.cheats = CheatsOf(*file.bytes, rawName);
    }
    return listing;
}

CheatEdit AddCheat(const std::string& path, std::string_view line) {
    const CheatFile file = ReadCheatFile(path);
    if (file.exists && !file.bytes) {
        return Failed("Cheat.dat could not be read:\n" + path);
    }
    return Rewrite(path, AppendCheatLine(file.bytes.value_or(std::string()), line));
}

CheatEdit ModifyCheat(const std::string& path, std::string_view oldLine, std::string_view newLine) {
    CheatEdit failure;
    const std::optional<std::string> bytes = ExistingBytes(path, failure);
    if (!bytes) {
        return failure;
    }
    return Rewrite(path, ReplaceCheatLines(*bytes, oldLine, std::string(newLine)));
}

CheatEdit DeleteCheat(const std::string& path, std::string_view oldLine) {
    CheatEdit failure;
    const std::optional<std::string> bytes = ExistingBytes(path, failure);
    if (!bytes) {
        return failure;
    }
    return Rewrite(path, ReplaceCheatLines(*bytes, oldLine, std::nullopt));
}

}  // namespace quorvex::info
