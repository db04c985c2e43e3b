#include "play/setting_definitions.h"

#include "browse/definition_editing.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::play {

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string TrimmedWhiteSpace(std::string_view text) {
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && IsWhiteSpace(text[start])) {
        ++start;
    }
    while (end > start && IsWhiteSpace(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(start, end - start));
}

// The fixed values box taken apart into "value;description" items, or the
// first failure met.
ComposeFailure ComposeFixedItems(std::string_view box, std::string& type) {
    std::string text = store::TrimmedBlanks(box);
    if (text.empty()) {
        return ComposeFailure::MissingFixedValues;
    }
    if (text.back() != '\n') {
        text += "\r\n";
    }
    std::string items;
    int count = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::string_view line(text.data() + start, end - start);
        // Lines typed on a system that ends them with LF alone have no CR to drop.
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::size_t separator = line.find(';');
        if (separator == std::string_view::npos) {
            return ComposeFailure::MissingSeparator;
        }
        const std::string value = store::TrimmedBlanks(line.substr(0, separator));
        if (value.empty()) {
            return ComposeFailure::EmptyValuePart;
        }
        if (value.find(' ') != std::string::npos) {
            return ComposeFailure::BlankInValuePart;
        }
        const std::string description = store::TrimmedBlanks(line.substr(separator + 1));
        if (description.empty()) {
            return ComposeFailure::EmptyDescriptionPart;
        }
        // "=" joins the items and the pick list finds item k by counting ";",
        // so either inside a part would show other items than were typed.
        if (value.find('=') != std::string::npos ||
            description.find_first_of("=;") != std::string::npos) {
            return ComposeFailure::ItemSeparatorInside;
        }
        items += "=" + value + ";" + description;
        ++count;
        start = end + 1;
    }
    type = "f" + std::to_string(count) + items;
    return ComposeFailure::None;
}

}  // namespace

SettingKind KindOfType(std::string_view type) {
    if (type.empty()) {
        return SettingKind::Unknown;
    }
    switch (type.front()) {
        case 'n':
            return SettingKind::OnOff;
        case 'v':
            return SettingKind::VariableValue;
        case 'f':
            return SettingKind::FixedSelection;
        default:
            return SettingKind::Unknown;
    }
}

int TypeListIndex(SettingKind kind) {
    switch (kind) {
        case SettingKind::OnOff:
            return 0;
        case SettingKind::VariableValue:
            return 1;
        case SettingKind::FixedSelection:
            return 2;
        default:
            return -1;
    }
}

std::string OptionsText(std::string_view gameLine,
                        const std::vector<store::SettingDefinition>& definitions) {
    std::string options;
    const std::size_t marker = store::FindSettingsMarker(gameLine);
    // Setting values live behind the marker; a field token never holds one.
    const std::string_view settings =
        marker == std::string_view::npos ? gameLine : gameLine.substr(marker);
    for (std::size_t i = 1; i <= definitions.size(); ++i) {
        const std::string code = std::to_string(i);
        const std::string value = store::TrimmedBlanks(store::RecordValueView(settings, code));
        if (value.empty()) {
            continue;
        }
        const std::optional<std::string> name = DefinitionNameByCode(definitions, code);
        if (!name) {
            continue;
        }
        options += store::TrimmedBlanks(*name) + " ";
        if (value != kOnValue) {
            options += value + " ";
        }
    }
    return options;
}

std::optional<std::string> DefinitionNameByCode(
    const std::vector<store::SettingDefinition>& definitions, std::string_view code) {
    for (const store::SettingDefinition& definition : definitions) {
        if (definition.code == code) {
            return definition.name;
        }
    }
    return std::nullopt;
}

int FixedItemCount(std::string_view type) {
    if (type.empty()) {
        return 0;
    }
    const long count = store::ParseLeadingNumber(type.substr(1));
    return count > 0 ? static_cast<int>(count) : 0;
}

