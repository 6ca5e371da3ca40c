#pragma once
// Names for screen readers. A form names most controls by what stands beside
// them: a caption to the left or above an edit or a list, a hint on a button
// that shows only a picture. When a window is first shown, each control a
// user can reach that has no name of its own takes that name, and each grid
// and list a description, so that a screen reader says what it is.
class QApplication;
class QWidget;

namespace forms {

// Names the controls of `window` (and of the windows inside it) that have none.
void nameControls(QWidget* window);

// From now on, every window is named so as it is first shown.
void nameControlsWhenShown(QApplication& app);

}  // namespace forms
