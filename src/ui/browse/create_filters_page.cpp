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

QPushButton* Button(const QString& text, const QString& tip, const char* name, QWidget* parent) {
    return Named(CaptionButton(text, tip, 60, parent), name, tip);
}

}  // namespace

CreateFiltersPage::CreateFiltersPage(store::Session& session, store::UserFeedback& feedback,
                                     QWidget& window, QWidget* parent)
    : QWidget(parent), m_session(session), m_feedback(feedback), m_window(window) {
    setObjectName(QStringLiteral("createFiltersPage"));

    auto* list =
        Named(new QListWidget(this), "filtersList", tr("Here are listed the filters available!"));
    m_fields = Named(new QListWidget(this), "fieldsList", tr("These are the QVX fields!"));
    m_operators = Named(new QListWidget(this), "operatorsList",
                        tr("These are the operators you can use to create filters!"));
    for (QListWidget* list : {m_fields, m_operators}) {
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    auto* name = Named(new QLineEdit(this), "filterName", tr("This is the name of the filter!"));
    m_value = Named(new QLineEdit(this), "filterValue",
                    tr("Some operators need a value to compare with the selected QVX field!"));
    m_testResult = Named(new QLabel(this), "testResult",
                         tr("This is the number of matching games fot this filter!"));
    // A sunken field on the base colour, so that it does not read as a button.
    m_testResult->setFrameShape(QFrame::Panel);
    m_testResult->setFrameShadow(QFrame::Sunken);
    m_testResult->setBackgroundRole(QPalette::Base);
    m_testResult->setAutoFillBackground(true);
    m_testResult->setAlignment(Qt::AlignCenter);
    m_testResult->setMinimumWidth(90);

    QPushButton* add =
        Button(tr("New"), tr("Press this to insert a new filter!"), "newFilter", this);
    QPushButton* modify =
        Button(tr("Modify"), tr("Press this to modify this filter!"), "modifyFilter", this);
    QPushButton* remove =
        Button(tr("Delete"), tr("Deletes permanently this filter!"), "deleteFilter", this);
    QPushButton* save = Button(tr("Save"), tr("Saves all changes!"), "saveFilter", this);
    QPushButton* cancel = Button(tr("Cancel"), tr("Aborts operation!"), "cancelFilter", this);
    QPushButton* test = Button(tr("Test"), tr("Tests how many games are matched by this filter!"),
                               "testFilter", this);
    m_editor =
        DefinitionEditor({list, name, add, modify, remove, save, cancel}, OffControls::Disabled);

    m_editor.Connect(this, &CreateFiltersPage::NewFilter, &CreateFiltersPage::ModifyFilter,
                     &CreateFiltersPage::Delete, &CreateFiltersPage::Save,
                     &CreateFiltersPage::Cancel, &CreateFiltersPage::ShowDefinition);
    connect(test, &QPushButton::clicked, this, &CreateFiltersPage::Test);
    QGroupBox* listBox = m_editor.ListBox(tr("Filters"), false, this);

    auto* editor = new QGroupBox(tr("Definition"), this);
    auto* grid = new QGridLayout(editor);
    grid->addWidget(m_editor.name(), 0, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Field"), editor), 1, 0);
    grid->addWidget(new QLabel(tr("Operator"), editor), 1, 1);
    grid->addWidget(m_fields, 2, 0);
    grid->addWidget(m_operators, 2, 1);
    grid->addWidget(new QLabel(tr("Value"), editor), 3, 0, 1, 2);
    grid->addWidget(m_value, 4, 0, 1, 2);
    QHBoxLayout* editButtons = m_editor.SaveCancelRow();
    editButtons->addWidget(test);
    editButtons->addWidget(m_testResult);
    grid->addLayout(editButtons, 5, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    PlaceBeside(*this, listBox, editor, 5);

    FillFieldList(*m_fields, m_session.fields);
    for (const char* label : browse::kFilterOperatorLabels) {
        m_operators->addItem(QString::fromLatin1(label));
    }
    FitWidthToItems(*m_operators);
    m_editor.Reload(m_session.filters, 0);
    EnterState(Mode::Browse);
    ShowDefinition(0);
}

void CreateFiltersPage::EnterState(Mode mode) {
    m_editor.Enter(mode, m_session.filters.size());
    m_testResult->setText(tr(kPressTest));
}

void CreateFiltersPage::ShowDefinition(int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= m_session.filters.size()) {
        return;
    }
    const store::FilterDefinition& filter = m_session.filters[static_cast<std::size_t>(position)];
    m_editor.name()->setText(QuotedName(filter.name, " means..."));
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
    const long code = mode() == Mode::New
                          ? browse::NextDefinitionCode(m_session.files.filters, kCountKey)
                          : m_editor.Selected() + 1;
    browse::FilterEditorInput input;
    input.name = ToBytes(m_editor.name()->text());
    input.fieldIndex = SelectedRow(*m_fields);
    input.operatorIndex = SelectedRow(*m_operators);
    input.value = ToBytes(m_value->text());
    return browse::BuildFilterLine(input, m_session.fields, code);
}

void CreateFiltersPage::NewFilter() {
    m_editor.StartEditing(Mode::New, m_session.filters.size(),
                          tr("Type here the name of the new filter!"));
    m_testResult->setText(tr(kPressTest));
    SelectRow(*m_fields, -1);
    SelectRow(*m_operators, -1);
    m_value->clear();
}

void CreateFiltersPage::ModifyFilter() {
    const int position = m_editor.Selected();
    if (position < 0 || static_cast<std::size_t>(position) >= m_session.filters.size()) {
        return;
    }
    m_editor.StartEditing(Mode::Modify, m_session.filters.size(),
                          ToQString(m_session.filters[static_cast<std::size_t>(position)].name));
    m_testResult->setText(tr(kPressTest));
}

void CreateFiltersPage::Save() {
    const bool adding = mode() == Mode::New;
    if (!adding && mode() != Mode::Modify) {
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
        TellNotWritten(m_feedback, "filter", "saved in", path);
        return;
    }
    const int position =
        static_cast<int>(store::ParseLeadingNumber(store::GetRecordValue(built.line, "CODE"))) - 1;
    m_session.filters = store::LoadFilterDefinitions(path);
    m_editor.Reload(m_session.filters, position);
    EnterState(Mode::Browse);
    ShowDefinition(position);
    emit FilterSaved(position, adding);
}

void CreateFiltersPage::Cancel() {
    EnterState(Mode::Browse);
    ShowDefinition(m_editor.Selected());
}

void CreateFiltersPage::Delete() {
    const std::string& path = m_session.files.filters;
    if (!m_editor.DeleteSelected(m_feedback, path, kCountKey, m_session.filters.size(), "filter")) {
        return;
    }
    m_session.filters = store::LoadFilterDefinitions(path);
    // Positions have moved, so no old check would still mean the same filter.
    m_session.state.lastFilters.assign(m_session.filters.size(), ' ');
    m_editor.Reload(m_session.filters, 0);
    EnterState(Mode::Browse);
    ShowDefinition(0);
    emit FiltersDeleted();
}

void CreateFiltersPage::Test() {
    const Mode before = mode();
    m_editor.SetState(Mode::Modify);
    const browse::BuiltLine built = BuildLine();
    if (built.error != browse::BuildError::None) {
        m_feedback.ShowMessage("Not all fields have a valid data!",
                               store::MessageIcon::Exclamation);
        m_editor.SetState(before);
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
    m_editor.SetState(before);
}

}  // namespace quorvex::ui
