// A choice-only list (a combo box that cannot be edited) that the keyboard searches by any
// part of an entry's text. Typed letters first look for an entry that begins with them, as
// every list does, then for one that contains them anywhere; a text that matches nothing
// leaves the choice as it was. Rows a find box hid are skipped by the search and the arrow
// keys, so the keyboard moves among the shown choices only.
#pragma once

#include <QComboBox>
#include <QElapsedTimer>
#include <QListView>

namespace mw {

// The popup list of a ChoiceList; the combo box also searches through it while closed.
class SearchingListView : public QListView {
public:
    using QListView::QListView;
    void keyboardSearch(const QString& search) override;

private:
    QString typed_;
    QElapsedTimer sinceTyped_;
};

class ChoiceList : public QComboBox {
public:
    explicit ChoiceList(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The next shown row from `row` in steps of `step` (+1 or -1), or -1.
    int shownRow(int row, int step) const;
};

} // namespace mw
