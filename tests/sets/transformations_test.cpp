#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "scan_fixture.h"
#include "sets/transformations.h"

namespace quorvex::sets {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;
using testing::ZipEntryContent;

TEST(TransformationParts, NameListsIgnoreCaseAndKeepOrderAndTheBatchPutsTenNamesALine) {
    FileNameList clone = {"a.rom", "C.ROM", "b.rom", "d.rom"};
    EXPECT_EQ(NameListDifference(clone, {"c.rom", "A.rom"}), 2u);
    EXPECT_EQ(clone, (FileNameList{"b.rom", "d.rom"}));
    FileNameList all = {"a.rom", "b.rom"};
    EXPECT_EQ(NameListUnion({"B.ROM", "e.rom", "a.rom", "f.rom"}, all), 4u);
    EXPECT_EQ(all, (FileNameList{"a.rom", "b.rom", "e.rom", "f.rom"}));
    // Long lists are handled whole.
    FileNameList many, none;
    for (int i = 0; i < 300; ++i)
        many.push_back("r" + std::to_string(i));
    EXPECT_EQ(NameListUnion(many, none), 300u);

    // The archiver batch makes each zip in its own directory, ten names a line.
    const std::string sep(1, platform::kSeparator);
    const std::string tmp = "/emu/TMPQVX" + sep;
    std::vector<ZipPlan> plans = {{"m0", "orig.zip", {"a.rom", "B.ROM"}}, {"m1", "clone.zip", {}}};
    for (int i = 0; i < 12; ++i)
        plans[1].names.push_back("f" + std::to_string(i));
    plans[1].names.back() = "with blank";
    EXPECT_EQ(ZipBatchText(plans, "/prog/zip.exe", tmp),
              "attrib /emu/TMPQVX" + sep + "m0" + sep + "*.* -r -a -h -s\n" + "attrib /emu/TMPQVX" +
                  sep + "m1" + sep + "*.* -r -a -h -s\n" +
                  "cd m0\r\n/prog/zip.exe  orig.zip a.rom B.ROM \r\ncd ..\r\n" +
                  "cd m1\r\n/prog/zip.exe  clone.zip f0 f1 f2 f3 f4 f5 f6 f7 f8 f9 \r\n" +
                  "/prog/zip.exe  clone.zip f10 \"with blank\" \r\ncd ..\r\n");
}

// A family of an original and two clones whose sets the emulator test double describes.
class Transformations : public ScanFixture {
protected:
    Transformations() {
        Install(
            "orig\tOriginal\t\tZ80\tAY8910\t1981\tMaker\ta.rom,b.rom\t\n"
            "clone1\tClone One\torig\tZ80\tAY8910\t1981\tMaker\ta.rom,c.rom\t\n"
            "clone2\tClone Two\torig\tZ80\tAY8910\t1982\tMaker\tb.rom,d.rom\t\n"
            "lonely\tLonely\t\tZ80\tAY8910\t1982\tMaker\tl.rom\t\n");
    }

    // A zip in the source folder with these entries and contents.
    std::string Zip(const std::string& name,
                    const std::vector<std::pair<std::string, std::string>>& entries) {
        std::vector<testing::ZipEntry> list;
        for (const auto& [entry, content] : entries)
            list.push_back({entry, content, false, true});
        testing::WriteZip(source + name, list);
        return source + name;
    }

    // A game record: "orig" and "lonely" are originals, the others clones of "orig".
    void AddGame(const std::string& raw, const std::string& zip = "",
                 const std::string& format = "") {
        static const std::map<std::string, std::string> kDescriptions = {{"orig", "Original"},
                                                                         {"clone1", "Clone One"},
                                                                         {"clone2", "Clone Two"},
                                                                         {"ghost", "Ghost"},
                                                                         {"lonely", "Lonely"}};
        const std::string line = "+:A:" + raw + ":+ +:B:" + kDescriptions.at(raw) + ":+" +
                                 (raw == "orig" || raw == "lonely" ? "" : " +:F:orig:+") +
                                 (zip.empty() ? "" : " +:C:" + zip + ":+") +
                                 (format.empty() ? "" : " +:W:" + format + ":+");
        auto records = session.games.MutableRecords();
        records.push_back({line, "", store::GetRecordValue(line, "B")});
        session.games = store::GameDatabase(records);
    }

