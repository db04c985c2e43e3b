#pragma once
// Several fields of a record line in one text, so that one comparison shows
// every field that differs.

#include <string>
#include <string_view>

#include "store/record_line.h"

namespace quorvex::testing {

// "A:pacman F: J:1980" for codes "AFJ": each one-character key with its value.
inline std::string FieldsOf(std::string_view line, std::string_view codes) {
    std::string text;
    for (const char code : codes) {
        text += (text.empty() ? "" : " ") + std::string(1, code) + ":" +
                store::GetRecordValue(line, std::string_view(&code, 1));
    }
    return text;
}

}  // namespace quorvex::testing
