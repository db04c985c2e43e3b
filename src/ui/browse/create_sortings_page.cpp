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

QPushButton* Button(const QString& text, const QString& tip, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    button->setMinimumWidth(72);
    return button;
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

}  // namespace

CreateSortingsPage::CreateSortingsPage(store::Session& session, store::UserFeedback& feedback,
                                       QWidget* parent)
    : QWidget(parent), m_session(session), m_feedback(feedback) {
    setObjectName(QStringLiteral("createSortingsPage"));

    m_sortings = new QListWidget(this);
    m_sortings->setObjectName(QStringLiteral("sortingsList"));
    m_sortings->setToolTip(tr("Here are listed the sortings available!"));
    m_fields = new QListWidget(this);
    m_fields->setObjectName(QStringLiteral("fieldsList"));
    m_fields->setToolTip(tr("These are the QVX fields!"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("sortingName"));
    m_name->setToolTip(tr("This is the name of the sorting!"));
    m_direction = new QPushButton(this);
    m_direction->setObjectName(QStringLiteral("directionButton"));
    m_direction->setToolTip(tr("How would you like to sort the list?"));
    m_direction->setIconSize(QSize(28, 28));
    m_direction->setMinimumHeight(40);
    m_direction->setAutoDefault(false);

    m_new = Button(tr("New"), tr("Press this to insert a new sorting!"), this);
    m_new->setObjectName(QStringLiteral("newSorting"));
    m_delete = Button(tr("Delete"), tr("Deletes permanently the sorting!"), this);
    m_delete->setObjectName(QStringLiteral("deleteSorting"));
    m_save = Button(tr("Save"), tr("Saves this new sorting!"), this);
    m_save->setObjectName(QStringLiteral("saveSorting"));
    m_cancel = Button(tr("Cancel"), tr("Aborts operations!"), this);
    m_cancel->setObjectName(QStringLiteral("cancelSorting"));

    connect(m_new, &QPushButton::clicked, this, &CreateSortingsPage::NewSorting);
    connect(m_delete, &QPushButton::clicked, this, &CreateSortingsPage::Delete);
    connect(m_save, &QPushButton::clicked, this, &CreateSortingsPage::Save);
    connect(m_cancel, &QPushButton::clicked, this, &CreateSortingsPage::Cancel);
    connect(m_direction, &QPushButton::clicked, this, &CreateSortingsPage::ToggleDirection);
    connect(m_sortings, &QListWidget::itemSelectionChanged, this, [this]() {
        const int row = SelectedSorting();
        if (row >= 0 && m_mode == Mode::Browse) {
            ShowDefinition(row);
        }
    });

    auto* listBox = new QGroupBox(tr("Sortings"), this);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(m_new);
    listButtons->addWidget(m_delete);
    listButtons->addStretch(1);
    auto* listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(m_sortings, 1);
    listLayout->addLayout(listButtons);

    auto* editor = new QGroupBox(tr("Definition"), this);
    auto* grid = new QGridLayout(editor);
    grid->addWidget(m_name, 0, 0);
    grid->addWidget(new QLabel(tr("Field"), editor), 1, 0);
    grid->addWidget(m_fields, 2, 0);
    grid->addWidget(m_direction, 3, 0);
    auto* editButtons = new QHBoxLayout;
    editButtons->addWidget(m_save);
    editButtons->addWidget(m_cancel);
    editButtons->addStretch(1);
    grid->addLayout(editButtons, 4, 0);
    grid->setRowStretch(2, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(listBox, 2);
    layout->addWidget(editor, 3);

    for (const store::FieldDefinition& field : m_session.fields) {
        m_fields->addItem(ToQString(field.name));
    }
    ShowDirection(true);
    FillSortingsList();
    EnterState(Mode::Browse);
    SelectRow(*m_sortings, 0);
    ShowDefinition(0);
}

void CreateSortingsPage::FillSortingsList() {
    const QSignalBlocker quiet(m_sortings);
    m_sortings->clear();
    for (const store::SortingDefinition& sorting : m_session.sortings) {
        m_sortings->addItem(ToQString(sorting.name));
    }
}

int CreateSortingsPage::SelectedSorting() const {
    return SelectedRow(*m_sortings);
}

void CreateSortingsPage::EnterState(Mode mode) {
    m_mode = mode;
    const bool browsing = mode == Mode::Browse;
    m_new->setEnabled(browsing);
    m_delete->setEnabled(browsing && m_session.sortings.size() >= 2);
    m_save->setEnabled(!browsing);
    m_cancel->setEnabled(!browsing);
    m_sortings->setEnabled(browsing);
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
    m_name->setText(QLatin1Char('"') + ToQString(sorting.name) +
                    QStringLiteral("\" means an order by ..."));
    SelectRow(*m_fields, browse::FieldIndexOf(sorting.condition, m_session.fields));
    ShowDirection(sorting.condition.size() >= 2 && sorting.condition[1] == 'A');
}

void CreateSortingsPage::NewSorting() {
    EnterState(Mode::New);
    m_name->setText(tr("Type here the name of the new sorting!"));
    m_name->selectAll();
    m_name->setFocus();
    SelectRow(*m_fields, -1);
}

void CreateSortingsPage::Save() {
    if (m_mode != Mode::New) {
        return;
    }
    const std::string& path = m_session.files.sortings;
    browse::SortingEditorInput input;
    input.name = ToBytes(m_name->text());
    input.fieldIndex = SelectedRow(*m_fields);
    input.ascending = m_ascending;
    const browse::BuiltLine built = browse::BuildSortingLine(
        input, m_session.fields, browse::NextDefinitionCode(path, kCountKey));
    if (built.error != browse::BuildError::None) {
        // Still in New: the user is asked to complete the definition, and can.
        m_feedback.ShowMessage(browse::SortingBuildMessage(built.error),
                               store::MessageIcon::Exclamation);
        return;
    }
    if (!browse::AddDefinition(path, kCountKey, built.line)) {
        m_feedback.ShowMessage(
            "The sorting could not be saved in " + store::FileNamePart(path) + "!",
            store::MessageIcon::Exclamation);
        return;
    }
    const int position =
        static_cast<int>(store::ParseLeadingNumber(store::GetRecordValue(built.line, "CODE"))) - 1;
    m_session.sortings = store::LoadSortingDefinitions(path);
    FillSortingsList();
    EnterState(Mode::Browse);
    SelectRow(*m_sortings, position);
    ShowDefinition(position);
    emit SortingAdded(position);
}

void CreateSortingsPage::Cancel() {
    EnterState(Mode::Browse);
    ShowDefinition(SelectedSorting());
}

void CreateSortingsPage::Delete() {
    const int position = SelectedSorting();
    if (position < 0 || m_session.sortings.size() < 2) {
        return;
    }
    if (!m_feedback.AskYesNo("Are you sure?")) {
        return;
    }
    m_mode = Mode::Delete;
    const std::string& path = m_session.files.sortings;
    const bool removed = browse::DeleteDefinitionAt(path, kCountKey, position);
    EnterState(Mode::Browse);
    if (!removed) {
        m_feedback.ShowMessage(
            "The sorting could not be deleted from " + store::FileNamePart(path) + "!",
            store::MessageIcon::Exclamation);
        return;
    }
    m_session.sortings = store::LoadSortingDefinitions(path);
    FillSortingsList();
    EnterState(Mode::Browse);
    SelectRow(*m_sortings, 0);
    ShowDefinition(0);
    emit SortingDeleted();
}

}  // namespace quorvex::ui
