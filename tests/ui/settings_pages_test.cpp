#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include <string>
#include <vector>

#include "play/game_settings.h"
#include "play/setting_definitions.h"
#include "play_fixture.h"
#include "store/record_file.h"

namespace quorvex::ui {
namespace {

using testing::PlayFixture;

// Rows of the games list under the default sorting.
constexpr int kDonkeyKong = 0;
constexpr int kGalaga = 1;
constexpr int kMsPacMan = 2;
constexpr int kPacMan = 3;
constexpr int kStreetFighter = 5;

// The marks of the rows, "1" for a checked one, and the count below them.
std::string MarksOf(const SettingsPage& page) {
    std::string marks;
    for (int row = 0; row < page.definitionList()->count(); ++row) {
        marks += page.definitionList()->item(row)->checkState() == Qt::Checked ? '1' : '0';
    }
    return marks + " " + page.countLabel()->text().toStdString();
}

class SettingsPageTest : public ::testing::Test, public PlayFixture {
protected:
    void OpenOnSettings() {
        OpenWithPlayPages();
        window->show();
        ShowSettingsTab();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QListWidget& List() const { return *settings().definitionList(); }
    std::string Marks() const { return MarksOf(settings()); }
};

TEST_F(SettingsPageTest, ShowsTheGamesMarksAndValueAndStoresEachChangeEvenOnAnUnselectedRow) {
    GiveSettings("Pac-Man", " +:1:ON:+ +:2:1:+");
    OpenOnSettings();

    ASSERT_EQ(List().count(), 2);
    EXPECT_EQ(List().item(0)->text().trimmed(), "-noscanlines");
    EXPECT_EQ(List().item(1)->text().trimmed(), "-soundcard");
    EXPECT_EQ(Marks(), "11 Checked: 2");
    EXPECT_EQ(settings().countLabel()->toolTip(), "Number of active settings!");
    EXPECT_EQ(settings().countLabel()->palette().color(QPalette::WindowText), QColor(39, 94, 36));
    EXPECT_TRUE(List().selectedItems().isEmpty());
    EXPECT_FALSE(settings().applySingleButton()->isVisible());
    EXPECT_FALSE(settings().pickList()->isEnabled());

    ClickItem(&List(), 1);
    EXPECT_TRUE(settings().applySingleButton()->isVisible());
    EXPECT_TRUE(settings().pickList()->isEnabled());
    EXPECT_FALSE(settings().valueBox()->isEnabled());
    EXPECT_EQ(Items(*settings().pickList()),
              QStringList({"Silence", "Sound Blaster", "Sound Blaster AWE32", "Pro Audio Spectrum",
                           "Ultrasound Max (CS4231 Codec)", "Ultrasound", "Windows Sound System",
                           "Ensoniq Soundscape"}));
    EXPECT_EQ(settings().pickList()->currentText(), "Sound Blaster");
    EXPECT_EQ(settings().helpLabel()->text(),
              "select sound card (if this is not specified, you will be asked interactively)");

    // Picking stores at once.
    settings().pickList()->setCurrentIndex(3);
    EXPECT_EQ(ValueOf("Pac-Man", "2"), "3");

    List().item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(ValueOf("Pac-Man", "2"), "");
    EXPECT_EQ(Marks(), "10 Checked: 1");

    ClickItem(&List(), 0);
    EXPECT_FALSE(settings().pickList()->isEnabled());
    EXPECT_EQ(settings().pickList()->count(), 0);
    EXPECT_FALSE(settings().valueBox()->isEnabled());
    // The sound card is checked while -noscanlines is the selected row.
    List().item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(List().currentRow(), 1);
    EXPECT_EQ(ValueOf("Pac-Man", "2"), "0");
    EXPECT_EQ(settings().pickList()->currentText(), "Silence");
    EXPECT_EQ(Marks(), "11 Checked: 2");

    List().item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(ValueOf("Pac-Man", "1"), "");
    EXPECT_EQ(Marks(), "01 Checked: 1");
    EXPECT_EQ(settings().helpLabel()->text().left(27), "if the default mode doesn't");

    // The same game in other letters is not shown again; another game is.
    settings().ShowGame("PAC-MAN", false);
    EXPECT_EQ(List().currentRow(), 0);
    EXPECT_EQ(Marks(), "01 Checked: 1");
    settings().ShowGame("Galaga", false);
    EXPECT_EQ(Marks(), "00 Checked: 0");
    EXPECT_TRUE(List().selectedItems().isEmpty());
    EXPECT_TRUE(settings().helpLabel()->text().isEmpty());
}

TEST_F(SettingsPageTest, ApplySingleCopiesOneSettingAndApplyAllEveryOneToTheSelectedRows) {
    GiveSettings("Pac-Man", " +:1:ON:+ +:2:5:+");
    GiveSettings("Galaga", " +:2:7:+");
    GiveSettings("Ghost Run", " +:1:ON:+");
    OpenOnSettings();
    const std::string ghostRunBefore = LineOf("Ghost Run");

    ClickItem(&List(), 1);
    settings().pickList()->setCurrentIndex(2);
    AddRowsToSelection({kDonkeyKong, kGalaga});
    Click(settings().applySingleButton());
    EXPECT_EQ(ValueOf("Galaga", "2"), "2");
    EXPECT_EQ(ValueOf("Donkey Kong", "2"), "2");
    EXPECT_EQ(ValueOf("Ms. Pac-Man", "2"), "");
    EXPECT_EQ(SelectedGameRows(), std::vector<int>({kPacMan}));

    AddRowsToSelection({kGalaga, kMsPacMan, kStreetFighter});
    Click(settings().applyAllButton());
    const std::string wanted(play::SettingsPart(LineOf("Pac-Man")));
    for (const char* game : {"Galaga", "Ms. Pac-Man", "Street Fighter II"}) {
        EXPECT_EQ(play::SettingsPart(LineOf(game)), wanted) << game;
    }
    EXPECT_EQ(ValueOf("Ms. Pac-Man", "C"), "mspacman.zip");
    EXPECT_EQ(ValueOf("Donkey Kong", "1"), "");
    EXPECT_EQ(LineOf("Ghost Run"), ghostRunBefore);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(window->busy().IsOn());
    EXPECT_EQ(SelectedGameRows(), std::vector<int>({kPacMan}));

    Click(settings().withEqualButton());
    EXPECT_EQ(SelectedGameRows(), std::vector<int>({kGalaga, kMsPacMan, kPacMan, kStreetFighter}));
    Click(settings().selectAllButton());
    EXPECT_EQ(SelectedGameRows().size(), 7u);
}

class CreateSettingsTest : public ::testing::Test, public PlayFixture {
protected:
    void OpenOnCreateSettings() {
        OpenWithPlayPages();
        window->show();
        window->leftTabs()->setCurrentIndex(3);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    CreateSettingsPage& Page() const { return createSettings(); }
    bool Browsing() const {
        return Page().mode() == CreateSettingsPage::Mode::Browsing &&
               Page().newButton()->isVisible() && !Page().saveButton()->isVisible() &&
               !Page().cancelButton()->isVisible() && Page().definitionList()->isEnabled();
    }
    // New, then the boxes as a person fills them, then Save.
    void SaveNew(const QString& name, int type, const QString& fixedValues = {},
                 const QString& defaultValue = {}) {
        Click(Page().newButton());
        Page().nameBox()->setText(name);
        Page().typeList()->setCurrentIndex(type);
        if (type == 2) {
            Page().fixedValuesBox()->setPlainText(fixedValues);
        }
        if (type == 1) {
            Page().defaultValueBox()->setText(defaultValue);
        }
        Click(Page().saveButton());
    }
    std::string LastMessage() const {
        return feedback.messages.empty() ? std::string() : feedback.messages.back().text;
    }
};

TEST_F(CreateSettingsTest, NewShowsItsPromptsAndAFailedCompositionShowsItsMessageAndWritesNothing) {
    OpenOnCreateSettings();
    EXPECT_TRUE(Browsing());
    EXPECT_TRUE(Page().deleteButton()->isVisible());
    EXPECT_EQ(Page().definitionList()->currentRow(), 0);
    EXPECT_EQ(Page().nameBox()->text(), "\"-noscanlines\" is a...");
    EXPECT_EQ(Page().typeList()->currentText(), "On/off type");
    ClickItem(Page().definitionList(), 1);
    EXPECT_EQ(Page().typeList()->currentText(), "Fixed selection type");
    EXPECT_TRUE(Page().fixedValuesBox()->toPlainText().startsWith("0;Silence\n1;Sound Blaster\n"));

    Click(Page().newButton());
    EXPECT_EQ(Page().mode(), CreateSettingsPage::Mode::New);
    EXPECT_TRUE(Page().saveButton()->isVisible());
    EXPECT_TRUE(Page().cancelButton()->isVisible());
    EXPECT_FALSE(Page().newButton()->isVisible());
    EXPECT_FALSE(Page().deleteButton()->isVisible());
    EXPECT_FALSE(Page().definitionList()->isEnabled());
    EXPECT_EQ(Page().nameBox()->selectedText(), "Type here the name of the new setting!");
    EXPECT_EQ(Page().typeList()->currentIndex(), -1);
    EXPECT_TRUE(Page().helpBox()->toPlainText().isEmpty());
    Page().typeList()->setCurrentIndex(1);
    EXPECT_EQ(Page().defaultValueBox()->text(), "Type here a default value!");
    Page().typeList()->setCurrentIndex(2);
    EXPECT_TRUE(Page().defaultValueBox()->text().isEmpty());
    EXPECT_EQ(Page().fixedValuesBox()->toPlainText(),
              "Value1 ; Description1\nValue2 ; Description2\n");

    Click(Page().cancelButton());
    EXPECT_TRUE(Browsing());
    EXPECT_EQ(Page().nameBox()->text(), "\"-soundcard\" is a...");

    const std::string before = testing::ReadBytes(session.files.settings);
    struct Case {
        QString name;
        int type;
        QString fixed;
        std::string message;
    };
    const std::string syntax = "Plese check the syntax for this setting!\n";
    const std::vector<Case> cases = {
        {"-vesa", -1, {}, "Please select the TYPE of the setting!"},
        {"-sound", 2, "  ",
         "You have to specify a Value Part and a Description Part for this setting!"},
        {"-sound", 2, ";Silence", syntax + "The Value Part CAN'T be empty!"},
        {"-sound", 2, "0;Silence\n\n1;Mono",
         syntax + "You missed the SEPARATOR ' ; ' between Value and Description Parts"},
        {"-sound", 2, "0 1;Silence", syntax + "Spaces are NOT allowed in the Value Part!"},
    };
    for (const Case& c : cases) {
        SaveNew(c.name, c.type, c.fixed);
        EXPECT_EQ(LastMessage(), c.message) << c.name.toStdString();
        EXPECT_EQ(feedback.messages.back().icon, store::MessageIcon::Exclamation);
        EXPECT_TRUE(Browsing());
        // What was typed stays until the next selection.
        EXPECT_EQ(Page().nameBox()->text(), c.name);
    }
    EXPECT_EQ(testing::ReadBytes(session.files.settings), before);
    EXPECT_EQ(Page().definitionList()->count(), 2);
}

TEST_F(CreateSettingsTest, SavedDefinitionsReachTheFileAndTheSettingsPage) {
    OpenOnCreateSettings();
    SaveNew("-sound", 2, "0 ; Silence\n1;Sound Blaster");
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_TRUE(Browsing());
    ASSERT_EQ(session.settings.size(), 3u);
    EXPECT_EQ(session.settings[2].type, "f2=0;Silence=1;Sound Blaster");
    EXPECT_EQ(store::GetHeaderValue(session.files.settings, "SETTINGS_COUNT"), "3");
    EXPECT_EQ(Page().definitionList()->currentRow(), 2);
    EXPECT_EQ(Page().nameBox()->text(), "\"-sound\" is a...");

    SaveNew("-resolution", 1, {}, "   ");
    ASSERT_EQ(session.settings.size(), 4u);
    EXPECT_EQ(session.settings[3].type, "v");
    ASSERT_EQ(settings().definitionList()->count(), 4);
    EXPECT_EQ(settings().definitionList()->item(3)->text(), "-resolution");

    // A Variable value without default proposes "1" once checked, and stores it.
    ShowSettingsTab();
    settings().definitionList()->item(3)->setCheckState(Qt::Checked);
    EXPECT_TRUE(settings().valueBox()->isEnabled());
    EXPECT_EQ(settings().valueBox()->text(), "1");
    EXPECT_EQ(ValueOf("Pac-Man", "4"), "1");
    settings().valueBox()->setFocus();
    settings().valueBox()->selectAll();
    QTest::keyClicks(settings().valueBox(), "640x480");
    QTest::keyClick(settings().valueBox(), Qt::Key_Return);
    EXPECT_EQ(ValueOf("Pac-Man", "4"), "640x480");
}

TEST_F(CreateSettingsTest, DeletingRenumbersTheGamesValuesAndKeepsTheLastDefinition) {
    GiveSettings("Pac-Man", " +:1:ON:+ +:2:3:+");
    OpenOnCreateSettings();
    SaveNew("-sound", 2, "0;Mono\n1;Stereo");
    session.games.Line(*store::FindGameByDescription(session.games, "Pac-Man")) += " +:3:1:+";

    feedback.answer = true;
    ClickItem(Page().definitionList(), 1);
    Click(Page().deleteButton());
    EXPECT_EQ(feedback.questions, std::vector<std::string>({"Are you sure?"}));
    EXPECT_TRUE(feedback.messages.empty());
    ASSERT_EQ(session.settings.size(), 2u);
    EXPECT_EQ(session.settings[1].type, "f2=0;Mono=1;Stereo");
    EXPECT_EQ(ValueOf("Pac-Man", "2"), "1");
    EXPECT_TRUE(Browsing());
    EXPECT_EQ(Page().definitionList()->currentRow(), 0);
    EXPECT_TRUE(window->isEnabled());

    // The Settings page shows the renumbered marks of the current game.
    ASSERT_EQ(settings().definitionList()->count(), 2);
    EXPECT_EQ(MarksOf(settings()), "11 Checked: 2");

    Click(Page().deleteButton());
    ASSERT_EQ(session.settings.size(), 1u);
    EXPECT_FALSE(Page().deleteButton()->isVisible());
}

}  // namespace
}  // namespace quorvex::ui
