#pragma once

#include <QByteArray>
#include <QString>

// The last step of writing a workbook, on the package (the zip file) the spreadsheet
// library wrote: every part is read back and checked (its checksum, and every XML part for
// being complete and well formed), and the legend of every chart gets its frame, a black
// border and a white fill, which the library has no call for. Unchanged parts are copied
// as they are.
struct TPackageResult {
  QByteArray Package;  // the finished package; empty on failure
  QString Failure;     // why the package cannot be used; empty on success
};

TPackageResult FinishXlsxPackage(const QByteArray& written, int expectedCharts);
