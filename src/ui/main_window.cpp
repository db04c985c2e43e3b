#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <optional>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

#include "browse/collection_counts.h"
#include "store/game_database.h"
#include "store/record_file.h"
#include "store/text_utils.h"
#include "ui/about_dialog.h"
#include "ui/artwork.h"
#include "ui/busy_indicator.h"
#include "ui/empty_page.h"
#include "ui/logo_widget.h"
#include "ui/progress_window.h"
#include "ui/status_panes.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

const char* const kWelcomeMessage =
    "Welcome!\nNew games have been found!\nIn order to be able to play these games, you have to "
    "perform\nthe phase of Roms Scanning!\nTo accomplish this select the appropriate directory "
    "where you\nhave put your roms zip files, and then press the button 'Begin Roms "
    "scanning'\nThis will take some minutes, but after this scanning you are able\nto identify "
    "in an inquivocabile way the Roms that exist and which are missing!\nIf you are a new user, "
    "please spend some minutes reading the section:\nINSTALLATION AND CONFIGURATION OF QVX FOR A "
    "QUICK START!";

namespace {

constexpr const char* kLeftTabTexts[MainWindow::kLeftPageCount] = {
    "Games", "Create filters...", "Create sortings...", "Create settings..."};
constexpr const char* kRightTabTexts[MainWindow::kRightPageCount] = {
    "Info", "Settings", "Snaps", "Help", "Misc", "Setup", "Utils"};
// Setup and Utils are only shown when they come to the front, never refilled.
constexpr int kLastRefilledTab = MainWindow::Misc;

std::optional<QPoint> ParsePosition(const std::string& text) {
    int left = 0;
    int top = 0;
    if (std::sscanf(text.c_str(), "%d.%d", &left, &top) != 2) {
        return std::nullopt;
    }
    return QPoint(left, top);
}

// A remembered corner on a screen that has since gone would put the window
// where nobody can reach it.
bool OnSomeScreen(const QPoint& corner) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(corner)) {
            return true;
        }
    }
    return false;
}

QPushButton* PictureButton(const QString& text, Artwork picture, const QString& tip,
                           QWidget* parent) {
    auto* button = new QPushButton(ArtworkIcon(picture), text, parent);
    button->setIconSize(QSize(22, 22));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    button->setMinimumHeight(34);
    button->setMinimumWidth(104);
    return button;
}

}  // namespace

MainWindow::MainWindow(store::Session& session, store::UserFeedback& feedback, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_feedback(feedback) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QString::fromLatin1(store::kMessageCaption));

    m_logo = new LogoWidget(this);
    m_panes = new StatusPanes(this);
    m_busy = new BusyIndicator(*m_logo, *m_panes, this);
    BuildPages();

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(BuildButtonRow());
    right->addWidget(m_rightTabs, 1);

    auto* content = new QHBoxLayout;
    content->setContentsMargins(8, 6, 8, 4);
    content->setSpacing(8);
    // The two tab sets keep the proportions of the original layout.
    content->addWidget(m_leftTabs, 8);
    content->addLayout(right, 7);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(content, 1);
    layout->addWidget(m_panes);

    m_panes->SetPaneText(0, tr("Ready"));
    UpdateStatusLine();
    const std::string version = store::GetHeaderValue(m_session.files.state, "MAME_ACTUAL_VERSION");
    m_panes->SetPaneText(2, QStringLiteral("Mame ") + ToQString(version));

    m_logo->SetFrame(0);
    for (const int tab : {Info, Settings}) {
        if (m_refills[tab] != nullptr) {
            m_refills[tab]->ShowGame(m_session.state.lastGameSelection, true);
        }
    }
    if (!m_session.changes.inserted.empty()) {
        m_rightTabs->setCurrentIndex(Setup);
    }
    connect(m_rightTabs, &QTabWidget::currentChanged, this, &MainWindow::RightTabChanged);

    // The window is never smaller than its pages need, whichever pages are installed later.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    resize(1000, 660);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildPages() {
    m_leftTabs = new QTabWidget(this);
    m_leftTabs->setObjectName(QStringLiteral("leftTabs"));
    for (const char* text : kLeftTabTexts) {
        m_leftTabs->addTab(new EmptyPage, QString::fromLatin1(text));
    }
    m_rightTabs = new QTabWidget(this);
    m_rightTabs->setObjectName(QStringLiteral("rightTabs"));
    for (int index = 0; index < kRightPageCount; ++index) {
        auto* page = new EmptyPage;
        m_rightTabs->addTab(page, QString::fromLatin1(kRightTabTexts[index]));
        m_refills[static_cast<std::size_t>(index)] = page;
    }
}

