// The catalogue import with either generation of the emulator (the test
// double speaking each, and the real one where installed), and the
// needed-file cache today's emulator leaves.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "catalogue/catalogue_import.h"
#include "catalogue/command_runner.h"
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

using quorvex::testing::Descriptions;
using quorvex::testing::FieldsOf;
using quorvex::testing::InstallFakeEmulator;
using quorvex::testing::ReadBytes;
using quorvex::testing::ScopedEnvironment;
using quorvex::testing::TempDir;
using quorvex::testing::WriteBytes;

constexpr const char* kCatalogue =
    "@version\tv0.37b16\n"
    "@delay\t0\n"
    "neogeo\tNeo-Geo\t\tM68000,Z80\tYM2610\t1990\tSNK\n"
    "starblst\tStar Blaster\t\tZ80,Z80\tAY8910,AY8910\t1981\tNakamura\n"
    "starblsj\tStar Blaster (Japan)\tstarblst\tZ80\tAY8910\t1981\tNakamura\n"
    "ghostrn\tGhost Run\t\tM6502,M6502,I8086\tDAC,Samples,DAC\t1980\tIrem Corp.\t\tjump.wav\n"
    "ninjaz\tNinja Zone\tneogeo\tM68000,Z80\tYM2610\t1994\tSNK\n";

class CatalogueImport : public quorvex::testing::ImportTest {
protected:
    store::CatalogueChanges Import() { return ImportCatalogue(session, windows); }
    std::string Database() const { return ReadBytes(session.files.gameDatabase); }
    std::vector<std::string> DatabaseLines() const { return store::SplitRecordLines(Database()); }
    std::string Version() const {
        return store::GetHeaderValue(session.files.state, "MAME_ACTUAL_VERSION");
    }
};

TEST_F(CatalogueImport, FirstStartInsertsEveryGameAndAnUnchangedCatalogueCostsOneRun) {
    InstallFakeEmulator(emulator.path(), kCatalogue);
    const store::CatalogueChanges changes = Import();

    const std::string v = " +:V:" + store::CurrentDate() + ":+ +:U:v0.37b16:+";
    EXPECT_EQ(Database(),
              " +:GAMES_COUNT:5:+\xA7\r\n"
              "+:A:neogeo:+ +:B:Neo-Geo:+ +:S:0:+" +
                  v +
                  " +:M:M68000:+ +:N:Z80:+ +:P:YM2610:+ +:J:1990:+ +:X:SNK:+\xA7\r\n"
                  "+:A:starblst:+ +:B:Star Blaster:+ +:S:0:+" +
                  v +
                  " +:M:Z80:+ +:N:Z80:+ +:P:AY8910:+ +:Q:AY8910:+ +:J:1981:+ +:X:Nakamura:+\xA7\r\n"
                  "+:A:starblsj:+ +:B:Star Blaster (Japan):+ +:S:0:+" +
                  v +
                  " +:F:starblst:+ +:M:Z80:+ +:P:AY8910:+ +:J:1981:+ +:X:Nakamura:+\xA7\r\n"
                  "+:A:ghostrn:+ +:B:Ghost Run:+ +:S:0:+" +
                  v +
                  " +:M:M6502:+ +:N:M6502:+ +:O:I8086:+ +:P:DAC:+ +:Q:Samples:+ +:R:DAC:+"
                  " +:L:yes:+ +:J:1980:+ +:X:Irem Corp.:+\xA7\r\n"
                  "+:A:ninjaz:+ +:B:Ninja Zone:+ +:S:0:+" +
                  v +
                  " +:I:neogeo:+ +:M:M68000:+ +:N:Z80:+ +:P:YM2610:+ +:J:1994:+ +:X:SNK:+\xA7\r\n");
    EXPECT_EQ(Descriptions(changes.inserted),
              "Neo-Geo|Star Blaster|Star Blaster (Japan)|Ghost Run|Ninja Zone");
    EXPECT_TRUE(changes.removed.empty());
    EXPECT_EQ(changes.inserted[4].line.rfind("+:A:ninjaz:+ +:B:Ninja Zone:+", 0), 0u);
    EXPECT_EQ(Version(), "v0.37b16");
    EXPECT_EQ(windows.statuses,
              (std::vector<std::string>{"Checking games supported ...", "Inserting new games ...",
                                        "Getting clones and hardware info ..."}));
    EXPECT_TRUE(windows.messages.empty());
    for (const char* leftover :
         {"gamessup.bat", "games_supported.qvx", "clonesup.bat", "clones_supported.qvx",
          "details_games.qvx", "mame_version.qvx", "company_info.qvx"}) {
        EXPECT_FALSE(platform::IsReadableFile(emulator.File(leftover))) << leftover;
    }

    const std::string before = Database();
    EXPECT_TRUE(Import().empty());
    EXPECT_EQ(Database(), before);
    EXPECT_EQ(Runs(), (std::vector<std::string>{"-listfull", "-listclones", "-listdetails", "-help",
                                                "-listgames", "-listfull"}));
}

