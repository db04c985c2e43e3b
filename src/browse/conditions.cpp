#include "browse/conditions.h"

#include <algorithm>

#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::browse {

namespace {

std::string Normalised(std::string_view text) {
    return store::ToLowerAscii(store::TrimmedBlanks(text));
}

char Folded(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view TrimmedView(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::string_view();
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Byte order of the lower-cased text against an already lower-cased one.
int CompareFolded(std::string_view text, std::string_view lowered) {
    const std::size_t n = std::min(text.size(), lowered.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto a = static_cast<unsigned char>(Folded(text[i]));
        const auto b = static_cast<unsigned char>(lowered[i]);
        if (a != b) {
            return a < b ? -1 : 1;
        }
    }
    return text.size() == lowered.size() ? 0 : (text.size() < lowered.size() ? -1 : 1);
}

bool ContainsFolded(std::string_view text, std::string_view lowered) {
    if (lowered.empty()) {
        return true;
    }
    for (std::size_t i = 0; i + lowered.size() <= text.size(); ++i) {
        if (Folded(text[i]) == lowered[0] &&
            CompareFolded(text.substr(i, lowered.size()), lowered) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsNumericField(char code) {
    return code == 'H' || code == 'S' || code == 'T' || code == 'K';
}

long long LeadingNumber(std::string_view text) {
    return store::ParseLeadingNumber(text);
}

Condition::Condition(std::string_view text) {
    if (text.empty()) {
        // Compares the empty value with the empty text: an empty field passes.
        m_kind = Kind::AtMost;
        return;
    }
    m_field = text[0];
    const std::string_view rest = text.substr(1);
    if (rest == "==NULL") {
        m_kind = Kind::IsEmpty;
        return;
    }
    if (rest == "!=NULL") {
        m_kind = Kind::IsNotEmpty;
        return;
    }
    if (!rest.empty() && rest[0] == '$') {
        const std::size_t paren = rest.find('(');
        const std::string_view word = rest.substr(0, paren);
        std::string_view needle;
        if (paren != std::string_view::npos) {
            needle = rest.substr(paren + 1);
            if (!needle.empty()) {
                needle.remove_suffix(1);
            }
        }
        const std::string op = Normalised(word);
        m_operand = Normalised(needle);
        m_kind = op == "$contains"      ? Kind::Contains
                 : op == "$notcontains" ? Kind::NotContains
                                        : Kind::AlwaysTrue;
        return;
    }
    const std::string_view op = rest.substr(0, 2);
    m_operand = Normalised(rest.size() > 2 ? rest.substr(2) : std::string_view());
    if (op == "==") {
        m_kind = Kind::Equals;
    } else if (op == "<>") {
        m_kind = Kind::Differs;
    } else {
        m_kind = op == ">=" ? Kind::AtLeast : Kind::AtMost;
        m_numeric = IsNumericField(m_field);
        m_number = LeadingNumber(m_operand);
    }
}

bool Condition::Matches(std::string_view value) const {
    switch (m_kind) {
        case Kind::IsEmpty:
            return value.empty();
        case Kind::IsNotEmpty:
            return !value.empty();
        case Kind::AlwaysTrue:
            return true;
        default:
            break;
    }
    const std::string_view trimmed = TrimmedView(value);
    switch (m_kind) {
        case Kind::Contains:
            return ContainsFolded(trimmed, m_operand);
        case Kind::NotContains:
            return !ContainsFolded(trimmed, m_operand);
        case Kind::Equals:
            return CompareFolded(trimmed, m_operand) == 0;
        case Kind::Differs:
            return CompareFolded(trimmed, m_operand) != 0;
        case Kind::AtLeast:
            return m_numeric ? LeadingNumber(trimmed) >= m_number
                             : CompareFolded(trimmed, m_operand) >= 0;
        case Kind::AtMost:
            return m_numeric ? LeadingNumber(trimmed) <= m_number
                             : CompareFolded(trimmed, m_operand) <= 0;
        default:
            return true;
    }
}

bool EvaluateCondition(std::string_view condition, std::string_view value) {
    return Condition(condition).Matches(value);
}

std::vector<Condition> ActiveConditions(const std::vector<store::FilterDefinition>& filters,
                                        std::string_view flags) {
    std::vector<Condition> active;
    for (std::size_t i = 0; i < filters.size() && i < flags.size(); ++i) {
        if (flags[i] == '1') {
            active.emplace_back(filters[i].condition);
        }
    }
    return active;
}

bool MatchActiveFilters(std::string_view gameLine, const std::vector<Condition>& active,
                        FilterMode mode) {
    bool result = true;
    for (const Condition& condition : active) {
        const char key = condition.field();
        result = condition.Matches(store::RecordValueView(gameLine, std::string_view(&key, 1)));
        if (mode == FilterMode::And && !result) {
            return false;
        }
        if (mode == FilterMode::Or && result) {
            return true;
        }
    }
    return result;
}

}  // namespace quorvex::browse
