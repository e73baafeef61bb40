// A list model of entry texts, shared by every widget that shows the same list. It is
// filled either with plain texts (setStringList) or with a reader's rows (setEntries),
// whose texts are made only for the rows a widget shows. An entry renamed by an update
// keeps its new text until the next fill.
#pragma once

#include "core/entryrows.h"

#include <QAbstractListModel>
#include <QList>
#include <QStringList>

namespace mw {

class EntryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setStringList(const QStringList& texts);
    void setEntries(const EntryRows& rows);

    // Entry `row`'s text; empty past the end.
    QString text(int row) const;
    QStringList stringList() const;

    // The rows whose texts are longest in bytes, at most `n`, longest first: the ones to
    // measure for a popup's width without making every text.
    QList<int> longestRows(int n) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    EntryRows rows_; // texts made on demand, with the renamed ones in its `fixed`
    QStringList plain_; // used instead when filled with plain texts
    bool isPlain_ = true;
    // longestRows, worked out once per fill for every combo that shares the model
    mutable QList<int> longest_;
    mutable int longestAsked_ = -1;
};

} // namespace mw
