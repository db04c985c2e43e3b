#include <gtest/gtest.h>

#include "play/game_settings.h"
#include "play/setting_definitions.h"
#include "play_test_support.h"
#include "scripted_feedback.h"
#include "store/default_files.h"
#include "store/record_line.h"
#include "store/text_utils.h"
#include "test_support.h"

namespace quorvex::play {
namespace {

using testing::Game;
using testing::GameLine;
using testing::ReadBytes;
using testing::ScriptedFeedback;
using testing::TempDir;
using testing::WriteBytes;

class SettingDefinitions : public ::testing::Test {
protected:
    SettingDefinitions() {
        session.files = store::MakeProgramFiles(temp.path());
        store::CreateDefaultSettings(session.files.settings);
        session.settings = store::LoadSettingDefinitions(session.files.settings);
    }
    TempDir temp;
    store::Session session;
};

TEST_F(SettingDefinitions, OptionsTextJoinsTheActiveSettingsInCodeOrderAndFixedItemsAreFound) {
    const std::string soundBlaster = FixedItemValue(session.settings[1].type, "Sound Blaster");
    EXPECT_EQ(soundBlaster, "1");
    EXPECT_EQ(OptionsText(GameLine("a", " +:2:" + soundBlaster + ":+ +:1:ON:+"), session.settings),
              "-noscanlines -soundcard 1 ");
    EXPECT_EQ(OptionsText(GameLine("a", ""), session.settings), "");
    // Values are trimmed, "ON" (exactly) adds the name alone, codes without a definition are
    // ignored.
    EXPECT_EQ(OptionsText(GameLine("a", " +:2: ON :+ +:3:9:+"), session.settings), "-soundcard ");
    EXPECT_EQ(OptionsText(GameLine("a", " +:1:on:+"), session.settings), "-noscanlines on ");
    EXPECT_EQ(OptionsText(GameLine("a", " +:1:  :+"), session.settings), "");

    EXPECT_EQ(DefinitionNameByCode(session.settings, "2"), "-soundcard    ");
    EXPECT_FALSE(DefinitionNameByCode(session.settings, "02").has_value());

    // Fixed items are found by position, value and description.
    const std::string type = session.settings[1].type;
    EXPECT_EQ(FixedItemCount(type), 8);
    EXPECT_EQ(FixedItemDescription(type, 1), "Silence");
    EXPECT_EQ(FixedItemDescription(type, 8), "Ensoniq Soundscape");
    EXPECT_EQ(FixedItemDescription(type, 9), "");
    EXPECT_EQ(FixedItemPosition(type, "0"), 0);
    EXPECT_EQ(FixedItemPosition(type, "5"), 5);
    EXPECT_EQ(FixedItemPosition(type, "Silence"), -1);
    EXPECT_EQ(FixedItemPosition(type, ""), -1);
    EXPECT_EQ(FixedItemValue(type, "Silence"), "0");
    EXPECT_EQ(FixedItemValue(type, "Ensoniq Soundscape"),
              "7");  // the last item has no "=" behind it
    EXPECT_EQ(FixedItemValue(type, "Sound"), "");
    EXPECT_EQ(FixedItemValue("f2=-r;640x480=-r;800x600", "800x600"), "-r");
    EXPECT_EQ(FixedItemPosition("f2=a;x=ab;y", "ab"), 1);
}

TEST_F(SettingDefinitions, ComposingReportsTheFirstFailingBoxOrCutsThePartsIntoALine) {
    struct Case {
        SettingEditorInput input;
        ComposeFailure failure;
    };
    const std::vector<Case> cases = {
        {{"  ", 2, "", "0;Silence", "help"}, ComposeFailure::MissingName},
        {{"-x", -1, "", "", ""}, ComposeFailure::MissingType},
        {{"-x", 2, "", "   ", ""}, ComposeFailure::MissingFixedValues},
        {{"-x", 2, "", ";Silence\r\n", ""}, ComposeFailure::EmptyValuePart},
        {{"-x", 2, "", "0;Silence\r\n\r\n1;Loud\r\n", ""}, ComposeFailure::MissingSeparator},
        {{"-x", 2, "", "0;Silence\r\n1 2;Loud\r\n", ""}, ComposeFailure::BlankInValuePart},
        {{"-x", 2, "", "0;Silence\r\n1;\r\n", ""}, ComposeFailure::EmptyDescriptionPart},
        {{"-x", 2, "", "0;Silence=Quiet", ""}, ComposeFailure::ItemSeparatorInside},
        {{"-x", 2, "", "0;Silence;Quiet", ""}, ComposeFailure::ItemSeparatorInside},
        {{"-x", 0, "", "", "first line\r\nsecond line"}, ComposeFailure::CannotBeStored},
    };
    for (const Case& c : cases) {
        const ComposedSetting composed = ComposeSettingDefinition(c.input, session.files.settings);
        EXPECT_EQ(composed.failure, c.failure) << c.input.fixedValues;
        EXPECT_TRUE(composed.line.empty());
    }
    EXPECT_EQ(ComposeFailureMessage(ComposeFailure::MissingName),
              "Please type a NAME for this setting!");
    EXPECT_EQ(ComposeFailureMessage(ComposeFailure::MissingSeparator),
              "Plese check the syntax for this setting!\nYou missed the SEPARATOR ' ; ' between "
              "Value and Description Parts");
    EXPECT_EQ(ComposeFailureMessage(ComposeFailure::EmptyDescriptionPart),
              "Plese check the syntax for this setting!\nThe Description Part CAN'T be empty!");

    // Composed lines carry the cut parts and the next code.
    ComposedSetting fixed = ComposeSettingDefinition(
        {" -sound ", 2, "", " 0 ; Silence\r\n1;Sound Blaster", " Help "}, session.files.settings);
    EXPECT_EQ(fixed.failure, ComposeFailure::None);
    EXPECT_EQ(fixed.line,
              " +:CODE:3:+ +:NAME:-sound:+ +:TYPE:f2=0;Silence=1;Sound Blaster:+ +:HELP: Help "
              ":+\xA7");
    // Lines ended by a line feed alone keep their last character.
    fixed = ComposeSettingDefinition({"-r", 2, "", "a;One\nb;Two\n", ""}, session.files.settings);
    EXPECT_EQ(store::GetRecordValue(fixed.line, "TYPE"), "f2=a;One=b;Two");

    const ComposedSetting variable =
        ComposeSettingDefinition({"-depth", 1, "   ", "", "", false, 0}, session.files.settings);
    EXPECT_EQ(variable.line, " +:CODE:1:+ +:NAME:-depth:+ +:TYPE:v:+\xA7");
    EXPECT_EQ(
        store::GetRecordValue(
            ComposeSettingDefinition({"-res", 1, " 640x480 ", "", ""}, session.files.settings).line,
            "TYPE"),
        "v640x480");
}

TEST_F(SettingDefinitions, StoredDefinitionsAreShownInTheEditorBoxes) {
    SettingEditorView view = ShowSettingDefinition(session.settings[1]);
    EXPECT_EQ(view.nameBox, "\"-soundcard\" is a...");
    EXPECT_EQ(view.typeIndex, 2);
    EXPECT_EQ(view.defaultValueBox, "");
    EXPECT_EQ(view.fixedValuesBox.substr(0, 33), "0;Silence\r\n1;Sound Blaster\r\n2;Sou");
    view = ShowSettingDefinition({"3", "-res", "v640x480", "resolution"});
    EXPECT_EQ(view.typeIndex, 1);
    EXPECT_EQ(view.defaultValueBox, "640x480");
    EXPECT_EQ(view.fixedValuesBox, "");
    EXPECT_EQ(view.helpBox, "resolution");
}

TEST_F(SettingDefinitions, SavingAppendsTheDefinitionAndAFailureWritesNothing) {
    ScriptedFeedback feedback(true);
    const std::string before = ReadBytes(session.files.settings);
    SaveSettingResult saved =
        SaveNewSettingDefinition(session, {"", 0, "", "", "complete"}, feedback);
    EXPECT_EQ(saved.failure, ComposeFailure::MissingName);
    EXPECT_EQ(feedback.messages, std::vector<std::string>{"Please type a NAME for this setting!"});
    EXPECT_EQ(ReadBytes(session.files.settings), before);

    saved = SaveNewSettingDefinition(session, {"-vesa", 0, "", "", "use VESA"}, feedback);
    EXPECT_EQ(saved.failure, ComposeFailure::None);
    EXPECT_TRUE(saved.written);
    EXPECT_EQ(saved.position, 2);
    ASSERT_EQ(session.settings.size(), 3u);
    EXPECT_EQ(session.settings[2].code, "3");
    EXPECT_EQ(session.settings[2].name, "-vesa");
    EXPECT_EQ(session.settings[2].type, "n");
    EXPECT_EQ(store::GetRecordValue(ReadBytes(session.files.settings), "SETTINGS_COUNT"), "3");
}

TEST_F(SettingDefinitions, DeletingADefinitionMovesTheGamesValuesBehindIt) {
    WriteBytes(session.files.settings,
               " +:SETTINGS_COUNT:3:+\xA7\r\n"
               " +:CODE:1:+ +:NAME:-one:+ +:TYPE:n:+\xA7\r\n"
               " +:CODE:2:+ +:NAME:-two:+ +:TYPE:v:+\xA7\r\n"
               " +:CODE:3:+ +:NAME:-three:+ +:TYPE:v:+\xA7\r\n");
    session.settings = store::LoadSettingDefinitions(session.files.settings);
    session.games = store::GameDatabase({Game("a", " +:1:ON:+ +:2:two:+ +:3:three:+"),
                                         Game("b", " +:3:only three:+"), Game("c", "")});
    store::SilentProgress progress;

    ScriptedFeedback user(true);
    user.answers = {false};
    EXPECT_FALSE(DeleteSettingDefinition(session, 1, user, progress, nullptr));
    EXPECT_EQ(user.questions, std::vector<std::string>{"Are you sure?"});
    EXPECT_EQ(session.settings.size(), 3u);

    ASSERT_TRUE(DeleteSettingDefinition(session, 1, user, progress, nullptr));
    EXPECT_EQ(ReadBytes(session.files.settings),
              " +:SETTINGS_COUNT:2:+\xA7\r\n"
              " +:CODE:1:+ +:NAME:-one:+ +:TYPE:n:+\xA7\r\n"
              " +:CODE:2:+ +:NAME:-three:+ +:TYPE:v:+\xA7\r\n");
    ASSERT_EQ(session.settings.size(), 2u);
    EXPECT_EQ(session.settings[1].name, "-three");

    const std::string& a = session.games[0].line;
    EXPECT_EQ(store::GetRecordValue(a, "1"), "ON");
    EXPECT_EQ(store::GetRecordValue(a, "2"), "three");
    EXPECT_EQ(store::GetRecordValue(a, "3"), "");
    EXPECT_EQ(a.substr(0, a.find('\xA7')), " +:A:a:+ +:B:a game:+");
    EXPECT_EQ(store::GetRecordValue(session.games[1].line, "2"), "only three");
    EXPECT_EQ(session.games[2].line, GameLine("c", ""));

    // The last definition is never deleted.
    ASSERT_TRUE(DeleteSettingDefinition(session, 0, user, progress, nullptr));
    EXPECT_FALSE(DeleteSettingDefinition(session, 0, user, progress, nullptr));
    EXPECT_EQ(session.settings.size(), 1u);
    EXPECT_EQ(store::GetRecordValue(session.games[0].line, "1"), "three");
}

const std::vector<store::SettingDefinition> kDefinitions = {
    {"1", "-noscanlines  ", "n", "scanlines"},
    {"2", "-soundcard    ", "f3=0;Silence=1;Sound Blaster=6;Windows Sound System", "card"},
    {"3", "-depth", "v", "colour depth"},
    {"4", "-resolution", "v640x480", "size"},
};

// Writes down what the progress window was told.
class RecordingProgress : public store::SilentProgress {
public:
    void Open(const std::string& title, bool canCancel) override {
        log += title + (canCancel ? " (can cancel)|" : "|");
    }
    void SetRange(int lower, int upper) override {
        log += std::to_string(lower) + " to " + std::to_string(upper) + "|";
    }
    void SetText(const std::string& text) override { log += text + "|"; }
    std::string log;
};

TEST(GameSettings, MarksAndProposedValuesComeFromTheGamesTokens) {
    const std::string line = GameLine("a", " +:2:6:+ +:4:800x600:+ +:9:orphan:+");
    const SettingMarks marks = ReadSettingMarks(line, kDefinitions);
    EXPECT_EQ(marks.checked, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(CheckedCountText(marks.count), "Checked: 2");

    EXPECT_EQ(ProposeSettingValue(line, kDefinitions[1], 1).pickIndex, 2);
    EXPECT_EQ(ProposeSettingValue(GameLine("a", " +:2:5:+"), kDefinitions[1], 1).pickIndex, 0);
    EXPECT_EQ(ProposeSettingValue(line, kDefinitions[3], 3).text, "800x600");
    EXPECT_EQ(ProposeSettingValue(GameLine("a", ""), kDefinitions[3], 3).text, "640x480");
    // A variable value without a default proposes "1".
    EXPECT_EQ(ProposeSettingValue(line, kDefinitions[2], 2).text, "1");
}

TEST(GameSettings, StoringTheShownValueSetsOrRemovesTheToken) {
    std::string line = GameLine("a", "");
    ASSERT_TRUE(StoreSettingValue(line, kDefinitions[0], 0, {true, "", ""}));
    ASSERT_TRUE(StoreSettingValue(line, kDefinitions[1], 1, {true, "", "Windows Sound System"}));
    ASSERT_TRUE(StoreSettingValue(line, kDefinitions[2], 2, {false, " 16 ", ""}));
    EXPECT_EQ(line, GameLine("a", " +:1:ON:+ +:2:6:+ +:3: 16 :+"));

    ASSERT_TRUE(StoreSettingValue(line, kDefinitions[0], 0, {false, "", ""}));
    ASSERT_TRUE(StoreSettingValue(line, kDefinitions[1], 1, {true, "", "No such card"}));
    ASSERT_TRUE(StoreSettingValue(line, kDefinitions[2], 2, {true, "", ""}));
    EXPECT_EQ(line.substr(0, line.find('\xA7') + 1), GameLine("a", ""));
    EXPECT_EQ(store::TrimmedBlanks(SettingsPart(line).substr(1)), "");

    const std::string before = line;
    EXPECT_FALSE(StoreSettingValue(line, kDefinitions[3], 3, {true, "a:+b", ""}));
    EXPECT_EQ(line, before);

    // Without a marker the value still lands behind one, never among the fields.
    std::string bare = " +:A:b:+";
    ASSERT_TRUE(StoreSettingValue(bare, kDefinitions[0], 0, {true, "", ""}));
    EXPECT_EQ(bare, " +:A:b:+\xA7 +:1:ON:+");
}

TEST(GameSettings, ApplyingCopiesValuesToTheSelectedGamesFoundByDescription) {
    store::GameDatabase games({Game("cur", " +:1:ON:+ +:4:800x600:+"), Game("b", " +:2:1:+"),
                               Game("c", " +:3:8:+"), Game("d", "")});
    const std::vector<GamesListRow> selected = {{1, "b game"}, {2, "nobody"}, {3, "d game"}};

    RecordingProgress progress;
    EXPECT_EQ(ApplySingleSetting(games, selected, 30, kDefinitions[2], 2, {true, "24", ""},
                                 progress, nullptr),
              2);
    EXPECT_EQ(progress.log,
              "Please wait!|Applying a single setting to all selected games...|0 to 5|");
    EXPECT_EQ(games[1].line, GameLine("b", " +:2:1:+ +:3:24:+"));
    EXPECT_EQ(games[3].line, GameLine("d", " +:3:24:+"));
    EXPECT_EQ(games[2].line, GameLine("c", " +:3:8:+"));
    EXPECT_EQ(games[0].line, GameLine("cur", " +:1:ON:+ +:4:800x600:+"));

    progress.log.clear();
    EXPECT_EQ(ApplyAllSettings(games, "cur game", selected, progress, nullptr), 2);
    EXPECT_EQ(progress.log, "Please wait!|Applying all settings to all selected games...|0 to 0|");
    EXPECT_EQ(games[1].line, GameLine("b", " +:1:ON:+ +:4:800x600:+"));
    EXPECT_EQ(games[3].line, GameLine("d", " +:1:ON:+ +:4:800x600:+"));
    EXPECT_EQ(games[2].line, GameLine("c", " +:3:8:+"));

    // A current game that is not in the database changes nobody.
    EXPECT_EQ(ApplyAllSettings(games, "vanished", {{2, "c game"}}, progress, nullptr), 0);
    EXPECT_EQ(games[2].line, GameLine("c", " +:3:8:+"));
}

TEST(GameSettings, EqualSettingsCompareTheTokensInOrder) {
    store::GameDatabase games({Game("a", " +:1:ON:+ +:2:1:+"),
                               Game("b", " +:1:ON:+ +:2:1:+  "),
                               Game("c", " +:2:1:+ +:1:ON:+"),
                               Game("d", ""),
                               {" +:A:e:+ +:B:e game:+", "", "e game"},
                               Game("f", "  ")});
    const std::vector<GamesListRow> rows = {{0, "a game"}, {1, "b game"}, {2, "c game"},
                                            {3, "d game"}, {4, "e game"}, {5, "f game"}};
    EXPECT_EQ(RowsWithEqualSettings(games, "a game", rows), (std::vector<int>{0, 1}));
    // A line without the settings marker is not equal to one with the marker and no values.
    EXPECT_EQ(RowsWithEqualSettings(games, "d game", rows), (std::vector<int>{3, 5}));
    EXPECT_EQ(RowsWithEqualSettings(games, "e game", rows), (std::vector<int>{4}));
    EXPECT_TRUE(RowsWithEqualSettings(games, "nobody", rows).empty());
}

}  // namespace
}  // namespace quorvex::play
