// The cheat merge on any two files: the own file's bytes stay in front,
// only cheats of the other file are added, and merging the same file a
// second time adds nothing.
// Input: own file NUL other file.

#include "fuzz_support.h"
#include "utilities/cheat_merge.h"

using namespace quorvex;

namespace {

std::size_t LineCount(std::string_view text) {
    std::size_t count = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        ++count;
        start = end == std::string_view::npos ? text.size() : end + 1;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), 2);
    const std::string_view own = parts[0];
    const std::string_view other = parts[1];

    store::SilentProgress progress;
    const auto merge = utilities::MergeCheatText(own, other, progress);
    QUORVEX_FUZZ_CHECK(merge.appended >= 0 && merge.skipped >= 0);
    QUORVEX_FUZZ_CHECK(static_cast<std::size_t>(merge.appended + merge.skipped) <=
                       LineCount(other));
    QUORVEX_FUZZ_CHECK(merge.text.compare(0, own.size(), own) == 0);
    if (merge.appended == 0) {
        QUORVEX_FUZZ_CHECK(merge.text == own);
    } else {
        // Own bytes, at most a line end and the banner, then each line with CR LF.
        QUORVEX_FUZZ_CHECK(merge.text.size() <= own.size() + 2 + 32 + other.size() +
                                                    2 * static_cast<std::size_t>(merge.appended));
    }

    const auto again = utilities::MergeCheatText(merge.text, other, progress);
    QUORVEX_FUZZ_CHECK(again.appended == 0 && again.text == merge.text);
    QUORVEX_FUZZ_CHECK(again.skipped == merge.appended + merge.skipped);
    return 0;
}
