#pragma once

// Where the companion windows open: beside the main window, never over it. The side tried
// first is the one the window belongs on (the Pointing window to the right, the list window
// below); when the screen has no room there the other sides are tried, and when none has room
// the window goes where it covers the least of the main window while staying on the screen.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tormark {

enum class Side { kRight, kBelow, kLeft, kAbove };

// The top-left corner for a window of `size` beside `anchor` (the main window's frame), within
// `screen` (the available area of the main window's screen), `gap` pixels apart.
QPoint PlaceBeside(const QRect& anchor, QSize size, const QRect& screen, Side first, int gap);

}  // namespace tormark
