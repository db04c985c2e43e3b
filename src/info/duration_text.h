#pragma once
// A number of seconds as people read it: "1 hour, 2 minutes, 5 seconds".

#include <string>

namespace quorvex::info {

// Days, hours, minutes and seconds, each only when it is not zero, with the
// singular for 1; zero or fewer seconds give the empty text.
std::string DurationText(long long seconds);

}  // namespace quorvex::info
