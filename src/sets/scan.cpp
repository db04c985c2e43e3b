#include "sets/scan.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "catalogue/needed_file_cache.h"
#include "platform/zip_directory.h"

#include "catalogue/command_runner.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::sets {
namespace {

enum class SetFormat { Original, StandAlone, Splitted, Merged };

const char* FormatField(SetFormat format) {
    switch (format) {
        case SetFormat::Splitted:
            return kSplittedFormat;
        case SetFormat::Merged:
            return kMergedFormat;
        default:
            return "";
    }
}

const char* FormatLogTail(SetFormat format) {
    switch (format) {
        case SetFormat::Splitted:
            return ".zip is 'SPLITTED'\r\n";
        case SetFormat::Merged:
            return ".zip is 'MERGED'\r\n";
        case SetFormat::StandAlone:
            return ".zip is 'STAND ALONE'\r\n";
        default:
            return ".zip\r\n";
    }
}

std::string OkLine(std::string_view description, std::string_view rawName, std::string_view tail) {
    std::string line = "OK \t";
    line.append(description).append(" --> ").append(rawName).append(tail);
    return line;
}

bool IsDirectoryPath(const std::string& path) {
    return !path.empty() && platform::IsSeparator(path.back());
}

}  // namespace

std::string UnstorablePathsMessage(const std::vector<std::string>& paths) {
    std::string text = "These zip files were not linked, because a game record cannot hold a "
                       "path that contains \":+\":\n";
    for (const std::string& path : paths)
        text += path + "\n";
    return text + "Rename the file or its directory and try again.";
}

std::string BadScanLogLine(std::string_view description) {
    std::string line = "BAD \t";
    line.append(description).append(" --> File not found!\r\n");
    return line;
}

SetScanner::SetScanner(store::GameDatabase& games, const store::EmulatorPaths& emulator,
                       catalogue::MessagePump* pump, std::string* log)
    : m_games(games), m_emulator(emulator), m_pump(pump), m_log(log) {
    m_byRawName.reserve(static_cast<std::size_t>(games.count()));
    for (int i = 0; i < games.count(); ++i) {
        // The first game of a raw name is the one a clone's Field F names.
        m_byRawName.emplace(store::ToLowerAscii(games.Field(i, 'A')), i);
    }
    for (int i = 0; i < games.count(); ++i) {
        const std::string parent = games.Field(i, 'F');
        if (parent.empty())
            continue;
        const auto original = m_byRawName.find(store::ToLowerAscii(parent));
        if (original != m_byRawName.end() && original->second != i)
            m_clones[original->second].push_back(i);
    }
}

int SetScanner::OriginalOf(int game) const {
    const std::string parent = m_games.Field(game, 'F');
    if (parent.empty())
        return -1;
    const auto original = m_byRawName.find(store::ToLowerAscii(parent));
    return original == m_byRawName.end() || original->second == game ? -1 : original->second;
}

const std::vector<int>& SetScanner::ClonesOf(int original) const {
    static const std::vector<int> kNone;
    const auto clones = m_clones.find(original);
    return clones == m_clones.end() ? kNone : clones->second;
}

bool SetScanner::Exists(const std::string& path) const {
    const bool exists = platform::IsReadableFile(path);
    catalogue::PumpMessages(m_pump, 2);
    return exists;
}

void SetScanner::Log(const std::string& line) {
    if (m_log)
        m_log->append(line);
}

std::string SetScanner::ZipIn(const std::string& directory, const std::string& name) {
    const std::string exact = directory + name + ".zip";
    if (platform::kCaseInsensitiveFileSystem || platform::IsReadableFile(exact))
        return exact;
    auto names = m_directoryNames.find(directory);
    if (names == m_directoryNames.end()) {
        names = m_directoryNames.emplace(directory, std::unordered_map<std::string, std::string>())
                    .first;
        for (const platform::DirectoryEntry& entry : platform::ListDirectory(directory, "*.zip")) {
            if (!entry.isDirectory)
                names->second.emplace(store::ToLowerAscii(entry.name), entry.name);
        }
    }
    const auto found = names->second.find(store::ToLowerAscii(name + ".zip"));
    return found == names->second.end() ? exact : directory + found->second;
}

