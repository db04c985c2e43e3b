#include "browse/games_list.h"

#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::browse {

GamesList FilterGames(const store::GameDatabase& games,
                      const std::vector<store::FilterDefinition>& filters, std::string_view flags,
                      FilterMode mode, std::string_view substring, store::Progress& progress) {
    const std::vector<Condition> active = ActiveConditions(filters, flags);
    const std::string needle = store::ToLowerAscii(store::TrimmedBlanks(substring));
    GamesList list;
    progress.Open(store::kProgressTitle, false);
    progress.SetText("Filtering...");
    progress.SetRange(0, games.count() / 6);
    progress.SetStep(1);
    // The substring test is a "Contains" on the description.
    const Condition substringTest("B$Contains(" + needle + ")");
    for (int i = 0; i < games.count(); ++i) {
        const store::GameRecord& game = games[i];
        bool in = needle.empty() || substringTest.Matches(game.description);
        if (in && !active.empty()) {
            in = MatchActiveFilters(game.line, active, mode);
        }
        if (in) {
            list.rows.push_back(i);
            if (!list.anyRomLinked && !store::RecordValueView(game.line, "C").empty()) {
                list.anyRomLinked = true;
            }
        }
        if (i % 6 == 0) {
            progress.Step();
            progress.Pump();
        }
    }
    progress.Close();
    return list;
}

GamesList FamilyOf(const store::GameDatabase& games, std::string_view description) {
    GamesList family;
    const auto current = store::FindGameByDescription(games, description);
    if (!current) {
        return family;
    }
    int root = *current;
    const std::string parent = games.Field(*current, 'F');
    if (!parent.empty()) {
        std::optional<int> original;
        for (int i = 0; i < games.count() && !original; ++i) {
            if (store::EqualsNoCase(games.Field(i, 'A'), parent)) {
                original = i;
            }
        }
        if (!original) {
            family.rows.push_back(*current);
            return family;
        }
        root = *original;
    }
    const std::string rootName = games.Field(root, 'A');
    family.rows.push_back(root);
    for (int i = 0; i < games.count(); ++i) {
        if (i != root && !rootName.empty() && store::EqualsNoCase(games.Field(i, 'F'), rootName)) {
            family.rows.push_back(i);
        }
    }
    return family;
}

bool IsPlayable(std::string_view gameLine,
                const std::unordered_set<std::string>& gamesWithoutRoms) {
    if (!store::RecordValueView(gameLine, "C").empty()) {
        return true;
    }
    return !gamesWithoutRoms.empty() &&
           gamesWithoutRoms.count(
               store::ToLowerAscii(store::TrimmedBlanks(store::RecordValueView(gameLine, "A")))) != 0;
}

bool AnyPlayable(const store::GameDatabase& games, const GamesList& list,
                 const std::unordered_set<std::string>& gamesWithoutRoms) {
    if (list.anyRomLinked) {
        return true;
    }
    if (gamesWithoutRoms.empty()) {
        return false;
    }
    for (int row : list.rows) {
        const std::string name = store::ToLowerAscii(store::TrimmedBlanks(games.Field(row, 'A')));
        if (gamesWithoutRoms.count(name) != 0) {
            return true;
        }
    }
    return false;
}

std::optional<int> PickRandomPlayable(const store::GameDatabase& games, const GamesList& list,
                                      std::mt19937& random,
                                      const std::unordered_set<std::string>& gamesWithoutRoms) {
    std::vector<int> playable;
    for (int row : list.rows) {
        if (IsPlayable(games[row].line, gamesWithoutRoms)) {
            playable.push_back(row);
        }
    }
    if (playable.empty()) {
        return std::nullopt;
    }
    std::uniform_int_distribution<std::size_t> pick(0, playable.size() - 1);
    return playable[pick(random)];
}

std::string NormalisedFilterFlags(std::string flags, std::size_t count) {
    flags.resize(count, ' ');
    return flags;
}

int CountActiveFilters(std::string_view flags, std::size_t count) {
    int active = 0;
    for (std::size_t i = 0; i < count && i < flags.size(); ++i) {
        active += flags[i] == '1';
    }
    return active;
}

std::string ListedHeader(std::size_t listed) {
    return std::to_string(listed) + " are listed";
}

}  // namespace quorvex::browse
