#include "app/BarGeometry.h"

#include <algorithm>
#include <utility>

namespace {

void turn(BarMove& move) {
    std::swap(move.place.width, move.place.height);
    move.place.vertical = !move.place.vertical;
    move.turned = !move.turned;
}

// A horizontal bar close to the right edge snaps to it and turns vertical.
void dock(BarMove& move, int screenWidth) {
    BarPlace& p = move.place;
    if (!p.vertical && p.left >= screenWidth - 3 * p.height) {
        p.left = screenWidth - p.height;
        turn(move);
    }
}

// Bottom edge on the screen, then top and left edges: a bar taller than the
// screen shows its top.
void clampTopAndLeft(BarPlace& p, int screenHeight) {
    p.top = std::max(0, std::min(p.top, screenHeight - p.height));
    p.left = std::max(0, p.left);
}

}  // namespace

BarMove placeBar(const BarPlace& bar, int x, int y, int screenWidth, int screenHeight) {
    BarMove move{bar, false};
    BarPlace& p = move.place;
    p.top = y < 0 ? 0 : y;
    p.left = x < 0 ? 0 : x;
    dock(move, screenWidth);
    if (p.vertical && p.left <= screenWidth - 3 * p.width) {
        p.left = screenWidth - p.height;
        p.top = 0;
        turn(move);
    }
    // Docking looked at the place asked for; the right edge is kept only now,
    // so that a saved place near it still docks.
    p.left = std::min(p.left, screenWidth - p.width);
    clampTopAndLeft(p, screenHeight);
    return move;
}

BarMove dropBar(const BarPlace& bar, int screenWidth, int screenHeight) {
    BarMove move{bar, false};
    BarPlace& p = move.place;
    if (p.left < 0) p.left = 0;
    dock(move, screenWidth);
    if (p.vertical && p.left <= screenWidth - 3 * p.width) turn(move);
    clampTopAndLeft(p, screenHeight);
    return move;
}
