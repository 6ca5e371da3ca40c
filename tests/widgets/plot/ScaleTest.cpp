// Axis arithmetic: ranges, scaling factor, ticks, mapping, shifting, layout.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "widgets/plot/Sgr_scale.h"

namespace {

std::vector<double> ticks(const Tsp_Scale& s) {
    std::vector<double> v;
    for (int i = 0; i < s.Count; ++i) v.push_back(s.TksDbl(i));
    return v;
}

Tsp_Scale horizontal(double lo, double hi, int requested, int ox = 0, int len = 100) {
    Tsp_Scale s(0);
    s.SetTicksRequested(requested);
    s.SetLine(ox, 50, len);
    s.ChangeMinMax(lo, hi);
    return s;
}

}  // namespace

TEST(ScaleRange, EqualLimitsWidenByOneOrATenth) {
    Tsp_Scale s;
    s.ChangeMinMax(5, 5);
    EXPECT_EQ(s.Min(), 5);
    EXPECT_EQ(s.Max(), 6);
    s.ChangeMinMax(100, 100);
    EXPECT_DOUBLE_EQ(s.Min(), 99);
    EXPECT_DOUBLE_EQ(s.Max(), 110);
    s.ChangeMinMax(-100, -100);
    EXPECT_DOUBLE_EQ(s.Min(), -99);
    EXPECT_DOUBLE_EQ(s.Max(), -90);
    s.ChangeMinMax(0, 0);
    EXPECT_EQ(s.Min(), 0);
    EXPECT_EQ(s.Max(), 1);
    EXPECT_GT(s.Range(), 0);
}

TEST(ScaleRange, LimitsInEitherOrder) {
    Tsp_Scale s;
    s.ChangeMinMax(20, -3);
    EXPECT_EQ(s.Min(), -3);
    EXPECT_EQ(s.Max(), 20);
    EXPECT_EQ(s.Range(), 23);
}

TEST(ScaleRange, UnusableLimitsKeepAValidRange) {
    Tsp_Scale s;
    s.ChangeMinMax(2, 4);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    s.ChangeMinMax(nan, nan);  // nothing to show: the old range stays
    EXPECT_EQ(s.Min(), 2);
    EXPECT_EQ(s.Max(), 4);
    s.ChangeMinMax(-inf, inf);
    EXPECT_EQ(s.Min(), 2);
    EXPECT_EQ(s.Max(), 4);
    s.ChangeMinMax(nan, 7);
    EXPECT_EQ(s.Min(), 2);
    EXPECT_EQ(s.Max(), 4);
    s.ChangeMinMax(-1e308, 1e308);  // the span overflows
    EXPECT_EQ(s.Min(), 2);
    EXPECT_EQ(s.Max(), 4);
    // Limits closer than the doubles can tell apart are treated as equal.
    s.ChangeMinMax(1e6, 1e6 + 1e-9);
    EXPECT_DOUBLE_EQ(s.Max(), 1.1e6);
    EXPECT_TRUE(std::isfinite(s.Factor));
    EXPECT_GE(s.Count, 1);
}

TEST(ScaleFactor, PowerOfTenLandsOnTheLowerExponent) {
    struct Case {
        double lo, hi, factor;
    } cases[] = {{0, 10, 10}, {0, 100, 1}, {0, 1000, 0.1}, {0, 1, 10}, {0, 0.1, 100}, {0, 99, 1}, {0, 5, 10}};
    for (const auto& c : cases) {
        Tsp_Scale s;
        s.ChangeMinMax(c.lo, c.hi);
        EXPECT_DOUBLE_EQ(s.Factor, c.factor) << c.lo << ".." << c.hi;
        // The scaled span always lies between 10 and 100 units.
        EXPECT_GE((s.Max() - s.Min()) * s.Factor, 10 - 1e-9);
        EXPECT_LE((s.Max() - s.Min()) * s.Factor, 100 + 1e-9);
    }
    Tsp_Scale s;
    s.ChangeMinMax(0.55, 10.33);
    EXPECT_EQ(s.IMin, 6);   // ceil(5.5)
    EXPECT_EQ(s.IMax, 103);  // floor(103.3)
}

