#include <gtest/gtest.h>

#include <unordered_set>

#include "browse/collection_counts.h"
#include "browse/conditions.h"
#include "browse/games_list.h"
#include "browse/sortings.h"
#include "store/game_database.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::browse {
namespace {

// One game per record line, its description taken from field B.
store::GameDatabase GamesOf(const std::vector<std::string>& lines) {
    std::vector<store::GameRecord> records;
    for (const auto& line : lines) {
        records.push_back({line, "", store::GetRecordValue(line, "B")});
    }
    return store::GameDatabase(records);
}

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

TEST(Conditions, DecideOnTheFieldsValue) {
    const struct {
        const char* condition;
        const char* value;
        bool passes;
    } cases[] = {
        // Emptiness tests look at the raw value.
        {"C==NULL", "", true}, {"C==NULL", " ", false}, {"C!=NULL", "", false},
        {"C!=NULL", "pacman.zip", true},
        // Text comparisons ignore case and surrounding blanks.
        {"B==pac-man", "Pac-Man", true}, {"B==pac-man", "  Pac-Man ", true},
        {"B==pac-man", "Pac-Man Plus", false}, {"B<>pac-man", "Galaga", true},
        {"X>=m", "Midway", true}, {"X>=m", "Namco", true}, {"X>=m", "Atari", false},
        {"J<=1985", "1982", true}, {"J<=1985", "1990", false},
        // Bytes above 127 sort after ASCII letters.
        {"X>=z", "\xC9lite", true},
        // Numeric fields compare numbers; "NP" reads as 0, so every rating matches.
        {"S>=80", "80", true}, {"S>=80", "100", true}, {"S>=80", "9", false},
        {"S>=NP", "NP", true}, {"S>=NP", "5", true}, {"T<=3", "10", false},
        {"K>=59", "59.94", true},
        // A game never played has no H, which reads as 0.
        {"H<=3600", "", true},
        // Text comparison on a field that is not numeric: "9" sorts after "80".
        {"J>=80", "9", true},
        {"B$Contains(Street)", "Street Fighter II", true},
        {"B$Contains(Street)", "super street fighter", true},
        {"B$Contains(Street)", "Galaga", false}, {"B$NotContains()", "anything", false},
        {"B$NotContains(capcom)", "Namco", true}, {"B$contains(pac)", "Pac-Man", true},
        // The needle may hold parentheses and blanks; only the last parenthesis closes it.
        {"B$Contains(Pac-Man (Midway))", "Pac-Man (Midway)", true},
        // Forms outside the language never fail; an unknown two-character operator is "<=".
        {"B$Unknown(x)", "y", true}, {"B??m", "atari", true}, {"B??m", "zaxxon", false},
        {"B", "", true}, {"", "", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EvaluateCondition(c.condition, c.value), c.passes)
            << c.condition << " on \"" << c.value << '"';
    }
}

TEST(ActiveFilters, CombineUnderAndOrOr) {
    const std::vector<store::FilterDefinition> filters = {{"1", "Capcom", "X$Contains(capcom)"},
                                                          {"2", "Unused", "C==NULL"},
                                                          {"3", "Good", "S>=80"},
                                                          {"4", "Old", "J<=1985"}};
    const std::string capcomGood = "+:X:Capcom:+ +:S:90:+ +:J:1991:+";
    const std::string namcoOld = "+:X:Namco:+ +:S:50:+ +:J:1981:+";

    // A 1, a blank and a 1: filters 1 and 3 are active, 2 and 4 are not.
    const auto active = ActiveConditions(filters, "1 1");
    ASSERT_EQ(active.size(), 2u);
    EXPECT_TRUE(MatchActiveFilters(capcomGood, active, FilterMode::And));
    EXPECT_FALSE(MatchActiveFilters(namcoOld, active, FilterMode::And));
    EXPECT_FALSE(MatchActiveFilters(namcoOld, active, FilterMode::Or));
    EXPECT_TRUE(MatchActiveFilters(namcoOld, ActiveConditions(filters, "0001"), FilterMode::Or));
    EXPECT_TRUE(MatchActiveFilters(namcoOld, {}, FilterMode::And));
    EXPECT_TRUE(MatchActiveFilters(namcoOld, ActiveConditions(filters, "0000"), FilterMode::Or));
}

std::vector<std::string> Order(const store::GameDatabase& games) {
    std::vector<std::string> names;
    for (const auto& record : games.records()) {
        names.push_back(store::GetRecordValue(record.line, "A"));
    }
    return names;
}

std::vector<std::string> SortedBy(const char* condition, const std::vector<std::string>& lines) {
    store::GameDatabase games = GamesOf(lines);
    store::SilentProgress progress;
    SortGameDatabase(games, {{"1", "only", condition}}, 0, progress);
    return Order(games);
}

TEST(SortKeys, NumbersAlignRightAndDatesOrderByDay) {
    EXPECT_EQ(SortKey('T', " 10 "), std::string(18, ' ') + "10");
    EXPECT_EQ(SortKey('T', std::string(25, '9')), std::string(25, '9'));
    EXPECT_EQ(SortKey('G', "Sat  5 Dec 2026"), "202612 5");
    EXPECT_EQ(SortKey('V', "Tue 29 Feb 2000"), "20000229");
    EXPECT_EQ(SortKey('G', ""), "");
    EXPECT_EQ(SortKey('B', " Keep blanks "), " Keep blanks ");
}

TEST(SortGameDatabase, OrdersNumbersTextAndDates) {
    EXPECT_EQ(
        SortedBy("TA", {"+:A:c:+ +:T:100:+", "+:A:a:+ +:T:2:+", "+:A:x:+", "+:A:b:+ +:T:10:+"}),
        (std::vector<std::string>{"x", "a", "b", "c"}));
    EXPECT_EQ(SortedBy("S", {"+:A:hundred:+ +:S:100:+", "+:A:np:+ +:S:NP:+", "+:A:five:+ +:S:5:+"}),
              (std::vector<std::string>{"five", "np", "hundred"}));
    EXPECT_EQ(
        SortedBy("GD", {"+:A:never:+", "+:A:old:+ +:G:Mon  1 Jan 2024:+",
                        "+:A:new:+ +:G:Sat  5 Dec 2026:+", "+:A:mid:+ +:G:Fri 31 May 2024:+"}),
        (std::vector<std::string>{"new", "mid", "old", "never"}));
    // Letter case does not count; a key that is a prefix of another comes first.
    EXPECT_EQ(SortedBy("B", {"+:A:2:+ +:B:galaga:+", "+:A:1:+ +:B:Galaga 88:+",
                             "+:A:3:+ +:B:GALAXIAN:+", "+:A:0:+ +:B:Frogger:+"}),
              (std::vector<std::string>{"0", "2", "1", "3"}));
}

TEST(SortGameDatabase, DirectionAndTheDescriptionIndexFollowTheSort) {
    store::GameDatabase games = GamesOf({"+:A:b:+ +:B:Beta:+", "+:A:a:+ +:B:Alpha:+"});
    store::SilentProgress progress;
    const std::vector<store::SortingDefinition> sortings = {{"1", "Raw", "A"}, {"2", "Down", "AD"}};
    EXPECT_TRUE(SortGameDatabase(games, sortings, 0, progress));
    EXPECT_EQ(Order(games), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(store::FindGameByDescription(games, "Alpha"), 0);
    EXPECT_FALSE(SortGameDatabase(games, sortings, 1, progress));
    EXPECT_EQ(Order(games), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(store::FindGameByDescription(games, "Alpha"), 1);
    // An index outside the table changes nothing.
    SortGameDatabase(games, sortings, 7, progress);
    EXPECT_EQ(Order(games), (std::vector<std::string>{"b", "a"}));
}

TEST(CollectionCounts, CountsOriginalsAndClonesByLinkAndSetFormat) {
    const store::GameDatabase games = GamesOf({
        "+:A:pacman:+ +:B:Pac-Man:+ +:C:pacman.zip:+\xA7",
        "+:A:galaga:+ +:B:Galaga:+ +:C:galaga.zip:+\xA7",
        "+:A:dkong:+ +:B:Donkey Kong:+\xA7",
        "+:A:mspacman:+ +:F:pacman:+ +:C:pacman.zip:+ +:W:Total:+\xA7",
        "+:A:pacplus:+ +:F:pacman:+ +:C:pacman.zip:+ +:W:total:+\xA7",
        "+:A:gallag:+ +:F:galaga:+ +:C:gallag.zip:+ +:W:Partial:+\xA7",
        "+:A:galagao:+ +:F:galaga:+ +:C:galagao.zip:+\xA7",
        // A W value left behind after a link was released must not count as a set.
        "+:A:dkongjp:+ +:F:dkong:+ +:W:Partial:+\xA7",
    });
    EXPECT_EQ(
        CollectionCountsText(CountCollection(games)),
        "Games: 6/2 [ Originals: 2/1 ] [ Clones: 4/1 (1 stand alone, 1 splitted, 2 merged) ]");
    EXPECT_EQ(CountCollection(store::GameDatabase{}), CollectionCounts{});
}

}  // namespace
}  // namespace quorvex::browse
