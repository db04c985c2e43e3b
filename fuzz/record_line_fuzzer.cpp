// Record lines: reading any key from any line, and a value set into a line
// reads back unchanged; a refused value leaves the line as it was.
// Input: line NUL key NUL value NUL flags.

#include "fuzz_support.h"
#include "store/record_line.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), 4);
    const std::string_view original = parts[0];
    const std::string_view key = parts[1];
    const std::string_view value = parts[2];
    const bool afterMarker = !parts[3].empty() && (parts[3][0] & 1);

    const std::string_view view = store::RecordValueView(original, key);
    QUORVEX_FUZZ_CHECK(store::GetRecordValue(original, key) == view);
    QUORVEX_FUZZ_CHECK(view.empty() || (view.data() >= original.data() &&
                                        view.data() + view.size() <= original.data() + original.size()));
    const std::size_t marker = store::FindSettingsMarker(original);
    QUORVEX_FUZZ_CHECK(marker == std::string_view::npos ||
                       (marker < original.size() && original[marker] == store::kSettingsMarker));

    // The program's keys are letters, digits and underscores ("B", "1",
    // "GAMES_COUNT"); others, such as a key starting with a blank, can be
    // read out of the glue between two tokens and are never written.
    const bool programKey =
        !key.empty() && key.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                              "0123456789_") == std::string_view::npos;
    if (!programKey) {
        return 0;
    }
    std::string line(original);
    if (!store::SetRecordValue(line, key, value, afterMarker)) {
        QUORVEX_FUZZ_CHECK(line == original);
        return 0;
    }
    // An empty value removes one token; a later token of the same key may show then.
    if (!value.empty()) {
        QUORVEX_FUZZ_CHECK(store::GetRecordValue(line, key) == value);
        // Setting the same value again changes nothing.
        std::string again = line;
        QUORVEX_FUZZ_CHECK(store::SetRecordValue(again, key, value, afterMarker));
        QUORVEX_FUZZ_CHECK(again == line);
    }
    return 0;
}
