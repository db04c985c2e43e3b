#include "listings.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace fake_emulator {

namespace {

// Writes text into line at a 1-based column, cut to width, padding with blanks before it.
void PutAt(std::string& line, std::size_t column, std::size_t width, std::string_view text) {
    if (line.size() < column - 1) {
        line.append(column - 1 - line.size(), ' ');
    }
    line.append(text.substr(0, width));
}

const std::string& Item(const std::vector<std::string>& items, std::size_t index) {
    static const std::string none;
    return index < items.size() ? items[index] : none;
}

void EndLine(std::string& out, std::string& line) {
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    out += line;
    out += '\n';
    line.clear();
}

// A stable pseudo checksum, so that a ROM keeps the same one from run to run.
std::uint32_t NameHash(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}

}  // namespace

std::string ListFull(const Catalogue& catalogue) {
    std::string out = "Name:     Description:\n";
    for (const Game& game : catalogue.games) {
        std::string line = game.name;
        PutAt(line, std::max<std::size_t>(11, line.size() + 2), std::string::npos,
              "\"" + game.description + "\"");
        EndLine(out, line);
    }
    return out;
}

std::string ListClones(const Catalogue& catalogue) {
    std::string out = "Name:    Clone of:\n";
    for (const Game& game : catalogue.games) {
        if (game.parent.empty()) {
            continue;
        }
        std::string line;
        PutAt(line, 1, 8, game.name);
        PutAt(line, 10, std::string::npos, game.parent);
        EndLine(out, line);
    }
    return out;
}

std::string ListDetails(const Catalogue& catalogue) {
    std::string out;
    std::string line;
    PutAt(line, 1, 8, " romname");
    PutAt(line, 10, 10, "driver");
    PutAt(line, 21, 8, "cpu 1");
    PutAt(line, 30, 8, "cpu 2");
    PutAt(line, 39, 8, "cpu 3");
    PutAt(line, 70, 8, "cpu 4");
    PutAt(line, 93, 10, "sound 1");
    PutAt(line, 105, 10, "sound 2");
    PutAt(line, 117, 10, "sound 3");
    PutAt(line, 154, 4, "name");
    EndLine(out, line);
    PutAt(line, 1, 8, std::string(8, '-'));
    PutAt(line, 10, 10, std::string(10, '-'));
    PutAt(line, 21, 8, std::string(8, '-'));
    PutAt(line, 30, 8, std::string(8, '-'));
    PutAt(line, 39, 30, std::string(30, '-'));
    PutAt(line, 70, 8, std::string(8, '-'));
    PutAt(line, 93, 10, std::string(10, '-'));
    PutAt(line, 105, 10, std::string(10, '-'));
    PutAt(line, 117, 36, std::string(36, '-'));
    PutAt(line, 154, 26, std::string(26, '-'));
    EndLine(out, line);
    for (const Game& game : catalogue.games) {
        PutAt(line, 1, 8, game.name);
        PutAt(line, 10, 10, (game.parent.empty() ? game.name : game.parent) + ".c");
        PutAt(line, 21, 8, Item(game.cpus, 0));
        PutAt(line, 30, 8, Item(game.cpus, 1));
        PutAt(line, 39, 30, Item(game.cpus, 2));
        PutAt(line, 70, 8, Item(game.cpus, 3));
        PutAt(line, 93, 10, Item(game.sounds, 0));
        PutAt(line, 105, 10, Item(game.sounds, 1));
        PutAt(line, 117, 36, Item(game.sounds, 2));
        PutAt(line, 154, std::string::npos, game.description);
        EndLine(out, line);
    }
    return out;
}

std::string ListGames(const Catalogue& catalogue) {
    std::string out;
    std::string line;
    PutAt(line, 1, 4, "Year");
    PutAt(line, 6, 36, "Manufacturer");
    PutAt(line, 43, 4, "Name");
    EndLine(out, line);
    PutAt(line, 1, 4, "----");
    PutAt(line, 6, 36, std::string(36, '-'));
    PutAt(line, 43, 40, std::string(40, '-'));
    EndLine(out, line);
    for (const Game& game : catalogue.games) {
        PutAt(line, 1, 4, game.year.empty() ? "????" : game.year);
        PutAt(line, 6, 36, game.manufacturer);
        PutAt(line, 43, std::string::npos, game.description);
        EndLine(out, line);
    }
    return out;
}

std::string Help(const Catalogue& catalogue) {
    return "M.A.M.E. " + catalogue.version +
           " (Jun 10 2001) - Multiple Arcade Machine Emulator\n"
           "\n"
           "Usage:  mame gamename [options]\n"
           "        mame -listfull | -listclones | -listdetails | -listgames\n"
           "        mame gamename -listroms | -listsamples\n"
           "        mame gamename -record name | -playback name\n";
}

std::string ListRoms(const Game& game) {
    std::string out = "This is the list of the ROMs required for driver \"" + game.name + "\".\n";
    out += "Name              Size Checksum\n";
    for (const std::string& rom : game.roms) {
        const std::uint32_t hash = NameHash(rom);
        char line[128];
        std::snprintf(line, sizeof line, "%-12s %9u %08x\n", rom.c_str(), 1024u << (hash % 7),
                      static_cast<unsigned>(hash));
        out += line;
    }
    return out;
}

std::string ListSamples(const Game& game) {
    std::string out;
    for (const std::string& sample : game.samples) {
        out += sample + '\n';
    }
    return out;
}

}  // namespace fake_emulator
