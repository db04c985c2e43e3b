// Today's emulator: the first start (one machine list streamed into the
// database and the needed-file cache), a start with nothing new, and the
// accurate ROM scan answered from the cache. Each program step is measured
// beside the emulator's own run of the same list, so that their ratio can be
// read off one run. The real emulator is used where it is installed
// (/usr/games/mame), else the test double with 45,000 generated machines.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalogue/catalogue_import.h"
#include "catalogue/command_runner.h"
#include "catalogue/emulator_commands.h"
#include "catalogue/emulator_generation.h"
#include "catalogue/needed_file_cache.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/unzip.h"
#include "sets/scan.h"
#include "store/default_files.h"
#include "store/game_database.h"
#include "store/program_paths.h"
#include "store/startup.h"
#include "store/state_file.h"

namespace {

using namespace quorvex;
namespace fs = std::filesystem;

constexpr int kGeneratedMachines = 45'000;
constexpr int kScannedZips = 5'000;
constexpr const char* kInstalledEmulator = "/usr/games/mame";

class QuietWindows : public store::StartupWindows {
public:
    std::optional<std::string> AskEmulatorDirectory() override { return std::nullopt; }
    void ShowMessage(const std::string&, store::MessageIcon) override {}
    bool AskYesNo(const std::string&) override { return false; }
    void OpenSplash() override {}
    void SetSplashStatus(const std::string&) override {}
    void CloseSplash() override {}
    void ShowWhatsNew(const store::CatalogueChanges&) override {}
    void RunMainWindow(store::Session&) override {}
};

// The largest resident size of this process so far, in megabytes.
double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

void Generate(const std::string& emulator, int count, const std::string& target) {
    platform::ProcessRequest request;
    request.arguments = {emulator, "--generate-catalogue", std::to_string(count), "1"};
    request.outputFile = target;
    platform::RunProcess(request);
    std::string text = "@generation\ttoday\n@version\tv0.251\n" +
                       platform::ReadFileBytes(target).value_or(std::string());
    // The generator writes the DOS-era version line; today's banner is wanted.
    const std::size_t old = text.find("@version\tv0.37b16\n");
    if (old != std::string::npos) {
        text.erase(old, 18);
    }
    platform::ReplaceFileAtomically(target, text);
}

class Installation {
public:
    explicit Installation(bool realEmulator) {
        m_root = fs::temp_directory_path() / ("quorvex-today-bench-" + std::to_string(::getpid()) +
                                              (realEmulator ? "-real" : "-double"));
        fs::create_directories(m_root / "program");
        fs::create_directories(m_root / "mame");
        session.files = store::MakeProgramFiles((m_root / "program").string() + "/");
        session.emulator = store::MakeEmulatorPaths((m_root / "mame").string() + "/");
        store::CreateEmulatorSubdirectories(session.emulator);
        if (realEmulator) {
            fs::create_symlink(kInstalledEmulator, session.emulator.executable);
        } else {
            fs::copy_file(QUORVEX_FAKE_EMULATOR, session.emulator.executable);
            Generate(session.emulator.executable, kGeneratedMachines,
                     session.emulator.directory + "catalogue.txt");
        }
        store::CreateStateFile(session.files.state, session.emulator.directory);
    }
    ~Installation() {
        std::error_code error;
        fs::remove_all(m_root, error);
    }
    void FirstStart() {
        store::CreateDefaultGameDatabase(session.files.gameDatabase);
        platform::RemoveFile(catalogue::NeededFileCachePath(session.files.directory));
    }
    // The emulator alone, its list redirected into a file.
    void EmulatorAlone(const char* option) {
        const std::string text = std::string("mame ") + option + " >alone.qvx\n";
        catalogue::WriteBatchFile("alone.bat", session.emulator.directory, text);
        catalogue::RunBatchFile("alone.bat", session.emulator.directory, false, nullptr);
        platform::RemoveFile(session.emulator.directory + "alone.qvx");
        platform::RemoveFile(session.emulator.directory + "alone.bat");
    }

