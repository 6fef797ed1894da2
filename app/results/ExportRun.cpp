#include "ExportRun.h"

#include <QDir>
#include <QFileInfo>

#include "ExportMessages.h"
#include "TExportFileQuestion.h"
#include "TExportWorkbook.h"
#include "TBusyCursor.h"
#include "TMessageBox.h"
#include "TWorkbookOpener.h"
#include "XlsxWorkbookWriter.h"

namespace {

}  // namespace

bool RunExport(QWidget* parent, const std::vector<const TGraphPlot*>& plots, bool markers,
               const QString& proposedFileName) {
  if (plots.empty()) return false;
  QString fileName = TExportFileQuestion::Ask(parent, proposedFileName);
  if (fileName.isEmpty()) return false;
  // The workbook is an .xlsx file whatever name was typed: this keeps the problem and its
  // result files from being replaced by a workbook, and lets the desktop open it with the
  // spreadsheet program. The name so made was not asked about, so its file is.
  const QString suffix = QLatin1Char('.') + ExportText::WorkbookSuffix();
  if (!fileName.endsWith(suffix, Qt::CaseInsensitive)) {
    fileName += suffix;
    if (QFileInfo::exists(fileName) &&
        TMessageBox::Question(parent, ExportText::ReplaceExisting(QDir::toNativeSeparators(fileName))) !=
            QMessageBox::Yes)
      return false;
  }
  const QString shownName = QDir::toNativeSeparators(fileName);

  bool seriesCut = false;
  TWorkbookWriteResult result;
  {
    TBusyCursor busy;
    const TExportWorkbook workbook(plots, markers);
    seriesCut = workbook.SeriesCut();
    result = WriteXlsxWorkbook(workbook, fileName);
  }
  if (!result.Written) {
    TMessageBox::Information(parent, ExportText::CannotWrite(shownName, result.Reason));
    return false;
  }
  QString text = ExportText::Completed(shownName, seriesCut);
  if (!TWorkbookOpener::Open(fileName)) text += ExportText::NotOpened();
  TMessageBox::Information(parent, text);
  return true;
}
