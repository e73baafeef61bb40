// Opening the window on a screen of any size and scale.
#pragma once

#include <QSize>

class QWidget;

namespace mw {

// Gives a shown window `preferred` size, or less where its screen's free area (without task
// bars) is smaller, frame included, and centres it on that area.
void fitToScreen(QWidget& window, QSize preferred);

} // namespace mw
