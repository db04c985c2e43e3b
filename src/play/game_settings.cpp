#include "play/game_settings.h"

#include <algorithm>

#include "play/setting_definitions.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::play {

namespace {

std::string_view BeforeMarker(std::string_view line) {
    const std::size_t marker = store::FindSettingsMarker(line);
    return marker == std::string_view::npos ? line : line.substr(0, marker);
}

// The settings part with its marker: a line without the marker differs from
// one with the marker and no values.
std::string TrimmedSettingsPart(std::string_view line) {
    return store::TrimmedBlanks(SettingsPart(line));
}

}  // namespace

SettingMarks ReadSettingMarks(std::string_view gameLine,
                              const std::vector<store::SettingDefinition>& definitions) {
    SettingMarks marks;
    marks.checked.reserve(definitions.size());
    for (const store::SettingDefinition& definition : definitions) {
        const bool checked =
            !store::RecordValueView(gameLine, definition.code).empty() && !definition.code.empty();
        marks.checked.push_back(checked);
        marks.count += checked ? 1 : 0;
    }
    return marks;
}

std::string CheckedCountText(int count) {
    return "Checked: " + std::to_string(count);
}

ProposedValue ProposeSettingValue(std::string_view gameLine,
                                  const store::SettingDefinition& definition, int position) {
    ProposedValue proposed;
    const std::string value = store::GetRecordValue(gameLine, std::to_string(position + 1));
    switch (KindOfType(definition.type)) {
        case SettingKind::VariableValue:
            proposed.text = !value.empty()               ? value
                            : definition.type.size() > 1 ? definition.type.substr(1)
                                                         : std::string("1");
            break;
        case SettingKind::FixedSelection:
            proposed.pickIndex = std::max(FixedItemPosition(definition.type, value), 0);
            break;
        default:
            break;
    }
    return proposed;
}

std::string ShownSettingValue(const store::SettingDefinition& definition,
                              const ShownSetting& shown) {
    switch (KindOfType(definition.type)) {
        case SettingKind::OnOff:
            return shown.checked ? kOnValue : "";
        case SettingKind::VariableValue:
            return shown.valueBox;
        case SettingKind::FixedSelection:
            return shown.checked ? FixedItemValue(definition.type, shown.pickDescription) : "";
        case SettingKind::Unknown:
            break;
    }
    return std::string();
}

bool StoreSettingValue(std::string& gameLine, const store::SettingDefinition& definition,
                       int position, const ShownSetting& shown) {
    const std::string value = ShownSettingValue(definition, shown);
    std::string line = gameLine;
    // A value appended to a line without a marker would stand among the
    // fields, and the next field written would put the marker behind it.
    if (!value.empty() && store::FindSettingsMarker(line) == std::string::npos) {
        line += store::kSettingsMarker;
    }
    if (!store::SetRecordValue(line, std::to_string(position + 1), value, true)) {
        return false;
    }
    gameLine = std::move(line);
    return true;
}

namespace {

// Changes the line of every selected game that still exists and closes the
// progress window; the result counts the lines changed.
template <typename Change>
int ForEachSelectedGame(store::GameDatabase& games, const std::vector<GamesListRow>& selected,
                        store::Progress& progress, catalogue::MessagePump* pump, Change change) {
    int changed = 0;
    for (const GamesListRow& row : selected) {
        if (const std::optional<int> index = store::FindGameByDescription(games, row.description)) {
            changed += change(games.Line(*index)) ? 1 : 0;
        }
        // One pass over pending events now and then keeps the windows alive
        // without waiting milliseconds for every game.
        if (row.row % 50 == 0) {
            catalogue::PumpMessages(pump, 0);
        }
        if (row.row % 6 == 0) {
            progress.Step();
            progress.Pump();
        }
    }
    progress.Close();
    return changed;
}

}  // namespace

int ApplySingleSetting(store::GameDatabase& games, const std::vector<GamesListRow>& selected,
                       int rowCount, const store::SettingDefinition& definition, int position,
                       const ShownSetting& shown, store::Progress& progress,
                       catalogue::MessagePump* pump) {
    progress.Open(store::kProgressTitle, false);
    progress.SetText("Applying a single setting to all selected games...");
    progress.SetRange(0, rowCount / 6);
    progress.SetStep(1);
    return ForEachSelectedGame(games, selected, progress, pump, [&](std::string& line) {
        return StoreSettingValue(line, definition, position, shown);
    });
}

int ApplyAllSettings(store::GameDatabase& games, std::string_view currentDescription,
                     const std::vector<GamesListRow>& selected, store::Progress& progress,
                     catalogue::MessagePump* pump) {
    const std::optional<int> current = store::FindGameByDescription(games, currentDescription);
    if (!current) {
        return 0;
    }
    // A copy: the current game may be one of the selected ones.
    std::string settings(SettingsPart(games[*current].line));
    if (settings.empty()) {
        settings = store::kSettingsMarker;
    }
    progress.Open(store::kProgressTitle, false);
    progress.SetText("Applying all settings to all selected games...");
    progress.SetRange(0, static_cast<int>(selected.size()) / 6);
    progress.SetStep(1);
    return ForEachSelectedGame(games, selected, progress, pump, [&](std::string& line) {
        line = std::string(BeforeMarker(line)) + settings;
        return true;
    });
}

std::string_view SettingsPart(std::string_view gameLine) {
    const std::size_t marker = store::FindSettingsMarker(gameLine);
    return marker == std::string_view::npos ? std::string_view() : gameLine.substr(marker);
}

std::vector<int> RowsWithEqualSettings(const store::GameDatabase& games,
                                       std::string_view currentDescription,
                                       const std::vector<GamesListRow>& rows) {
    std::vector<int> equal;
    const std::optional<int> current = store::FindGameByDescription(games, currentDescription);
    if (!current) {
        return equal;
    }
    const std::string wanted = TrimmedSettingsPart(games[*current].line);
    for (const GamesListRow& row : rows) {
        const std::optional<int> index = store::FindGameByDescription(games, row.description);
        if (index && TrimmedSettingsPart(games[*index].line) == wanted) {
            equal.push_back(row.row);
        }
    }
    return equal;
}

}  // namespace quorvex::play
