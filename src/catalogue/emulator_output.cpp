#include "catalogue/emulator_output.h"

#include "store/record_file.h"
#include "store/text_utils.h"

namespace quorvex::catalogue {

namespace {

// Columns first to last (1-based, inclusive) of line, blanks trimmed.
std::string Columns(std::string_view line, std::size_t first,
                    std::size_t last = std::string_view::npos) {
    if (line.size() < first) {
        return {};
    }
    const std::size_t width = last == std::string_view::npos ? last : last - first + 1;
    return store::TrimmedBlanks(line.substr(first - 1, width));
}

std::string Name(std::string_view text) {
    return store::ToLowerAscii(store::TrimmedBlanks(text));
}

// The lines of text after the given number of heading lines.
std::vector<std::string> BodyLines(std::string_view text, std::size_t headingLines) {
    std::vector<std::string> lines = store::SplitRecordLines(text);
    lines.erase(lines.begin(),
                lines.begin() + static_cast<std::ptrdiff_t>(std::min(headingLines, lines.size())));
    return lines;
}

std::vector<std::string> FileNames(const std::vector<std::string>& lines, std::size_t from) {
    std::vector<std::string> names;
    for (std::size_t i = from; i < lines.size(); ++i) {
        std::string name = Columns(lines[i], 1, 13);
        if (!name.empty()) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

}  // namespace

std::vector<SupportedGame> ParseSupportedGames(std::string_view text) {
    std::vector<SupportedGame> games;
    for (const std::string& line : BodyLines(text, 1)) {
        const std::size_t open = line.find('"');
        if (open == std::string::npos) {
            continue;
        }
        const std::size_t close = line.find('"', open + 1);
        SupportedGame game;
        game.name = Name(std::string_view(line).substr(0, open));
        game.description = store::TrimmedBlanks(std::string_view(line).substr(
            open + 1, close == std::string::npos ? close : close - open - 1));
        if (!game.name.empty()) {
            games.push_back(std::move(game));
        }
    }
    return games;
}

std::vector<CloneEntry> ParseClones(std::string_view text) {
    std::vector<CloneEntry> clones;
    for (const std::string& line : BodyLines(text, 1)) {
        CloneEntry entry{Name(Columns(line, 1, 8)), Name(Columns(line, 10))};
        if (!entry.clone.empty()) {
            clones.push_back(std::move(entry));
        }
    }
    return clones;
}

std::vector<GameDetails> ParseDetails(std::string_view text) {
    std::vector<GameDetails> details;
    for (const std::string& line : BodyLines(text, 2)) {
        GameDetails entry;
        entry.name = Name(Columns(line, 1, 8));
        if (entry.name.empty()) {
            continue;
        }
        entry.cpus = {Columns(line, 21, 28), Columns(line, 30, 37), Columns(line, 39, 68)};
        entry.sounds[0] = Columns(line, 93, 102);
        entry.sounds[1] = Columns(line, 105, 114);
        if (line.size() >= 117) {
            entry.sounds[2] =
                store::TrimmedBlanks(RemoveBlankPairs(line.substr(116, 152 - 117 + 1)));
        }
        details.push_back(std::move(entry));
    }
    return details;
}

std::string ParseVersion(std::string_view text) {
    const std::vector<std::string> lines = store::SplitRecordLines(text);
    if (lines.empty() || lines[0].size() < 9) {
        return {};
    }
    std::string_view version = std::string_view(lines[0]).substr(8);
    const std::size_t end = version.find(" (");
    if (end != std::string_view::npos) {
        version = version.substr(0, end);
    } else {
        version.remove_suffix(std::min<std::size_t>(2, version.size()));
    }
    return store::TrimmedBlanks(version);
}

std::vector<CompanyEntry> ParseCompanies(std::string_view text) {
    std::vector<CompanyEntry> companies;
    for (const std::string& line : BodyLines(text, 2)) {
        CompanyEntry entry{Columns(line, 1, 5), Columns(line, 6, 42), Columns(line, 43)};
        if (!entry.description.empty()) {
            companies.push_back(std::move(entry));
        }
    }
    return companies;
}

std::vector<std::string> ParseNeededRoms(std::string_view text) {
    const std::vector<std::string> lines = store::SplitRecordLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].compare(0, 4, "Name") == 0) {
            return FileNames(lines, i + 1);
        }
    }
    return {};
}

std::vector<std::string> ParseNeededSamples(std::string_view text) {
    return FileNames(store::SplitRecordLines(text), 0);
}

std::string RemoveBlankPairs(std::string text) {
    std::size_t at = 0;
    while ((at = text.find("  ", at)) != std::string::npos) {
        text.erase(at, 2);
    }
    return text;
}

}  // namespace quorvex::catalogue
