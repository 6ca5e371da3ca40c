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
BarMove placeBar(const BarPlace& bar, int x, int y, int screenWidth);

// After the user dropped the bar: keep it on the screen vertically and off
// the left edge, then dock or undock; an undocked bar stays where it was dropped.
BarMove dropBar(const BarPlace& bar, int screenWidth, int screenHeight);