std::string FixedItemDescription(std::string_view type, int k) {
    if (k < 1) {
        return std::string();
    }
    std::size_t at = std::string_view::npos;
    for (int seen = 0; seen < k; ++seen) {
        at = type.find(';', at == std::string_view::npos ? 0 : at + 1);
        if (at == std::string_view::npos) {
            return std::string();
        }
    }
    const std::size_t start = at + 1;
    const std::size_t end = type.find('=', start);
    return std::string(type.substr(start, end == std::string_view::npos ? end : end - start));
}

int FixedItemPosition(std::string_view type, std::string_view value) {
    const std::string wanted = "=" + std::string(value) + ";";
    int equalsSeen = 0;
    for (std::size_t at = type.find('='); at != std::string_view::npos;
         at = type.find('=', at + 1)) {
        ++equalsSeen;
        const std::size_t semicolon = type.find(';', at);
        if (semicolon == std::string_view::npos) {
            continue;
        }
        if (type.substr(at, semicolon - at + 1) == wanted) {
            return equalsSeen - 1;
        }
    }
    return -1;
}

std::string FixedItemValue(std::string_view type, std::string_view description) {
    const std::string wanted = ";" + std::string(description) + "=";
    for (std::size_t at = type.find(';'); at != std::string_view::npos;
         at = type.find(';', at + 1)) {
        const std::size_t equals = type.find('=', at);
        std::string piece(
            type.substr(at, equals == std::string_view::npos ? equals : equals - at + 1));
        if (equals == std::string_view::npos) {
            piece += '=';
        }
        if (piece == wanted) {
            const std::size_t before = type.rfind('=', at);
            if (before == std::string_view::npos) {
                return std::string();
            }
            return std::string(type.substr(before + 1, at - before - 1));
        }
    }
    return std::string();
}

ComposedSetting ComposeSettingDefinition(const SettingEditorInput& input,
                                         const std::string& settingsPath) {
    ComposedSetting result;
    const std::string name = store::TrimmedBlanks(input.name);
    if (name.empty()) {
        result.failure = ComposeFailure::MissingName;
        return result;
    }
    std::string type;
    switch (input.typeIndex) {
        case 0:
            type = "n";
            break;
        case 1:
            type = "v" + store::TrimmedBlanks(input.defaultValue);
            break;
        case 2:
            result.failure = ComposeFixedItems(input.fixedValues, type);
            if (result.failure != ComposeFailure::None) {
                return result;
            }
            break;
        default:
            result.failure = ComposeFailure::MissingType;
            return result;
    }
    const long code = input.newMode ? browse::NextDefinitionCode(settingsPath, kSettingsCountKey)
                                    : input.selectedPosition + 1;
    result.code = std::to_string(code);
    std::string line;
    if (!store::SetRecordValue(line, "CODE", result.code) ||
        !store::SetRecordValue(line, "NAME", name) || !store::SetRecordValue(line, "TYPE", type) ||
        !store::SetRecordValue(line, "HELP", input.help)) {
        // A line break or ":+" would split the definition's line or token.
        result.failure = ComposeFailure::CannotBeStored;
        result.code.clear();
        return result;
    }
    result.line = std::move(line);
    return result;
}

std::string ComposeFailureMessage(ComposeFailure failure) {
    switch (failure) {
        case ComposeFailure::MissingName:
            return "Please type a NAME for this setting!";
        case ComposeFailure::MissingType:
            return "Please select the TYPE of the setting!";
        case ComposeFailure::MissingFixedValues:
            return "You have to specify a Value Part and a Description Part for this setting!";
        case ComposeFailure::EmptyValuePart:
            return "Plese check the syntax for this setting!\nThe Value Part CAN'T be empty!";
        case ComposeFailure::MissingSeparator:
            return "Plese check the syntax for this setting!\nYou missed the SEPARATOR ' ; ' "
                   "between Value and Description Parts";
        case ComposeFailure::BlankInValuePart:
            return "Plese check the syntax for this setting!\nSpaces are NOT allowed in the "
                   "Value Part!";
        case ComposeFailure::EmptyDescriptionPart:
            return "Plese check the syntax for this setting!\nThe Description Part CAN'T be "
                   "empty!";
        case ComposeFailure::ItemSeparatorInside:
            return "Plese check the syntax for this setting!\n'=' is NOT allowed in the Value "
                   "and Description Parts, ';' NOT in the Description Part!";
        case ComposeFailure::CannotBeStored:
            return "Plese check the syntax for this setting!\nLine breaks and ':+' are NOT "
                   "allowed in the name, the values and the help text!";
        case ComposeFailure::None:
            break;
    }
    return std::string();
}

