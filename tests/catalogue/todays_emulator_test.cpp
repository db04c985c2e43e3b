// The catalogue import and the needed-file cache with today's emulator (the
// test double speaking its generation, and the real one where installed).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

#include "catalogue/catalogue_import.h"
#include "catalogue/emulator_commands.h"
#include "catalogue/emulator_generation.h"
#include "catalogue/machine_list.h"
#include "catalogue/needed_file_cache.h"
#include "import_fixture.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "record_fields.h"
#include "store/text_utils.h"

namespace quorvex::catalogue {
namespace {

using quorvex::testing::FieldsOf;
using quorvex::testing::InstallFakeEmulator;
using quorvex::testing::ReadBytes;
using quorvex::testing::WriteBytes;

constexpr const char* kTodaysCatalogue =
    "@generation\ttoday\n"
    "@version\tv0.251\n"
    "@delay\t0\n"
    "z80\tZilog Z80\t\t\t\t\t\t\t\tdevice\n"
    "neogeo\tNeo-Geo\t\tM68000\tYM2610\t1990\tSNK\tsp-s2.sp1\t\tbios\n"
    "puckman\tPuckMan (Japan set 1)\t\tZilog Z80\tNamco\t1980\tNamco\tpm1.6e,pm1.6f\n"
    "pacman\tPac-Man (Midway)\tpuckman\tZilog Z80\tNamco\t1980\tNamco (Midway license)\t"
    "pacman.6e,pm1.6f\n"
    "18wheelro\t18 Wheeler (older)\t18wheelr\tSH4\tAICA\t2000\tSega\tepr.ic22\n"
    "18wheelr\t18 Wheeler\t\tSH4\tAICA\t2000\tSega\tepr.ic22b\n"
    "mslug\tMetal Slug\tneogeo\tM68000,Z80\tYM2610\t1996\tNazca\t201-p1.p1\n"
    "pong\tPong (Rev E)\t\t\t\t1972\tAtari\n"
    "ghostrn\tGhost Run\t\tM6502\tDAC,Samples\t1980\tIrem\tg.1\tjump.wav\n";

class TodaysImport : public quorvex::testing::ImportTest {
protected:
    TodaysImport() { InstallFakeEmulator(emulator.path(), kTodaysCatalogue); }
    std::vector<std::string> Lines() const {
        return store::SplitRecordLines(ReadBytes(session.files.gameDatabase));
    }
    std::string LineOf(const std::string& name) const {
        const std::vector<std::string> lines = Lines();
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
            return store::GetRecordValue(l, "A") == name;
        });
        return line == lines.end() ? std::string() : *line;
    }
};

TEST(EmulatorGeneration, TheBannerTellsTheGenerationAndTheVersion) {
    EXPECT_EQ(GenerationFromBanner("MAME v0.251 (unknown)\nCopyright"), EmulatorGeneration::Today);
    EXPECT_EQ(GenerationFromBanner("M.A.M.E. v0.36 (Jan  1 2000) - Multiple Arcade"),
              EmulatorGeneration::DosEra);
    EXPECT_EQ(GenerationFromBanner(""), EmulatorGeneration::DosEra);
    EXPECT_EQ(VersionFromBanner("MAME v0.251 (unknown)\n"), "v0.251");
    EXPECT_EQ(VersionFromBanner("M.A.M.E. v0.36 (Jan  1 2000)\n"), "v0.36");
}

