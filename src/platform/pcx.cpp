#include "platform/pcx.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <unordered_map>

#include "platform/file_system.h"

namespace quorvex::platform {
namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kPaletteBlockSize = 769;  // the 0x0C marker and 256 RGB triples
constexpr std::uint8_t kPaletteMarker = 0x0C;
constexpr int kMaxRun = 63;

using Rgb = std::array<std::uint8_t, 3>;

// The EGA colours, for 16-colour files whose header carries no palette.
constexpr std::array<Rgb, 16> kEgaPalette = {{{0, 0, 0},
                                              {0, 0, 170},
                                              {0, 170, 0},
                                              {0, 170, 170},
                                              {170, 0, 0},
                                              {170, 0, 170},
                                              {170, 85, 0},
                                              {170, 170, 170},
                                              {85, 85, 85},
                                              {85, 85, 255},
                                              {85, 255, 85},
                                              {85, 255, 255},
                                              {255, 85, 85},
                                              {255, 85, 255},
                                              {255, 255, 85},
                                              {255, 255, 255}}};

std::uint8_t Byte(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]);
}

unsigned Word(std::string_view bytes, std::size_t at) {
    return Byte(bytes, at) | (static_cast<unsigned>(Byte(bytes, at + 1)) << 8);
}

enum class Layout { Packed, BitPlanes, ColourPlanes };

std::vector<Rgb> HeaderPalette(std::string_view bytes, int colours) {
    std::vector<Rgb> palette(16);
    bool allZero = true;
    for (std::size_t i = 0; i < 16; ++i) {
        for (std::size_t c = 0; c < 3; ++c) {
            palette[i][c] = Byte(bytes, 16 + i * 3 + c);
            allZero = allZero && palette[i][c] == 0;
        }
    }
    if (colours == 2 && palette[0] == palette[1]) {
        palette[0] = {0, 0, 0};
        palette[1] = {255, 255, 255};
    } else if (allZero) {
        std::copy(kEgaPalette.begin(), kEgaPalette.end(), palette.begin());
    }
    return palette;
}

// Run-length decoding as one stream: some writers let a run cross the end
// of a row, so the pending run is carried into the next one.
class RunDecoder {
public:
    RunDecoder(std::string_view data, bool encoded) : m_data(data), m_encoded(encoded) {}

    // Fills row completely; false when the data ends first.
    bool Fill(std::vector<std::uint8_t>& row) {
        std::size_t filled = 0;
        while (filled < row.size()) {
            if (m_pending > 0) {
                const std::size_t take = std::min(m_pending, row.size() - filled);
                std::memset(row.data() + filled, m_value, take);
                filled += take;
                m_pending -= take;
                continue;
            }
            if (m_at >= m_data.size())
                return false;
            const auto code = static_cast<std::uint8_t>(m_data[m_at++]);
            if (m_encoded && (code & 0xC0) == 0xC0) {
                if (m_at >= m_data.size())
                    return false;
                m_pending = code & 0x3F;
                m_value = static_cast<std::uint8_t>(m_data[m_at++]);
            } else {
                row[filled++] = code;
            }
        }
        return true;
    }

private:
    std::string_view m_data;
    bool m_encoded;
    std::size_t m_at = 0;
    std::size_t m_pending = 0;
    std::uint8_t m_value = 0;
};

void PutPixel(std::uint8_t* out, const Rgb& colour) {
    out[0] = colour[0];
    out[1] = colour[1];
    out[2] = colour[2];
    out[3] = 255;
}

void AppendWord(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void AppendRuns(std::string& out, const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    while (at < size) {
        const std::uint8_t value = data[at];
        std::size_t run = 1;
        while (at + run < size && run < kMaxRun && data[at + run] == value)
            ++run;
        if (run > 1 || (value & 0xC0) == 0xC0) {
            out += static_cast<char>(0xC0 | run);
        }
        out += static_cast<char>(value);
        at += run;
    }
}

}  // namespace

