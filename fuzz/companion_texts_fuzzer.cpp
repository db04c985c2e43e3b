// The history and mameinfo entry lookup on any file: the text shown is the
// file's message or lines of the file, none of them markup, each ended by
// CR LF, and never more than the file holds.
// Input: [raw name NUL] file image; the name (letters and digits) replaces
// the games' own so that the fuzzer can aim at any entry.

#include <cctype>

#include "fuzz_support.h"
#include "info/companion_texts.h"
#include "store/game_database.h"

using namespace quorvex;

namespace {

bool IsName(std::string_view text) {
    if (text.empty() || text.size() > 16) return false;
    for (const char c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

store::GameDatabase Games(std::string_view parent) {
    const std::string name(parent);
    return store::GameDatabase({
        {"+:A:" + name + ":+ +:B:Parent Game:+ \xA7", "", "Parent Game"},
        {"+:A:" + name + "j:+ +:B:Clone Game:+ +:F:" + name + ":+ \xA7", "", "Clone Game"},
        {"+:A:lone:+ +:B:Lone Game:+ +:F:nowhere:+ \xA7", "", "Lone Game"},
    });
}

void CheckText(info::CompanionFile file, std::string_view image, const std::string& text) {
    if (text == info::MissingFileMessage(file) || text == info::MissingEntryMessage(file)) {
        return;
    }
    // An entry without a line to show shows nothing.
    if (text.empty()) {
        return;
    }
    QUORVEX_FUZZ_CHECK(text.size() <= 2 * image.size() + 2);
    QUORVEX_FUZZ_CHECK(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0);
    std::size_t start = 0;
    bool lastEmpty = false;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        QUORVEX_FUZZ_CHECK(end != std::string::npos);
        const std::string_view line = std::string_view(text).substr(start, end - start);
        QUORVEX_FUZZ_CHECK(line.find('\n') == std::string_view::npos);
        QUORVEX_FUZZ_CHECK(line.find('\0') == std::string_view::npos);
        if (line.empty()) {
            // One empty line between paragraphs, never first or doubled.
            QUORVEX_FUZZ_CHECK(start != 0 && !lastEmpty);
        } else {
            QUORVEX_FUZZ_CHECK(line[0] != '$' && line[0] != '_' && line[0] != '#' && line != "-");
            QUORVEX_FUZZ_CHECK(image.find(line) != std::string_view::npos);
        }
        lastEmpty = line.empty();
        start = end + 2;
    }
    QUORVEX_FUZZ_CHECK(!lastEmpty);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view image = fuzz::AsText(data, size);
    std::string_view name = "pacman";
    const std::size_t nul = image.find('\0');
    if (nul != std::string_view::npos && IsName(image.substr(0, nul))) {
        name = image.substr(0, nul);
        image.remove_prefix(nul + 1);
    }
    const store::GameDatabase games = Games(name);
    for (const auto file : {info::CompanionFile::History, info::CompanionFile::MameInfo}) {
        for (const char* description : {"Parent Game", "Clone Game", "Lone Game", "No games found!"}) {
            CheckText(file, image, info::CompanionEntryText(file, image, games, description));
        }
        // A clone shows its parent's entry.
        QUORVEX_FUZZ_CHECK(info::CompanionEntryText(file, image, games, "Clone Game") ==
                           info::CompanionEntryText(file, image, games, "Parent Game"));
    }
    return 0;
}
