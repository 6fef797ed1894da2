#pragma once

#include <QString>
#include <QStringList>
#include <cmath>
#include <vector>

#include "TGraphPlot.h"

// One cell of the workbook: a text, a number or nothing; a text may carry an internal
// hyperlink, and the heading cells of the legend are bold and vertically centred.
struct TExportCell {
  enum class TKind { Empty, Text, Number };

  TKind Kind = TKind::Empty;
  QString Text;
  double Number = 0;
  QString Link;          // location inside the workbook ("Page_1!A1"); empty: no link
  bool Heading = false;  // bold, vertically centred

  static TExportCell MakeText(QString text, QString link = {}, bool heading = false);
  static TExportCell MakeNumber(double value);
  friend bool operator==(const TExportCell&, const TExportCell&) = default;
};

// A cell at its 1-based row and column.
struct TPlacedCell {
  int Row;
  int Column;
  TExportCell Cell;
};

// One series of a chart: the line's name and the data-sheet ranges of its x and y values.
struct TExportSeries {
  QString Name;
  QString XValues;  // "=Page_1!$A$6:$A$17"
  QString YValues;
  int NameColumn;   // data-sheet column of the line's name (row 4)
};

// The chart of one plot, on its own chart sheet: XY scatter with lines, markers when the
// export asks for them, no chart title, both axes titled with major gridlines, the value
// axis reversed for depth plots, a framed legend with one entry per series.
struct TExportChart {
  QString Name;       // chart sheet "Plot_i"
  QString DataSheet;  // "Page_i"
  QString XTitle;
  QString YTitle;
  bool ReverseY = false;
  bool Markers = true;
  std::vector<TExportSeries> Series;
};

// The data sheet of one plot: caption, axis titles, the link back to the legend, the line
// names, and the points of every line in its column pair from row 6 on.
class TExportDataSheet {
 public:
  TExportDataSheet(const TGraphPlot& plot, int number);

  const QString& Name() const { return fName; }
  const TGraphPlot& Plot() const { return fPlot; }
  // The texts above the points (rows 1 to 5).
  const std::vector<TPlacedCell>& Heading() const { return fHeading; }
  // The last row any line's points reach: 5 + the largest point count, and at least the
  // first data row, so that the chart ranges stay valid for lines without points.
  int LastRow() const { return fLastRow; }
  // Columns in use: a column pair per line.
  int LastColumn() const { return 2 * fPlot.LineCount(); }

  // The cell at (row, column); outside the sheet's contents it is empty.
  TExportCell CellAt(int row, int column) const;

  // Calls f(row, column, value) for every point value, line by line. A value that is not
  // a finite number in double precision is left out: the cell stays empty and a chart
  // skips it, where a workbook cannot hold it.
  template <class F>
  void ForEachNumber(F&& f) const {
    for (int j = 0; j < fPlot.LineCount(); ++j) {
      const TLine& line = fPlot.Lines(j);
      for (int m = 0; m < line.Count(); ++m) {
        const TFloatPoint& p = line.Point(m);
        const double x = static_cast<double>(p.x);
        const double y = static_cast<double>(p.y);
        if (std::isfinite(x)) f(kFirstDataRow + m, 2 * j + 1, x);
        if (std::isfinite(y)) f(kFirstDataRow + m, 2 * j + 2, y);
      }
    }
  }

  static constexpr int kLineNameRow = 4;
  static constexpr int kAxisLetterRow = 5;
  static constexpr int kFirstDataRow = 6;

 private:
  const TGraphPlot& fPlot;
  QString fName;
  std::vector<TPlacedCell> fHeading;
  int fLastRow;
};

// The workbook the export writes for the chosen plots, numbered 1..k in the order given:
// the sheet "Legend" (one row per plot with its caption, a link to its data sheet, its
// chart sheet and its status), then for every plot its data sheet "Page_i" and right after
// it its chart sheet "Plot_i". Pure layout over the plots: nothing is written here.
class TExportWorkbook {
 public:
  static constexpr int kMaxSeries = 255;  // series a chart can hold
  static constexpr const char* kLegendSheet = "Legend";

  // The plots must outlive the workbook.
  TExportWorkbook(const std::vector<const TGraphPlot*>& plots, bool markers);

  int PlotCount() const { return static_cast<int>(fPages.size()); }
  // Every sheet name in workbook order.
  QStringList SheetNames() const;

  const std::vector<TPlacedCell>& LegendCells() const { return fLegend; }
  // Width in characters of legend columns B to F: the longest text of each column, so
  // that the blanks of the headings set the least widths.
  struct TColumnWidth {
    int Column;
    int Width;
  };
  const std::vector<TColumnWidth>& LegendWidths() const { return fLegendWidths; }

  // Data sheet and chart of plot i, 1-based.
  const TExportDataSheet& Page(int i) const;
  const TExportChart& Chart(int i) const;

  // Some plot has more lines than a chart holds: its chart shows the first kMaxSeries.
  bool SeriesCut() const { return fSeriesCut; }

 private:
  void LayOutLegend();

  std::vector<TExportDataSheet> fPages;
  std::vector<TExportChart> fCharts;
  std::vector<TPlacedCell> fLegend;
  std::vector<TColumnWidth> fLegendWidths;
  bool fSeriesCut = false;
};
