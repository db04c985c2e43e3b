#include "catalogue/catalogue_import.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "catalogue/command_runner.h"
#include "catalogue/emulator_commands.h"
#include "catalogue/emulator_generation.h"
#include "catalogue/emulator_output.h"
#include "catalogue/machine_list.h"
#include "catalogue/needed_file_cache.h"
#include "platform/file_system.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::catalogue {

namespace {

constexpr int kPumpMilliseconds = 2;
constexpr const char* kNeoGeo = "neogeo";

// Lookups by a lower-cased key; the first entry of a key wins, as a linear
// search from the top of the list would.
template <typename Entry>
class FirstByKey {
public:
    template <typename KeyOf>
    FirstByKey(const std::vector<Entry>& entries, KeyOf keyOf) {
        m_entries.reserve(entries.size());
        for (const Entry& entry : entries) {
            m_entries.emplace(store::ToLowerAscii(keyOf(entry)), &entry);
        }
    }
    const Entry* Find(std::string_view key) const {
        const auto found = m_entries.find(store::ToLowerAscii(key));
        return found == m_entries.end() ? nullptr : found->second;
    }

private:
    std::unordered_map<std::string, const Entry*> m_entries;
};

// The lists behind the refresh, printed by the second batch.
struct CloneInfo {
    std::vector<CloneEntry> clones;
    std::vector<GameDetails> details;
    std::vector<CompanyEntry> companies;
    std::string version;
    bool available = false;  // false when the batch could not run or printed nothing
    EmulatorGeneration generation = EmulatorGeneration::DosEra;
};

// What today's emulator says of one game, kept from its machine list.
struct MachineInfo {
    std::string description;
    std::string cloneOf;
    std::string romOf;
    std::string year;
    std::string manufacturer;
    std::array<std::string, 3> cpus;
    std::array<std::string, 3> sounds;
    bool hasSamples = false;
};
using MachineInfos = std::unordered_map<std::string, MachineInfo>;

class CatalogueUpdate {
public:
    CatalogueUpdate(store::Session& session, store::StartupWindows& windows, MessagePump* pump)
        : m_directory(session.emulator.directory),
          m_databasePath(session.files.gameDatabase),
          m_statePath(session.files.state),
          m_programDirectory(session.files.directory),
          m_cachePath(NeededFileCachePath(session.files.directory)),
          m_windows(windows),
          m_pump(pump) {}

    store::CatalogueChanges Run();

private:
    void Status(const std::string& text) {
        m_windows.SetSplashStatus(text);
        PumpMessages(m_pump, kPumpMilliseconds);
    }
    void Remove(const char* name) { platform::RemoveFile(m_directory + name); }
    // Writes and runs a batch, then reads one output; nothing when the batch
    // could not run or left no output.
    std::optional<std::string> RunBatch(const char* batch, const std::string& text,
                                        const char* output);
    std::string ReadOutput(const char* output) {
        return platform::ReadFileBytes(m_directory + output).value_or(std::string());
    }
    CloneInfo ReadCloneInfo();
    // Today's emulator: one run of its machine list, streamed into the needed-file
    // cache and the game facts; nothing when it gave no list.
    std::optional<MachineInfos> ReadMachines(const std::string& version);
    void RefreshEveryGameFromMachines(const MachineInfos& machines);

    // Removes the games that are gone and every line without a raw name;
    // the number of lines removed.
    std::size_t RemoveDeletedGames(const std::unordered_set<std::string>& deleted,
                                   store::CatalogueChanges& changes);
    void InsertNewGames(const std::vector<const SupportedGame*>& newGames,
                        const std::string& version, store::CatalogueChanges& changes);
    void RefreshEveryGame(const std::vector<SupportedGame>& supported, const CloneInfo& info);
    void AddToGamesCount(long difference);

