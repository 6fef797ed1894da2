#include "ViewWindows.h"

#include <QMdiSubWindow>

namespace view_windows {

void CloseViewWindow(QWidget* view) {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget()))
    frame->close();
  else
    view->close();
}

}  // namespace view_windows
