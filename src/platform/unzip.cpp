#include "platform/unzip.h"

#include <zip.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "platform/paths.h"

namespace quorvex::platform {
namespace {

namespace fs = std::filesystem;

struct Command {
    bool list = false;
    bool extract = false;
    bool overwrite = false;
    std::string zipPath;
    std::string destination;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view TrimmedView(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EndsWithZipExtension(std::string_view text) {
    if (text.size() < 4)
        return false;
    const std::string_view tail = text.substr(text.size() - 4);
    static constexpr char kExtension[] = ".zip";
    for (std::size_t i = 0; i < 4; ++i) {
        const char c = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] + 32) : tail[i];
        if (c != kExtension[i])
            return false;
    }
    return true;
}

bool IsExistingFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(fs::path(path), error);
}

std::string Unquoted(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    return std::string(text);
}

// Splits "<zip path> <destination>" where the zip path may hold blanks. The
// first ".zip " that ends the name of an existing file wins; when none does,
// the first ".zip " at all, and failing that the last blank.
void SplitZipAndDestination(std::string_view rest, Command& command) {
    if (!rest.empty() && rest.front() == '"') {
        const std::size_t close = rest.find('"', 1);
        if (close != std::string_view::npos) {
            command.zipPath = std::string(rest.substr(1, close - 1));
            command.destination = Unquoted(TrimmedView(rest.substr(close + 1)));
            return;
        }
    }
    std::optional<std::size_t> firstCandidate;
    for (std::size_t blank = rest.find(' '); blank != std::string_view::npos;
         blank = rest.find(' ', blank + 1)) {
        const std::string_view left = rest.substr(0, blank);
        if (!EndsWithZipExtension(left))
            continue;
        if (!firstCandidate)
            firstCandidate = blank;
        if (IsExistingFile(std::string(left))) {
            firstCandidate = blank;
            break;
        }
    }
    std::size_t split = firstCandidate ? *firstCandidate : rest.rfind(' ');
    if (split == std::string_view::npos) {
        command.zipPath = std::string(rest);
        return;
    }
    command.zipPath = std::string(rest.substr(0, split));
    command.destination = Unquoted(TrimmedView(rest.substr(split + 1)));
}

std::optional<Command> ParseCommand(std::string_view line) {
    Command command;
    std::string_view rest = TrimmedView(line);
    while (!rest.empty() && rest.front() == '-') {
        const std::size_t end = rest.find(' ');
        const std::string_view word = rest.substr(0, end);
        // "--i" and other long words carry nothing this layer needs.
        if (word.size() > 1 && word[1] != '-') {
            for (char letter : word.substr(1)) {
                if (letter == 'v')
                    command.list = true;
                if (letter == 'x')
                    command.extract = true;
                if (letter == 'o')
                    command.overwrite = true;
            }
        }
        rest = end == std::string_view::npos ? std::string_view() : TrimmedView(rest.substr(end));
    }
    if (command.list == command.extract || rest.empty())
        return std::nullopt;
    if (command.list) {
        command.zipPath = Unquoted(rest);
        return command;
    }
    SplitZipAndDestination(rest, command);
    while (!command.destination.empty() &&
           (command.destination.back() == '/' || command.destination.back() == '\\')) {
        command.destination.pop_back();
    }
    if (command.zipPath.empty() || command.destination.empty())
        return std::nullopt;
    return command;
}

// Pads or cuts text to exactly width characters, right-aligned numbers and
// left-aligned words, so the name column never moves.
std::string Fit(std::string text, std::size_t width, bool alignRight) {
    if (text.size() > width)
        text.resize(width);
    const std::string pad(width - text.size(), ' ');
    return alignRight ? pad + text : text + pad;
}

// A size in at most eight characters: sizes past 99,999,999 bytes in K, M or G.
std::string SizeText(std::uint64_t size) {
    static constexpr const char* kUnits[] = {"", "K", "M", "G", "T"};
    std::size_t unit = 0;
    while (unit < 4 && size > (unit == 0 ? 99'999'999ULL : 9'999'999ULL)) {
        size /= 1024;
        ++unit;
    }
    return std::to_string(size) + kUnits[unit];
}

std::string RatioText(std::uint64_t size, std::uint64_t compressed) {
    long long ratio = 0;
    if (size > 0) {
        const long double saved =
            100.0L - static_cast<long double>(compressed) * 100.0L / static_cast<long double>(size);
        ratio = static_cast<long long>(std::clamp(saved, -99.0L, 100.0L));
    }
    return std::to_string(ratio) + "%";
}

std::string MethodText(std::uint16_t method) {
    switch (method) {
        case ZIP_CM_STORE:
            return "Stored";
        case ZIP_CM_DEFLATE:
            return "Defl:N";
        case ZIP_CM_DEFLATE64:
            return "Def64";
        case ZIP_CM_BZIP2:
            return "BZip2";
        case ZIP_CM_LZMA:
            return "LZMA";
        case ZIP_CM_XZ:
            return "XZ";
        default: {
            char text[16];
            std::snprintf(text, sizeof text, "Unk:%03u", static_cast<unsigned>(method) % 1000);
            return text;
        }
    }
}

std::string DateTimeText(const zip_stat_t& stat) {
    std::tm parts{};
    bool known = false;
    if ((stat.valid & ZIP_STAT_MTIME) != 0) {
        const std::time_t when = stat.mtime;
#ifdef _WIN32
        known = localtime_s(&parts, &when) == 0;
#else
        known = localtime_r(&when, &parts) != nullptr;
#endif
    }
    if (!known) {
        parts = std::tm{};
        parts.tm_year = 80;
        parts.tm_mday = 1;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", (parts.tm_year + 1900) % 10000,
                  (parts.tm_mon + 1) % 100, parts.tm_mday % 100, parts.tm_hour % 100,
                  parts.tm_min % 100);
    return Fit(text, 16, false);
}

// Names go on one line each, so a control character in a hostile name would
// break the listing's line structure.
std::string PrintableName(const char* name) {
    std::string text = name == nullptr ? "" : name;
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    }
    return text;
}

