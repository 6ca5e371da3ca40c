// Size and place of the picture windows on the screen's free area.
#include <gtest/gtest.h>

#include "app/PictureLayout.h"

namespace {

TEST(PictureWindow, FitsTheFreeAreaAndScrollsTheRest) {
    const QMargins frame(2, 24, 2, 2);
    const int bar = 15;  // scroll bar width
    struct Case {
        const char* what;
        QSize wanted;
        QRect available;
        QPoint frameTopLeft;
        QSize client;
    } const cases[] = {
        {"fits: centred across, below the top", {840, 832}, {0, 0, 1280, 1024}, {218, 5}, {840, 832}},
        {"too tall: as tall as the area, a vertical bar more across", {840, 832}, {0, 0, 1024, 768},
         {82, 5}, {855, 768 - 5 - 26}},
        {"too wide and tall: the area less the frame", {1665, 1634}, {0, 0, 1280, 1024}, {0, 5},
         {1280 - 4, 1024 - 5 - 26}},
        {"too wide only: a horizontal bar more down", {900, 300}, {0, 0, 800, 600}, {0, 5}, {796, 315}},
        {"panel at the top and left: inside the free area", {840, 832}, {60, 30, 1220, 994}, {248, 35},
         {840, 832}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PictureWindowPlace at = fitPictureWindow(c.wanted, c.available, frame, bar);
        EXPECT_EQ(at.client, c.client);
        EXPECT_EQ(at.frameTopLeft, c.frameTopLeft);
        // The whole frame lies in the free area.
        const QRect outer(at.frameTopLeft, at.client.grownBy(frame));
        EXPECT_TRUE(c.available.contains(outer)) << outer.x() << "," << outer.y() << " " << outer.width() << "x"
                                                 << outer.height();
    }
}

}  // namespace