QWidget* MainWindow::BuildButtonRow() {
    auto* row = new QWidget(this);
    m_credits =
        PictureButton(tr("Credits"), Artwork::Credits,
                      tr("Let's find out the people behind the magic of Quorvex! :-)"), row);
    m_credits->setObjectName(QStringLiteral("creditsButton"));
    m_statistics = PictureButton(tr("Statistics"), Artwork::Statistics,
                                 tr("Shows the statistics window"), row);
    m_statistics->setObjectName(QStringLiteral("statisticsButton"));
    // Comes alive once something can show the statistics.
    m_statistics->setEnabled(false);
    m_quit = PictureButton(tr("Quit"), Artwork::Quit, tr("Quits Quorvex!"), row);
    m_quit->setObjectName(QStringLiteral("quitButton"));

    connect(m_credits, &QPushButton::clicked, this, &MainWindow::ShowCredits);
    connect(m_statistics, &QPushButton::clicked, this, [this]() {
        if (m_openStatistics) {
            m_openStatistics();
        }
    });
    AddAboutMenuItem();
    connect(m_quit, &QPushButton::clicked, this, [this]() { Quit(); });

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_credits, 0, Qt::AlignVCenter);
    layout->addWidget(m_statistics, 0, Qt::AlignVCenter);
    layout->addWidget(m_quit, 0, Qt::AlignVCenter);
    layout->addStretch(1);
    layout->addWidget(m_logo, 0, Qt::AlignRight | Qt::AlignTop);
    return row;
}

void MainWindow::SetLeftPage(int index, QWidget* page) {
    if (index < 0 || index >= kLeftPageCount || page == nullptr) {
        return;
    }
    QWidget* old = m_leftTabs->widget(index);
    const bool current = m_leftTabs->currentIndex() == index;
    m_leftTabs->removeTab(index);
    m_leftTabs->insertTab(index, page, QString::fromLatin1(kLeftTabTexts[index]));
    if (current) {
        m_leftTabs->setCurrentIndex(index);
    }
    delete old;
}

void MainWindow::SetRightPage(int index, QWidget* page, RightPage* refill) {
    if (index < 0 || index >= kRightPageCount || page == nullptr) {
        return;
    }
    QWidget* old = m_rightTabs->widget(index);
    const bool current = m_rightTabs->currentIndex() == index;
    // Swapping pages moves the current tab about; that is not the user switching.
    const QSignalBlocker quiet(m_rightTabs);
    m_refills[static_cast<std::size_t>(index)] = refill;
    m_rightTabs->removeTab(index);
    m_rightTabs->insertTab(index, page, QString::fromLatin1(kRightTabTexts[index]));
    if (current) {
        m_rightTabs->setCurrentIndex(index);
    }
    delete old;
    // A page put in front of the user starts out showing the selected game.
    if (current && refill != nullptr && index <= kLastRefilledTab) {
        refill->ShowGame(m_session.state.lastGameSelection, true);
    }
}

void MainWindow::SetStatisticsOpener(std::function<void()> open) {
    m_openStatistics = std::move(open);
    m_statistics->setEnabled(static_cast<bool>(m_openStatistics));
}

void MainWindow::UpdateStatusLine() {
    const browse::CollectionCounts counts = browse::CountCollection(m_session.games);
    m_panes->SetPaneText(1, ToQString(browse::CollectionCountsText(counts)));
}

void MainWindow::Open() {
    RestorePosition();
    KeepOnScreen();
    m_opened = true;
    show();
    raise();
    activateWindow();
    if (!m_session.changes.inserted.empty()) {
        m_feedback.ShowMessage(kWelcomeMessage, store::MessageIcon::None);
    }
}

void MainWindow::RunGameCommand(GameCommand command) {
    if (command != GameCommand::Cancel) {
        emit GameCommandRequested(command);
    }
}

void MainWindow::CurrentGameChanged(const std::string& description, bool force) {
    RightPage* visible = m_refills[static_cast<std::size_t>(m_rightTabs->currentIndex())];
    if (visible != nullptr) {
        visible->ShowGame(description, force);
    }
}

