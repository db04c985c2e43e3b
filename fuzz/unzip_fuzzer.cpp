// The unzip layer on any zip bytes: the listing never writes past the
// buffer's capacity, and flat extraction writes plain files into the
// destination and nothing anywhere else.

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/unzip.h"

using namespace quorvex;
namespace fs = std::filesystem;

namespace {

// Runs a command with a buffer of capacity bytes followed by a guard that must stay untouched.
platform::UnzipResult RunGuarded(const std::string& command, std::size_t capacity) {
    constexpr std::size_t kGuard = 64;
    std::vector<char> buffer(capacity + kGuard, '\x5A');
    const auto result = platform::RunUnzipCommand(command, buffer.data(), capacity);
    for (std::size_t i = capacity; i < buffer.size(); ++i) {
        QUORVEX_FUZZ_CHECK(buffer[i] == '\x5A');
    }
    if (capacity > 0) {
        QUORVEX_FUZZ_CHECK(std::memchr(buffer.data(), '\0', capacity) != nullptr);
        const std::size_t length = std::strlen(buffer.data());
        QUORVEX_FUZZ_CHECK(length + 1 == std::min(result.outputSize, capacity) ||
                           result.outputSize > capacity);
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ClearScratch();
    const std::string& scratch = fuzz::ScratchDirectory();
    const std::string zip = scratch + "in put.zip";
    {
        std::ofstream out(zip, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    RunGuarded("-v " + zip, platform::kUnzipBufferSize);
    RunGuarded("-v " + zip, size % 97);

    const std::string destination = scratch + "dest/";
    RunGuarded("-x --i -j -o " + zip + " " + destination, platform::kUnzipBufferSize);
    // Without "o" an existing file is kept: a second run must not touch what
    // the first one wrote, nor write anywhere else.
    RunGuarded("-x --i -j " + zip + " " + destination, 256);

    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(scratch, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const fs::path relative = it->path().lexically_relative(scratch);
        const fs::file_status status = it->symlink_status(error);
        if (relative == "in put.zip" || relative == "dest") {
            continue;
        }
        // Only plain files, directly inside the destination.
        QUORVEX_FUZZ_CHECK(relative.parent_path() == "dest");
        QUORVEX_FUZZ_CHECK(fs::is_regular_file(status));
        QUORVEX_FUZZ_CHECK(relative.filename() != "~qvx-unzip.tmp");
    }
    QUORVEX_FUZZ_CHECK(!error);
    return 0;
}
