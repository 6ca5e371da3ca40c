// The desktop's display colours, read from a palette.
#include <gtest/gtest.h>

#include "tools/engineering/RgbDesktop.h"

using namespace engineering;

TEST(RgbColour, SystemColoursComeFromThePalette) {
    QPalette desktop(Qt::black);
    desktop.setColor(QPalette::Active, QPalette::Button, QColor(10, 20, 30));
    desktop.setColor(QPalette::Inactive, QPalette::Highlight, QColor(40, 50, 60));
    desktop.setColor(QPalette::Disabled, QPalette::Text, QColor(70, 80, 90));
    desktop.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(1, 2, 3));
    const struct { const char* name; Rgb rgb; } cases[] = {
        {"clBtnFace", {10, 20, 30}}, {"clInactiveCaption", {40, 50, 60}}, {"clGrayText", {70, 80, 90}},
        {"clInfoBk", {1, 2, 3}},     {"clRed", {255, 0, 0}},              {"clTeal", {0, 128, 128}},
        {"clNone", {255, 255, 255}},
    };
    for (const auto& c : cases) EXPECT_EQ(resolveColour(findNamedColour(c.name)->value, desktop), c.rgb) << c.name;
}
