#include <gtest/gtest.h>

#include "browse/conditions.h"

namespace quorvex::browse {
namespace {

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

}  // namespace
}  // namespace quorvex::browse
