#pragma once
// The Create filters page: the filter definitions of "filters.qvx", an
// editor for one of them, and the Test count of the games its condition matches.

#include <QWidget>

#include "browse/definition_editing.h"
#include "store/session.h"
#include "store/user_feedback.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvex::ui {

class CreateFiltersPage : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Browse, New, Modify, Delete };

    // window is disabled while Test counts; session and window must outlive the page.
    CreateFiltersPage(store::Session& session, store::UserFeedback& feedback, QWidget& window,
                      QWidget* parent = nullptr);

    Mode mode() const { return m_mode; }
    QListWidget* filtersList() const { return m_filters; }
    QListWidget* fieldsList() const { return m_fields; }
    QListWidget* operatorsList() const { return m_operators; }
    QLineEdit* nameBox() const { return m_name; }
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
    void FillFiltersList();
    void ShowDefinition(int position);
    int SelectedFilter() const;
    browse::BuiltLine BuildLine() const;

    store::Session& m_session;
    store::UserFeedback& m_feedback;
    QWidget& m_window;
    Mode m_mode = Mode::Browse;

    QListWidget* m_filters = nullptr;
    QListWidget* m_fields = nullptr;
    QListWidget* m_operators = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_value = nullptr;
    QLabel* m_testResult = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_modify = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_test = nullptr;
};

}  // namespace quorvex::ui
