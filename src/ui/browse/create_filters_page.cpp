#include "ui/browse/create_filters_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "browse/conditions.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"
#include "ui/progress_window.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

namespace {

constexpr const char* kCountKey = "FILTERS_COUNT";
constexpr const char* kPressTest = "Press test!";

QPushButton* Button(const QString& text, const QString& tip, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    button->setMinimumWidth(60);
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

CreateFiltersPage::CreateFiltersPage(store::Session& session, store::UserFeedback& feedback,
                                     QWidget& window, QWidget* parent)
    : QWidget(parent), m_session(session), m_feedback(feedback), m_window(window) {
    setObjectName(QStringLiteral("createFiltersPage"));

    m_filters = new QListWidget(this);
    m_filters->setObjectName(QStringLiteral("filtersList"));
    m_filters->setToolTip(tr("Here are listed the filters available!"));
    m_fields = new QListWidget(this);
    m_fields->setObjectName(QStringLiteral("fieldsList"));
    m_fields->setToolTip(tr("These are the QVX fields!"));
    m_operators = new QListWidget(this);
    m_operators->setObjectName(QStringLiteral("operatorsList"));
    m_operators->setToolTip(tr("These are the operators you can use to create filters!"));
    for (QListWidget* list : {m_fields, m_operators}) {
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("filterName"));
    m_name->setToolTip(tr("This is the name of the filter!"));
    m_value = new QLineEdit(this);
    m_value->setObjectName(QStringLiteral("filterValue"));
    m_value->setToolTip(tr("Some operators need a value to compare with the selected QVX field!"));
    m_testResult = new QLabel(this);
    m_testResult->setObjectName(QStringLiteral("testResult"));
    m_testResult->setToolTip(tr("This is the number of matching games fot this filter!"));
    // A sunken field on the base colour, so that it does not read as a button.
    m_testResult->setFrameShape(QFrame::Panel);
    m_testResult->setFrameShadow(QFrame::Sunken);
    m_testResult->setBackgroundRole(QPalette::Base);
    m_testResult->setAutoFillBackground(true);
    m_testResult->setAlignment(Qt::AlignCenter);
    m_testResult->setMinimumWidth(90);

    m_new = Button(tr("New"), tr("Press this to insert a new filter!"), this);
    m_new->setObjectName(QStringLiteral("newFilter"));
    m_modify = Button(tr("Modify"), tr("Press this to modify this filter!"), this);
    m_modify->setObjectName(QStringLiteral("modifyFilter"));
    m_delete = Button(tr("Delete"), tr("Deletes permanently this filter!"), this);
    m_delete->setObjectName(QStringLiteral("deleteFilter"));
    m_save = Button(tr("Save"), tr("Saves all changes!"), this);
    m_save->setObjectName(QStringLiteral("saveFilter"));
    m_cancel = Button(tr("Cancel"), tr("Aborts operation!"), this);
    m_cancel->setObjectName(QStringLiteral("cancelFilter"));
    m_test = Button(tr("Test"), tr("Tests how many games are matched by this filter!"), this);
    m_test->setObjectName(QStringLiteral("testFilter"));

    connect(m_new, &QPushButton::clicked, this, &CreateFiltersPage::NewFilter);
    connect(m_modify, &QPushButton::clicked, this, &CreateFiltersPage::ModifyFilter);
    connect(m_delete, &QPushButton::clicked, this, &CreateFiltersPage::Delete);
    connect(m_save, &QPushButton::clicked, this, &CreateFiltersPage::Save);
    connect(m_cancel, &QPushButton::clicked, this, &CreateFiltersPage::Cancel);
    connect(m_test, &QPushButton::clicked, this, &CreateFiltersPage::Test);
    connect(m_filters, &QListWidget::itemSelectionChanged, this, [this]() {
        const int row = SelectedFilter();
        if (row >= 0 && m_mode == Mode::Browse) {
            ShowDefinition(row);
        }
    });

    auto* listBox = new QGroupBox(tr("Filters"), this);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(m_new);
    listButtons->addWidget(m_modify);
    listButtons->addWidget(m_delete);
    auto* listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(m_filters, 1);
    listLayout->addLayout(listButtons);

    auto* editor = new QGroupBox(tr("Definition"), this);
    auto* grid = new QGridLayout(editor);
    grid->addWidget(m_name, 0, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Field"), editor), 1, 0);
    grid->addWidget(new QLabel(tr("Operator"), editor), 1, 1);
    grid->addWidget(m_fields, 2, 0);
    grid->addWidget(m_operators, 2, 1);
    grid->addWidget(new QLabel(tr("Value"), editor), 3, 0, 1, 2);
    grid->addWidget(m_value, 4, 0, 1, 2);
    auto* editButtons = new QHBoxLayout;
    editButtons->addWidget(m_save);
    editButtons->addWidget(m_cancel);
    editButtons->addStretch(1);
    editButtons->addWidget(m_test);
    editButtons->addWidget(m_testResult);
    grid->addLayout(editButtons, 5, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(listBox, 2);
    layout->addWidget(editor, 5);

    for (const store::FieldDefinition& field : m_session.fields) {
        m_fields->addItem(ToQString(field.name));
    }
    for (const char* label : browse::kFilterOperatorLabels) {
        m_operators->addItem(QString::fromLatin1(label));
    }
    FillFiltersList();
    EnterState(Mode::Browse);
    SelectRow(*m_filters, 0);
    ShowDefinition(0);
}

void CreateFiltersPage::FillFiltersList() {
    const QSignalBlocker quiet(m_filters);
    m_filters->clear();
    for (const store::FilterDefinition& filter : m_session.filters) {
        m_filters->addItem(ToQString(filter.name));
    }
}

int CreateFiltersPage::SelectedFilter() const {
    return SelectedRow(*m_filters);
}

void CreateFiltersPage::EnterState(Mode mode) {
    m_mode = mode;
    const bool browsing = mode == Mode::Browse;
    m_new->setEnabled(browsing);
    m_modify->setEnabled(browsing && !m_session.filters.empty());
    m_delete->setEnabled(browsing && m_session.filters.size() >= 2);
    m_save->setEnabled(!browsing);
    m_cancel->setEnabled(!browsing);
    m_filters->setEnabled(browsing);
    m_testResult->setText(tr(kPressTest));
}

void CreateFiltersPage::ShowDefinition(int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= m_session.filters.size()) {
        return;
    }
    const store::FilterDefinition& filter = m_session.filters[static_cast<std::size_t>(position)];
    m_name->setText(QLatin1Char('"') + ToQString(filter.name) + QStringLiteral("\" means..."));
    m_testResult->setText(tr(kPressTest));
    const browse::DecodedFilter decoded =
        browse::DecodeFilterCondition(filter.condition, m_session.fields);
    SelectRow(*m_fields, decoded.fieldIndex);
    if (decoded.operatorIndex) {
        SelectRow(*m_operators, *decoded.operatorIndex);
    }
    m_value->setText(ToQString(decoded.value));
}

browse::BuiltLine CreateFiltersPage::BuildLine() const {
    const long code = m_mode == Mode::New
                          ? browse::NextDefinitionCode(m_session.files.filters, kCountKey)
                          : SelectedFilter() + 1;
    browse::FilterEditorInput input;
    input.name = ToBytes(m_name->text());
    input.fieldIndex = SelectedRow(*m_fields);
    input.operatorIndex = SelectedRow(*m_operators);
    input.value = ToBytes(m_value->text());
    return browse::BuildFilterLine(input, m_session.fields, code);
}

void CreateFiltersPage::NewFilter() {
    EnterState(Mode::New);
    m_name->setText(tr("Type here the name of the new filter!"));
    m_name->selectAll();
    m_name->setFocus();
    SelectRow(*m_fields, -1);
    SelectRow(*m_operators, -1);
    m_value->clear();
}

void CreateFiltersPage::ModifyFilter() {
    const int position = SelectedFilter();
    if (position < 0 || static_cast<std::size_t>(position) >= m_session.filters.size()) {
        return;
    }
    EnterState(Mode::Modify);
    m_name->setText(ToQString(m_session.filters[static_cast<std::size_t>(position)].name));
    m_name->selectAll();
    m_name->setFocus();
}

void CreateFiltersPage::Save() {
    const bool adding = m_mode == Mode::New;
    if (!adding && m_mode != Mode::Modify) {
        return;
    }
    const browse::BuiltLine built = BuildLine();
    if (built.error != browse::BuildError::None) {
        m_feedback.ShowMessage(browse::FilterBuildMessage(built.error),
                               store::MessageIcon::Exclamation);
        return;
    }
    const std::string& path = m_session.files.filters;
    const bool written = adding ? browse::AddDefinition(path, kCountKey, built.line)
                                : browse::ReplaceDefinition(path, built.line);
    if (!written) {
        // The editor keeps what was typed, so nothing is lost by trying again.
        m_feedback.ShowMessage(
            "The filter could not be saved in " + store::FileNamePart(path) + "!",
            store::MessageIcon::Exclamation);
        return;
    }
    const int position =
        static_cast<int>(store::ParseLeadingNumber(store::GetRecordValue(built.line, "CODE"))) - 1;
    m_session.filters = store::LoadFilterDefinitions(path);
    FillFiltersList();
    EnterState(Mode::Browse);
    SelectRow(*m_filters, position);
    ShowDefinition(position);
    emit FilterSaved(position, adding);
}

void CreateFiltersPage::Cancel() {
    EnterState(Mode::Browse);
    ShowDefinition(SelectedFilter());
}

void CreateFiltersPage::Delete() {
    const int position = SelectedFilter();
    if (position < 0 || m_session.filters.size() < 2) {
        return;
    }
    if (!m_feedback.AskYesNo("Are you sure?")) {
        return;
    }
    m_mode = Mode::Delete;
    const std::string& path = m_session.files.filters;
    // The CODE comes from the list position alone: a definition the editor
    // cannot show (an unknown field or operator) can still be removed.
    const bool removed = browse::DeleteDefinitionAt(path, kCountKey, position);
    EnterState(Mode::Browse);
    if (!removed) {
        m_feedback.ShowMessage(
            "The filter could not be deleted from " + store::FileNamePart(path) + "!",
            store::MessageIcon::Exclamation);
        return;
    }
    m_session.filters = store::LoadFilterDefinitions(path);
    // Positions have moved, so no old check would still mean the same filter.
    m_session.state.lastFilters.assign(m_session.filters.size(), ' ');
    FillFiltersList();
    EnterState(Mode::Browse);
    SelectRow(*m_filters, 0);
    ShowDefinition(0);
    emit FiltersDeleted();
}

void CreateFiltersPage::Test() {
    const Mode before = m_mode;
    m_mode = Mode::Modify;
    const browse::BuiltLine built = BuildLine();
    if (built.error != browse::BuildError::None) {
        m_feedback.ShowMessage("Not all fields have a valid data!",
                               store::MessageIcon::Exclamation);
        m_mode = before;
        return;
    }
    const browse::Condition condition(store::GetRecordValue(built.line, "CONDITION"));
    const char field = condition.field();
    const std::string_view key(&field, 1);

    const bool wasEnabled = m_window.isEnabled();
    m_window.setEnabled(false);
    {
        ProgressWindow progress(&m_window);
        progress.Open(store::kProgressTitle, false);
        progress.SetText("Counting occorrences...");
        progress.SetRange(0, m_session.games.count() / 6);
        progress.SetStep(1);
        int matches = 0;
        for (int i = 0; i < m_session.games.count(); ++i) {
            if (condition.Matches(store::RecordValueView(m_session.games[i].line, key))) {
                ++matches;
            }
            if (i % 6 == 0) {
                progress.Step();
                progress.Pump();
            }
            m_testResult->setText(QString::number(matches));
        }
        if (m_session.games.empty()) {
            m_testResult->setText(QString::number(0));
        }
        progress.Close();
    }
    m_window.setEnabled(wasEnabled);
    m_mode = before;
}

}  // namespace quorvex::ui
