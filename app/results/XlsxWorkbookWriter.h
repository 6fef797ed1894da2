#pragma once

#include <QString>

class TExportWorkbook;

struct TWorkbookWriteResult {
  bool Written = false;
  QString Reason;  // why the workbook was not written; empty when it was
};

// Writes the export workbook as an .xlsx file. The spreadsheet library writes it to a
// scratch file, the package is checked and finished in memory, and only the finished
// workbook goes to a temporary file in the target's folder that then replaces `fileName`.
// A failure at any step leaves no workbook behind and an existing file of that name as it
// was.
TWorkbookWriteResult WriteXlsxWorkbook(const TExportWorkbook& workbook, const QString& fileName);
