// The whole-database operations of the settings pages on a 45,000-game
// database: options texts, equal settings, and moving every game's values
// when a definition is deleted.

#include <benchmark/benchmark.h>

#include "catalogue_generator.h"
#include "play/game_settings.h"
#include "play/setting_definitions.h"
#include "store/record_file.h"
#include "store/record_line.h"

namespace {

using namespace quorvex;

constexpr int kGames = 45'000;

const std::vector<store::SettingDefinition> kDefinitions = {
    {"1", "-noscanlines  ", "n", ""},
    {"2", "-soundcard    ", "f3=0;Silence=1;Sound Blaster=6;Windows Sound System", ""},
    {"3", "-depth", "v16", ""},
    {"4", "-frameskip", "v", ""},
};

const store::GameDatabase& Games() {
    static const store::GameDatabase games = bench::GenerateGameDatabase(kGames);
    return games;
}

void BM_OptionsTextOfEveryGame(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const store::GameRecord& game : Games().records()) {
            bytes += play::OptionsText(game.line, kDefinitions).size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_OptionsTextOfEveryGame)->Unit(benchmark::kMillisecond);

void BM_RowsWithEqualSettings(benchmark::State& state) {
    std::vector<play::GamesListRow> rows;
    for (int i = 0; i < Games().count(); ++i) {
        rows.push_back({i, Games()[i].description});
    }
    const std::string current = Games()[7].description;
    std::size_t equal = 0;
    for (auto _ : state) {
        equal = play::RowsWithEqualSettings(Games(), current, rows).size();
        benchmark::DoNotOptimize(equal);
    }
    state.counters["equal"] = static_cast<double>(equal);
}
BENCHMARK(BM_RowsWithEqualSettings)->Unit(benchmark::kMillisecond);

void BM_RenumberAfterDeletingTheFirstDefinition(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        store::GameDatabase games = Games();
        state.ResumeTiming();
        play::RenumberGameSettings(games, 1, static_cast<int>(kDefinitions.size()), nullptr,
                                   nullptr);
        benchmark::DoNotOptimize(games);
    }
}
BENCHMARK(BM_RenumberAfterDeletingTheFirstDefinition)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
