#pragma once
// What the definition editors (the Create filters, Create sortings and Create
// settings pages) share: their states and the controls each state switches
// on, the name box prompts, and lists of definitions that fill and select
// without announcing it, so that a page shows a definition only when it means to.

#include <QIcon>
#include <QListWidget>
#include <QSignalBlocker>
#include <QString>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

#include "store/user_feedback.h"
#include "ui/text_codec.h"

class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace quorvex::ui {

enum class EditorState { Browse, New, Modify, Delete };

// How an editor shows a control it switches off.
enum class OffControls { Disabled, Hidden };

struct EditorControls {
    QListWidget* list = nullptr;
    QLineEdit* name = nullptr;
    QPushButton* add = nullptr;
    QPushButton* modify = nullptr;  // none where a definition cannot be changed
    QPushButton* remove = nullptr;
    QPushButton* save = nullptr;
    QPushButton* cancel = nullptr;
};

// Fills list with the names of definitions (anything with a name), each with
// an unchecked check box when checkable, without announcing the change.
template <typename Definitions>
void FillDefinitionList(QListWidget& list, const Definitions& definitions, bool checkable = false) {
    const QSignalBlocker quiet(&list);
    list.clear();
    for (const auto& definition : definitions) {
        auto* item = new QListWidgetItem(ToQString(definition.name), &list);
        if (checkable) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    }
}

// Gives widget its object name (for finding it) and its tooltip; returns it.
template <typename Widget>
Widget* Named(Widget* widget, const char* name, const QString& tip) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setToolTip(tip);
    return widget;
}

// What a page does on its editor's buttons, and how it shows the definition
// the user selects while browsing. Empty ones are left out.
struct EditorActions {
    std::function<void()> add;
    std::function<void()> modify;
    std::function<void()> remove;
    std::function<void()> save;
    std::function<void()> cancel;
    std::function<void(int position)> show;
};

// Widens list, at least, so that its longest item shows whole beside a vertical scroll bar.
void FitWidthToItems(QListWidget& list);
// Fills list with the names of fields, each shown whole.
template <typename Fields>
void FillFieldList(QListWidget& list, const Fields& fields) {
    FillDefinitionList(list, fields);
    FitWidthToItems(list);
}
// Lays page out as its list box beside its editor box, the width shared as
// 2 to editorStretch.
void PlaceBeside(QWidget& page, QWidget* listBox, QWidget* editor, int editorStretch);

// The row of the first selected item, or -1.
int SelectedRow(const QListWidget& list);
// Makes row current and scrolls to it; a row outside the list clears the selection.
void SelectRow(QListWidget& list, int row);

class DefinitionEditor {
public:
    DefinitionEditor() = default;
    DefinitionEditor(const EditorControls& controls, OffControls off);

    EditorState state() const { return m_state; }
    const EditorControls& controls() const { return m_controls; }
    QListWidget* list() const { return m_controls.list; }
    QLineEdit* name() const { return m_controls.name; }
    // Calls the actions from the buttons and the list, for page's lifetime,
    // which this editor (a member of page) shares.
    void Connect(QObject* page, const EditorActions& actions) const;
    // The same with the page's member functions; a null one is left out.
    template <typename Page>
    using PageAction = void (std::type_identity_t<Page>::*)();
    template <typename Page>
    void Connect(Page* page, PageAction<Page> add, PageAction<Page> modify, PageAction<Page> remove,
                 PageAction<Page> save, PageAction<Page> cancel,
                 void (std::type_identity_t<Page>::*show)(int)) const {
        const auto call = [page](PageAction<Page> action) -> std::function<void()> {
            if (action == nullptr) {
                return {};
            }
            return [page, action]() { (page->*action)(); };
        };
        Connect(page, EditorActions{call(add), call(modify), call(remove), call(save), call(cancel),
                                    [page, show](int position) { (page->*show)(position); }});
    }
    // A box titled title with the list above New, Modify and Delete; packed
    // keeps the buttons at their own size instead of sharing the width.
    QGroupBox* ListBox(const QString& title, bool packed, QWidget* parent) const;
    // Save and Cancel at the left of a row that the caller may add to.
    QHBoxLayout* SaveCancelRow() const;
    // The state alone: deleting and counting pass through states that change no control.
    void SetState(EditorState state) { m_state = state; }
    // Browse: the list, New, Modify (when there is a definition) and Delete
    // (with two or more, so that one always remains) on, Save and Cancel off.
    // New and Modify: the other way round.
    void Enter(EditorState state, std::size_t definitions);
    // Enters New or Modify with text in the name box, selected and with the
    // focus, so that typing replaces it.
    void StartEditing(EditorState state, std::size_t definitions, const QString& text);

    int Selected() const { return SelectedRow(*m_controls.list); }
    // Selects position without announcing it.
    void Select(int position);
    // After the definitions were loaded again: refills the list, returns to
    // Browse and selects position.
    template <typename Definitions>
    void Reload(const Definitions& definitions, int position) {
        FillDefinitionList(*m_controls.list, definitions);
        Enter(EditorState::Browse, definitions.size());
        Select(position);
    }

    // Asks "Are you sure?", then removes the selected definition from the
    // definition file at path and returns to Browse. what names a definition
    // in the message shown when the file cannot be changed. True when it was
    // removed; the caller loads the definitions again.
    bool DeleteSelected(store::UserFeedback& feedback, const std::string& path,
                        std::string_view countKey, std::size_t definitions, const char* what);

private:
    void Switch(QWidget* control, bool on) const;

    EditorControls m_controls;
    OffControls m_off = OffControls::Disabled;
    EditorState m_state = EditorState::Browse;
};

// A stored definition's name in double quotes, followed by tail: the
// beginning of the sentence the editor reads as.
QString QuotedName(const std::string& name, const char* tail);
// Tells the user that the definition file at path could not be changed;
// action is what failed ("saved in", "deleted from").
void TellNotWritten(store::UserFeedback& feedback, const char* what, const char* action,
                    const std::string& path);

// A button with a caption that Enter does not press.
QPushButton* CaptionButton(const QString& text, const QString& tip, int minimumWidth,
                           QWidget* parent);
// A button that shows a picture instead of a caption.
QPushButton* PictureButton(const QIcon& icon, const QString& tip, QWidget* parent);
// The single-selection list of definitions of a settings page.
QListWidget* SettingDefinitionList(QWidget* parent);

}  // namespace quorvex::ui
