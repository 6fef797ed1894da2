#pragma once
// The busy cursor for as long as the object lives: around the engine run, the writing of a
// workbook and the set-up of a 3D scene. Restored on every way out of the scope.
#include <QCursor>
#include <QGuiApplication>

class TBusyCursor {
 public:
  TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};
