#pragma once
// Deciding for one game which zip holds its ROM or sample set, linking the
// game to it (Field C or D) and recording a linked clone's Set format in
// Field W. The decisions rest on the emulator's needed-file lists and the zip
// listings; the fast scan trusts the existence of a file alone.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sets/file_lists.h"
#include "store/game_database.h"
#include "store/program_paths.h"

namespace quorvex::catalogue {
class MessagePump;
class NeededFileCache;
struct NeededRom;
}

namespace quorvex::sets {

// Field W of a linked clone: SPLITTED and MERGED; STAND ALONE leaves it empty.
inline constexpr const char* kSplittedFormat = "Partial";
inline constexpr const char* kMergedFormat = "Total";

// The Set format the very fast scan assumes for every clone, in the order of
// the Setup page's list (its index).
enum class FastAssumption { Splitted = 0, Merged = 1, StandAlone = 2 };

// What the windows must show anew after an operation on links.
struct ViewRefresh {
    bool gamesList = false;    // RefreshGamesList, then SelectCurrentGame
    bool currentGame = false;  // the selected game's row on the games page
    bool statusLine = false;
};

// Tells the user which zips could not be linked because a game record
// cannot hold their paths.
std::string UnstorablePathsMessage(const std::vector<std::string>& paths);

// The line every failed decision writes into the scan log.
std::string BadScanLogLine(std::string_view description);

// The scanner works on the game database it is given; the raw names and
// clone relations (Fields A and F) must not change while it lives, the
// links (Fields C, D and W) it changes itself.
class SetScanner {
public:
    // log, when given, collects the scan log's lines; without it nothing is logged.
    SetScanner(store::GameDatabase& games, const store::EmulatorPaths& emulator,
               catalogue::MessagePump* pump = nullptr, std::string* log = nullptr);

    // Links the game to the zip that holds its set of the theme. path is a
    // directory ending with the separator (the zip is looked for there by raw
    // name, and log lines are written) or one zip file chosen by hand (no log
    // lines). The result counts the links made; 0 when nothing was linked,
    // also for an unknown description. A linked zip of the game's original
    // found missing on the way is unlinked.
    int AccurateScan(std::string_view description, const std::string& path, NeededFileKind theme);
    // The same for the game at this index of the database.
    int AccurateScanAt(int game, const std::string& path, NeededFileKind theme);

    // The ROM link by existence alone: directory + raw name + ".zip", the clone's
    // Set format taken from the assumption. The result counts the links made.
    int FastScan(std::string_view description, const std::string& directory,
                 FastAssumption assumption);
    int FastScanAt(int game, const std::string& directory, FastAssumption assumption);

    // Gives value to field key of every clone of the original with this
    // description: for key 'D' only clones that need samples, for 'C' only
    // MERGED clones; any other key every clone. With logging, the clones that
    // had no link before get a log line. The result counts the clones changed.
    int PropagateCloneLink(char key, std::string_view originalDescription, std::string_view value,
                           bool logLines);

    // The zip paths a link was refused for because a game record cannot hold
    // them (they contain ":+"), in the order met.
    const std::vector<std::string>& UnstorablePaths() const { return m_unstorable; }
    // Today's emulator: the needed files come from its cache instead of one
    // emulator run per game, and a zip entry holds a needed ROM only when its
    // CRC, read from the zip's directory, is the ROM's as well. The cache
    // must outlive the scanner; null goes back to asking the emulator.
    void UseNeededFileCache(const catalogue::NeededFileCache* cache) { m_cache = cache; }

private:
    // The needed names of a game, with the ROMs' CRCs when the cache gave them.
    struct NeededList {
        FileNameList names;
        std::vector<catalogue::NeededRom> roms;
    };
    NeededList Needed(const std::string& rawName, NeededFileKind kind);
    // The zip's entry names; with the cache, an entry named like a needed ROM
    // but holding other bytes (another CRC) is left out, so it counts as missing.
    FileNameList Listing(const std::string& zip, const NeededList& needed) const;

    int AccurateRomScan(int game, const std::string& path, bool directoryMode);
    int AccurateSampleScan(int game, const std::string& path, bool directoryMode);
    int PropagateCloneLink(char key, int original, std::string_view value, bool logLines);

    // The original of a clone, -1 for an original or a clone whose original is unknown.
    int OriginalOf(int game) const;
    const std::vector<int>& ClonesOf(int original) const;
    // The original's ROM zip when it exists; a vanished one is unlinked and
    // empty is returned.
    std::string ExistingRomLinkOf(int original);
    bool Exists(const std::string& path) const;
    // directory + name + ".zip", or the file of that name in another letter
    // case where the file system tells cases apart.
    std::string ZipIn(const std::string& directory, const std::string& name);
    // False, with the path noted and a log line, when a record cannot hold it.
    bool Storable(const std::string& zip, std::string_view description, bool logLine);
    void Log(const std::string& line);

    store::GameDatabase& m_games;
    const store::EmulatorPaths& m_emulator;
    catalogue::MessagePump* m_pump;
    std::string* m_log;
    const catalogue::NeededFileCache* m_cache = nullptr;
    std::unordered_map<std::string, int> m_byRawName;  // lower-case raw name -> game
    std::unordered_map<int, std::vector<int>> m_clones;
    // Per directory: lower-case file name -> name as it is on disk.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> m_directoryNames;
    std::vector<std::string> m_unstorable;
};

}  // namespace quorvex::sets
