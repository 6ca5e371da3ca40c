#pragma once
// The plot command's picture, drawn by the graph window's own control.
#include "tools/calc/PlotCommand.h"

namespace calc {

// Draws the graph as the window does and writes it as a PNG file; throws
// "Cannot write the picture '<file>'" when the file cannot be written.
void writePlotPicture(const PlotPicture& picture);

}  // namespace calc
