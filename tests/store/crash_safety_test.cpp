// A save killed at any moment leaves the whole old or the whole new database,
// and what the killed save left behind is cleared away at the next start.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "platform/file_system.h"
#include "store/game_database.h"
#include "test_support.h"

namespace quorvex::store {
namespace {

namespace fs = std::filesystem;

// About the size of the whole catalogue of today's emulator: 45,000 games, 11 MB.
GameDatabase LargeDatabase(const std::string& edition) {
    std::vector<GameRecord> records;
    records.reserve(45'000);
    for (int i = 0; i < 45'000; ++i) {
        const std::string name = "game" + std::to_string(i);
        std::string line = "+:A:" + name + ":+ +:B:" + name + " (" + edition +
                           " edition, 1985, a long description of the game):+ +:C:parent:+ "
                           "+:D:Z80 [4 MHz]:+ +:E:AY-3-8910 [1.5 MHz]:+ +:J:1985:+ "
                           "+:K:Some Manufacturer Ltd.:+ +:S:" +
                           std::to_string(i % 100) + ":+ +:X:" + edition +
                           ":+\xA7 +:1:ON:+ +:2:-frameskip 2 -nosound -resolution 640x480:+";
        records.push_back(GameRecord{std::move(line), {}, {}});
    }
    return GameDatabase(std::move(records));
}

// The child saves one edition after the other, each only when the parent
// says so, and reports every finished save. So a kill lands either between
// two saves, where the file must hold exactly the last edition saved, or at
// a random moment inside a save, where it must hold one of the two whole.
TEST(CrashSafety, ASaveKilledAtRandomMomentsLeavesTheWholeOldOrTheWholeNewFile) {
    testing::TempDir temp;
    const std::string path = temp.File("mamegame.qvx");
    const GameDatabase first = LargeDatabase("first");
    const GameDatabase second = LargeDatabase("second");
    const GameDatabase* editions[2] = {&first, &second};
    const std::string texts[2] = {GameDatabaseText(first), GameDatabaseText(second)};
    ASSERT_GT(texts[0].size(), 10'000'000u);

    SilentProgress progress;
    const auto before = std::chrono::steady_clock::now();
    ASSERT_TRUE(SaveGameDatabase(first, path, progress));
    const auto oneSave = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - before);

    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> finishedSaves(0, 2);
    std::uniform_int_distribution<long long> moment(0, oneSave.count() * 6 / 5);
    constexpr int kKills = 60;
    int held = 0;
    int seen[2] = {0, 0};
    int debris = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        int go[2];
        int done[2];
        ASSERT_EQ(::pipe(go), 0);
        ASSERT_EQ(::pipe(done), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int round = 0;; ++round) {
                char byte = 0;
                if (::read(go[0], &byte, 1) != 1) {
                    ::_exit(1);
                }
                SilentProgress childProgress;
                SaveGameDatabase(*editions[(held + round + 1) % 2], path, childProgress);
                if (::write(done[1], &byte, 1) != 1) {
                    ::_exit(1);
                }
            }
        }
        ::close(go[0]);
        ::close(done[1]);
        const int saves = finishedSaves(random);
        for (int round = 0; round < saves; ++round) {
            char byte = 1;
            ASSERT_EQ(::write(go[1], &byte, 1), 1);
            ASSERT_EQ(::read(done[0], &byte, 1), 1);
        }
        const bool insideASave = kill % 2 == 1;
        if (insideASave) {
            char byte = 1;
            ASSERT_EQ(::write(go[1], &byte, 1), 1);
            std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        }
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        ::close(go[1]);
        ::close(done[0]);

        const std::optional<std::string> bytes = platform::ReadFileBytes(path);
        ASSERT_TRUE(bytes) << "after kill " << kill;
        const int last = (held + saves) % 2;
        int now = -1;
        if (*bytes == texts[last]) {
            now = last;
        } else if (insideASave && *bytes == texts[1 - last]) {
            now = 1 - last;
        }
        ASSERT_NE(now, -1) << "after kill " << kill << " the file has " << bytes->size()
                           << " bytes";
        ++seen[now];
        held = now;
        const auto loaded = LoadGameDatabase(path);
        ASSERT_TRUE(loaded);
        ASSERT_EQ(loaded->count(), 45'000);

        // A start after the crash clears what the killed save left.
        const int files = static_cast<int>(platform::ListDirectory(temp.path()).size());
        debris += files - 1;
        EXPECT_EQ(platform::RemoveStaleReplacementFiles(temp.path(),
                                                        fs::file_time_type::clock::now() +
                                                            std::chrono::seconds(1)),
                  files - 1);
        ASSERT_EQ(platform::ListDirectory(temp.path()).size(), 1u);
    }
    std::printf("%d kills: %d times the first edition, %d times the second, %d leftover files "
                "cleared\n",
                kKills, seen[0], seen[1], debris);
}

}  // namespace
}  // namespace quorvex::store
#endif
