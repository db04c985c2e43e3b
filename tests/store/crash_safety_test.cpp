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

TEST(CrashSafety, ASaveKilledAtRandomMomentsLeavesTheWholeOldOrTheWholeNewFile) {
    testing::TempDir temp;
    const std::string path = temp.File("mamegame.qvx");
    const GameDatabase first = LargeDatabase("first");
    const GameDatabase second = LargeDatabase("second");
    const std::string firstText = GameDatabaseText(first);
    const std::string secondText = GameDatabaseText(second);
    ASSERT_GT(firstText.size(), 10'000'000u);

    // How long one save takes here decides the range of the kill moments,
    // so that they fall before, inside and between the saves.
    SilentProgress progress;
    const auto before = std::chrono::steady_clock::now();
    ASSERT_TRUE(SaveGameDatabase(first, path, progress));
    const auto oneSave = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - before);

    std::mt19937 random(20261207);
    std::uniform_int_distribution<long long> moment(0, oneSave.count() * 5 / 2);
    constexpr int kKills = 120;
    int wholeFirst = 0;
    int wholeSecond = 0;
    int debris = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves the other edition than the file holds, then back, until killed.
            for (int round = 0;; ++round) {
                SilentProgress childProgress;
                SaveGameDatabase(round % 2 == 0 ? second : first, path, childProgress);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::optional<std::string> bytes = platform::ReadFileBytes(path);
        ASSERT_TRUE(bytes) << "after kill " << kill;
        if (*bytes == firstText) {
            ++wholeFirst;
        } else {
            ASSERT_TRUE(*bytes == secondText)
                << "after kill " << kill << " the file has " << bytes->size() << " bytes";
            ++wholeSecond;
        }
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
    EXPECT_EQ(wholeFirst + wholeSecond, kKills);
    // Both editions were met, so the kills did land after finished saves too.
    EXPECT_GT(wholeFirst, 0);
    EXPECT_GT(wholeSecond, 0);
    std::printf("%d kills: %d times the first edition, %d times the second, %d leftover files "
                "cleared\n",
                kKills, wholeFirst, wholeSecond, debris);
}

}  // namespace
}  // namespace quorvex::store
#endif
