#pragma once
// A zip's central directory: every file entry's name and CRC as the archive
// records them, read without decompressing anything.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvex::platform {

struct ZipDirectoryEntry {
    std::string name;  // as stored, directory parts included
    std::uint32_t crc = 0;
    std::uint64_t size = 0;
};

// Nothing when the file is not a readable zip. Directory entries are left out.
std::optional<std::vector<ZipDirectoryEntry>> ReadZipDirectory(const std::string& zipPath);

}  // namespace quorvex::platform
