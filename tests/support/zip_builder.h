#pragma once
// Writes real zip files for tests through libzip, including entries no
// ordinary archiver would write (names leading outside, symbolic links).

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <string>
#include <vector>

namespace quorvex::testing {

struct ZipEntry {
    std::string name;  // a name ending with '/' is a directory entry
    std::string content;
    bool symbolicLink = false;  // content is then the link's target
    bool stored = false;        // no compression
};

// Creates or replaces the zip at path, and its directory, with the entries in order.
inline void WriteZip(const std::string& path, const std::vector<ZipEntry>& entries) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr) << "zip_open failed with " << error;
    for (const ZipEntry& entry : entries) {
        if (!entry.name.empty() && entry.name.back() == '/') {
            ASSERT_GE(zip_dir_add(zip, entry.name.substr(0, entry.name.size() - 1).c_str(), 0), 0);
            continue;
        }
        zip_source_t* source =
            zip_source_buffer(zip, entry.content.data(), entry.content.size(), 0);
        ASSERT_NE(source, nullptr);
        const zip_int64_t index = zip_file_add(zip, entry.name.c_str(), source, ZIP_FL_OVERWRITE);
        ASSERT_GE(index, 0) << zip_strerror(zip);
        const auto at = static_cast<zip_uint64_t>(index);
        if (entry.stored) {
            ASSERT_EQ(zip_set_file_compression(zip, at, ZIP_CM_STORE, 0), 0);
        }
        if (entry.symbolicLink) {
            ASSERT_EQ(zip_file_set_external_attributes(zip, at, 0, ZIP_OPSYS_UNIX, 0120777u << 16),
                      0);
        }
    }
    ASSERT_EQ(zip_close(zip), 0) << zip_strerror(zip);
}

}  // namespace quorvex::testing
