#pragma once
// Where the launcher bar lands: clamping to the screen, docking at the right
// edge (the bar turns vertical) and undocking (it turns horizontal again).
//
// Plain geometry, so the rules can be tested without a window.

struct BarPlace {
    int left = 0;
    int top = 0;
    int width = 316;   // horizontal bar; swapped with height while docked
    int height = 67;
    bool vertical = false;
};

// Result of a move: the new place, and whether width and height were swapped
// (the window then transposes its buttons).
struct BarMove {
    BarPlace place;
    bool turned = false;
};

// Puts the bar at (x, y): no coordinate below 0; a bar within three bar
// heights of the right edge docks there; a docked bar three bar widths or
// more away from the edge goes back to horizontal in the top right corner.
// Whatever the coordinates asked for, the whole bar then lies on the screen:
// a place saved on a larger screen, or written by hand, must not leave the
// program out of the user's reach.
BarMove placeBar(const BarPlace& bar, int x, int y, int screenWidth, int screenHeight);

// After the user dropped the bar: dock or undock, then keep it on the screen
// vertically (a bar that turned vertical near the bottom too) and off the left
// edge; an undocked bar stays where it was dropped.
BarMove dropBar(const BarPlace& bar, int screenWidth, int screenHeight);