    std::string m_directory;
    std::string m_databasePath;
    std::string m_statePath;
    std::string m_programDirectory;
    std::string m_cachePath;
    store::StartupWindows& m_windows;
    MessagePump* m_pump;
    std::vector<std::string> m_lines;  // the database file, header first
};

std::string DatabaseName(std::string_view line) {
    return store::ToLowerAscii(store::TrimmedBlanks(store::GetRecordValue(line, "A")));
}

bool HasLongNames(const std::vector<SupportedGame>& games) {
    return std::any_of(games.begin(), games.end(),
                       [](const SupportedGame& game) { return game.name.size() > 8; });
}

store::GameRecord MakeRecord(const std::string& line) {
    return store::GameRecord{line, {}, store::GetRecordValue(line, "B")};
}

std::optional<std::string> CatalogueUpdate::RunBatch(const char* batch, const std::string& text,
                                                     const char* output) {
    WriteBatchFile(batch, m_directory, text);
    const bool ran = RunBatchFile(batch, m_directory, false, m_pump);
    PumpMessages(m_pump, kPumpMilliseconds);
    if (!ran) {
        return std::nullopt;
    }
    return platform::ReadFileBytes(m_directory + output);
}

CloneInfo CatalogueUpdate::ReadCloneInfo() {
    Remove(kCloneInfoBatch);
    Status("Inserting new games ...");
    CloneInfo info;
    if (RunBatch(kCloneInfoBatch, CloneInfoBatchText(), kClonesFile)) {
        info.available = true;
        info.clones = ParseClones(ReadOutput(kClonesFile));
        info.details = ParseDetails(ReadOutput(kDetailsFile));
        info.companies = ParseCompanies(ReadOutput(kCompaniesFile));
        const std::string banner = ReadOutput(kVersionFile);
        info.version = VersionFromBanner(banner);
        info.generation = GenerationFromBanner(banner);
    }
    for (const char* name :
         {kCloneInfoBatch, kClonesFile, kDetailsFile, kVersionFile, kCompaniesFile}) {
        Remove(name);
    }
    return info;
}

std::optional<MachineInfos> CatalogueUpdate::ReadMachines(const std::string& version) {
    WriteBatchFile(kMachineListBatch, m_directory, MachineListBatchText());
    const bool ran = RunBatchFile(kMachineListBatch, m_directory, false, m_pump);
    PumpMessages(m_pump, kPumpMilliseconds);
    MachineInfos machines;
    NeededFileCacheWriter cache;
    const bool read = ran && ReadMachineListFile(m_directory + kMachineListFile, [&](Machine&& m) {
        if (!m.IsGame()) {
            cache.AddNonGame(m.name);
            return;
        }
        cache.Add(m);
        MachineInfo info{std::move(m.description), std::move(m.cloneOf), std::move(m.romOf),
                         std::move(m.year), std::move(m.manufacturer), {}, {}, !m.samples.empty()};
        for (std::size_t k = 0; k < 3; ++k) {
            if (k < m.cpus.size()) info.cpus[k] = std::move(m.cpus[k]);
            if (k < m.soundChips.size()) info.sounds[k] = std::move(m.soundChips[k]);
        }
        machines.emplace(std::move(m.name), std::move(info));
    });
    Remove(kMachineListBatch);
    Remove(kMachineListFile);
    if (!read || machines.empty()) {
        return std::nullopt;
    }
    cache.Save(m_cachePath, version, EmulatorStamp(m_directory));
    return machines;
}

void CatalogueUpdate::RefreshEveryGameFromMachines(const MachineInfos& machines) {
    Status("Getting clones and hardware info ...");
    for (std::size_t i = 1; i < m_lines.size(); ++i) {
        std::string& line = m_lines[i];
        const auto found = machines.find(DatabaseName(line));
        if (found == machines.end()) {
            store::SetRecordValue(line, "F", "");
            continue;
        }
        const MachineInfo& machine = found->second;
        // Neo Geo games load the BIOS set; they are not a family of it.
        if (!machine.cloneOf.empty()) {
            store::SetRecordValue(line, "F", machine.cloneOf);
        } else if (!store::EqualsNoCase(machine.romOf, kNeoGeo)) {
            store::SetRecordValue(line, "F", "");
        }
        if (store::EqualsNoCase(machine.romOf, kNeoGeo)) {
            store::SetRecordValue(line, "I", kNeoGeo);
        }
        const bool neoGeoTwin = store::EqualsNoCase(machine.description, "double dragon") &&
                                !store::GetRecordValue(line, "I").empty();
        store::SetRecordValue(line, "B", neoGeoTwin ? "Neo Double Dragon" : machine.description);
        const char* const cpuKeys[] = {"M", "N", "O"};
        const char* const soundKeys[] = {"P", "Q", "R"};
        for (std::size_t k = 0; k < 3; ++k) {
            store::SetRecordValue(line, cpuKeys[k], machine.cpus[k]);
        }
        for (std::size_t k = 0; k < 3; ++k) {
            store::SetRecordValue(line, soundKeys[k], machine.sounds[k]);
        }
        if (machine.hasSamples) {
            store::SetRecordValue(line, "L", "yes");
        } else {
            store::SetRecordValue(line, "L", "");
            store::SetRecordValue(line, "D", "");
        }
        if (!machine.year.empty()) {
            store::SetRecordValue(line, "J", machine.year);
        }
        if (!machine.manufacturer.empty()) {
            store::SetRecordValue(line, "X", machine.manufacturer);
        }
    }
}

std::size_t CatalogueUpdate::RemoveDeletedGames(const std::unordered_set<std::string>& deleted,
                                                store::CatalogueChanges& changes) {
    std::vector<std::string> kept;
    kept.reserve(m_lines.size());
    std::size_t removed = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::string name = i > 0 ? DatabaseName(m_lines[i]) : std::string();
        // A line without a name is no game the emulator lists, so it goes
        // as a deleted game would; a blank one has nothing to show.
        if (i > 0 && (name.empty() || deleted.count(name) != 0)) {
            if (!store::TrimmedBlanks(m_lines[i]).empty()) {
                changes.removed.push_back(MakeRecord(m_lines[i]));
            }
            ++removed;
        } else {
            kept.push_back(std::move(m_lines[i]));
        }
    }
    m_lines = std::move(kept);
    AddToGamesCount(-static_cast<long>(removed));
    return removed;
}

