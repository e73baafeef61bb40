// The record panels' common part.
#include "widgets/recordpanel.h"

#include "widgets/controls.h"
#include "widgets/findbox.h"
#include "widgets/markedrows.h"

#include <QListView>

namespace mw {

RecordPanel::RecordPanel(ModuleState& module, SharedLists& lists, MessageService& messages, QWidget* parent)
    : QWidget(parent)
    , module_(module)
    , lists_(lists)
    , messages_(messages)
{
}

QListView* RecordPanel::makeRecordList(
    QAbstractItemModel& model, const QString& name, const QString& label, const QString& findName)
{
    QListView* list = mw::recordList(model, name, label, this);
    marks_ = new MarkedRows(model, list);
    list->setModel(marks_);
    FindBox* find = listFindBox(list, findName, this);
    setTabOrder(find, list); // the keyboard visits the find box first
    findBoxes_.insert(findBoxes_.begin(), find);
    return list;
}

void RecordPanel::focusFind()
{
    findBox()->setFocus(Qt::ShortcutFocusReason);
    findBox()->selectAll();
}

int RecordPanel::updatedCount() const
{
    return marks_->markedCount();
}

void RecordPanel::forgetUpdates()
{
    marks_->clearMarks();
}

void RecordPanel::startOver()
{
    for (FindBox* box : findBoxes_)
        box->clear();
    forgetUpdates();
}

void RecordPanel::markUpdated(int k)
{
    marks_->mark(k);
}

int RecordPanel::selectedRecord() const
{
    return selectedRow(recordList());
}

int RecordPanel::currentRecord() const
{
    return recordList()->currentIndex().row();
}

ChoiceCounts RecordPanel::choiceCounts() const
{
    return { lists_.itemEntries.rowCount(), lists_.factionEntries.rowCount(), lists_.upgradeEntries.rowCount(),
        lists_.memberEntries.rowCount(), lists_.templateEntries.rowCount() };
}

void RecordPanel::storeLines(LineArray& lines, const std::vector<ReplacedLine>& rebuilt, const QString& fileName)
{
    for (const auto& line : rebuilt)
        lines.set(line.line, line.bytes, fileName);
}

void RecordPanel::forgetOnRefill()
{
    connect(recordList()->model(), &QAbstractItemModel::modelReset, this, [this] { holds_ = {}; });
}

void RecordPanel::setEntry(EntryListModel& model, int k, const QString& text)
{
    model.setData(model.index(k), text);
}

} // namespace mw
