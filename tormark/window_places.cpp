#include "window_places.h"

#include <algorithm>
#include <array>

namespace tormark {

namespace {

QPoint Corner(const QRect& anchor, QSize size, Side side, int gap) {
    switch (side) {
        case Side::kRight:
            return {anchor.right() + 1 + gap, anchor.top()};
        case Side::kBelow:
            return {anchor.left(), anchor.bottom() + 1 + gap};
        case Side::kLeft:
            return {anchor.left() - gap - size.width(), anchor.top()};
        case Side::kAbove:
            return {anchor.left(), anchor.top() - gap - size.height()};
    }
    return anchor.topLeft();
}

// The corner moved the least distance that brings the window onto the screen (its top-left
// corner first when the window is larger than the screen).
QPoint OntoScreen(QPoint corner, QSize size, const QRect& screen) {
    corner.setX(std::max(screen.left(), std::min(corner.x(), screen.right() + 1 - size.width())));
    corner.setY(std::max(screen.top(), std::min(corner.y(), screen.bottom() + 1 - size.height())));
    return corner;
}

long long Covered(const QRect& anchor, const QRect& window) {
    const QRect both = anchor.intersected(window);
    return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

}  // namespace

QPoint PlaceBeside(const QRect& anchor, QSize size, const QRect& screen, Side first, int gap) {
    std::array<Side, 4> order = {Side::kRight, Side::kBelow, Side::kLeft, Side::kAbove};
    std::rotate(order.begin(), std::find(order.begin(), order.end(), first), order.end());
    QPoint best;
    long long leastCovered = -1;
    for (Side side : order) {
        const QPoint corner = Corner(anchor, size, side, gap);
        if (screen.contains(QRect(corner, size))) return corner;
        // Kept on the screen it may slide over the main window; remember the side where it
        // covers the least.
        const QPoint onScreen = OntoScreen(corner, size, screen);
        const long long covered = Covered(anchor, QRect(onScreen, size));
        if (leastCovered < 0 || covered < leastCovered) {
            leastCovered = covered;
            best = onScreen;
        }
    }
    return best;
}

}  // namespace tormark
