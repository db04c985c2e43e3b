#pragma once
// The games page's list as the Settings page sees it.

#include <QObject>

#include "ui/play/games_selection.h"

namespace quorvex::ui {

class GamesPage;

// Lives as long as the page it belongs to.
class GamesPageSelection : public QObject, public GamesSelection {
public:
    explicit GamesPageSelection(GamesPage& page);

    std::vector<play::GamesListRow> Rows() const override;
    std::vector<play::GamesListRow> SelectedRows() const override;
    int RowCount() const override;
    void SelectRows(const std::vector<int>& rows) override;
    void SelectAll() override;
    void SelectCurrentGame() override;

private:
    GamesPage& m_page;
};

}  // namespace quorvex::ui
