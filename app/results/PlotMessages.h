#pragma once
// Every text that the plot window and its dialogs show.
#include <QString>

namespace PlotText {

// The line-names dialog refuses an empty name.
inline QString LineMustHaveName() { return QStringLiteral("The line must have a name!"); }
// A bitmap too large to be made.
inline QString NotEnoughMemory() {
  return QStringLiteral("There is not enough memory to complete this task.");
}
// A picture that could not be written (the folder went away, the disk is full, no right to
// write there).
inline QString CannotWritePicture(const QString& fileName) {
  return QStringLiteral("The picture could not be written to %1.").arg(fileName);
}
// A printer that could not start the job.
inline QString CannotPrint() { return QStringLiteral("The plot could not be printed."); }

// The flags of the active-curves dialog.
inline QString ActiveFlag() { return QStringLiteral(" yes : "); }
inline QString InactiveFlag() { return QStringLiteral(" no  : "); }

}  // namespace PlotText
