// PCX pictures: the writer's two forms read back unchanged, the older kinds
// of file the reader meets among snapshots, and files that lie or end early.

#include "platform/pcx.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace quorvex::platform {
namespace {

using quorvex::testing::TempDir;

RgbaPicture Picture(int width, int height, std::uint32_t (*colourAt)(int x, int y)) {
    RgbaPicture picture;
    picture.width = width;
    picture.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = colourAt(x, y);
            picture.rgba.insert(picture.rgba.end(), {static_cast<std::uint8_t>(rgb >> 16),
                                                     static_cast<std::uint8_t>(rgb >> 8),
                                                     static_cast<std::uint8_t>(rgb), 255});
        }
    }
    return picture;
}

// A header for hand-made files of the older kinds; data follows it.
std::string Header(int bitsPerPixel, int planes, int width, int height, int bytesPerLine,
                   int encoding = 1) {
    std::string header(128, '\0');
    auto put16 = [&](std::size_t at, int value) {
        header[at] = static_cast<char>(value & 0xFF);
        header[at + 1] = static_cast<char>(value >> 8);
    };
    header[0] = 0x0A;
    header[1] = 5;
    header[2] = static_cast<char>(encoding);
    header[3] = static_cast<char>(bitsPerPixel);
    put16(8, width - 1);
    put16(10, height - 1);
    header[65] = static_cast<char>(planes);
    put16(66, bytesPerLine);
    return header;
}

std::uint32_t PixelAt(const RgbaPicture& picture, int x, int y) {
    const std::uint8_t* p =
        picture.rgba.data() + (static_cast<std::size_t>(y) * picture.width + x) * 4;
    return (static_cast<std::uint32_t>(p[0]) << 16) | (p[1] << 8) | p[2];
}

TEST(PcxRoundTrip, FewColoursGiveAnEightBitFileThatReadsBackUnchanged) {
    // 251 colours, so palette indices with both top bits set (which must be
    // escaped) occur; an odd width, so rows are padded; a solid first row,
    // so runs are longer than the longest code.
    const RgbaPicture picture = Picture(301, 5, [](int x, int y) -> std::uint32_t {
        return y == 0 ? 0xC0C0C0u : static_cast<std::uint32_t>((x + y * 7) % 250) * 0x010203u;
    });
    TempDir dir;
    ASSERT_TRUE(WritePcxFile(dir.File("shot.pcx"), picture));
    const std::string bytes = quorvex::testing::ReadBytes(dir.File("shot.pcx"));
    EXPECT_EQ(bytes[65], 1);                                                  // one plane
    EXPECT_EQ(static_cast<unsigned char>(bytes[bytes.size() - 769]), 0x0Cu);  // palette follows
    const RgbaPicture back = ReadPcxFile(dir.File("shot.pcx")).value_or(RgbaPicture{});
    EXPECT_EQ(back.width, 301);
    EXPECT_EQ(back.height, 5);
    EXPECT_EQ(back.rgba, picture.rgba);
}

TEST(PcxRoundTrip, ManyColoursGiveATwentyFourBitFileThatReadsBackUnchangedAndWholeOrNotAtAll) {
    const RgbaPicture picture = Picture(64, 48, [](int x, int y) -> std::uint32_t {
        return static_cast<std::uint32_t>(x * 4) << 16 | static_cast<std::uint32_t>(y * 5) << 8 |
               static_cast<std::uint32_t>((x + y) % 3 == 0 ? 0xFF : 0x20);
    });
    const std::string bytes = EncodePcx(picture);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes[65], 3);
    EXPECT_EQ(DecodePcx(bytes).value_or(RgbaPicture{}).rgba, picture.rgba);

    // Any cut inside the picture data is refused rather than read past.
    for (std::size_t size = 0; size < bytes.size(); size += 7)
        EXPECT_FALSE(DecodePcx(std::string_view(bytes).substr(0, size))) << "cut at " << size;

    // The writer refuses pictures it cannot describe.
    EXPECT_TRUE(EncodePcx(RgbaPicture{}).empty());
    RgbaPicture mismatched = Picture(4, 4, [](int, int) -> std::uint32_t { return 0; });
    mismatched.rgba.pop_back();
    EXPECT_TRUE(EncodePcx(mismatched).empty());

    // The widest picture the reader takes is written; one pixel more is not,
    // in either direction.
    auto stripes = [](int x, int) -> std::uint32_t { return x % 2 ? 0xFFFFFFu : 0u; };
    const std::string widest = EncodePcx(Picture(16384, 1, stripes));
    ASSERT_FALSE(widest.empty());
    EXPECT_EQ(DecodePcx(widest).value_or(RgbaPicture{}).width, 16384);
    EXPECT_TRUE(EncodePcx(Picture(16385, 1, stripes)).empty());
    EXPECT_TRUE(EncodePcx(Picture(1, 16385, stripes)).empty());
}

TEST(PcxReader, ReadsOneBitAndBothFourBitLayoutsAndRefusesFilesThatLie) {
    // 1 bit: 0 black, 1 white when the header has no two-colour palette.
    auto picture = DecodePcx(Header(1, 1, 8, 1, 2) + std::string("\xA5\x00", 2));
    ASSERT_TRUE(picture);
    EXPECT_EQ(PixelAt(*picture, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(*picture, 1, 0), 0x000000u);
    EXPECT_EQ(PixelAt(*picture, 2, 0), 0xFFFFFFu);

    // 4 bits in four one-bit planes: pixel 0 takes index 0b1010 = 10.
    std::string planar = Header(1, 4, 4, 1, 2, 0);
    planar.replace(16 + 10 * 3, 3, "\x12\x34\x56");
    planar += std::string("\x00\x00\x80\x00\x00\x00\x80\x00", 8);
    picture = DecodePcx(planar);
    ASSERT_TRUE(picture);
    EXPECT_EQ(PixelAt(*picture, 0, 0), 0x123456u);
    EXPECT_EQ(PixelAt(*picture, 1, 0), PixelAt(*picture, 3, 0));

    // 4 bits packed two to a byte, with a run crossing into the next row.
    std::string packed = Header(4, 1, 2, 4, 2);
    packed[16 + 3] = '\x7F';  // colour 1
    packed += std::string("\xC8\x01", 2);
    picture = DecodePcx(packed);
    ASSERT_TRUE(picture);
    EXPECT_EQ(PixelAt(*picture, 0, 0), 0x000000u);
    EXPECT_EQ(PixelAt(*picture, 1, 3), 0x7F0000u);

    // Files that lie about themselves are refused.
    std::string huge = Header(8, 3, 1, 1, 2);
    huge[8] = huge[9] = huge[10] = huge[11] = '\xFF';  // 65536 x 65536
    EXPECT_FALSE(DecodePcx(huge + "\xC1\x00"));

    EXPECT_FALSE(DecodePcx(Header(8, 3, 4000, 4000, 4000) + "\xFF\x00"));       // holds far less
    EXPECT_FALSE(DecodePcx(Header(8, 1, 10, 1, 4) + std::string(10, '\x01')));  // line too short

    std::string notPcx = Header(8, 1, 2, 1, 2) + "ab";
    notPcx[0] = 'B';
    EXPECT_FALSE(DecodePcx(notPcx));
    EXPECT_FALSE(DecodePcx(notPcx.substr(0, 60)));
    EXPECT_FALSE(DecodePcx(Header(3, 1, 2, 1, 2) + "ab"));  // no such depth
}

}  // namespace
}  // namespace quorvex::platform
