#include "info/duration_text.h"

namespace quorvex::info {

namespace {

void AppendPart(std::string& text, long long count, const char* singular, const char* plural) {
    if (count == 0) {
        return;
    }
    text += std::to_string(count);
    text += count == 1 ? singular : plural;
}

}  // namespace

std::string DurationText(long long seconds) {
    if (seconds <= 0) {
        return {};
    }
    std::string text;
    AppendPart(text, seconds / 86'400, " day, ", " days, ");
    AppendPart(text, seconds % 86'400 / 3'600, " hour, ", " hours, ");
    AppendPart(text, seconds % 3'600 / 60, " minute, ", " minutes, ");
    AppendPart(text, seconds % 60, " second, ", " seconds, ");
    text.resize(text.size() - 2);  // the last ", "
    return text;
}

}  // namespace quorvex::info
