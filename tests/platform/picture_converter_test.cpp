// The picture converter as the launch batch runs it after play: the default
// command line "nconvert -s14 -C2 *.*" in the snapshot directory, found on PATH.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/batch_interpreter.h"
#include "platform/file_system.h"
#include "platform/pcx.h"
#include "script_files.h"

namespace quorvex::platform {
namespace {

using quorvex::testing::TempDir;
using quorvex::testing::WriteBytes;

using Rgb = std::array<std::uint8_t, 3>;

std::string Big32(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
            static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::uint32_t Crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// An RGB PNG whose pixel data is one stored deflate block.
std::string Png(int width, int height, const std::vector<Rgb>& pixels) {
    std::string raw;
    for (int y = 0; y < height; ++y) {
        raw += '\0';  // no filter
        for (int x = 0; x < width; ++x) {
            for (std::uint8_t c : pixels[static_cast<std::size_t>(y * width + x)])
                raw += static_cast<char>(c);
        }
    }
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    const auto length = static_cast<std::uint16_t>(raw.size());
    std::string zlib = "\x78\x01\x01";
    zlib += static_cast<char>(length & 0xFF);
    zlib += static_cast<char>(length >> 8);
    zlib += static_cast<char>(~length & 0xFF);
    zlib += static_cast<char>((~length >> 8) & 0xFF);
    zlib += raw + Big32((b << 16) | a);

    auto chunk = [](const std::string& type, const std::string& data) {
        return Big32(static_cast<std::uint32_t>(data.size())) + type + data +
               Big32(Crc32(type + data));
    };
    const std::string header = Big32(static_cast<std::uint32_t>(width)) +
                               Big32(static_cast<std::uint32_t>(height)) +
                               std::string("\x08\x02\x00\x00\x00", 5);
    return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", zlib) +
           chunk("IEND", "");
}

std::vector<Rgb> PixelsOf(const RgbaPicture& picture) {
    std::vector<Rgb> pixels;
    for (std::size_t i = 0; i + 3 < picture.rgba.size(); i += 4)
        pixels.push_back({picture.rgba[i], picture.rgba[i + 1], picture.rgba[i + 2]});
    return pixels;
}

TEST(PictureConverter, TurnsEveryPngSnapshotIntoPcxAndLeavesEverythingElse) {
    TempDir snap;
    const std::vector<Rgb> shot = {{255, 0, 0},     {0, 255, 0},     {0, 0, 255},   {1, 2, 3},
                                   {200, 201, 202}, {9, 9, 9},       {250, 0, 250}, {7, 77, 177},
                                   {0, 0, 0},       {255, 255, 255}, {12, 34, 56},  {65, 43, 21}};
    WriteBytes(snap.File("ghostrn.png"), Png(4, 3, shot));
    WriteBytes(snap.File("ghostrn0001.PNG"), Png(1, 1, {{10, 20, 30}}));
    WriteBytes(snap.File("notes.txt"), "not a picture");
    WriteBytes(snap.File("broken.png"), "\x89PNG but nothing after");

    {
        const char* old = std::getenv("PATH");
        quorvex::testing::ScopedSearchPath path(std::string(QUORVEX_PICTURE_CONVERTER_DIR) + ":" +
                                                (old == nullptr ? "" : old));
        // The program directory named in front holds no converter, so PATH finds it.
        InterpretBatchText(snap.File("nconvert") + " -s14 -C2 *.*\n", snap.path());
    }

    const RgbaPicture converted = ReadPcxFile(snap.File("ghostrn.pcx")).value_or(RgbaPicture{});
    EXPECT_EQ(converted.width, 4);
    EXPECT_EQ(converted.height, 3);
    EXPECT_EQ(PixelsOf(converted), shot);
    EXPECT_EQ(PixelsOf(ReadPcxFile(snap.File("ghostrn0001.pcx")).value_or(RgbaPicture{})),
              (std::vector<Rgb>{{10, 20, 30}}));

    std::vector<std::string> names;
    for (const DirectoryEntry& entry : ListDirectory(snap.path()))
        names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{"broken.png", "ghostrn.pcx", "ghostrn.png",
                                               "ghostrn0001.pcx", "ghostrn0001.PNG", "notes.txt"}));
}

}  // namespace
}  // namespace quorvex::platform