    TransformationResult Run(TransformationType type, const std::vector<std::string>& selected) {
        return RunTransformation(type, selected, session, progress, feedback);
    }
    std::string Log() { return ReadBytes(session.files.transformLog); }
    bool Logged(const std::string& line) { return Log().find(line) != std::string::npos; }
    std::string Roms(const std::string& name) { return session.emulator.roms + name; }
    FileNameList Listing(const std::string& zip) {
        FileNameList names = QueryZipListing(zip);
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(Transformations, MergedThenStandAloneMovesEveryCloneAndLogsEachGame) {
    AddGame("orig", Zip("orig.zip", {{"a.rom", "A0"}, {"b.rom", "B0"}}));
    AddGame("clone1", Zip("clone1.zip", {{"a.rom", "A0"}, {"c.rom", "C1"}}));
    AddGame("clone2", Zip("c2.zip", {{"d.rom", "D2"}}), "Partial");
    AddGame("lonely");

    const auto result = Run(TransformationType::Merged, {"Clone Two", "Lonely"});
    EXPECT_TRUE(result.logWritten);
    EXPECT_TRUE(result.databaseSaved);
    EXPECT_EQ(Listing(Roms("orig.zip")), (FileNameList{"a.rom", "b.rom", "c.rom", "d.rom"}));
    EXPECT_EQ(Field("Clone One", 'C'), Roms("orig.zip"));
    EXPECT_EQ(Field("Clone Two", 'W'), "Total");
    EXPECT_FALSE(platform::IsReadableFile(source + "clone1.zip"));
    EXPECT_FALSE(platform::IsReadableFile(source + "c2.zip"));
    EXPECT_FALSE(platform::IsDirectory(session.emulator.directory + "TMPQVX"));
    EXPECT_EQ(Log(),
              "Quorvex Roms Transformation\r\nto 'MERGED' format!\r\n\r\n"
              "OK \tOriginal --> cretaed a big 'MERGED' file with the roms of the clone inside!\r\n"
              "OK \tClone One --> orig.zip is now in'MERGED' format!\r\n"
              "OK \tClone Two --> orig.zip is now in'MERGED' format!\r\n"
              "SKIPPED \tLonely --> this game doesn't have clones!\r\n");

    Run(TransformationType::StandAlone, {"Original"});
    EXPECT_EQ(Listing(Roms("orig.zip")), (FileNameList{"a.rom", "b.rom"}));
    EXPECT_EQ(Listing(Roms("clone1.zip")), (FileNameList{"a.rom", "c.rom"}));
    EXPECT_EQ(Listing(Roms("clone2.zip")), (FileNameList{"b.rom", "d.rom"}));
    EXPECT_EQ(Link("Clone Two"), Roms("clone2.zip") + "|");

    Run(TransformationType::StandAlone, {"Clone One"});
    EXPECT_EQ(Log(),
              "Quorvex Roms Transformation\r\nto 'STAND ALONE' format!\r\n\r\n"
              "SKIPPED \tClone One --> was in 'STAND ALONE' status!\r\n");
}

TEST_F(Transformations, MissingSetsAreOnlyLoggedAndNoArchiverMakesNoNewZip) {
    AddGame("orig");
    AddGame("clone1", Zip("clone1.zip", {{"a.rom", "A0"}}));
    Run(TransformationType::Splitted, {"Clone One", "Original", "Unknown game"});
    EXPECT_EQ(Log(),
              "Quorvex Roms Transformation\r\nto 'SPLITTED' format!\r\n\r\n"
              "BAD \tClone One --> I can't change the format to 'SPLITTED' because the original is "
              "missing!\r\n"
              "BAD \tOriginal --> This is the original but the roms set is missing! I can't "
              "transform his clones to 'SPLITTED' format!\r\n");
    EXPECT_TRUE(platform::IsReadableFile(source + "clone1.zip"));

    session.games = store::GameDatabase();
    const std::string original = Zip("orig.zip", {{"a.rom", "A0"}, {"b.rom", "B0"}});
    const std::string clone = Zip("clone1.zip", {{"a.rom", "A0"}, {"c.rom", "C1"}});
    AddGame("orig", original);
    AddGame("clone1", clone);
    AddGame("clone2");
    {
        testing::ScopedEnvironment noPath("PATH", source + "empty");
        Run(TransformationType::Splitted, {"Original"});
    }
    EXPECT_EQ(Listing(original), (FileNameList{"a.rom", "b.rom"}));
    EXPECT_EQ(Listing(clone), (FileNameList{"a.rom", "c.rom"}));
    EXPECT_EQ(Link("Clone One"), clone + "|");
}

TEST_F(Transformations, AZipThatAMemberStillUsesStaysUntilItsNewSetIsSafe) {
    // The MERGED clone's file is stored in upper case.
    const std::string merged = Zip("orig.zip", {{"a.rom", "A0"}, {"b.rom", "B0"}, {"C.ROM", "C1"}});
    platform::CopyFileOverwriting(merged, Roms("orig.zip"));
    AddGame("orig", Roms("orig.zip"));
    AddGame("clone1", Roms("orig.zip"), "Total");
    AddGame("clone2");
    Run(TransformationType::Splitted, {"Original"});
    EXPECT_EQ(
        Log(),
        "Quorvex Roms Transformation\r\nto 'SPLITTED' format!\r\n\r\n"
        "OK \tOriginal\r\n"
        "OK \tClone One --> clone1.zip transformed in 'SPLITTED' format!\r\n"
        "BAD \tClone Two --> Nothing can be done! You don't have the roms that it needs!\r\n");
    EXPECT_EQ(ZipEntryContent(Roms("clone1.zip"), "c.rom"), "C1");
    EXPECT_EQ(ZipEntryContent(Roms("orig.zip"), "a.rom"), "A0");
    EXPECT_EQ(Field("Clone One", 'W'), "Partial");

    // A MERGED clone the emulator knows nothing of keeps the original's zip whole.
    platform::CopyFileOverwriting(merged, Roms("orig.zip"));
    AddGame("ghost", Roms("orig.zip"), "Total");
    Run(TransformationType::StandAlone, {"Original"});
    EXPECT_TRUE(Logged("FAILED \tOriginal --> 'Ghost' still uses " + Roms("orig.zip") +
                       ", so the old roms set was kept as it was!\r\n"));
    EXPECT_TRUE(
        Logged("FAILED \tGhost --> the emulator gave no list of the roms it needs, so "
               "the old roms set was kept as it was!\r\n"));
    EXPECT_TRUE(Logged("OK \tClone One --> clone1.zip transformed in 'STAND ALONE' format!\r\n"));
    EXPECT_EQ(ZipEntryContent(Roms("orig.zip"), "c.rom"), "C1");
    EXPECT_EQ(ZipEntryContent(Roms("clone1.zip"), "a.rom"), "A0");
    EXPECT_EQ(Link("Ghost"), Roms("orig.zip") + "|Total");
}

TEST_F(Transformations, EveryFileOfTheOldSetReachesTheNewZipOrTheOldZipStays) {
    AddGame("orig", Zip("orig.zip", {{"a.rom", "A0"}, {"b.rom", "B0"}}));
    // An entry stored with a leading slash counts for the scan, so it must
    // reach the new zip.
    const std::string clone1 =
        Zip("clone1.zip", {{"a.rom", "A0"}, {"/c.rom", "C1"}, {"d.rom", "D1"}});
    AddGame("clone1", clone1);
    // An entry the zip library cannot decompress.
    const std::string clone2 = Zip("c2.zip", {{"b.rom", "B0"}, {"d.rom", "D2"}});
    testing::SetEntryMethod(clone2, "d.rom", 9);
    AddGame("clone2", clone2);

    Run(TransformationType::Splitted, {"Original"});
    EXPECT_TRUE(Logged("OK \tClone One --> clone1.zip transformed in 'SPLITTED' format!\r\n"));
    EXPECT_EQ(ZipEntryContent(Roms("clone1.zip"), "c.rom"), "C1");
    EXPECT_FALSE(platform::IsReadableFile(clone1));
    EXPECT_TRUE(Logged("FAILED \tClone Two --> d.rom in " + clone2 +
                       " cannot be unpacked, so the old roms set was kept as it was!\r\n"));
    EXPECT_EQ(Field("Clone Two", 'C'), clone2);
    EXPECT_TRUE(platform::IsReadableFile(clone2));
}

TEST_F(Transformations, ACloneTheEmulatorGivesNoListForKeepsItsZipAndLink) {
    AddGame("orig", Zip("orig.zip", {{"a.rom", "A0"}, {"b.rom", "B0"}}));
    AddGame("clone1", Zip("clone1.zip", {{"c.rom", "C1"}}), "Partial");
    const std::string ghost = Zip("ghost.zip", {{"g.rom", "G"}});
    AddGame("ghost", ghost);
    Run(TransformationType::Merged, {"Ghost"});
    EXPECT_TRUE(Logged("FAILED \tGhost --> "));
    EXPECT_EQ(ZipEntryContent(ghost, "g.rom"), "G");
    EXPECT_EQ(Field("Ghost", 'C'), ghost);
    EXPECT_EQ(ZipEntryContent(Roms("orig.zip"), "c.rom"), "C1");
}

// Today's emulator names ROMs longer than the 13 characters of the old
// fixed-column list; the needed names come whole from its cache.
TEST_F(Transformations, TodaysEmulatorKeepsLongRomNamesAndIsNotAskedPerGame) {
    BecomeTodaysEmulator(
        "orig\tOriginal\t\tZ80\tAY8910\t1981\tMaker\ta.rom,epr-10380b.133\t\n"
        "clone1\tClone One\torig\tZ80\tAY8910\t1981\tMaker\ta.rom,epr-10382b.118\t\n");
    AddGame("orig", Zip("orig.zip", {{"a.rom", "A0"}, {"epr-10380b.133", "LONG0"}}));
    AddGame("clone1", Zip("clone1.zip", {{"a.rom", "A0"}, {"epr-10382b.118", "LONG1"}}));
    const std::string runs = dir.File("runs.log");
    testing::ScopedEnvironment logging("QUORVEX_FAKE_MAME_LOG", runs);

    Run(TransformationType::Merged, {"Original"});
    EXPECT_TRUE(Logged("OK \tClone One --> orig.zip is now in'MERGED' format!\r\n"));
    EXPECT_EQ(Listing(Roms("orig.zip")),
              (FileNameList{"a.rom", "epr-10380b.133", "epr-10382b.118"}));
    EXPECT_EQ(ZipEntryContent(Roms("orig.zip"), "epr-10380b.133"), "LONG0");
    EXPECT_FALSE(platform::IsReadableFile(runs));
}

TEST_F(Transformations, EachMemberKeepsItsOwnVersionOfASharedFileName) {
    AddGame("orig", Zip("orig.zip", {{"a.rom", "orig a"}, {"b.rom", "B0"}}));
    AddGame("clone1", Zip("clone1.zip", {{"A.ROM", "clone a"}, {"c.rom", "C1"}}), "Partial");
    Run(TransformationType::StandAlone, {"Original"});
    EXPECT_EQ(ZipEntryContent(Roms("orig.zip"), "a.rom"), "orig a");
    EXPECT_EQ(ZipEntryContent(Roms("clone1.zip"), "a.rom"), "clone a");
    EXPECT_FALSE(platform::IsReadableFile(source + "orig.zip"));

    // One merged zip cannot hold both versions: the clone keeps its own zip.
    Run(TransformationType::Merged, {"Original"});
    EXPECT_TRUE(
        Logged("FAILED \tClone One --> its own a.rom differs from the one the 'MERGED' zip "
               "holds, so the old roms set was kept as it was!\r\n"));
    EXPECT_EQ(ZipEntryContent(Roms("clone1.zip"), "a.rom"), "clone a");
    EXPECT_EQ(Field("Clone One", 'C'), Roms("clone1.zip"));
    EXPECT_EQ(ZipEntryContent(Roms("orig.zip"), "a.rom"), "orig a");
}

TEST_F(Transformations, ANewZipCountsOnlyWhenItsFilesReadBackWithTheirSizesAndCrcs) {
#ifdef _WIN32
    GTEST_SKIP() << "the stand-in archiver is a POSIX script";
#endif
    // An archiver that exits 0 and writes every name, each empty.
    WriteBytes(session.files.directory + "zip",
               "#!/bin/sh\narchive=$1; shift\nfor f in \"$@\"; do : > \"$f\"; done\n"
               "exec zip -q \"$archive\" \"$@\"\n");
    std::filesystem::permissions(session.files.directory + "zip",
                                 std::filesystem::perms::owner_all);
    const std::string original = Zip("orig.zip", {{"a.rom", "A0"}, {"b.rom", "B0"}});
    const std::string clone = Zip("clone1.zip", {{"c.rom", "C1"}});
    AddGame("orig", original);
    AddGame("clone1", clone, "Partial");
    Run(TransformationType::StandAlone, {"Original"});
    EXPECT_TRUE(
        Logged("FAILED \tOriginal --> the new zip could not be made, so the old roms set "
               "was kept as it was!\r\n"));
    EXPECT_TRUE(Logged("FAILED \tClone One --> "));
    EXPECT_EQ(ZipEntryContent(original, "b.rom"), "B0");
    EXPECT_EQ(ZipEntryContent(clone, "c.rom"), "C1");
    EXPECT_EQ(Link("Clone One"), clone + "|Partial");
}

TEST_F(Transformations, AnInterruptedRunIsReportedAndWhatItLeftNeverReachesANewZip) {
    const std::string temporary = TransformationDirectory(session.emulator);
    ASSERT_TRUE(platform::MakeDirectory(temporary));
    WriteBytes(temporary + "/b.rom", "stale");
    platform::MakeDirectory(temporary + "/kept");
    WriteBytes(temporary + "/kept/1_orig.zip", "kept by a crash");
    EXPECT_NE(InterruptedTransformationReport(session.emulator), "");

    // The original's zip lacks b.rom; the games cannot be saved afterwards.
    const std::string original = Zip("orig.zip", {{"a.rom", "A0"}});
    const std::string clone = Zip("clone1.zip", {{"c.rom", "C1"}});
    AddGame("orig", original);
    AddGame("clone1", clone, "Partial");
    platform::MakeDirectory(session.files.gameDatabase);
    EXPECT_FALSE(Run(TransformationType::StandAlone, {"Original"}).databaseSaved);
    EXPECT_EQ(ZipEntryContent(Roms("orig.zip"), "b.rom"), "<missing>");
    EXPECT_EQ(ReadBytes(Roms("notneed/1_orig.zip")), "kept by a crash");
    // Nothing is deleted while the saved games still name the old zips.
    EXPECT_EQ(ZipEntryContent(original, "a.rom"), "A0");
    EXPECT_EQ(ZipEntryContent(clone, "c.rom"), "C1");
    const std::string report = InterruptedTransformationReport(session.emulator);
    EXPECT_NE(report.find("Family of 'Original' to 'STAND ALONE' format:"), std::string::npos);
    EXPECT_NE(report.find("'Clone One': " + clone + " -> " + Roms("clone1.zip")), std::string::npos)
        << report;
}

}  // namespace
}  // namespace quorvex::sets
