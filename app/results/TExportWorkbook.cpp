#include "TExportWorkbook.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "GetExcelCol.h"

namespace {

// Legend headings; their blanks give the columns their least widths.
constexpr int kLegendHeadingRow = 2;
constexpr int kFirstLegendColumn = 2;  // B
const char* const kLegendHeadings[] = {
    "     N    ",
    "                             Plot Name                             ",
    "  Sheet Name  ",
    "  Chart Name  ",
    "          Status          ",
};
// The status of a plot once its data sheet and chart are written.
const char* const kStatusComplete = "Complete";

// Column of the link back to the legend on every data sheet.
constexpr int kBackLinkColumn = 7;  // G

QString PageName(int i) { return QStringLiteral("Page_") + QString::number(i); }
QString ChartName(int i) { return QStringLiteral("Plot_") + QString::number(i); }
QString CellLocation(const QString& sheet) { return sheet + QStringLiteral("!A1"); }

// "=Page_1!$C$6:$C$21": one column of a data sheet from the first data row to the last.
QString ColumnRange(const QString& sheet, int column, int lastRow) {
  const QString letters = GetExcelCol(column);
  return QStringLiteral("=%1!$%2$%3:$%2$%4")
      .arg(sheet, letters)
      .arg(TExportDataSheet::kFirstDataRow)
      .arg(lastRow);
}

int LargestPointCount(const TGraphPlot& plot) {
  int largest = 0;
  for (int j = 0; j < plot.LineCount(); ++j) largest = std::max(largest, plot.Lines(j).Count());
  return largest;
}

}  // namespace

TExportCell TExportCell::MakeText(QString text, QString link, bool heading) {
  TExportCell cell;
  cell.Kind = TKind::Text;
  cell.Text = std::move(text);
  cell.Link = std::move(link);
  cell.Heading = heading;
  return cell;
}

TExportCell TExportCell::MakeNumber(double value) {
  TExportCell cell;
  cell.Kind = TKind::Number;
  cell.Number = value;
  return cell;
}

// ---- Data sheet ---------------------------------------------------------------------------

TExportDataSheet::TExportDataSheet(const TGraphPlot& plot, int number)
    : fPlot(plot),
      fName(PageName(number)),
      fLastRow(std::max(kFirstDataRow, kAxisLetterRow + LargestPointCount(plot))) {
  const QString x = QStringLiteral("X");
  const QString y = QStringLiteral("Y");
  fHeading = {
      {1, 1, TExportCell::MakeText(plot.Caption())},
      {1, kBackLinkColumn,
       TExportCell::MakeText(CellLocation(QString::fromLatin1(TExportWorkbook::kLegendSheet)),
                             CellLocation(QString::fromLatin1(TExportWorkbook::kLegendSheet)))},
      {2, 1, TExportCell::MakeText(x)},
      {2, 2, TExportCell::MakeText(plot.XAxisTitle())},
      {3, 1, TExportCell::MakeText(y)},
      {3, 2, TExportCell::MakeText(plot.YAxisTitle())},
  };
  for (int j = 0; j < plot.LineCount(); ++j) {
    fHeading.push_back({kLineNameRow, 2 * j + 1, TExportCell::MakeText(plot.Lines(j).LineName())});
    fHeading.push_back({kAxisLetterRow, 2 * j + 1, TExportCell::MakeText(x)});
    fHeading.push_back({kAxisLetterRow, 2 * j + 2, TExportCell::MakeText(y)});
  }
}

TExportCell TExportDataSheet::CellAt(int row, int column) const {
  if (row >= kFirstDataRow) {
    if (column < 1 || column > LastColumn()) return {};
    const TLine& line = fPlot.Lines((column - 1) / 2);
    const int m = row - kFirstDataRow;
    if (m >= line.Count()) return {};
    const TFloatPoint& p = line.Point(m);
    const double value = static_cast<double>(column % 2 == 1 ? p.x : p.y);
    return std::isfinite(value) ? TExportCell::MakeNumber(value) : TExportCell{};
  }
  for (const TPlacedCell& placed : fHeading)
    if (placed.Row == row && placed.Column == column) return placed.Cell;
  return {};
}

