#pragma once

#include <QString>
#include <vector>

class TGraphPlot;
class TLine;

// The legend of a plot window: one entry per active line, in line order. Entry j and the
// j-th line item of the Plot menu belong to the same line; once lines are inactive the line
// index is no longer the entry index, so everything that acts on an entry goes through
// LineOf.
class TPlotLegend {
 public:
  // Entries for the active lines of `plot`, in line order.
  void Rebuild(const TGraphPlot& plot);

  int Count() const { return static_cast<int>(fLines.size()); }
  // The line of entry j; -1 outside the legend.
  int LineOf(int entry) const;
  // The entry of line i; -1 when the line has none (inactive).
  int EntryOf(int line) const;
  const std::vector<int>& Lines() const { return fLines; }

  // The text a legend row shows: the line's name trimmed, starred while the line is drawn.
  static QString RowText(const TLine& line);
  // The text the box width is measured on: the name followed by " *".
  static QString WidthText(const TLine& line);

 private:
  std::vector<int> fLines;
};
