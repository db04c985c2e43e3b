// The per-game cost of a ROM scan's zip side (listing one zip and testing it
// against the needed files) over 2,000 generated zips, and reading a
// snapshot-sized PCX picture.

#include <benchmark/benchmark.h>
#include <zip.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/pcx.h"
#include "sets/file_lists.h"

namespace {

using namespace quorvex;
namespace fs = std::filesystem;

constexpr int kZips = 2'000;

std::string UniqueSuffix() {
    return std::to_string(std::random_device{}());
}

struct GeneratedSets {
    fs::path directory;
    std::vector<std::string> zips;
    std::vector<sets::FileNameList> needed;

    GeneratedSets() {
        directory = fs::temp_directory_path() / ("quorvex-sets-bench-" + UniqueSuffix());
        fs::create_directories(directory / "roms");
        std::mt19937 random(7);
        for (int z = 0; z < kZips; ++z) {
            const std::string game = "game" + std::to_string(z);
            const std::string path = (directory / "roms" / (game + ".zip")).string();
            sets::FileNameList names;
            const int files = 4 + static_cast<int>(random() % 20);
            int error = 0;
            zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
            for (int f = 0; f < files; ++f) {
                names.push_back(game.substr(0, 6) + "." + std::to_string(f) + "a");
                // Small incompressible-ish contents, as ROM dumps are.
                auto* content = static_cast<char*>(std::malloc(4096));
                for (int i = 0; i < 4096; ++i)
                    content[i] = static_cast<char>(random());
                zip_source_t* source = zip_source_buffer(zip, content, 4096, 1);
                zip_file_add(zip, names.back().c_str(), source, ZIP_FL_OVERWRITE);
            }
            zip_close(zip);
            zips.push_back(path);
            needed.push_back(std::move(names));
        }
    }
    ~GeneratedSets() {
        std::error_code ignored;
        fs::remove_all(directory, ignored);
    }
};

GeneratedSets& Sets() {
    static GeneratedSets sets;
    return sets;
}

// One iteration lists one zip and tests it, so the time shown is per zip.
void BM_ZipListingAndCompletenessPerZip(benchmark::State& state) {
    GeneratedSets& sets = Sets();
    const std::string roms = (sets.directory / "roms").string() + "/";
    std::size_t at = 0;
    std::size_t complete = 0;
    for (auto _ : state) {
        const sets::FileNameList listing = sets::QueryZipListing(sets.zips[at]);
        complete += sets::IsSetComplete(sets.needed[at], listing, sets::NeededFileKind::Roms, roms);
        at = (at + 1) % sets.zips.size();
    }
    if (complete == 0)
        state.SkipWithError("no generated set was complete");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ZipListingAndCompletenessPerZip);

// A 640x480 snapshot: a playfield of few colours, or a photo-like gradient.
void BM_ReadPcx640x480(benchmark::State& state) {
    const bool manyColours = state.range(0) != 0;
    platform::RgbaPicture picture;
    picture.width = 640;
    picture.height = 480;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const int tile = (x / 16 + y / 16) % 24;
            picture.rgba.push_back(
                static_cast<std::uint8_t>(manyColours ? x * 255 / 639 : tile * 10));
            picture.rgba.push_back(static_cast<std::uint8_t>(manyColours ? y * 255 / 479 : 40));
            picture.rgba.push_back(static_cast<std::uint8_t>(manyColours ? (x ^ y) : 200 - tile));
            picture.rgba.push_back(255);
        }
    }
    const std::string path =
        (fs::temp_directory_path() / ("quorvex-bench-" + UniqueSuffix() + ".pcx")).string();
    platform::WritePcxFile(path, picture);
    for (auto _ : state) {
        auto read = platform::ReadPcxFile(path);
        benchmark::DoNotOptimize(read);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadPcx640x480)->Arg(0)->Arg(1)->ArgNames({"24bit"});

}  // namespace

BENCHMARK_MAIN();
