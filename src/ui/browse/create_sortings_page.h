#pragma once
// The Create sortings page: the sorting definitions of "sortings.qvx" and an
// editor that adds one (a field and a direction) or deletes one.

#include <QWidget>

#include "browse/definition_editing.h"
#include "store/session.h"
#include "store/user_feedback.h"
#include "ui/definition_editor.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvex::ui {

class CreateSortingsPage : public QWidget {
    Q_OBJECT
public:
    // Browse, New and Delete: a sorting cannot be modified.
    using Mode = EditorState;

    // session must outlive the page.
    CreateSortingsPage(store::Session& session, store::UserFeedback& feedback,
                       QWidget* parent = nullptr);

    Mode mode() const { return m_editor.state(); }
    bool ascendingShown() const { return m_ascending; }
    QListWidget* sortingsList() const { return m_editor.list(); }
    QListWidget* fieldsList() const { return m_fields; }
    QLineEdit* nameBox() const { return m_editor.name(); }
    QPushButton* directionButton() const { return m_direction; }

signals:
    // A new definition was appended at position and the sorting table reloaded.
    void SortingAdded(int position);
    // A definition was deleted and the sorting table reloaded.
    void SortingDeleted();

private:
    void NewSorting();
    void ToggleDirection();
    void ShowDirection(bool ascending);
    void Save();
    void Cancel();
    void Delete();
    void ShowDefinition(int position);

    store::Session& m_session;
    store::UserFeedback& m_feedback;
    DefinitionEditor m_editor;
    bool m_ascending = true;

    QListWidget* m_fields = nullptr;
    QPushButton* m_direction = nullptr;
};

}  // namespace quorvex::ui
