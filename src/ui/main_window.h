#pragma once
// The program's one top-level window: two tab sets of pages side by side,
// the Credits, Statistics and Quit buttons, the logo and the status bar.

#include <QWidget>

#include <array>
#include <functional>
#include <string>

#include "store/session.h"
#include "store/user_feedback.h"
#include "ui/game_commands.h"

class QPushButton;
class QTabWidget;

namespace quorvex::ui {

class BusyIndicator;
class LogoWidget;
class RightPage;
class StatusPanes;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLeftPageCount = 4;
    static constexpr int kRightPageCount = 7;
    // Right-hand tabs, in their order.
    enum RightTab { Info, Settings, Snaps, Help, Misc, Setup, Utils };

    // session must outlive the window; messages go through feedback.
    MainWindow(store::Session& session, store::UserFeedback& feedback, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Moves the window where it stood last time, shows it and, when the
    // catalogue import found new games, greets the user on the Setup page.
    void Open();

    // Puts page in place of the one at index; the window owns it from then
    // on. refill (usually page itself) is called when the page comes to the
    // front; null for pages that have nothing to refill.
    void SetLeftPage(int index, QWidget* page);
    void SetRightPage(int index, QWidget* page, RightPage* refill);

    // The Statistics button opens what open shows; without it the button
    // stays disabled.
    void SetStatisticsOpener(std::function<void()> open);

    // Counts the collection again and shows it in status pane 1.
    void UpdateStatusLine();

    // Saves the game database and closes. False, with the reason shown to
    // the user and the window left open, when the file could not be written.
    bool Quit();

    QTabWidget* leftTabs() const { return m_leftTabs; }
    QTabWidget* rightTabs() const { return m_rightTabs; }
    StatusPanes* statusPanes() const { return m_panes; }
    LogoWidget* logo() const { return m_logo; }
    BusyIndicator& busy() const { return *m_busy; }

signals:
    // A context-menu command for the selected game; Cancel is never sent.
    void GameCommandRequested(quorvex::ui::GameCommand command);
    void Closed();

public slots:
    void RunGameCommand(quorvex::ui::GameCommand command);
    // The games page reports a new current game: the visible right-hand page
    // follows, refilling even for the game it shows when force is set.
    void CurrentGameChanged(const std::string& description, bool force = false);

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
#ifdef Q_OS_WIN
    // The "About Quorvex..." item of the window's system menu.
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    void BuildPages();
    QWidget* BuildButtonRow();
    void RightTabChanged(int index);
    void RestorePosition();
    // Brings the window onto the screen it is on, as far as its minimum size allows.
    void KeepOnScreen();
    void ShowCredits();
    void AddAboutMenuItem();
    bool SaveGames();

    store::Session& m_session;
    store::UserFeedback& m_feedback;
    QTabWidget* m_leftTabs = nullptr;
    QTabWidget* m_rightTabs = nullptr;
    std::array<RightPage*, kRightPageCount> m_refills{};
    QPushButton* m_credits = nullptr;
    QPushButton* m_statistics = nullptr;
    std::function<void()> m_openStatistics;
    QPushButton* m_quit = nullptr;
    LogoWidget* m_logo = nullptr;
    StatusPanes* m_panes = nullptr;
    BusyIndicator* m_busy = nullptr;
    bool m_opened = false;  // sizes before Open are the layout's, not the user's
    bool m_saving = false;
    bool m_saved = false;
};

// The welcome shown on the first start with new games.
extern const char* const kWelcomeMessage;

}  // namespace quorvex::ui
