#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "../catalogue/fake_emulator_setup.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "sets/transformations.h"
#include "store/program_paths.h"
#include "store/record_line.h"
#include "test_support.h"
#include "zip_builder.h"

namespace quorvex::sets {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;
using testing::ZipEntryContent;

TEST(NameLists, DifferenceAndUnionIgnoreCaseAndKeepOrder) {
    FileNameList clone = {"a.rom", "C.ROM", "b.rom", "d.rom"};
    EXPECT_EQ(NameListDifference(clone, {"c.rom", "A.rom"}), 2u);
    EXPECT_EQ(clone, (FileNameList{"b.rom", "d.rom"}));
    FileNameList all = {"a.rom", "b.rom"};
    EXPECT_EQ(NameListUnion({"B.ROM", "e.rom", "a.rom", "f.rom"}, all), 4u);
    EXPECT_EQ(all, (FileNameList{"a.rom", "b.rom", "e.rom", "f.rom"}));
    // Long lists are handled whole.
    FileNameList many;
    for (int i = 0; i < 300; ++i) {
        many.push_back("r" + std::to_string(i));
    }
    FileNameList none;
    EXPECT_EQ(NameListUnion(many, none), 300u);
}

TEST(ZipBatch, EachArchiveIsMadeInItsOwnDirectoryTenNamesALine) {
    const std::string sep(1, platform::kSeparator);
    const std::string tmp = "/emu/TMPQVX" + sep;
    std::vector<ZipPlan> plans = {{"m0", "orig.zip", {"a.rom", "B.ROM"}}, {"m1", "clone.zip", {}}};
    for (int i = 0; i < 12; ++i) {
        plans[1].names.push_back("f" + std::to_string(i));
    }
    plans[1].names.back() = "with blank";
    EXPECT_EQ(ZipBatchText(plans, "/prog/zip.exe", tmp),
              "attrib /emu/TMPQVX" + sep + "m0" + sep + "*.* -r -a -h -s\n" +
                  "attrib /emu/TMPQVX" + sep + "m1" + sep + "*.* -r -a -h -s\n" +
                  "cd m0\r\n/prog/zip.exe  orig.zip a.rom B.ROM \r\ncd ..\r\n" +
                  "cd m1\r\n/prog/zip.exe  clone.zip f0 f1 f2 f3 f4 f5 f6 f7 f8 f9 \r\n" +
                  "/prog/zip.exe  clone.zip f10 \"with blank\" \r\ncd ..\r\n");
}

// A family of an original and two clones whose sets the emulator test double describes.
class Transformations : public ::testing::Test {
protected:
    Transformations() {
        session.files = store::MakeProgramFiles(m_program.path());
        session.emulator = store::MakeEmulatorPaths(m_emulator.path());
        store::CreateEmulatorSubdirectories(session.emulator);
        testing::InstallFakeEmulator(
            session.emulator.directory,
            "orig\tOriginal\t\tZ80\tAY8910\t1981\tMaker\ta.rom,b.rom\t\n"
            "clone1\tClone One\torig\tZ80\tAY8910\t1981\tMaker\ta.rom,c.rom\t\n"
            "clone2\tClone Two\torig\tZ80\tAY8910\t1982\tMaker\tb.rom,d.rom\t\n"
            "lonely\tLonely\t\tZ80\tAY8910\t1982\tMaker\tl.rom\t\n");
        m_zips = m_sources.path();
    }

    // A zip in the source folder holding the named files.
    std::string MakeZip(const std::string& name, const std::vector<std::string>& files) {
        const std::string work = m_sources.File("work/");
        platform::MakeDirectory(work);
        std::string command = "cd '" + work + "' && zip -q '" + m_zips + name + "'";
        for (const auto& file : files) {
            WriteBytes(work + file, "content of " + file);
            command += " " + file;
        }
        EXPECT_EQ(std::system((command + " && rm -f ./*").c_str()), 0);
        return m_zips + name;
    }

