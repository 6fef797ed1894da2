// The workbook of every bundled example, with every plot its run offers, written where the
// test run keeps its screenshots (export-<example>.xlsx) and read back with an independent
// reader (openpyxl under the system's Python), which must find the layout the export laid
// out: sheets in order, legend cells and links, data cells as numbers, one chart per chart
// sheet with its series, axis titles, axis directions and framed legend.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>
#include <string>
#include <vector>

#include "DocumentSettings.h"
#include "GraphicsMenuState.h"
#include "PlotDataFiles.h"
#include "TExportChoice.h"
#include "TExportWorkbook.h"
#include "TMessageCapture.h"
#include "TProgramData.h"
#include "TResultsLoader.h"
#include "TSoilProfileTables.h"
#include "XlsxWorkbookWriter.h"

namespace {

QString L(const char* text) { return QString::fromLatin1(text); }

// The system's Python with the Debian package python3-openpyxl; a "python3" found on the
// path may belong to another installation that does not see it.
const QString kPython = QStringLiteral("/usr/bin/python3");
const QString kReader = QStringLiteral(TORVEX_SOURCE_DIR "/tests/app/results/read_workbook.py");

std::vector<std::string> Examples() {
  std::vector<std::string> names;
  for (const QString& name :
       QDir(QStringLiteral(TORVEX_SOURCE_DIR "/examples")).entryList({L("*.tv8d")}, QDir::Files, QDir::Name))
    names.push_back(name.toStdString());
  return names;
}

QJsonObject ReadBack(const QString& workbook) {
  QProcess python;
  python.start(kPython, {kReader, workbook});
  const bool finished = python.waitForFinished(120000);
  EXPECT_TRUE(finished) << "the reader did not finish";
  EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  QJsonParseError error;
  const QJsonDocument json = QJsonDocument::fromJson(python.readAllStandardOutput(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  return json.object();
}

QString CellName(int row, int column) {
  QString letters;
  for (int c = column; c > 0; c = (c - 1) / 26) letters.prepend(QChar(u'A' + (c - 1) % 26));
  return letters + QString::number(row);
}

// The text cells of a sheet as the reader reports them, by cell name.
std::map<QString, QJsonObject> Texts(const QJsonObject& sheet) {
  std::map<QString, QJsonObject> texts;
  for (const QJsonValue& v : sheet[L("texts")].toArray()) texts[v[L("cell")].toString()] = v.toObject();
  return texts;
}

void ExpectTextCells(const std::vector<TPlacedCell>& cells, const QJsonObject& sheet, const QString& where) {
  const auto texts = Texts(sheet);
  int expectedTexts = 0;
  for (const TPlacedCell& placed : cells) {
    if (placed.Cell.Kind != TExportCell::TKind::Text) continue;
    ++expectedTexts;
    const QString name = CellName(placed.Row, placed.Column);
    const auto found = texts.find(name);
    ASSERT_NE(found, texts.end()) << where.toStdString() << " " << name.toStdString();
    const QJsonObject& cell = found->second;
    EXPECT_EQ(cell[L("value")].toString(), placed.Cell.Text) << where.toStdString() << " " << name.toStdString();
    EXPECT_EQ(cell[L("bold")].toBool(), placed.Cell.Heading) << where.toStdString() << " " << name.toStdString();
    EXPECT_EQ(cell[L("link")].toString(), placed.Cell.Link) << where.toStdString() << " " << name.toStdString();
  }
  EXPECT_EQ(static_cast<int>(texts.size()), expectedTexts) << where.toStdString();
}

void ExpectNumbers(const TExportDataSheet& page, const QJsonObject& sheet) {
  int count = 0;
  double sum = 0;
  int lastRow = 0;
  int lastColumn = 0;
  page.ForEachNumber([&](int row, int column, double value) {
    ++count;
    sum += value;
    lastRow = std::max(lastRow, row);
    lastColumn = std::max(lastColumn, column);
  });
  const QJsonObject numbers = sheet[L("numbers")].toObject();
  const std::string where = page.Name().toStdString();
  EXPECT_EQ(numbers[L("count")].toInt(), count) << where;
  EXPECT_NEAR(numbers[L("sum")].toDouble(), sum, 1e-9 * std::max(1.0, std::abs(sum))) << where;
  EXPECT_EQ(numbers[L("last_row")].toInt(), lastRow) << where;
  EXPECT_EQ(numbers[L("last_column")].toInt(), lastColumn) << where;
  if (count > 0) {
    EXPECT_EQ(numbers[L("first_row")].toInt(), TExportDataSheet::kFirstDataRow) << where;
  }
  EXPECT_TRUE(sheet[L("numbers_in_heading")].toArray().isEmpty()) << where;
}

void ExpectChart(const TExportChart& layout, const QJsonArray& charts) {
  const std::string where = layout.Name.toStdString();
  ASSERT_EQ(charts.size(), 1) << where;
  const QJsonObject chart = charts[0].toObject();
  EXPECT_EQ(chart[L("type")].toString(), L("scatterChart")) << where;
  EXPECT_EQ(chart[L("style")].toString(), L("lineMarker")) << where;
  EXPECT_TRUE(chart[L("title")].isNull()) << where;
  const QJsonArray series = chart[L("series")].toArray();
  if (layout.Series.empty()) {
    EXPECT_EQ(series.size(), 1) << where << ": the placeholder of a plot without lines";
  } else {
    ASSERT_EQ(series.size(), static_cast<qsizetype>(layout.Series.size())) << where;
    for (qsizetype j = 0; j < series.size(); ++j) {
      const QJsonObject s = series[j].toObject();
      const TExportSeries& expected = layout.Series[static_cast<std::size_t>(j)];
      EXPECT_EQ(s[L("name")].toString(), expected.Name) << where << " series " << j;
      EXPECT_EQ(L("=") + s[L("x")].toString(), expected.XValues) << where << " series " << j;
      EXPECT_EQ(L("=") + s[L("y")].toString(), expected.YValues) << where << " series " << j;
      // Markers as the chart type gives them, or none.
      EXPECT_EQ(s[L("marker")].toString(), layout.Markers ? QString() : L("none")) << where;
    }
  }
  const QJsonObject x = chart[L("x_axis")].toObject();
  const QJsonObject y = chart[L("y_axis")].toObject();
  EXPECT_EQ(x[L("title")].toString(), layout.XTitle) << where;
  EXPECT_EQ(y[L("title")].toString(), layout.YTitle) << where;
  EXPECT_TRUE(x[L("gridlines")].toBool()) << where;
  EXPECT_TRUE(y[L("gridlines")].toBool()) << where;
  EXPECT_EQ(x[L("orientation")].toString(), L("minMax")) << where;
  EXPECT_EQ(y[L("orientation")].toString(), layout.ReverseY ? L("maxMin") : L("minMax")) << where;
  EXPECT_TRUE(chart[L("legend")].toBool()) << where;
  const QJsonObject frame = chart[L("legend_frame")].toObject();
  EXPECT_EQ(frame[L("border")].toString(), L("000000")) << where;
  EXPECT_EQ(frame[L("fill")].toString(), L("FFFFFF")) << where;
}

class ExampleWorkbook : public ::testing::TestWithParam<std::string> {};

TEST_P(ExampleWorkbook, ReadsBackAsLaidOut) {
  ASSERT_TRUE(QFileInfo(kPython).isExecutable())
      << "no /usr/bin/python3: scripts/bootstrap installs python3-openpyxl";
  const std::string& example = GetParam();
  TMessageCapture messages;
  TSoilProfileTables tables;
  auto document = TProgramData::CreateFromFile(QStringLiteral(TORVEX_SOURCE_DIR "/examples/") + QString::fromStdString(example),
                                               TProgramData::kFilterCurrent, tables);
  TPlotReadSettings settings = SettingsFrom(*document);
  TResultPlots plots;
  TResultsLoader loader(plots, settings, SoilLayersFrom(tables));
  plots.ClearLoadedFlags();
  plots.ShowOutput = loader.ReadPlotDataFrom(results_test::EnginePlotData(example), 1) == 1;
  ASSERT_TRUE(plots.ShowOutput);
  EXPECT_TRUE(messages.Messages().isEmpty()) << messages.LastText().toStdString();

  TExportChoice choice;
  choice.Rebuild(GraphicsMenuState(settings, plots, true), plots);
  ASSERT_GT(choice.Count(), 0);
  const TExportWorkbook book(choice.ChosenPlots(plots), true);
  const QString dir = QStringLiteral(TORVEX_BUILD_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(dir));
  const QString workbook = dir + L("/export-") + QFileInfo(QString::fromStdString(example)).completeBaseName() + L(".xlsx");
  const TWorkbookWriteResult written = WriteXlsxWorkbook(book, workbook);
  ASSERT_TRUE(written.Written) << written.Reason.toStdString();

  const QJsonObject read = ReadBack(workbook);
  QStringList names;
  QStringList kinds;
  for (const QJsonValue& sheet : read[L("sheets")].toArray()) {
    names << sheet[L("name")].toString();
    kinds << sheet[L("kind")].toString();
  }
  EXPECT_EQ(names, book.SheetNames());
  QStringList expectedKinds{L("work")};
  for (int i = 1; i <= book.PlotCount(); ++i) expectedKinds << L("work") << L("chart");
  EXPECT_EQ(kinds, expectedKinds);
  EXPECT_EQ(read[L("active")].toString(), L("Legend"));

  const QJsonObject worksheets = read[L("worksheets")].toObject();
  const QJsonObject legend = worksheets[L("Legend")].toObject();
  ExpectTextCells(book.LegendCells(), legend, L("Legend"));
  EXPECT_EQ(legend[L("numbers")][L("count")].toInt(), book.PlotCount());
  EXPECT_EQ(legend[L("numbers")][L("sum")].toDouble(), book.PlotCount() * (book.PlotCount() + 1) / 2.0);
  for (const auto& width : book.LegendWidths()) {
    const QString column = CellName(1, width.Column).chopped(1);
    const double stored = legend[L("widths")][column].toDouble();
    EXPECT_GE(stored, width.Width) << column.toStdString();
    EXPECT_LT(stored, width.Width + 1) << column.toStdString();
  }

  const QJsonObject chartsheets = read[L("chartsheets")].toObject();
  for (int i = 1; i <= book.PlotCount(); ++i) {
    const TExportDataSheet& page = book.Page(i);
    const QJsonObject sheet = worksheets[page.Name()].toObject();
    ExpectTextCells(page.Heading(), sheet, page.Name());
    ExpectNumbers(page, sheet);
    ExpectChart(book.Chart(i), chartsheets[book.Chart(i).Name].toArray());
  }

  // Depth plots run their value axis downward, the t-z curves upward.
  for (int i = 1; i <= book.PlotCount(); ++i) {
    const QString caption = book.Page(i).Plot().Caption();
    const QString orientation =
        chartsheets[book.Chart(i).Name][0][L("y_axis")][L("orientation")].toString();
    if (caption == L("Ultimate Skin Friction vs Depth")) {
      EXPECT_EQ(orientation, L("maxMin"));
    }
    if (caption == L("t-z curves (averaged)")) {
      EXPECT_EQ(orientation, L("minMax"));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleWorkbook, ::testing::ValuesIn(Examples()),
                         [](const auto& info) {
                           std::string name = info.param.substr(0, info.param.find('.'));
                           for (char& ch : name)
                             if (ch == '-') ch = '_';
                           return name;
                         });

}  // namespace
