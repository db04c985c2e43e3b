#include "ui/browse/create_sortings_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"
#include "ui/browse/browse_artwork.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

namespace {

constexpr const char* kCountKey = "SORTINGS_COUNT";

QPushButton* Button(const QString& text, const QString& tip, const char* name, QWidget* parent) {
    return Named(CaptionButton(text, tip, 72, parent), name, tip);
}

}  // namespace

CreateSortingsPage::CreateSortingsPage(store::Session& session, store::UserFeedback& feedback,
                                       QWidget* parent)
    : QWidget(parent), m_session(session), m_feedback(feedback) {
    setObjectName(QStringLiteral("createSortingsPage"));

    auto* list =
        Named(new QListWidget(this), "sortingsList", tr("Here are listed the sortings available!"));
    m_fields = Named(new QListWidget(this), "fieldsList", tr("These are the QVX fields!"));
    auto* name = Named(new QLineEdit(this), "sortingName", tr("This is the name of the sorting!"));
    m_direction =
        Named(new QPushButton(this), "directionButton", tr("How would you like to sort the list?"));
    m_direction->setIconSize(QSize(28, 28));
    m_direction->setMinimumHeight(40);
    m_direction->setAutoDefault(false);

    QPushButton* add =
        Button(tr("New"), tr("Press this to insert a new sorting!"), "newSorting", this);
    QPushButton* remove =
        Button(tr("Delete"), tr("Deletes permanently the sorting!"), "deleteSorting", this);
    QPushButton* save = Button(tr("Save"), tr("Saves this new sorting!"), "saveSorting", this);
    QPushButton* cancel = Button(tr("Cancel"), tr("Aborts operations!"), "cancelSorting", this);
    m_editor =
        DefinitionEditor({list, name, add, nullptr, remove, save, cancel}, OffControls::Disabled);

    m_editor.Connect(this, &CreateSortingsPage::NewSorting, nullptr, &CreateSortingsPage::Delete,
                     &CreateSortingsPage::Save, &CreateSortingsPage::Cancel,
                     &CreateSortingsPage::ShowDefinition);
    connect(m_direction, &QPushButton::clicked, this, &CreateSortingsPage::ToggleDirection);
    QGroupBox* listBox = m_editor.ListBox(tr("Sortings"), true, this);

    auto* editor = new QGroupBox(tr("Definition"), this);
    auto* grid = new QGridLayout(editor);
    grid->addWidget(m_editor.name(), 0, 0);
    grid->addWidget(new QLabel(tr("Field"), editor), 1, 0);
    grid->addWidget(m_fields, 2, 0);
    grid->addWidget(m_direction, 3, 0);
    grid->addLayout(m_editor.SaveCancelRow(), 4, 0);
    grid->setRowStretch(2, 1);

    PlaceBeside(*this, listBox, editor, 3);

    FillFieldList(*m_fields, m_session.fields);
    ShowDirection(true);
    m_editor.Reload(m_session.sortings, 0);
    ShowDefinition(0);
}

void CreateSortingsPage::ShowDirection(bool ascending) {
    m_ascending = ascending;
    m_direction->setIcon(
        BrowseIcon(ascending ? BrowseArtwork::Ascending : BrowseArtwork::Descending));
    m_direction->setText(ascending ? tr("Ascending") : tr("Descending"));
}

void CreateSortingsPage::ToggleDirection() {
    ShowDirection(!m_ascending);
}

void CreateSortingsPage::ShowDefinition(int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= m_session.sortings.size()) {
        return;
    }
    const store::SortingDefinition& sorting =
        m_session.sortings[static_cast<std::size_t>(position)];
    m_editor.name()->setText(QuotedName(sorting.name, " means an order by ..."));
    SelectRow(*m_fields, browse::FieldIndexOf(sorting.condition, m_session.fields));
    ShowDirection(sorting.condition.size() >= 2 && sorting.condition[1] == 'A');
}

void CreateSortingsPage::NewSorting() {
    m_editor.StartEditing(Mode::New, m_session.sortings.size(),
                          tr("Type here the name of the new sorting!"));
    SelectRow(*m_fields, -1);
}

void CreateSortingsPage::Save() {
    if (mode() != Mode::New) {
        return;
    }
    const std::string& path = m_session.files.sortings;
    browse::SortingEditorInput input;
    input.name = ToBytes(m_editor.name()->text());
    input.fieldIndex = SelectedRow(*m_fields);
    input.ascending = m_ascending;
    const browse::BuiltLine built = browse::BuildSortingLine(
        input, m_session.fields, browse::NextDefinitionCode(path, kCountKey));
    if (built.error != browse::BuildError::None) {
        m_feedback.ShowMessage(browse::SortingBuildMessage(built.error),
                               store::MessageIcon::Exclamation);
        // Back to browsing with what was typed still in the boxes; New starts again.
        m_editor.Enter(Mode::Browse, m_session.sortings.size());
        return;
    }
    if (!browse::AddDefinition(path, kCountKey, built.line)) {
        TellNotWritten(m_feedback, "sorting", "saved in", path);
        return;
    }
    const int position =
        static_cast<int>(store::ParseLeadingNumber(store::GetRecordValue(built.line, "CODE"))) - 1;
    m_session.sortings = store::LoadSortingDefinitions(path);
    m_editor.Reload(m_session.sortings, position);
    ShowDefinition(position);
    emit SortingAdded(position);
}

void CreateSortingsPage::Cancel() {
    m_editor.Enter(Mode::Browse, m_session.sortings.size());
    ShowDefinition(m_editor.Selected());
}

void CreateSortingsPage::Delete() {
    const std::string& path = m_session.files.sortings;
    if (!m_editor.DeleteSelected(m_feedback, path, kCountKey, m_session.sortings.size(),
                                 "sorting")) {
        return;
    }
    m_session.sortings = store::LoadSortingDefinitions(path);
    m_editor.Reload(m_session.sortings, 0);
    ShowDefinition(0);
    emit SortingDeleted();
}

}  // namespace quorvex::ui
