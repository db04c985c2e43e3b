#include "ui/play/settings_page.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "play/setting_definitions.h"
#include "store/game_database.h"
#include "store/record_line.h"
#include "ui/busy_indicator.h"
#include "ui/definition_editor.h"
#include "ui/event_pump.h"
#include "ui/main_window.h"
#include "ui/play/games_selection.h"
#include "ui/play/play_artwork.h"
#include "ui/progress_window.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

const char* const kValueCannotBeStored =
    "Plese check the value of this setting!\nLine breaks and ':+' are NOT allowed in it!";

namespace {

const QColor kCountColour(39, 94, 36);

QPushButton* Button(PlayArtwork picture, const QString& tip, const char* name, QWidget* parent) {
    return Named(PictureButton(PlayIcon(picture), tip, parent), name, tip);
}

}  // namespace

SettingsPage::SettingsPage(store::Session& session, store::UserFeedback& feedback,
                           MainWindow& window, QWidget* parent)
    : QWidget(parent), m_session(session), m_feedback(feedback), m_window(window) {
    setObjectName(QStringLiteral("settingsPage"));
    BuildControls();
    RebuildList();
    ShowCount();
}

SettingsPage::~SettingsPage() = default;

void SettingsPage::BuildControls() {
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("settingsCount"));
    m_count->setToolTip(tr("Number of active settings!"));
    QPalette countPalette = m_count->palette();
    countPalette.setColor(QPalette::WindowText, kCountColour);
    m_count->setPalette(countPalette);
    QFont countFont = m_count->font();
    countFont.setBold(true);
    m_count->setFont(countFont);

    m_withEqual = Button(
        PlayArtwork::WithEqual,
        tr("Selects all games that have equal settings compared to those in the setting list!"),
        "withEqualSettingsButton", this);
    m_selectAll = Button(PlayArtwork::SelectAll, tr("Selects all games in the main window!"),
                         "selectAllButton", this);
    m_applySingle = Button(PlayArtwork::ApplySingle,
                           tr("Applies the currently selected setting to all selected games!"),
                           "applySingleSettingsButton", this);
    m_applyAll = Button(PlayArtwork::ApplyAll, tr("Applies all settings to the selected games!"),
                        "applyAllSettingsButton", this);

    m_definitions = SettingDefinitionList(this);
    m_definitions->setObjectName(QStringLiteral("settingsList"));

    m_pick = new QComboBox(this);
    m_pick->setObjectName(QStringLiteral("settingPickList"));
    m_pick->setToolTip(tr("Pick one item!"));
    m_pick->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pick->setMinimumContentsLength(12);
    m_value = new QLineEdit(this);
    m_value->setObjectName(QStringLiteral("settingValueBox"));
    m_value->setToolTip(tr("Enter here the value of this setting!"));

    m_help = new QLabel(this);
    m_help->setObjectName(QStringLiteral("settingHelp"));
    m_help->setToolTip(tr("This describes the behaviour of the setting!"));
    m_help->setWordWrap(true);
    m_help->setTextFormat(Qt::PlainText);
    m_help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_help->setFrameShape(QFrame::StyledPanel);
    m_help->setFrameShadow(QFrame::Sunken);
    m_help->setMargin(6);
    m_help->setMinimumHeight(64);
    m_help->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::MinimumExpanding);

    connect(m_definitions, &QListWidget::itemSelectionChanged, this,
            &SettingsPage::DefinitionSelected);
    connect(m_definitions, &QListWidget::itemChanged, this, &SettingsPage::CheckChanged);
    connect(m_pick, &QComboBox::currentIndexChanged, this, &SettingsPage::PickChosen);
    connect(m_value, &QLineEdit::editingFinished, this, &SettingsPage::ValueEdited);
    connect(m_applySingle, &QPushButton::clicked, this, &SettingsPage::ApplySingle);
    connect(m_applyAll, &QPushButton::clicked, this, &SettingsPage::ApplyAll);
    connect(m_withEqual, &QPushButton::clicked, this, &SettingsPage::SelectWithEqualSettings);
    connect(m_selectAll, &QPushButton::clicked, this, &SettingsPage::SelectAllGames);

    auto* top = new QHBoxLayout;
    top->addWidget(m_count);
    top->addStretch(1);
    top->addWidget(m_withEqual);
    top->addWidget(m_selectAll);

    auto* values = new QHBoxLayout;
    values->addWidget(m_pick, 1);
    values->addWidget(m_value, 1);

    auto* apply = new QHBoxLayout;
    apply->addStretch(1);
    apply->addWidget(m_applySingle);
    apply->addWidget(m_applyAll);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addWidget(m_definitions, 3);
    layout->addLayout(values);
    layout->addWidget(m_help, 1);
    layout->addLayout(apply);
}

