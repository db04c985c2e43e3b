#pragma once
// The unzip layer: one call that runs an unzip command line and prints what
// it did into a caller's text buffer, on top of libzip.
//
// Two command lines are understood:
//   "-v <zip path>"                        lists the entries of the zip;
//   "-x --i -j -o <zip path> <dest dir>/"  extracts every entry flat into dest.
// Options are the words before the zip path that begin with '-': "v" lists,
// "x" extracts, "o" replaces existing files (without it they are kept), others
// are accepted and ignored. The zip path may hold blanks: it ends at the first
// ".zip" followed by a blank that names an existing file (or is enclosed in
// double quotes); the destination is the rest, with one trailing separator
// ('/' or '\\') dropped.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::platform {

// Where each entry's name begins on a line of the listing (the 59th character).
inline constexpr std::size_t kListingNameColumn = 58;
// The buffer size the program has always handed to the unzip layer.
inline constexpr std::size_t kUnzipBufferSize = 100000;

// Bounds on what an extraction may write, so that a small hostile zip cannot
// fill the disk: an entry whose declared or real size passes maxEntrySize, or
// a zip whose entries together pass maxTotalSize, is refused.
struct UnzipLimits {
    std::uint64_t maxEntrySize = std::uint64_t{512} << 20;
    std::uint64_t maxTotalSize = std::uint64_t{4} << 30;
};

struct UnzipResult {
    // False when the command line could not be understood or the zip could
    // not be opened; the buffer then holds an error text.
    bool succeeded = false;
    // Bytes the whole printed text needs, its terminating NUL included. When
    // it exceeds the capacity given, the text in the buffer was cut short.
    std::size_t outputSize = 0;
};

// Runs commandLine and writes its printed text into buffer as NUL-terminated
// text, never more than capacity bytes (nothing at all when capacity is 0).
//
// The listing has two heading lines, one line per entry with the entry's name
// from kListingNameColumn (control characters in names shown as '?'), a dashed
// line and a totals line; lines end with a line feed. A file that is not a
// readable zip prints a one-line error text instead.
//
// Extraction writes every file entry under its bare name (the part after the
// last '/' or '\\') into the destination, which is created when missing, so
// "/abs/c.rom", "../d.rom" and "ok/../e.rom" land there as c.rom, d.rom and
// e.rom; nothing is ever written outside the destination. Directory entries
// and symbolic links are skipped and named in the output. An entry that
// cannot be decompressed or written (unknown method, encryption, a CRC error,
// a size over the limits, a directory standing in the way) is named in the
// output and makes the extraction report failure; it leaves no file behind.
UnzipResult RunUnzipCommand(std::string_view commandLine, char* buffer, std::size_t capacity,
                            const UnzipLimits& limits = {});

// One entry of a zip as its central directory describes it.
struct ZipEntryInfo {
    std::string name;  // as stored, directory part included
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
    bool directory = false;
    bool symbolicLink = false;
    // A file entry whose data can be decompressed: a known method, no
    // encryption, within the limits, and, when the data was read, with the
    // size and CRC the directory declares.
    bool readable = false;
};

// The entries of a zip in their stored order; nothing when the file is not
// a readable zip. With readData every readable entry is decompressed to
// check it, which costs a pass over the data.
std::optional<std::vector<ZipEntryInfo>> ReadZipEntries(const std::string& zipPath,
                                                        bool readData,
                                                        const UnzipLimits& limits = {});

}  // namespace quorvex::platform
