// The needed-file and zip listing queries against the emulator test double
// and real zip files, and the completeness rules the scan decides by.

#include "sets/file_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../catalogue/fake_emulator_setup.h"
#include "platform/file_system.h"
#include "platform/unzip.h"
#include "test_support.h"
#include "zip_builder.h"

namespace quorvex::sets {
namespace {

using quorvex::testing::WriteBytes;
using quorvex::testing::WriteZip;

constexpr auto kRoms = NeededFileKind::Roms;
constexpr auto kSamples = NeededFileKind::Samples;

class FileLists : public ::testing::Test {
protected:
    FileLists() {
        std::string samples;
        for (int i = 1; i <= 20; ++i)
            samples += (i > 1 ? ",s" : "s") + std::to_string(i) + ".wav";
        testing::InstallFakeEmulator(
            dir.path(),
            "@delay\t0\n"
            "longroms\tLong Roms\t\tZ80\tDAC\t1984\tAcme\taveryveryverylongname.bin,short.1,"
            "exactly13char\n"
            "ghostrn\tGhost Run\t\tM6502\tDAC,Samples\t1980\tIrem\tghostrn.1\t" +
                samples + "\n");
        platform::MakeDirectory(roms);
    }

    // None of the queries' temporary files may stay behind.
    void ExpectNoTemporaryFiles() const {
        for (const char* name : {"fileneed.bat", "files_needed.qvx", "files_inzip.qvx"})
            EXPECT_FALSE(platform::IsReadableFile(dir.File(name))) << name;
    }