    store::Session session;
    fs::path m_root;
};

bool RealEmulatorInstalled() {
    return platform::IsExecutableFile(kInstalledEmulator);
}

Installation& Shared() {
    static Installation installation(RealEmulatorInstalled());
    return installation;
}

void BM_FirstStart(benchmark::State& state) {
    Installation& installation = Shared();
    QuietWindows windows;
    std::size_t inserted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        installation.FirstStart();
        state.ResumeTiming();
        inserted = catalogue::ImportCatalogue(installation.session, windows).inserted.size();
        benchmark::DoNotOptimize(
            store::LoadGameDatabase(installation.session.files.gameDatabase));
    }
    state.counters["inserted"] = static_cast<double>(inserted);
    state.counters["peak_MB"] = PeakMegabytes();
    state.SetLabel(RealEmulatorInstalled() ? "emulator 0.251" : "test double");
}
BENCHMARK(BM_FirstStart)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ListXmlAlone(benchmark::State& state) {
    for (auto _ : state) {
        Shared().EmulatorAlone("-listxml");
    }
}
BENCHMARK(BM_ListXmlAlone)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_StartWithNothingNew(benchmark::State& state) {
    Installation& installation = Shared();
    QuietWindows windows;
    // The start before it imported everything (and made the cache).
    if (!platform::IsReadableFile(
            catalogue::NeededFileCachePath(installation.session.files.directory))) {
        installation.FirstStart();
        catalogue::ImportCatalogue(installation.session, windows);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalogue::ImportCatalogue(installation.session, windows));
    }
}
BENCHMARK(BM_StartWithNothingNew)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ListFullAlone(benchmark::State& state) {
    for (auto _ : state) {
        Shared().EmulatorAlone("-listfull");
    }
}
BENCHMARK(BM_ListFullAlone)->Unit(benchmark::kMillisecond)->Iterations(5);

// The accurate scan of a generated ROM directory of 5,000 zips whose
// entries match the test double's CRCs, needed lists from the cache.
void BM_AccurateScanFromTheCache(benchmark::State& state) {
    static Installation scanned(false);
    static bool prepared = false;
    const std::string source = scanned.session.emulator.directory + "source/";
    if (!prepared) {
        QuietWindows windows;
        scanned.FirstStart();
        catalogue::ImportCatalogue(scanned.session, windows);
        scanned.session.games =
            store::LoadGameDatabase(scanned.session.files.gameDatabase).value_or(store::GameDatabase());
        fs::create_directories(source);
        // Each generated game's ROMs hold their own names, as the double's CRCs say.
        const std::optional<catalogue::NeededFileCache> cache = catalogue::NeededFileCache::Load(
            catalogue::NeededFileCachePath(scanned.session.files.directory));
        for (int i = 0; i < kScannedZips && i < scanned.session.games.count(); ++i) {
            const std::string name = scanned.session.games.Field(i, 'A');
            const std::optional<catalogue::MachineFiles> files = cache->Find(name);
            std::string list;
            for (const catalogue::NeededRom& rom : files->roms) {
                platform::ReplaceFileAtomically(source + rom.name, rom.name);
                list += " " + rom.name;
            }
            catalogue::WriteBatchFile("z.bat", source, "zip -q -j " + name + ".zip" + list + "\n");
            catalogue::RunBatchFile("z.bat", source, false, nullptr);
            for (const catalogue::NeededRom& rom : files->roms) {
                platform::RemoveFile(source + rom.name);
            }
        }
        platform::RemoveFile(source + "z.bat");
        prepared = true;
    }
    // What a zip chosen by hand and a transformation run pay before their
    // work: the cache of every machine read and indexed once.
    const auto loadStart = std::chrono::steady_clock::now();
    const std::optional<catalogue::NeededFileCache> cache = catalogue::TodaysNeededFileCache(
        scanned.session.files.directory, scanned.session.emulator.directory);
    const double loadMilliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - loadStart)
            .count();
    if (!cache) {
        state.SkipWithError("the import made no needed-file cache");
        return;
    }
    int linked = 0;
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < scanned.session.games.count(); ++i) {
            scanned.session.games.SetField(i, 'C', "");
            scanned.session.games.SetField(i, 'W', "");
        }
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        sets::SetScanner scanner(scanned.session.games, scanned.session.emulator);
        scanner.UseNeededFileCache(&*cache);
        linked = 0;
        for (int i = 0; i < kScannedZips; ++i) {
            linked += scanner.AccurateScanAt(i, source, sets::NeededFileKind::Roms);
        }
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["linked"] = linked;
    state.counters["cache_load_ms"] = loadMilliseconds;
    state.counters["per_game_ms"] =
        seconds * 1000.0 / static_cast<double>(state.iterations()) / kScannedZips;
}
BENCHMARK(BM_AccurateScanFromTheCache)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
