#include "play/game_settings.h"

#include <gtest/gtest.h>

#include "play_test_support.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::play {
namespace {

const std::vector<store::SettingDefinition> kDefinitions = {
    {"1", "-noscanlines  ", "n", "scanlines"},
    {"2", "-soundcard    ", "f3=0;Silence=1;Sound Blaster=6;Windows Sound System", "card"},
    {"3", "-depth", "v", "colour depth"},
    {"4", "-resolution", "v640x480", "size"},
};

using testing::Game;
using testing::GameLine;

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
    EXPECT_EQ(progress.log, "Please wait!|Applying a single setting to all selected games...|0 to 5|");
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
