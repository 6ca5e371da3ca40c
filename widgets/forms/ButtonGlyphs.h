#pragma once
// The pictures of the tool windows' buttons: the program's own drawings, one
// for each meaning, so that no button depends on the desktop's icon theme.
#include <QIcon>

namespace forms {

// The glyph of that meaning: "copy", "copy-units", "copy-graph", "help",
// "close", "ok", "save", "convert", "constants", "notepad", "calculator",
// "clear", "up", "down", "invert", and a record navigator's "nav-first", "nav-prior", "nav-next",
// "nav-last", "nav-refresh". Each drawing is read once a run and drawn once for each size a
// button asks for. A name without a drawing gives a null icon.
QIcon buttonGlyph(const char* name);

}  // namespace forms
