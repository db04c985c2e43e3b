#include "ui/definition_editor.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include <utility>

#include "browse/definition_editing.h"
#include "store/text_utils.h"

namespace quorvex::ui {

void FitWidthToItems(QListWidget& list) {
    int widest = 0;
    for (int row = 0; row < list.count(); ++row) {
        widest = std::max(widest, list.fontMetrics().horizontalAdvance(list.item(row)->text()));
    }
    // The item's own margins, the frame on both sides and the scroll bar.
    const int margins =
        2 * list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 8;
    const int scrollBar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    list.setMinimumWidth(widest + margins + 2 * list.frameWidth() + scrollBar);
}

int SelectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.first());
}

void SelectRow(QListWidget& list, int row) {
    if (row < 0 || row >= list.count()) {
        list.clearSelection();
        list.setCurrentRow(-1);
        return;
    }
    list.setCurrentRow(row);
    list.scrollToItem(list.item(row));
}

DefinitionEditor::DefinitionEditor(const EditorControls& controls, OffControls off)
    : m_controls(controls), m_off(off) {}

void DefinitionEditor::Connect(QObject* page, const EditorActions& actions) const {
    const std::pair<QPushButton*, const std::function<void()>*> buttons[] = {
        {m_controls.add, &actions.add},
        {m_controls.modify, &actions.modify},
        {m_controls.remove, &actions.remove},
        {m_controls.save, &actions.save},
        {m_controls.cancel, &actions.cancel}};
    for (const auto& [button, action] : buttons) {
        if (button != nullptr && *action) {
            QObject::connect(button, &QPushButton::clicked, page, *action);
        }
    }
    if (actions.show) {
        QObject::connect(m_controls.list, &QListWidget::itemSelectionChanged, page,
                         [this, show = actions.show]() {
                             const int row = Selected();
                             if (row >= 0 && m_state == EditorState::Browse) {
                                 show(row);
                             }
                         });
    }
}

QGroupBox* DefinitionEditor::ListBox(const QString& title, bool packed, QWidget* parent) const {
    auto* box = new QGroupBox(title, parent);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_controls.add, m_controls.modify, m_controls.remove}) {
        if (button != nullptr) {
            buttons->addWidget(button);
        }
    }
    if (packed) {
        buttons->addStretch(1);
    }
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_controls.list, 1);
    layout->addLayout(buttons);
    return box;
}

QHBoxLayout* DefinitionEditor::SaveCancelRow() const {
    auto* row = new QHBoxLayout;
    row->addWidget(m_controls.save);
    row->addWidget(m_controls.cancel);
    row->addStretch(1);
    return row;
}

void PlaceBeside(QWidget& page, QWidget* listBox, QWidget* editor, int editorStretch) {
    auto* layout = new QHBoxLayout(&page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(listBox, 2);
    layout->addWidget(editor, editorStretch);
}

void DefinitionEditor::Switch(QWidget* control, bool on) const {
    if (control == nullptr) {
        return;
    }
    if (m_off == OffControls::Hidden) {
        control->setVisible(on);
    } else {
        control->setEnabled(on);
    }
}

void DefinitionEditor::Enter(EditorState state, std::size_t definitions) {
    m_state = state;
    const bool browsing = state == EditorState::Browse;
    Switch(m_controls.add, browsing);
    Switch(m_controls.modify, browsing && definitions > 0);
    Switch(m_controls.remove, browsing && definitions >= 2);
    Switch(m_controls.save, !browsing);
    Switch(m_controls.cancel, !browsing);
    // A list is never hidden: while a definition is typed it only stands still.
    m_controls.list->setEnabled(browsing);
}

void DefinitionEditor::StartEditing(EditorState state, std::size_t definitions,
                                    const QString& text) {
    Enter(state, definitions);
    m_controls.name->setText(text);
    m_controls.name->selectAll();
    m_controls.name->setFocus();
}

void DefinitionEditor::Select(int position) {
    const QSignalBlocker quiet(m_controls.list);
    SelectRow(*m_controls.list, position);
}

bool DefinitionEditor::DeleteSelected(store::UserFeedback& feedback, const std::string& path,
                                      std::string_view countKey, std::size_t definitions,
                                      const char* what) {
    const int position = Selected();
    if (position < 0 || definitions < 2) {
        return false;
    }
    if (!feedback.AskYesNo("Are you sure?")) {
        return false;
    }
    m_state = EditorState::Delete;
    // The CODE comes from the list position alone: a definition the editor
    // cannot show (an unknown field or operator) can still be removed.
    const bool removed = browse::DeleteDefinitionAt(path, countKey, position);
    Enter(EditorState::Browse, definitions);
    if (!removed) {
        TellNotWritten(feedback, what, "deleted from", path);
    }
    return removed;
}

QString QuotedName(const std::string& name, const char* tail) {
    return QLatin1Char('"') + ToQString(name) + QLatin1Char('"') + QString::fromLatin1(tail);
}

void TellNotWritten(store::UserFeedback& feedback, const char* what, const char* action,
                    const std::string& path) {
    feedback.ShowMessage(std::string("The ") + what + " could not be " + action + " " +
                             store::FileNamePart(path) + "!",
                         store::MessageIcon::Exclamation);
}

QPushButton* CaptionButton(const QString& text, const QString& tip, int minimumWidth,
                           QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    button->setMinimumWidth(minimumWidth);
    return button;
}

QPushButton* PictureButton(const QIcon& icon, const QString& tip, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setIcon(icon);
    button->setIconSize(QSize(26, 26));
    button->setMinimumSize(46, 38);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

QListWidget* SettingDefinitionList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAlternatingRowColors(true);
    return list;
}

}  // namespace quorvex::ui
