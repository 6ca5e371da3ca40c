#pragma once
// `Kvantor2 plot FORMULA MIN MAX STEP [NAME=VALUE ...] [--png FILE [--size WxH]]`:
// the plotter without its window.
#include <QStringList>
#include <iosfwd>

namespace calc {

// Prints the sampled points, one "x<TAB>y" line each in the general number
// format, exactly the points the window's "Draw" adds (MIN, MAX, STEP and the
// variable values in the locale's number format, as the window reads them).
// With --png the graph is also rendered as the window draws it into FILE
// (491 x 335 unless --size says otherwise); this needs a QApplication, which
// the program makes on the offscreen platform for this command.
// Throws the window's message when a value, the formula or a sample fails
// (the points before a failing sample are printed), kv::UsageError for
// arguments of the wrong shape.
void runPlotCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

// True when the arguments of the plot command ask for a picture.
bool plotCommandNeedsWidgets(const QStringList& args);

}  // namespace calc