bool SetScanner::Storable(const std::string& zip, std::string_view description, bool logLine) {
    std::string probe;
    if (store::SetRecordValue(probe, "C", zip))
        return true;
    m_unstorable.push_back(zip);
    if (logLine) {
        Log("BAD \t" + std::string(description) + " --> " + zip +
            " cannot be linked: a game record cannot hold a path with \":+\"!\r\n");
    }
    return false;
}

std::string SetScanner::ExistingRomLinkOf(int original) {
    std::string link = m_games.Field(original, 'C');
    if (link.empty() || Exists(link))
        return link;
    m_games.SetField(original, 'C', "");
    m_games.SetField(original, 'W', "");
    return {};
}

SetScanner::NeededList SetScanner::Needed(const std::string& rawName, NeededFileKind kind) {
    NeededList needed;
    if (m_cache == nullptr) {
        needed.names = QueryNeededFiles(m_emulator.directory, rawName, kind, m_pump);
        return needed;
    }
    std::optional<catalogue::MachineFiles> files = m_cache->Find(rawName);
    if (!files) {
        return needed;
    }
    if (kind == NeededFileKind::Samples) {
        needed.names = std::move(files->samples);
        return needed;
    }
    // The BIOS ROMs lie in the BIOS set's zip, which the emulator finds in its
    // roms directory; with that zip there they are not looked for in the game's.
    const bool biosPresent =
        !files->biosSet.empty() && Exists(m_emulator.roms + files->biosSet + ".zip");
    for (const catalogue::NeededRom& rom : files->roms) {
        if (!(rom.bios && biosPresent)) {
            needed.names.push_back(rom.name);
        }
    }
    needed.roms = std::move(files->roms);
    return needed;
}

FileNameList SetScanner::Listing(const std::string& zip, const NeededList& needed) const {
    if (m_cache == nullptr) {
        return QueryZipListing(zip);
    }
    FileNameList names;
    const std::optional<std::vector<platform::ZipDirectoryEntry>> entries =
        platform::ReadZipDirectory(zip);
    if (!entries) {
        return names;
    }
    for (const platform::ZipDirectoryEntry& entry : *entries) {
        char crc[9];
        std::snprintf(crc, sizeof crc, "%08x", static_cast<unsigned>(entry.crc));
        const FileNameList alone{entry.name};
        const bool wrongBytes =
            std::any_of(needed.roms.begin(), needed.roms.end(), [&](const catalogue::NeededRom& rom) {
                return !rom.crc.empty() && rom.crc != crc && NameFoundInListing(rom.name, alone);
            });
        if (!wrongBytes) {
            names.push_back(entry.name);
        }
    }
    return names;
}

int SetScanner::AccurateScan(std::string_view description, const std::string& path,
                             NeededFileKind theme) {
    const std::optional<int> game = store::FindGameByDescription(m_games, description);
    return game ? AccurateScanAt(*game, path, theme) : 0;
}

int SetScanner::AccurateScanAt(int game, const std::string& path, NeededFileKind theme) {
    if (game < 0 || game >= m_games.count())
        return 0;
    const bool directoryMode = IsDirectoryPath(path);
    return theme == NeededFileKind::Roms ? AccurateRomScan(game, path, directoryMode)
                                         : AccurateSampleScan(game, path, directoryMode);
}

