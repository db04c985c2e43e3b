// The unzip layer on real zip files: the listing's fixed layout that the set
// queries read by column, the buffer capacity, and flat extraction that must
// stay inside its destination whatever the zip's names say.

#include "platform/unzip.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "test_support.h"
#include "zip_builder.h"

namespace quorvex::platform {
namespace {

using quorvex::testing::ReadBytes;
using quorvex::testing::TempDir;
using quorvex::testing::WriteBytes;
using quorvex::testing::WriteZip;
namespace fs = std::filesystem;

struct Output {
    UnzipResult result;
    std::string text;
};

Output Unzip(const std::string& command, std::size_t capacity = 1 << 20) {
    std::vector<char> buffer(capacity + 1, '#');
    Output output;
    output.result = RunUnzipCommand(command, buffer.data(), capacity);
    output.text = buffer.data();
    return output;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> NamesIn(const std::string& directory) {
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : ListDirectory(directory))
        names.push_back(entry.name);
    return names;
}

TEST(UnzipListing, HasTwoHeadingLinesOneLinePerEntryNamedFromColumn59AndTwoClosingLines) {
    TempDir dir;
    WriteZip(dir.File("set.zip"), {{"a.rom", std::string(1000, 'a'), false, false},
                                   {"sub/", "", false, false},
                                   {"sub/B.ROM", "hello", false, true}});
    const Output out = Unzip("-v " + dir.File("set.zip"));
    ASSERT_TRUE(out.result.succeeded);
    EXPECT_EQ(out.result.outputSize, out.text.size() + 1);
    const std::vector<std::string> lines = Lines(out.text);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].substr(kListingNameColumn), "Name");
    EXPECT_EQ(lines[1].substr(kListingNameColumn), "----");
    EXPECT_EQ(lines[2].substr(kListingNameColumn), "a.rom");
    EXPECT_EQ(lines[3].substr(kListingNameColumn), "sub/");
    EXPECT_EQ(lines[4].substr(kListingNameColumn), "sub/B.ROM");
    EXPECT_EQ(lines[5].substr(kListingNameColumn), "-------");
    EXPECT_EQ(lines[6].substr(kListingNameColumn), "3 files");
    // The columns before the name carry sizes, method and CRC like a classic listing.
    EXPECT_EQ(lines[2].substr(0, 16), "    1000  Defl:N");
    EXPECT_EQ(lines[4].substr(0, 30), "       5  Stored        5   0%");
    EXPECT_EQ(lines[4].substr(48, 8), "3610a686");  // CRC-32 of "hello"
    EXPECT_EQ(lines[6].substr(0, 8), "    1005");
}

TEST(UnzipListing, AcceptsPathsWithBlanksAndRejectsWhatIsNoZip) {
    TempDir dir;
    WriteZip(dir.File("my roms/pac man.zip"), {{"pacman.6e", "x", false, false}});
    const Output listed = Unzip("-v " + dir.File("my roms/pac man.zip"));
    ASSERT_TRUE(listed.result.succeeded);
    EXPECT_EQ(Lines(listed.text)[2].substr(kListingNameColumn), "pacman.6e");

    WriteBytes(dir.File("broken.zip"), "PK\x03\x04 this is not really a zip");
    for (const std::string& path : {dir.File("broken.zip"), dir.File("missing.zip")}) {
        const Output out = Unzip("-v " + path);
        EXPECT_FALSE(out.result.succeeded);
        EXPECT_EQ(Lines(out.text).size(), 1u) << out.text;
    }
    EXPECT_FALSE(Unzip("-q " + dir.File("my roms/pac man.zip")).result.succeeded);
}

TEST(UnzipListing, NeverWritesPastTheCapacityAndTellsTheSizeItNeeds) {
    TempDir dir;
    std::vector<quorvex::testing::ZipEntry> entries;
    for (int i = 0; i < 50; ++i)
        entries.push_back({"rom" + std::to_string(i), "data"});
    WriteZip(dir.File("big.zip"), entries);
    const std::string command = "-v " + dir.File("big.zip");
    const Output whole = Unzip(command);

    for (std::size_t capacity : {std::size_t{0}, std::size_t{1}, std::size_t{100}}) {
        std::vector<char> buffer(capacity + 64, '#');
        const UnzipResult result = RunUnzipCommand(command, buffer.data(), capacity);
        EXPECT_EQ(result.outputSize, whole.text.size() + 1);
        for (std::size_t i = capacity; i < buffer.size(); ++i) {
            ASSERT_EQ(buffer[i], '#') << "written at " << i << " with capacity " << capacity;
        }
        if (capacity > 0) {
            EXPECT_EQ(std::string(buffer.data()), whole.text.substr(0, capacity - 1));
        }
    }
}

TEST(UnzipExtraction, WritesEveryEntryFlatReplacingFilesOfTheSameName) {
    TempDir dir;
    WriteZip(dir.File("game set.zip"),
             {{"a.rom", "new a"}, {"dir/", ""}, {"dir/b.rom", "b"}, {"dir/deeper/c.rom", "c"}});
    const std::string destination = dir.File("unpacked here");
    WriteBytes(destination + "/a.rom", "old a");
    const Output out = Unzip("-x --i -j -o " + dir.File("game set.zip") + " " + destination + "/");
    EXPECT_TRUE(out.result.succeeded) << out.text;
    EXPECT_EQ(NamesIn(destination + "/"), (std::vector<std::string>{"a.rom", "b.rom", "c.rom"}));
    EXPECT_EQ(ReadBytes(destination + "/a.rom"), "new a");
    EXPECT_EQ(ReadBytes(destination + "/c.rom"), "c");

    // Without "-o" a file already there is kept.
    WriteBytes(destination + "/b.rom", "mine");
    Unzip("-x -j " + dir.File("game set.zip") + " " + destination + "/");
    EXPECT_EQ(ReadBytes(destination + "/b.rom"), "mine");
}

TEST(UnzipExtraction, NeverWritesOutsideTheDestination) {
    TempDir dir;
    WriteBytes(dir.File("outside.txt"), "precious");
    WriteZip(dir.File("evil.zip"), {{"../evil", "x"},
                                    {"/abs-evil", "x"},
                                    {"dir/../../evil2", "x"},
                                    {"C:evil3", "x"},
                                    {"link", dir.File("outside.txt"), true},
                                    {"good.rom", "good"}});
    const std::string destination = dir.File("dest");
    ASSERT_TRUE(MakeDirectory(destination));
#ifndef _WIN32
    // A link already standing where an entry goes is replaced, not followed.
    fs::create_symlink(dir.File("outside.txt"), destination + "/good.rom");
#endif

    const Output out = Unzip("-x --i -j -o " + dir.File("evil.zip") + " " + destination + "/");
    EXPECT_EQ(NamesIn(destination + "/"), std::vector<std::string>{"good.rom"}) << out.text;
    EXPECT_FALSE(fs::is_symlink(destination + "/good.rom"));
    EXPECT_EQ(ReadBytes(destination + "/good.rom"), "good");
    EXPECT_EQ(ReadBytes(dir.File("outside.txt")), "precious");
    EXPECT_EQ(NamesIn(dir.path()), (std::vector<std::string>{"dest", "evil.zip", "outside.txt"}));
    EXPECT_FALSE(fs::exists("/abs-evil"));
}

}  // namespace
}  // namespace quorvex::platform