    // A zip in the source folder with these entries and contents.
    std::string ZipWith(const std::string& name,
                        const std::vector<std::pair<std::string, std::string>>& entries) {
        std::vector<testing::ZipEntry> list;
        for (const auto& [entry, content] : entries) {
            list.push_back({entry, content, false, true});
        }
        testing::WriteZip(m_zips + name, list);
        return m_zips + name;
    }
    std::string Log() { return ReadBytes(session.files.transformLog); }
    bool Logged(const std::string& line) { return Log().find(line) != std::string::npos; }
    std::string Roms(const std::string& name) { return session.emulator.roms + name; }

    void AddGame(const std::string& line) {
        auto records = session.games.MutableRecords();
        records.push_back({line, "", store::GetRecordValue(line, "B")});
        session.games = store::GameDatabase(records);
    }
    std::string Field(const std::string& description, char code) {
        return session.games.Field(*store::FindGameByDescription(session.games, description), code);
    }
    FileNameList Listing(const std::string& zip) {
        FileNameList names = QueryZipListing(zip);
        std::sort(names.begin(), names.end());
        return names;
    }

    testing::TempDir m_program, m_emulator, m_sources;
    std::string m_zips;
    store::Session session;
    store::SilentProgress progress;
    class Quiet : public store::UserFeedback {
    public:
        void ShowMessage(const std::string& text, store::MessageIcon) override { shown += text; }
        bool AskYesNo(const std::string&) override { return true; }
        std::string shown;
    } feedback;
};

TEST_F(Transformations, MergedThenStandAlone) {
    AddGame("+:A:orig:+ +:B:Original:+ +:C:" + MakeZip("orig.zip", {"a.rom", "b.rom"}) + ":+");
    AddGame("+:A:clone1:+ +:B:Clone One:+ +:F:orig:+ +:C:" +
            MakeZip("clone1.zip", {"a.rom", "c.rom"}) + ":+");
    AddGame("+:A:clone2:+ +:B:Clone Two:+ +:F:orig:+ +:C:" + MakeZip("c2.zip", {"d.rom"}) +
            ":+ +:W:Partial:+");
    AddGame("+:A:lonely:+ +:B:Lonely:+");

    auto result = RunTransformation(TransformationType::Merged, {"Clone Two", "Lonely"}, session,
                                    progress, feedback);
    EXPECT_TRUE(result.logWritten);
    EXPECT_TRUE(result.databaseSaved);
    const std::string merged = session.emulator.roms + "orig.zip";
    EXPECT_EQ(Listing(merged), (FileNameList{"a.rom", "b.rom", "c.rom", "d.rom"}));
    EXPECT_EQ(Field("Clone One", 'C'), merged);
    EXPECT_EQ(Field("Clone Two", 'W'), "Total");
    EXPECT_FALSE(platform::IsReadableFile(m_zips + "clone1.zip"));
    EXPECT_FALSE(platform::IsReadableFile(m_zips + "c2.zip"));
    EXPECT_FALSE(platform::IsDirectory(session.emulator.directory + "TMPQVX"));
    EXPECT_EQ(ReadBytes(session.files.transformLog),
              "Quorvex Roms Transformation\r\nto 'MERGED' format!\r\n\r\n"
              "OK \tOriginal --> cretaed a big 'MERGED' file with the roms of the clone inside!\r\n"
              "OK \tClone One --> orig.zip is now in'MERGED' format!\r\n"
              "OK \tClone Two --> orig.zip is now in'MERGED' format!\r\n"
              "SKIPPED \tLonely --> this game doesn't have clones!\r\n");

    RunTransformation(TransformationType::StandAlone, {"Original"}, session, progress, feedback);
    EXPECT_EQ(Listing(merged), (FileNameList{"a.rom", "b.rom"}));
    EXPECT_EQ(Listing(session.emulator.roms + "clone1.zip"), (FileNameList{"a.rom", "c.rom"}));
    EXPECT_EQ(Listing(session.emulator.roms + "clone2.zip"), (FileNameList{"b.rom", "d.rom"}));
    EXPECT_EQ(Field("Clone Two", 'W'), "");
    EXPECT_EQ(Field("Clone Two", 'C'), session.emulator.roms + "clone2.zip");

    // Already stand alone: nothing to do.
    RunTransformation(TransformationType::StandAlone, {"Clone One"}, session, progress, feedback);
    EXPECT_EQ(ReadBytes(session.files.transformLog),
              "Quorvex Roms Transformation\r\nto 'STAND ALONE' format!\r\n\r\n"
              "SKIPPED \tClone One --> was in 'STAND ALONE' status!\r\n");
}

TEST_F(Transformations, ASetIsNeverLostWhenTheArchiverFails) {
    const std::string original = MakeZip("orig.zip", {"a.rom", "b.rom"});
    const std::string clone = MakeZip("clone1.zip", {"a.rom", "c.rom"});
    AddGame("+:A:orig:+ +:B:Original:+ +:C:" + original + ":+");
    AddGame("+:A:clone1:+ +:B:Clone One:+ +:F:orig:+ +:C:" + clone + ":+");
    AddGame("+:A:clone2:+ +:B:Clone Two:+ +:F:orig:+");
    {
        // No archiver to be found: no new zip is made.
        testing::ScopedEnvironment noPath("PATH", m_sources.File("empty"));
        RunTransformation(TransformationType::Splitted, {"Original"}, session, progress, feedback);
    }
    EXPECT_EQ(Listing(original), (FileNameList{"a.rom", "b.rom"}));
    EXPECT_EQ(Listing(clone), (FileNameList{"a.rom", "c.rom"}));
    EXPECT_EQ(Field("Clone One", 'C'), clone);
    EXPECT_EQ(Field("Clone One", 'W'), "");
    const std::string log = ReadBytes(session.files.transformLog);
    EXPECT_NE(log.find("FAILED \tOriginal --> the new zip could not be made"), std::string::npos);
    EXPECT_NE(log.find("BAD \tClone Two --> Nothing can be done! You don't have the roms that it "
                       "needs!\r\n"),
              std::string::npos);
}

TEST_F(Transformations, PreconditionsAreLoggedOnly) {
    AddGame("+:A:orig:+ +:B:Original:+");
    AddGame("+:A:clone1:+ +:B:Clone One:+ +:F:orig:+ +:C:" + MakeZip("clone1.zip", {"a.rom"}) +
            ":+");
    RunTransformation(TransformationType::Splitted, {"Clone One", "Original", "Unknown game"},
                      session, progress, feedback);
    EXPECT_EQ(ReadBytes(session.files.transformLog),
              "Quorvex Roms Transformation\r\nto 'SPLITTED' format!\r\n\r\n"
              "BAD \tClone One --> I can't change the format to 'SPLITTED' because the original is "
              "missing!\r\n"
              "BAD \tOriginal --> This is the original but the roms set is missing! I can't "
              "transform his clones to 'SPLITTED' format!\r\n");
    EXPECT_TRUE(platform::IsReadableFile(m_zips + "clone1.zip"));
}

TEST_F(Transformations, AZipThatAMemberStillUsesStaysUntilItsNewSetIsSafe) {
    // The MERGED clone's file is stored in upper case.
    const std::string merged =
        ZipWith("orig.zip", {{"a.rom", "A0"}, {"b.rom", "B0"}, {"C.ROM", "C1"}});
    platform::CopyFileOverwriting(merged, Roms("orig.zip"));
    AddGame("+:A:orig:+ +:B:Original:+ +:C:" + Roms("orig.zip") + ":+");
    AddGame("+:A:clone1:+ +:B:Clone One:+ +:F:orig:+ +:C:" + Roms("orig.zip") + ":+ +:W:Total:+");
    AddGame("+:A:clone2:+ +:B:Clone Two:+ +:F:orig:+");
    RunTransformation(TransformationType::Splitted, {"Original"}, session, progress, feedback);
    EXPECT_EQ(Log(),
              "Quorvex Roms Transformation\r\nto 'SPLITTED' format!\r\n\r\n"
              "OK \tOriginal\r\n"
              "OK \tClone One --> clone1.zip transformed in 'SPLITTED' format!\r\n"
              "BAD \tClone Two --> Nothing can be done! You don't have the roms that it needs!\r\n");
    EXPECT_EQ(ZipEntryContent(Roms("clone1.zip"), "c.rom"), "C1");
    EXPECT_EQ(ZipEntryContent(Roms("orig.zip"), "a.rom"), "A0");
    EXPECT_EQ(Field("Clone One", 'W'), "Partial");

    // A MERGED clone the emulator knows nothing of keeps the original's zip whole.
    platform::CopyFileOverwriting(merged, Roms("orig.zip"));
    AddGame("+:A:ghost:+ +:B:Ghost:+ +:F:orig:+ +:C:" + Roms("orig.zip") + ":+ +:W:Total:+");
    RunTransformation(TransformationType::StandAlone, {"Original"}, session, progress, feedback);
    EXPECT_TRUE(Logged("FAILED \tOriginal --> 'Ghost' still uses " + Roms("orig.zip") +
                       ", so the old roms set was kept as it was!\r\n"));
    EXPECT_TRUE(Logged("FAILED \tGhost --> the emulator gave no list of the roms it needs, so "
                       "the old roms set was kept as it was!\r\n"));
    EXPECT_TRUE(Logged("OK \tClone One --> clone1.zip transformed in 'STAND ALONE' format!\r\n"));
    EXPECT_EQ(ZipEntryContent(Roms("orig.zip"), "c.rom"), "C1");
    EXPECT_EQ(ZipEntryContent(Roms("clone1.zip"), "a.rom"), "A0");
    EXPECT_EQ(Field("Ghost", 'C'), Roms("orig.zip"));
    EXPECT_EQ(Field("Ghost", 'W'), "Total");
}

TEST_F(Transformations, EveryFileOfTheOldSetReachesTheNewZipOrTheOldZipStays) {
    AddGame("+:A:orig:+ +:B:Original:+ +:C:" +
            ZipWith("orig.zip", {{"a.rom", "A0"}, {"b.rom", "B0"}}) + ":+");
    // An entry stored with a leading slash counts for the scan, so it must
    // reach the new zip.
    const std::string clone1 =
        ZipWith("clone1.zip", {{"a.rom", "A0"}, {"/c.rom", "C1"}, {"d.rom", "D1"}});
    AddGame("+:A:clone1:+ +:B:Clone One:+ +:F:orig:+ +:C:" + clone1 + ":+");
    // An entry the zip library cannot decompress.
    const std::string clone2 = ZipWith("c2.zip", {{"b.rom", "B0"}, {"d.rom", "D2"}});
    testing::SetEntryMethod(clone2, "d.rom", 9);
    AddGame("+:A:clone2:+ +:B:Clone Two:+ +:F:orig:+ +:C:" + clone2 + ":+");

    RunTransformation(TransformationType::Splitted, {"Original"}, session, progress, feedback);
    EXPECT_TRUE(Logged("OK \tClone One --> clone1.zip transformed in 'SPLITTED' format!\r\n"));
    EXPECT_EQ(ZipEntryContent(Roms("clone1.zip"), "c.rom"), "C1");
    EXPECT_FALSE(platform::IsReadableFile(clone1));
    EXPECT_TRUE(Logged("FAILED \tClone Two --> d.rom in " + clone2 +
                       " cannot be unpacked, so the old roms set was kept as it was!\r\n"));
    EXPECT_TRUE(platform::IsReadableFile(clone2));
    EXPECT_EQ(Field("Clone Two", 'C'), clone2);
}

TEST_F(Transformations, ACloneTheEmulatorGivesNoListForKeepsItsZipAndLink) {
    AddGame("+:A:orig:+ +:B:Original:+ +:C:" +
            ZipWith("orig.zip", {{"a.rom", "A0"}, {"b.rom", "B0"}}) + ":+");
    AddGame("+:A:clone1:+ +:B:Clone One:+ +:F:orig:+ +:C:" +
            ZipWith("clone1.zip", {{"c.rom", "C1"}}) + ":+ +:W:Partial:+");
    const std::string ghost = ZipWith("ghost.zip", {{"g.rom", "G"}});
    AddGame("+:A:ghost:+ +:B:Ghost:+ +:F:orig:+ +:C:" + ghost + ":+");
    RunTransformation(TransformationType::Merged, {"Ghost"}, session, progress, feedback);
    EXPECT_EQ(Log(),
              "Quorvex Roms Transformation\r\nto 'MERGED' format!\r\n\r\n"
              "OK \tOriginal --> cretaed a big 'MERGED' file with the roms of the clone inside!\r\n"
              "OK \tClone One --> orig.zip is now in'MERGED' format!\r\n"
              "FAILED \tGhost --> the emulator gave no list of the roms it needs, so the old roms "
              "set was kept as it was!\r\n");
    EXPECT_EQ(ZipEntryContent(ghost, "g.rom"), "G");
    EXPECT_EQ(Field("Ghost", 'C'), ghost);
    EXPECT_EQ(ZipEntryContent(Roms("orig.zip"), "c.rom"), "C1");
}

TEST_F(Transformations, EachMemberKeepsItsOwnVersionOfASharedFileName) {
    AddGame("+:A:orig:+ +:B:Original:+ +:C:" +
            ZipWith("orig.zip", {{"a.rom", "orig a"}, {"b.rom", "B0"}}) + ":+");
    AddGame("+:A:clone1:+ +:B:Clone One:+ +:F:orig:+ +:C:" +
            ZipWith("clone1.zip", {{"A.ROM", "clone a"}, {"c.rom", "C1"}}) + ":+ +:W:Partial:+");
    RunTransformation(TransformationType::StandAlone, {"Original"}, session, progress, feedback);
    EXPECT_EQ(ZipEntryContent(Roms("orig.zip"), "a.rom"), "orig a");
    EXPECT_EQ(ZipEntryContent(Roms("clone1.zip"), "a.rom"), "clone a");
    EXPECT_FALSE(platform::IsReadableFile(m_zips + "orig.zip"));

    // One merged zip cannot hold both versions: the clone keeps its own zip.
    RunTransformation(TransformationType::Merged, {"Original"}, session, progress, feedback);
    EXPECT_TRUE(Logged("FAILED \tClone One --> its own a.rom differs from the one the 'MERGED' zip "
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
    std::filesystem::permissions(session.files.directory + "zip", std::filesystem::perms::owner_all);
    const std::string original = ZipWith("orig.zip", {{"a.rom", "A0"}, {"b.rom", "B0"}});
    const std::string clone = ZipWith("clone1.zip", {{"c.rom", "C1"}});
    AddGame("+:A:orig:+ +:B:Original:+ +:C:" + original + ":+");
    AddGame("+:A:clone1:+ +:B:Clone One:+ +:F:orig:+ +:C:" + clone + ":+ +:W:Partial:+");
    RunTransformation(TransformationType::StandAlone, {"Original"}, session, progress, feedback);
    EXPECT_TRUE(Logged("FAILED \tOriginal --> the new zip could not be made, so the old roms set "
                       "was kept as it was!\r\n"));
    EXPECT_TRUE(Logged("FAILED \tClone One --> "));
    EXPECT_EQ(ZipEntryContent(original, "b.rom"), "B0");
    EXPECT_EQ(ZipEntryContent(clone, "c.rom"), "C1");
    EXPECT_EQ(Field("Clone One", 'C'), clone);
    EXPECT_EQ(Field("Clone One", 'W'), "Partial");
}

TEST_F(Transformations, AnInterruptedRunIsReportedAndWhatItLeftNeverReachesANewZip) {
    const std::string temporary = TransformationDirectory(session.emulator);
    ASSERT_TRUE(platform::MakeDirectory(temporary));
    WriteBytes(temporary + "/b.rom", "stale");
    platform::MakeDirectory(temporary + "/kept");
    WriteBytes(temporary + "/kept/1_orig.zip", "kept by a crash");
    EXPECT_NE(InterruptedTransformationReport(session.emulator), "");

    // The original's zip lacks b.rom; the games cannot be saved afterwards.
    const std::string original = ZipWith("orig.zip", {{"a.rom", "A0"}});
    const std::string clone = ZipWith("clone1.zip", {{"c.rom", "C1"}});
    AddGame("+:A:orig:+ +:B:Original:+ +:C:" + original + ":+");
    AddGame("+:A:clone1:+ +:B:Clone One:+ +:F:orig:+ +:C:" + clone + ":+ +:W:Partial:+");
    platform::MakeDirectory(session.files.gameDatabase);
    const auto result =
        RunTransformation(TransformationType::StandAlone, {"Original"}, session, progress, feedback);
    EXPECT_FALSE(result.databaseSaved);
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
