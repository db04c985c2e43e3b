#include <gtest/gtest.h>

#include <cstdlib>

#include "../catalogue/fake_emulator_setup.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "sets/transformations.h"
#include "store/program_paths.h"
#include "store/record_line.h"
#include "test_support.h"

namespace quorvex::sets {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

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
                  "cd /emu/TMPQVX" + sep + "m0\r\n/prog/zip.exe  orig.zip a.rom B.ROM \r\n" +
                  "cd /emu/TMPQVX" + sep + "m1\r\n" +
                  "/prog/zip.exe  clone.zip f0 f1 f2 f3 f4 f5 f6 f7 f8 f9 \r\n" +
                  "/prog/zip.exe  clone.zip f10 \"with blank\" \r\n");
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

}  // namespace
}  // namespace quorvex::sets
