#pragma once
// The Utilities page: the slideshow delay, the imports from the earlier
// front-end Orvane, the plug-in of emulator versions, merging a cheat file,
// the two directory optimisations with their Move/Copy choice, and the
// picture converter's command line.

#include <QLineEdit>
#include <QWidget>

#include <functional>
#include <string>

#include "sets/file_lists.h"
#include "sets/optimise.h"
#include "store/session.h"
#include "store/user_feedback.h"
#include "ui/right_page.h"

class QLabel;
class QPushButton;
class QSlider;

namespace quorvex::ui {

class MainWindow;

// The converter's command line box: reports when the focus leaves it, and
// whether it went elsewhere in the window rather than to another window.
class ConverterCommandBox : public QLineEdit {
    Q_OBJECT
public:
    explicit ConverterCommandBox(QWidget* parent = nullptr);

signals:
    void Left(bool withinWindow);

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

// Asks for a directory, starting at start; empty when the user cancelled.
using FolderChooser = std::function<QString(QWidget* parent, const QString& start)>;
// Asks for a cheat file to merge; empty when the user cancelled.
using CheatFileChooser = std::function<QString(QWidget* parent)>;

class UtilitiesPage : public QWidget, public RightPage {
    Q_OBJECT
public:
    // Everything passed in must outlive the page. Opening the page puts a
    // delay of one second into the state when it holds none.
    UtilitiesPage(store::Session& session, store::UserFeedback& feedback, MainWindow& window,
                  QWidget* parent = nullptr);

    // The page shows nothing of the current game.
    void ShowGame(const std::string& description, bool force) override;

    void SetFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }
    void SetCheatFileChooser(CheatFileChooser chooser) { m_chooseCheatFile = std::move(chooser); }
    // Called after every tool that may have changed games: the games list follows.
    void SetGamesChanged(std::function<void()> changed) { m_gamesChanged = std::move(changed); }

    sets::CopyMode copyMode() const { return m_mode; }
    QSlider* delaySlider() const { return m_delay; }
    QPushButton* importButton() const { return m_import; }
    QPushButton* convertButton() const { return m_convert; }
    QPushButton* versionsButton() const { return m_versions; }
    QPushButton* cheatsButton() const { return m_cheats; }
    QPushButton* optimiseRomsButton() const { return m_optimiseRoms; }
    QPushButton* optimiseSamplesButton() const { return m_optimiseSamples; }
    QPushButton* modeButton() const { return m_modeButton; }
    ConverterCommandBox* converterBox() const { return m_converter; }
    QPushButton* defaultButton() const { return m_default; }

private:
    QWidget* BuildDelayGroup();
    QWidget* BuildToolsGroup();
    QWidget* BuildOptimisationGroup();
    QWidget* BuildConverterGroup();

    void StoreDelay();
    void ImportOldPlayData();
    void ConvertOldSnapshots();
    void PlugInVersionHistory();
    void MergeCheatFile();
    void Optimise(sets::NeededFileKind theme);
    void ShowMode(sets::CopyMode mode);
    void ConverterBoxLeft(bool withinWindow);
    void RestoreDefaultConverter();
    // Runs a tool with the main window disabled and the busy indication on,
    // then lets the games list follow.
    void RunTool(const std::function<void(store::Progress&)>& tool);

    store::Session& m_session;
    store::UserFeedback& m_feedback;
    MainWindow& m_window;
    FolderChooser m_chooseFolder;
    CheatFileChooser m_chooseCheatFile;
    std::function<void()> m_gamesChanged;
    sets::CopyMode m_mode = sets::CopyMode::Move;
    bool m_running = false;

    QSlider* m_delay = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_convert = nullptr;
    QPushButton* m_versions = nullptr;
    QPushButton* m_cheats = nullptr;
    QPushButton* m_optimiseRoms = nullptr;
    QPushButton* m_optimiseSamples = nullptr;
    QPushButton* m_modeButton = nullptr;
    ConverterCommandBox* m_converter = nullptr;
    QPushButton* m_default = nullptr;
};

}  // namespace quorvex::ui
