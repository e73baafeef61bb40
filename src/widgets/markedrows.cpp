// Marked rows.
#include "widgets/markedrows.h"

#include <QFont>

namespace mw {

MarkedRows::MarkedRows(QAbstractItemModel& source, QObject* parent)
    : QIdentityProxyModel(parent)
{
    setSourceModel(&source);
    // New rows are other entries: no mark carries over.
    connect(this, &QAbstractItemModel::modelReset, this, [this] { marked_.clear(); });
}

void MarkedRows::mark(int row)
{
    if (row < 0 || row >= rowCount() || !marked_.insert(row).second)
        return;
    emit dataChanged(index(row, 0), index(row, 0), { Qt::FontRole });
}

void MarkedRows::clearMarks()
{
    const std::set<int> were = std::exchange(marked_, {});
    for (int row : were)
        emit dataChanged(index(row, 0), index(row, 0), { Qt::FontRole });
}

QVariant MarkedRows::data(const QModelIndex& index, int role) const
{
    if (role == Qt::FontRole && marked_.count(index.row())) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return QIdentityProxyModel::data(index, role);
}

} // namespace mw
