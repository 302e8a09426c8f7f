#include "ui/ranking_model.hpp"

#include <QFont>
#include <algorithm>

#include "ui/controls.hpp"

namespace ui {

namespace {

bool isNumberColumn(int column) {
    using choose::Column;
    const auto c = static_cast<Column>(column);
    return c != Column::Shape && c != Column::Designation && c != Column::Verdict;
}

} // namespace

void RankingModel::setRanking(const choose::Ranking& ranking, int zaitype) {
    beginResetModel();
    rows_.clear();
    rows_.reserve(ranking.rows.size());
    for (std::size_t n = 0; n < ranking.rows.size(); ++n) {
        Item item{ranking.rows[n], {}, ranking.lightest == n};
        const auto texts = choose::cells(item.row, zaitype);
        for (std::size_t c = 0; c < texts.size(); ++c)
            item.cells[c] = qtext(texts[c]);
        rows_.push_back(std::move(item));
    }
    sortRows();
    endResetModel();
}

int RankingModel::lightestRow() const {
    for (std::size_t n = 0; n < rows_.size(); ++n)
        if (rows_[n].lightest) return static_cast<int>(n);
    return -1;
}

int RankingModel::find(int shape, const std::string& designation) const {
    for (std::size_t n = 0; n < rows_.size(); ++n)
        if (rows_[n].row.shape == shape && rows_[n].row.designation == designation)
            return static_cast<int>(n);
    return -1;
}

int RankingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RankingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(choose::kColumns);
}

QVariant RankingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const Item& item = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    const QString& text = item.cells[static_cast<std::size_t>(column)];
    switch (role) {
    case Qt::DisplayRole:
        return text;
    case Qt::AccessibleTextRole:
        // Read out with its column, and the size it belongs to.
        return qtext(choose::kColumnTitles[static_cast<std::size_t>(column)]) +
               QStringLiteral(" ") + text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(isNumberColumn(column) ? Qt::AlignRight | Qt::AlignVCenter
                                                          : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
        if (item.lightest) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole:
        return item.lightest ? QVariant(kLightestBack) : QVariant();
    case Qt::ForegroundRole:
        if (item.row.passes) return {};
        return column == static_cast<int>(choose::Column::Verdict) ? kFailingVerdict : kFailingText;
    default:
        return {};
    }
}

QVariant RankingModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Vertical) {
        if (role == Qt::DisplayRole) return section + 1;
        return {};
    }
    if (section < 0 || section >= columnCount()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return qtext(choose::kColumnTitles[static_cast<std::size_t>(section)]);
    return {};
}

void RankingModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount()) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::pair<int, std::string>> identities;
    for (const QModelIndex& i : before) {
        const choose::Row& r = rows_[static_cast<std::size_t>(i.row())].row;
        identities.emplace_back(r.shape, r.designation);
    }
    sortColumn_ = column;
    sortOrder_ = order;
    sortRows();
    QModelIndexList after;
    for (qsizetype n = 0; n < before.size(); ++n) {
        const auto& [shape, designation] = identities[static_cast<std::size_t>(n)];
        after.push_back(index(find(shape, designation), before[n].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RankingModel::sortRows() {
    const auto column = static_cast<choose::Column>(sortColumn_);
    // By the ranking's own order where keys are equal: mass, then designation.
    std::vector<std::pair<choose::SortKey, std::size_t>> keys;
    keys.reserve(rows_.size());
    for (std::size_t n = 0; n < rows_.size(); ++n)
        keys.emplace_back(choose::sortKey(rows_[n].row, column), n);
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    std::stable_sort(keys.begin(), keys.end(), [descending](const auto& a, const auto& b) {
        return descending ? b.first < a.first : a.first < b.first;
    });
    std::vector<Item> sorted;
    sorted.reserve(rows_.size());
    for (const auto& k : keys)
        sorted.push_back(std::move(rows_[k.second]));
    rows_ = std::move(sorted);
}

} // namespace ui
