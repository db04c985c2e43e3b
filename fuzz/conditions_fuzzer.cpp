// The filter condition language on any condition and any field value: a
// condition taken apart once judges like one read each time, and the active
// filter flags never reach past the filters.
// Input: condition NUL value NUL flags.

#include "browse/conditions.h"
#include "fuzz_support.h"
#include "store/record_line.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), 3);
    const std::string_view text = parts[0];
    const std::string_view value = parts[1];
    const std::string_view flags = parts[2];

    const browse::Condition condition(text);
    const bool matches = condition.Matches(value);
    QUORVEX_FUZZ_CHECK(browse::EvaluateCondition(text, value) == matches);
    browse::LeadingNumber(value);
    browse::LeadingNumber(text);

    // The same condition as a filter over a game line holding the value.
    std::string line = "+:A:game:+";
    if (!text.empty() && text[0] != ':' &&
        store::SetRecordValue(line, std::string_view(&text[0], 1), value)) {
        store::FilterDefinition filter;
        filter.condition = std::string(text);
        const std::vector<store::FilterDefinition> filters(3, filter);
        const auto active = browse::ActiveConditions(filters, flags);
        QUORVEX_FUZZ_CHECK(active.size() <= filters.size());
        const bool all = browse::MatchActiveFilters(line, active, browse::FilterMode::And);
        const bool any = browse::MatchActiveFilters(line, active, browse::FilterMode::Or);
        if (!active.empty() && store::GetRecordValue(line, std::string_view(&text[0], 1)) == value) {
            QUORVEX_FUZZ_CHECK(all == matches && any == matches);
        }
    }
    return 0;
}
