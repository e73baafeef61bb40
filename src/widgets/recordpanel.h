// What the three record panels have in common: a list whose entry k is record k, with a
// find box above it and the entries of records updated since the last load or Save in bold;
// the module and list models they work on, and the window's Update. Each panel takes the
// same three steps: show a record (the list click), read the panel, report an outcome.
#pragma once

#include "core/messages.h"
#include "core/modulestate.h"
#include "core/records.h"
#include "widgets/sharedlists.h"

#include <QWidget>
#include <vector>

class QListView;

namespace mw {

class FindBox;
class MarkedRows;

class RecordPanel : public QWidget {
public:
    RecordPanel(ModuleState& module, SharedLists& lists, MessageService& messages, QWidget* parent);

    // The list of the panel's records.
    virtual QListView* recordList() const = 0;
    // Applies the panel to the selected record: the window's Update.
    virtual void updateRecord() = 0;

    // Puts the keyboard focus into the find box of the record list, its text selected.
    void focusFind();
    // How many records were updated since the last load or forgetUpdates().
    int updatedCount() const;
    // After the panel's file was saved: no record is waiting any more.
    void forgetUpdates();
    // After a folder load: empties the find boxes and forgets the updates.
    void startOver();

protected:
    // The record list on `model` and its find box `findName` (see findBox()).
    QListView* makeRecordList(
        QAbstractItemModel& model, const QString& name, const QString& label, const QString& findName);
    FindBox* findBox() const { return findBoxes_.front(); }
    // Another find box of the panel, emptied by a load as the record list's is.
    void addFindBox(FindBox* box) { findBoxes_.push_back(box); }
    // Shows record k's entry as updated.
    void markUpdated(int k);

    // The selected record, or -1 when no entry is selected.
    int selectedRecord() const;
    // The record whose entry is current (a click makes it current and selected), or -1.
    int currentRecord() const;
    ChoiceCounts choiceCounts() const;
    // Replaces the rebuilt lines of `lines` (a file named `fileName`).
    static void storeLines(LineArray& lines, const std::vector<ReplacedLine>& rebuilt, const QString& fileName);
    static void setEntry(EntryListModel& model, int k, const QString& text);
    // Forgets what the panel holds whenever the list of records is filled anew.
    void forgetOnRefill();

    PanelHolds holds_; // set by each display, read into each rebuild

    ModuleState& module_;
    SharedLists& lists_;
    MessageService& messages_;

private:
    std::vector<FindBox*> findBoxes_; // the record list's first
    MarkedRows* marks_ = nullptr;
};

} // namespace mw