class ZipArchive {
public:
    explicit ZipArchive(const std::string& path) {
        int error = 0;
        m_zip = zip_open(path.c_str(), ZIP_RDONLY, &error);
    }
    ~ZipArchive() {
        if (m_zip != nullptr)
            zip_discard(m_zip);
    }
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;
    zip_t* get() const { return m_zip; }

private:
    zip_t* m_zip = nullptr;
};

std::string OpenErrorText(const std::string& path) {
    return "unzip:  cannot find or open " + path + ".\n";
}

bool List(const Command& command, std::string& out) {
    const ZipArchive archive(command.zipPath);
    if (archive.get() == nullptr) {
        out = OpenErrorText(command.zipPath);
        return false;
    }
    out += " Length   Method    Size  Cmpr    Date    Time   CRC-32   Name\n";
    out += "--------  ------  ------- ---- ---------- ----- --------  ----\n";
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    std::uint64_t totalSize = 0;
    std::uint64_t totalCompressed = 0;
    zip_int64_t listed = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0)
            continue;
        const std::uint64_t size = (stat.valid & ZIP_STAT_SIZE) ? stat.size : 0;
        const std::uint64_t compressed = (stat.valid & ZIP_STAT_COMP_SIZE) ? stat.comp_size : 0;
        const std::uint16_t method = (stat.valid & ZIP_STAT_COMP_METHOD) ? stat.comp_method : 0;
        const std::uint32_t crc = (stat.valid & ZIP_STAT_CRC) ? stat.crc : 0;
        char crcText[16];
        std::snprintf(crcText, sizeof crcText, "%08x", static_cast<unsigned>(crc));
        // Columns: length 0-7, method 10-15, size 17-24, ratio 26-29,
        // date and time 31-46, CRC 48-55, name from 58.
        std::string line = Fit(SizeText(size), 8, true) + "  " + Fit(MethodText(method), 6, false) +
                           " " + Fit(SizeText(compressed), 8, true) + " " +
                           Fit(RatioText(size, compressed), 4, true) + " " + DateTimeText(stat) +
                           " " + crcText + "  ";
        line += PrintableName(stat.name);
        out += line;
        out += '\n';
        totalSize += size;
        totalCompressed += compressed;
        ++listed;
    }
    out += "--------          -------  ---                            -------\n";
    std::string totals = Fit(SizeText(totalSize), 8, true) + Fit("", 9, false) +
                         Fit(SizeText(totalCompressed), 8, true) + " " +
                         Fit(RatioText(totalSize, totalCompressed), 4, true);
    totals = Fit(totals, kListingNameColumn, false);
    totals += std::to_string(listed) + (listed == 1 ? " file\n" : " files\n");
    out += totals;
    return true;
}

