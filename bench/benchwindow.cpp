// Window driving for the benchmark.
#include "benchwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>

namespace bench {

PaintCounter::PaintCounter()
{
    qApp->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        ++total;
        if (watched_ && watched->isWidgetType()) {
            const auto* w = static_cast<const QWidget*>(watched);
            if (w == watched_ || watched_->isAncestorOf(w))
                ++watchedCount_;
        }
    }
    return false;
}

void choosePanel(QWidget& window, const QString& panel)
{
    auto* chooser = control<QComboBox>(window, "cmbChooseFile");
    const int index = chooser->findText(panel);
    if (index < 0)
        qFatal("the file selector has no %s", qPrintable(panel));
    chooser->setCurrentIndex(index);
}

void settle()
{
    QApplication::processEvents();
}

QAbstractItemView* recordListOf(QWidget& window, const QString& panel)
{
    if (panel == QLatin1String("troops.txt"))
        return control<QAbstractItemView>(window, "ListTroops");
    if (panel == QLatin1String("party_templates.txt"))
        return control<QAbstractItemView>(window, "lstPartyTemplates");
    return control<QAbstractItemView>(window, "lstParties");
}

} // namespace bench
