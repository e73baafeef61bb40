// Qt's combo, when the style asks for a popup over the combo (SH_ComboBox_Popup), measures
// the text of every entry each time it opens: a tenth of a second and more with thousands
// of entries. These combos use a style without that hint, and their list's width is worked
// out from the few longest entries once after each refill of the model.
#include "widgets/longchoicelist.h"

#include "core/entrylistmodel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

namespace mw {
namespace {

constexpr int kMeasuredEntries = 16; // by length in bytes; the widest in pixels is among them

class PlainDropDownStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(
        StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* plainDropDownStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new PlainDropDownStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

// The rows whose texts may be the widest.
QList<int> candidateRows(const QAbstractItemModel& model, int column)
{
    if (const auto* entries = qobject_cast<const EntryListModel*>(&model))
        return entries->longestRows(kMeasuredEntries);
    QList<int> rows;
    int longest = -1;
    for (int row = 0; row < model.rowCount(); ++row) {
        const int length = static_cast<int>(model.index(row, column).data().toString().size());
        if (length > longest) {
            longest = length;
            rows = { row };
        }
    }
    return rows;
}

// Keeps the list of one combo wide enough for its entries. The width is worked out when the
// list opens for the first time after a refill, so a load measures nothing.
class ListWidth : public QObject {
public:
    explicit ListWidth(QComboBox* combo)
        : QObject(combo)
        , combo_(combo)
    {
        QAbstractItemModel* model = combo->model();
        const auto refilled = [this] {
            refilled_ = true;
            renamed_.clear();
        };
        connect(model, &QAbstractItemModel::modelReset, this, refilled);
        connect(model, &QAbstractItemModel::layoutChanged, this, refilled);
        connect(model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from, const QModelIndex& to) {
            for (int row = from.row(); row <= to.row(); ++row)
                renamed_ << row;
        });
        combo->view()->parentWidget()->installEventFilter(this);
    }

protected:
    // The list's frame is shown, not yet on screen.
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && (refilled_ || !renamed_.isEmpty())) {
            QWidget* list = combo_->view()->parentWidget();
            if (refilled_)
                list->setMinimumWidth(widthFor(candidateRows(*combo_->model(), combo_->modelColumn())));
            else
                list->setMinimumWidth(std::max(list->minimumWidth(), widthFor(renamed_)));
            refilled_ = false;
            renamed_.clear();
        }
        return false;
    }

private:
    // As wide as a combo showing the widest of these rows, plus the list's scroll bar.
    int widthFor(const QList<int>& rows) const
    {
        const QFontMetrics metrics = combo_->view()->fontMetrics();
        int textWidth = 0;
        for (int row : rows)
            textWidth = std::max(textWidth, metrics.horizontalAdvance(combo_->itemText(row)));
        QStyleOptionComboBox option;
        option.initFrom(combo_);
        QStyle* style = combo_->style();
        return style->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(textWidth, 0), combo_).width()
            + style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo_->view());
    }

    QComboBox* combo_;
    bool refilled_ = true;
    QList<int> renamed_; // rows renamed since the list was last widened
};

} // namespace

void makeLongChoiceList(QComboBox* combo)
{
    combo->setStyle(plainDropDownStyle());
    new ListWidth(combo);
}

} // namespace mw
