// The game information lookups on realistic sizes: a history entry found in
// a 5 MB "history.dat" with 45,000 games in the database, and the packed
// Global Hall over 45,000 games.

#include <benchmark/benchmark.h>

#include "catalogue_generator.h"
#include "info/companion_texts.h"
#include "info/statistics.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "store/session.h"

namespace {

using namespace quorvex;

constexpr int kGames = 45'000;

const store::GameDatabase& Games() {
    static const store::GameDatabase games = bench::GenerateGameDatabase(kGames);
    return games;
}

// Entries for the games in database order, as long as the real file's, up
// to the size start-up reads.
const std::string& History() {
    static const std::string text = [] {
        std::string history = "## generated history\r\n";
        for (int index = 0; index < Games().count(); ++index) {
            std::string entry = "$info=" + Games().Field(index, 'A') + ",\r\n$bio\r\n\r\n" +
                                Games()[index].description +
                                " (c) 1990 Somebody.\r\n\r\nA game of skill and nerve, played "
                                "with one stick and two buttons by up to two players.\r\n\r\n"
                                "- TRIVIA -\r\n\r\nThe hardware was used for three other "
                                "games.\r\n$end\r\n\r\n";
            if (history.size() + entry.size() > store::kCompanionTextLimit) {
                break;
            }
            history += entry;
        }
        return history;
    }();
    return text;
}

// The last entry of the file: the scan runs through all of it.
void BM_HistoryLookupOfTheLastEntry(benchmark::State& state) {
    const std::string& history = History();
    const std::size_t lastEntry = history.rfind("$info=");
    const std::string rawName =
        history.substr(lastEntry + 6, history.find(',', lastEntry) - lastEntry - 6);
    int index = 0;
    while (Games().Field(index, 'A') != rawName) {
        ++index;
    }
    const std::string description = Games()[index].description;
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes =
            info::CompanionEntryText(info::CompanionFile::History, history, Games(), description)
                .size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["file_bytes"] = static_cast<double>(history.size());
    state.counters["entry_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_HistoryLookupOfTheLastEntry)->Unit(benchmark::kMillisecond);

void BM_PackedGlobalHall(benchmark::State& state) {
    std::size_t lines = 0;
    for (auto _ : state) {
        lines = info::BoardLines(Games(), info::Board::GlobalHall, {.packClones = true}).size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_PackedGlobalHall)->Unit(benchmark::kMillisecond);

void BM_PackedHallOfFameByRatio(benchmark::State& state) {
    std::size_t lines = 0;
    for (auto _ : state) {
        lines =
            info::BoardLines(Games(), info::Board::HallOfFame, {.packClones = true, .ratio = true})
                .size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_PackedHallOfFameByRatio)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
