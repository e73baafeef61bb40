// The shared entry list model.
#include "core/entrylistmodel.h"

#include <algorithm>
#include <vector>

namespace mw {

void EntryListModel::setStringList(const QStringList& texts)
{
    beginResetModel();
    plain_ = texts;
    rows_ = {};
    isPlain_ = true;
    longestAsked_ = -1;
    endResetModel();
}

void EntryListModel::setEntries(const EntryRows& rows)
{
    beginResetModel();
    plain_.clear();
    rows_ = rows;
    isPlain_ = false;
    longestAsked_ = -1;
    endResetModel();
}

QString EntryListModel::text(int row) const
{
    return isPlain_ ? plain_.value(row) : rows_.text(row);
}

QStringList EntryListModel::stringList() const
{
    return isPlain_ ? plain_ : rows_.texts();
}

QList<int> EntryListModel::longestRows(int n) const
{
    if (longestAsked_ == n)
        return longest_;
    const int count = rowCount();
    std::vector<std::pair<int, int>> lengths; // (length, row)
    lengths.reserve(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row)
        lengths.emplace_back(isPlain_ ? static_cast<int>(plain_[row].size()) : rows_.byteLength(row), row);
    const auto shown = lengths.begin() + std::min(n, count);
    std::partial_sort(lengths.begin(), shown, lengths.end(),
        [](const auto& a, const auto& b) { return a.first > b.first || (a.first == b.first && a.second < b.second); });
    QList<int> rows;
    for (auto it = lengths.begin(); it != shown; ++it)
        rows.push_back(it->second);
    longest_ = rows;
    longestAsked_ = n;
    return rows;
}

int EntryListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return isPlain_ ? static_cast<int>(plain_.size()) : rows_.size();
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return text(index.row());
}

bool EntryListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    const QString newText = value.toString();
    if (text(index.row()) == newText)
        return true;
    if (isPlain_)
        plain_.replace(index.row(), newText);
    else
        rows_.fixed.insert(index.row(), newText);
    longestAsked_ = -1;
    emit dataChanged(index, index, { Qt::DisplayRole, Qt::EditRole });
    return true;
}

Qt::ItemFlags EntryListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

} // namespace mw
