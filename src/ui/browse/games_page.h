#pragma once
// The games page: the games list with its sortings box, filter check list,
// And/Or switch, substring box, Family! and the play controls. The row made
// current last is the current game of the whole program (LAST_GAME_SELECTION).

#include <QWidget>

#include <functional>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "browse/game_menu.h"
#include "store/session.h"
#include "store/user_feedback.h"
#include "ui/game_commands.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QTreeView;

namespace quorvex::ui {

class GamesListModel;
class MainWindow;

class GamesPage : public QWidget {
    Q_OBJECT
public:
    enum class RefreshMode { Start = 1, Sort, Filter, AndOr, Family };

    // Fills the page from the session's state and builds the list (mode
    // Start). session and window must outlive the page.
    GamesPage(store::Session& session, store::UserFeedback& feedback, MainWindow& window,
              QWidget* parent = nullptr);
    ~GamesPage() override;

    // Rebuilds the games list; the main window is disabled meanwhile.
    void RefreshGamesList(RefreshMode mode);
    // The same under the main window's busy indication, followed by
    // SelectCurrentGame: what every user-caused rebuild does.
    void RefreshUnderBusy(RefreshMode mode);
    // Selects the row of LAST_GAME_SELECTION, or the first row when it is not listed.
    void SelectCurrentGame();

    // After the filter table changed: refills the check list from LAST_FILTERS.
    void RefillFilterList();
    // After the sorting table changed. A kept entry stays selected while it
    // still exists, so that the box names the order the list is in.
    void RefillSortings(bool keepSelection);

    // What the Create filters and Create sortings pages changed. A changed
    // filter that is active rebuilds the list; a deletion rebuilds it with
    // every filter inactive; a deleted sorting sorts by the first one.
    void FilterSaved(int position, bool added);
    void FiltersDeleted();
    void SortingAdded();
    void SortingDeleted();

    // The launch of the current game, which reads Get replay and Use Univbe
    // from the boxes below; nothing is played until one is set.
    void SetLaunchGame(std::function<void()> launch);
    bool getReplayChecked() const;
    bool useUnivbeChecked() const;
    // Where Use Univbe asks for univbe.exe; nothing means the user cancelled.
    void SetUnivbeChooser(std::function<std::optional<std::string>()> choose);
    // Context-menu commands that something carries out once the main window
    // sends them; the others stay disabled. Play and Cancel always are.
    void SetCommandAvailable(GameCommand command, bool available);

    // Fills menu with the context menu for the current game; choosing an
    // entry hands its command to the main window.
    void FillGameMenu(QMenu& menu);
    // The descriptions of every selected row, in list order.
    std::vector<std::string> SelectedDescriptions() const;

    bool familyMode() const { return m_familyMode; }
    GamesListModel& model() const { return *m_model; }
    QTreeView* gamesList() const { return m_list; }

protected:
    // Enter anywhere in the main window (the page watches it) plays, and Use
    // Univbe's double click forgets univbe.exe.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ApplyState();
    void ShowRow(int row);
    void SelectionMoved();
    void FilterCheckChanged(QListWidgetItem* item);
    void ShowFilterCounts();
    void SortingChosen(int index);
    void SwitchAndOr();
    void ShowAndOr();
    void ApplySubstring();
    void UnselectAll();
    void ToggleFamily();
    void ShowFamilyButton(bool familyShown);
    void RandomPlay();
    void Play();
    void LaunchIfPlayable();
    bool EnterPlays(QObject* watched) const;
    void ReplayClicked();
    void UnivbeClicked();
    void ChangeUnivbe();
    void ShowPlayChoices();
    void UncheckAllFilters(char flag);
    void FitColumn();
    void ShowContextMenu(const QPoint& position);
    std::optional<int> CurrentGameIndex() const;

    store::Session& m_session;
    store::UserFeedback& m_feedback;
    MainWindow& m_window;
    GamesListModel* m_model = nullptr;

    QTreeView* m_list = nullptr;
    QComboBox* m_sortings = nullptr;
    QLabel* m_sortingsCount = nullptr;
    QListWidget* m_filters = nullptr;
    QLabel* m_filtersCount = nullptr;
    QLabel* m_selectedCount = nullptr;
    QPushButton* m_andOr = nullptr;
    QPushButton* m_unselectAll = nullptr;
    QLineEdit* m_substring = nullptr;
    QPushButton* m_family = nullptr;
    QPushButton* m_play = nullptr;
    QPushButton* m_randomPlay = nullptr;
    QCheckBox* m_getReplay = nullptr;
    QCheckBox* m_useUnivbe = nullptr;
    QPushButton* m_changeUnivbe = nullptr;

    std::vector<int> m_checkStates;  // the last check state seen per filter
    bool m_orMode = false;
    bool m_familyMode = false;
    bool m_romFlag = false;
    bool m_filling = false;  // programmatic changes of the controls
    bool m_rebuilding = false;
    bool m_launching = false;
    bool m_selectingCurrent = false;  // SelectCurrentGame tells the right page itself
    int m_currentRow = -1;
    std::function<void()> m_launch;
    std::function<std::optional<std::string>()> m_chooseUnivbe;
    std::set<GameCommand> m_available;
    std::mt19937 m_random;
};

}  // namespace quorvex::ui
