// Small plots for the export tests.
#pragma once

#include <QString>
#include <vector>

#include "TGraphPlot.h"

namespace export_test {

// Gives `plot` one line per entry of `pointCounts`, line j (0-based) with that many points
// at x = 100 j + m, y = m / 4 (m the 0-based point), named "Dia=<j + 1> ft".
inline void FillLines(TGraphPlot& plot, const std::vector<int>& pointCounts) {
  plot.SetLineCount(static_cast<int>(pointCounts.size()));
  for (int j = 0; j < plot.LineCount(); ++j) {
    TLine& line = plot.Lines(j);
    line.SetCount(pointCounts[static_cast<std::size_t>(j)]);
    for (int m = 0; m < line.Count(); ++m) line.Point(m) = {100.0L * j + m, m / 4.0L};
    line.SetLineName(QStringLiteral("Dia=%1 ft").arg(j + 1));
  }
}

}  // namespace export_test
