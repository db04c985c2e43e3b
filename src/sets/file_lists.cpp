#include "sets/file_lists.h"

#include <filesystem>
#include <optional>

#include "catalogue/command_runner.h"
#include "catalogue/emulator_output.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/unzip.h"
#include "store/text_utils.h"

namespace quorvex::sets {
namespace {

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() &&
           store::EqualsNoCase(text.substr(text.size() - tail.size()), tail);
}

bool IsNeoGeoBiosName(std::string_view name) {
    for (const char* bios : kNeoGeoBiosNames) {
        if (store::EqualsNoCase(name, bios))
            return true;
    }
    return false;
}

// The BIOS zip counts under any letter case, as it would where the file
// system ignores case.
bool NeoGeoBiosZipExists(const std::string& romsDirectory) {
    if (platform::IsReadableFile(romsDirectory + kNeoGeoBiosZip))
        return true;
    if (platform::kCaseInsensitiveFileSystem)
        return false;
    for (const platform::DirectoryEntry& entry :
         platform::ListDirectory(romsDirectory, kNeoGeoBiosZip)) {
        if (!entry.isDirectory)
            return true;
    }
    return false;
}

// The entry names of a listing text: two heading lines, entry lines with the
// name from the listing's name column, then a dashed line and a totals line.
// A text with fewer lines than that (an error text) names no entries.
FileNameList EntryNamesOfListing(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    FileNameList names;
    constexpr std::size_t kHeadingLines = 2;
    constexpr std::size_t kClosingLines = 2;
    if (lines.size() <= kHeadingLines + kClosingLines)
        return names;
    names.reserve(lines.size() - kHeadingLines - kClosingLines);
    for (std::size_t i = kHeadingLines; i < lines.size() - kClosingLines; ++i) {
        const std::string_view line = lines[i];
        names.push_back(line.size() > platform::kListingNameColumn
                            ? store::TrimmedBlanks(line.substr(platform::kListingNameColumn))
                            : std::string());
    }
    return names;
}

}  // namespace

FileNameList QueryNeededFiles(const std::string& emulatorDirectory, std::string_view rawName,
                              NeededFileKind kind, catalogue::MessagePump* pump) {
    const std::string output = emulatorDirectory + catalogue::kNeededFilesFile;
    // A list left by an interrupted earlier query must not pass for this game's.
    platform::RemoveFile(output);
    catalogue::WriteBatchFile(catalogue::kNeededFilesBatch, emulatorDirectory,
                              catalogue::NeededFilesBatchText(rawName, kind));
    catalogue::RunBatchFile(catalogue::kNeededFilesBatch, emulatorDirectory, false, pump);
    catalogue::PumpMessages(pump, 2);
    const std::string text = platform::ReadFileBytes(output).value_or(std::string());
    platform::RemoveFile(emulatorDirectory + catalogue::kNeededFilesBatch);
    platform::RemoveFile(output);
    return kind == NeededFileKind::Roms ? catalogue::ParseNeededRoms(text)
                                        : catalogue::ParseNeededSamples(text);
}

FileNameList NeededFileNames(const catalogue::NeededFileCache* cache,
                             const std::string& emulatorDirectory, std::string_view rawName,
                             NeededFileKind kind, catalogue::MessagePump* pump) {
    if (cache == nullptr) {
        return QueryNeededFiles(emulatorDirectory, rawName, kind, pump);
    }
    std::optional<catalogue::MachineFiles> files = cache->Find(rawName);
    if (!files) {
        return {};
    }
    if (kind == NeededFileKind::Samples) {
        return std::move(files->samples);
    }
    FileNameList names;
    names.reserve(files->roms.size());
    for (catalogue::NeededRom& rom : files->roms) {
        names.push_back(std::move(rom.name));
    }
    return names;
}

FileNameList QueryZipListing(const std::string& zipPath) {
    const std::string command = "-v " + zipPath;
    std::string buffer(platform::kUnzipBufferSize, '\0');
    platform::UnzipResult result = platform::RunUnzipCommand(command, buffer.data(), buffer.size());
    // A zip with thousands of entries prints more than the usual buffer holds;
    // cutting it would hide the entries beyond the cut.
    if (result.outputSize > buffer.size()) {
        buffer.assign(result.outputSize, '\0');
        result = platform::RunUnzipCommand(command, buffer.data(), buffer.size());
    }
    if (!result.succeeded)
        return {};
    buffer.resize(std::min(buffer.size(), result.outputSize) - 1);
    FileNameList names = EntryNamesOfListing(buffer);
    // A file the program could not unpack does not hold its part of a set:
    // an entry with an unknown method, encryption or damaged data is left out.
    const auto entries = platform::ReadZipEntries(zipPath, true);
    if (!entries || entries->size() != names.size())
        return {};
    FileNameList readable;
    readable.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        if ((*entries)[i].directory || (*entries)[i].readable)
            readable.push_back(std::move(names[i]));
    }
    return readable;
}

std::size_t AppendListing(FileNameList& listing, const FileNameList& more) {
    listing.insert(listing.end(), more.begin(), more.end());
    return listing.size();
}

bool NameFoundInListing(std::string_view needed, const FileNameList& listing) {
    const std::string inDirectory = "/" + std::string(needed);
    for (const std::string& entry : listing) {
        if (store::EqualsNoCase(entry, needed) || EndsWithNoCase(entry, inDirectory))
            return true;
    }
    return false;
}

bool IsSetComplete(const FileNameList& needed, const FileNameList& listing, NeededFileKind kind,
                   const std::string& romsDirectory) {
    if (kind == NeededFileKind::Samples) {
        for (const std::string& name : needed) {
            if (NameFoundInListing(name, listing))
                return true;
        }
        return false;
    }
    int biosZip = -1;  // not looked for yet
    for (const std::string& name : needed) {
        if (NameFoundInListing(name, listing))
            continue;
        if (!IsNeoGeoBiosName(name))
            return false;
        if (biosZip < 0)
            biosZip = NeoGeoBiosZipExists(romsDirectory) ? 1 : 0;
        if (biosZip == 0)
            return false;
    }
    return true;
}

bool ExtractZipFlat(const std::string& zipPath, const std::string& destination) {
    const std::string command =
        "-x --i -j -o " + zipPath + " " + destination + platform::kSeparator;
    std::string buffer(platform::kUnzipBufferSize, '\0');
    return platform::RunUnzipCommand(command, buffer.data(), buffer.size()).succeeded;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) {
        return false;
    }
    if (a == b || (platform::kCaseInsensitiveFileSystem && store::EqualsNoCase(a, b))) {
        return true;
    }
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::path(a), std::filesystem::path(b), error);
}

}  // namespace quorvex::sets
