// Benchmark of the spreadsheet export: the largest design-chart run (20 diameters x 70
// lengths, 10 design charts, t-z curves printed at three depths) is run once through the
// engine and loaded into the result plots; then every plot the Graphics menu offers, all
// 26, is laid out and written as a workbook, several times. Prints the best and the median
// time of one export and the size of the workbook; fails when the best export takes 2 s or
// more, or when the run does not offer all 26 plots.
//   torvex-export-bench [runs] [--keep FILE]
// With --keep the workbook of the last run is left as FILE.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "BenchProblems.h"
#include "DocumentSettings.h"
#include "GraphicsMenuState.h"
#include "RunFiles.h"
#include "TExportChoice.h"
#include "TExportWorkbook.h"
#include "TProgramData.h"
#include "TResultsLoader.h"
#include "TSoilProfileTables.h"
#include "XlsxWorkbookWriter.h"

namespace {

constexpr double kGoalMs = 2000;
constexpr int kAllPlots = 26;

struct PlotSizes {
  long long lines = 0;
  long long points = 0;
};

PlotSizes Sizes(const std::vector<const TGraphPlot*>& plots) {
  PlotSizes sizes;
  for (const TGraphPlot* plot : plots) {
    sizes.lines += plot->LineCount();
    for (int j = 0; j < plot->LineCount(); ++j) sizes.points += plot->Lines(j).Count();
  }
  return sizes;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  int runs = 5;
  QString keep;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--keep") == 0 && i + 1 < argc)
      keep = QString::fromLocal8Bit(argv[++i]);
    else
      runs = std::max(1, std::atoi(argv[i]));
  }

  QTemporaryDir folder;
  if (!folder.isValid()) {
    std::fprintf(stderr, "no temporary folder\n");
    return 1;
  }
  const tvx::bench::Scenario scenario = tvx::bench::DesignChartTz(true);
  const std::filesystem::path document = folder.filePath(QStringLiteral("chart-tz.tv8d")).toStdString();
  std::ofstream(document, std::ios::binary) << scenario.problem;
  const tvx::run::RunFileSet files = tvx::run::MakeRunFileSet(document);
  const tvx::run::RunOutcome outcome = tvx::run::RunEngineOnDocument(
      files, std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) /
                 tvx::run::kEngineLibraryName);
  if (!outcome.called || outcome.status != 0) {
    std::fprintf(stderr, "engine run failed: %s status %d\n", outcome.error.c_str(), outcome.status);
    return 1;
  }

  TSoilProfileTables tables;
  auto doc = TProgramData::CreateFromFile(QString::fromStdString(document.string()),
                                          TProgramData::kFilterCurrent, tables);
  TPlotReadSettings settings = SettingsFrom(*doc);
  TResultPlots plots;
  TResultsLoader loader(plots, settings, SoilLayersFrom(tables));
  plots.ClearLoadedFlags();
  plots.ShowOutput = loader.ReadPlotData(QString::fromStdString(files.plot.string()), 0) == 1;
  TExportChoice choice;
  choice.Rebuild(GraphicsMenuState(settings, plots, true), plots);
  if (!plots.ShowOutput || choice.Count() != kAllPlots) {
    std::fprintf(stderr, "the run offers %d plots, not %d\n", choice.Count(), kAllPlots);
    return 1;
  }
  const std::vector<const TGraphPlot*> chosen = choice.ChosenPlots(plots);
  const PlotSizes sizes = Sizes(chosen);

  const QString workbook = keep.isEmpty() ? folder.filePath(QStringLiteral("chart-tz.xlsx")) : keep;
  std::vector<double> times;
  for (int r = 0; r < runs; ++r) {
    const auto t0 = std::chrono::steady_clock::now();
    const TExportWorkbook book(chosen, true);
    const TWorkbookWriteResult result = WriteXlsxWorkbook(book, workbook);
    const auto t1 = std::chrono::steady_clock::now();
    if (!result.Written) {
      std::fprintf(stderr, "export failed: %s\n", qPrintable(result.Reason));
      return 1;
    }
    times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  std::sort(times.begin(), times.end());
  const double best = times.front();
  const double median = times[times.size() / 2];
  std::printf("export    %d plots, %lld lines, %lld points; workbook %lld bytes; best of %d runs: %.1f ms, "
              "median %.1f ms (goal under %.0f ms)\n",
              kAllPlots, sizes.lines, sizes.points, static_cast<long long>(QFileInfo(workbook).size()), runs,
              best, median, kGoalMs);
  return best < kGoalMs ? 0 : 1;
}
