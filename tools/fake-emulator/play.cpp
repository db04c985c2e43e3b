#include "play.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace fake_emulator {

namespace fs = std::filesystem;

namespace {

std::uint32_t Crc32(std::string_view bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char b : bytes) {
        crc = table[(crc ^ static_cast<unsigned char>(b)) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(std::string_view bytes) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (char c : bytes) {
        a = (a + static_cast<unsigned char>(c)) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

void PutChunk(std::string& out, std::string_view type, std::string_view data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::string body(type);
    body.append(data);
    out += body;
    PutBigEndian(out, Crc32(body));
}

bool WriteFile(const fs::path& path, const std::string& bytes) {
    std::error_code ignored;
    fs::create_directories(path.parent_path(), ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

bool ReadFile(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// The emulator adds ".inp" to a replay name given without an extension.
fs::path ReplayPath(const std::string& name) {
    fs::path path = fs::path("inp") / name;
    if (!path.has_extension()) {
        path += ".inp";
    }
    return path;
}

// The first free snapshot name: "snap/<game>.png", then "<game>0001.png" and so on.
fs::path FreeSnapshotPath(const std::string& game) {
    fs::path path = fs::path("snap") / (game + ".png");
    for (int number = 1; fs::exists(path); ++number) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%04d.png", number);
        path = fs::path("snap") / (game + suffix);
    }
    return path;
}

int PlayMilliseconds(const Catalogue& catalogue) {
    if (const char* text = std::getenv("QUORVEX_FAKE_MAME_DELAY_MS")) {
        char* end = nullptr;
        const long value = std::strtol(text, &end, 10);
        if (end != text && value >= 0) {
            return static_cast<int>(value);
        }
    }
    return catalogue.delayMilliseconds;
}

void TouchGameFile(const fs::path& path, const std::string& content) {
    if (!fs::exists(path)) {
        WriteFile(path, content);
    }
}

}  // namespace

std::string SnapshotPng(const std::string& seed) {
    constexpr std::uint32_t kSide = 8;
    const std::uint32_t colour = Crc32(seed);
    std::string pixels;
    for (std::uint32_t y = 0; y < kSide; ++y) {
        pixels += '\0';  // no filter
        for (std::uint32_t x = 0; x < kSide; ++x) {
            pixels += static_cast<char>((colour >> 16) + x * 16);
            pixels += static_cast<char>((colour >> 8) + y * 16);
            pixels += static_cast<char>(colour);
        }
    }
    // zlib stream with one stored deflate block: the picture is tiny, so no compressor is needed.
    std::string zlib = "\x78\x01";
    zlib += '\x01';
    const auto length = static_cast<std::uint16_t>(pixels.size());
    zlib += static_cast<char>(length & 0xFF);
    zlib += static_cast<char>(length >> 8);
    zlib += static_cast<char>(~length & 0xFF);
    zlib += static_cast<char>((~length >> 8) & 0xFF);
    zlib += pixels;
    PutBigEndian(zlib, Adler32(pixels));

    std::string header;
    PutBigEndian(header, kSide);
    PutBigEndian(header, kSide);
    header += "\x08\x02";  // 8 bits per channel, RGB
    header += std::string(3, '\0');

    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", "");
    return png;
}

// Today's emulator: "<directory>/<game>0000.png" for "%g%i", the next free index.
fs::path TodaysSnapshotPath(const PlayRequest& request, const std::string& game) {
    for (int number = 0;; ++number) {
        char index[16];
        std::snprintf(index, sizeof index, "%04d", number);
        const fs::path path = fs::path(request.snapshotDirectory) /
                              (request.snapName == "%g%i" ? game + index : game + "/" + index) +=
                              ".png";
        if (!fs::exists(path)) {
            return path;
        }
    }
}

bool RomsFound(const PlayRequest& request, const Game& game) {
    if (game.roms.empty()) {
        return true;
    }
    std::string paths = request.romPath.empty() ? "roms" : request.romPath;
    std::size_t start = 0;
    while (start <= paths.size()) {
        const std::size_t end = std::min(paths.find(';', start), paths.size());
        const fs::path directory = paths.substr(start, end - start);
        if (fs::exists(directory / (game.name + ".zip")) ||
            fs::exists(directory / game.name / game.roms.front())) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

int PlayToday(const Catalogue& catalogue, const PlayRequest& request, std::string& console) {
    const Game* game = catalogue.Find(request.game);
    if (game == nullptr || game->isDevice) {
        std::fprintf(stderr, "Unknown system '%s'\n", request.game.c_str());
        return 1;
    }
    std::fprintf(stderr, "error: XDG_RUNTIME_DIR is invalid or not set in the environment.\n");
    if (!RomsFound(request, *game)) {
        std::fprintf(stderr, "%s NOT FOUND (tried in %s)\nRequired files are missing, the machine cannot be run.\n",
                     game->roms.front().c_str(), game->name.c_str());
        return 2;
    }
    if (!request.playback.empty()) {
        std::string replay;
        if (!ReadFile(fs::path(request.inputDirectory) / request.playback, replay)) {
            std::fprintf(stderr, "Failed to open file %s for playback\n", request.playback.c_str());
            return 1;
        }
    }
    const int milliseconds = PlayMilliseconds(catalogue);
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    WriteFile(TodaysSnapshotPath(request, game->name), SnapshotPng(game->name));
    if (!request.record.empty()) {
        std::string recording = "QVXINP " + game->name + "\n";
        WriteFile(fs::path(request.inputDirectory) / request.record, recording);
    }
    TouchGameFile(fs::path("cfg") / (game->name + ".cfg"), "settings of " + game->name + "\n");
    console = "Average speed: " + catalogue.framesPerSecond + "% (" +
              std::to_string(milliseconds / 1000) + " seconds)\n";
    return 0;
}

int Play(const Catalogue& catalogue, const PlayRequest& request, std::string& console) {
    if (request.today) {
        return PlayToday(catalogue, request, console);
    }
    const Game* game = catalogue.Find(request.game);
    if (game == nullptr) {
        console = "Unknown game: " + request.game + "\n";
        return 1;
    }
    std::string replay;
    if (!request.playback.empty()) {
        const fs::path path = ReplayPath(request.playback);
        if (!ReadFile(path, replay)) {
            console = "Unable to open the replay " + path.generic_string() + "\n";
            return 1;
        }
    }

    const int milliseconds = PlayMilliseconds(catalogue);
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));

    WriteFile(FreeSnapshotPath(game->name), SnapshotPng(game->name));
    if (!request.record.empty()) {
        std::string recording = "QVXINP " + game->name + "\n";
        recording.append(static_cast<std::size_t>(milliseconds / 16 + 1), '\0');
        WriteFile(ReplayPath(request.record), recording);
    }
    TouchGameFile(fs::path("hi") / (game->name + ".hi"), "high scores of " + game->name + "\n");
    TouchGameFile(fs::path("cfg") / (game->name + ".cfg"), "settings of " + game->name + "\n");

    const int frames = milliseconds * 60 / 1000 + 1;
    console =
        "Average FPS: " + catalogue.framesPerSecond + " (" + std::to_string(frames) + " frames)\n";
    return 0;
}

}  // namespace fake_emulator
