// The cheat file's line rules on any bytes: lines and fields put back
// together give the text they came from, a game's cheats are its own, and
// the edits add, change or drop exactly the lines they name.
// Input: file image NUL raw name NUL line to change.

#include <algorithm>

#include "fuzz_support.h"
#include "info/cheats.h"
#include "store/text_utils.h"

using namespace quorvex;

namespace {

std::size_t CountNoCase(const std::vector<std::string_view>& lines, std::string_view wanted) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(),
        [wanted](std::string_view line) { return store::EqualsNoCase(line, wanted); }));
}

std::string Blanked(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), 3);
    const std::string_view bytes = parts[0];
    const std::string_view rawName = parts[1];
    const std::string_view changed = parts[2];

    const auto lines = info::CheatFileLines(bytes);
    std::string joined;
    for (const std::string_view line : lines) {
        QUORVEX_FUZZ_CHECK(line.find('\n') == std::string_view::npos);
        joined += line;
        joined += '\n';
    }
    if (bytes.find('\r') == std::string_view::npos) {
        if (!bytes.empty() && bytes.back() != '\n') joined.pop_back();
        QUORVEX_FUZZ_CHECK(joined == bytes);
    }

    std::size_t ofGame = 0;
    for (const std::string_view line : lines) {
        const info::Cheat cheat = info::SplitCheatLine(line);
        QUORVEX_FUZZ_CHECK(cheat.line == line);
        const std::size_t colons =
            static_cast<std::size_t>(std::count(line.begin(), line.end(), ':'));
        const std::string rebuilt = cheat.game + ':' + cheat.cpu + ':' + cheat.address + ':' +
                                    cheat.data + ':' + cheat.type + ':' + cheat.description;
        QUORVEX_FUZZ_CHECK(rebuilt == std::string(line) + std::string(5 - std::min<std::size_t>(colons, 5), ':'));
        const auto game = info::CheatGameOf(line);
        QUORVEX_FUZZ_CHECK(game.has_value() == (colons > 0));
        if (game) {
            QUORVEX_FUZZ_CHECK(*game == store::ToLowerAscii(cheat.game));
            if (*game == store::ToLowerAscii(rawName)) ++ofGame;
        }
        const std::string shown = info::CheatListText(line);
        QUORVEX_FUZZ_CHECK(shown.size() <= line.size() && shown.find(':') == std::string::npos);

        // A line made from the fields reads back as the same fields, a CR
        // in them turned into a blank.
        const std::string made = info::CheatLine(cheat.game, cheat.cpu, cheat.address, cheat.data,
                                                 cheat.type, cheat.description);
        const info::Cheat again = info::SplitCheatLine(made);
        QUORVEX_FUZZ_CHECK(again.game == Blanked(store::ToLowerAscii(cheat.game)) &&
                           again.cpu == Blanked(cheat.cpu) &&
                           again.address == Blanked(cheat.address) &&
                           again.data == Blanked(cheat.data) && again.type == Blanked(cheat.type));
    }
    const auto cheats = info::CheatsOf(bytes, rawName);
    QUORVEX_FUZZ_CHECK(cheats.size() == ofGame);

    // A new cheat is one more line, the last one, and leaves the others alone.
    const std::string line =
        info::CheatLine(rawName, changed.substr(0, 1), changed.substr(0, 4), "ff", "00", changed);
    QUORVEX_FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    const std::string appended = info::AppendCheatLine(bytes, line);
    const auto appendedLines = info::CheatFileLines(appended);
    QUORVEX_FUZZ_CHECK(appendedLines.size() == lines.size() + 1 && appendedLines.back() == line);
    QUORVEX_FUZZ_CHECK(std::equal(lines.begin(), lines.end(), appendedLines.begin()));
    // A name with ':' or a line break is no name the new line can keep.
    if (rawName.find_first_of(":\r\n") == std::string_view::npos) {
        QUORVEX_FUZZ_CHECK(info::CheatsOf(appended, rawName).size() == ofGame + 1);
    }

    // Changing keeps the count of lines; deleting drops every copy and nothing else.
    const std::string modified = info::ReplaceCheatLines(appended, line, std::string("x:0:0:0:0:y"));
    const auto modifiedLines = info::CheatFileLines(modified);
    QUORVEX_FUZZ_CHECK(modifiedLines.size() == appendedLines.size());
    QUORVEX_FUZZ_CHECK(CountNoCase(modifiedLines, line) == 0 ||
                       store::EqualsNoCase(line, "x:0:0:0:0:y"));
    const std::string deleted = info::ReplaceCheatLines(appended, changed, std::nullopt);
    const auto deletedLines = info::CheatFileLines(deleted);
    const std::size_t copies = CountNoCase(appendedLines, changed);
    QUORVEX_FUZZ_CHECK(CountNoCase(deletedLines, changed) == 0);
    QUORVEX_FUZZ_CHECK(deletedLines.size() + copies == appendedLines.size());
    return 0;
}