void CatalogueUpdate::InsertNewGames(const std::vector<const SupportedGame*>& newGames,
                                     const std::string& version, store::CatalogueChanges& changes) {
    const std::string today = store::CurrentDate();
    changes.inserted.reserve(newGames.size());
    for (const SupportedGame* game : newGames) {
        std::string line;
        store::SetRecordValue(line, "A", game->name);
        store::TrimBlanks(line);
        store::SetRecordValue(line, "B", game->description);
        store::SetRecordValue(line, "S", "0");
        store::SetRecordValue(line, "V", today);
        store::SetRecordValue(line, "U", version);
        m_lines.push_back(line);
        changes.inserted.push_back(MakeRecord(line));
    }
    AddToGamesCount(static_cast<long>(newGames.size()));
}

void CatalogueUpdate::RefreshEveryGame(const std::vector<SupportedGame>& supported,
                                       const CloneInfo& info) {
    Status("Getting clones and hardware info ...");
    const FirstByKey<CloneEntry> clones(info.clones, [](const CloneEntry& e) { return e.clone; });
    const FirstByKey<SupportedGame> games(supported, [](const SupportedGame& e) { return e.name; });
    const FirstByKey<GameDetails> details(info.details,
                                          [](const GameDetails& e) { return e.name; });
    const FirstByKey<CompanyEntry> companies(info.companies,
                                             [](const CompanyEntry& e) { return e.description; });

    for (std::size_t i = 1; i < m_lines.size(); ++i) {
        std::string& line = m_lines[i];
        const std::string name = DatabaseName(line);

        if (const CloneEntry* clone = clones.Find(name)) {
            // Neo Geo games name the BIOS as their parent; they are not a family of it.
            store::SetRecordValue(line, store::EqualsNoCase(clone->parent, kNeoGeo) ? "I" : "F",
                                  clone->parent);
        } else {
            store::SetRecordValue(line, "F", "");
        }

        if (const SupportedGame* game = games.Find(name)) {
            // Two games share this title; the Neo Geo one must stay tellable apart.
            const bool neoGeoTwin = store::EqualsNoCase(game->description, "double dragon") &&
                                    !store::GetRecordValue(line, "I").empty();
            store::SetRecordValue(line, "B", neoGeoTwin ? "Neo Double Dragon" : game->description);
        }

        // A game the details list leaves out keeps its hardware and sample fields.
        if (const GameDetails* hardware = details.Find(name)) {
            const char* const cpuKeys[] = {"M", "N", "O"};
            const char* const soundKeys[] = {"P", "Q", "R"};
            for (std::size_t k = 0; k < 3; ++k) {
                store::SetRecordValue(line, cpuKeys[k], hardware->cpus[k]);
            }
            for (std::size_t k = 0; k < 3; ++k) {
                store::SetRecordValue(line, soundKeys[k], hardware->sounds[k]);
            }
            const std::string sounds = store::ToLowerAscii(
                hardware->sounds[0] + hardware->sounds[1] + hardware->sounds[2]);
            if (sounds.find("samples") != std::string::npos) {
                store::SetRecordValue(line, "L", "yes");
            } else {
                store::SetRecordValue(line, "L", "");
                store::SetRecordValue(line, "D", "");
            }
        }

        if (const CompanyEntry* company = companies.Find(store::GetRecordValue(line, "B"))) {
            store::SetRecordValue(line, "J", company->year);
            store::SetRecordValue(line, "X", company->manufacturer);
        }
    }
}

