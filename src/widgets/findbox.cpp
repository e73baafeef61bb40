// The find box.
#include "widgets/findbox.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QListView>

namespace mw {

FindBox::FindBox(
    QListView* rows, std::function<void(int)> goTo, const QString& name, const QString& label, QWidget* parent)
    : QLineEdit(parent)
    , rows_(rows)
    , goTo_(std::move(goTo))
{
    setObjectName(name);
    setAccessibleName(label);
    setPlaceholderText(label);
    connect(this, &QLineEdit::textChanged, this, [this] { narrow(); });
    // New rows are all shown: narrow them from the start.
    connect(rows_->model(), &QAbstractItemModel::modelReset, this, [this] {
        narrowedBy_.clear();
        hidden_.assign(static_cast<size_t>(rows_->model()->rowCount()), false);
        if (!text().isEmpty())
            narrow();
    });
}

void FindBox::narrow()
{
    const QString wanted = text();
    const QAbstractItemModel* model = rows_->model();
    const int column = rows_->modelColumn();
    const int rows = model->rowCount();
    if (static_cast<int>(hidden_.size()) != rows) {
        hidden_.resize(static_cast<size_t>(rows));
        for (int row = 0; row < rows; ++row)
            hidden_[static_cast<size_t>(row)] = rows_->isRowHidden(row);
    }
    // More letters can only hide more rows, fewer only show more: only those rows are read.
    const bool longer = wanted.startsWith(narrowedBy_, Qt::CaseInsensitive);
    const bool shorter = narrowedBy_.startsWith(wanted, Qt::CaseInsensitive);
    // Each row hidden or shown asks for a repaint of the whole list: one is enough.
    const bool updating = rows_->updatesEnabled();
    rows_->setUpdatesEnabled(false);
    for (int row = 0; row < rows; ++row) {
        const bool hidden = hidden_[static_cast<size_t>(row)];
        if ((longer && hidden) || (shorter && !hidden))
            continue;
        const bool hide
            = !wanted.isEmpty() && !model->index(row, column).data().toString().contains(wanted, Qt::CaseInsensitive);
        if (hidden != hide) {
            rows_->setRowHidden(row, hide);
            hidden_[static_cast<size_t>(row)] = hide;
        }
    }
    rows_->setUpdatesEnabled(updating);
    narrowedBy_ = wanted;
}

int FindBox::firstShownRow() const
{
    for (int row = 0, rows = rows_->model()->rowCount(); row < rows; ++row) {
        if (!rows_->isRowHidden(row))
            return row;
    }
    return -1;
}

void FindBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() & ~Qt::KeypadModifier)
            break; // Ctrl+Return belongs to the window
        if (const int row = firstShownRow(); row >= 0)
            goTo_(row);
        return;
    case Qt::Key_Escape:
        clear();
        return;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

FindBox* listFindBox(QListView* list, const QString& name, QWidget* parent)
{
    return new FindBox(
        list,
        [list](int row) {
            list->setFocus(Qt::ShortcutFocusReason);
            list->selectionModel()->setCurrentIndex(
                list->model()->index(row, list->modelColumn()), QItemSelectionModel::ClearAndSelect);
            list->scrollTo(list->currentIndex());
        },
        name, QStringLiteral("Find"), parent);
}

FindBox* choiceFindBox(QComboBox* combo, const QString& name, const QString& label, QWidget* parent)
{
    return new FindBox(
        qobject_cast<QListView*>(combo->view()),
        [combo](int row) {
            combo->setCurrentIndex(row);
            combo->setFocus(Qt::ShortcutFocusReason);
        },
        name, label, parent);
}

} // namespace mw
