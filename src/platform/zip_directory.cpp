#include "platform/zip_directory.h"

#include <zip.h>

namespace quorvex::platform {

std::optional<std::vector<ZipDirectoryEntry>> ReadZipDirectory(const std::string& zipPath) {
    int error = 0;
    zip_t* archive = zip_open(zipPath.c_str(), ZIP_RDONLY, &error);
    if (archive == nullptr) {
        return std::nullopt;
    }
    std::vector<ZipDirectoryEntry> entries;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    entries.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0 ||
            (stat.valid & ZIP_STAT_NAME) == 0) {
            continue;
        }
        const std::string name = stat.name;
        if (!name.empty() && (name.back() == '/' || name.back() == '\\')) {
            continue;
        }
        entries.push_back(ZipDirectoryEntry{name, (stat.valid & ZIP_STAT_CRC) ? stat.crc : 0u,
                                            (stat.valid & ZIP_STAT_SIZE) ? stat.size : 0u});
    }
    zip_discard(archive);
    return entries;
}

}  // namespace quorvex::platform
