#include "ui/browse/games_page.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

#include "browse/conditions.h"
#include "browse/games_list.h"
#include "browse/sortings.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"
#include "ui/browse/browse_artwork.h"
#include "ui/browse/games_list_model.h"
#include "ui/busy_indicator.h"
#include "ui/main_window.h"
#include "ui/progress_window.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

const char* const kPlayingNotAvailable = "Playing games is not available in this version yet!";

namespace {

constexpr int kSubstringLimit = 255;
// The widest of this many longest descriptions sets the column's width.
constexpr std::size_t kMeasuredTexts = 64;

static_assert(static_cast<int>(browse::GameMenuItem::Play) == static_cast<int>(GameCommand::Play));
static_assert(static_cast<int>(browse::GameMenuItem::ResetDipSwitches) ==
              static_cast<int>(GameCommand::ResetDipSwitches));
static_assert(static_cast<int>(browse::GameMenuItem::Cancel) ==
              static_cast<int>(GameCommand::Cancel));

QPushButton* PictureButton(BrowseArtwork picture, const QString& tip, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setIcon(BrowseIcon(picture));
    button->setIconSize(QSize(26, 26));
    button->setMinimumSize(46, 38);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

QString MenuText(const std::string& caption) {
    // A description such as "Tom & Jerry" must not turn into a shortcut.
    QString text = ToQString(caption);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

}  // namespace

GamesPage::GamesPage(store::Session& session, store::UserFeedback& feedback, MainWindow& window,
                     QWidget* parent)
    : QWidget(parent),
      m_session(session),
      m_feedback(feedback),
      m_window(window),
      m_random(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {
    setObjectName(QStringLiteral("gamesPage"));
    m_model = new GamesListModel(m_session.games, this);
    m_available = {GameCommand::Play, GameCommand::Cancel};
    m_chooseUnivbe = [this]() -> std::optional<std::string> {
        const QString chosen = QFileDialog::getOpenFileName(this, tr("Use Univbe"), QString(),
                                                            tr("Univbe executable (univbe.exe)"));
        if (chosen.isEmpty()) {
            return std::nullopt;
        }
        return ToBytes(chosen);
    };
    BuildControls();
    connect(&m_window, &MainWindow::GameCommandRequested, this, [this](GameCommand command) {
        if (command == GameCommand::Play) {
            Play();
        }
    });
    ApplyState();
}

GamesPage::~GamesPage() = default;

void GamesPage::BuildControls() {
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("gamesList"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    // Equal rows let the view lay out tens of thousands of them without asking each one.
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAlternatingRowColors(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsMovable(false);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setColumnWidth(0, std::max(120, m_list->width() / 2));
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &GamesPage::SelectionMoved);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &GamesPage::SelectionMoved);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this]() { m_currentRow = -1; });
    connect(m_list, &QTreeView::doubleClicked, this, &GamesPage::LaunchIfPlayable);
    connect(m_list, &QWidget::customContextMenuRequested, this, &GamesPage::ShowContextMenu);

    m_sortings = new QComboBox(this);
    m_sortings->setObjectName(QStringLiteral("sortingsBox"));
    m_sortings->setToolTip(tr("The order of the games list!"));
    m_sortingsCount = new QLabel(this);
    m_sortingsCount->setObjectName(QStringLiteral("sortingsCount"));
    m_sortingsCount->setToolTip(tr("This is the number of available sortings!"));
    connect(m_sortings, &QComboBox::currentIndexChanged, this, &GamesPage::SortingChosen);

    m_filters = new QListWidget(this);
    m_filters->setObjectName(QStringLiteral("filterCheckList"));
    m_filters->setToolTip(tr("Check the filters the games list has to pass!"));
    m_filtersCount = new QLabel(this);
    m_filtersCount->setObjectName(QStringLiteral("filtersCount"));
    m_filtersCount->setToolTip(tr("This is the number of available filters!"));
    m_selectedCount = new QLabel(this);
    m_selectedCount->setObjectName(QStringLiteral("selectedCount"));
    m_selectedCount->setToolTip(tr("This indicates the number of the active filters!"));
    connect(m_filters, &QListWidget::itemChanged, this, &GamesPage::FilterCheckChanged);

    m_andOr = new QPushButton(this);
    m_andOr->setObjectName(QStringLiteral("andOrSwitch"));
    m_andOr->setToolTip(tr("Boolean concatenation for two or more filters!"));
    m_andOr->setIconSize(QSize(22, 22));
    m_andOr->setAutoDefault(false);
    connect(m_andOr, &QPushButton::clicked, this, &GamesPage::SwitchAndOr);

    m_unselectAll = new QPushButton(tr("Unselect all!"), this);
    m_unselectAll->setObjectName(QStringLiteral("unselectAll"));
    m_unselectAll->setToolTip(tr("Deactivates the active filters!"));
    m_unselectAll->setAutoDefault(false);
    connect(m_unselectAll, &QPushButton::clicked, this, &GamesPage::UnselectAll);

    m_substring = new QLineEdit(this);
    m_substring->setObjectName(QStringLiteral("substringBox"));
    m_substring->setToolTip(
        tr("Type in here the substring you want to filter on game's decriptions"));
    m_substring->setPlaceholderText(tr("Part of a description"));
    m_substring->setClearButtonEnabled(true);
    m_substring->setMaxLength(kSubstringLimit);
    connect(m_substring, &QLineEdit::editingFinished, this, &GamesPage::ApplySubstring);

    m_family = PictureButton(BrowseArtwork::Family,
                             tr("Shows the clones of the currently selected game!"), this);
    m_family->setObjectName(QStringLiteral("familyButton"));
    connect(m_family, &QPushButton::clicked, this, &GamesPage::ToggleFamily);
    m_play = PictureButton(BrowseArtwork::Play, tr("Plays the currently selected game!"), this);
    m_play->setObjectName(QStringLiteral("playButton"));
    connect(m_play, &QPushButton::clicked, this, &GamesPage::Play);
    m_randomPlay = PictureButton(BrowseArtwork::RandomPlay, tr("Plays a random game!"), this);
    m_randomPlay->setObjectName(QStringLiteral("randomPlayButton"));
    connect(m_randomPlay, &QPushButton::clicked, this, &GamesPage::RandomPlay);

    m_getReplay = new QCheckBox(tr("Get replay"), this);
    m_getReplay->setObjectName(QStringLiteral("getReplay"));
    m_getReplay->setToolTip(tr("Do you want to get a replay of your next play?"));
    connect(m_getReplay, &QCheckBox::clicked, this, &GamesPage::ReplayClicked);
    m_useUnivbe = new QCheckBox(tr("Use Univbe"), this);
    m_useUnivbe->setObjectName(QStringLiteral("useUnivbe"));
    m_useUnivbe->setToolTip(tr("Do you want to load Univbe before loading mame?"));
    m_useUnivbe->installEventFilter(this);
    connect(m_useUnivbe, &QCheckBox::clicked, this, &GamesPage::UnivbeClicked);
    m_changeUnivbe = new QPushButton(tr("Change ..."), this);
    m_changeUnivbe->setObjectName(QStringLiteral("changeUnivbe"));
    m_changeUnivbe->setToolTip(tr("Chooses another univbe.exe to load before mame!"));
    m_changeUnivbe->setAutoDefault(false);
    connect(m_changeUnivbe, &QPushButton::clicked, this, &GamesPage::ChangeUnivbe);

    auto* sortRow = new QHBoxLayout;
    auto* sortCaption = new QLabel(tr("Order:"), this);
    sortCaption->setToolTip(m_sortings->toolTip());
    sortRow->addWidget(sortCaption);
    sortRow->addWidget(m_sortings, 1);
    sortRow->addWidget(m_sortingsCount);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_substring, 1);
    searchRow->addWidget(m_family);

