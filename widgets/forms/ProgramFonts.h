#pragma once
// The faces the windows were laid out in, and what stands in for them here.

namespace forms {

// Maps the windows' faces to installed ones of the same metrics and makes
// "MS Sans Serif" 8 pt every window's own font. Call once, after the
// application object is made and before any window is. Also keeps the font
// machinery's notes about fonts the system lacks off standard error.
void useProgramFonts();

}  // namespace forms
