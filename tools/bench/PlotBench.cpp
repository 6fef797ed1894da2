// Benchmark of the plot window on the largest plots the engine writes: the chart-tz
// problem (20 diameters, capacity curves of 177 points, 70 lengths per design chart, the
// t-z curves printed at three depths, the q-w and load-distribution curves), run once
// through the engine library. Measures
//   load      reading the plot-data file into the 26 result plots, as after a run;
//   draw      the drawing pass of each plot on a full-screen picture (1920 x 1080);
//   repaint   a shown plot window painting its client area again after a change.
// Goals: loading under 100 ms, every redraw under 16 ms (one frame). Prints the best and
// the mean of each and returns 1 when a goal is missed.
//   torvex-plot-bench [runs]
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "BenchProblems.h"
#include "DocumentSettings.h"
#include "DrawPlot.h"
#include "PlotLayout.h"
#include "PlotScale.h"
#include "RunFiles.h"
#include "TDrawArea.h"
#include "TGraphPlot.h"
#include "TPlotCanvas.h"
#include "TPlotForm.h"
#include "TProgramData.h"
#include "TResultPlots.h"
#include "TResultsLoader.h"
#include "TSoilProfileTables.h"

namespace {
namespace fs = std::filesystem;

constexpr double kLoadGoalMs = 100;
constexpr double kRedrawGoalMs = 16;
constexpr QSize kScreen{1920, 1080};

struct Timing {
  double best = 1e30;
  double mean = 0;
};

Timing Time(int runs, const std::function<void()>& work) {
  Timing t;
  double total = 0;
  for (int r = 0; r < runs; ++r) {
    const auto t0 = std::chrono::steady_clock::now();
    work();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    t.best = std::min(t.best, ms);
    total += ms;
  }
  t.mean = total / runs;
  return t;
}

const char* const kPlotNames[] = {
    "pltSkin",   "pltTip",    "pltTotal",  "pltAxial",  "pltLoad",    "pltCombine",
    "pltCombineD", "FSpltSkin", "FSpltTip", "FSpltTotal", "pltUpper", "pltLower",
    "pltCombinedSettle", "PltChart1", "PltChart2", "PltChart3", "PltChart4", "PltChart5",
    "PltChart6", "PltChart7", "PltChart8", "PltChart9", "PltChart10", "pltQw", "pltTz",
    "pltTzAdd"};
static_assert(std::size(kPlotNames) == TResultPlots::kPlotCount);

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  std::error_code ec;
  const fs::path dir = fs::temp_directory_path() /
                       ("torvex-plot-bench-" +
                        std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "cannot create %s\n", dir.string().c_str());
    return 1;
  }
  const tvx::bench::Scenario scenario = tvx::bench::DesignChartTz(true);
  const fs::path problem = dir / "chart-tz.tv8d";
  std::ofstream(problem, std::ios::binary) << scenario.problem;
  const tvx::run::RunFileSet files = tvx::run::MakeRunFileSet(problem);
  const auto e0 = std::chrono::steady_clock::now();
  const tvx::run::RunOutcome outcome = tvx::run::RunEngineOnDocument(
      files, fs::path(QCoreApplication::applicationDirPath().toStdString()) / tvx::run::kEngineLibraryName);
  const double engineMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - e0).count();
  std::printf("engine    %s: status %d, %.0f ms\n", scenario.name, outcome.status, engineMs);
  if (!outcome.called || outcome.status != 0) {
    std::fprintf(stderr, "engine run failed: %s\n", outcome.error.c_str());
    return 1;
  }

  // Loading, as the main window does after the run.
  TSoilProfileTables tables;
  auto document = TProgramData::CreateFromFile(QString::fromStdString(problem.string()),
                                               TProgramData::kFilterCurrent, tables);
  const QString plotFile = QString::fromStdString(files.plot.string());
  TPlotReadSettings settings = SettingsFrom(*document);
  const std::vector<TSoilLayerRow> layers = SoilLayersFrom(tables);
  TResultPlots plots;
  bool loaded = true;
  const Timing load = Time(runs, [&] {
    TResultsLoader loader(plots, settings, layers);
    plots.ClearLoadedFlags();
    plots.ShowOutput = loader.ReadPlotData(plotFile, 0) == 1;
    loaded = loaded && plots.ShowOutput;
  });
  std::printf("load      %.0f KB plot data: best %.1f ms, mean %.1f ms (goal %.0f ms)%s\n",
              fs::file_size(files.plot, ec) / 1024.0, load.best, load.mean, kLoadGoalMs,
              loaded ? "" : "  LOAD FAILED");
  bool missed = !loaded || load.best > kLoadGoalMs;

  // Drawing every plot on a full-screen picture and repainting it in its window.
  double worstDraw = 0;
  double worstRepaint = 0;
  for (int id = 0; id < TResultPlots::kPlotCount; ++id) {
    TGraphPlot& plot = plots.Plots()[static_cast<std::size_t>(id)];
    if (!plot.HasSomethingToDraw()) continue;
    int points = 0;
    for (int i = 0; i < plot.LineCount(); ++i) points += plot.Lines(i).Count();

    TPlotForm form(plot);
    form.resize(kScreen);
    form.show();
    QApplication::processEvents();
    if (form.ClosesAsItOpens()) continue;
    const QSize client = form.Canvas()->size();
    QImage picture(client, QImage::Format_ARGB32_Premultiplied);
    const TPlotPicture what = form.State().Picture();
    const Timing draw = Time(runs, [&] {
      TDrawArea area = form.State().DrawWindow();
      QPainter painter(&picture);
      area.Canvas = &painter;
      DrawPlot(what, area);
    });
    const Timing repaint = Time(runs, [&] {
      form.Canvas()->Invalidate();
      form.Canvas()->repaint();
    });
    std::printf("draw      %-18s %2d lines %5d points, %4dx%d: best %5.2f ms, mean %5.2f ms;"
                " repaint best %5.2f ms, mean %5.2f ms\n",
                kPlotNames[id], plot.LineCount(), points, client.width(), client.height(),
                draw.best, draw.mean, repaint.best, repaint.mean);
    worstDraw = std::max(worstDraw, draw.mean);
    worstRepaint = std::max(worstRepaint, repaint.mean);
  }
  std::printf("worst     draw mean %.2f ms, repaint mean %.2f ms (goal %.0f ms)\n", worstDraw,
              worstRepaint, kRedrawGoalMs);
  missed = missed || worstRepaint > kRedrawGoalMs;
  fs::remove_all(dir, ec);
  std::printf("%s\n", missed ? "GOAL MISSED" : "goals met");
  return missed ? 1 : 0;
}
