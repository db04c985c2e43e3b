#include "utilities/utilities_settings.h"

#include "store/record_file.h"
#include "store/text_utils.h"

namespace quorvex::utilities {

const char* const kConverterWarning =
    "This is only a warning!\nRemember that the program you use for converting snapshots from "
    "PNG format to PCX\nMUST RESIDE in your QVX DIRECTORY or you won't be able to get any "
    "snapshot!\nIn addition, be sure that the program you are using accepts wildcards "
    "(*.*)\nand BE SURE to include them in the command line!";

int PrepareSlideshowDelay(store::StateRecord& state) {
    if (store::ParseLeadingNumber(state.lastSecondiSlide) == 0) {
        state.lastSecondiSlide = "1000";
    }
    return static_cast<int>(store::ParseLeadingNumber(state.lastSecondiSlide) / 1000);
}

void StoreSlideshowDelay(store::StateRecord& state, int seconds) {
    state.lastSecondiSlide = std::to_string(seconds * 1000);
}

std::string StoreConverterCommandLine(store::StateRecord& state, std::string_view typed) {
    std::string commandLine = store::TrimmedBlanks(typed);
    if (!commandLine.empty()) {
        state.lastConvCommandLine = std::move(commandLine);
    }
    return state.lastConvCommandLine;
}

}  // namespace quorvex::utilities