int SetScanner::AccurateRomScan(int game, const std::string& path, bool directoryMode) {
    const std::string rawName = m_games.Field(game, 'A');
    const std::string description = m_games[game].description;
    const bool isClone = !m_games.Field(game, 'F').empty();
    const int original = isClone ? OriginalOf(game) : -1;
    // The original's zip in the source directory; a chosen file has no directory to look in.
    const std::string originalInSource =
        original >= 0 && directoryMode ? ZipIn(path, m_games.Field(original, 'A')) : "";

    std::string zip = directoryMode ? ZipIn(path, rawName) : path;
    bool found = false;
    SetFormat format = isClone ? SetFormat::StandAlone : SetFormat::Original;
    if (Exists(zip)) {
        const NeededList needed = Needed(rawName, NeededFileKind::Roms);
        FileNameList listing = Listing(zip, needed);
        catalogue::PumpMessages(m_pump, 2);
        found = IsSetComplete(needed.names, listing, NeededFileKind::Roms, m_emulator.roms);
        if (!found && original >= 0) {
            const bool originalWasLinked = !m_games.Field(original, 'C').empty();
            std::string originalZip = ExistingRomLinkOf(original);
            if (!originalWasLinked && !originalInSource.empty() && Exists(originalInSource))
                originalZip = originalInSource;
            if (!originalZip.empty()) {
                AppendListing(listing, Listing(originalZip, needed));
                catalogue::PumpMessages(m_pump, 2);
                found = IsSetComplete(needed.names, listing, NeededFileKind::Roms, m_emulator.roms);
                format = SetFormat::Splitted;
            }
        }
    } else if (original >= 0) {
        const bool originalWasLinked = !m_games.Field(original, 'C').empty();
        std::string originalZip = ExistingRomLinkOf(original);
        if (!originalWasLinked && !originalInSource.empty() && Exists(originalInSource))
            originalZip = originalInSource;
        if (!originalZip.empty()) {
            const NeededList needed = Needed(rawName, NeededFileKind::Roms);
            const FileNameList listing = Listing(originalZip, needed);
            catalogue::PumpMessages(m_pump, 2);
            found = IsSetComplete(needed.names, listing, NeededFileKind::Roms, m_emulator.roms);
            zip = originalZip;
            format = SetFormat::Merged;
        }
    }

    if (!found) {
        if (directoryMode)
            Log(BadScanLogLine(description));
        return 0;
    }
    if (!Storable(zip, description, directoryMode))
        return 0;
    m_games.SetField(game, 'C', zip);
    m_games.SetField(game, 'W', FormatField(format));
    if (directoryMode)
        Log(OkLine(description, rawName, FormatLogTail(format)));
    return 1;
}

int SetScanner::AccurateSampleScan(int game, const std::string& path, bool directoryMode) {
    const std::string rawName = m_games.Field(game, 'A');
    const std::string description = m_games[game].description;
    const bool isClone = !m_games.Field(game, 'F').empty();
    const auto candidate = [&](const std::string& name) {
        return directoryMode ? ZipIn(path, name) : path;
    };
    const auto accepted = [&](const std::string& name, const std::string& zip) {
        if (!Exists(zip))
            return false;
        const NeededList needed = Needed(name, NeededFileKind::Samples);
        const FileNameList listing = Listing(zip, needed);
        catalogue::PumpMessages(m_pump, 2);
        return IsSetComplete(needed.names, listing, NeededFileKind::Samples, m_emulator.roms);
    };

    std::string zip;
    int clonesChanged = 0;
    bool found = false;
    if (isClone) {
        const int original = OriginalOf(game);
        if (original >= 0) {
            const std::string originalLink = m_games.Field(original, 'D');
            if (!originalLink.empty()) {
                clonesChanged = PropagateCloneLink('D', original, originalLink, false);
                zip = originalLink;
                found = true;
            } else {
                const std::string originalName = m_games.Field(original, 'A');
                zip = candidate(originalName);
                if (accepted(originalName, zip) &&
                    Storable(zip, description, directoryMode)) {
                    m_games.SetField(original, 'D', zip);
                    if (directoryMode)
                        Log(OkLine(m_games[original].description, originalName, ".zip\r\n"));
                    clonesChanged = PropagateCloneLink('D', original, zip, directoryMode);
                    found = true;
                }
            }
        }
    } else {
        zip = candidate(rawName);
        if (accepted(rawName, zip) && Storable(zip, description, directoryMode)) {
            clonesChanged = PropagateCloneLink('D', game, zip, directoryMode);
            if (directoryMode)
                Log(OkLine(description, rawName, ".zip\r\n"));
            found = true;
        }
    }

    if (!found) {
        if (directoryMode)
            Log(BadScanLogLine(description));
        return 0;
    }
    m_games.SetField(game, 'D', zip);
    return clonesChanged + 1;
}

