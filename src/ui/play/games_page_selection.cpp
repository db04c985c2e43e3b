#include "ui/play/games_page_selection.h"

#include <QItemSelectionModel>
#include <QTreeView>

#include <algorithm>

#include "ui/browse/games_list_model.h"
#include "ui/browse/games_page.h"

namespace quorvex::ui {

GamesPageSelection::GamesPageSelection(GamesPage& page) : QObject(&page), m_page(page) {}

std::vector<play::GamesListRow> GamesPageSelection::Rows() const {
    const GamesListModel& model = m_page.model();
    std::vector<play::GamesListRow> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.GameAt(row) >= 0) {
            rows.push_back({row, model.TextAt(row)});
        }
    }
    return rows;
}

std::vector<play::GamesListRow> GamesPageSelection::SelectedRows() const {
    const GamesListModel& model = m_page.model();
    std::vector<int> selected;
    for (const QModelIndex& index : m_page.gamesList()->selectionModel()->selectedRows()) {
        selected.push_back(index.row());
    }
    std::sort(selected.begin(), selected.end());
    std::vector<play::GamesListRow> rows;
    for (const int row : selected) {
        if (model.GameAt(row) >= 0) {
            rows.push_back({row, model.TextAt(row)});
        }
    }
    return rows;
}

int GamesPageSelection::RowCount() const {
    return m_page.model().rowCount();
}

void GamesPageSelection::SelectRows(const std::vector<int>& rows) {
    const GamesListModel& model = m_page.model();
    QItemSelection selection;
    for (const int row : rows) {
        const QModelIndex index = model.index(row, 0);
        if (index.isValid()) {
            selection.select(index, index);
        }
    }
    m_page.gamesList()->selectionModel()->select(
        selection, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void GamesPageSelection::SelectAll() {
    m_page.gamesList()->selectAll();
}

void GamesPageSelection::SelectCurrentGame() {
    m_page.SelectCurrentGame();
}

}  // namespace quorvex::ui
