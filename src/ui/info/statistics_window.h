#pragma once
// The Statistics window: the Hall of Fame, the Hall of Shame and the Global
// Hall of the games by playing time, with clones packed into their families
// or ranked by time per launch, and the summary of all play.

#include <QDialog>

#include "info/statistics.h"
#include "store/game_database.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quorvex::ui {

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    // games must outlive the window. It opens on the Hall of Fame.
    explicit StatisticsWindow(const store::GameDatabase& games, QWidget* parent = nullptr);

    void ChooseBoard(info::Board board);
    info::Board board() const { return m_board; }

    QListWidget* boardList() const { return m_list; }
    QPushButton* boardButton(info::Board board) const;
    QCheckBox* packClonesBox() const { return m_pack; }
    QCheckBox* ratioBox() const { return m_ratio; }
    QLabel* summaryLabel() const { return m_summary; }
    QLabel* bannerLabel() const { return m_banner; }

private:
    void BuildBoard();

    const store::GameDatabase& m_games;
    info::Board m_board = info::Board::HallOfFame;
    QListWidget* m_list = nullptr;
    QPushButton* m_fame = nullptr;
    QPushButton* m_shame = nullptr;
    QPushButton* m_global = nullptr;
    QCheckBox* m_pack = nullptr;
    QCheckBox* m_ratio = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_banner = nullptr;
};

}  // namespace quorvex::ui
