#pragma once
// The filter condition language: a Field code letter followed by one test,
// for example "C==NULL", "S>=80", "X$Contains(capcom)" or "J<=1985".

#include <string>
#include <string_view>
#include <vector>

#include "store/definitions.h"
#include "store/game_database.h"

namespace quorvex::browse {

// A condition taken apart once, so that evaluating it over thousands of
// games does not parse it again for each one.
class Condition {
public:
    explicit Condition(std::string_view text);

    char field() const { return m_field; }
    // Does the field value satisfy the condition? Forms outside the language never fail.
    bool Matches(std::string_view value) const;

private:
    enum class Kind {
        IsEmpty,
        IsNotEmpty,
        Contains,
        NotContains,
        AlwaysTrue,
        Equals,
        Differs,
        AtLeast,
        AtMost
    };
    char m_field = '\0';
    Kind m_kind = Kind::AlwaysTrue;
    bool m_numeric = false;
    std::string m_operand;  // lower-cased and trimmed
    long long m_number = 0;
};

// True when value satisfies condition; the caller reads value from the
// game's line under the condition's first character.
bool EvaluateCondition(std::string_view condition, std::string_view value);

// Fields compared as numbers by ">=" and "<=": playing time, rating, launched, frame rate.
bool IsNumericField(char code);

// The usual leading-number reading: blanks skipped, an optional sign, digits
// up to the first non-digit; no digits give 0.
long long LeadingNumber(std::string_view text);

enum class FilterMode { And, Or };

// The conditions of the active filters: the filter at position i is active
// when character i of flags is '1'.
std::vector<Condition> ActiveConditions(const std::vector<store::FilterDefinition>& filters,
                                        std::string_view flags);

// Does the game's line pass the active conditions under And or Or? True with none.
bool MatchActiveFilters(std::string_view gameLine, const std::vector<Condition>& active,
                        FilterMode mode);

}  // namespace quorvex::browse
