// The plug-in of "Ferrick.qvx" on any file: it counts the file's lines, gives
// a game only a version text that the file holds, and touches no other game.

#include <fstream>

#include "fuzz_support.h"
#include "store/game_database.h"
#include "store/text_utils.h"
#include "utilities/version_history.h"

using namespace quorvex;

using fuzz::NoFeedback;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);
    store::GameDatabase games({
        {"+:A:pacman:+ +:B:Pac-Man:+ \xA7", "", "Pac-Man"},
        {"+:A:PacMan:+ +:B:Pac-Man (other case):+ \xA7", "", "Pac-Man (other case)"},
        {"+:A:galaga:+ +:B:Galaga:+ +:U:kept:+ \xA7", "", "Galaga"},
        {"+:A:zzzuntouched:+ +:B:Untouched:+ \xA7", "", "Untouched"},
    });
    const std::string untouched = games.records().back().line;

    fuzz::ClearScratch();
    {
        std::ofstream out(fuzz::ScratchDirectory() + utilities::kVersionListFile,
                          std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    NoFeedback feedback;
    store::SilentProgress progress;
    const auto plugIn =
        utilities::PlugInVersionHistory(games, fuzz::ScratchDirectory(), feedback, progress);
    QUORVEX_FUZZ_CHECK(plugIn.fileFound && feedback.messages == 0);
    QUORVEX_FUZZ_CHECK(plugIn.lines >= 0 &&
                       static_cast<std::size_t>(plugIn.lines) <= bytes.size());
    QUORVEX_FUZZ_CHECK(plugIn.gamesUpdated <= 3 * plugIn.lines);
    if (store::ToLowerAscii(bytes).find("zzzuntouched") == std::string::npos) {
        QUORVEX_FUZZ_CHECK(games.records().back().line == untouched);
    }
    for (int i = 0; i < games.count(); ++i) {
        QUORVEX_FUZZ_CHECK(games.Field(i, 'B') == games[i].description);
        const std::string version = games.Field(i, 'U');
        QUORVEX_FUZZ_CHECK(version.empty() || version == "kept" ||
                           bytes.find(version) != std::string_view::npos);
    }
    // Both spellings of one raw name take the same version.
    QUORVEX_FUZZ_CHECK(games.Field(0, 'U') == games.Field(1, 'U'));
    return 0;
}
