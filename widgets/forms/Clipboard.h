#pragma once
// Copying text for the user, the one way every window does it: the text goes
// to the clipboard and, where the desktop has one (X11), to the primary
// selection too, so that Ctrl+V and a middle click paste the same.
#include <QString>

class QLineEdit;

namespace forms {

void copyText(const QString& text);

// A copy button's work: the whole box selected, so the user sees what was
// taken, and its text copied.
void copyAll(QLineEdit* box);

}  // namespace forms
