// Qt's combo, when the style asks for a popup over the combo (SH_ComboBox_Popup), measures
// the text of every entry each time it opens: a tenth of a second and more with thousands
// of entries. These combos use a style without that hint, and their list's width is worked
// out from the few longest entries when the model changes.
#include "widgets/longchoicelist.h"

#include "core/entrylistmodel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
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
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
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
            rows = {row};
        }
    }
    return rows;
}

// Keeps the list of one combo wide enough for its entries.
class ListWidth : public QObject {
public:
    explicit ListWidth(QComboBox* combo) : QObject(combo), combo_(combo)
    {
        QAbstractItemModel* model = combo->model();
        connect(model, &QAbstractItemModel::modelReset, this, [this] { fit(candidateRows(*combo_->model(), combo_->modelColumn()), true); });
        connect(model, &QAbstractItemModel::layoutChanged, this, [this] { fit(candidateRows(*combo_->model(), combo_->modelColumn()), true); });
        connect(model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from, const QModelIndex& to) {
            QList<int> rows;
            for (int row = from.row(); row <= to.row(); ++row)
                rows << row;
            fit(rows, false);
        });
        fit(candidateRows(*model, combo->modelColumn()), true);
    }

private:
    void fit(const QList<int>& rows, bool anew)
    {
        const QFontMetrics metrics = combo_->view()->fontMetrics();
        int textWidth = 0;
        for (int row : rows)
            textWidth = std::max(textWidth, metrics.horizontalAdvance(combo_->itemText(row)));
        // As wide as a combo showing that text, plus the list's scroll bar.
        QStyleOptionComboBox option;
        option.initFrom(combo_);
        const int width = combo_->style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(textWidth, 0), combo_).width()
                          + combo_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo_->view());
        QWidget* list = combo_->view()->parentWidget();
        list->setMinimumWidth(anew ? width : std::max(width, list->minimumWidth()));
    }

    QComboBox* combo_;
};

} // namespace

void makeLongChoiceList(QComboBox* combo)
{
    combo->setStyle(plainDropDownStyle());
    new ListWidth(combo);
}

} // namespace mw
