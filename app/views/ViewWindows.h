#pragma once
// Small helpers the shaft views share for their windows.
class QWidget;

namespace view_windows {

// Closes the window that holds `view`: its frame in the main window's area when it has one,
// else the view itself.
void CloseViewWindow(QWidget* view);

}  // namespace view_windows
