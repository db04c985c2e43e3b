#pragma once
// The information page (tab "Info"): everything the game database knows
// about the current game, with the rating, favourite mark, category and
// executable editable, and the buttons that break or set its zip links.

#include <QWidget>

#include <string>

#include "store/session.h"
#include "store/user_feedback.h"
#include "ui/right_page.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvex::ui {

class MainWindow;

class InfoPage : public QWidget, public RightPage {
    Q_OBJECT
public:
    // session, feedback and window must outlive the page; the link buttons
    // ask window to run the manual-link commands for the current game.
    InfoPage(store::Session& session, store::UserFeedback& feedback, MainWindow& window,
             QWidget* parent = nullptr);

    void ShowGame(const std::string& description, bool force) override;
    const std::string& shownGame() const { return m_description; }

    // Stores what the boxes hold into the shown game, as losing the focus does.
    void StoreRating();
    void StoreCategory();
    void StoreExecutable();
    // Enter on the page: rating, category and executable, in this order.
    void StoreBoxes();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void ShowRatingPicture(int band);
    void Clear();
    // The game the page shows, or -1 when it shows none.
    int ShownIndex() const;

    store::Session& m_session;
    store::UserFeedback& m_feedback;
    MainWindow& m_window;
    std::string m_description;

    QLabel* m_descriptionLine = nullptr;
    QLabel* m_year = nullptr;
    QLabel* m_company = nullptr;
    QLabel* m_clone = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_roms = nullptr;
    QLabel* m_samples = nullptr;
    QPushButton* m_romsBreak = nullptr;
    QPushButton* m_romsSelect = nullptr;
    QPushButton* m_samplesBreak = nullptr;
    QPushButton* m_samplesSelect = nullptr;
    QLabel* m_lastPlayed = nullptr;
    QLabel* m_launch = nullptr;
    QLabel* m_frameRate = nullptr;
    QLabel* m_cpu = nullptr;
    QLabel* m_sound = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_insertDate = nullptr;
    QLineEdit* m_rating = nullptr;
    QLabel* m_ratingPicture = nullptr;
    QLabel* m_smallerAward = nullptr;
    QLabel* m_goldAward = nullptr;
    QCheckBox* m_favourite = nullptr;
    QLineEdit* m_category = nullptr;
    QLineEdit* m_executable = nullptr;
    bool m_filling = false;
};

}  // namespace quorvex::ui