void SettingsPage::SetGamesSelection(GamesSelection* selection) {
    m_selection = selection;
}

void SettingsPage::RebuildList() {
    m_filling = true;
    FillDefinitionList(*m_definitions, m_session.settings, true);
    m_marks.checked.assign(m_session.settings.size(), false);
    m_marks.count = 0;
    if (m_definitions->count() > 0) {
        m_definitions->setCurrentRow(0);
    }
    m_filling = false;
    ShowCount();
}

void SettingsPage::ShowGame(const std::string& description, bool force) {
    if (!NeedsRefill(m_description, description, force)) {
        return;
    }
    m_description = description;
    m_filling = true;
    m_definitions->clearSelection();
    m_definitions->setCurrentItem(nullptr);
    m_pick->clear();
    m_pick->setEnabled(false);
    m_value->clear();
    m_value->setEnabled(false);
    m_shownBytes.clear();
    m_shownText.clear();
    m_help->clear();
    m_applySingle->hide();

    const std::optional<int> game = store::FindGameByDescription(m_session.games, description);
    const std::string_view line =
        game ? std::string_view(m_session.games[*game].line) : std::string_view();
    m_marks = play::ReadSettingMarks(line, m_session.settings);
    for (int row = 0; row < m_definitions->count(); ++row) {
        const bool checked = static_cast<std::size_t>(row) < m_marks.checked.size() &&
                             m_marks.checked[static_cast<std::size_t>(row)];
        m_definitions->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    m_filling = false;
    ShowCount();
}

int SettingsPage::SelectedPosition() const {
    const QList<QListWidgetItem*> selected = m_definitions->selectedItems();
    if (selected.isEmpty()) {
        return -1;
    }
    const int row = m_definitions->row(selected.front());
    return row < static_cast<int>(m_session.settings.size()) ? row : -1;
}

void SettingsPage::DefinitionSelected() {
    if (!m_filling) {
        ShowSelectedDefinition();
    }
}

void SettingsPage::CheckChanged(QListWidgetItem* item) {
    if (m_filling || item == nullptr) {
        return;
    }
    // The mark the user changed is the one acted on, even when another row was selected.
    if (!item->isSelected()) {
        m_filling = true;
        m_definitions->setCurrentItem(item);
        m_filling = false;
    }
    ShowSelectedDefinition();
}

void SettingsPage::ShowSelectedDefinition() {
    const int position = SelectedPosition();
    if (position < 0) {
        return;
    }
    const store::SettingDefinition& definition =
        m_session.settings[static_cast<std::size_t>(position)];
    const bool checked = m_definitions->item(position)->checkState() == Qt::Checked;

    m_filling = true;
    m_applySingle->show();
    m_pick->clear();
    m_value->clear();
    m_shownBytes.clear();
    const play::SettingKind kind = play::KindOfType(definition.type);
    m_pick->setEnabled(kind == play::SettingKind::FixedSelection);
    m_value->setEnabled(kind == play::SettingKind::VariableValue);
    if (kind == play::SettingKind::FixedSelection) {
        const int items = play::FixedItemCount(definition.type);
        for (int k = 1; k <= items; ++k) {
            m_pick->addItem(ToQString(play::FixedItemDescription(definition.type, k)));
        }
        m_pick->setCurrentIndex(m_pick->count() > 0 ? 0 : -1);
    }
    if (!checked) {
        m_pick->setEnabled(false);
        m_value->setEnabled(false);
    } else {
        const std::optional<int> game =
            store::FindGameByDescription(m_session.games, m_description);
        const std::string_view line =
            game ? std::string_view(m_session.games[*game].line) : std::string_view();
        const play::ProposedValue proposed = play::ProposeSettingValue(line, definition, position);
        if (kind == play::SettingKind::VariableValue) {
            m_shownBytes = proposed.text;
            m_value->setText(ToQString(proposed.text));
        } else if (kind == play::SettingKind::FixedSelection &&
                   proposed.pickIndex < m_pick->count()) {
            m_pick->setCurrentIndex(proposed.pickIndex);
        }
    }
    RememberShownValue();
    m_filling = false;

    auto& mark = m_marks.checked;
    if (static_cast<std::size_t>(position) < mark.size() &&
        mark[static_cast<std::size_t>(position)] != checked) {
        mark[static_cast<std::size_t>(position)] = checked;
        StoreIntoCurrentGame(position);
        m_marks.count += checked ? 1 : -1;
        ShowCount();
    }
    m_help->setText(ToQString(definition.help));
}

play::ShownSetting SettingsPage::Shown(int position) const {
    const store::SettingDefinition& definition =
        m_session.settings[static_cast<std::size_t>(position)];
    play::ShownSetting shown;
    shown.checked = m_definitions->item(position)->checkState() == Qt::Checked;
    // An untouched box keeps the bytes it was filled with, whatever their encoding.
    shown.valueBox = m_value->text() == m_shownText ? m_shownBytes : ToBytes(m_value->text());
    // The description from the definition itself, so that texts the list
    // shows differently from their bytes still find their item.
    const int pick = m_pick->currentIndex();
    if (pick >= 0) {
        shown.pickDescription = play::FixedItemDescription(definition.type, pick + 1);
    }
    return shown;
}

void SettingsPage::StoreIntoCurrentGame(int position) {
    const std::optional<int> game = store::FindGameByDescription(m_session.games, m_description);
    if (!game) {
        return;
    }
    const store::SettingDefinition& definition =
        m_session.settings[static_cast<std::size_t>(position)];
    if (!play::StoreSettingValue(m_session.games.Line(*game), definition, position,
                                 Shown(position))) {
        m_feedback.ShowMessage(kValueCannotBeStored, store::MessageIcon::Exclamation);
        const QSignalBlocker quiet(m_value);
        m_shownBytes =
            store::GetRecordValue(m_session.games[*game].line, std::to_string(position + 1));
        m_value->setText(ToQString(m_shownBytes));
    }
    RememberShownValue();
}

void SettingsPage::RememberShownValue() {
    if (ToQString(m_shownBytes) != m_value->text()) {
        m_shownBytes = ToBytes(m_value->text());
    }
    m_shownText = m_value->text();
}

void SettingsPage::PickChosen() {
    const int position = SelectedPosition();
    if (m_filling || position < 0) {
        return;
    }
    StoreIntoCurrentGame(position);
}

void SettingsPage::ValueEdited() {
    const int position = SelectedPosition();
    if (m_filling || position < 0 || !m_value->isEnabled()) {
        return;
    }
    StoreIntoCurrentGame(position);
}

void SettingsPage::ShowCount() {
    m_count->setText(ToQString(play::CheckedCountText(m_marks.count)));
}

void SettingsPage::ApplySingle() {
    const int position = SelectedPosition();
    if (m_selection == nullptr || position < 0) {
        return;
    }
    const std::vector<play::GamesListRow> selected = m_selection->SelectedRows();
    const play::ShownSetting shown = Shown(position);
    m_window.setEnabled(false);
    m_window.busy().On();
    {
        ProgressWindow progress(&m_window);
        EventLoopPump pump;
        play::ApplySingleSetting(m_session.games, selected, m_selection->RowCount(),
                                 m_session.settings[static_cast<std::size_t>(position)], position,
                                 shown, progress, &pump);
    }
    m_window.busy().Off();
    m_window.setEnabled(true);
    m_selection->SelectCurrentGame();
}

void SettingsPage::ApplyAll() {
    if (m_selection == nullptr) {
        return;
    }
    const std::vector<play::GamesListRow> selected = m_selection->SelectedRows();
    m_window.setEnabled(false);
    m_window.busy().On();
    {
        ProgressWindow progress(&m_window);
        EventLoopPump pump;
        play::ApplyAllSettings(m_session.games, m_description, selected, progress, &pump);
    }
    m_window.busy().Off();
    m_window.setEnabled(true);
    m_selection->SelectCurrentGame();
}

void SettingsPage::SelectWithEqualSettings() {
    if (m_selection != nullptr) {
        m_selection->SelectRows(
            play::RowsWithEqualSettings(m_session.games, m_description, m_selection->Rows()));
    }
}

void SettingsPage::SelectAllGames() {
    if (m_selection != nullptr) {
        m_selection->SelectAll();
    }
}

}  // namespace quorvex::ui
