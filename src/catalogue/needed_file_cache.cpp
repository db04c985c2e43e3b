#include "catalogue/needed_file_cache.h"

#include <fstream>

#include "platform/file_system.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::catalogue {

namespace {

constexpr char kEntrySeparator = ';';
constexpr char kFieldSeparator = '|';

// Record values end at ":+", so a name that holds it (or a separator) cannot be stored.
std::string Storable(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == kEntrySeparator || c == kFieldSeparator || c == '\r' || c == '\n' ||
            (c == ':' && i + 1 < text.size() && text[i + 1] == '+')) {
            result += '_';
        } else {
            result += c;
        }
    }
    return result;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    if (text.empty()) {
        return parts;
    }
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

NeededFileCacheHeader HeaderOf(std::string_view line) {
    return {store::GetRecordValue(line, "MAME_VERSION"), store::GetRecordValue(line, "MAME_STAMP")};
}

}  // namespace

std::string NeededFileCachePath(const std::string& programDirectory) {
    return programDirectory + kNeededFileCacheName;
}

NeededFileCacheHeader ReadNeededFileCacheHeader(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line)) {
        return {};
    }
    return HeaderOf(line);
}

bool NeedsNoRomFiles(const std::string& programDirectory, std::string_view rawName) {
    std::ifstream in(NeededFileCachePath(programDirectory), std::ios::binary);
    const std::string start = "+:A:" + store::ToLowerAscii(rawName) + ":+";
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (header) {
            header = false;
            continue;
        }
        if (line.compare(0, start.size(), start) == 0) {
            return store::RecordValueView(line, "ROMS").empty();
        }
    }
    return false;
}

std::unordered_set<std::string> GamesWithoutRomFiles(const std::string& programDirectory) {
    std::unordered_set<std::string> names;
    std::ifstream in(NeededFileCachePath(programDirectory), std::ios::binary);
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (!header && store::RecordValueView(line, "ROMS").empty()) {
            const std::string_view name = store::RecordValueView(line, "A");
            if (!name.empty()) {
                names.insert(store::ToLowerAscii(name));
            }
        }
        header = false;
    }
    return names;
}

std::unordered_set<std::string> ReadNonGameNames(const std::string& path) {
    std::unordered_set<std::string> names;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (!std::getline(in, line) || !std::getline(in, line)) {
        return names;
    }
    for (std::string_view name : Split(store::RecordValueView(line, "NOT_GAMES"), kEntrySeparator)) {
        names.insert(store::ToLowerAscii(name));
    }
    return names;
}

void NeededFileCacheWriter::AddNonGame(const std::string& name) {
    if (!m_nonGames.empty()) {
        m_nonGames += kEntrySeparator;
    }
    m_nonGames += Storable(name);
}

void NeededFileCacheWriter::Add(const Machine& machine) {
    std::string roms;
    for (const NeededRom& rom : machine.roms) {
        if (!roms.empty()) {
            roms += kEntrySeparator;
        }
        roms += Storable(rom.name) + kFieldSeparator + Storable(rom.size) + kFieldSeparator +
                Storable(rom.crc) + kFieldSeparator + Storable(rom.merge) +
                (rom.bios ? "|b" : "");
    }
    std::string samples;
    for (const std::string& sample : machine.samples) {
        if (!samples.empty()) {
            samples += kEntrySeparator;
        }
        samples += Storable(sample);
    }
    m_lines += "+:A:" + Storable(machine.name) + ":+ +:ROMS:" + roms + ":+ +:SAMPLES:" + samples +
               ":+";
    if (!machine.romOf.empty()) {
        m_lines += " +:ROMOF:" + Storable(machine.romOf) + ":+";
    }
    if (machine.isBios) {
        m_lines += " +:BIOS:yes:+";
    }
    m_lines += "\r\n";
    ++m_count;
}

bool NeededFileCacheWriter::Save(const std::string& path, const std::string& version,
                                 const std::string& stamp) const {
    std::string text = "+:MAME_VERSION:" + Storable(version) + ":+ +:MAME_STAMP:" + stamp +
                       ":+ +:MACHINES_COUNT:" + std::to_string(m_count) + ":+\r\n";
    text += "+:NOT_GAMES:" + m_nonGames + ":+\r\n";
    text += m_lines;
    return platform::ReplaceFileAtomically(path, text, nullptr);
}

std::optional<NeededFileCache> NeededFileCache::Load(const std::string& path) {
    std::optional<std::string> text = platform::ReadFileBytes(path);
    if (!text) {
        return std::nullopt;
    }
    NeededFileCache cache;
    cache.m_text = std::move(*text);
    const std::string_view all(cache.m_text);
    std::size_t start = 0;
    bool first = true;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        if (end == std::string_view::npos) {
            end = all.size();
        }
        std::string_view line = all.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (first) {
            cache.m_header = HeaderOf(line);
            first = false;
        } else {
            const std::string_view name = store::RecordValueView(line, "A");
            if (!name.empty()) {
                cache.m_lines.emplace(store::ToLowerAscii(name), LineSpan{start, line.size()});
            }
        }
        start = end + 1;
    }
    return cache;
}

bool NeededFileCache::Contains(std::string_view name) const {
    return m_lines.count(store::ToLowerAscii(name)) != 0;
}

std::optional<MachineFiles> NeededFileCache::Find(std::string_view name) const {
    const auto found = m_lines.find(store::ToLowerAscii(name));
    if (found == m_lines.end()) {
        return std::nullopt;
    }
    MachineFiles files;
    const std::string_view own = LineText(found->second);
    for (std::string_view entry : Split(store::RecordValueView(own, "ROMS"),
                                        kEntrySeparator)) {
        const std::vector<std::string_view> fields = Split(entry, kFieldSeparator);
        NeededRom rom;
        rom.name = std::string(fields.empty() ? std::string_view() : fields[0]);
        if (fields.size() > 1) rom.size = std::string(fields[1]);
        if (fields.size() > 2) rom.crc = std::string(fields[2]);
        if (fields.size() > 3) rom.merge = std::string(fields[3]);
        rom.bios = fields.size() > 4 && fields[4] == "b";
        files.roms.push_back(std::move(rom));
    }
    for (std::string_view sample :
         Split(store::RecordValueView(own, "SAMPLES"), kEntrySeparator)) {
        files.samples.emplace_back(sample);
    }
    // A bounded walk: a loop in the chain must not hang the scan.
    std::string_view line = own;
    for (int step = 0; step < 8; ++step) {
        const std::string romOf = store::ToLowerAscii(store::RecordValueView(line, "ROMOF"));
        const auto next = romOf.empty() ? m_lines.end() : m_lines.find(romOf);
        if (next == m_lines.end()) {
            break;
        }
        line = LineText(next->second);
        if (store::RecordValueView(line, "BIOS") == "yes") {
            files.biosSet = romOf;
            break;
        }
    }
    return files;
}

}  // namespace quorvex::catalogue
