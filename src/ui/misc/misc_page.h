#pragma once
// The Misc page: the current game's cheats with their editor, which rewrites
// the emulator's "cheat.dat" at once, and the game's replays, played back,
// deleted, or replaced by any replay file the user picks.

#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "info/cheats.h"
#include "info/replays.h"
#include "store/session.h"
#include "store/user_feedback.h"
#include "ui/right_page.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvex::ui {

class GameLauncher;

class MiscPage : public QWidget, public RightPage {
    Q_OBJECT
public:
    enum class CheatMode { Browsing, New, Modify };

    // session and feedback must outlive the page; without a launcher the
    // replays can be listed and deleted but not played.
    MiscPage(store::Session& session, store::UserFeedback& feedback, GameLauncher* launcher,
             QWidget* parent = nullptr);
    ~MiscPage() override;

    void ShowGame(const std::string& description, bool force) override;

    // Picks the file for "Custom..." from a starting folder; an empty result
    // is a cancel. The file-open dialog unless replaced.
    using ReplayChooser = std::function<QString(const QString& startFolder)>;
    void SetReplayChooser(ReplayChooser chooser) { m_chooseReplay = std::move(chooser); }

    const std::string& shownGame() const { return m_description; }
    CheatMode cheatMode() const { return m_mode; }
    const std::vector<info::Cheat>& cheats() const { return m_cheats; }
    QGroupBox* cheatFrame() const { return m_cheatFrame; }
    QListWidget* cheatList() const { return m_cheatList; }
    QLineEdit* cpuBox() const { return m_cpu; }
    QLineEdit* addressBox() const { return m_address; }
    QLineEdit* dataBox() const { return m_data; }
    QLineEdit* typeBox() const { return m_type; }
    QLineEdit* descriptionBox() const { return m_descriptionBox; }
    QPushButton* newButton() const { return m_new; }
    QPushButton* modifyButton() const { return m_modify; }
    QPushButton* deleteCheatButton() const { return m_deleteCheat; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }
    QGroupBox* replayFrame() const { return m_replayFrame; }
    QListWidget* replayList() const { return m_replayList; }
    QPushButton* replayButton() const { return m_replay; }
    QPushButton* deleteReplayButton() const { return m_deleteReplay; }
    QPushButton* customButton() const { return m_custom; }

private:
    void BuildControls();
    QWidget* BuildCheatFrame();
    QWidget* BuildReplayFrame();
    std::string CheatFilePath() const;
    void FillCheats();
    void FillReplays();
    void ShowBrowsing();
    void ShowEditing(CheatMode mode);
    const info::Cheat* SelectedCheat() const;
    void NewCheat();
    void ModifyCheat();
    void CancelCheat();
    void SaveCheat();
    void DeleteCheat();
    const info::ReplayFile* SelectedReplay() const;
    void PlayReplay();
    void DeleteReplay();
    void PlayCustomReplay();
    void Launch(const std::string& replay);
    QString ChooseReplayFile(const QString& startFolder);

    store::Session& m_session;
    store::UserFeedback& m_feedback;
    GameLauncher* m_launcher = nullptr;
    ReplayChooser m_chooseReplay;

    QGroupBox* m_cheatFrame = nullptr;
    QListWidget* m_cheatList = nullptr;
    QLineEdit* m_cpu = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_data = nullptr;
    QLineEdit* m_type = nullptr;
    QLineEdit* m_descriptionBox = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_modify = nullptr;
    QPushButton* m_deleteCheat = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QGroupBox* m_replayFrame = nullptr;
    QListWidget* m_replayList = nullptr;
    QPushButton* m_replay = nullptr;
    QPushButton* m_deleteReplay = nullptr;
    QPushButton* m_custom = nullptr;

    std::string m_description;
    std::string m_rawName;  // lower case; empty when no game has the description
    bool m_hasRomZip = false;
    std::vector<info::Cheat> m_cheats;
    std::vector<info::ReplayFile> m_replays;
    CheatMode m_mode = CheatMode::Browsing;
    std::string m_modifiedLine;  // the cheat Modify started from
};

}  // namespace quorvex::ui
