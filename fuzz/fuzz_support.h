#pragma once
// Helpers shared by the fuzz targets: a property check that stops the run,
// splitting one input into several texts, and a scratch directory.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/user_feedback.h"

namespace quorvex::fuzz {

// Reports a broken property and aborts, which libFuzzer records as a crash.
[[noreturn]] void Fail(const char* what, const char* file, int line);

#define QUORVEX_FUZZ_CHECK(condition)                                     \
    do {                                                                  \
        if (!(condition)) ::quorvex::fuzz::Fail(#condition, __FILE__, __LINE__); \
    } while (false)

// The input as text.
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at every NUL byte into at least count parts (missing ones empty).
std::vector<std::string_view> SplitInput(std::string_view input, std::size_t count);

// A directory of this process for files a target must write, ending with '/'.
// Created on first use, emptied by ClearScratch, removed at exit.
const std::string& ScratchDirectory();
void ClearScratch();

// A user who answers No and only counts the messages shown.
class NoFeedback : public store::UserFeedback {
public:
    void ShowMessage(const std::string&, store::MessageIcon) override { ++messages; }
    bool AskYesNo(const std::string&) override { return false; }
    int messages = 0;
};

}  // namespace quorvex::fuzz
