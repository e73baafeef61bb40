// Drives a shown window as a person does: finds controls by objectName (and the "index"
// of a control array), clicks buttons, list rows and check boxes, chooses entries of a
// choice list by typing them, types into boxes, leaving them with Tab, and presses keys
// wherever the keyboard focus is.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <gtest/gtest.h>

namespace mw::test {

class User {
public:
    explicit User(QWidget& window)
        : window_(window)
    {
    }

    // Shows the window and makes it active, so that it takes keyboard focus.
    void open()
    {
        window_.show();
        QApplication::setActiveWindow(&window_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    template <typename W = QWidget> W* find(const QString& name, int index = -1) const
    {
        for (W* w : window_.findChildren<W*>(name)) {
            if (index < 0 || w->property("index").toInt() == index)
                return w;
        }
        ADD_FAILURE() << "no control " << name.toStdString();
        return nullptr;
    }

    void click(const QString& name, int index = -1) { QTest::mouseClick(find(name, index), Qt::LeftButton); }

    // Clicks a check box or option until it shows `on`.
    void check(const QString& name, bool on, int index = -1)
    {
        auto* box = find<QAbstractButton>(name, index);
        if (box->isChecked() != on)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        EXPECT_EQ(box->isChecked(), on) << name.toStdString();
    }

    void clickRow(const QString& list, int row)
    {
        auto* view = find<QListView>(list);
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }

    // Gives the list the focus and types, as a keyboard search does.
    void choose(const QString& name, const QString& entry, int index = -1)
    {
        auto* combo = find<QComboBox>(name, index);
        combo->setFocus(Qt::TabFocusReason);
        combo->view()->keyboardSearch(QString()); // a new search, as after a pause in typing
        QTest::keyClicks(combo, entry);
        EXPECT_EQ(combo->currentText(), entry) << name.toStdString();
    }

    // Opens the list with the keyboard and takes the entry it shows with Return.
    void reopen(const QString& name)
    {
        auto* combo = find<QComboBox>(name);
        combo->setFocus(Qt::TabFocusReason);
        QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(combo->view()->isVisible()) << name.toStdString();
        QTest::keyClick(combo->view(), Qt::Key_Return);
    }

    // Keys pressed where the keyboard focus is, as at a keyboard alone; each is counted.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, int times = 1)
    {
        for (int i = 0; i < times; ++i, ++keystrokes)
            QTest::keyClick(focused(), key, modifiers);
    }
    void typeKeys(const QString& text)
    {
        keystrokes += static_cast<int>(text.size());
        QTest::keyClicks(focused(), text);
    }
    QWidget* focused() const { return QApplication::focusWidget() ? QApplication::focusWidget() : &window_; }
    int keystrokes = 0;

    // Replaces the box's text by typing, then leaves it with Tab.
    void type(const QString& name, const QString& text, int index = -1)
    {
        auto* box = find<QLineEdit>(name, index);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }

    QString text(const QString& name, int index = -1) const
    {
        if (auto* combo = qobject_cast<QComboBox*>(find(name, index)))
            return combo->currentText();
        return find<QLineEdit>(name, index)->text();
    }

    // What the controls show, joined by '|': a box's text, a combo's position as "#<n>", a
    // check box's state as "on", "off" or "partly". Names may carry an index: "txtPTMin/2".
    std::string shown(const QStringList& names) const
    {
        QStringList parts;
        for (const QString& control : names) {
            const QStringList nameAndIndex = control.split('/');
            QWidget* w = find(nameAndIndex[0], nameAndIndex.size() > 1 ? nameAndIndex[1].toInt() : -1);
            if (const auto* box = qobject_cast<QLineEdit*>(w))
                parts << box->text();
            else if (const auto* combo = qobject_cast<QComboBox*>(w))
                parts << "#" + QString::number(combo->currentIndex());
            else if (const auto* check = qobject_cast<QCheckBox*>(w))
                parts << (check->checkState() == Qt::PartiallyChecked ? "partly" : check->isChecked() ? "on" : "off");
            else if (const auto* button = qobject_cast<QAbstractButton*>(w))
                parts << (button->isChecked() ? "on" : "off");
        }
        return parts.join('|').toStdString();
    }

private:
    QWidget& window_;
};

} // namespace mw::test
