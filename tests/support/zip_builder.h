#pragma once
// Writes real zip files for tests through libzip, including entries no
// ordinary archiver would write (names leading outside, symbolic links).

#include <gtest/gtest.h>
#include <zip.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
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

// Rewrites the compression method of the named entry in both its local and
// central headers, leaving the data as it is: Deflate64 (9), say, which the
// program's zip library cannot decompress.
inline void SetEntryMethod(const std::string& path, const std::string& name, std::uint16_t method) {
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    auto u16 = [&](std::size_t at) {
        return static_cast<std::size_t>(static_cast<unsigned char>(bytes[at])) |
               static_cast<std::size_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
    };
    int patched = 0;
    for (std::size_t at = 0; at + 46 < bytes.size(); ++at) {
        if (bytes.compare(at, 4, "PK\x03\x04") == 0 && bytes.compare(at + 30, name.size(), name) == 0 &&
            u16(at + 26) == name.size()) {
            bytes[at + 8] = static_cast<char>(method & 0xff);
            bytes[at + 9] = static_cast<char>(method >> 8);
            ++patched;
        } else if (bytes.compare(at, 4, "PK\x01\x02") == 0 &&
                   bytes.compare(at + 46, name.size(), name) == 0 && u16(at + 28) == name.size()) {
            bytes[at + 10] = static_cast<char>(method & 0xff);
            bytes[at + 11] = static_cast<char>(method >> 8);
            ++patched;
        }
    }
    ASSERT_EQ(patched, 2) << name << " in " << path;
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The content of the entry stored under name, ignoring case; "<missing>" when
// there is none, "<no zip>" when the file is not a readable zip.
inline std::string ZipEntryContent(const std::string& path, const std::string& name) {
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (zip == nullptr)
        return "<no zip>";
    std::string content = "<missing>";
    const zip_int64_t index = zip_name_locate(zip, name.c_str(), ZIP_FL_NOCASE);
    zip_stat_t stat;
    if (index >= 0 && zip_stat_index(zip, static_cast<zip_uint64_t>(index), 0, &stat) == 0) {
        content.assign(stat.size, '\0');
        zip_file_t* file = zip_fopen_index(zip, static_cast<zip_uint64_t>(index), 0);
        if (file == nullptr ||
            zip_fread(file, content.data(), stat.size) != static_cast<zip_int64_t>(stat.size))
            content = "<unreadable>";
        if (file != nullptr)
            zip_fclose(file);
    }
    zip_discard(zip);
    return content;
}

}  // namespace quorvex::testing
