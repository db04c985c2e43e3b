// The games page's play controls: Play, Random Play, Enter, Get replay, Use
// Univbe and the context menu of the games list.

#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeView>

#include "browse/games_list.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "ui/browse/games_list_model.h"
#include "ui/browse/games_page.h"
#include "ui/main_window.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

namespace {

bool IsEnterKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

QString MenuText(const std::string& caption) {
    // A description such as "Tom & Jerry" must not turn into a shortcut.
    QString text = ToQString(caption);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

}  // namespace

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
        return;
    }
    // The window is disabled while the emulator runs, which takes the focus
    // away; it comes back where it was, to the list when a play button had it.
    QPointer<QWidget> focus = m_window.focusWidget();
    if (focus == m_play || focus == m_randomPlay || focus == nullptr) {
        focus = m_list;
    }
    // The launch disables the window, which takes the focus from the
    // substring box; that is not the user leaving it.
    m_launching = true;
    m_launch();
    m_launching = false;
    // A launch that gets past the ROM check (the game keeps its ROM zip) and
    // finds no univbe.exe runs without it and unchecks the box;
    // LAST_UNIVBE_STATUS stays as it was.
    const std::optional<int> game = CurrentGameIndex();
    const bool romChecked = game && !m_session.games.Field(*game, 'C').empty();
    if (romChecked && m_useUnivbe->isChecked() &&
        !store::FileExists(m_session.state.lastUnivbeDir)) {
        m_useUnivbe->setChecked(false);
    }
    // One that finds the ROM zip gone unlinks the game, which leaves nothing to play.
    if (m_currentRow >= 0) {
        m_selectingCurrent = true;
        ShowRow(m_currentRow);
        m_selectingCurrent = false;
    }
    if (focus != nullptr && focus->isEnabled() && focus->isVisible()) {
        focus->setFocus();
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
            // The launch reads the box, so an unchecked box loads no Univbe
            // whatever LAST_UNIVBE_STATUS still says.
            m_useUnivbe->setChecked(false);
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
    if (watched == m_substring && event->type() == QEvent::FocusOut) {
        // Not when another window comes to the front or a menu opens.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            ApplySubstring();
        }
    }
    if (event->type() == QEvent::KeyPress && IsEnterKey(*static_cast<QKeyEvent*>(event)) &&
        EnterPlays(watched)) {
        LaunchIfPlayable();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool GamesPage::EnterPlays(QObject* watched) const {
    // In the substring box Enter plays before the box can apply its text:
    // the substring is applied when the box loses the focus.
    if (watched == m_substring) {
        return true;
    }
    // Enter reaches the main window when the widget with the focus did not
    // take it. Edit boxes of the other pages keep it to store what they hold.
    if (watched != &m_window) {
        return false;
    }
    const QWidget* focus = m_window.focusWidget();
    const auto* combo = qobject_cast<const QComboBox*>(focus);
    const bool otherPagesEditor =
        focus != nullptr && !isAncestorOf(focus) &&
        (qobject_cast<const QLineEdit*>(focus) != nullptr ||
         qobject_cast<const QAbstractSpinBox*>(focus) != nullptr ||
         qobject_cast<const QTextEdit*>(focus) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(focus) != nullptr ||
         (combo != nullptr && combo->isEditable()));
    return !otherPagesEditor;
}

void GamesPage::SetLaunchGame(std::function<void()> launch) {
    m_launch = std::move(launch);
}

bool GamesPage::getReplayChecked() const {
    return m_getReplay->isChecked();
}

bool GamesPage::useUnivbeChecked() const {
    return m_useUnivbe->isChecked();
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

}  // namespace quorvex::ui
