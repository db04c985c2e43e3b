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

namespace {

constexpr int kSubstringLimit = 255;
// The widest of this many longest descriptions sets the column's width.
constexpr std::size_t kMeasuredTexts = 64;

QPushButton* PictureButton(BrowseArtwork picture, const QString& tip, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setIcon(BrowseIcon(picture));
    button->setIconSize(QSize(26, 26));
    button->setMinimumSize(46, 38);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
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
    // Enter plays wherever the focus is in the main window, the left tab bar
    // after the start included.
    m_window.installEventFilter(this);
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
    // Applied when the box loses the focus (the page watches it); Enter in
    // it plays instead.
    m_substring->installEventFilter(this);

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

void GamesPage::ApplySubstring() {
    if (m_filling || m_rebuilding || m_launching) {
        return;
    }
    const std::string text = ToBytes(m_substring->text());
    if (text == m_session.state.lastFilterSubstring) {
        return;
    }
    m_session.state.lastFilterSubstring = text;
    RefreshUnderBusy(RefreshMode::Filter);
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

void GamesPage::SortingAdded() {
    RefillSortings(true);
}

void GamesPage::SortingDeleted() {
    RefillSortings(false);
    RefreshUnderBusy(RefreshMode::Sort);
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
