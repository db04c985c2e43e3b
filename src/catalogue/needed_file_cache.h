#pragma once
// The needed files of every machine of today's emulator (ROM names, sizes,
// CRCs and merge names, sample names), taken from its machine list and kept
// in one file of the program directory in the record-line format. It belongs
// to one emulator version and executable and is rebuilt when they change, so
// the sets work never has to run the emulator once per game.
//
// Layout: a header line with MAME_VERSION, MAME_STAMP and MACHINES_COUNT,
// then one line per game: A (name), ROMS ("name|size|crc|merge|b" joined by
// ";", b marking a BIOS ROM), SAMPLES (names joined by ";"), ROMOF (the set
// it loads ROMs from) and BIOS ("yes" for a BIOS set). The second line,
// NOT_GAMES, names the listed machines that are no games (devices), so a
// start can tell them from new games without reading the rest.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "catalogue/machine_list.h"

namespace quorvex::catalogue {

inline constexpr const char* kNeededFileCacheName = "mameneed.qvx";

std::string NeededFileCachePath(const std::string& programDirectory);

struct NeededFileCacheHeader {
    std::string version;
    std::string stamp;
};

// The header of the cache file; empty values when there is none.
NeededFileCacheHeader ReadNeededFileCacheHeader(const std::string& path);
// The lower-case names of the machines that are no games, from the second line.
std::unordered_set<std::string> ReadNonGameNames(const std::string& path);

struct MachineFiles {
    std::vector<NeededRom> roms;
    std::vector<std::string> samples;
    // The BIOS set whose zip holds the ROMs marked bios: the end of the
    // chain of sets the machine loads ROMs from; empty when it has none.
    std::string biosSet;
};

// Builds the cache text machine by machine while the machine list streams past.
class NeededFileCacheWriter {
public:
    void Add(const Machine& machine);
    // A listed machine that is no game.
    void AddNonGame(const std::string& name);
    // Writes the file atomically; false when it cannot be written.
    bool Save(const std::string& path, const std::string& version, const std::string& stamp) const;

private:
    std::string m_lines;
    std::string m_nonGames;
    long m_count = 0;
};

// True when the cache in programDirectory lists the game with no ROM file at
// all; false when it lists ROMs, or does not list the game, or is missing.
// Reads the file line by line without keeping it.
bool NeedsNoRomFiles(const std::string& programDirectory, std::string_view rawName);

// Lower-case names of the games the cache lists without any ROM file; empty
// when the cache is missing.
std::unordered_set<std::string> GamesWithoutRomFiles(const std::string& programDirectory);

// The cache loaded for lookups. Lines are taken apart only when asked for.
class NeededFileCache {
public:
    // Nothing when the file cannot be read.
    static std::optional<NeededFileCache> Load(const std::string& path);

    const NeededFileCacheHeader& Header() const { return m_header; }
    bool Contains(std::string_view name) const;
    // The files of the game (name compared ignoring case); nothing when the
    // game is not in the cache. A game without ROMs has an empty list.
    std::optional<MachineFiles> Find(std::string_view name) const;

private:
    NeededFileCacheHeader m_header;
    std::string m_text;
    struct LineSpan {
        std::size_t start = 0;
        std::size_t size = 0;
    };
    std::string_view LineText(LineSpan span) const {
        return std::string_view(m_text).substr(span.start, span.size);
    }
    // Lower-case name -> its line. Places, not views: a moved or copied
    // cache has its text elsewhere (a short one inside the object itself).
    std::unordered_map<std::string, LineSpan> m_lines;
};

}  // namespace quorvex::catalogue
