// PCX pictures: the reader on any bytes keeps to its limits, and whatever it
// reads is written and read back pixel for pixel. The input also serves as
// a picture of its own for the writer.

#include "fuzz_support.h"
#include "platform/pcx.h"

using namespace quorvex;

namespace {

void CheckRoundTrip(const platform::RgbaPicture& picture) {
    const std::string bytes = platform::EncodePcx(picture);
    QUORVEX_FUZZ_CHECK(!bytes.empty());
    const auto back = platform::DecodePcx(bytes);
    QUORVEX_FUZZ_CHECK(back.has_value());
    QUORVEX_FUZZ_CHECK(back->width == picture.width && back->height == picture.height);
    for (std::size_t i = 0; i < picture.rgba.size(); i += 4) {
        // Alpha is not stored: every pixel read back is opaque.
        QUORVEX_FUZZ_CHECK(back->rgba[i] == picture.rgba[i] &&
                           back->rgba[i + 1] == picture.rgba[i + 1] &&
                           back->rgba[i + 2] == picture.rgba[i + 2] && back->rgba[i + 3] == 255);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = platform::DecodePcx(fuzz::AsText(data, size));
    if (picture) {
        QUORVEX_FUZZ_CHECK(picture->width > 0 && picture->height > 0);
        QUORVEX_FUZZ_CHECK(picture->width <= platform::kMaxPcxSide &&
                           picture->height <= platform::kMaxPcxSide);
        QUORVEX_FUZZ_CHECK(picture->rgba.size() ==
                           static_cast<std::size_t>(picture->width) * picture->height * 4);
        CheckRoundTrip(*picture);
    }

    // The bytes as a picture: the first two give its width, the rest its
    // pixels (a few colours or many, as the bytes fall).
    if (size >= 3) {
        platform::RgbaPicture own;
        own.width = 1 + ((data[0] | (data[1] << 8)) % 300);
        const std::size_t pixels = (size - 2) / 3;
        own.height = static_cast<int>(pixels / static_cast<std::size_t>(own.width));
        if (own.height > 0) {
            for (std::size_t i = 0; i < static_cast<std::size_t>(own.width) * own.height; ++i) {
                own.rgba.insert(own.rgba.end(), {data[2 + 3 * i], data[3 + 3 * i], data[4 + 3 * i], 255});
            }
            CheckRoundTrip(own);
        }
    }
    return 0;
}