TEST_F(TodaysImport, FirstStartImportsTheRunnableMachinesFromTheMachineList) {
    const store::CatalogueChanges changes = ImportCatalogue(session, windows);

    EXPECT_TRUE(windows.messages.empty());
    ASSERT_EQ(changes.inserted.size(), 8u);  // every machine but the device
    EXPECT_TRUE(LineOf("z80").empty());
    const std::string today = store::CurrentDate();
    EXPECT_EQ(LineOf("pacman"), "+:A:pacman:+ +:B:Pac-Man (Midway):+ +:S:0:+ +:V:" + today +
                                    ":+ +:U:v0.251:+ +:F:puckman:+ +:M:Zilog Z80:+ +:P:Namco:+"
                                    " +:J:1980:+ +:X:Namco (Midway license):+\xA7");
    // Names longer than eight characters keep their clone link whole.
    EXPECT_EQ(FieldsOf(LineOf("18wheelro"), "F"), "F:18wheelr");
    EXPECT_EQ(FieldsOf(LineOf("18wheelr"), "F"), "F:");
    EXPECT_EQ(FieldsOf(LineOf("mslug"), "IF"), "I:neogeo F:");
    EXPECT_EQ(FieldsOf(LineOf("ghostrn"), "LQ"), "L:yes Q:Samples");
    EXPECT_EQ(store::GetHeaderValue(session.files.state, "MAME_ACTUAL_VERSION"), "v0.251");
    EXPECT_FALSE(platform::IsReadableFile(emulator.File(kMachineListFile)));
    EXPECT_EQ(CurrentGeneration(session.files.directory, emulator.path()),
              EmulatorGeneration::Today);

    // The cache answers for every game: ROMs with sizes and CRCs, none for pong.
    const std::optional<NeededFileCache> cache =
        NeededFileCache::Load(NeededFileCachePath(session.files.directory));
    ASSERT_TRUE(cache.has_value());
    EXPECT_EQ(cache->Header().version, "v0.251");
    const std::optional<MachineFiles> pacman = cache->Find("PACMAN");
    ASSERT_TRUE(pacman.has_value() && pacman->roms.size() == 2u);
    EXPECT_EQ(pacman->roms[1].name, "pm1.6f");
    EXPECT_EQ(pacman->roms[1].crc.size(), 8u);
    EXPECT_TRUE(cache->Find("pong")->roms.empty());
    EXPECT_EQ(cache->Find("ghostrn")->samples, std::vector<std::string>{"jump.wav"});
    EXPECT_FALSE(cache->Find("z80").has_value());
    EXPECT_TRUE(NeedsNoRomFiles(session.files.directory, "pong"));
    EXPECT_FALSE(NeedsNoRomFiles(session.files.directory, "pacman"));

    // Names longer than eight characters: the banner alone, then the machine list.
    EXPECT_EQ(Runs(), (std::vector<std::string>{"-listfull", "-help", "-listxml"}));

    // A start with nothing new costs one full list and no machine list.
    const std::string before = ReadBytes(session.files.gameDatabase);
    EXPECT_TRUE(ImportCatalogue(session, windows).empty());
    EXPECT_EQ(ReadBytes(session.files.gameDatabase), before);
    EXPECT_EQ(Runs(), (std::vector<std::string>{"-listfull", "-help", "-listxml", "-listfull"}));
}

TEST_F(TodaysImport, DevicesAnEarlierImportInsertedAreRemoved) {
    WriteBytes(session.files.gameDatabase,
               " +:GAMES_COUNT:2:+\xA7\r\n"
               "+:A:z80:+ +:B:Zilog Z80:+ +:S:0:+\xA7\r\n"
               "+:A:pong:+ +:B:Pong (Rev E):+ +:S:0:+ +:E:90:+\xA7\r\n");
    const store::CatalogueChanges changes = ImportCatalogue(session, windows);
    ASSERT_EQ(changes.removed.size(), 1u);
    EXPECT_EQ(changes.removed[0].description, "Zilog Z80");
    EXPECT_EQ(changes.inserted.size(), 7u);
    EXPECT_EQ(FieldsOf(LineOf("pong"), "E"), "E:90");
    EXPECT_EQ(store::GetRecordValue(Lines().front(), "GAMES_COUNT"), "8");
}

TEST(MachineList, StreamsMachinesAndRejectsBrokenXml) {
    std::vector<Machine> machines;
    const auto keep = [&](Machine&& m) { machines.push_back(std::move(m)); };
    EXPECT_TRUE(ReadMachineListText(
        "<mame><machine name=\"Pong\" runnable=\"no\"><description>P &amp; Q</description>"
        "<rom name=\"a\" size=\"4\" crc=\"ABCDEF01\"/><rom name=\"b\" status=\"nodump\"/>"
        "<chip type=\"audio\" name=\"Speaker\"/><chip type=\"audio\" name=\"DAC\"/></machine></mame>",
        keep));
    ASSERT_EQ(machines.size(), 1u);
    EXPECT_EQ(machines[0].name, "pong");
    EXPECT_EQ(machines[0].description, "P & Q");
    EXPECT_FALSE(machines[0].IsGame());
    ASSERT_EQ(machines[0].roms.size(), 1u);
    EXPECT_EQ(machines[0].roms[0].crc, "abcdef01");
    EXPECT_EQ(machines[0].soundChips, std::vector<std::string>{"DAC"});
    EXPECT_FALSE(ReadMachineListText("<mame><machine name=\"x\">", keep));
}

