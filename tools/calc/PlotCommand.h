#pragma once
// `Kvantor2 plot FORMULA MIN MAX STEP [NAME=VALUE ...] [--png FILE [--size WxH]]`:
// the plotter without its window.
#include <QSize>
#include <QStringList>
#include <iosfwd>
#include <utility>
#include <vector>

#include "tools/calc/Tabulation.h"

namespace calc {

// Prints the sampled points, one "x<TAB>y" line each in the general number
// format, exactly the points the window's "Draw" adds (MIN, MAX, STEP and the
// variable values in the locale's number format, as the window reads them).
// With --png the graph is also rendered as the window draws it into FILE
// (491 x 335 unless --size says otherwise) by the picture writer below.
// Throws the window's message when a value, the formula or a sample fails
// (the points before a failing sample are printed), kv::UsageError for
// arguments of the wrong shape.
void runPlotCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

// What --png draws: the points printed, and the range and result the axes are fitted to.
struct PlotPicture {
    QString file;
    QSize size;
    const SamplingRange& range;
    const Tabulation* result;  // null when a sample failed
    const std::vector<std::pair<double, double>>& points;
};
// The picture is drawn with the graph window's own control, so the desktop
// program gives the writer; without one, --png fails.
using PlotPictureWriter = void (*)(const PlotPicture& picture);
void setPlotPictureWriter(PlotPictureWriter writer);

// True when the arguments of the plot command ask for a picture.
bool plotCommandNeedsWidgets(const QStringList& args);

}  // namespace calc
