// Work that must wait until the window is on screen: a folder given on the command line is
// read only after the window painted its first frame, so the window never stands blank.
#pragma once

#include <functional>

class QWidget;

namespace mw {

// Runs `then` once, from the event loop, after `window` painted its first frame (or after a
// second if it never paints, as when it starts minimised).
void afterFirstPaint(QWidget& window, std::function<void()> then);

} // namespace mw