TEST_F(CatalogueImport, RefreshRenamesTheNeoGeoDoubleDragonAndDropsStaleLinks) {
    WriteBytes(session.files.gameDatabase,
               " +:GAMES_COUNT:2:+\xA7\r\n"
               "+:A:ddragon:+ +:B:Double Dragon:+ +:D:dd.zip:+ +:L:yes:+ +:F:oldparent:+"
               " +:E:1:+\xA7 +:1:-frameskip 1:+\r\n"
               "+:A:DoubleDR:+ +:B:Old title:+ +:L:yes:+\xA7\r\n");
    InstallFakeEmulator(emulator.path(),
                        "ddragon\tDouble Dragon\t\tHD6309\tYM2151\t1987\tTechnos\n"
                        "neogeo\tNeo-Geo\t\tM68000\tYM2610\t1990\tSNK\n"
                        "doubledr\tDOUBLE DRAGON\tneogeo\tM68000\tYM2610,samples\t1995\tSNK\n");
    const store::CatalogueChanges changes = Import();
    EXPECT_EQ(Descriptions(changes.inserted), "Neo-Geo");

    const std::vector<std::string> lines = DatabaseLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(store::GetRecordValue(lines[0], "GAMES_COUNT"), "3");

    EXPECT_EQ(FieldsOf(lines[1], "BFLDMJXE"),
              "B:Double Dragon F: L: D: M:HD6309 J:1987 X:Technos E:1");
    EXPECT_EQ(lines[1].substr(lines[1].find('\xA7')), "\xA7 +:1:-frameskip 1:+");
    // The stored name keeps its letters; it is matched ignoring case. No
    // company entry carries the new title, so J stays empty.
    EXPECT_EQ(FieldsOf(lines[2], "ABIFLRJ"),
              "A:DoubleDR B:Neo Double Dragon I:neogeo F: L:yes R: J:");
}

TEST_F(CatalogueImport, DeletionsOnlyDropTheGamesAndRunNothingMore) {
    store::SetHeaderValue(session.files.state, "MAME_ACTUAL_VERSION", "v0.36");
    const std::string starblst = "+:A:starblst:+ +:B:Star Blaster:+ +:T:4:+\xA7";
    const std::string gone = "+:A:Gone1 :+ +:B:Gone Game:+ +:H:600:+\xA7 +:3:x:+";
    const std::string starblsj = "+:A:starblsj:+ +:B:Star Blaster (Japan):+\xA7";
    // Blank and nameless lines are no games and go as deleted games do.
    const std::string nameless = "+:B:Nameless:+\xA7";
    WriteBytes(session.files.gameDatabase, " +:GAMES_COUNT:5:+\xA7\r\n" + starblst + "\r\n" + gone +
                                               "\r\n\r\n" + nameless + "\r\n" + starblsj + "\r\n");
    InstallFakeEmulator(emulator.path(),
                        "@version\tv0.99\n"
                        "starblst\tStar Blaster\t\tZ80\tAY8910\t1981\tNakamura\n"
                        "starblsj\tStar Blaster (Japan)\tstarblst\tZ80\tAY8910\t1981\tNakamura\n");
    const store::CatalogueChanges changes = Import();

    EXPECT_EQ(Database(), " +:GAMES_COUNT:2:+\xA7\r\n" + starblst + "\r\n" + starblsj + "\r\n");
    EXPECT_EQ(Descriptions(changes.removed), "Gone Game|Nameless");
    EXPECT_EQ(changes.removed[0].line, gone);
    EXPECT_TRUE(changes.inserted.empty());
    EXPECT_EQ(Runs(), std::vector<std::string>{"-listfull"});
    EXPECT_EQ(Version(), "v0.36");
    EXPECT_EQ(windows.statuses, std::vector<std::string>{"Checking games supported ..."});
}

TEST_F(CatalogueImport, RenamedGameIsRemovedUnderItsOldNameAndInsertedUnderTheNew) {
    // This emulator's banner gives no version: none of an earlier one stays.
    store::SetHeaderValue(session.files.state, "MAME_ACTUAL_VERSION", "v0.36");
    WriteBytes(session.files.gameDatabase,
               " +:GAMES_COUNT:1:+\xA7\r\n+:A:oldname:+ +:B:Star Blaster:+ +:S:90:+\xA7\r\n");
    InstallFakeEmulator(emulator.path(),
                        "@version\t\nstarblst\tStar Blaster\t\tZ80\tAY8910\t1981\tNakamura\n");
    const store::CatalogueChanges changes = Import();

    EXPECT_EQ(Descriptions(changes.removed) + " / " + Descriptions(changes.inserted),
              "Star Blaster / Star Blaster");
    const std::vector<std::string> lines = DatabaseLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(store::GetRecordValue(lines[0], "GAMES_COUNT"), "1");
    EXPECT_EQ(FieldsOf(lines[1], "AS"), "A:starblst S:0");
    EXPECT_EQ(Version(), "");
}