    auto* left = new QVBoxLayout;
    left->addLayout(sortRow);
    left->addWidget(m_list, 1);
    left->addLayout(searchRow);

    auto* counts = new QHBoxLayout;
    counts->addWidget(m_filtersCount);
    counts->addStretch(1);
    counts->addWidget(m_selectedCount);
    auto* filterButtons = new QHBoxLayout;
    filterButtons->addWidget(m_andOr, 1);
    filterButtons->addWidget(m_unselectAll, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(counts);
    right->addWidget(m_filters, 1);
    right->addLayout(filterButtons);

    auto* playRow = new QHBoxLayout;
    playRow->addWidget(m_play);
    playRow->addWidget(m_randomPlay);
    playRow->addSpacing(10);
    auto* choices = new QGridLayout;
    choices->addWidget(m_getReplay, 0, 0);
    choices->addWidget(m_useUnivbe, 1, 0);
    choices->addWidget(m_changeUnivbe, 1, 1);
    choices->setColumnStretch(2, 1);
    playRow->addLayout(choices, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 5);
    body->addLayout(right, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(body, 1);
    layout->addLayout(playRow);
}

void GamesPage::ApplyState() {
    const store::StateRecord& state = m_session.state;
    const std::string sortOrder = state.lastSortOrder;
    m_orMode = false;
    ShowAndOr();
    ShowFamilyButton(false);
    RefillFilterList();
    RefillSortings(false);

    m_filling = true;
    const long order = store::ParseLeadingNumber(store::TrimmedBlanks(sortOrder));
    if (order >= 0 && order < m_sortings->count()) {
        m_sortings->setCurrentIndex(static_cast<int>(order));
    }
    if (m_sortings->currentIndex() >= 0) {
        m_session.state.lastSortOrder = std::to_string(m_sortings->currentIndex());
    }
    m_orMode = browse::LeadingNumber(state.lastSwitchAndOr) != 0;
    ShowAndOr();
    m_substring->setText(ToQString(state.lastFilterSubstring));
    m_filling = false;
    ShowPlayChoices();
    ShowFilterCounts();
    m_familyMode = false;
    RefreshGamesList(RefreshMode::Start);
    SelectCurrentGame();
}

void GamesPage::RefreshGamesList(RefreshMode mode) {
    if (m_rebuilding) {
        return;
    }
    m_rebuilding = true;
    const QPointer<QWidget> focus = QApplication::focusWidget();
    // A caller that disabled the window for its own long work keeps it disabled.
    const bool wasEnabled = m_window.isEnabled();
    m_window.setEnabled(false);
    m_romFlag = false;
    m_model->Clear();

    browse::GamesList list;
    {
        ProgressWindow progress(&m_window);
        if (mode == RefreshMode::Start || mode == RefreshMode::Sort) {
            browse::SortGameDatabase(m_session.games, m_session.sortings,
                                     m_sortings->currentIndex(), progress);
        }
        if (mode == RefreshMode::Family) {
            m_familyMode = true;
            // Large families are shown whole.
            list = browse::FamilyOf(m_session.games, m_session.state.lastGameSelection);
            // Random Play stays off while a family is shown.
            list.anyRomLinked = false;
            m_filling = true;
            m_substring->clear();
            m_filling = false;
            m_session.state.lastFilterSubstring.clear();
            UncheckAllFilters('0');
        } else {
            m_familyMode = false;
            ShowFamilyButton(false);
            const std::string flags = browse::NormalisedFilterFlags(m_session.state.lastFilters,
                                                                    m_session.filters.size());
            list =
                browse::FilterGames(m_session.games, m_session.filters, flags,
                                    m_orMode ? browse::FilterMode::Or : browse::FilterMode::And,
                                    store::TrimmedBlanks(ToBytes(m_substring->text())), progress);
        }
    }
    m_romFlag = browse::AnyPlayable(m_session.games, list, m_session.gamesWithoutRoms);
    m_model->SetRows(std::move(list.rows));
    FitColumn();
    ShowFilterCounts();

    m_window.setEnabled(wasEnabled);
    if (focus != nullptr && focus->isEnabled()) {
        focus->setFocus();
    }
    m_rebuilding = false;
}

void GamesPage::RefreshUnderBusy(RefreshMode mode) {
    m_window.busy().On();
    RefreshGamesList(mode);
    SelectCurrentGame();
    m_window.busy().Off();
}

void GamesPage::SelectCurrentGame() {
    if (m_model->rowCount() == 0) {
        return;
    }
    int row = m_model->RowOf(m_session.state.lastGameSelection);
    if (row < 0) {
        row = 0;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_selectingCurrent = true;
    m_list->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    // The row may have been current already while its game changed (a link
    // released or chosen): Play and Random Play follow the game as it is now.
    m_currentRow = row;
    ShowRow(row);
    m_selectingCurrent = false;
    m_list->scrollTo(index);
    if (m_model->GameAt(row) >= 0) {
        m_window.CurrentGameChanged(m_session.state.lastGameSelection, true);
    }
}

void GamesPage::SelectionMoved() {
    const QModelIndex current = m_list->selectionModel()->currentIndex();
    if (!current.isValid() || !m_list->selectionModel()->isSelected(current) ||
        current.row() == m_currentRow) {
        return;
    }
    m_currentRow = current.row();
    ShowRow(m_currentRow);
}

void GamesPage::ShowRow(int row) {
    const int game = m_model->GameAt(row);
    if (game < 0) {
        m_window.rightTabs()->setEnabled(false);
        m_play->setEnabled(false);
        m_randomPlay->setEnabled(false);
        return;
    }
    m_randomPlay->setEnabled(m_romFlag);
    m_play->setEnabled(
        browse::IsPlayable(m_session.games[game].line, m_session.gamesWithoutRoms));
    m_window.rightTabs()->setEnabled(true);
    m_session.state.lastGameSelection = m_session.games[game].description;
    if (!m_selectingCurrent) {
        m_window.CurrentGameChanged(m_session.state.lastGameSelection);
    }
}

void GamesPage::RefillFilterList() {
    m_filling = true;
    m_filters->clear();
    const std::size_t count = m_session.filters.size();
    m_session.state.lastFilters = browse::NormalisedFilterFlags(m_session.state.lastFilters, count);
    m_checkStates.assign(count, 0);
    for (std::size_t i = 0; i < count; ++i) {
        auto* item = new QListWidgetItem(ToQString(m_session.filters[i].name), m_filters);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const bool active = m_session.state.lastFilters[i] == '1';
        item->setCheckState(active ? Qt::Checked : Qt::Unchecked);
        m_checkStates[i] = active ? 1 : 0;
    }
    m_filling = false;
    ShowFilterCounts();
}

void GamesPage::ShowFilterCounts() {
    const int active =
        browse::CountActiveFilters(m_session.state.lastFilters, m_session.filters.size());
    m_filtersCount->setText(tr("Filters: %1").arg(m_session.filters.size()));
    m_selectedCount->setText(tr("Selected: %1").arg(active));
    m_unselectAll->setEnabled(active > 0);
}

void GamesPage::FilterCheckChanged(QListWidgetItem* item) {
    if (m_filling || item == nullptr) {
        return;
    }
    const int i = m_filters->row(item);
    if (i < 0 || static_cast<std::size_t>(i) >= m_checkStates.size()) {
        return;
    }
    const int state = item->checkState() == Qt::Checked ? 1 : 0;
    if (m_checkStates[static_cast<std::size_t>(i)] == state) {
        return;
    }
    if (m_familyMode) {
        ShowFamilyButton(false);
    }
    m_checkStates[static_cast<std::size_t>(i)] = state;
    std::string& flags = m_session.state.lastFilters;
    flags = browse::NormalisedFilterFlags(flags, m_session.filters.size());
    flags[static_cast<std::size_t>(i)] = state != 0 ? '1' : '0';
    ShowFilterCounts();
    RefreshUnderBusy(RefreshMode::Filter);
}

void GamesPage::UncheckAllFilters(char flag) {
    m_filling = true;
    for (int i = 0; i < m_filters->count(); ++i) {
        m_filters->item(i)->setCheckState(Qt::Unchecked);
    }
    m_filling = false;
    std::fill(m_checkStates.begin(), m_checkStates.end(), 0);
    m_session.state.lastFilters.assign(m_session.filters.size(), flag);
    ShowFilterCounts();
}

void GamesPage::RefillSortings(bool keepSelection) {
    const int kept = m_sortings->currentIndex();
    m_filling = true;
    m_sortings->clear();
    for (const store::SortingDefinition& sorting : m_session.sortings) {
        m_sortings->addItem(ToQString(sorting.name));
    }
    const int count = m_sortings->count();
    m_sortings->setCurrentIndex(keepSelection && kept >= 0 && kept < count ? kept
                                : count > 0                                ? 0
                                                                           : -1);
    m_filling = false;
    if (m_sortings->currentIndex() >= 0) {
        m_session.state.lastSortOrder = std::to_string(m_sortings->currentIndex());
    }
    m_sortingsCount->setText(tr("Sortings: %1").arg(count));
}

void GamesPage::SortingChosen(int index) {
    if (m_filling || index < 0) {
        return;
    }
    m_session.state.lastSortOrder = std::to_string(index);
    RefreshUnderBusy(RefreshMode::Sort);
}

void GamesPage::SwitchAndOr() {
    m_orMode = !m_orMode;
    m_session.state.lastSwitchAndOr = m_orMode ? "1" : "0";
    ShowAndOr();
    if (browse::CountActiveFilters(m_session.state.lastFilters, m_session.filters.size()) > 1) {
        RefreshUnderBusy(RefreshMode::AndOr);
    }
}

void GamesPage::ShowAndOr() {
    m_andOr->setText(m_orMode ? tr("Or...") : tr("And..."));
    m_andOr->setIcon(BrowseIcon(m_orMode ? BrowseArtwork::Or : BrowseArtwork::And));
}

void GamesPage::ApplySubstring() {
    if (m_filling || m_rebuilding) {
        return;
    }
    const std::string text = ToBytes(m_substring->text());
    if (text == m_session.state.lastFilterSubstring) {
        return;
    }
    m_session.state.lastFilterSubstring = text;
    RefreshUnderBusy(RefreshMode::Filter);
}

void GamesPage::UnselectAll() {
    UncheckAllFilters('0');
    RefreshUnderBusy(RefreshMode::Filter);
    m_unselectAll->setEnabled(false);
    m_selectedCount->setText(tr("Selected: %1").arg(0));
}

void GamesPage::ToggleFamily() {
    if (!m_familyMode) {
        ShowFamilyButton(true);
        RefreshGamesList(RefreshMode::Family);
        SelectCurrentGame();
    } else {
        ShowFamilyButton(false);
        RefreshUnderBusy(RefreshMode::Filter);
    }
}

void GamesPage::ShowFamilyButton(bool familyShown) {
    m_family->setIcon(BrowseIcon(familyShown ? BrowseArtwork::FamilyShown : BrowseArtwork::Family));
}

void GamesPage::RandomPlay() {
    const browse::GamesList listed{m_model->rows(), m_romFlag};
    const std::optional<int> pick = browse::PickRandomPlayable(m_session.games, listed, m_random,
                                                               m_session.gamesWithoutRoms);
    if (!pick) {
        return;
    }
    m_session.state.lastGameSelection = m_session.games[*pick].description;
    SelectCurrentGame();
    Play();
}

void GamesPage::Play() {
    if (!m_launch) {
        m_feedback.ShowMessage(kPlayingNotAvailable, store::MessageIcon::Exclamation);
        return;
    }
    m_launch();
    // A launch that finds no univbe.exe takes Use Univbe back, and one that
    // finds the ROM zip gone unlinks the game, which leaves nothing to play.
    ShowPlayChoices();
    if (m_currentRow >= 0) {
        m_selectingCurrent = true;
        ShowRow(m_currentRow);
        m_selectingCurrent = false;
    }
}

void GamesPage::LaunchIfPlayable() {
    // Play is enabled exactly while the current row is a game with a ROM zip;
    // the "No games found!" row must not start a game that is not listed.
    if (m_play->isEnabled()) {
        Play();
    }
}

void GamesPage::ReplayClicked() {
    m_session.state.lastReplayStatus = m_getReplay->isChecked() ? "1" : "";
}

void GamesPage::UnivbeClicked() {
    store::StateRecord& state = m_session.state;
    if (!m_useUnivbe->isChecked()) {
        state.lastUnivbeStatus.clear();
        return;
    }
    if (state.lastUnivbeDir.empty() || !store::FileExists(state.lastUnivbeDir)) {
        const std::optional<std::string> chosen =
            m_chooseUnivbe ? m_chooseUnivbe() : std::optional<std::string>();
        if (!chosen || chosen->empty()) {
            m_useUnivbe->setChecked(false);
            // The box and the launch must agree: an unchecked box loads no Univbe.
            state.lastUnivbeStatus.clear();
            return;
        }
        state.lastUnivbeDir = *chosen;
    }
    state.lastUnivbeStatus = "1";
}

void GamesPage::ChangeUnivbe() {
    m_session.state.lastUnivbeDir.clear();
    m_useUnivbe->setChecked(true);
    UnivbeClicked();
}

void GamesPage::ShowPlayChoices() {
    m_getReplay->setChecked(!m_session.state.lastReplayStatus.empty() &&
                            m_session.state.lastReplayStatus[0] == '1');
    m_useUnivbe->setChecked(!m_session.state.lastUnivbeStatus.empty() &&
                            m_session.state.lastUnivbeStatus[0] == '1');
}

bool GamesPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_useUnivbe && event->type() == QEvent::MouseButtonDblClick) {
        // The second click of the double click then acts as a click with no univbe.exe known.
        m_session.state.lastUnivbeDir.clear();
    }
    return QWidget::eventFilter(watched, event);
}

void GamesPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter in the substring box applies the substring; anywhere else it plays.
        if (QApplication::focusWidget() != m_substring) {
            LaunchIfPlayable();
        }
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void GamesPage::FitColumn() {
    const QFontMetrics metrics(m_list->font());
    // Room for the cell's margins and the focus frame.
    const int padding = 3 * metrics.averageCharWidth() + 8;
    const QFontMetrics headerMetrics(m_list->header()->font());
    int width = headerMetrics.horizontalAdvance(
                    m_model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString()) +
                padding + 8;
    for (const std::string_view text : m_model->LongestTexts(kMeasuredTexts)) {
        width = std::max(width, metrics.horizontalAdvance(ToQString(text)) + padding);
    }
    m_list->setColumnWidth(0, width);
}

std::optional<int> GamesPage::CurrentGameIndex() const {
    const int game = m_model->GameAt(m_currentRow);
    if (game < 0) {
        return std::nullopt;
    }
    return game;
}

void GamesPage::FilterSaved(int position, bool added) {
    RefillFilterList();
    const std::string& flags = m_session.state.lastFilters;
    if (!added && position >= 0 && static_cast<std::size_t>(position) < flags.size() &&
        flags[static_cast<std::size_t>(position)] == '1') {
        RefreshUnderBusy(RefreshMode::Filter);
    }
}

void GamesPage::FiltersDeleted() {
    RefillFilterList();
    RefreshUnderBusy(RefreshMode::Filter);
}

void GamesPage::SortingAdded() {
    RefillSortings(true);
}

void GamesPage::SortingDeleted() {
    RefillSortings(false);
    RefreshUnderBusy(RefreshMode::Sort);
}

void GamesPage::SetLaunchGame(std::function<void()> launch) {
    m_launch = std::move(launch);
}

void GamesPage::SetUnivbeChooser(std::function<std::optional<std::string>()> choose) {
    m_chooseUnivbe = std::move(choose);
}

void GamesPage::SetCommandAvailable(GameCommand command, bool available) {
    if (command == GameCommand::Play || command == GameCommand::Cancel) {
        return;
    }
    if (available) {
        m_available.insert(command);
    } else {
        m_available.erase(command);
    }
}

void GamesPage::FillGameMenu(QMenu& menu) {
    browse::GameMenu rules = browse::GameMenuWithoutGame();
    if (const std::optional<int> game = CurrentGameIndex()) {
        const store::GameRecord& record = m_session.games[*game];
        browse::GameFiles files =
            browse::FindGameFiles(m_session.emulator, store::RecordValueView(record.line, "A"));
        files.needsNoRoms = browse::IsPlayable(record.line, m_session.gamesWithoutRoms);
        rules = browse::GameMenuFor(record.line, record.description, files);
    }
    PopulateGameMenu(menu, [this](GameCommand command) { m_window.RunGameCommand(command); });
    const std::span<const GameMenuEntry> entries = GameMenuEntries();
    std::size_t i = 0;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() || i >= entries.size() || i >= rules.size()) {
            continue;
        }
        action->setText(MenuText(rules[i].caption));
        action->setEnabled(rules[i].enabled && m_available.contains(entries[i].command));
        ++i;
    }
}

void GamesPage::ShowContextMenu(const QPoint& position) {
    QMenu menu(this);
    FillGameMenu(menu);
    menu.exec(m_list->viewport()->mapToGlobal(position));
}

std::vector<std::string> GamesPage::SelectedDescriptions() const {
    std::vector<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    std::vector<std::string> descriptions;
    for (const int row : rows) {
        if (m_model->GameAt(row) >= 0) {
            descriptions.push_back(m_model->TextAt(row));
        }
    }
    return descriptions;
}

}  // namespace quorvex::ui
