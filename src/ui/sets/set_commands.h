#pragma once
// The ROM and sample set commands of the games list's context menu (links,
// family transformations, resets) and the way every long set operation runs:
// main window disabled, busy indication on, the log shown at the end, the
// games list and the status line brought up to date.

#include <QObject>

#include <functional>
#include <string>
#include <vector>

#include "sets/file_lists.h"
#include "sets/scan.h"
#include "sets/transformations.h"
#include "store/session.h"
#include "store/user_feedback.h"
#include "ui/event_pump.h"
#include "ui/game_commands.h"

namespace quorvex::ui {

class MainWindow;

// What the set operations need of the games list on the games page.
class GamesListAccess {
public:
    virtual ~GamesListAccess() = default;
    // The descriptions of the selected rows, in list order.
    virtual std::vector<std::string> SelectedDescriptions() const = 0;
    virtual void SelectAllGames() = 0;
    // Rebuilds the list with the active filters (the game data changed).
    virtual void RefreshGamesList() = 0;
    // Selects the current game's row and shows it anew, also when its links
    // changed while it stayed selected.
    virtual void SelectCurrentGame() = 0;
};

// Opens a log with the desktop's viewer; the program's is OpenWithAssociation.
// False when no viewer could be started.
using LogOpener = std::function<bool(const std::string& path)>;
// Asks for a zip of the theme; empty when the user cancelled.
using ZipChooser = std::function<std::string(sets::NeededFileKind theme)>;

// What the user is told when no viewer opens a log: where the log is.
std::string LogNotOpenedMessage(const std::string& path);

class SetCommands : public QObject {
    Q_OBJECT
public:
    // Everything passed in must outlive the object.
    SetCommands(store::Session& session, store::UserFeedback& feedback, MainWindow& window,
                GamesListAccess& games, QObject* parent = nullptr);

    // The context-menu commands that Run carries out.
    static bool Serves(GameCommand command);

    void SetLogOpener(LogOpener opener) { m_openLog = std::move(opener); }
    void SetZipChooser(ZipChooser chooser) { m_chooseZip = std::move(chooser); }

    // Rebuilds the families of these games into one set format and shows the log.
    void Transform(sets::TransformationType type, const std::vector<std::string>& descriptions);
    // Shows what a set operation changed: the games list, the current game's
    // row, the status line.
    void ApplyRefresh(const sets::ViewRefresh& refresh);
    // Opens the log, or tells the user where it is when it cannot be opened.
    void OpenLog(const std::string& path) const;

    // Disables the main window and turns the busy indication on for the life
    // of the object; false from Begin while another operation runs.
    class LongOperation {
    public:
        explicit LongOperation(SetCommands& commands);
        ~LongOperation();
        LongOperation(const LongOperation&) = delete;
        LongOperation& operator=(const LongOperation&) = delete;
        bool started() const { return m_started; }

    private:
        SetCommands& m_commands;
        bool m_started;
    };

    store::Session& session() const { return m_session; }
    store::UserFeedback& feedback() const { return m_feedback; }
    MainWindow& window() const { return m_window; }
    GamesListAccess& games() const { return m_games; }
    EventLoopPump& pump() { return m_pump; }

public slots:
    // Carries out a command for the selected game (LAST_GAME_SELECTION);
    // commands that Serves does not name are left to others.
    void Run(quorvex::ui::GameCommand command);

private:
    void SelectFile(sets::NeededFileKind theme);
    std::string ChooseZip(sets::NeededFileKind theme) const;

    store::Session& m_session;
    store::UserFeedback& m_feedback;
    MainWindow& m_window;
    GamesListAccess& m_games;
    EventLoopPump m_pump;
    LogOpener m_openLog;
    ZipChooser m_chooseZip;
    bool m_running = false;
};

}  // namespace quorvex::ui
