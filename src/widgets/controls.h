// Building blocks shared by the panels and the window: named controls, the record lists and
// the combos that show a shared list model.
#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QAbstractItemModel;

namespace mw {

// Gives a control its objectName and, as its accessible name, its visible label.
template <typename W> W* namedControl(W* widget, const QString& name, const QString& label)
{
    widget->setObjectName(name);
    widget->setAccessibleName(label);
    return widget;
}

// A group box whose caption is also its accessible name.
QGroupBox* captionedGroup(const QString& caption, const QString& name, QWidget* parent);

// A captioned group that holds `content` alone.
QGroupBox* groupAround(QWidget* content, const QString& caption, const QString& name, QWidget* parent);
// A captioned group that holds `content`, one below the other.
QGroupBox* groupAround(
    std::initializer_list<QWidget*> content, const QString& caption, const QString& name, QWidget* parent);

// The "Name" group of the party panels: the ID box and the Name box, each beside its label.
QGroupBox* nameGroup(const QString& groupName, QLineEdit*& id, const QString& idName, QLineEdit*& name,
    const QString& nameName, QWidget* parent);

// A label for `buddy`, named after it ("lblPTID" for "txtPTID").
QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent);

// A read-only list of record entries on a shared model, one entry selectable at a time.
QListView* recordList(QAbstractItemModel& model, const QString& name, const QString& label, QWidget* parent);

// A choice-only combo on a shared model that stays fast with thousands of entries and that
// the keyboard searches by any part of an entry (a ChoiceList).
QComboBox* sharedCombo(QAbstractItemModel& model, const QString& name, const QString& label, QWidget* parent);

// A single-line box whose text is centred, for numbers; with `digits`, just wide enough
// for that many.
QLineEdit* numberBox(const QString& name, const QString& label, QWidget* parent, int digits = 0);

// Sets a box's text only when it changes, so that an untouched box keeps its undo history.
void replaceText(QLineEdit* box, const QString& text);

// The selected entry of a record list, or -1 when none is.
int selectedRow(const QListView* list);

} // namespace mw
