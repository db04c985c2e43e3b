#pragma once
// The primitives the ROM and sample set work rests on: what the emulator
// says a game needs, what a zip holds, whether the one covers the other,
// unpacking a zip flat into a directory, and whether two paths name one file. The emulator and the unzip layer are
// the authorities; nothing here keeps a catalogue of file names.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/emulator_commands.h"
#include "catalogue/needed_file_cache.h"

namespace quorvex::catalogue {
class MessagePump;
}

namespace quorvex::sets {

// File names in the order they were printed; entry names of a zip may carry
// directory parts separated by '/'.
using FileNameList = std::vector<std::string>;
using catalogue::NeededFileKind;

// The Neo Geo BIOS files, which Neo Geo games list among their own ROMs but
// which the emulator finds in the BIOS zip "neogeo.zip" of the roms directory.
inline constexpr const char* kNeoGeoBiosNames[] = {"neo-geo.rom", "ng-lo.rom", "ng-sfix.rom",
                                                   "ng-sm1.rom"};
inline constexpr const char* kNeoGeoBiosZip = "neogeo.zip";

// Asks the emulator in emulatorDirectory (ending with the separator) which
// ROM or sample files the game rawName needs, through "fileneed.bat" and
// "files_needed.qvx", both deleted before it returns. Names are cut to 13
// characters. Empty when the emulator prints nothing usable (unknown game,
// no emulator); the pump, when given, keeps the windows painted meanwhile.
FileNameList QueryNeededFiles(const std::string& emulatorDirectory, std::string_view rawName,
                              NeededFileKind kind, catalogue::MessagePump* pump = nullptr);

// The files the game rawName needs: for today's emulator from its needed-file
// cache, whole names however long; without a cache from one emulator run,
// as QueryNeededFiles. Empty for a game the cache does not know.
FileNameList NeededFileNames(const catalogue::NeededFileCache* cache,
                             const std::string& emulatorDirectory, std::string_view rawName,
                             NeededFileKind kind, catalogue::MessagePump* pump = nullptr);

// The entry names of a zip file, read from the unzip layer's listing (the
// text of each entry line from its 59th character, without surrounding
// blanks), however long the listing. Entries whose data cannot be unpacked
// (unknown method, encryption, a CRC error, too large) are left out. Empty
// when the file is not a readable zip.
FileNameList QueryZipListing(const std::string& zipPath);

// Appends more's names after listing's; the result is the new count.
std::size_t AppendListing(FileNameList& listing, const FileNameList& more);

// True when the listing holds the needed name: an entry equal to it, or one
// whose last path part equals it (the file stored in a directory of the zip),
// ignoring letter case either way.
bool NameFoundInListing(std::string_view needed, const FileNameList& listing);

// ROMs: every needed name is found, a missing Neo Geo BIOS name excused when
// romsDirectory (ending with the separator) holds "neogeo.zip"; an empty
// needed list passes. Samples: at least one needed name is found; an empty
// needed list fails.
bool IsSetComplete(const FileNameList& needed, const FileNameList& listing, NeededFileKind kind,
                   const std::string& romsDirectory);

// Unpacks every entry of the zip under its bare name into destination (a
// directory path without a trailing separator, created when missing),
// replacing files of the same name; nothing is written outside it, and
// symbolic links are left out. False when the zip cannot be read or an entry
// could not be decompressed or written.
bool ExtractZipFlat(const std::string& zipPath, const std::string& destination);

// True when both paths name one file (letter case, a link, "dir//name"): a
// file and its own spelling must never be taken for a copy and its source,
// or deleting the "source" would delete the set. False for an empty path or
// when the question cannot be answered.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace quorvex::sets
