#include "ExportMessages.h"

namespace ExportText {

QString DialogCaption() { return QStringLiteral("Export to Excel"); }

QString AvailablePlots() { return QStringLiteral("Available Plots"); }

QString Notes() {
  // The workbook is written to a file the user names, so instead of the reminder to save
  // the workbook afterwards the notes say that a file name will be asked for.
  return QStringLiteral(
      "A spreadsheet program (if available) will open. \n"
      "Please wait until all the data has been exported to Excel.\n"
      "Please note that you will be asked where to save the excel file.\n"
      "Results exported will be for the current load case/combination.");
}

QString SaveCaption() { return QStringLiteral("Save Excel File As"); }

QString SaveFilter() {
  return QStringLiteral("Excel Workbook (*.xlsx);;All Files (*)");
}

QString WorkbookSuffix() { return QStringLiteral("xlsx"); }

QString ReplaceExisting(const QString& fileName) {
  return QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(fileName);
}

QString Completed(const QString& fileName, bool seriesCut) {
  QString text = QStringLiteral("Export to Excel Completed\nThe excel file is saved as %1\n").arg(fileName);
  if (seriesCut)
    text += QStringLiteral("Some plots show only 255 series because Excel limitation \nPlease check \n");
  return text;
}

QString NotOpened() {
  return QStringLiteral("No program could be started to open it.");
}

QString CannotWrite(const QString& fileName, const QString& reason) {
  return QStringLiteral(
             "The excel file %1 could not be written; a file of that name on disk is unchanged.\n%2")
      .arg(fileName, reason);
}

QString LibraryError(const QString& detail) {
  return QStringLiteral("The spreadsheet library reports: %1").arg(detail);
}

QString IncompletePackage(const QString& part) {
  return QStringLiteral(
             "The workbook came out incomplete in its part %1 (the disk of the temporary "
             "files may be full).")
      .arg(part);
}

QString UnreadablePackage() {
  return QStringLiteral("The workbook written by the spreadsheet library cannot be read back.");
}

QString LegendMissing(const QString& part) {
  return QStringLiteral("The chart %1 of the workbook has no legend.").arg(part);
}

QString ChartsMissing(int framed, int expected) {
  return QStringLiteral("The workbook holds %1 charts instead of %2.").arg(framed).arg(expected);
}

QString ScratchFileFailed(const QString& detail) {
  return QStringLiteral("No temporary file could be made for the workbook: %1").arg(detail);
}

}  // namespace ExportText
