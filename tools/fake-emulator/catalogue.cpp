#include "catalogue.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

namespace fake_emulator {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string> SplitList(std::string_view text) {
    std::vector<std::string> items;
    if (Trimmed(text).empty()) {
        return items;
    }
    for (std::string_view item : Split(text, ',')) {
        item = Trimmed(item);
        if (!item.empty()) {
            items.emplace_back(item);
        }
    }
    return items;
}

void ApplySetting(Catalogue& catalogue, std::string_view key, std::string_view value) {
    if (key == "version") {
        catalogue.version = std::string(value);
    } else if (key == "delay") {
        int milliseconds = 0;
        const auto result =
            std::from_chars(value.data(), value.data() + value.size(), milliseconds);
        if (result.ec == std::errc() && milliseconds >= 0) {
            catalogue.delayMilliseconds = milliseconds;
        }
    } else if (key == "fps") {
        catalogue.framesPerSecond = std::string(value);
    } else if (key == "generation") {
        catalogue.today = value == "today";
    }
}

}  // namespace

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lowered;
}

const Game* Catalogue::Find(std::string_view name) const {
    const auto found = byName.find(Lowered(name));
    return found == byName.end() ? nullptr : &games[found->second];
}

Catalogue ParseCatalogue(std::string_view text) {
    Catalogue catalogue;
    for (std::string_view line : Split(text, '\n')) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (Trimmed(line).empty() || line.front() == '#') {
            continue;
        }
        const std::vector<std::string_view> fields = Split(line, '\t');
        if (line.front() == '@') {
            ApplySetting(catalogue, fields[0].substr(1),
                         fields.size() > 1 ? Trimmed(fields[1]) : std::string_view());
            continue;
        }
        auto field = [&fields](std::size_t i) {
            return i < fields.size() ? Trimmed(fields[i]) : std::string_view();
        };
        Game game;
        game.name = Lowered(field(0));
        game.description = std::string(field(1));
        game.parent = Lowered(field(2));
        game.cpus = SplitList(field(3));
        game.sounds = SplitList(field(4));
        game.year = std::string(field(5));
        game.manufacturer = std::string(field(6));
        game.roms = SplitList(field(7));
        game.samples = SplitList(field(8));
        game.isDevice = field(9) == "device";
        game.isBios = field(9) == "bios";
        if (game.name.empty()) {
            continue;
        }
        catalogue.byName.emplace(game.name, catalogue.games.size());
        catalogue.games.push_back(std::move(game));
    }
    return catalogue;
}

std::optional<Catalogue> LoadCatalogue(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseCatalogue(text.str());
}

}  // namespace fake_emulator
