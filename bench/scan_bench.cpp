// A very fast ROM scan run (existence only, clones assumed MERGED) over a
// database of 45,000 games, a quarter of whose zips are in the source
// directory: the walk, the family links, the log and the save.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "catalogue_generator.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "sets/scan_run.h"
#include "store/program_paths.h"

namespace {

using namespace quorvex;

constexpr int kGames = 45'000;

// Yes to the very fast warnings, No to the optimisation.
class Answers : public store::UserFeedback {
public:
    void ShowMessage(const std::string&, store::MessageIcon) override {}
    bool AskYesNo(const std::string& text) override {
        return text.find("optimize") == std::string::npos;
    }
};

void BM_VeryFastScanRun(benchmark::State& state) {
    const std::filesystem::path root = std::filesystem::temp_directory_path() /
                                       ("quorvex-scan-bench-" + std::to_string(::getpid()));
    const std::string base = root.string() + platform::kSeparator;
    store::Session session;
    session.files = store::MakeProgramFiles(base + "program");
    session.emulator = store::MakeEmulatorPaths(base + "mame");
    const std::string source = base + "source" + platform::kSeparator;
    std::filesystem::create_directories(session.files.directory);
    std::filesystem::create_directories(source);
    const std::string text = bench::GenerateGameDatabaseText(kGames);
    platform::ReplaceFileAtomically(session.files.gameDatabase, text);
    const store::GameDatabase games = *store::LoadGameDatabase(session.files.gameDatabase);
    for (int i = 0; i < games.count(); i += 4)
        platform::AppendFileBytes(source + games.Field(i, 'A') + ".zip", "");

    sets::ScanRequest request;
    request.sourceDirectory = source;
    request.rescanAll = true;
    request.veryFast = true;
    request.assumption = sets::FastAssumption::Merged;
    Answers answers;
    store::SilentProgress progress;
    int links = 0;
    for (auto _ : state) {
        state.PauseTiming();
        session.games = games;
        state.ResumeTiming();
        links = sets::RunSetScan(session, request, answers, progress).linksMade;
    }
    state.counters["links"] = links;
    std::error_code error;
    std::filesystem::remove_all(root, error);
}
BENCHMARK(BM_VeryFastScanRun)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
