#include "info/statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "info/duration_text.h"

namespace quorvex::info {
namespace {

using Lines = std::vector<std::string>;

store::GameRecord Game(const std::string& name, const std::string& description, int launched,
                       int seconds, const std::string& parent = "") {
    std::string line = "+:A:" + name + ":+ +:B:" + description + ":+ ";
    if (launched > 0) {
        line += "+:T:" + std::to_string(launched) + ":+ +:H:" + std::to_string(seconds) + ":+ ";
    }
    return {line + (parent.empty() ? "" : "+:F:" + parent + ":+ ") + "\xA7", "", description};
}

TEST(DurationText, WritesEveryPartThatIsNotZeroWithItsSingularForOne) {
    EXPECT_EQ(DurationText(0), "");
    EXPECT_EQ(DurationText(1), "1 second");
    EXPECT_EQ(DurationText(60), "1 minute");
    EXPECT_EQ(DurationText(3725), "1 hour, 2 minutes, 5 seconds");
    EXPECT_EQ(DurationText(86'400 + 7'200), "1 day, 2 hours");
    EXPECT_EQ(DurationText(2 * 86'400 + 61), "2 days, 1 minute, 1 second");
}

TEST(Statistics, HallOfFameShowsOnlyPlayedGamesAndSaysWhenItIsIncomplete) {
    const store::GameDatabase none({Game("a", "Alpha", 0, 0), Game("b", "Beta", 0, 0)});
    EXPECT_EQ(BoardLines(none, Board::HallOfFame, {}),
              Lines({"", "", "You haven't played any game!"}));
    EXPECT_FALSE(SummariseStatistics(none).played);
    EXPECT_EQ(SummariseStatistics(none).text,
              "You haven't played any game!\nYou haven't launched any game!");

    const Lines expected = {"   1) Beta",
                            "      Launched 3 times, played for 1 hour, 2 minutes, 5 seconds",
                            "      Ratio played/launched: 1241",
                            "",
                            "   2) Gamma",
                            "      Launched 1 time, played for 10 seconds",
                            "      Ratio played/launched: 10",
                            "",
                            "   3) Alpha",
                            "      Launched 2 times, played for 4 seconds",
                            "      Ratio played/launched: 2",
                            "",
                            "",
                            "",
                            "The Top Ten is incomplete!",
                            "You have to play 7 games to complete it!"};
    store::GameDatabase played(
        {Game("a", "Alpha", 2, 4), Game("b", "Beta", 3, 3725), Game("c", "Gamma", 1, 10)});
    const StatisticsSummary summary = SummariseStatistics(played);
    EXPECT_TRUE(summary.played);
    EXPECT_EQ(summary.text,
              "You have played mame games for 1 hour, 2 minutes, 19 seconds !\nYou have "
              "launched mame games 6 times!\nYour current ratio is 623 !\n");
    played.MutableRecords().push_back(Game("d", "Delta", 0, 0));
    EXPECT_EQ(BoardLines(played, Board::HallOfFame, {}), expected);
}

TEST(Statistics, HallOfShameListsNeverLaunchedGamesFirstAndNoMoreRowsThanItHas) {
    const store::GameDatabase games({Game("a", "Alpha", 2, 400), Game("b", "Beta", 0, 0),
                                     Game("c", "Gamma", 1, 10), Game("d", "Delta", 0, 0)});
    EXPECT_EQ(
        BoardLines(games, Board::HallOfShame, {}),
        Lines({"   1) Beta", "      Never played at all!", "", "   2) Delta",
               "      Never played at all!", "", "   3) Gamma",
               "      Launched 1 time, played for 10 seconds", "      Ratio played/launched: 10",
               "", "   4) Alpha", "      Launched 2 times, played for 6 minutes, 40 seconds",
               "      Ratio played/launched: 200", ""}));
}

TEST(Statistics, TopTenStopsAtTenWhileTheGlobalHallShowsEveryGameByTimeOrRatio) {
    std::vector<store::GameRecord> records;
    for (int index = 0; index < 12; ++index) {
        records.push_back(
            Game("g" + std::to_string(index), "Game " + std::to_string(index), 1, 100 + index));
    }
    const store::GameDatabase games(records);
    const Lines fame = BoardLines(games, Board::HallOfFame, {});
    ASSERT_EQ(fame.size(), 40u);
    EXPECT_EQ(fame[0], "   1) Game 11");
    EXPECT_EQ(fame[36], "  10) Game 2");
    const Lines global = BoardLines(games, Board::GlobalHall, {});
    ASSERT_EQ(global.size(), 48u);
    EXPECT_EQ(global[44], "  12) Game 0");

    // The ratio ranks by time per launch.
    const store::GameDatabase two({Game("long", "Long", 9, 900), Game("short", "Short", 2, 600)});
    const Lines ranked = BoardLines(two, Board::GlobalHall, {.packClones = false, .ratio = true});
    EXPECT_EQ(ranked[0], "   1) Short");
    EXPECT_EQ(ranked[4], "   2) Long");
    EXPECT_EQ(BoardLines(two, Board::GlobalHall, {})[0], "   1) Long");
}

TEST(Statistics, PackedFamilyIsOneRowUnderTheParentsDescription) {
    const store::GameDatabase games({
        Game("clone1", "Clone One", 1, 100, "parent"),
        Game("parent", "The Parent", 2, 200),
        Game("orphan", "Orphan Clone", 1, 50, "missing"),
        Game("clone2", "Clone Two", 1, 300, "PARENT"),
    });
    EXPECT_EQ(
        BoardLines(games, Board::GlobalHall, {.packClones = true, .ratio = false}),
        Lines({"   1) The Parent with 3 clones ", "      Launched 4 times, played for 10 minutes",
               "      Ratio played/launched: 150", "", "   2) Orphan Clone",
               "      Launched 1 time, played for 50 seconds", "      Ratio played/launched: 50",
               ""}));
    // Packing does not change the summary, which counts every game.
    EXPECT_EQ(SummariseStatistics(games).text,
              "You have played mame games for 10 minutes, 50 seconds !\nYou have launched mame "
              "games 5 times!\nYour current ratio is 130 !\n");
}

}  // namespace
}  // namespace quorvex::info
