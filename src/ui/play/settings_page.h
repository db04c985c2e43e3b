#pragma once
// The Settings page: the current game's values for every setting
// definition, checked and edited here, and copied to the games selected in
// the games list.

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

#include "play/game_settings.h"
#include "store/session.h"
#include "store/user_feedback.h"
#include "ui/right_page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace quorvex::ui {

class GamesSelection;
class MainWindow;

class SettingsPage : public QWidget, public RightPage {
    Q_OBJECT
public:
    // session, feedback and window must outlive the page.
    SettingsPage(store::Session& session, store::UserFeedback& feedback, MainWindow& window,
                 QWidget* parent = nullptr);
    ~SettingsPage() override;

    // The games list the buttons act on; until one is set they do nothing.
    void SetGamesSelection(GamesSelection* selection);

    void ShowGame(const std::string& description, bool force) override;
    // After the definitions changed: one unchecked mark per definition.
    void RebuildList();

    const std::string& shownGame() const { return m_description; }
    QListWidget* definitionList() const { return m_definitions; }
    QLabel* countLabel() const { return m_count; }
    QComboBox* pickList() const { return m_pick; }
    QLineEdit* valueBox() const { return m_value; }
    QLabel* helpLabel() const { return m_help; }
    QPushButton* applySingleButton() const { return m_applySingle; }
    QPushButton* applyAllButton() const { return m_applyAll; }
    QPushButton* withEqualButton() const { return m_withEqual; }
    QPushButton* selectAllButton() const { return m_selectAll; }

private:
    void BuildControls();
    void DefinitionSelected();
    void CheckChanged(QListWidgetItem* item);
    void ShowSelectedDefinition();
    void PickChosen();
    void ValueEdited();
    void StoreIntoCurrentGame(int position);
    void RememberShownValue();
    play::ShownSetting Shown(int position) const;
    void ShowCount();
    void ApplySingle();
    void ApplyAll();
    void SelectWithEqualSettings();
    void SelectAllGames();
    int SelectedPosition() const;

    store::Session& m_session;
    store::UserFeedback& m_feedback;
    MainWindow& m_window;
    GamesSelection* m_selection = nullptr;

    QListWidget* m_definitions = nullptr;
    QLabel* m_count = nullptr;
    QComboBox* m_pick = nullptr;
    QLineEdit* m_value = nullptr;
    QLabel* m_help = nullptr;
    QPushButton* m_withEqual = nullptr;
    QPushButton* m_selectAll = nullptr;
    QPushButton* m_applySingle = nullptr;
    QPushButton* m_applyAll = nullptr;

    std::string m_description;   // the game whose marks are shown
    play::SettingMarks m_marks;  // the marks as last seen, with their count
    std::string m_shownBytes;    // the value box's text as stored, and as shown
    QString m_shownText;
    bool m_filling = false;  // programmatic changes of the controls
};

// Shown when a typed value would break the game's line.
extern const char* const kValueCannotBeStored;

}  // namespace quorvex::ui
