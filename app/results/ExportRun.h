#pragma once

#include <QString>
#include <vector>

class QWidget;
class TGraphPlot;

// "Generate Excel File": asks for the workbook's file name (proposing `proposedFileName`;
// a name without ".xlsx" gets it, with a question before an existing file is replaced),
// writes the workbook of the chosen plots with a busy cursor, opens it with the desktop's
// program for it and tells the user how it went. A cancelled question does nothing; a
// workbook that cannot be written is reported with its file name and leaves the disk as it
// was. Returns whether a workbook was written.
bool RunExport(QWidget* parent, const std::vector<const TGraphPlot*>& plots, bool markers,
               const QString& proposedFileName);