int SetScanner::FastScan(std::string_view description, const std::string& directory,
                         FastAssumption assumption) {
    const std::optional<int> game = store::FindGameByDescription(m_games, description);
    return game ? FastScanAt(*game, directory, assumption) : 0;
}

int SetScanner::FastScanAt(int game, const std::string& directory, FastAssumption assumption) {
    if (game < 0 || game >= m_games.count())
        return 0;
    const std::string rawName = m_games.Field(game, 'A');
    const std::string name = m_games[game].description;
    const std::string zip = ZipIn(directory, rawName);

    if (m_games.Field(game, 'F').empty()) {
        if (!Exists(zip)) {
            Log(BadScanLogLine(name));
            return 0;
        }
        if (!Storable(zip, name, true))
            return 0;
        m_games.SetField(game, 'C', zip);
        int links = 1;
        if (assumption == FastAssumption::Merged) {
            // The count is the clones linked; the original's own link is not one.
            PropagateCloneLink('W', game, kMergedFormat, false);
            m_games.SetField(game, 'W', "");
            links = PropagateCloneLink('C', game, zip, true);
        }
        Log(OkLine(name, rawName, ".zip\r\n"));
        return links;
    }

    if (assumption == FastAssumption::Merged) {
        const int original = OriginalOf(game);
        if (original < 0)
            return 0;
        const std::string originalZip = m_games.Field(original, 'C');
        if (originalZip.empty())
            return 0;
        PropagateCloneLink('W', original, kMergedFormat, false);
        const int links = PropagateCloneLink('C', original, originalZip, true);
        m_games.SetField(original, 'W', "");
        return links;
    }

    if (!Exists(zip)) {
        Log(BadScanLogLine(name));
        return 0;
    }
    if (!Storable(zip, name, true))
        return 0;
    m_games.SetField(game, 'C', zip);
    if (assumption == FastAssumption::Splitted) {
        m_games.SetField(game, 'W', kSplittedFormat);
        Log(OkLine(name, rawName, ".zip assumed as 'SPLITTED'\r\n"));
    } else {
        Log(OkLine(name, rawName, ".zip assumed as 'STAND ALONE'\r\n"));
    }
    return 1;
}

int SetScanner::PropagateCloneLink(char key, std::string_view originalDescription,
                                   std::string_view value, bool logLines) {
    const std::optional<int> original = store::FindGameByDescription(m_games, originalDescription);
    return original ? PropagateCloneLink(key, *original, value, logLines) : 0;
}

int SetScanner::PropagateCloneLink(char key, int original, std::string_view value, bool logLines) {
    const std::string originalName = m_games.Field(original, 'A');
    int changed = 0;
    for (int clone : ClonesOf(original)) {
        if (key == 'D') {
            if (m_games.Field(clone, 'L').empty())
                continue;
            if (logLines && m_games.Field(clone, 'D').empty())
                Log(OkLine(m_games[clone].description, originalName, ".zip will be used!\r\n"));
        } else if (key == 'C') {
            if (!store::EqualsNoCase(m_games.Field(clone, 'W'), kMergedFormat))
                continue;
            if (logLines && m_games.Field(clone, 'C').empty())
                Log(OkLine(m_games[clone].description, originalName,
                           ".zip assumed as 'MERGED'\r\n"));
        }
        m_games.SetField(clone, key, value);
        ++changed;
    }
    return changed;
}

}  // namespace quorvex::sets
