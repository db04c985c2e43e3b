#pragma once
// ZSoft PCX pictures, the format of the emulator's snapshots: a reader for
// 1, 2 and 4-bit palette pictures (packed or in bit planes), 8-bit palette
// pictures and 24-bit pictures in three colour planes, and a writer.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::platform {

struct RgbaPicture {
    int width = 0;
    int height = 0;
    // width * height pixels row by row from the top, four bytes each in the
    // order red, green, blue, alpha (the layout of QImage::Format_RGBA8888).
    std::vector<std::uint8_t> rgba;
};

// Larger pictures are refused, whatever their header claims.
inline constexpr int kMaxPcxSide = 16384;
inline constexpr std::int64_t kMaxPcxPixels = 64LL * 1024 * 1024;

// Decodes a PCX file's bytes. Nothing when the bytes are not a PCX picture of
// a supported kind, claim a size beyond the limits, or end before the last
// row; pixels are always opaque.
std::optional<RgbaPicture> DecodePcx(std::string_view bytes);
std::optional<RgbaPicture> ReadPcxFile(const std::string& path);

// Encodes a picture as run-length coded PCX: 8-bit with a palette when it
// has at most 256 colours, otherwise 24-bit in three planes; alpha is
// dropped. Empty when the picture is empty, too large or its pixel buffer
// does not match its size.
std::string EncodePcx(const RgbaPicture& picture);
// Writes EncodePcx's bytes to path, replacing the file; false on failure.
bool WritePcxFile(const std::string& path, const RgbaPicture& picture);

}  // namespace quorvex::platform