void CatalogueUpdate::AddToGamesCount(long difference) {
    if (m_lines.empty()) {
        m_lines.emplace_back();
    }
    const long count =
        store::ParseLeadingNumber(store::GetRecordValue(m_lines.front(), "GAMES_COUNT"));
    store::SetRecordValue(m_lines.front(), "GAMES_COUNT", std::to_string(count + difference));
}

store::CatalogueChanges CatalogueUpdate::Run() {
    Remove(kSupportedGamesBatch);
    Status("Checking games supported ...");
    const std::optional<std::string> listing =
        RunBatch(kSupportedGamesBatch, SupportedGamesBatchText(), kSupportedGamesFile);
    Remove(kSupportedGamesBatch);
    Remove(kSupportedGamesFile);
    std::vector<SupportedGame> supported =
        listing ? ParseSupportedGames(*listing) : std::vector<SupportedGame>();

    // Without a list every game would count as gone; the user's data is worth more.
    if (supported.empty()) {
        m_windows.ShowMessage(NoGamesListMessage(m_directory), store::MessageIcon::Exclamation);
        return {};
    }
    const std::optional<std::string> database = platform::ReadFileBytes(m_databasePath);
    if (!database) {
        m_windows.ShowMessage(UnreadableDatabaseMessage(m_databasePath),
                              store::MessageIcon::Exclamation);
        return {};
    }
    m_lines = store::SplitRecordLines(*database);
    // An empty file is a database with its header line only; otherwise the
    // first new game would be taken for the header.
    if (m_lines.empty()) {
        m_lines.emplace_back();
        store::SetRecordValue(m_lines.front(), "GAMES_COUNT", "0");
    }

    std::unordered_set<std::string> databaseNames;
    bool namelessLines = false;
    for (std::size_t i = 1; i < m_lines.size(); ++i) {
        std::string name = DatabaseName(m_lines[i]);
        if (name.empty()) {
            namelessLines = true;
        } else {
            databaseNames.insert(std::move(name));
        }
    }
    std::unordered_set<std::string> supportedNames;
    std::vector<const SupportedGame*> newGames;
    std::unordered_set<std::string> deleted;
    const auto compare = [&] {
        supportedNames.clear();
        newGames.clear();
        deleted.clear();
        for (const SupportedGame& game : supported) {
            if (supportedNames.insert(game.name).second && databaseNames.count(game.name) == 0) {
                newGames.push_back(&game);
            }
        }
        for (const std::string& name : databaseNames) {
            if (supportedNames.count(name) == 0) {
                deleted.insert(name);
            }
        }
    };
    // Today's emulator lists its devices too; only the machines it can run are games.
    const auto keepGames = [&supported](const auto& isGame) {
        std::erase_if(supported, [&](const SupportedGame& game) { return !isGame(game.name); });
    };

    // Today's emulator known from an earlier start: its devices are known too,
    // and only a name that is neither a game nor a device needs the machine list.
    std::optional<NeededFileCacheHeader> cache;
    if (CurrentGeneration(m_programDirectory, m_directory) == EmulatorGeneration::Today) {
        cache = ReadNeededFileCacheHeader(m_cachePath);
        const std::unordered_set<std::string> nonGames = ReadNonGameNames(m_cachePath);
        keepGames([&](const std::string& name) { return nonGames.count(name) == 0; });
    }
    compare();

    CloneInfo info;
    std::optional<MachineInfos> machines;
    if (!newGames.empty()) {
        if (cache) {
            Status("Inserting new games ...");
            info.version = cache->version;
            info.generation = EmulatorGeneration::Today;
        } else if (HasLongNames(supported)) {
            // DOS-era names have at most eight characters: this emulator is
            // likely today's, whose banner alone is worth asking for first.
            Status("Inserting new games ...");
            const std::string banner =
                RunBatch(kVersionBatch, VersionBatchText(), kVersionFile).value_or(std::string());
            Remove(kVersionBatch);
            Remove(kVersionFile);
            info.version = VersionFromBanner(banner);
            info.generation = GenerationFromBanner(banner);
            if (info.generation != EmulatorGeneration::Today) {
                info = ReadCloneInfo();
            }
        } else {
            info = ReadCloneInfo();
        }
        if (info.generation == EmulatorGeneration::Today) {
            machines = ReadMachines(info.version);
            if (!machines) {
                m_windows.ShowMessage(NoGamesListMessage(m_directory),
                                      store::MessageIcon::Exclamation);
                return {};
            }
            keepGames([&](const std::string& name) { return machines->count(name) != 0; });
            compare();
        }
    }

    store::CatalogueChanges changes;
    std::size_t linesRemoved = 0;
    if (!deleted.empty() || namelessLines) {
        linesRemoved = RemoveDeletedGames(deleted, changes);
    }
    if (!newGames.empty()) {
        InsertNewGames(newGames, info.version, changes);
        if (machines) {
            RefreshEveryGameFromMachines(*machines);
        } else if (info.available) {
            // Without the lists the refresh would strip every game of its clone link.
            RefreshEveryGame(supported, info);
        }
    }
    if (changes.empty() && linesRemoved == 0) {
        return changes;
    }

    std::string text;
    text.reserve(database->size() + newGames.size() * 200);
    for (const std::string& line : m_lines) {
        text += line;
        text += store::kLineEnd;
    }
    std::string error;
    if (!platform::ReplaceFileAtomically(m_databasePath, text, &error)) {
        m_windows.ShowMessage(UnwritableDatabaseMessage(m_databasePath, error),
                              store::MessageIcon::Exclamation);
        return {};
    }
    // What the banner gave is stored, nothing included: a version left from
    // another emulator would be shown as this one's.
    if (!newGames.empty()) {
        store::SetHeaderValue(m_statePath, "MAME_ACTUAL_VERSION", info.version);
    }
    return changes;
}

}  // namespace

