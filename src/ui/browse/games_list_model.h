#pragma once
// The games list's rows: indexes into the game database, shown by their
// descriptions in one column. Only the rows in view are ever turned into
// text, so a list of tens of thousands of games fills at once.

#include <QAbstractTableModel>

#include <string>
#include <string_view>
#include <vector>

#include "store/game_database.h"

namespace quorvex::ui {

class GamesListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // games must outlive the model.
    explicit GamesListModel(const store::GameDatabase& games, QObject* parent = nullptr);

    // The rows of a rebuild, in database order; none shows the single row
    // "No games found!". The header then reads "%d are listed".
    void SetRows(std::vector<int> rows);
    // Takes every row away while a rebuild runs; the header stays as it was.
    void Clear();

    // The game database index of a row; -1 for "No games found!" and rows outside the list.
    int GameAt(int row) const;
    // The text a row shows.
    std::string TextAt(int row) const;
    // The first row whose text is exactly text, or -1.
    int RowOf(std::string_view text) const;
    int listedCount() const { return static_cast<int>(m_rows.size()); }
    const std::vector<int>& rows() const { return m_rows; }
    // The descriptions most likely to be the widest: the longest ones by bytes.
    std::vector<std::string_view> LongestTexts(std::size_t count) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const store::GameDatabase& m_games;
    std::vector<int> m_rows;
    bool m_rebuilt = false;  // a rebuild has finished: "No games found!" and "%d are listed"
    bool m_clearing = false;
};

}  // namespace quorvex::ui
