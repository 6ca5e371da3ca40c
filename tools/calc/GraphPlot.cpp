#include "tools/calc/GraphPlot.h"

#include <cmath>

#include <QPalette>

#include "widgets/plot/Sgr_data.h"
#include "widgets/plot/Sgr_def.h"

namespace calc {

namespace {

void setUpAxis(Tsp_Axis& axis, int ticks, int lineWidth, bool gridVisible, double max) {
    axis.SetMargin(4);
    axis.SetTicksCount(ticks);
    axis.LineAttr.SetColor(Qt::black);
    axis.LineAttr.SetWidth(lineWidth);
    axis.GridAttr.SetColor(Qt::gray);
    axis.GridAttr.SetVisible(gridVisible);
    axis.SetLabelFormat(QStringLiteral("###0.##"));
    axis.SetMinMax(0, max);
}

}  // namespace

void setUpGraphPlot(Tsp_XYPlot& plot, Tsp_XYLine& line) {
    plot.SetColor(plot.palette().color(QPalette::Button));
    plot.SetFieldColor(Qt::white);
    plot.SetBorderStyle(bs_None);
    plot.SetXCursorOn(true);

    setUpAxis(plot.LeftAxis(), 11, 2, true, 10);
    setUpAxis(plot.BottomAxis(), 16, 2, true, 15);
    // The right and top axes are bare lines closing the frame: no marks, no labels.
    for (Tsp_Axis* axis : {&plot.RightAxis(), &plot.TopAxis()}) {
        setUpAxis(*axis, axis->TicksRequested, 1, false, 10);
        axis->SetTicksLines(false);
        axis->SetNoTicksLabel(true);
        axis->SetFlagBit(Tsp_Scale::bitFarSide, true);
    }

    line.SetPlot(&plot);
    line.LineAttr.SetColor(Qt::black);
    line.PointAttr.SetKind(ptRectangle);
    line.PointAttr.SetVisible(false);
}

void fitAxesToCurve(Tsp_XYPlot& plot, const SamplingRange& range, const Tabulation& result) {
    if (result.ymin < result.ymax) {
        plot.LeftAxis().SetMinMax(result.ymin, result.ymax);
    } else {
        // A constant would lie on the edge of the axis's own widening of equal
        // limits (and below -10 outside it); centre it instead.
        const double v = result.ymin, half = std::abs(v) >= 10 ? std::abs(v) / 10 : 1;
        plot.LeftAxis().SetMinMax(v - half, v + half);
    }
    plot.BottomAxis().SetMinMax(range.minX, range.maxX);
}

void fitAxesToDrawnPoints(Tsp_XYPlot& plot, const SamplingRange& range, Tsp_XYLine& line) {
    Tabulation drawn;
    if (!line.GetYMin(drawn.ymin) || !line.GetYMax(drawn.ymax)) return;
    fitAxesToCurve(plot, range, drawn);
}

void clearGraph(Tsp_XYPlot& plot, Tsp_XYLine& line) {
    line.Clear();
    plot.SetXCursorVal(0);
    plot.LeftAxis().SetTicksCount(11);
    plot.BottomAxis().SetTicksCount(17);
    plot.LeftAxis().SetMax(10);
    plot.BottomAxis().SetMax(15);
    plot.LeftAxis().SetMin(0);
    plot.BottomAxis().SetMin(0);
    plot.Arrange();
    plot.Invalidate();
}

}  // namespace calc