std::optional<RgbaPicture> DecodePcx(std::string_view bytes) {
    if (bytes.size() < kHeaderSize || Byte(bytes, 0) != 0x0A)
        return std::nullopt;
    const std::uint8_t encoding = Byte(bytes, 2);
    const int bitsPerPixel = Byte(bytes, 3);
    const int planes = Byte(bytes, 65);
    const std::size_t bytesPerLine = Word(bytes, 66);
    const unsigned xMin = Word(bytes, 4);
    const unsigned yMin = Word(bytes, 6);
    const unsigned xMax = Word(bytes, 8);
    const unsigned yMax = Word(bytes, 10);
    if (encoding > 1 || xMax < xMin || yMax < yMin || bytesPerLine == 0)
        return std::nullopt;
    const int width = static_cast<int>(xMax - xMin + 1);
    const int height = static_cast<int>(yMax - yMin + 1);
    if (width > kMaxPcxSide || height > kMaxPcxSide ||
        static_cast<std::int64_t>(width) * height > kMaxPcxPixels) {
        return std::nullopt;
    }

    Layout layout;
    int colours = 0;
    if (planes == 1 &&
        (bitsPerPixel == 1 || bitsPerPixel == 2 || bitsPerPixel == 4 || bitsPerPixel == 8)) {
        layout = Layout::Packed;
        colours = 1 << bitsPerPixel;
    } else if (bitsPerPixel == 1 && planes >= 2 && planes <= 4) {
        layout = Layout::BitPlanes;
        colours = 1 << planes;
    } else if (bitsPerPixel == 8 && (planes == 3 || planes == 4)) {
        layout = Layout::ColourPlanes;
    } else {
        return std::nullopt;
    }
    if (bytesPerLine * 8 < static_cast<std::size_t>(width) * bitsPerPixel)
        return std::nullopt;

    std::size_t dataEnd = bytes.size();
    std::vector<Rgb> palette;
    if (layout == Layout::Packed && bitsPerPixel == 8) {
        palette.resize(256);
        const bool hasPalette = bytes.size() >= kHeaderSize + kPaletteBlockSize &&
                                Byte(bytes, bytes.size() - kPaletteBlockSize) == kPaletteMarker;
        for (std::size_t i = 0; i < 256; ++i) {
            for (std::size_t c = 0; c < 3; ++c) {
                palette[i][c] = hasPalette
                                    ? Byte(bytes, bytes.size() - kPaletteBlockSize + 1 + i * 3 + c)
                                    : static_cast<std::uint8_t>(i);
            }
        }
        if (hasPalette)
            dataEnd -= kPaletteBlockSize;
    } else if (layout != Layout::ColourPlanes) {
        palette = HeaderPalette(bytes, colours);
    }

    // Refuse before allocating when the data could not possibly fill the
    // picture, so a tiny file claiming a huge size costs nothing.
    const std::size_t rowBytes = bytesPerLine * static_cast<std::size_t>(planes);
    const std::size_t dataBytes = dataEnd - kHeaderSize;
    const std::size_t needed = rowBytes * static_cast<std::size_t>(height);
    const std::size_t mostDecodable = encoding == 1 ? dataBytes / 2 * kMaxRun + 1 : dataBytes;
    if (mostDecodable < needed)
        return std::nullopt;

    RgbaPicture picture;
    picture.width = width;
    picture.height = height;
    picture.rgba.resize(static_cast<std::size_t>(width) * height * 4);
    RunDecoder decoder(bytes.substr(kHeaderSize, dataBytes), encoding == 1);
    std::vector<std::uint8_t> row(rowBytes);
    for (int y = 0; y < height; ++y) {
        if (!decoder.Fill(row))
            return std::nullopt;
        std::uint8_t* out = picture.rgba.data() + static_cast<std::size_t>(y) * width * 4;
        for (int x = 0; x < width; ++x, out += 4) {
            const auto ux = static_cast<std::size_t>(x);
            switch (layout) {
                case Layout::Packed: {
                    const std::size_t bit = ux * bitsPerPixel;
                    const int shift = 8 - bitsPerPixel - static_cast<int>(bit % 8);
                    const unsigned index = (row[bit / 8] >> shift) & ((1u << bitsPerPixel) - 1);
                    PutPixel(out, palette[index]);
                    break;
                }
                case Layout::BitPlanes: {
                    unsigned index = 0;
                    for (int p = 0; p < planes; ++p) {
                        const std::uint8_t packed =
                            row[static_cast<std::size_t>(p) * bytesPerLine + ux / 8];
                        index |= ((packed >> (7 - ux % 8)) & 1u) << p;
                    }
                    PutPixel(out, palette[index]);
                    break;
                }
                case Layout::ColourPlanes:
                    PutPixel(out, {row[ux], row[bytesPerLine + ux], row[2 * bytesPerLine + ux]});
                    break;
            }
        }
    }
    return picture;
}

