#include "TPlotLegend.h"

#include "TGraphPlot.h"

void TPlotLegend::Rebuild(const TGraphPlot& plot) {
  fLines.clear();
  for (int i = 0; i < plot.LineCount(); ++i)
    if (plot.Lines(i).Active()) fLines.push_back(i);
}

int TPlotLegend::LineOf(int entry) const {
  return entry >= 0 && entry < Count() ? fLines[static_cast<std::size_t>(entry)] : -1;
}

int TPlotLegend::EntryOf(int line) const {
  for (std::size_t j = 0; j < fLines.size(); ++j)
    if (fLines[j] == line) return static_cast<int>(j);
  return -1;
}

QString TPlotLegend::RowText(const TLine& line) {
  QString text = line.LineName().trimmed();
  if (line.Visible()) text += QStringLiteral(" *");
  return text;
}

QString TPlotLegend::WidthText(const TLine& line) { return line.LineName() + QStringLiteral(" *"); }
