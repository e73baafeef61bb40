// The searchable choice list.
#include "widgets/choicelist.h"

#include <QApplication>
#include <QKeyEvent>

namespace mw {

void SearchingListView::keyboardSearch(const QString& search)
{
    const QAbstractItemModel* entries = model();
    const int rows = entries ? entries->rowCount(rootIndex()) : 0;
    if (rows == 0)
        return;
    // Letters typed within the keyboard interval extend the search; after a pause, or after
    // an empty search, a new one begins.
    const bool fresh
        = search.isEmpty() || !sinceTyped_.isValid() || sinceTyped_.elapsed() > QApplication::keyboardInputInterval();
    sinceTyped_.start();
    typed_ = fresh ? search : typed_ + search;
    if (typed_.isEmpty())
        return;
    // The same key again ("aaa") steps through the entries that begin with it.
    const bool sameKey = typed_.size() > 1 && typed_.count(typed_.back()) == typed_.size();
    const QString wanted = sameKey ? typed_.left(1) : typed_;
    // A new search begins after the current entry, so that searching again finds the next one.
    const int current = currentIndex().row();
    const int start = (fresh || sameKey) ? current + 1 : std::max(current, 0);
    const int column = modelColumn();
    for (const bool anywhere : { false, true }) {
        for (int i = 0; i < rows; ++i) {
            const int row = (start + i) % rows;
            if (isRowHidden(row))
                continue;
            const QModelIndex index = entries->index(row, column, rootIndex());
            const QString text = index.data().toString();
            if (anywhere ? text.contains(wanted, Qt::CaseInsensitive) : text.startsWith(wanted, Qt::CaseInsensitive)) {
                setCurrentIndex(index);
                return;
            }
        }
    }
}

ChoiceList::ChoiceList(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(false);
    setView(new SearchingListView(this));
}

int ChoiceList::shownRow(int row, int step) const
{
    const auto* list = static_cast<const QListView*>(view());
    for (; row >= 0 && row < count(); row += step) {
        if (!list->isRowHidden(row))
            return row;
    }
    return -1;
}

void ChoiceList::keyPressEvent(QKeyEvent* event)
{
    int row = -1;
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Up:
            row = shownRow(currentIndex() - 1, -1);
            break;
        case Qt::Key_Down:
            row = shownRow(currentIndex() + 1, 1);
            break;
        case Qt::Key_Home:
            row = shownRow(0, 1);
            break;
        case Qt::Key_End:
            row = shownRow(count() - 1, -1);
            break;
        default:
            QComboBox::keyPressEvent(event);
            return;
        }
        if (row >= 0 && row != currentIndex()) {
            setCurrentIndex(row);
            emit activated(row);
            emit textActivated(currentText());
        }
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace mw
