#include "tools/calc/DesktopParts.h"

#include "tools/calc/PlotPicture.h"

namespace calc {

// `plot --png` draws with the graph window's own control.
void connectDesktopParts() { setPlotPictureWriter(writePlotPicture); }

}  // namespace calc