TEST_F(CatalogueImport, NoListFromTheEmulatorKeepsTheDatabaseAndTellsTheUser) {
    const std::string database =
        " +:GAMES_COUNT:1:+\xA7\r\n+:A:starblst:+ +:B:Star Blaster:+ +:H:3600:+\xA7\r\n";
    WriteBytes(session.files.gameDatabase, database);
    store::SetHeaderValue(session.files.state, "MAME_ACTUAL_VERSION", "v0.36");

    // No emulator at all, then one that cannot be run: another emulator on
    // the PATH must not stand in for it.
    EXPECT_TRUE(Import().empty());
    EXPECT_EQ(Database(), database);
    ASSERT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(windows.messages[0].first, NoGamesListMessage(emulator.path()));
    EXPECT_EQ(windows.messages[0].second, store::MessageIcon::Exclamation);
    const TempDir elsewhere;
    InstallFakeEmulator(elsewhere.path(), "other\tOther Game\t\tZ80\tDAC\t1990\tX\n");
    const ScopedEnvironment path("PATH", elsewhere.path() + ":" + std::getenv("PATH"));
    WriteBytes(emulator.File(platform::EmulatorExecutableName()), "#!/bin/sh\n");
    EXPECT_TRUE(Import().empty());
    EXPECT_EQ(Database(), database);
    platform::RemoveFile(emulator.File(platform::EmulatorExecutableName()));
    windows.messages.resize(1);

    // An emulator that lists no game at all.
    InstallFakeEmulator(emulator.path(), "# nothing here\n");
    EXPECT_TRUE(Import().empty());
    EXPECT_EQ(Database(), database);
    EXPECT_EQ(windows.messages.size(), 2u);
    EXPECT_EQ(Version(), "v0.36");
    EXPECT_FALSE(platform::IsReadableFile(emulator.File("games_supported.qvx")));
    EXPECT_FALSE(platform::IsReadableFile(emulator.File("gamessup.bat")));
}

TEST_F(CatalogueImport, GeneratedCatalogueIsRealisticAndEveryGameOfItIsImported) {
    // An empty database file is no games either.
    WriteBytes(session.files.gameDatabase, "");
    InstallFakeEmulator(emulator.path(), "");
    WriteBatchFile("gen.bat", emulator.path(),
                   "mame --generate-catalogue 3000 11 >catalogue.txt\n");
    ASSERT_TRUE(RunBatchFile("gen.bat", emulator.path(), false, nullptr));
    const std::string catalogue = ReadBytes(emulator.File("catalogue.txt"));
    // The same seed makes the same catalogue.
    ASSERT_TRUE(RunBatchFile("gen.bat", emulator.path(), false, nullptr));
    EXPECT_EQ(ReadBytes(emulator.File("catalogue.txt")), catalogue);

    // Names are unique and short, every parent is a game of the catalogue, and
    // there are Neo-Geo games and plenty of clones.
    std::map<std::string, std::string> parents;
    std::istringstream lines(catalogue);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#' || line[0] == '@') {
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) {
            fields.push_back(field);
        }
        ASSERT_GE(fields.size(), 5u) << line;
        EXPECT_LE(fields[0].size(), 8u) << line;
        EXPECT_TRUE(parents.emplace(fields[0], fields[2]).second) << line;
    }
    ASSERT_EQ(parents.size(), 3000u);
    int neoGeoGames = 0;
    int clones = 0;
    for (const auto& [name, parent] : parents) {
        EXPECT_TRUE(parent.empty() || parents.count(parent)) << name;
        neoGeoGames += parent == "neogeo";
        clones += !parent.empty() && parent != "neogeo";
    }
    EXPECT_GT(neoGeoGames, 0);
    EXPECT_GT(clones, 600);

    // How each link is stored is compared byte for byte above; here every game arrives.
    EXPECT_EQ(Import().inserted.size(), 3000u);
    const std::vector<std::string> records = DatabaseLines();
    ASSERT_EQ(records.size(), 3001u);
    EXPECT_EQ(store::GetRecordValue(records[0], "GAMES_COUNT"), "3000");
}

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
    EXPECT_EQ(Descriptions(changes.removed), "Zilog Z80");
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
        "<chip type=\"audio\" name=\"Speaker\"/><chip type=\"audio\" "
        "name=\"DAC\"/></machine></mame>",
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
    for (const std::string& line : store::SplitRecordLines(ReadBytes(session.files.gameDatabase))) {
        const std::string name = store::GetRecordValue(line, "A");
        pacman = name == "pacman" ? line : pacman;
        if (!store::GetRecordValue(line, "F").empty()) {
            imported[name] = store::GetRecordValue(line, "F");
        }
    }
    EXPECT_GT(expected.size(), 20000u);
    EXPECT_TRUE(imported == expected)
        << imported.size() << " clones imported, " << expected.size() << " listed";
    EXPECT_EQ(FieldsOf(pacman, "FMJX"), "F:puckman M:Zilog Z80 J:1980 X:Namco (Midway license)");
}

}  // namespace
}  // namespace quorvex::catalogue
