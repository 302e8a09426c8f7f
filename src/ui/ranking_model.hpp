// The rows of Form断面選定's table: a ranking of sizes as a Qt model, sortable by any column,
// the lightest passing size bold on a coloured row, failing sizes grey with their verdict red.
// Each cell tells a screen reader its column and its text.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "choose/ranking.hpp"

namespace ui {

class RankingModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    inline static const QColor kLightestBack{204, 255, 204};
    inline static const QColor kFailingText{128, 128, 128};
    inline static const QColor kFailingVerdict{255, 0, 0};

    // Shows a ranking, in the column order last asked for (by mass at first).
    void setRanking(const choose::Ranking& ranking, int zaitype);

    const choose::Row& row(int r) const { return rows_[static_cast<std::size_t>(r)].row; }
    // The table row of the lightest passing size, or -1.
    int lightestRow() const;
    // The table row of a size, or -1.
    int find(int shape, const std::string& designation) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    struct Item {
        choose::Row row;
        std::array<QString, choose::kColumns> cells;
        bool lightest = false;
    };
    void sortRows();

    std::vector<Item> rows_;
    int sortColumn_ = static_cast<int>(choose::Column::Mass);
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace ui
