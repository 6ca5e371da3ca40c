#pragma once
// F1 in a tool window opens the window's own help page. One line in the
// window's constructor:
//   platform::helpOnF1(this, QStringLiteral("tanks.html"));
// A window whose page depends on what it shows passes its help handler instead.
// A QShortcut of the window's own for F1 comes first, so a window that
// handles F1 itself is not disturbed.
#include <QString>
#include <functional>

class QWidget;

namespace platform {

// page: a help page's file name, a section after '#': "10.html#charmap".
void helpOnF1(QWidget* window, const QString& page);
void helpOnF1(QWidget* window, std::function<void()> help);

}  // namespace platform
