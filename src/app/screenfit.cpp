// Fitting the window to its screen.
#include "app/screenfit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace mw {

void fitToScreen(QWidget& window, QSize preferred)
{
    const QRect available = window.screen()->availableGeometry();
    // Known once the window is shown, where the platform tells it.
    const QSize frame = window.frameGeometry().size() - window.size();
    window.resize(preferred.boundedTo(available.size() - frame));
    const QSize outer = window.size() + frame;
    window.move(available.x() + std::max(0, (available.width() - outer.width()) / 2),
        available.y() + std::max(0, (available.height() - outer.height()) / 2));
}

} // namespace mw
