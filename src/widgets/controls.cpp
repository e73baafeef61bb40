// Construction of the common controls.
#include "widgets/controls.h"

#include "widgets/choicelist.h"
#include "widgets/longchoicelist.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>
#include <tuple>

namespace mw {

QGroupBox* captionedGroup(const QString& caption, const QString& name, QWidget* parent)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    // Without a name of its own a group inside a group is read out with the outer caption.
    group->setAccessibleName(caption);
    return group;
}

QGroupBox* groupAround(QWidget* content, const QString& caption, const QString& name, QWidget* parent)
{
    return groupAround({ content }, caption, name, parent);
}

QGroupBox* groupAround(
    std::initializer_list<QWidget*> content, const QString& caption, const QString& name, QWidget* parent)
{
    QGroupBox* group = captionedGroup(caption, name, parent);
    auto* layout = new QVBoxLayout(group);
    for (QWidget* widget : content)
        layout->addWidget(widget);
    return group;
}

QGroupBox* nameGroup(const QString& groupName, QLineEdit*& id, const QString& idName, QLineEdit*& name,
    const QString& nameName, QWidget* parent)
{
    QGroupBox* group = captionedGroup(QStringLiteral("Name"), groupName, parent);
    auto* layout = new QFormLayout(group);
    for (auto [box, boxName, label] :
        { std::tuple { &id, idName, QStringLiteral("ID") }, std::tuple { &name, nameName, QStringLiteral("Name") } }) {
        *box = namedControl(new QLineEdit(group), boxName, label);
        layout->addRow(labelFor(label, *box, group), *box);
    }
    return group;
}

QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("lbl") + buddy->objectName().mid(3));
    label->setBuddy(buddy);
    return label;
}

QListView* recordList(QAbstractItemModel& model, const QString& name, const QString& label, QWidget* parent)
{
    auto* list = namedControl(new QListView(parent), name, label);
    list->setModel(&model);
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The entries name records; they change only through Update.
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

QComboBox* sharedCombo(QAbstractItemModel& model, const QString& name, const QString& label, QWidget* parent)
{
    auto* combo = namedControl(new ChoiceList(parent), name, label);
    combo->setModel(&model);
    // Measuring every entry for the size hint costs about a second with thousands of them.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(20);
    if (auto* view = qobject_cast<QListView*>(combo->view()))
        view->setUniformItemSizes(true);
    makeLongChoiceList(combo);
    return combo;
}

QLineEdit* numberBox(const QString& name, const QString& label, QWidget* parent, int digits)
{
    auto* box = namedControl(new QLineEdit(parent), name, label);
    box->setAlignment(Qt::AlignCenter);
    if (digits > 0)
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0'))) + 14);
    return box;
}

void replaceText(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

int selectedRow(const QListView* list)
{
    const QModelIndex current = list->currentIndex();
    if (!current.isValid() || !list->selectionModel()->isSelected(current))
        return -1;
    return current.row();
}

} // namespace mw