std::optional<RgbaPicture> ReadPcxFile(const std::string& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return DecodePcx(*bytes);
}

std::string EncodePcx(const RgbaPicture& picture) {
    const int width = picture.width;
    const int height = picture.height;
    if (width <= 0 || height <= 0 || width > kMaxPcxSide || height > kMaxPcxSide ||
        static_cast<std::int64_t>(width) * height > kMaxPcxPixels ||
        picture.rgba.size() != static_cast<std::size_t>(width) * height * 4) {
        return {};
    }
    const std::size_t pixels = static_cast<std::size_t>(width) * height;

    // Colours in order of first appearance; more than 256 means 24-bit.
    std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
    std::vector<std::uint32_t> colours;
    for (std::size_t i = 0; i < pixels && colours.size() <= 256; ++i) {
        const std::uint8_t* p = picture.rgba.data() + i * 4;
        const std::uint32_t key = (static_cast<std::uint32_t>(p[0]) << 16) |
                                  (static_cast<std::uint32_t>(p[1]) << 8) | p[2];
        if (indexOf.emplace(key, static_cast<std::uint8_t>(colours.size())).second) {
            colours.push_back(key);
        }
    }
    const bool paletted = colours.size() <= 256;
    const int planes = paletted ? 1 : 3;
    const std::size_t bytesPerLine = static_cast<std::size_t>(width) + (width & 1);

    std::string out;
    out.reserve(kHeaderSize + pixels * planes / 2 + kPaletteBlockSize);
    out += static_cast<char>(0x0A);  // manufacturer
    out += static_cast<char>(5);     // version 3.0 with palette
    out += static_cast<char>(1);     // run-length coding
    out += static_cast<char>(8);     // bits per pixel and plane
    AppendWord(out, 0);
    AppendWord(out, 0);
    AppendWord(out, static_cast<unsigned>(width - 1));
    AppendWord(out, static_cast<unsigned>(height - 1));
    AppendWord(out, 72);
    AppendWord(out, 72);
    for (std::size_t i = 0; i < 16; ++i) {
        const std::uint32_t colour = paletted && i < colours.size() ? colours[i] : 0;
        out += static_cast<char>(colour >> 16);
        out += static_cast<char>((colour >> 8) & 0xFF);
        out += static_cast<char>(colour & 0xFF);
    }
    out += '\0';
    out += static_cast<char>(planes);
    AppendWord(out, static_cast<unsigned>(bytesPerLine));
    AppendWord(out, 1);  // colour palette
    AppendWord(out, 0);
    AppendWord(out, 0);
    out.resize(kHeaderSize, '\0');

    std::vector<std::uint8_t> line(bytesPerLine, 0);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* source = picture.rgba.data() + static_cast<std::size_t>(y) * width * 4;
        for (int plane = 0; plane < planes; ++plane) {
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* p = source + static_cast<std::size_t>(x) * 4;
                if (paletted) {
                    const std::uint32_t key = (static_cast<std::uint32_t>(p[0]) << 16) |
                                              (static_cast<std::uint32_t>(p[1]) << 8) | p[2];
                    line[static_cast<std::size_t>(x)] = indexOf.at(key);
                } else {
                    line[static_cast<std::size_t>(x)] = p[plane];
                }
            }
            AppendRuns(out, line.data(), line.size());
        }
    }
    if (paletted) {
        out += static_cast<char>(kPaletteMarker);
        for (std::size_t i = 0; i < 256; ++i) {
            const std::uint32_t colour = i < colours.size() ? colours[i] : 0;
            out += static_cast<char>(colour >> 16);
            out += static_cast<char>((colour >> 8) & 0xFF);
            out += static_cast<char>(colour & 0xFF);
        }
    }
    return out;
}

bool WritePcxFile(const std::string& path, const RgbaPicture& picture) {
    const std::string bytes = EncodePcx(picture);
    if (bytes.empty())
        return false;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

}  // namespace quorvex::platform
