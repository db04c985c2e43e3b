#pragma once
// What the Settings page needs of the games list: its rows, the selected
// ones, selecting more of them and selecting the current game again.

#include <vector>

#include "play/game_settings.h"

namespace quorvex::ui {

class GamesSelection {
public:
    virtual ~GamesSelection() = default;
    // Every row that shows a game, in list order.
    virtual std::vector<play::GamesListRow> Rows() const = 0;
    // The selected rows that show a game, in list order.
    virtual std::vector<play::GamesListRow> SelectedRows() const = 0;
    // Every row of the list, "No games found!" included.
    virtual int RowCount() const = 0;
    // Adds the rows to the selection; the current game stays what it was.
    virtual void SelectRows(const std::vector<int>& rows) = 0;
    virtual void SelectAll() = 0;
    // Selects the current game's row alone and lets the visible page follow.
    virtual void SelectCurrentGame() = 0;
};

}  // namespace quorvex::ui
