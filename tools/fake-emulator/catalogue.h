#pragma once
// The games the test double pretends to support, read from "catalogue.txt"
// beside its executable.
//
// File format (one entry per line, LF or CR LF):
//   # comment                        ignored, as are blank lines
//   @version<TAB>v0.37b16            version word of the "-help" banner
//   @delay<TAB>50                    milliseconds a play lasts
//   @fps<TAB>59.94                   average frame rate printed after a play
//   @generation<TAB>today            speak like today's emulator (XML machine
//                                    list, long names, no DOS-only options)
//   name<TAB>description<TAB>parent<TAB>cpus<TAB>sound chips<TAB>year<TAB>
//       manufacturer<TAB>rom files<TAB>sample names<TAB>kind
// kind is "device" for a device that is no game, "bios" for a BIOS set.
// Trailing fields of a game may be left out. cpus, sound chips, rom files and
// sample names are comma-separated lists. A game that uses samples names
// "Samples" among its sound chips.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace fake_emulator {

struct Game {
    std::string name;
    std::string description;
    std::string parent;
    std::vector<std::string> cpus;
    std::vector<std::string> sounds;
    std::string year;
    std::string manufacturer;
    std::vector<std::string> roms;
    std::vector<std::string> samples;
    bool isDevice = false;
    bool isBios = false;
};

struct Catalogue {
    std::vector<Game> games;
    std::string version = "v0.37b16";
    int delayMilliseconds = 50;
    std::string framesPerSecond = "59.94";
    bool today = false;

    // The game with this name (ignoring case), or null.
    const Game* Find(std::string_view name) const;

    std::unordered_map<std::string, std::size_t> byName;  // lower-case name -> index
};

inline constexpr const char* kCatalogueFileName = "catalogue.txt";

// Parses catalogue text; malformed numbers keep their defaults.
Catalogue ParseCatalogue(std::string_view text);
// Nothing when the file cannot be read.
std::optional<Catalogue> LoadCatalogue(const std::string& path);

std::string Lowered(std::string_view text);

}  // namespace fake_emulator
