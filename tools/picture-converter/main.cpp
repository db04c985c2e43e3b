// Converts the PNG and BMP pictures of the current directory that match the
// wildcard arguments into PCX files of the same base name, leaving the
// originals in place. Arguments beginning with '-' are options of the
// converter this program stands in for and are ignored, so the default
// command line "nconvert -s14 -C2 *.*" works unchanged.
//
// Exit status: 0 when every matching picture was converted, 1 when one could
// not be, 2 without a wildcard argument.

#include <QByteArray>
#include <QImage>

#include <cstdio>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/pcx.h"
#include "store/text_utils.h"

namespace {

using namespace quorvex;

// "PNG" or "BMP" for the pictures this program converts, else nothing.
const char* PictureFormat(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return nullptr;
    const std::string extension = store::ToLowerAscii(name.substr(dot));
    if (extension == ".png")
        return "PNG";
    if (extension == ".bmp")
        return "BMP";
    return nullptr;
}

std::optional<platform::RgbaPicture> Decode(const std::string& path, const char* format) {
    // The bytes are read by the core so that names in any encoding work.
    const std::optional<std::string> bytes = platform::ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    QImage image;
    if (!image.loadFromData(QByteArray::fromRawData(bytes->data(), static_cast<int>(bytes->size())),
                            format)) {
        return std::nullopt;
    }
    image = image.convertToFormat(QImage::Format_RGBA8888);
    platform::RgbaPicture picture;
    picture.width = image.width();
    picture.height = image.height();
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 4;
    picture.rgba.resize(rowBytes * static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(picture.rgba.data() + rowBytes * static_cast<std::size_t>(y),
                    image.constScanLine(y), rowBytes);
    }
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> patterns;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-')
            patterns.emplace_back(argv[i]);
    }
    if (patterns.empty()) {
        std::fprintf(stderr, "usage: %s [options] wildcard...\n", argc > 0 ? argv[0] : "converter");
        return 2;
    }

    const std::string directory = platform::CurrentDirectory();
    std::set<std::string> done;
    int status = 0;
    for (const std::string& pattern : patterns) {
        for (const platform::DirectoryEntry& entry : platform::ListDirectory(directory, pattern)) {
            const char* format = PictureFormat(entry.name);
            if (entry.isDirectory || format == nullptr || !done.insert(entry.name).second) {
                continue;
            }
            const std::string target = entry.name.substr(0, entry.name.rfind('.')) + ".pcx";
            const std::optional<platform::RgbaPicture> picture =
                Decode(directory + entry.name, format);
            if (!picture || !platform::WritePcxFile(directory + target, *picture)) {
                std::fprintf(stderr, "%s: cannot convert\n", entry.name.c_str());
                status = 1;
                continue;
            }
            std::printf("%s -> %s\n", entry.name.c_str(), target.c_str());
        }
    }
    return status;
}
