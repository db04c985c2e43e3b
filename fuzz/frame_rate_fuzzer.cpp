// The emulator's console output after a play, as any bytes: the frame rate
// is one line's text, and an error text is never empty or all blank.

#include <fstream>

#include "fuzz_support.h"
#include "play/after_play.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ClearScratch();
    const std::string path = fuzz::ScratchDirectory() + "fps.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::string text;
    if (play::ReadFrameRate(path, text)) {
        QUORVEX_FUZZ_CHECK(text.find_first_not_of(" \n") != std::string::npos);
    } else {
        QUORVEX_FUZZ_CHECK(text.find('\n') == std::string::npos);
    }
    return 0;
}
