#pragma once
// The platform dialogs of the plot window: choosing a printer (or a PDF file) for printing,
// the page setup, and the file name of a saved picture. The one place that shows them, so a
// test (or any other caller) can answer them with SetHandlers instead of a modal dialog.
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

class TPlotDialogs {
 public:
  struct THandlers {
    // The print dialog on `printer`; false when the user cancelled.
    std::function<bool(QPrinter& printer, QWidget* parent)> ChoosePrinter;
    // The page-setup dialog on `printer`'s page layout; false when the user cancelled.
    std::function<bool(QPrinter& printer, QWidget* parent)> SetupPage;
    // The save dialog for a picture of the plot; the chosen file, empty when cancelled.
    std::function<QString(QWidget* parent)> ChooseSaveFile;
  };

  static bool ChoosePrinter(QPrinter& printer, QWidget* parent);
  static bool SetupPage(QPrinter& printer, QWidget* parent);
  static QString ChooseSaveFile(QWidget* parent);

  // Installs handlers (an empty one leaves that dialog to the platform); returns the
  // previous ones.
  static THandlers SetHandlers(THandlers handlers);

  // The file types offered for a saved picture; the first is the default.
  static QString SaveFilter();
};
