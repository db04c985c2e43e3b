#include "browse/sortings.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>

#include "browse/conditions.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::browse {

namespace {

unsigned char Folded(char c) {
    return static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
}

std::string DateKey(std::string_view value) {
    if (value.empty()) {
        return std::string();
    }
    static constexpr std::array<const char*, 12> months = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string key(value.size() >= 4 ? value.substr(value.size() - 4) : value);
    if (value.size() >= 10) {
        const std::string_view month = value.substr(7, 3);
        for (std::size_t m = 0; m < months.size(); ++m) {
            if (store::EqualsNoCase(month, months[m])) {
                char number[3];
                std::snprintf(number, sizeof number, "%02d", static_cast<int>(m + 1));
                key += number;
                break;
            }
        }
    }
    if (value.size() > 4) {
        key += value.substr(4);
    }
    if (key.size() > 8) {
        key.resize(8);
    }
    return key;
}

}  // namespace

int CompareKeysNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = Folded(a[i]);
        const unsigned char cb = Folded(b[i]);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string SortKey(char field, std::string_view value) {
    if (IsNumericField(field)) {
        const std::string trimmed = store::TrimmedBlanks(value);
        if (trimmed.size() >= 20) {
            return trimmed;
        }
        return std::string(20 - trimmed.size(), ' ') + trimmed;
    }
    if (field == 'G' || field == 'V') {
        return DateKey(value);
    }
    return std::string(value);
}

bool IsAscending(std::string_view condition) {
    return condition.size() < 2 || condition[1] != 'D';
}

bool SortGameDatabase(store::GameDatabase& games,
                      const std::vector<store::SortingDefinition>& sortings, int index,
                      store::Progress& progress) {
    if (index < 0 || static_cast<std::size_t>(index) >= sortings.size()) {
        return true;
    }
    const std::string& condition = sortings[static_cast<std::size_t>(index)].condition;
    const bool ascending = IsAscending(condition);
    const char field = condition.empty() ? '\0' : condition[0];

    progress.Open(store::kProgressTitle, false);
    progress.SetText("Sorting...");
    progress.SetRange(0, games.count() / 6);
    progress.SetStep(1);
    std::vector<store::GameRecord>& records = games.MutableRecords();
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].sortKey =
            field == '\0' ? std::string()
                          : SortKey(field, store::RecordValueView(records[i].line,
                                                                  std::string_view(&field, 1)));
        if (i % 6 == 0) {
            progress.Step();
            progress.Pump();
        }
    }
    progress.Close();

    // Folding the keys once makes every comparison a plain byte comparison;
    // sorting positions and moving each record once keeps the long lines where they are.
    std::vector<std::string> folded(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        folded[i] = store::ToLowerAscii(records[i].sortKey);
    }
    std::vector<std::size_t> order(records.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return ascending ? folded[a] < folded[b] : folded[b] < folded[a];
    });
    std::vector<store::GameRecord> sorted;
    sorted.reserve(records.size());
    for (std::size_t i : order) {
        sorted.push_back(std::move(records[i]));
    }
    records = std::move(sorted);
    return ascending;
}

}  // namespace quorvex::browse