store::CatalogueChanges ImportCatalogue(store::Session& session, store::StartupWindows& windows,
                                        MessagePump* pump) {
    return CatalogueUpdate(session, windows, pump).Run();
}

store::CatalogueChanges EmulatorCatalogueImporter::Import(store::Session& session,
                                                          store::StartupWindows& windows) {
    store::CatalogueChanges changes = ImportCatalogue(session, windows, m_pump);
    session.gamesWithoutRoms.clear();
    if (CurrentGeneration(session.files.directory, session.emulator.directory) ==
        EmulatorGeneration::Today) {
        session.gamesWithoutRoms = GamesWithoutRomFiles(session.files.directory);
    }
    return changes;
}

std::string NoGamesListMessage(const std::string& emulatorDirectory) {
    return "Warning!\nThe emulator in\n" + emulatorDirectory +
           "\ngave no list of the games it supports.\n"
           "The game database has been left as it was.\n";
}

std::string UnreadableDatabaseMessage(const std::string& path) {
    return "Warning!\nThe game database\n" + path +
           "\ncannot be read, so the emulator's games have not been checked.\n";
}

std::string UnwritableDatabaseMessage(const std::string& path, const std::string& reason) {
    return "Warning!\nThe game database\n" + path + "\ncannot be written (" + reason +
           ").\nIt has been left as it was.\n";
}

}  // namespace quorvex::catalogue
