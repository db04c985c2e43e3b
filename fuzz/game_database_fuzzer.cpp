// The game-database loader on any file: it loads without harm, and what it
// loaded is saved and loaded back unchanged.

#include <fstream>

#include "fuzz_support.h"
#include "store/game_database.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::ScratchDirectory() + "mamegame.qvx";
    // A fresh file each time: rewriting one in place makes some file systems
    // flush it to disk at every close, which slows the run a hundredfold.
    fuzz::ClearScratch();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const auto games = store::LoadGameDatabase(path);
    QUORVEX_FUZZ_CHECK(games.has_value());
    for (int i = 0; i < games->count(); ++i) {
        const auto found = games->FindByDescription((*games)[i].description);
        QUORVEX_FUZZ_CHECK(found && *found <= i);
        QUORVEX_FUZZ_CHECK((*games)[*found].description == (*games)[i].description);
    }

    // Written plainly, not atomically, for the same reason.
    const std::string text = store::GameDatabaseText(*games);
    fuzz::ClearScratch();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }
    const auto again = store::LoadGameDatabase(path);
    QUORVEX_FUZZ_CHECK(again.has_value() && again->count() == games->count());
    for (int i = 0; i < games->count(); ++i) {
        QUORVEX_FUZZ_CHECK((*again)[i].line == (*games)[i].line);
    }
    QUORVEX_FUZZ_CHECK(store::GameDatabaseText(*again) == text);
    return 0;
}
