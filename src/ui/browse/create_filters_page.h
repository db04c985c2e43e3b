#pragma once
// The Create filters page: the filter definitions of "filters.qvx", an
// editor for one of them, and the Test count of the games its condition matches.

#include <QWidget>

#include "browse/definition_editing.h"
#include "store/session.h"
#include "store/user_feedback.h"
#include "ui/definition_editor.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvex::ui {

class CreateFiltersPage : public QWidget {
    Q_OBJECT
public:
    using Mode = EditorState;

    // window is disabled while Test counts; session and window must outlive the page.
    CreateFiltersPage(store::Session& session, store::UserFeedback& feedback, QWidget& window,
                      QWidget* parent = nullptr);

    Mode mode() const { return m_editor.state(); }
    QListWidget* filtersList() const { return m_editor.list(); }
    QListWidget* fieldsList() const { return m_fields; }
    QListWidget* operatorsList() const { return m_operators; }
    QLineEdit* nameBox() const { return m_editor.name(); }
    QLineEdit* valueBox() const { return m_value; }
    QLabel* testResult() const { return m_testResult; }

signals:
    // The definition at position was saved (added when it is new) and the
    // filter table reloaded.
    void FilterSaved(int position, bool added);
    // A definition was deleted, the table reloaded and every filter made inactive.
    void FiltersDeleted();

private:
    void NewFilter();
    void ModifyFilter();
    void Save();
    void Cancel();
    void Delete();
    void Test();
    void EnterState(Mode mode);
    void ShowDefinition(int position);
    browse::BuiltLine BuildLine() const;

    store::Session& m_session;
    store::UserFeedback& m_feedback;
    QWidget& m_window;
    DefinitionEditor m_editor;

    QListWidget* m_fields = nullptr;
    QListWidget* m_operators = nullptr;
    QLineEdit* m_value = nullptr;
    QLabel* m_testResult = nullptr;
};

}  // namespace quorvex::ui
