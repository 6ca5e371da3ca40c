// Docking and clamping of the launcher bar.
#include <gtest/gtest.h>

#include "app/BarGeometry.h"

namespace {

constexpr int kScreenW = 1280, kScreenH = 1024;

BarPlace horizontal(int left, int top) { return BarPlace{left, top, 316, 67, false}; }
BarPlace vertical(int left, int top) { return BarPlace{left, top, 67, 316, true}; }

void expectPlace(const BarMove& m, int left, int top, bool isVertical, bool turned) {
    EXPECT_EQ(m.place.left, left);
    EXPECT_EQ(m.place.top, top);
    EXPECT_EQ(m.place.vertical, isVertical);
    EXPECT_EQ(m.place.width, isVertical ? 67 : 316);
    EXPECT_EQ(m.place.height, isVertical ? 316 : 67);
    EXPECT_EQ(m.turned, turned);
}

TEST(DropBar, DocksWithinThreeBarHeightsOfTheRightEdge) {
    // 201 pixels = three heights of the horizontal bar.
    expectPlace(dropBar(horizontal(kScreenW - 201, 300), kScreenW, kScreenH), kScreenW - 67, 300, true, true);
    expectPlace(dropBar(horizontal(kScreenW - 202, 300), kScreenW, kScreenH), kScreenW - 202, 300, false, false);
}

TEST(DropBar, UndocksWhereDroppedThreeBarWidthsAway) {
    // The vertical bar is 67 wide: 201 pixels from the edge is far enough.
    expectPlace(dropBar(vertical(kScreenW - 201, 500), kScreenW, kScreenH), kScreenW - 201, 500, false, true);
    // Closer than that it docks nowhere new and stays vertical where it is.
    expectPlace(dropBar(vertical(kScreenW - 150, 500), kScreenW, kScreenH), kScreenW - 150, 500, true, false);
}

TEST(DropBar, ABarThatTurnsVerticalNearTheBottomStaysOnTheScreen) {
    expectPlace(dropBar(horizontal(kScreenW - 100, kScreenH - 67), kScreenW, kScreenH), kScreenW - 67,
                kScreenH - 316, true, true);
}

TEST(DropBar, ClampsToTheScreen) {
    expectPlace(dropBar(horizontal(-40, -10), kScreenW, kScreenH), 0, 0, false, false);
    // Past the bottom edge: the bar's bottom goes onto the screen's bottom edge.
    expectPlace(dropBar(horizontal(100, kScreenH - 20), kScreenW, kScreenH), 100, kScreenH - 67, false, false);
    expectPlace(dropBar(vertical(kScreenW - 67, kScreenH - 100), kScreenW, kScreenH), kScreenW - 67, kScreenH - 316,
                true, false);
}

TEST(PlaceBar, FirstRunPositionStaysHorizontal) {
    expectPlace(placeBar(horizontal(173, 151), 173, 151, kScreenW, kScreenH), 173, 151, false, false);
}

TEST(PlaceBar, SavedPositionNearTheEdgeDocksAtStart) {
    expectPlace(placeBar(horizontal(173, 151), kScreenW - 100, 40, kScreenW, kScreenH), kScreenW - 67, 40, true, true);
}

TEST(PlaceBar, WidenedScreenPutsTheDockedBarInTheTopRightCorner) {
    // Docked on a 1280-pixel screen; the screen grows to 1920 while the bar is
    // docked, so the saved left is three bar widths or more from the new edge.
    expectPlace(placeBar(vertical(1280 - 67, 0), 1280 - 67, 200, 1920, 1080), 1920 - 316, 0, false, true);
    // A start on the wider screen (always horizontal) stays where saved.
    expectPlace(placeBar(horizontal(173, 151), 1280 - 67, 0, 1920, 1080), 1280 - 67, 0, false, false);
}

// Whatever the saved place, the started bar lies wholly on the screen; a place
// near the right edge still docks.
TEST(PlaceBar, KeepsTheWholeBarOnTheScreen) {
    struct Case {
        const char* what;
        int screenW, screenH, x, y;
        int left, top;
        bool vertical;
    } const cases[] = {
        {"far below", 1280, 1024, 173, 99999, 173, 1024 - 67, false},
        {"far right and below: docks, bottom on the edge", 1280, 1024, 99999, 99999, 1280 - 67, 1024 - 316, true},
        {"near the corner of a small screen", 1024, 768, 1000, 990, 1024 - 67, 768 - 316, true},
        {"partly past the right edge", 1024, 768, 1024 - 202, 100, 1024 - 316, 100, false},
        {"docked bar taller than the screen shows its top", 1024, 200, 1000, 50, 1024 - 67, 0, true},
        {"half-size screen of a scale factor of 2", 640, 512, 640 - 67, 306, 640 - 67, 512 - 316, true},
        {"on the screen: unchanged", 1024, 768, 1024 - 316, 768 - 67, 1024 - 316, 768 - 67, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectPlace(placeBar(horizontal(173, 151), c.x, c.y, c.screenW, c.screenH), c.left, c.top, c.vertical,
                    c.vertical);
    }
}

TEST(PlaceBar, NegativeCoordinatesBecomeZero) {
    expectPlace(placeBar(horizontal(173, 151), -5, -7, kScreenW, kScreenH), 0, 0, false, false);
}

}  // namespace
