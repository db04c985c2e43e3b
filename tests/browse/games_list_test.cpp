#include <gtest/gtest.h>

#include <unordered_set>

#include "browse_test_support.h"

#include "browse/games_list.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::browse {
namespace {

using testing::GamesOf;

std::vector<std::string> Descriptions(const store::GameDatabase& games, const GamesList& list) {
    std::vector<std::string> texts;
    for (int row : list.rows) {
        texts.push_back(games[row].description);
    }
    return texts;
}

const store::GameDatabase kGames = GamesOf({
    "+:A:sf2:+ +:B:Street Fighter II:+ +:C:sf2.zip:+ +:X:Capcom:+",
    "+:A:sf2ce:+ +:B:Street Fighter II' Champion Edition:+ +:F:sf2:+ +:X:Capcom:+",
    "+:A:ssf2:+ +:B:Super Street Fighter II:+ +:X:Capcom:+",
    "+:A:pacman:+ +:B:Pac-Man:+ +:X:Namco:+",
    "+:A:sf2j:+ +:B:Street Fighter II (Japan):+ +:F:SF2:+ +:C:sf2j.zip:+",
    "+:A:orphan:+ +:B:Orphan Clone:+ +:F:gone:+",
});

const std::vector<store::FilterDefinition> kFilters = {{"1", "Capcom", "X$Contains(capcom)"},
                                                       {"2", "With roms", "C!=NULL"}};

TEST(FilterGames, SubstringAndFiltersDecideTheRows) {
    store::SilentProgress progress;
    auto list = FilterGames(kGames, kFilters, "", FilterMode::And, "  street ", progress);
    EXPECT_EQ(list.rows, (std::vector<int>{0, 1, 2, 4}));
    EXPECT_TRUE(list.anyRomLinked);

    list = FilterGames(kGames, kFilters, "11", FilterMode::And, "", progress);
    EXPECT_EQ(list.rows, (std::vector<int>{0}));
    list = FilterGames(kGames, kFilters, "11", FilterMode::Or, "street", progress);
    EXPECT_EQ(list.rows, (std::vector<int>{0, 1, 2, 4}));

    list = FilterGames(kGames, kFilters, "1 ", FilterMode::And, "pac", progress);
    EXPECT_TRUE(list.rows.empty());
    EXPECT_FALSE(list.anyRomLinked);
    EXPECT_EQ(ListedHeader(list.rows.size()), "0 are listed");
}

TEST(Family, ShowsTheOriginalFirstThenItsClones) {
    EXPECT_EQ(Descriptions(kGames, FamilyOf(kGames, "Street Fighter II' Champion Edition")),
              (std::vector<std::string>{"Street Fighter II", "Street Fighter II' Champion Edition",
                                        "Street Fighter II (Japan)"}));
    EXPECT_EQ(FamilyOf(kGames, "Street Fighter II").rows, (std::vector<int>{0, 1, 4}));
    EXPECT_EQ(FamilyOf(kGames, "Pac-Man").rows, (std::vector<int>{3}));
    // A clone whose original is missing stands alone; an unknown game has no family.
    EXPECT_EQ(FamilyOf(kGames, "Orphan Clone").rows, (std::vector<int>{5}));
    EXPECT_TRUE(FamilyOf(kGames, "Nothing").rows.empty());

    // Large families are shown whole.
    std::vector<std::string> lines = {"+:A:big:+ +:B:Big:+"};
    for (int i = 0; i < 150; ++i) {
        lines.push_back("+:A:c" + std::to_string(i) + ":+ +:B:Clone " + std::to_string(i) +
                        ":+ +:F:big:+");
    }
    EXPECT_EQ(FamilyOf(GamesOf(lines), "Clone 7").rows.size(), 151u);
}

TEST(RandomPlay, PicksOnlyGamesWithRomsAndGivesUpWhenNoneHas) {
    std::mt19937 random(42);
    GamesList list{{0, 2, 3, 4}, true};
    for (int draw = 0; draw < 50; ++draw) {
        const auto pick = PickRandomPlayable(kGames, list, random);
        ASSERT_TRUE(pick);
        EXPECT_TRUE(*pick == 0 || *pick == 4);
    }
    EXPECT_EQ(PickRandomPlayable(kGames, GamesList{{2, 3}, false}, random), std::nullopt);

    // Today's emulator plays a game that needs no ROM file without a zip.
    const std::unordered_set<std::string> withoutRoms{
        store::ToLowerAscii(store::GetRecordValue(kGames[3].line, "A"))};
    EXPECT_TRUE(IsPlayable(kGames[3].line, withoutRoms));
    EXPECT_FALSE(IsPlayable(kGames[2].line, withoutRoms));
    EXPECT_TRUE(AnyPlayable(kGames, GamesList{{2, 3}, false}, withoutRoms));
    EXPECT_EQ(PickRandomPlayable(kGames, GamesList{{2, 3}, false}, random, withoutRoms), 3);
}

TEST(FilterFlags, ArePaddedForNewFiltersAndCounted) {
    EXPECT_EQ(NormalisedFilterFlags("1 1", 4), "1 1 ");
    EXPECT_EQ(NormalisedFilterFlags("10101", 2), "10");
    EXPECT_EQ(CountActiveFilters("1 10", 4), 2);
    EXPECT_EQ(CountActiveFilters("1111", 2), 2);
}

}  // namespace
}  // namespace quorvex::browse
