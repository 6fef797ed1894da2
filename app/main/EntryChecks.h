#pragma once
// What the input windows share around their numeric fields: the entry check a window runs
// before it stores (deactivation, close), and closing a window in its frame.
#include <vector>

class QWidget;
class TDataEdit;

// Whether the field's entry is a number the field accepts (within its range; whole when it
// must be), without telling the user anything.
bool EntryAcceptable(const TDataEdit* entry);

// The check before a window stores: the field of `window` that has the focus runs its exit
// check, and so does every other field of `entries` whose entry is not acceptable (an
// entry typed without leaving the field). The first refusal is told by its field, which
// takes the focus; the result is then false.
bool CheckEntries(QWidget* window, const std::vector<TDataEdit*>& entries);

// Closes a child window: its frame in the main window's area when it has one, else itself.
void CloseChildWindow(QWidget* window);