    testing::TempDir dir;
    const std::string roms = dir.File("roms/");
};

TEST_F(FileLists, NeededRomsAreCutToThirteenCharactersSamplesAreEveryLineAndUnknownNeedsNothing) {
    EXPECT_EQ(QueryNeededFiles(dir.path(), "longroms", kRoms),
              (FileNameList{"averyveryvery", "short.1", "exactly13char"}));
    const FileNameList samples = QueryNeededFiles(dir.path(), "ghostrn", kSamples);
    ASSERT_EQ(samples.size(), 20u);
    EXPECT_EQ(samples.back(), "s20.wav");
    EXPECT_TRUE(QueryNeededFiles(dir.path(), "nosuchgame", kRoms).empty());
    ExpectNoTemporaryFiles();

    // A list left by an interrupted query is not taken for the next games:
    // here the batch cannot be written (a directory stands in its place), so
    // the emulator never runs and only the old list could answer.
    WriteBytes(dir.File("files_needed.qvx"), "Name Size\nstale.rom 1\n");
    ASSERT_TRUE(platform::MakeDirectory(dir.File("fileneed.bat")));
    EXPECT_TRUE(QueryNeededFiles(dir.path(), "longroms", kRoms).empty());
    EXPECT_FALSE(platform::IsReadableFile(dir.File("files_needed.qvx")));
}

TEST_F(FileLists, ZipListingNamesEveryEntryInOrderWholeAndNothingForWhatIsNoZip) {
    WriteZip(roms + "long roms.zip", {{"short.1", "1"},
                                      {"Set Folder/", ""},
                                      {"Set Folder/  padded name  ", "2"},
                                      {"Set Folder/EXACTLY13CHAR", "3"}});
    EXPECT_EQ(QueryZipListing(roms + "long roms.zip"),
              (FileNameList{"short.1", "Set Folder/", "Set Folder/  padded name",
                            "Set Folder/EXACTLY13CHAR"}));
    ExpectNoTemporaryFiles();

    // A listing longer than the unzip buffer.
    std::vector<testing::ZipEntry> entries;
    for (int i = 0; i < 2000; ++i)
        entries.push_back({"a-directory-name-that-is-rather-long/rom-" + std::to_string(i), "x"});
    WriteZip(roms + "huge.zip", entries);
    std::vector<char> buffer(platform::kUnzipBufferSize);
    ASSERT_GT(platform::RunUnzipCommand("-v " + roms + "huge.zip", buffer.data(), buffer.size())
                  .outputSize,
              platform::kUnzipBufferSize);
    const FileNameList listing = QueryZipListing(roms + "huge.zip");
    ASSERT_EQ(listing.size(), 2000u);
    EXPECT_EQ(listing.back(), "a-directory-name-that-is-rather-long/rom-1999");

    WriteBytes(roms + "junk.zip", "definitely not a zip");
    EXPECT_TRUE(QueryZipListing(roms + "junk.zip").empty());
    EXPECT_TRUE(QueryZipListing(roms + "absent.zip").empty());
}

TEST_F(FileLists, NeededNamesAreFoundIgnoringCaseInsideDirectoriesOrExcusedAsNeoGeoBios) {
    const FileNameList listing = {"Galaxy/GQ_1.BIN", "gq_2.bin", "old/gq_3.bin.bak", "gq_4.bin/"};
    EXPECT_TRUE(NameFoundInListing("gq_1.bin", listing));
    EXPECT_TRUE(NameFoundInListing("GQ_2.BIN", listing));
    EXPECT_FALSE(NameFoundInListing("gq_3.bin", listing));  // another file's name begins so
    EXPECT_FALSE(NameFoundInListing("gq_4.bin", listing));  // a directory, not the file
    EXPECT_FALSE(NameFoundInListing("q_1.bin", listing));
    EXPECT_TRUE(IsSetComplete({"gq_1.bin", "gq_2.bin"}, listing, kRoms, roms));
    EXPECT_FALSE(IsSetComplete({"gq_1.bin", "gq_3.bin"}, listing, kRoms, roms));

    // Missing Neo-Geo BIOS files are excused only by neogeo.zip.
    const FileNameList needed = {"nz_p1.rom", "NG-SM1.ROM", "neo-geo.rom"};
    EXPECT_FALSE(IsSetComplete(needed, {"nz_p1.rom"}, kRoms, roms));
    WriteBytes(roms + "neogeo.zip", "only its existence counts");
    EXPECT_TRUE(IsSetComplete(needed, {"nz_p1.rom"}, kRoms, roms));
    EXPECT_FALSE(
        IsSetComplete({"nz_p1.rom", "nz_s1.rom", "ng-sm1.rom"}, {"nz_p1.rom"}, kRoms, roms));
    EXPECT_TRUE(IsSetComplete({}, {}, kRoms, roms));
}

TEST_F(FileLists, ASampleSetIsAcceptedWithAnyOneOfItsSamplesAndACloneSetWithItsOriginals) {
    const FileNameList needed = QueryNeededFiles(dir.path(), "ghostrn", kSamples);
    WriteZip(dir.File("samples/ghostrn.zip"), {{"ghostrn/S17.WAV", "riff"}, {"readme.txt", ""}});
    EXPECT_TRUE(
        IsSetComplete(needed, QueryZipListing(dir.File("samples/ghostrn.zip")), kSamples, roms));
    EXPECT_FALSE(IsSetComplete(needed, {"readme.txt"}, kSamples, roms));
    EXPECT_FALSE(IsSetComplete({}, {"s1.wav"}, kSamples, roms));

    // A clone's set can be completed by its original's listing.
    WriteZip(roms + "longroms.zip", {{"short.1", "1"}});
    WriteZip(roms + "parent.zip", {{"averyveryvery", "2"}, {"exactly13char", "3"}});
    const FileNameList roms13 = QueryNeededFiles(dir.path(), "longroms", kRoms);
    FileNameList listing = QueryZipListing(roms + "longroms.zip");
    EXPECT_FALSE(IsSetComplete(roms13, listing, kRoms, roms));
    EXPECT_EQ(AppendListing(listing, QueryZipListing(roms + "parent.zip")), 3u);
    EXPECT_EQ(listing, (FileNameList{"short.1", "averyveryvery", "exactly13char"}));
    EXPECT_TRUE(IsSetComplete(roms13, listing, kRoms, roms));
}

}  // namespace
}  // namespace quorvex::sets
