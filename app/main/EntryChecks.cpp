#include "EntryChecks.h"

#include <QMdiSubWindow>
#include <algorithm>
#include <cmath>

#include "EAssignError.h"
#include "TDataEdit.h"

bool EntryAcceptable(const TDataEdit* entry) {
  long double value = 0;
  try {
    value = entry->Number();
  } catch (const EAssignError&) {
    return false;
  }
  if (entry->IntegerOnly() && value != std::trunc(value)) return false;
  return value >= entry->MinVal() && value <= entry->MaxVal();
}

bool CheckEntries(QWidget* window, const std::vector<TDataEdit*>& entries) {
  auto* focused = qobject_cast<TDataEdit*>(window->focusWidget());
  if (focused && std::find(entries.begin(), entries.end(), focused) == entries.end())
    focused = nullptr;
  if (focused && !focused->CloseQuery()) return false;
  for (TDataEdit* entry : entries)
    if (entry != focused && !EntryAcceptable(entry) && !entry->CloseQuery()) return false;
  return true;
}

void CloseChildWindow(QWidget* window) {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
    frame->close();
  else
    window->close();
}
