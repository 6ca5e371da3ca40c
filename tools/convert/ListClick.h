#pragma once
// One "click" per choice in a list, as the windows' list handlers expect it:
// a mouse click (also on the row already chosen) or a move of the selection by
// the keyboard runs the handler once. Selecting a row from code runs it too,
// unless the caller blocks the list's signals. The chosen row is the selected
// one: a list that merely got the focus has chosen nothing.
#include <functional>

class QListWidget;

namespace convert {

void onListClick(QListWidget* list, std::function<void()> handler);

// The selected row, -1 when none.
int selectedRow(const QListWidget* list);

}  // namespace convert
