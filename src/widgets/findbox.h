// A find box over a list of entries: typing hides the rows whose text does not contain the
// typed text (case-insensitive). Rows are hidden, never removed, so a row's position stays
// the number of the record or catalogue entry it shows. Down or Return takes the user to the
// first shown row; Escape empties the box and shows every row again.
#pragma once

#include <QLineEdit>
#include <functional>
#include <vector>

class QComboBox;
class QListView;

namespace mw {

class FindBox : public QLineEdit {
public:
    // Narrows `rows`; `goTo(row)` takes the user to a shown row.
    FindBox(QListView* rows, std::function<void(int)> goTo, const QString& name, const QString& label, QWidget* parent);

    // The first row not hidden, or -1.
    int firstShownRow() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void narrow();

    QListView* rows_;
    std::function<void(int)> goTo_;
    QString narrowedBy_; // the text the rows were last narrowed by
    std::vector<bool> hidden_; // the rows it hid; the view's own answer costs a lookup
};

// The find box of a record list: going to a row makes it the current, selected entry and
// gives the list the focus.
FindBox* listFindBox(QListView* list, const QString& name, QWidget* parent);

// The find box of a choice list: it narrows the list's choices; going to a row chooses that
// entry and gives the list the focus.
FindBox* choiceFindBox(QComboBox* combo, const QString& name, const QString& label, QWidget* parent);

} // namespace mw
