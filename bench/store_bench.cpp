// Loading, saving and looking up a database of 45,000 games.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <vector>

#include "catalogue_generator.h"
#include "platform/file_system.h"
#include "store/game_database.h"

namespace {

using namespace quorvex;

constexpr int kGames = 45'000;

class DatabaseFile {
public:
    DatabaseFile() {
        m_dir = std::filesystem::temp_directory_path() /
                ("quorvex-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
        m_path = (m_dir / "mamegame.qvx").string();
        platform::ReplaceFileAtomically(m_path, bench::GenerateGameDatabaseText(kGames));
    }
    ~DatabaseFile() {
        std::error_code error;
        std::filesystem::remove_all(m_dir, error);
    }
    const std::string& path() const { return m_path; }

private:
    std::filesystem::path m_dir;
    std::string m_path;
};

const DatabaseFile& File() {
    static DatabaseFile file;
    return file;
}

void BM_LoadGameDatabase(benchmark::State& state) {
    const std::string& path = File().path();
    for (auto _ : state) {
        auto games = store::LoadGameDatabase(path);
        benchmark::DoNotOptimize(games);
    }
    state.counters["bytes"] = static_cast<double>(platform::FileLengthOf(path));
}
BENCHMARK(BM_LoadGameDatabase)->Unit(benchmark::kMillisecond);

void BM_SaveGameDatabase(benchmark::State& state) {
    const auto games = store::LoadGameDatabase(File().path());
    const std::string target = File().path() + ".saved";
    store::SilentProgress progress;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store::SaveGameDatabase(*games, target, progress));
    }
}
BENCHMARK(BM_SaveGameDatabase)->Unit(benchmark::kMillisecond);

void BM_FindGameByDescription(benchmark::State& state) {
    const auto games = store::LoadGameDatabase(File().path());
    store::FindGameByDescription(*games, "");  // builds the index once, as the first lookup does
    std::vector<std::string> descriptions;
    for (int i = 0; i < 1024; ++i) {
        descriptions.push_back(bench::GeneratedDescription((i * 7919) % kGames));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store::FindGameByDescription(*games, descriptions[next]));
        next = (next + 1) % descriptions.size();
    }
}
BENCHMARK(BM_FindGameByDescription)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
