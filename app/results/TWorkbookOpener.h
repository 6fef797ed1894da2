#pragma once
// Opens a written workbook with the desktop's default program for it. Tests (and any other
// caller) take it over with SetHandler.
#include <QString>
#include <functional>

class TWorkbookOpener {
 public:
  // Receives every workbook to open instead of the desktop; returns whether a program was
  // started for it.
  using THandler = std::function<bool(const QString& fileName)>;

  static bool Open(const QString& fileName);
  // Installs a handler (an empty one restores the desktop); returns the previous handler.
  static THandler SetHandler(THandler handler);
};
