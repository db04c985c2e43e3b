// The needed-file cache readers on any file: the header and the games found
// agree between the streaming readers and the loaded cache, and what a game
// lists comes from its own line.

#include <fstream>

#include "catalogue/needed_file_cache.h"
#include "fuzz_support.h"
#include "store/record_line.h"
#include "store/text_utils.h"

using namespace quorvex;

namespace {

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    fuzz::ClearScratch();
    const std::string& directory = fuzz::ScratchDirectory();
    const std::string path = catalogue::NeededFileCachePath(directory);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    const auto cache = catalogue::NeededFileCache::Load(path);
    QUORVEX_FUZZ_CHECK(cache.has_value());
    catalogue::ReadNeededFileCacheHeader(path);
    catalogue::ReadNonGameNames(path);

    const auto withoutRoms = catalogue::GamesWithoutRomFiles(directory);
    for (const std::string& name : withoutRoms) {
        QUORVEX_FUZZ_CHECK(!name.empty() && name == store::ToLowerAscii(name));
        // Read line by line, a name running to the line end keeps the CR there.
        const std::string bare = name.back() == '\r' ? name.substr(0, name.size() - 1) : name;
        QUORVEX_FUZZ_CHECK(cache->Contains(name) || bare.empty() || cache->Contains(bare));
    }

    // Every game line past the header can be found, in any letter case.
    std::size_t start = text.find('\n');
    while (start != std::string_view::npos && start < text.size()) {
        ++start;
        const std::size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string name(store::RecordValueView(line, "A"));
        if (!name.empty()) {
            QUORVEX_FUZZ_CHECK(cache->Contains(Upper(name)));
            const auto files = cache->Find(name);
            QUORVEX_FUZZ_CHECK(files.has_value());
            // All of it is taken from the file's own bytes.
            std::size_t total = 0;
            for (const auto& rom : files->roms) {
                total += rom.name.size() + rom.size.size() + rom.crc.size() + rom.merge.size();
            }
            QUORVEX_FUZZ_CHECK(total <= text.size());
            // Values may overlap ("+:ROMS:+:SAMPLES:x:+"), so each is bounded on its own.
            total = 0;
            for (const auto& sample : files->samples) {
                total += sample.size();
            }
            QUORVEX_FUZZ_CHECK(total <= text.size());
        }
        start = end;
    }
    return 0;
}
