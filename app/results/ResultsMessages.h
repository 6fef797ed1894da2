#pragma once
// Every text that loading results shows or raises.
#include <QString>

namespace ResultsText {

// Shown when a plot-data file cannot be read after an analysis.
inline QString ErrorInMainProgram() {
  return QStringLiteral("An error occured in running the main program.");
}
// Raised (never shown) when a count read from a plot-data file announces more than the
// file can hold or more than an analysis writes.
inline QString CountOutOfRange(const QString& what) {
  return QStringLiteral("The plot-data file gives an impossible %1.").arg(what);
}

}  // namespace ResultsText
