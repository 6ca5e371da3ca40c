#pragma once
// Every message box of the program opens here, so that each one carries the
// application's title whoever shows it.
#include <QString>

class QWidget;

namespace kv {

enum class MessageKind { Information, Warning, Error };

// A modal box with the kind's icon and an OK button over `parent` (the active
// window when null); returns when the user has closed it.
void showMessageBox(MessageKind kind, const QString& text, QWidget* parent = nullptr);

// Makes the handler guard show its errors in an error box (once a GUI
// application exists; standard error before and without one).
void showErrorsInMessageBoxes();

}  // namespace kv
