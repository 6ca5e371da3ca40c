#pragma once
// Text colours that stay readable whatever the desktop's colours are. A
// window that fixes the ground of a text fixes its ink too; a window that
// wants a coloured text on the desktop's own ground (a navy heading, a red
// note) keeps the colour's hue but moves it to where it can be read.
#include <QColor>

class QWidget;

namespace forms {

// WCAG 2's contrast of two colours, 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// Black, or white where black would be hard to read on `ground`.
QColor inkFor(const QColor& ground);

// `wanted` itself on a light ground or where it reads; on a dark ground
// where it does not, the nearest mix of it with white that does.
QColor readableOn(const QColor& wanted, const QColor& ground);

// Gives `w` the text colour `wanted` (as readableOn its ground) for its labels and captions.
void setTextColour(QWidget* w, const QColor& wanted);

}  // namespace forms
