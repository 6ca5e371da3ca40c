#include "app/BarGeometry.h"

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

}  // namespace

BarMove placeBar(const BarPlace& bar, int x, int y, int screenWidth) {
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
    return move;
}

BarMove dropBar(const BarPlace& bar, int screenWidth, int screenHeight) {
    BarMove move{bar, false};
    BarPlace& p = move.place;
    if (p.top < 0) p.top = 0;
    if (p.top > screenHeight - p.height) p.top = screenHeight - p.height;
    if (p.left < 0) p.left = 0;
    dock(move, screenWidth);
    if (p.vertical && p.left <= screenWidth - 3 * p.width) turn(move);
    return move;
}