SettingEditorView ShowSettingDefinition(const store::SettingDefinition& definition) {
    SettingEditorView view;
    view.nameBox = "\"" + TrimmedWhiteSpace(definition.name) + "\" is a...";
    const SettingKind kind = KindOfType(definition.type);
    view.typeIndex = TypeListIndex(kind);
    if (kind == SettingKind::VariableValue) {
        view.defaultValueBox = definition.type.substr(1);
    } else if (kind == SettingKind::FixedSelection) {
        const std::size_t equals = definition.type.find('=');
        if (equals != std::string::npos) {
            for (char c : std::string_view(definition.type).substr(equals + 1)) {
                if (c == '=') {
                    view.fixedValuesBox += "\r\n";
                } else {
                    view.fixedValuesBox += c;
                }
            }
        }
    }
    view.helpBox = definition.help;
    return view;
}

SaveSettingResult SaveNewSettingDefinition(store::Session& session, const SettingEditorInput& input,
                                           store::UserFeedback& feedback) {
    SaveSettingResult result;
    SettingEditorInput newInput = input;
    newInput.newMode = true;
    const ComposedSetting composed = ComposeSettingDefinition(newInput, session.files.settings);
    result.failure = composed.failure;
    if (composed.failure != ComposeFailure::None) {
        feedback.ShowMessage(ComposeFailureMessage(composed.failure),
                             store::MessageIcon::Exclamation);
        return result;
    }
    result.written =
        browse::AddDefinition(session.files.settings, kSettingsCountKey, composed.line);
    session.settings = store::LoadSettingDefinitions(session.files.settings);
    if (result.written) {
        result.position = static_cast<int>(store::ParseLeadingNumber(composed.code)) - 1;
    }
    return result;
}

void RenumberGameSettings(store::GameDatabase& games, int deletedCode, int oldCount,
                          store::Progress* progress, catalogue::MessagePump* pump) {
    std::vector<store::GameRecord>& records = games.MutableRecords();
    for (std::size_t index = 0; index < records.size(); ++index) {
        std::string& line = records[index].line;
        store::SetRecordValue(line, std::to_string(deletedCode), "", true);
        for (int code = deletedCode + 1; code <= oldCount; ++code) {
            const std::string key = std::to_string(code);
            const std::string value = store::GetRecordValue(line, key);
            if (value.empty()) {
                continue;
            }
            store::SetRecordValue(line, key, "", true);
            store::SetRecordValue(line, std::to_string(code - 1), value, true);
        }
        // One pass over pending events now and then keeps the windows alive
        // without waiting milliseconds for every game.
        if (index % 50 == 0) {
            catalogue::PumpMessages(pump, 0);
        }
        if (progress != nullptr && index % 2 == 0) {
            progress->Step();
            progress->Pump();
        }
    }
}

bool DeleteSettingDefinition(store::Session& session, int position, store::UserFeedback& feedback,
                             store::Progress& progress, catalogue::MessagePump* pump) {
    const int oldCount = static_cast<int>(session.settings.size());
    if (oldCount < 2 || position < 0 || position >= oldCount) {
        return false;
    }
    if (!feedback.AskYesNo("Are you sure?")) {
        return false;
    }
    // The games keep their values when the file cannot be changed: they would
    // otherwise point at the wrong definitions.
    if (!browse::DeleteDefinitionAt(session.files.settings, kSettingsCountKey, position)) {
        return false;
    }
    session.settings = store::LoadSettingDefinitions(session.files.settings);

    progress.Open(store::kProgressTitle, false);
    progress.SetText("Cleaning setting from other games...");
    progress.SetRange(0, session.games.count() / 2);
    progress.SetStep(1);
    RenumberGameSettings(session.games, position + 1, oldCount, &progress, pump);
    progress.Close();
    return true;
}

}  // namespace quorvex::play
