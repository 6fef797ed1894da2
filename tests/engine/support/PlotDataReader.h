// The desktop program's way of taking the plot-data file, for engine tests: words across
// line ends, with a skip to the next line at the two places the reader makes one. Throws
// std::runtime_error where the program's reader would fail (a word that is not a finite
// number, the file ending inside a section, words left after the load distributions).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tvx::test {

// One plotted line: its header, the capacity points (depth and six resistances) and the
// load-settlement blocks (top load, top movement, tip load, tip movement; 15 rows each).
struct PlottedLine {
  long NLINES = 0, NPTS = 0, NBLK = 0;
  std::vector<std::array<double, 7>> points;
  std::vector<std::vector<std::array<double, 4>>> blocks;
};

struct PlotContents {
  // The first header, as the reader takes it for the whole file.
  long NLINES = 0, NPTS = 0, NBLK = 0;
  std::vector<long> headerNBLK;
  std::vector<PlottedLine> lines;
  // The design charts; counts -1 where absent. Per settlement: the diameters, and per
  // diameter the (length, load) points.
  long NCHART = -1, NDIAC = -1, NLENC = -1;
  std::vector<double> chartSettlements;
  std::vector<std::vector<double>> chartDiameters;                             // [settlement][diameter]
  std::vector<std::vector<std::vector<std::array<double, 2>>>> chartPoints;  // [settlement][diameter][length]
  // The appended sections; -1 where absent.
  bool appended = false;
  long NTZDEP = -1, NTZ = -1, NQW = -1;
  long loadDistValues = 0;
};

// `printedCurves`: the problem asks for printed t-z curves, so a count of them leads the
// appended sections. `charts`: the problem asks for design charts, which follow the lines.
PlotContents ReadPlotFile(const std::vector<std::string>& lines, bool printedCurves, bool charts = false);

}  // namespace tvx::test
