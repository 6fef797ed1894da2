#pragma once
// The question for the name of the workbook to write: a save dialog that starts with the
// proposed file, offers .xlsx files, appends ".xlsx" to a name typed without it and asks
// before an existing file is replaced. Tests (and any other caller) take it over with
// SetHandler.
#include <QString>
#include <functional>

class QWidget;

class TExportFileQuestion {
 public:
  // Receives every question instead of the dialog; returns the chosen path, or an empty
  // text for a cancelled question.
  using THandler = std::function<QString(QWidget* parent, const QString& proposedPath)>;

  static QString Ask(QWidget* parent, const QString& proposedPath);
  // Installs a handler (an empty one restores the dialog); returns the previous handler.
  static THandler SetHandler(THandler handler);
};
