#pragma once
// The two values the Utilities page keeps in the state record: the
// slideshow delay (LAST_SECONDI_SLIDE, milliseconds) and the picture
// converter's command line (LAST_CONV_COMMAND_LINE).

#include <string>
#include <string_view>

#include "store/state_file.h"

namespace quorvex::utilities {

inline constexpr int kSlowestSlideshowSeconds = 10;
inline constexpr int kFastestSlideshowSeconds = 1;

// Shown every time the converter's command line has been edited.
extern const char* const kConverterWarning;

// Puts "1000" into the delay when it does not read as a number of
// milliseconds, and returns the delay in whole seconds for the slider.
int PrepareSlideshowDelay(store::StateRecord& state);
// The slider's seconds, as milliseconds.
void StoreSlideshowDelay(store::StateRecord& state, int seconds);

// Keeps the typed command line, blanks cut, unless nothing is left of it.
// Returns the text the box shows afterwards: the stored command line.
std::string StoreConverterCommandLine(store::StateRecord& state, std::string_view typed);

}  // namespace quorvex::utilities
