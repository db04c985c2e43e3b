#pragma once
// Setting definitions: the emulator options the user has described in
// "settings.qvx", the options text a game's values turn into, the fixed-item
// lookups on a definition's TYPE, and what the Create settings page writes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/command_runner.h"
#include "store/definitions.h"
#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::play {

inline constexpr const char* kSettingsCountKey = "SETTINGS_COUNT";

// The kinds in the order of the Create settings page's type list.
enum class SettingKind { OnOff, VariableValue, FixedSelection, Unknown };

inline constexpr const char* kOnOffTypeLabel = "On/off type";
inline constexpr const char* kVariableValueTypeLabel = "Variable value type";
inline constexpr const char* kFixedSelectionTypeLabel = "Fixed selection type";

// The texts the Create settings page puts into its boxes while a new
// definition is typed.
inline constexpr const char* kNewSettingNamePrompt = "Type here the name of the new setting!";
inline constexpr const char* kDefaultValueExample = "Type here a default value!";
inline constexpr const char* kFixedValuesExample =
    "Value1 ; Description1\r\nValue2 ; Description2\r\n";

// The stored value of an On/off setting that is on.
inline constexpr const char* kOnValue = "ON";

// The kind a TYPE text encodes by its first character.
SettingKind KindOfType(std::string_view type);
// Position of the kind in the type list, -1 for Unknown.
int TypeListIndex(SettingKind kind);

// The command-line fragment of a game's setting values: for each code 1 to
// the number of definitions with a non-empty value, the definition's trimmed
// NAME and a blank, then the value and a blank unless it is exactly "ON".
// Empty when the game has no active setting.
std::string OptionsText(std::string_view gameLine,
                        const std::vector<store::SettingDefinition>& definitions);

// The NAME of the definition whose CODE is exactly code; nothing when there is none.
std::optional<std::string> DefinitionNameByCode(
    const std::vector<store::SettingDefinition>& definitions, std::string_view code);

// Fixed-selection TYPE texts ("f2=0;Mono=1;Stereo"):
// the number N of items written behind "f" (0 when it cannot be read);
int FixedItemCount(std::string_view type);
// the description of item k, counting from 1 (empty when there is no such item);
std::string FixedItemDescription(std::string_view type, int k);
// the position, from 0, of the item whose value is value, or -1;
int FixedItemPosition(std::string_view type, std::string_view value);
// the value of the item whose description is description, or the empty text.
std::string FixedItemValue(std::string_view type, std::string_view description);

// What the Create settings page's boxes hold when a definition is saved.
struct SettingEditorInput {
    std::string name;
    int typeIndex = -1;  // position in the type list, -1 for no selection
    std::string defaultValue;
    std::string fixedValues;  // one "value;description" item per line
    std::string help;
    bool newMode = true;       // the CODE then comes from the file's count
    int selectedPosition = 0;  // otherwise the definition's list position
};

// Failures in the order the boxes are checked; each has its message. The
// last two guard the file: texts that would split an item or a token.
enum class ComposeFailure {
    None = 0,
    MissingName = 1,
    MissingType = 2,
    MissingFixedValues = 3,
    EmptyValuePart = 4,
    MissingSeparator = 5,
    BlankInValuePart = 6,
    EmptyDescriptionPart = 7,
    ItemSeparatorInside = 8,
    CannotBeStored = 9,
};

struct ComposedSetting {
    ComposeFailure failure = ComposeFailure::None;
    std::string code;
    std::string line;  // the Record line to store, ending with the settings marker
};

// Builds the Record line of a definition from the editor's boxes; the CODE in
// new mode is the SETTINGS_COUNT of settingsPath plus one. A failure leaves line empty.
ComposedSetting ComposeSettingDefinition(const SettingEditorInput& input,
                                         const std::string& settingsPath);

// The message box text of a failure; empty for None.
std::string ComposeFailureMessage(ComposeFailure failure);

// The Create settings page's boxes for a stored definition.
struct SettingEditorView {
    std::string nameBox;  // "\"<name>\" is a..."
    int typeIndex = -1;
    std::string defaultValueBox;
    std::string fixedValuesBox;  // items one per line, CR LF between them
    std::string helpBox;
};
SettingEditorView ShowSettingDefinition(const store::SettingDefinition& definition);

// Composes a new definition, raises SETTINGS_COUNT, appends its line and
// reloads session.settings. The failure (shown through feedback with its
// message) leaves the file alone. On success, the new definition's position.
struct SaveSettingResult {
    ComposeFailure failure = ComposeFailure::None;
    int position = -1;
    bool written = false;  // false also when the file could not be written
};
SaveSettingResult SaveNewSettingDefinition(store::Session& session, const SettingEditorInput& input,
                                           store::UserFeedback& feedback);

// Asks "Are you sure?", removes the definition at position from the file
// (renumbering the rest), reloads session.settings and moves every game's
// setting values behind it one code down, its own value dropped, with a
// Progress window meanwhile. Refused (false) while fewer than two definitions
// exist, when the answer is No, or when the file cannot be rewritten.
bool DeleteSettingDefinition(store::Session& session, int position, store::UserFeedback& feedback,
                             store::Progress& progress, catalogue::MessagePump* pump);

// The same change on the games alone: removes each game's token deletedCode
// and moves tokens deletedCode + 1 to oldCount one code down.
void RenumberGameSettings(store::GameDatabase& games, int deletedCode, int oldCount,
                          store::Progress* progress, catalogue::MessagePump* pump);

}  // namespace quorvex::play
