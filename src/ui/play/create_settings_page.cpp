#include "ui/play/create_settings_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "play/setting_definitions.h"
#include "store/record_file.h"
#include "ui/busy_indicator.h"
#include "ui/event_pump.h"
#include "ui/main_window.h"
#include "ui/play/play_artwork.h"
#include "ui/progress_window.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

const char* const kSettingsNotWritten =
    "Warning!\nThe file settings.qvx could not be changed!\nThe settings are as they were.";

namespace {

// The boxes are read up to this many characters.
constexpr int kBoxLimit = 1499;

QPushButton* Button(PlayArtwork picture, const QString& tip, const char* name, QWidget* parent) {
    return Named(PictureButton(PlayIcon(picture), tip, parent), name, tip);
}

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    label->setPalette(palette);
    return label;
}

// The boxes show line feeds; the definitions keep CR LF between items.
QString BoxText(const std::string& bytes) {
    QString text = ToQString(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string BoxBytes(const QString& text) {
    QString limited = text.left(kBoxLimit);
    limited.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    limited.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ToBytes(limited);
}

// The delete's progress: the main window is disabled and busy while the
// games are cleaned, from the opening of the window to its closing.
class WindowProgress : public store::Progress {
public:
    explicit WindowProgress(MainWindow& window) : m_window(window), m_progress(&window) {}
    ~WindowProgress() override { Close(); }

    void Open(const std::string& title, bool canCancel) override {
        m_window.setEnabled(false);
        m_window.busy().On();
        m_open = true;
        m_progress.Open(title, canCancel);
    }
    void SetRange(int lower, int upper) override { m_progress.SetRange(lower, upper); }
    void SetStep(int step) override { m_progress.SetStep(step); }
    void SetText(const std::string& text) override { m_progress.SetText(text); }
    void Step() override { m_progress.Step(); }
    void SetPosition(int position) override { m_progress.SetPosition(position); }
    void Pump() override { m_progress.Pump(); }
    bool Cancelled() const override { return m_progress.Cancelled(); }
    void Close() override {
        m_progress.Close();
        if (m_open) {
            m_open = false;
            m_window.busy().Off();
            m_window.setEnabled(true);
            m_window.activateWindow();
        }
    }

private:
    MainWindow& m_window;
    ProgressWindow m_progress;
    bool m_open = false;
};

// Remembers the answer, so that a refusal can be told from a file that would not change.
class AnswerRecorder : public store::UserFeedback {
public:
    explicit AnswerRecorder(store::UserFeedback& feedback) : m_feedback(feedback) {}
    void ShowMessage(const std::string& text, store::MessageIcon icon) override {
        m_feedback.ShowMessage(text, icon);
    }
    bool AskYesNo(const std::string& text) override {
        m_yes = m_feedback.AskYesNo(text);
        return m_yes;
    }
    bool answeredYes() const { return m_yes; }

private:
    store::UserFeedback& m_feedback;
    bool m_yes = false;
};

}  // namespace

CreateSettingsPage::CreateSettingsPage(store::Session& session, store::UserFeedback& feedback,
                                       MainWindow& window, QWidget* parent)
    : QWidget(parent), m_session(session), m_feedback(feedback), m_window(window) {
    setObjectName(QStringLiteral("createSettingsPage"));
    BuildControls();
    FillDefinitionList(*m_editor.list(), m_session.settings);
    ShowBrowsingLayout();
    SelectAndShow(0);
}

CreateSettingsPage::~CreateSettingsPage() = default;

CreateSettingsPage::Mode CreateSettingsPage::mode() const {
    switch (m_editor.state()) {
        case EditorState::New:
        case EditorState::Modify:
            return Mode::New;
        case EditorState::Delete:
            return Mode::Deleting;
        case EditorState::Browse:
            break;
    }
    return Mode::Browsing;
}

void CreateSettingsPage::BuildControls() {
    auto* list = Named(SettingDefinitionList(this), "settingDefinitionsList",
                       tr("Here are listed all the settings available!"));
    auto* name =
        Named(new QLineEdit(this), "settingNameBox", tr("This is the name of the setting!"));
    name->setMaxLength(kBoxLimit);
    m_type = Named(new QComboBox(this), "settingTypeList", tr("This is the setting's type!"));
    for (const char* label :
         {play::kOnOffTypeLabel, play::kVariableValueTypeLabel, play::kFixedSelectionTypeLabel}) {
        m_type->addItem(QString::fromLatin1(label));
    }

    m_defaultValue = Named(new QLineEdit(this), "settingDefaultValueBox",
                           tr("Enter here the default value for the setting!"));
    m_defaultValue->setMaxLength(kBoxLimit);
    m_fixedValues = Named(new QPlainTextEdit(this), "settingFixedValuesBox",
                          tr("These are the setting's fixed values!"));
    m_fixedValues->setTabChangesFocus(true);
    m_help = Named(new QPlainTextEdit(this), "settingHelpBox",
                   tr("Enter here a brief description of the setting!"));
    m_help->setTabChangesFocus(true);

    QPushButton* save = Button(PlayArtwork::Save, tr("Saves changes!"), "saveSettingButton", this);
    QPushButton* add =
        Button(PlayArtwork::New, tr("Inserts new setting!"), "newSettingButton", this);
    QPushButton* remove = Button(PlayArtwork::Delete, tr("Deletes permanently the setting!"),
                                 "deleteSettingButton", this);
    QPushButton* cancel =
        Button(PlayArtwork::Cancel, tr("Aborts operation!"), "cancelSettingButton", this);
    m_editor =
        DefinitionEditor({list, name, add, nullptr, remove, save, cancel}, OffControls::Hidden);

    m_editor.Connect(this, &CreateSettingsPage::StartNew, nullptr, &CreateSettingsPage::Delete,
                     &CreateSettingsPage::Save, &CreateSettingsPage::CancelNew,
                     &CreateSettingsPage::ShowDefinition);
    connect(m_type, &QComboBox::currentIndexChanged, this, &CreateSettingsPage::TypeChosen);

    // The name box and the type list read as one sentence: "-soundcard" is a... Fixed selection
    // type.
    auto* sentence = new QHBoxLayout;
    sentence->addWidget(m_editor.name(), 3);
    sentence->addWidget(m_type, 2);

    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(8);
    boxes->setVerticalSpacing(6);
    boxes->addWidget(Caption(tr("Setting"), this), 0, 0);
    boxes->addLayout(sentence, 0, 1);
    boxes->addWidget(Caption(tr("Default value"), this), 1, 0);
    boxes->addWidget(m_defaultValue, 1, 1);
    boxes->addWidget(Caption(tr("Fixed values"), this), 2, 0, Qt::AlignTop);
    boxes->addWidget(m_fixedValues, 2, 1);
    boxes->addWidget(Caption(tr("Help"), this), 3, 0, Qt::AlignTop);
    boxes->addWidget(m_help, 3, 1);
    boxes->setRowStretch(2, 3);
    boxes->setRowStretch(3, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(m_editor.list(), 2);
    layout->addSpacing(4);
    layout->addLayout(boxes, 5);
    layout->addLayout(buttons);
}

void CreateSettingsPage::SelectAndShow(int position) {
    if (position < 0 || position >= m_editor.list()->count()) {
        return;
    }
    m_editor.Select(position);
    ShowDefinition(position);
}

void CreateSettingsPage::ShowDefinition(int position) {
    if (position < 0 || position >= static_cast<int>(m_session.settings.size())) {
        return;
    }
    const play::SettingEditorView view =
        play::ShowSettingDefinition(m_session.settings[static_cast<std::size_t>(position)]);
    m_filling = true;
    m_editor.name()->setText(ToQString(view.nameBox));
    m_type->setCurrentIndex(view.typeIndex);
    m_defaultValue->setText(ToQString(view.defaultValueBox));
    m_fixedValues->setPlainText(BoxText(view.fixedValuesBox));
    m_help->setPlainText(BoxText(view.helpBox));
    m_filling = false;
}

void CreateSettingsPage::ShowBrowsingLayout() {
    m_editor.Enter(EditorState::Browse, m_session.settings.size());
}

void CreateSettingsPage::StartNew() {
    m_filling = true;
    m_type->setCurrentIndex(-1);
    m_defaultValue->clear();
    m_fixedValues->clear();
    m_help->clear();
    m_filling = false;
    m_editor.StartEditing(EditorState::New, m_session.settings.size(),
                          QString::fromLatin1(play::kNewSettingNamePrompt));
}

void CreateSettingsPage::TypeChosen(int index) {
    if (m_filling || mode() == Mode::Browsing) {
        return;
    }
    m_filling = true;
    switch (index) {
        case 0:
            m_defaultValue->clear();
            m_fixedValues->clear();
            break;
        case 1:
            m_fixedValues->clear();
            m_defaultValue->setText(QString::fromLatin1(play::kDefaultValueExample));
            break;
        case 2:
            m_defaultValue->clear();
            m_fixedValues->setPlainText(BoxText(play::kFixedValuesExample));
            break;
        default:
            break;
    }
    m_filling = false;
}

void CreateSettingsPage::Save() {
    if (mode() != Mode::New) {
        return;
    }
    play::SettingEditorInput input;
    input.name = BoxBytes(m_editor.name()->text());
    input.typeIndex = m_type->currentIndex();
    input.defaultValue = BoxBytes(m_defaultValue->text());
    input.fixedValues = BoxBytes(m_fixedValues->toPlainText());
    input.help = BoxBytes(m_help->toPlainText());
    input.newMode = true;
    const play::SaveSettingResult result =
        play::SaveNewSettingDefinition(m_session, input, m_feedback);
    if (result.failure == play::ComposeFailure::None && !result.written) {
        m_feedback.ShowMessage(kSettingsNotWritten, store::MessageIcon::Exclamation);
    }
    ShowBrowsingLayout();
    if (result.written) {
        // Delete may have come back with the second definition.
        m_editor.Reload(m_session.settings, -1);
        SelectAndShow(result.position);
        emit DefinitionsChanged();
    }
}

void CreateSettingsPage::Delete() {
    const int position = m_editor.list()->currentRow();
    if (mode() != Mode::Browsing || position < 0 || m_session.settings.size() < 2) {
        return;
    }
    AnswerRecorder answers(m_feedback);
    m_editor.SetState(EditorState::Delete);
    bool deleted = false;
    {
        WindowProgress progress(m_window);
        EventLoopPump pump;
        deleted = play::DeleteSettingDefinition(m_session, position, answers, progress, &pump);
    }
    if (!deleted && answers.answeredYes()) {
        m_feedback.ShowMessage(kSettingsNotWritten, store::MessageIcon::Exclamation);
    }
    if (deleted) {
        FillDefinitionList(*m_editor.list(), m_session.settings);
    }
    ShowBrowsingLayout();
    if (deleted) {
        SelectAndShow(0);
        emit DefinitionsChanged();
    }
}

void CreateSettingsPage::CancelNew() {
    ShowBrowsingLayout();
    SelectAndShow(m_editor.list()->currentRow() >= 0 ? m_editor.list()->currentRow() : 0);
}

}  // namespace quorvex::ui
