// Driving the window as a user does, through controls found by their objectName, and
// making sure that what is timed includes the paint the user waits for.
#pragma once

#include "app/folderchooser.h"
#include "core/messages.h"

#include <QComboBox>
#include <QObject>
#include <QString>
#include <QWidget>

class QAbstractItemView;

namespace bench {

class SilentMessages : public mw::MessageService {
public:
    void show(const QString&, mw::MessageIcon) override { ++count; }
    bool ask(const QString&, mw::MessageIcon) override { return ++count, false; }
    int count = 0;
};

class NoChooser : public mw::FolderChooser {
public:
    QString chooseFolder(QWidget*, const QString&, const QString&, int) override { return {}; }
};

// Counts every paint event in the application, so that a timed step can prove it painted.
class PaintCounter : public QObject {
public:
    PaintCounter();
    int total = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QWidget* watched_ = nullptr;
    int watchedCount_ = 0;

public:
    // Counts the paints of `widget` and its children from now on.
    void watch(const QWidget* widget)
    {
        watched_ = widget;
        watchedCount_ = 0;
    }
    int watchedPaints() const { return watchedCount_; }
};

template <typename W> W* control(QWidget& window, const char* name)
{
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control named %s", name);
    return w;
}

// The file selector's choice `panel` ("troops.txt", ..., "Instructions").
void choosePanel(QWidget& window, const QString& panel);

// Delivers what is pending, the paint of every dirty widget included.
void settle();

// The list of the panel `panel` shows: ListTroops, lstPartyTemplates or lstParties.
QAbstractItemView* recordListOf(QWidget& window, const QString& panel);

} // namespace bench
