#include "ui/browse/games_list_model.h"

#include <algorithm>

#include "browse/games_list.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

GamesListModel::GamesListModel(const store::GameDatabase& games, QObject* parent)
    : QAbstractTableModel(parent), m_games(games) {}

void GamesListModel::SetRows(std::vector<int> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    m_rebuilt = true;
    m_clearing = false;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

void GamesListModel::Clear() {
    beginResetModel();
    m_rows.clear();
    m_clearing = true;
    endResetModel();
}

int GamesListModel::GameAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
        return -1;
    }
    const int game = m_rows[static_cast<std::size_t>(row)];
    // Rows name games by position; a database changed behind the list's back
    // must not lead outside it.
    return game < m_games.count() ? game : -1;
}

std::string GamesListModel::TextAt(int row) const {
    const int game = GameAt(row);
    if (game >= 0) {
        return m_games[game].description;
    }
    if (row == 0 && m_rows.empty() && m_rebuilt && !m_clearing) {
        return browse::kNoGamesFound;
    }
    return std::string();
}

int GamesListModel::RowOf(std::string_view text) const {
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        const int game = m_rows[row];
        if (game < m_games.count() && m_games[game].description == text) {
            return static_cast<int>(row);
        }
    }
    if (m_rows.empty() && rowCount() == 1 && text == browse::kNoGamesFound) {
        return 0;
    }
    return -1;
}

std::vector<std::string_view> GamesListModel::LongestTexts(std::size_t count) const {
    std::vector<std::string_view> texts;
    texts.reserve(m_rows.size());
    for (const int game : m_rows) {
        if (game < m_games.count()) {
            texts.push_back(m_games[game].description);
        }
    }
    if (texts.size() > count) {
        std::nth_element(
            texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(count), texts.end(),
            [](std::string_view a, std::string_view b) { return a.size() > b.size(); });
        texts.resize(count);
    }
    if (texts.empty() && rowCount() == 1) {
        texts.push_back(browse::kNoGamesFound);
    }
    return texts;
}

int GamesListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    if (m_rows.empty()) {
        return m_rebuilt && !m_clearing ? 1 : 0;
    }
    return static_cast<int>(m_rows.size());
}

int GamesListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant GamesListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() != 0 || role != Qt::DisplayRole) {
        return QVariant();
    }
    return ToQString(TextAt(index.row()));
}

QVariant GamesListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section != 0 || orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QVariant();
    }
    if (!m_rebuilt) {
        return tr("The games supported");
    }
    return ToQString(browse::ListedHeader(m_rows.size()));
}

}  // namespace quorvex::ui
