#include <gtest/gtest.h>

#include "browse_test_support.h"

#include "browse/sortings.h"
#include "store/record_line.h"

namespace quorvex::browse {
namespace {

using testing::GamesOf;

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

}  // namespace
}  // namespace quorvex::browse
