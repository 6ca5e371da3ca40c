#pragma once
// The graph of the graph-and-calculator window, shared by the window and the
// `plot` command so that both draw the same picture.
#include "tools/calc/Tabulation.h"

class Tsp_XYPlot;
class Tsp_XYLine;

namespace calc {

// The plot's size in the window, also the default size of a rendered graph.
inline constexpr int kGraphWidth = 491;
inline constexpr int kGraphHeight = 335;

// The window's plot settings: colours, the four axes, the black line series
// without markers, the X cursor.
void setUpGraphPlot(Tsp_XYPlot& plot, Tsp_XYLine& line);

// After a drawing: the left axis spans the smallest to the largest sampled
// value and the bottom axis Min X to Max X, so the whole curve is in view. A
// constant (or the lone value at Min X) is centred: v - 1 to v + 1, or
// v -/+ |v|/10 from |v| = 10 on.
void fitAxesToCurve(Tsp_XYPlot& plot, const SamplingRange& range, const Tabulation& result);

// After a drawing that failed at some sample: the axes fitted as above to
// the points drawn before the failure, so that they are in view. Without any
// point the axes stay as they are.
void fitAxesToDrawnPoints(Tsp_XYPlot& plot, const SamplingRange& range, Tsp_XYLine& line);

// "Clear graph": no points, the cursor at 0, the starting ticks and ranges.
void clearGraph(Tsp_XYPlot& plot, Tsp_XYLine& line);

}  // namespace calc
