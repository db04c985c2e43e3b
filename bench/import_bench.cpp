// The catalogue import of a start, over a generated catalogue of 45,000 games
// printed by the emulator test double. The emulator's own runs are measured
// apart, so that the program's share of the time can be told.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "catalogue/catalogue_import.h"
#include "catalogue/command_runner.h"
#include "catalogue/emulator_commands.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "store/default_files.h"
#include "store/program_paths.h"
#include "store/startup.h"

namespace {

using namespace quorvex;
namespace fs = std::filesystem;

constexpr int kGames = 45'000;

class QuietWindows : public store::StartupWindows {
public:
    std::optional<std::string> AskEmulatorDirectory() override { return std::nullopt; }
    void ShowMessage(const std::string& text, store::MessageIcon) override { message = text; }
    bool AskYesNo(const std::string&) override { return false; }
    void OpenSplash() override {}
    void SetSplashStatus(const std::string&) override {}
    void CloseSplash() override {}
    void ShowWhatsNew(const store::CatalogueChanges&) override {}
    void RunMainWindow(store::Session&) override {}
    std::string message;
};

// A program directory and an emulator directory holding the test double
// with a generated catalogue.
class Installation {
public:
    Installation() {
        m_root = fs::temp_directory_path() / ("quorvex-import-bench-" + std::to_string(::getpid()));
        fs::create_directories(m_root / "program");
        fs::create_directories(m_root / "mame");
        session.files = store::MakeProgramFiles((m_root / "program").string());
        session.emulator = store::MakeEmulatorPaths((m_root / "mame").string());
        fs::copy_file(QUORVEX_FAKE_EMULATOR, session.emulator.executable,
                      fs::copy_options::overwrite_existing);
        platform::ProcessRequest request;
        request.arguments = {session.emulator.executable, "--generate-catalogue",
                             std::to_string(kGames), "1"};
        request.workingDirectory = session.emulator.directory;
        request.outputFile = session.emulator.directory + "catalogue.txt";
        platform::RunProcess(request);
        store::CreateStateFile(session.files.state, session.emulator.directory);
    }
    ~Installation() {
        std::error_code error;
        fs::remove_all(m_root, error);
    }
    void EmptyDatabase() { store::CreateDefaultGameDatabase(session.files.gameDatabase); }

    // Runs one of the import's batches and removes what it printed.
    void RunBatch(const char* name, const std::string& text) {
        catalogue::WriteBatchFile(name, session.emulator.directory, text);
        catalogue::RunBatchFile(name, session.emulator.directory, false, nullptr);
        for (const char* output :
             {catalogue::kSupportedGamesFile, catalogue::kClonesFile, catalogue::kDetailsFile,
              catalogue::kVersionFile, catalogue::kCompaniesFile}) {
            platform::RemoveFile(session.emulator.directory + output);
        }
        platform::RemoveFile(session.emulator.directory + name);
    }

    store::Session session;

private:
    fs::path m_root;
};

Installation& Shared() {
    static Installation installation;
    return installation;
}

void BM_ImportIntoEmptyDatabase(benchmark::State& state) {
    Installation& installation = Shared();
    QuietWindows windows;
    std::size_t inserted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        installation.EmptyDatabase();
        state.ResumeTiming();
        inserted = catalogue::ImportCatalogue(installation.session, windows).inserted.size();
    }
    state.counters["inserted"] = static_cast<double>(inserted);
}
BENCHMARK(BM_ImportIntoEmptyDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_EmulatorRunsOfAFirstImport(benchmark::State& state) {
    Installation& installation = Shared();
    for (auto _ : state) {
        installation.RunBatch(catalogue::kSupportedGamesBatch,
                              catalogue::SupportedGamesBatchText());
        installation.RunBatch(catalogue::kCloneInfoBatch, catalogue::CloneInfoBatchText());
    }
}
BENCHMARK(BM_EmulatorRunsOfAFirstImport)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ImportWithNothingNew(benchmark::State& state) {
    Installation& installation = Shared();
    QuietWindows windows;
    installation.EmptyDatabase();
    catalogue::ImportCatalogue(installation.session, windows);
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalogue::ImportCatalogue(installation.session, windows));
    }
}
BENCHMARK(BM_ImportWithNothingNew)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_EmulatorRunOfAnUnchangedStart(benchmark::State& state) {
    Installation& installation = Shared();
    for (auto _ : state) {
        installation.RunBatch(catalogue::kSupportedGamesBatch,
                              catalogue::SupportedGamesBatchText());
    }
}
BENCHMARK(BM_EmulatorRunOfAnUnchangedStart)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
