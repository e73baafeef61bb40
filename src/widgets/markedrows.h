// The rows of a list model as a view shows them, with some rows marked: a marked row's
// entry is shown in bold. The texts stay those of the underlying model.
#pragma once

#include <QIdentityProxyModel>
#include <set>

namespace mw {

class MarkedRows : public QIdentityProxyModel {
    Q_OBJECT
public:
    MarkedRows(QAbstractItemModel& source, QObject* parent);

    void mark(int row);
    void clearMarks();
    int markedCount() const { return static_cast<int>(marked_.size()); }

    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::set<int> marked_;
};

} // namespace mw
