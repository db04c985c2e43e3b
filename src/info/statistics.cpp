#include "info/statistics.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

#include "info/duration_text.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::info {

namespace {

constexpr int kTopTen = 10;

long long NumberField(const store::GameRecord& game, char code) {
    return store::ParseLeadingNumber(store::RecordValueView(game.line, std::string_view(&code, 1)));
}

std::string Format(const char* format, long long value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The description each game is ranked under when packing: its parent's when
// the parent is in the database.
std::vector<std::string_view> PackedNames(const store::GameDatabase& games) {
    std::unordered_map<std::string, int> byRawName;
    byRawName.reserve(static_cast<std::size_t>(games.count()));
    for (int index = 0; index < games.count(); ++index) {
        byRawName.emplace(store::ToLowerAscii(store::RecordValueView(games[index].line, "A")),
                          index);
    }
    std::vector<std::string_view> names;
    names.reserve(static_cast<std::size_t>(games.count()));
    for (const store::GameRecord& game : games.records()) {
        const std::string_view parent = store::RecordValueView(game.line, "F");
        const auto found =
            parent.empty() ? byRawName.end() : byRawName.find(store::ToLowerAscii(parent));
        names.push_back(found == byRawName.end()
                            ? std::string_view(game.description)
                            : std::string_view(games[found->second].description));
    }
    return names;
}

}  // namespace

std::vector<BoardRow> BuildBoardRows(const store::GameDatabase& games, BoardOptions options) {
    std::vector<BoardRow> rows;
    rows.reserve(static_cast<std::size_t>(games.count()));
    if (options.packClones) {
        const std::vector<std::string_view> names = PackedNames(games);
        std::unordered_map<std::string, std::size_t> rowByName;
        for (int index = 0; index < games.count(); ++index) {
            const std::string_view name = names[static_cast<std::size_t>(index)];
            const auto [place, added] =
                rowByName.try_emplace(store::ToLowerAscii(name), rows.size());
            if (added) {
                rows.push_back({std::string(name), 0, 0, 0, 0});
            }
            BoardRow& row = rows[place->second];
            row.launched += NumberField(games[index], 'T');
            row.time += NumberField(games[index], 'H');
            ++row.members;
        }
    } else {
        for (const store::GameRecord& game : games.records()) {
            rows.push_back(
                {game.description, NumberField(game, 'T'), NumberField(game, 'H'), 1, 0});
        }
    }
    for (BoardRow& row : rows) {
        row.key = !options.ratio ? row.time : row.launched > 0 ? row.time / row.launched : 0;
    }
    return rows;
}

std::vector<std::string> BoardLines(const store::GameDatabase& games, Board board,
                                    BoardOptions options) {
    std::vector<BoardRow> rows = BuildBoardRows(games, options);
    if (board == Board::HallOfShame) {
        std::stable_sort(rows.begin(), rows.end(),
                         [](const BoardRow& a, const BoardRow& b) { return a.key < b.key; });
    } else {
        std::stable_sort(rows.begin(), rows.end(),
                         [](const BoardRow& a, const BoardRow& b) { return a.key > b.key; });
    }
    const std::size_t limit =
        board == Board::GlobalHall ? rows.size() : std::min<std::size_t>(kTopTen, rows.size());

    std::vector<std::string> lines;
    bool incomplete = board == Board::HallOfFame && rows.size() < kTopTen;
    int shown = 0;
    for (std::size_t position = 0; position < limit; ++position) {
        const BoardRow& row = rows[position];
        if (board == Board::HallOfFame && row.launched == 0) {
            incomplete = true;
            break;
        }
        std::string title = Format("%4lld) ", static_cast<long long>(position + 1)) + row.name;
        if (row.members > 1) {
            title += Format(" with %lld clones ", row.members);
        }
        lines.push_back(std::move(title));
        if (row.launched == 0) {
            lines.emplace_back("      Never played at all!");
        } else {
            lines.push_back((row.launched == 1
                                 ? std::string("      Launched 1 time, played for ")
                                 : Format("      Launched %lld times, played for ", row.launched)) +
                            DurationText(row.time));
            lines.push_back(Format("      Ratio played/launched: %lld", row.time / row.launched));
        }
        lines.emplace_back();
        ++shown;
    }
    if (incomplete) {
        lines.emplace_back();
        lines.emplace_back();
        if (shown > 0) {
            lines.emplace_back("The Top Ten is incomplete!");
            lines.push_back(Format("You have to play %lld games to complete it!", kTopTen - shown));
        } else {
            lines.emplace_back("You haven't played any game!");
        }
    }
    return lines;
}

StatisticsSummary SummariseStatistics(const store::GameDatabase& games) {
    long long time = 0;
    long long launched = 0;
    for (const store::GameRecord& game : games.records()) {
        time += NumberField(game, 'H');
        launched += NumberField(game, 'T');
    }
    StatisticsSummary summary;
    summary.played = time > 0;
    summary.text = summary.played ? "You have played mame games for " + DurationText(time) + " !\n"
                                  : std::string("You haven't played any game!\n");
    if (launched > 0) {
        summary.text += "You have launched mame games " + std::to_string(launched) + " times!\n";
        summary.text += Format("Your current ratio is %lld !\n", time / launched);
    } else {
        summary.text += "You haven't launched any game!";
    }
    return summary;
}

}  // namespace quorvex::info
