#include <gtest/gtest.h>

#include "browse/conditions.h"

namespace quorvex::browse {
namespace {

TEST(Conditions, EmptinessTestsLookAtTheRawValue) {
    EXPECT_TRUE(EvaluateCondition("C==NULL", ""));
    EXPECT_FALSE(EvaluateCondition("C==NULL", " "));
    EXPECT_FALSE(EvaluateCondition("C!=NULL", ""));
    EXPECT_TRUE(EvaluateCondition("C!=NULL", "pacman.zip"));
}

TEST(Conditions, TextComparisonsIgnoreCaseAndSurroundingBlanks) {
    EXPECT_TRUE(EvaluateCondition("B==pac-man", "Pac-Man"));
    EXPECT_TRUE(EvaluateCondition("B==pac-man", "  Pac-Man "));
    EXPECT_FALSE(EvaluateCondition("B==pac-man", "Pac-Man Plus"));
    EXPECT_TRUE(EvaluateCondition("B<>pac-man", "Galaga"));
    EXPECT_TRUE(EvaluateCondition("X>=m", "Midway"));
    EXPECT_TRUE(EvaluateCondition("X>=m", "Namco"));
    EXPECT_FALSE(EvaluateCondition("X>=m", "Atari"));
    EXPECT_TRUE(EvaluateCondition("J<=1985", "1982"));
    EXPECT_FALSE(EvaluateCondition("J<=1985", "1990"));
    // Bytes above 127 sort after ASCII letters.
    EXPECT_TRUE(EvaluateCondition("X>=z", "\xC9lite"));
}

TEST(Conditions, NumericFieldsCompareNumbers) {
    EXPECT_TRUE(EvaluateCondition("S>=80", "80"));
    EXPECT_TRUE(EvaluateCondition("S>=80", "100"));
    EXPECT_FALSE(EvaluateCondition("S>=80", "9"));
    // "NP" reads as 0, so every rating matches.
    EXPECT_TRUE(EvaluateCondition("S>=NP", "NP"));
    EXPECT_TRUE(EvaluateCondition("S>=NP", "5"));
    // A game never played has no H, which reads as 0.
    EXPECT_TRUE(EvaluateCondition("H<=3600", ""));
    EXPECT_FALSE(EvaluateCondition("T<=3", "10"));
    EXPECT_TRUE(EvaluateCondition("K>=59", "59.94"));
    // Text comparison on a field that is not numeric: "9" sorts after "80".
    EXPECT_TRUE(EvaluateCondition("J>=80", "9"));
}

TEST(Conditions, ContainsForms) {
    EXPECT_TRUE(EvaluateCondition("B$Contains(Street)", "Street Fighter II"));
    EXPECT_TRUE(EvaluateCondition("B$Contains(Street)", "super street fighter"));
    EXPECT_FALSE(EvaluateCondition("B$Contains(Street)", "Galaga"));
    EXPECT_FALSE(EvaluateCondition("B$NotContains()", "anything"));
    EXPECT_TRUE(EvaluateCondition("B$NotContains(capcom)", "Namco"));
    // The needle may hold parentheses and blanks; only the last parenthesis closes it.
    EXPECT_TRUE(EvaluateCondition("B$Contains(Pac-Man (Midway))", "Pac-Man (Midway)"));
    EXPECT_TRUE(EvaluateCondition("B$contains(pac)", "Pac-Man"));
}

TEST(Conditions, FormsOutsideTheLanguageNeverFail) {
    EXPECT_TRUE(EvaluateCondition("B$Unknown(x)", "y"));
    // An unknown two-character operator is "<=".
    EXPECT_TRUE(EvaluateCondition("B??m", "atari"));
    EXPECT_FALSE(EvaluateCondition("B??m", "zaxxon"));
    EXPECT_TRUE(EvaluateCondition("B", ""));
    EXPECT_TRUE(EvaluateCondition("", ""));
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

}  // namespace
}  // namespace quorvex::browse
