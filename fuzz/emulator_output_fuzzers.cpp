// The parsers of the emulator's list outputs on any text. Each target built
// from this file runs the parser its name says; every parser's fields are
// trimmed and cut to their columns whatever the text holds.

#include <string_view>

#include "catalogue/emulator_output.h"
#include "fuzz_support.h"

using namespace quorvex;

namespace {

constexpr std::string_view kTarget = QUORVEX_FUZZ_NAME;
static_assert(kTarget == "full_list" || kTarget == "clone_list" || kTarget == "details" ||
                  kTarget == "version" || kTarget == "games_list" || kTarget == "rom_table" ||
                  kTarget == "sample_list",
              "no parser of this name");

[[maybe_unused]] bool Trimmed(std::string_view field) {
    return field.empty() || (field.front() != ' ' && field.back() != ' ');
}

[[maybe_unused]] bool HasNoLineEnd(std::string_view field) {
    return field.find_first_of("\r\n") == std::string_view::npos;
}

[[maybe_unused]] bool Fits(std::string_view field, std::size_t width) {
    return field.size() <= width && HasNoLineEnd(field);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    if constexpr (kTarget == "full_list") {
        for (const auto& game : catalogue::ParseSupportedGames(text)) {
            QUORVEX_FUZZ_CHECK(!game.name.empty() && HasNoLineEnd(game.name));
            QUORVEX_FUZZ_CHECK(game.description.find('"') == std::string::npos);
            QUORVEX_FUZZ_CHECK(HasNoLineEnd(game.description));
        }
    } else if constexpr (kTarget == "clone_list") {
        for (const auto& entry : catalogue::ParseClones(text)) {
            QUORVEX_FUZZ_CHECK(!entry.clone.empty() && Fits(entry.clone, 8));
            QUORVEX_FUZZ_CHECK(Trimmed(entry.clone) && Trimmed(entry.parent));
            QUORVEX_FUZZ_CHECK(HasNoLineEnd(entry.parent));
        }
    } else if constexpr (kTarget == "details") {
        for (const auto& game : catalogue::ParseDetails(text)) {
            QUORVEX_FUZZ_CHECK(!game.name.empty() && Fits(game.name, 8));
            QUORVEX_FUZZ_CHECK(Fits(game.cpus[0], 8) && Fits(game.cpus[1], 8) &&
                               Fits(game.cpus[2], 30));
            QUORVEX_FUZZ_CHECK(Fits(game.sounds[0], 10) && Fits(game.sounds[1], 10) &&
                               Fits(game.sounds[2], 36));
        }
    } else if constexpr (kTarget == "version") {
        const std::string version = catalogue::ParseVersion(text);
        QUORVEX_FUZZ_CHECK(version.size() <= text.size() && HasNoLineEnd(version));
        // Blank pairs go; an odd run keeps one blank.
        const std::string unpaired = catalogue::RemoveBlankPairs(std::string(text));
        QUORVEX_FUZZ_CHECK(unpaired.find("  ") == std::string::npos);
        QUORVEX_FUZZ_CHECK(catalogue::RemoveBlankPairs(unpaired) == unpaired);
    } else if constexpr (kTarget == "games_list") {
        for (const auto& entry : catalogue::ParseCompanies(text)) {
            QUORVEX_FUZZ_CHECK(!entry.description.empty() && HasNoLineEnd(entry.description));
            QUORVEX_FUZZ_CHECK(Fits(entry.year, 5) && Fits(entry.manufacturer, 37));
        }
    } else if constexpr (kTarget == "rom_table") {
        for (const auto& name : catalogue::ParseNeededRoms(text)) {
            QUORVEX_FUZZ_CHECK(!name.empty() && Fits(name, 13) && Trimmed(name));
        }
    } else if constexpr (kTarget == "sample_list") {
        for (const auto& name : catalogue::ParseNeededSamples(text)) {
            QUORVEX_FUZZ_CHECK(!name.empty() && Fits(name, 13) && Trimmed(name));
        }
    }
    return 0;
}