TEST(NeededFileCache, AShortCacheAndACopyOutlivingItsOriginalStillAnswer) {
    testing::TempDir dir;
    // Short enough for the text to live inside the cache object itself.
    testing::WriteBytes(dir.File("short.qvx"), "\n+:A:ab:+");
    const std::optional<NeededFileCache> small = NeededFileCache::Load(dir.File("short.qvx"));
    ASSERT_TRUE(small.has_value());
    ASSERT_TRUE(small->Find("AB").has_value());
    EXPECT_TRUE(small->Find("ab")->roms.empty());

    testing::WriteBytes(dir.File("long.qvx"),
                        "+:MAME_VERSION:0.251:+\r\n+:NOT_GAMES::+\r\n"
                        "+:A:pacman:+ +:ROMS:pm1.6e|4096|c1e6ab10|:+ +:SAMPLES::+\r\n");
    std::optional<NeededFileCache> copy;
    {
        const std::optional<NeededFileCache> original = NeededFileCache::Load(dir.File("long.qvx"));
        ASSERT_TRUE(original.has_value());
        copy = *original;
    }
    const std::optional<MachineFiles> pacman = copy->Find("pacman");
    ASSERT_TRUE(pacman.has_value());
    ASSERT_EQ(pacman->roms.size(), 1u);
    EXPECT_EQ(pacman->roms[0].name, "pm1.6e");
    EXPECT_EQ(pacman->roms[0].crc, "c1e6ab10");
}

using RealEmulator = quorvex::testing::ImportTest;

TEST_F(RealEmulator, FirstStartImportsEveryRunnableMachineAndNoDevice) {
    const std::string mame = quorvex::testing::InstalledEmulator();
    if (mame.empty()) {
        GTEST_SKIP() << "the emulator (Debian package mame) is not installed";
    }
    std::filesystem::create_symlink(mame, emulator.path() + "mame");
    const store::CatalogueChanges changes = ImportCatalogue(session, windows);
    EXPECT_GT(changes.inserted.size(), 30000u);
    for (const store::GameRecord& record : changes.inserted) {
        EXPECT_NE(store::GetRecordValue(record.line, "A"), "z80");
    }

    // Every clone token is the emulator's own clone list, and nothing more.
    platform::ProcessRequest listClones;
    listClones.arguments = {mame, "-listclones"};
    listClones.outputFile = emulator.File("clones.txt");
    ASSERT_TRUE(platform::RunProcess(listClones).has_value());
    std::map<std::string, std::string> expected;
    std::istringstream clones(ReadBytes(emulator.File("clones.txt")));
    std::string clone;
    std::string parent;
    std::getline(clones, clone);  // the heading
    while (clones >> clone >> parent) {
        expected[clone] = parent;
    }
    std::map<std::string, std::string> imported;
    std::string pacman;
    for (const std::string& line :
         store::SplitRecordLines(ReadBytes(session.files.gameDatabase))) {
        const std::string name = store::GetRecordValue(line, "A");
        pacman = name == "pacman" ? line : pacman;
        if (!store::GetRecordValue(line, "F").empty()) {
            imported[name] = store::GetRecordValue(line, "F");
        }
    }
    EXPECT_GT(expected.size(), 20000u);
    EXPECT_TRUE(imported == expected) << imported.size() << " clones imported, "
                                      << expected.size() << " listed";
    EXPECT_EQ(FieldsOf(pacman, "FMJX"),
              "F:puckman M:Zilog Z80 J:1980 X:Namco (Midway license)");
}

}  // namespace
}  // namespace quorvex::catalogue
