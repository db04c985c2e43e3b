#pragma once
// The Create settings page: the list of setting definitions, where new ones
// are typed in and saved to "settings.qvx" and old ones deleted.

#include <QWidget>

#include "store/session.h"
#include "store/user_feedback.h"
#include "ui/definition_editor.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace quorvex::ui {

class MainWindow;

class CreateSettingsPage : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Browsing, New, Deleting };

    // session, feedback and window must outlive the page.
    CreateSettingsPage(store::Session& session, store::UserFeedback& feedback, MainWindow& window,
                       QWidget* parent = nullptr);
    ~CreateSettingsPage() override;

    Mode mode() const;
    QListWidget* definitionList() const { return m_editor.list(); }
    QLineEdit* nameBox() const { return m_editor.name(); }
    QComboBox* typeList() const { return m_type; }
    QLineEdit* defaultValueBox() const { return m_defaultValue; }
    QPlainTextEdit* fixedValuesBox() const { return m_fixedValues; }
    QPlainTextEdit* helpBox() const { return m_help; }
    QPushButton* saveButton() const { return m_editor.controls().save; }
    QPushButton* newButton() const { return m_editor.controls().add; }
    QPushButton* deleteButton() const { return m_editor.controls().remove; }
    QPushButton* cancelButton() const { return m_editor.controls().cancel; }

signals:
    // A definition was saved or deleted: the Settings page builds its list again.
    void DefinitionsChanged();

private:
    void BuildControls();
    void SelectAndShow(int position);
    void ShowDefinition(int position);
    void ShowBrowsingLayout();
    void StartNew();
    void Save();
    void Delete();
    void CancelNew();
    void TypeChosen(int index);

    store::Session& m_session;
    store::UserFeedback& m_feedback;
    MainWindow& m_window;
    DefinitionEditor m_editor;
    bool m_filling = false;

    QComboBox* m_type = nullptr;
    QLineEdit* m_defaultValue = nullptr;
    QPlainTextEdit* m_fixedValues = nullptr;
    QPlainTextEdit* m_help = nullptr;
};

// Shown when "settings.qvx" could not be changed.
extern const char* const kSettingsNotWritten;

}  // namespace quorvex::ui
