#pragma once
// One "click" per choice in a list, as the windows' list handlers expect it:
// a mouse click (also on the row already chosen) or a move of the current row
// by the keyboard runs the handler once. Setting the row from code runs it
// too, unless the caller blocks the list's signals.
#include <functional>

class QListWidget;

namespace convert {

void onListClick(QListWidget* list, std::function<void()> handler);

}  // namespace convert
