#pragma once
// The keyboard's way through a window. Tab visits the controls in the order
// they are read: top to bottom, and across a line left to right; where the
// window stands in columns, down one column before the next. The controls of
// a group, panel or page go together, in the group's place. Focus starts at
// the first control to fill in (an edit, box, list or tab), not on a button,
// unless the window chose its own. Grids and lists keep the arrow keys for
// their cells and give Tab back to the window, so that no control holds the
// keyboard.
class QDialog;
class QWidget;

namespace forms {

// Orders the Tab chain of `window` by where its controls stand now.
void orderTabsByLayout(QWidget* window);

// Orders `dialog` so each time it is shown, and starts its focus on the first
// control to fill in when it has chosen none.
void orderTabsWhenShown(QDialog* dialog);

}  // namespace forms