bool IsSymbolicLink(zip_t* zip, zip_uint64_t index) {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(zip, index, 0, &system, &attributes) != 0)
        return false;
    constexpr zip_uint32_t kTypeMask = 0170000;
    constexpr zip_uint32_t kLinkType = 0120000;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & kTypeMask) == kLinkType;
}

bool IsDirectoryName(std::string_view name) {
    return !name.empty() && (name.back() == '/' || name.back() == '\\');
}

// The part of an entry's name after its last separator. A drive letter's
// colon counts as one, so "C:x.rom" is x.rom and never a drive-relative path.
std::string BareName(std::string_view name) {
    const std::size_t cut = name.find_last_of("/\\:");
    return std::string(cut == std::string_view::npos ? name : name.substr(cut + 1));
}

// What stands against decompressing an entry, from its directory record
// alone; nullptr when nothing does.
const char* UnreadableReason(const zip_stat_t& stat, std::uint64_t maxEntrySize) {
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 &&
        stat.encryption_method != ZIP_EM_NONE)
        return "encrypted";
    if ((stat.valid & ZIP_STAT_COMP_METHOD) != 0 &&
        zip_compression_method_supported(stat.comp_method, 0) == 0)
        return "unsupported compression method";
    if ((stat.valid & ZIP_STAT_SIZE) == 0 || stat.size > maxEntrySize)
        return "too large";
    return nullptr;
}

// Decompresses one entry through sink (which may be null), refusing more
// bytes than the entry declares or than maxSize; true when the whole entry
// was read and libzip found its CRC right.
template <typename Sink>
bool ReadEntryData(zip_t* zip, zip_uint64_t index, std::uint64_t declaredSize,
                   std::uint64_t maxSize, Sink&& sink) {
    zip_file_t* entry = zip_fopen_index(zip, index, 0);
    if (entry == nullptr)
        return false;
    bool good = true;
    std::uint64_t total = 0;
    char chunk[64 * 1024];
    for (;;) {
        const zip_int64_t got = zip_fread(entry, chunk, sizeof chunk);
        if (got < 0) {
            good = false;
            break;
        }
        if (got == 0)
            break;
        total += static_cast<std::uint64_t>(got);
        if (total > declaredSize || total > maxSize || !sink(chunk, static_cast<std::size_t>(got))) {
            good = false;
            break;
        }
    }
    zip_fclose(entry);
    return good && total == declaredSize;
}

// Decompresses one entry into scratch and renames it to target, so that a
// symbolic link already standing at the target is replaced rather than
// followed. Nothing is left behind when it fails.
bool ExtractEntry(zip_t* zip, zip_uint64_t index, std::uint64_t size, std::uint64_t maxSize,
                  const fs::path& target, const fs::path& scratch) {
    std::error_code error;
    fs::remove(scratch, error);
    std::FILE* file = std::fopen(scratch.string().c_str(), "wbx");
    if (file == nullptr)
        return false;
    bool written = ReadEntryData(zip, index, size, maxSize, [file](const char* data, std::size_t n) {
        return std::fwrite(data, 1, n, file) == n;
    });
    if (std::fclose(file) != 0)
        written = false;
    if (written) {
        // A directory in the way is not replaced: the entry fails.
        if (fs::is_directory(fs::symlink_status(target, error))) {
            written = false;
        } else {
            std::error_code renameError;
            fs::rename(scratch, target, renameError);
            if (renameError) {
                fs::remove(target, error);
                renameError.clear();
                fs::rename(scratch, target, renameError);
            }
            written = !renameError;
        }
    }
    if (!written)
        fs::remove(scratch, error);
    return written;
}

