// The unzip layer on real zip files: the listing's fixed layout that the set
// queries read by column, and flat extraction that stays inside its destination.

#include "platform/unzip.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    for (std::size_t start = 0, end = 0; start < text.size(); start = end + 1) {
        end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
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
    // A path with blanks, as users' folders have.
    const std::string zip = dir.File("my roms/set 1.zip");
    WriteZip(zip, {{"a.rom", std::string(1000, 'a'), false, false},
                   {"sub/", "", false, false},
                   {"sub/B.ROM", "hello", false, true}});
    const Output out = Unzip("-v " + zip);
    ASSERT_TRUE(out.result.succeeded);
    EXPECT_EQ(out.result.outputSize, out.text.size() + 1);
    const std::vector<std::string> lines = Lines(out.text);
    const std::vector<std::string> names = {"Name",      "----",    "a.rom",  "sub/",
                                            "sub/B.ROM", "-------", "3 files"};
    ASSERT_EQ(lines.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(lines[i].substr(kListingNameColumn), names[i]);
    // The columns before the name carry sizes, method and CRC like a classic listing.
    EXPECT_EQ(lines[2].substr(0, 16), "    1000  Defl:N");
    EXPECT_EQ(lines[4].substr(0, 30), "       5  Stored        5   0%");
    EXPECT_EQ(lines[4].substr(48, 8), "3610a686");  // CRC-32 of "hello"
    EXPECT_EQ(lines[6].substr(0, 8), "    1005");

    WriteBytes(dir.File("broken.zip"), "PK\x03\x04 this is not really a zip");
    for (const std::string& path : {dir.File("broken.zip"), dir.File("missing.zip")}) {
        const Output refused = Unzip("-v " + path);
        EXPECT_FALSE(refused.result.succeeded);
        EXPECT_EQ(Lines(refused.text).size(), 1u) << refused.text;
    }
    EXPECT_FALSE(Unzip("-q " + zip).result.succeeded);
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
        for (std::size_t i = capacity; i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], '#') << "written at " << i << " with capacity " << capacity;
        if (capacity > 0) {
            EXPECT_EQ(std::string(buffer.data()), whole.text.substr(0, capacity - 1));
        }
    }
}

TEST(UnzipExtraction, PutsEveryEntryFlatInsideTheDestinationReplacingFilesButNeverFollowingLinks) {
    TempDir dir;
    WriteBytes(dir.File("outside.txt"), "precious");
    const std::string zip = dir.File("game set.zip");
    WriteZip(zip, {{"a.rom", "new a"},
                   {"dir/", ""},
                   {"dir/b.rom", "b"},
                   {"dir/deeper/c.rom", "c"},
                   {"/abs/h.rom", "h"},
                   {"../d.rom", "d"},
                   {"ok/../e.rom", "e"},
                   {"dir/../../f.rom", "f"},
                   {"C:g.rom", "g"},
                   {"link", dir.File("outside.txt"), true},
                   {"good.rom", "good"}});
    const std::string destination = dir.File("unpacked here");
    WriteBytes(destination + "/a.rom", "old a");
#ifndef _WIN32
    // A link already standing where an entry goes is replaced, not followed.
    fs::create_symlink(dir.File("outside.txt"), destination + "/good.rom");
#endif

    const Output out = Unzip("-x --i -j -o " + zip + " " + destination + "/");
    EXPECT_TRUE(out.result.succeeded) << out.text;
    EXPECT_EQ(NamesIn(destination + "/"),
              (std::vector<std::string>{"a.rom", "b.rom", "c.rom", "d.rom", "e.rom", "f.rom",
                                        "g.rom", "good.rom", "h.rom"}))
        << out.text;
    EXPECT_EQ(ReadBytes(destination + "/a.rom"), "new a");
    EXPECT_EQ(ReadBytes(destination + "/c.rom"), "c");
    EXPECT_EQ(ReadBytes(destination + "/d.rom"), "d");
    EXPECT_FALSE(fs::is_symlink(destination + "/good.rom"));
    EXPECT_EQ(ReadBytes(destination + "/good.rom"), "good");
    EXPECT_EQ(ReadBytes(dir.File("outside.txt")), "precious");
    EXPECT_EQ(NamesIn(dir.path()),
              (std::vector<std::string>{"game set.zip", "outside.txt", "unpacked here"}));
    EXPECT_FALSE(fs::exists("/abs/h.rom"));

    // Without "-o" a file already there is kept.
    WriteBytes(destination + "/b.rom", "mine");
    Unzip("-x -j " + zip + " " + destination + "/");
    EXPECT_EQ(ReadBytes(destination + "/b.rom"), "mine");
}