TEST(ScaleTicks, ExamplesOfTheTickRule) {
    auto a = horizontal(0, 10, 11);
    EXPECT_EQ(a.Step, 10);
    ASSERT_EQ(a.Count, 11);
    for (int i = 0; i <= 10; ++i) EXPECT_DOUBLE_EQ(a.TksDbl(i), i);
    for (int i = 0; i <= 10; ++i) EXPECT_EQ(a.TickLabel(i), QString::number(i));

    for (int requested : {16, 17}) {
        auto b = horizontal(0, 15, requested);
        EXPECT_EQ(b.Factor, 1);
        EXPECT_EQ(b.Step, 1);
        EXPECT_EQ(b.Count, 16) << requested;
        EXPECT_EQ(b.TksDbl(15), 15);
    }

    auto c = horizontal(0, 10, 4);
    EXPECT_EQ(c.Step, 33);
    std::vector<double> want{0, 3.3, 6.6, 9.9};
    ASSERT_EQ(ticks(c).size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(c.TksDbl(i), want[i], 1e-12);
    EXPECT_EQ(c.TickLabel(2), "6.6");

    auto d = horizontal(-8, 10, 11);
    EXPECT_EQ(d.Step, 1);
    EXPECT_EQ(d.Count, 19);
    EXPECT_EQ(d.TksDbl(0), -8);
    EXPECT_EQ(d.TksDbl(18), 10);
}

TEST(ScaleTicks, RequestLimitsAndSingleTick) {
    Tsp_Scale s;
    EXPECT_TRUE(s.SetTicksRequested(30));
    EXPECT_EQ(s.TicksRequested, 21);
    s.CalcTicksVal();
    EXPECT_LE(s.TicksCount(), 21);
    // Many ticks on a span of 100 scaled units would need a step below one.
    auto many = horizontal(0, 99, 21);
    EXPECT_LE(many.Count, 21);
    EXPECT_GE(many.Step, 1);

    auto none = horizontal(0, 10, 0);
    EXPECT_EQ(none.Count, 0);
    auto one = horizontal(0, 10, 1);
    EXPECT_EQ(one.Count, 1);
    EXPECT_EQ(one.Step, 100);
    EXPECT_EQ(one.TksDbl(0), 0);
}

TEST(ScaleTicks, InvertedTicksRunDownFromTheTop) {
    Tsp_Scale s(2);  // horizontal, inverted
    s.SetTicksRequested(11);
    s.SetLine(0, 50, 100);
    s.ChangeMinMax(0.5, 10.5);
    EXPECT_EQ(s.V0, 10.5);
    ASSERT_EQ(s.Count, 11);
    EXPECT_DOUBLE_EQ(s.TksDbl(0), 10.5);  // from IMax down in steps
    EXPECT_DOUBLE_EQ(s.TksDbl(10), 0.5);
    // The maximum sits at the line start, values fall to the right.
    EXPECT_EQ(s.V2P(10.5), 0);
    EXPECT_EQ(s.V2P(0.5), 100);
    EXPECT_EQ(s.TickPos[0], 0);
    EXPECT_EQ(s.TickPos[1], 10);
}

TEST(ScaleTicks, UniformTicksSpreadOverTheLine) {
    Tsp_Scale s(1u << Tsp_Scale::bitNoTicksAdjust | 1u);  // vertical, not adjusted
    s.SetTicksRequested(5);
    s.SetLine(10, 110, 100);
    s.ChangeMinMax(0.3, 7.1);
    ASSERT_EQ(s.Count, 5);
    EXPECT_DOUBLE_EQ(s.TksDbl(0), 0.3);
    EXPECT_DOUBLE_EQ(s.TksDbl(4), 7.1);
    EXPECT_EQ(s.TickPos[0], 110);
    EXPECT_EQ(s.TickPos[1], 85);
    EXPECT_EQ(s.TickPos[4], 10);
}

TEST(ScaleMapping, ValueToPixelAndBack) {
    auto h = horizontal(0, 10, 5, 20, 200);
    EXPECT_EQ(h.V2P(0), 20);
    EXPECT_EQ(h.V2P(10), 220);
    EXPECT_EQ(h.V2P(2.5), 70);
    EXPECT_DOUBLE_EQ(h.P2V(70), 2.5);

    Tsp_Scale v(1);
    v.SetLine(10, 110, 100);
    v.ChangeMinMax(0, 10);
    EXPECT_EQ(v.V2P(0), 110);  // values grow upward
    EXPECT_EQ(v.V2P(10), 10);
    EXPECT_DOUBLE_EQ(v.P2V(60), 5);
    v.SetFlagBit(Tsp_Scale::bitInversed, true);
    EXPECT_EQ(v.V2P(10), 110);
    EXPECT_EQ(v.V2P(0), 10);

    // Halves round to the even pixel.
    auto unit = horizontal(0, 10, 5, 0, 10);
    EXPECT_EQ(unit.V2P(2.5), 2);
    EXPECT_EQ(unit.V2P(3.5), 4);
}

TEST(ScaleMapping, FarValuesClampToThePixelLimit) {
    auto h = horizontal(0, 10, 5, 0, 100);
    EXPECT_EQ(h.V2P(1e9), 16383);
    EXPECT_EQ(h.V2P(-1e9), -16383);
    EXPECT_EQ(h.V2P(std::numeric_limits<double>::infinity()), 16383);
    EXPECT_EQ(h.V2P(-std::numeric_limits<double>::infinity()), -16383);
    EXPECT_EQ(h.V2P(1637), 16370);  // just inside stays exact
    EXPECT_EQ(h.V2P(std::numeric_limits<double>::quiet_NaN()), 16383);
}

TEST(ScaleLine, LengthIsPositive) {
    Tsp_Scale s;
    s.SetLine(5, 5, 0);
    EXPECT_EQ(s.Len, 1);
    s.SetLine(5, 5, -40);
    EXPECT_EQ(s.Len, 40);
    EXPECT_EQ(s.V2P(10), 45);
}

TEST(ScaleShift, SmallPanKeepsStepAndPhase) {
    auto s = horizontal(0, 10, 4);  // ticks 0, 3.3, 6.6, 9.9
    s.ShiftScaleBy(false, 1, 0);
    EXPECT_EQ(s.Min(), 1);
    EXPECT_EQ(s.Max(), 11);
    EXPECT_EQ(s.Step, 33);
    // Recomputing would start at 1; the kept phase starts at 3.3.
    ASSERT_EQ(s.Count, 3);
    EXPECT_NEAR(s.TksDbl(0), 3.3, 1e-9);
    EXPECT_NEAR(s.TksDbl(2), 9.9, 1e-9);
    EXPECT_EQ(s.TickPos[0], s.V2P(3.3));

    // Back by a negative shift: the phase still holds.
    s.ShiftScaleBy(false, -2, 0);
    EXPECT_NEAR(s.TksDbl(0), 0, 1e-9);
    EXPECT_NEAR(s.TksDbl(1), 3.3, 1e-9);
}

TEST(ScaleShift, LargePanRecomputesTicks) {
    auto s = horizontal(0, 10, 4);
    s.ShiftScaleBy(false, 11, 0);
    EXPECT_EQ(s.Min(), 11);
    EXPECT_EQ(s.TksDbl(0), 11);  // from scratch: first tick on IMin
    EXPECT_NEAR(s.TksDbl(1), 14.3, 1e-9);
}

TEST(ScaleShift, PixelScrollMovesByPixelsOverScale) {
    auto h = horizontal(0, 10, 11, 0, 100);  // 10 pixels per unit
    h.ScrollBy(25);
    EXPECT_DOUBLE_EQ(h.Min(), 2.5);
    EXPECT_DOUBLE_EQ(h.Max(), 12.5);
    EXPECT_EQ(h.TksDbl(0), 3);
    EXPECT_EQ(h.TickPos[0], 5);

    Tsp_Scale v(1);
    v.SetTicksRequested(11);
    v.SetLine(0, 100, 100);
    v.ChangeMinMax(0, 10);
    v.ScrollBy(-20);  // mouse moved down by 20: the view moves up
    EXPECT_DOUBLE_EQ(v.Min(), 2);
    h.ScrollBy(0);
    EXPECT_DOUBLE_EQ(h.Min(), 2.5);
}

TEST(ScaleShift, InvertedPanKeepsTicksAtOrBelowMax) {
    Tsp_Scale s(2);
    s.SetTicksRequested(11);
    s.SetLine(0, 0, 100);
    s.ChangeMinMax(0, 10);
    s.ShiftScaleBy(false, 0.5, 0);
    EXPECT_EQ(s.TksDbl(0), 10);
    EXPECT_EQ(s.Count, 10);
    EXPECT_EQ(s.TksDbl(9), 1);
}

TEST(ScaleShift, UniformTicksMoveWithTheView) {
    Tsp_Scale s(1u << Tsp_Scale::bitNoTicksAdjust);
    s.SetTicksRequested(5);
    s.SetLine(0, 50, 100);  // ticks every 25 pixels
    s.ChangeMinMax(0, 10);
    s.ScrollBy(10);
    // The marks keep their 25-pixel spacing and follow the content left.
    ASSERT_GE(s.Count, 4);
    EXPECT_EQ(s.TickPos[0], 15);
    EXPECT_EQ(s.TickPos[1], 40);
    EXPECT_NEAR(s.TksDbl(0), s.P2V(15), 1e-9);
}

TEST(ScaleLayout, BandWidthsAndIndents) {
    const int cw = 7, ch = 13;
    Tsp_Scale left(1);
    left.SetTicksRequested(11);
    left.LineAttr.SetWidth(2);
    left.ChangeMinMax(0, 10);
    EXPECT_EQ(left.BandWidth(cw, ch), 2 + 2 * cw + 5);  // widest label "10"
    left.SetFlagBit(Tsp_Scale::bitNoTicksLabel, true);
    EXPECT_EQ(left.BandWidth(cw, ch), 2 + 4);
    EXPECT_EQ(left.OrgIndent(cw, ch), 0);

    Tsp_Scale right(57);
    EXPECT_EQ(right.BandWidth(cw, ch), 1);
    EXPECT_TRUE(right.GetVisible());  // no marks, no labels, but its line is shown
    right.LineAttr.SetVisible(false);
    EXPECT_FALSE(right.GetVisible());

    Tsp_Scale bottom(0);
    bottom.SetTicksRequested(16);
    bottom.SetLine(0, 0, 150);
    bottom.ChangeMinMax(0, 15);
    EXPECT_EQ(bottom.BandWidth(cw, ch), ch + 1 + 5);
    EXPECT_EQ(bottom.OrgIndent(cw, ch), cw / 2);      // "0" centred on the origin
    EXPECT_EQ(bottom.EndIndent(cw, ch), 2 * cw / 2);  // "15" centred on the end
    bottom.ChangeMinMax(-0.5, 15);  // first tick 5 pixels in from the origin
    EXPECT_EQ(bottom.TickPos[0], 5);
    EXPECT_EQ(bottom.OrgIndent(cw, ch), 0);
}

TEST(ScaleLayout, FieldAndAxisLines) {
    const int cw = 7, ch = 13;
    Tsp_Scale left(1), right(57), bottom(0), top(56);
    left.SetTicksRequested(11);
    left.ChangeMinMax(0, 10);
    bottom.SetTicksRequested(16);
    bottom.ChangeMinMax(0, 15);
    auto l = Tsp_ArrangeLayout(200, 120, left, right, bottom, top, 4, 4, 4, 4, cw, ch);
    int roomLeft = 1 + 2 * cw + 5 + 4;  // left band beats the bottom's overhang
    int roomBottom = ch + 1 + 5 + 4;
    int roomRight = std::max(2 * cw / 2, 1) + 4;  // "15" overhangs the right end
    int roomTop = ch / 2 + 4;                       // "10" of the left axis
    EXPECT_EQ(l.fieldLeft, roomLeft);
    EXPECT_EQ(l.fieldBottom, 120 - roomBottom);
    EXPECT_EQ(l.fieldRight, 200 - roomRight);
    EXPECT_EQ(l.fieldTop, roomTop);
    EXPECT_EQ(l.left.ox, l.fieldLeft - 1);
    EXPECT_EQ(l.left.oy, l.fieldBottom - 1);
    EXPECT_EQ(l.left.len, l.fieldBottom - l.fieldTop - 1);
    EXPECT_EQ(l.right.ox, l.fieldRight);
    EXPECT_EQ(l.bottom.oy, l.fieldBottom);
    EXPECT_EQ(l.bottom.len, l.fieldRight - l.fieldLeft - 1);
    EXPECT_EQ(l.top.oy, l.fieldTop - 1);

    auto tiny = Tsp_ArrangeLayout(20, 20, left, right, bottom, top, 4, 4, 4, 4, cw, ch);
    EXPECT_EQ(tiny.fieldRight - tiny.fieldLeft, 3);
    EXPECT_EQ(tiny.fieldBottom - tiny.fieldTop, 3);
}

TEST(ScaleZoom, DragRectangleAndLimits) {
    auto r = Tsp_NormalizeDragRect({50, 40, 10, 5});
    EXPECT_EQ(r.left, 11);
    EXPECT_EQ(r.right, 51);
    EXPECT_EQ(r.top, 6);
    EXPECT_EQ(r.bottom, 41);
    auto same = Tsp_NormalizeDragRect({1, 2, 30, 40});
    EXPECT_EQ(same.Width(), 29);

    auto h = horizontal(0, 10, 5, 0, 100);
    double lo, hi;
    ASSERT_TRUE(Tsp_ZoomLimits(h, 70, 20, lo, hi));
    EXPECT_DOUBLE_EQ(lo, 2);
    EXPECT_DOUBLE_EQ(hi, 7);
    // Zoomed in so far that neighbouring pixels hold the same double.
    h.SetLine(0, 0, 10000);
    h.ChangeMinMax(1e6, 1e6 + 1e-6);
    EXPECT_FALSE(Tsp_ZoomLimits(h, 10, 11, lo, hi));
    EXPECT_TRUE(Tsp_ZoomLimits(h, 10, 9000, lo, hi));
}