void MainWindow::RightTabChanged(int index) {
    if (index < 0 || index > kLastRefilledTab) {
        return;
    }
    RightPage* page = m_refills[static_cast<std::size_t>(index)];
    if (page != nullptr) {
        page->ShowGame(m_session.state.lastGameSelection, true);
    }
}

void MainWindow::RestorePosition() {
    // The size first: the remembered corner is that of the remembered size.
    if (const std::optional<QPoint> size = ParsePosition(m_session.state.lastWindowSize)) {
        QSize wanted = QSize(size->x(), size->y()).expandedTo(minimumSize());
        // A size from a larger screen or a smaller scale still fits this screen.
        if (const QScreen* screen = this->screen()) {
            wanted = wanted.boundedTo(screen->availableGeometry().size()).expandedTo(minimumSize());
        }
        resize(wanted);
    }
    const std::optional<QPoint> corner = ParsePosition(m_session.state.lastWindowPosition);
    if (corner && OnSomeScreen(*corner)) {
        move(*corner);
    }
}

void MainWindow::KeepOnScreen() {
    layout()->activate();
    const QScreen* screen = QGuiApplication::screenAt(geometry().center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    // As large as the room between the corner and the screen's far edges allows, but never
    // below the minimum; what still sticks out moves back, never beyond the top or left edge,
    // so that the title bar and the first controls can always be reached.
    const QRect before = frameGeometry();
    const QSize decoration = before.size() - size();
    const QSize room(area.right() + 1 - before.left(), area.bottom() + 1 - before.top());
    resize(size().boundedTo(room - decoration).expandedTo(minimumSize()));
    const QRect frame = frameGeometry();
    const int left =
        std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top()) {
        move(pos() + QPoint(left - frame.left(), top - frame.top()));
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    const QPoint corner = pos();
    if (corner.x() == 0 && corner.y() == 0) {
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d", corner.x(), corner.y());
    m_session.state.lastWindowPosition = text;
}

namespace {

constexpr const char* kAboutItem = "&About Quorvex...";
#ifdef Q_OS_WIN
// System menu commands of our own stay below 0xF000 and keep the low four bits clear.
constexpr UINT kAboutCommand = 0x0010;
#endif

}  // namespace

// Windows gives every window a system menu to put the item in. Elsewhere
// there is no portable one; the logo's context menu holds the item instead.
void MainWindow::AddAboutMenuItem() {
    auto* about = new QAction(tr(kAboutItem), m_logo);
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &MainWindow::ShowCredits);
    m_logo->addAction(about);
    m_logo->setContextMenuPolicy(Qt::ActionsContextMenu);
#ifdef Q_OS_WIN
    if (HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE)) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kAboutCommand, L"&About Quorvex...");
    }
#endif
}

#ifdef Q_OS_WIN
bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (eventType == "windows_generic_MSG") {
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kAboutCommand) {
            ShowCredits();
            *result = 0;
            return true;
        }
    }
    return QWidget::nativeEvent(eventType, message, result);
}
#endif

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_opened) {
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d", width(), height());
    m_session.state.lastWindowSize = text;
}

void MainWindow::ShowCredits() {
    AboutDialog about(this);
    about.exec();
}

bool MainWindow::Quit() {
    if (!SaveGames()) {
        return false;
    }
    close();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The title bar's close button is a quit too, and must not lose the games.
    if (m_saving || (!m_saved && !SaveGames())) {
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}

bool MainWindow::SaveGames() {
    if (m_saving) {
        return false;
    }
    m_saving = true;
    setEnabled(false);
    m_busy->On();
    std::string error;
    bool saved = false;
    {
        ProgressWindow progress(this);
        saved = store::SaveGameDatabase(m_session.games, m_session.files.gameDatabase, progress,
                                        &error);
    }
    m_busy->Off();
    setEnabled(true);
    m_saving = false;
    if (!saved) {
        m_feedback.ShowMessage("The games could not be saved in " +
                                   store::FileNamePart(m_session.files.gameDatabase) + ":\n" +
                                   error + "\nQuorvex stays open, so that nothing is lost.",
                               store::MessageIcon::Exclamation);
        return false;
    }
    m_saved = true;
    return true;
}

}  // namespace quorvex::ui