bool Extract(const Command& command, const UnzipLimits& limits, std::string& out) {
    const ZipArchive archive(command.zipPath);
    if (archive.get() == nullptr) {
        out = OpenErrorText(command.zipPath);
        return false;
    }
    out += "Archive:  " + command.zipPath + "\n";
    const fs::path destination(command.destination);
    std::error_code error;
    fs::create_directories(destination, error);
    if (!fs::is_directory(destination, error)) {
        out += "unzip:  cannot create " + command.destination + "\n";
        return false;
    }
    constexpr const char* kScratchName = "~qvx-unzip.tmp";
    const fs::path scratch = destination / kScratchName;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    std::uint64_t totalWritten = 0;
    bool complete = true;
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.get(), index, 0, &stat) != 0) {
            out += "  error:  cannot read entry " + std::to_string(i) + "\n";
            complete = false;
            continue;
        }
        const std::string name = stat.name == nullptr ? "" : stat.name;
        const std::string shown = PrintableName(stat.name);
        if (IsDirectoryName(name))
            continue;
        if (IsSymbolicLink(archive.get(), index)) {
            out += "  skipping: " + shown + "  (symbolic link)\n";
            continue;
        }
        const std::string bare = BareName(name);
        const char* reason = UnreadableReason(stat, limits.maxEntrySize);
        if (bare.empty() || bare == "." || bare == ".." || bare == kScratchName)
            reason = "no file name";
        else if (reason == nullptr && stat.size > limits.maxTotalSize - std::min(totalWritten, limits.maxTotalSize))
            reason = "too large";
        if (reason != nullptr) {
            out += "  error:  cannot extract " + shown + "  (" + reason + ")\n";
            complete = false;
            continue;
        }
        const fs::path target = destination / bare;
        if (!command.overwrite && fs::exists(fs::symlink_status(target, error))) {
            out += "  skipping: " + shown + "  (file exists)\n";
            continue;
        }
        if (ExtractEntry(archive.get(), index, stat.size, limits.maxEntrySize, target, scratch)) {
            totalWritten += stat.size;
            out += "  inflating: " + command.destination + kSeparator +
                   PrintableName(bare.c_str()) + "\n";
        } else {
            out += "  error:  cannot extract " + shown + "\n";
            complete = false;
        }
    }
    return complete;
}

}  // namespace

UnzipResult RunUnzipCommand(std::string_view commandLine, char* buffer, std::size_t capacity,
                            const UnzipLimits& limits) {
    std::string out;
    UnzipResult result;
    const std::optional<Command> command = ParseCommand(commandLine);
    if (!command) {
        out = "unzip:  cannot understand the command line\n";
    } else if (command->list) {
        result.succeeded = List(*command, out);
    } else {
        result.succeeded = Extract(*command, limits, out);
    }
    result.outputSize = out.size() + 1;
    if (buffer != nullptr && capacity > 0) {
        const std::size_t copied = std::min(out.size(), capacity - 1);
        std::memcpy(buffer, out.data(), copied);
        buffer[copied] = '\0';
    }
    return result;
}

std::optional<std::vector<ZipEntryInfo>> ReadZipEntries(const std::string& zipPath,
                                                        bool readData,
                                                        const UnzipLimits& limits) {
    const ZipArchive archive(zipPath);
    if (archive.get() == nullptr)
        return std::nullopt;
    std::vector<ZipEntryInfo> entries;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    std::uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.get(), index, 0, &stat) != 0)
            continue;
        ZipEntryInfo info;
        info.name = stat.name == nullptr ? "" : stat.name;
        info.size = (stat.valid & ZIP_STAT_SIZE) ? stat.size : 0;
        info.crc = (stat.valid & ZIP_STAT_CRC) ? stat.crc : 0;
        info.directory = IsDirectoryName(info.name);
        info.symbolicLink = !info.directory && IsSymbolicLink(archive.get(), index);
        info.readable = !info.directory && !info.symbolicLink &&
                        UnreadableReason(stat, limits.maxEntrySize) == nullptr &&
                        info.size <= limits.maxTotalSize - std::min(total, limits.maxTotalSize);
        if (info.readable && readData) {
            info.readable = ReadEntryData(archive.get(), index, info.size, limits.maxEntrySize,
                                          [](const char*, std::size_t) { return true; });
        }
        if (info.readable)
            total += info.size;
        entries.push_back(std::move(info));
    }
    return entries;
}

}  // namespace quorvex::platform