// ---- Workbook -----------------------------------------------------------------------------

TExportWorkbook::TExportWorkbook(const std::vector<const TGraphPlot*>& plots, bool markers) {
  fPages.reserve(plots.size());
  fCharts.reserve(plots.size());
  for (const TGraphPlot* plot : plots) {
    if (!plot) throw std::invalid_argument("no plot to export");
    const int i = PlotCount() + 1;
    const TExportDataSheet& page = fPages.emplace_back(*plot, i);

    TExportChart chart;
    chart.Name = ChartName(i);
    chart.DataSheet = page.Name();
    chart.XTitle = plot->XAxisTitle();
    chart.YTitle = plot->YAxisTitle();
    chart.ReverseY = plot->XOnTop();
    chart.Markers = markers;
    const int series = std::min(plot->LineCount(), kMaxSeries);
    if (plot->LineCount() > kMaxSeries) fSeriesCut = true;
    chart.Series.reserve(static_cast<std::size_t>(series));
    for (int j = 0; j < series; ++j) {
      const int xColumn = 2 * j + 1;
      chart.Series.push_back({plot->Lines(j).LineName(),
                              ColumnRange(page.Name(), xColumn, page.LastRow()),
                              ColumnRange(page.Name(), xColumn + 1, page.LastRow()), xColumn});
    }
    fCharts.push_back(std::move(chart));
  }
  LayOutLegend();
}

void TExportWorkbook::LayOutLegend() {
  const int columns = static_cast<int>(std::size(kLegendHeadings));
  std::vector<int> widths(static_cast<std::size_t>(columns), 0);
  auto place = [&](int row, int column, TExportCell cell, const QString& shown) {
    int& width = widths[static_cast<std::size_t>(column - kFirstLegendColumn)];
    width = std::max(width, static_cast<int>(shown.size()));
    fLegend.push_back({row, column, std::move(cell)});
  };

  for (int c = 0; c < columns; ++c) {
    const QString heading = QString::fromLatin1(kLegendHeadings[c]);
    place(kLegendHeadingRow, kFirstLegendColumn + c, TExportCell::MakeText(heading, {}, true),
          heading);
  }
  for (int i = 1; i <= PlotCount(); ++i) {
    const int row = kLegendHeadingRow + i;
    const TExportDataSheet& page = fPages[static_cast<std::size_t>(i - 1)];
    const QString status = QString::fromLatin1(kStatusComplete);
    place(row, 2, TExportCell::MakeNumber(i), QString::number(i));
    place(row, 3, TExportCell::MakeText(page.Plot().Caption()), page.Plot().Caption());
    place(row, 4, TExportCell::MakeText(page.Name(), CellLocation(page.Name())), page.Name());
    place(row, 5, TExportCell::MakeText(Chart(i).Name), Chart(i).Name);
    place(row, 6, TExportCell::MakeText(status), status);
  }
  for (int c = 0; c < columns; ++c)
    fLegendWidths.push_back({kFirstLegendColumn + c, widths[static_cast<std::size_t>(c)]});
}

QStringList TExportWorkbook::SheetNames() const {
  QStringList names{QString::fromLatin1(kLegendSheet)};
  for (int i = 1; i <= PlotCount(); ++i) names << Page(i).Name() << Chart(i).Name;
  return names;
}

const TExportDataSheet& TExportWorkbook::Page(int i) const {
  if (i < 1 || i > PlotCount()) throw std::out_of_range("export page " + std::to_string(i));
  return fPages[static_cast<std::size_t>(i - 1)];
}

const TExportChart& TExportWorkbook::Chart(int i) const {
  if (i < 1 || i > PlotCount()) throw std::out_of_range("export chart " + std::to_string(i));
  return fCharts[static_cast<std::size_t>(i - 1)];
}
