#pragma once
// Every text the spreadsheet export shows: the dialog's notes, the closing message and the
// reasons a workbook could not be written.
#include <QString>

namespace ExportText {

QString DialogCaption();
QString AvailablePlots();
// The notes of the dialog, one sentence per line.
QString Notes();

// Title and filter of the question for the workbook's file name.
QString SaveCaption();
QString SaveFilter();
QString WorkbookSuffix();  // "xlsx", without the dot
// Asked before the workbook replaces a file the save question did not ask about.
QString ReplaceExisting(const QString& fileName);

// The closing message; `seriesCut`: some chart shows only its first 255 lines.
QString Completed(const QString& fileName, bool seriesCut);
// Added to the closing message when no program could be started to open the workbook.
QString NotOpened();

// A workbook that could not be written; `reason` says why.
QString CannotWrite(const QString& fileName, const QString& reason);
// Reasons.
QString LibraryError(const QString& detail);
QString IncompletePackage(const QString& part);
QString UnreadablePackage();
QString LegendMissing(const QString& part);
QString ChartsMissing(int framed, int expected);
QString ScratchFileFailed(const QString& detail);

}  // namespace ExportText
