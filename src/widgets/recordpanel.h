// What the three record panels have in common: a list whose entry k is record k, the
// module and list models they work on, and the window's Update. Each panel takes the same
// three steps: show a record (the list click), read the panel, report an outcome.
#pragma once

#include "core/messages.h"
#include "core/modulestate.h"
#include "core/records.h"
#include "widgets/sharedlists.h"

#include <QWidget>

class QListView;

namespace mw {

class RecordPanel : public QWidget {
public:
    RecordPanel(ModuleState& module, SharedLists& lists, MessageService& messages, QWidget* parent);

    // The list of the panel's records.
    virtual QListView* recordList() const = 0;
    // Applies the panel to the selected record: the window's Update.
    virtual void updateRecord() = 0;

protected:
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
};

} // namespace mw
