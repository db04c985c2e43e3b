#pragma once
// A temporary emulator directory with the emulator test double, a program
// directory, a source directory of zips, a game database built from record
// lines, and recorders for the questions, messages, progress texts and log.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../catalogue/fake_emulator_setup.h"
#include "catalogue/emulator_generation.h"
#include "catalogue/machine_list.h"
#include "catalogue/needed_file_cache.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "scripted_feedback.h"
#include "sets/scan.h"
#include "store/record_line.h"
#include "store/session.h"
#include "store/user_feedback.h"
#include "test_support.h"
#include "zip_builder.h"

namespace quorvex::sets {

// Keeps every text; its Cancel is pressed at the given Pump call (1-based).
class RecordingProgress : public store::Progress {
public:
    void Open(const std::string&, bool canCancel) override {
        cancelled = false;
        m_canCancel = canCancel;
    }
    void SetRange(int, int) override {}
    void SetStep(int) override {}
    void SetText(const std::string& text) override { texts.push_back(text); }
    void Step() override {}
    void SetPosition(int) override {}
    void Pump() override {
        if (++pumps == cancelAtPump && m_canCancel)
            cancelled = true;
    }
    bool Cancelled() const override { return cancelled; }
    void Close() override {}

    bool Shown(const std::string& text) const {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    std::vector<std::string> texts;
    int pumps = 0;
    int cancelAtPump = -1;
    bool cancelled = false;

private:
    bool m_canCancel = false;
};

inline store::GameDatabase GamesFromLines(const std::vector<std::string>& lines) {
    std::vector<store::GameRecord> records;
    for (const std::string& line : lines)
        records.push_back({line, "", store::GetRecordValue(line, "B")});
    return store::GameDatabase(records);
}

class ScanFixture : public ::testing::Test {
protected:
    // catalogue: the test double's game lines (name, description, parent,
    // cpus, sounds, year, maker, roms, samples), without the delay line.
    void Install(const std::string& catalogue) {
        session.files = store::MakeProgramFiles(Directory("program"));
        session.emulator = store::MakeEmulatorPaths(Directory("mame"));
        platform::MakeDirectory(session.files.directory);
        platform::MakeDirectory(session.emulator.directory);
        store::CreateEmulatorSubdirectories(session.emulator);
        platform::MakeDirectory(source);
        testing::InstallFakeEmulator(session.emulator.directory, "@delay\t0\n" + catalogue);
    }

    // Turns the emulator into today's generation with these game lines and
    // makes its needed-file cache the way the catalogue import does, from
    // the test double's "-listxml".
    void BecomeTodaysEmulator(const std::string& catalogue) {
        testing::InstallFakeEmulator(
            session.emulator.directory,
            "@generation\ttoday\n@version\tv0.251\n@delay\t0\n" + catalogue);
        const std::string listing = dir.File("machines.xml");
        platform::ProcessRequest run;
        run.arguments = {session.emulator.executable, "-listxml"};
        run.outputFile = listing;
        ASSERT_TRUE(platform::RunProcess(run).has_value());
        catalogue::NeededFileCacheWriter cache;
        ASSERT_TRUE(catalogue::ReadMachineListFile(
            listing, [&](catalogue::Machine&& machine) { cache.Add(machine); }));
        ASSERT_TRUE(cache.Save(catalogue::NeededFileCachePath(session.files.directory), "v0.251",
                               catalogue::EmulatorStamp(session.emulator.directory)));
    }

    std::string Directory(const std::string& name) const {
        return dir.path() + name + platform::kSeparator;
    }

    // A zip whose entries hold their own names.
    static void Zip(const std::string& path, const std::vector<std::string>& names) {
        std::vector<testing::ZipEntry> entries;
        for (const std::string& name : names)
            entries.push_back({name, name});
        testing::WriteZip(path, entries);
    }

    std::string Field(const std::string& description, char code) const {
        const auto game = store::FindGameByDescription(session.games, description);
        return game ? session.games.Field(*game, code) : "<no game>";
    }
    // The game's ROM link and set format, as "link|format".
    std::string Link(const std::string& description) const {
        return Field(description, 'C') + "|" + Field(description, 'W');
    }

    // One game's accurate and fast scan, their log lines kept in log.
    int Scan(const std::string& description, const std::string& path,
             NeededFileKind kind = NeededFileKind::Roms) {
        return SetScanner(session.games, session.emulator, nullptr, &log)
            .AccurateScan(description, path, kind);
    }
    int Fast(const std::string& description, FastAssumption assumption) {
        return SetScanner(session.games, session.emulator, nullptr, &log)
            .FastScan(description, source, assumption);
    }

    testing::TempDir dir;
    const std::string source = Directory("source");
    store::Session session;
    testing::ScriptedFeedback feedback{true};  // Yes once the script is used up
    RecordingProgress progress;
    std::string log;
};

// An original, a SPLITTED, a MERGED and a STAND ALONE clone, and a Neo-Geo
// game, as the emulator test double lists them.
inline constexpr const char* kPacManGames =
    "pacman\tPac-Man\t\tZ80\tWSG\t1980\tNamco\tpm.6e,pm.6f,pm.6h\n"
    "pacmanf\tPac-Man (fast)\tpacman\tZ80\tWSG\t1980\tNamco\tpm.6e,pm.6f,pmf.6h\n"
    "puckman\tPuckman\tpacman\tZ80\tWSG\t1980\tNamco\tpm.6e,pm.6f,pk.7\n"
    "pacplus\tPac-Man Plus\tpacman\tZ80\tWSG\t1982\tNamco\tpp.1,pp.2\n"
    "mslug\tMetal Slug\t\t68000\tYM2610\t1996\tNazca\t201-p1.bin,neo-geo.rom,ng-sm1.rom\n";

// The Pac-Man family's records and zips in the source directory; no set for
// the Neo-Geo game.
class PacManFamily : public ScanFixture {
protected:
    PacManFamily() {
        Install(kPacManGames);
        session.games = GamesFromLines({
            "+:A:pacman:+ +:B:Pac-Man:+",
            "+:A:pacmanf:+ +:B:Pac-Man (fast):+ +:F:pacman:+",
            "+:A:puckman:+ +:B:Puckman:+ +:F:PACMAN:+",
            "+:A:pacplus:+ +:B:Pac-Man Plus:+ +:F:pacman:+",
            "+:A:mslug:+ +:B:Metal Slug:+",
        });
        MakeZips(source);
    }

    // The original's zip also holds the MERGED clone's own file; pacplus.zip
    // holds its files under a directory and another letter case.
    static void MakeZips(const std::string& directory) {
        Zip(directory + "pacman.zip", {"pm.6e", "pm.6f", "pm.6h", "pk.7"});
        Zip(directory + "pacmanf.zip", {"pmf.6h"});
        Zip(directory + "pacplus.zip", {"roms/PP.1", "Pp.2"});
    }
};

}  // namespace quorvex::sets