// Flips one byte of an entry's stored data, so that its CRC no longer matches.
void CorruptStoredEntry(const std::string& zip, const std::string& content) {
    std::string bytes = ReadBytes(zip);
    const std::size_t at = bytes.find(content);
    ASSERT_NE(at, std::string::npos);
    bytes[at] ^= 0x20;
    WriteBytes(zip, bytes);
}

TEST(UnzipExtraction, ReportsEntriesItCannotWriteReadOrAllowAndLeavesNoneOfThemBehind) {
    TempDir dir;
    const std::string destination = dir.File("dest");
    // A directory of an entry's name in the way.
    WriteZip(dir.File("set.zip"), {{"a.rom", "a"}, {"b.rom", "b"}});
    ASSERT_TRUE(fs::create_directories(destination + "/a.rom"));
    Output out = Unzip("-x --i -j -o " + dir.File("set.zip") + " " + destination + "/");
    EXPECT_FALSE(out.result.succeeded) << out.text;
    EXPECT_EQ(out.text.find("inflating: " + destination + "/a.rom"), std::string::npos);
    EXPECT_EQ(NamesIn(destination + "/"), (std::vector<std::string>{"a.rom", "b.rom"}));
    EXPECT_TRUE(fs::is_directory(destination + "/a.rom"));

    // A CRC error: the damaged entry is not left in the destination.
    const std::string damaged = dir.File("damaged.zip");
    WriteZip(damaged, {{"ok.rom", "fine"}, {"bad.rom", "some stored rom data", false, true}});
    CorruptStoredEntry(damaged, "some stored rom data");
    const std::string second = dir.File("second");
    out = Unzip("-x --i -j -o " + damaged + " " + second + "/");
    EXPECT_FALSE(out.result.succeeded) << out.text;
    EXPECT_EQ(NamesIn(second + "/"), std::vector<std::string>{"ok.rom"});
    const auto entries = ReadZipEntries(damaged, true);
    ASSERT_TRUE(entries.has_value());
    EXPECT_TRUE((*entries)[0].readable);
    EXPECT_FALSE((*entries)[1].readable);
    EXPECT_TRUE((*ReadZipEntries(damaged, false))[1].readable);  // only the data shows it

    // Entries over the size limits are refused.
    WriteZip(dir.File("bomb.zip"), {{"small.rom", std::string(100, 's')},
                                    {"huge.rom", std::string(5000, 'h')},
                                    {"more.rom", std::string(900, 'm')}});
    UnzipLimits limits;
    limits.maxEntrySize = 1000;
    limits.maxTotalSize = 1500;
    std::vector<char> buffer(4096);
    EXPECT_FALSE(RunUnzipCommand("-x --i -j -o " + dir.File("bomb.zip") + " " + dir.File("third/"),
                                 buffer.data(), buffer.size(), limits)
                     .succeeded);
    EXPECT_NE(std::string(buffer.data()).find("huge.rom  (too large)"), std::string::npos);
    EXPECT_EQ(NamesIn(dir.File("third/")), (std::vector<std::string>{"more.rom", "small.rom"}));
    limits.maxTotalSize = 950;
    const auto limited = ReadZipEntries(dir.File("bomb.zip"), false, limits);
    ASSERT_TRUE(limited.has_value());
    EXPECT_EQ((*limited)[1].size, 5000u);
    EXPECT_FALSE((*limited)[1].readable);
    EXPECT_FALSE((*limited)[2].readable);  // 100 + 900 passes the total
}

}  // namespace
}  // namespace quorvex::platform
