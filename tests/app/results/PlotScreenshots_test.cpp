// Every plot each bundled example offers in the Graphics menu, opened in its window and saved
// through "Save To Disk..." as screenshots/plot-<example>-<plot>.png, and one capacity plot
// of each example printed to screenshots/plot-<example>-print.pdf: the pictures an engineer
// looks at, made the way the program makes them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "DialogAnswers.h"
#include "DocumentSettings.h"
#include "GraphicsMenuState.h"
#include "PlotDataFiles.h"
#include "PlotFormFactory.h"
#include "PlotPalette.h"
#include "TDataEdit.h"
#include "TGraphPlot.h"
#include "TMessageCapture.h"
#include "TPlotCanvas.h"
#include "TPlotForm.h"
#include "TProgramData.h"
#include "TResultPlots.h"
#include "TResultsLoader.h"
#include "TSoilProfileTables.h"
#include "TdlgFormat.h"
#include "TfrmActiveLines.h"
#include "TfrmGraphCaption.h"
#include "TfrmLineNames.h"

namespace {

using plots_test::AnswerNextDialog;
using plots_test::PlotDialogAnswers;
using I = TGraphicsItem;
using Id = TResultPlots::Id;

// The plot each Graphics item shows, with the name its picture is saved under.
struct ItemPlot {
  I item;
  Id plot;
  const char* name;
};

const ItemPlot kItemPlots[] = {
    {I::mSkin, Id::pltSkin, "pltSkin"},
    {I::mTip, Id::pltTip, "pltTip"},
    {I::mTotal, Id::pltTotal, "pltTotal"},
    {I::mCombine, Id::pltCombine, "pltCombine"},
    {I::fsmSkin, Id::FSpltSkin, "FSpltSkin"},
    {I::fsmTip, Id::FSpltTip, "FSpltTip"},
    {I::fsmTotal, Id::FSpltTotal, "FSpltTotal"},
    {I::dCombine, Id::pltCombineD, "pltCombineD"},
    {I::mAxial, Id::pltAxial, "pltAxial"},
    {I::AxialLoadvsSettlementupperbound1, Id::pltUpper, "pltUpper"},
    {I::AxialLoadvsSettlementlowerbound1, Id::pltLower, "pltLower"},
    {I::CombinedSettlement1, Id::pltCombinedSettle, "pltCombinedSettle"},
    {I::Tzcurvesaveraged, Id::pltTz, "pltTz"},
    {I::Qwcurvesaveraged, Id::pltQw, "pltQw"},
    {I::AddTzcurvesaveraged, Id::pltTzAdd, "pltTzAdd"},
    {I::mload, Id::pltLoad, "pltLoad"},
    {I::DesignChart1, Id::PltChart1, "PltChart1"},
    {I::DesignChart2, Id::PltChart2, "PltChart2"},
    {I::DesignChart3, Id::PltChart3, "PltChart3"},
    {I::DesignChart4, Id::PltChart4, "PltChart4"},
    {I::DesignChart5, Id::PltChart5, "PltChart5"},
    {I::DesignChart6, Id::PltChart6, "PltChart6"},
    {I::DesignChart7, Id::PltChart7, "PltChart7"},
    {I::DesignChart8, Id::PltChart8, "PltChart8"},
    {I::DesignChart9, Id::PltChart9, "PltChart9"},
    {I::DesignChart10, Id::PltChart10, "PltChart10"},
};

struct ExampleCase {
  const char* example;  // file in examples/
  const char* picture;  // name in the pictures' file names
  bool byElevation;     // plotted by elevation below a shaft top at 100
};

std::ostream& operator<<(std::ostream& os, const ExampleCase& c) { return os << c.picture; }

const ExampleCase kExamples[] = {
    {"belled-design-load.tv8d", "belled-design-load", false},
    {"decomposed-rock-si-design-load.tv8d", "decomposed-rock-si-design-load", false},
    {"gravel-uplift-lrfd.tv8d", "gravel-uplift-lrfd", false},
    {"rock-sockets-uplift.tv8d", "rock-sockets-uplift", false},
    {"sand-clay-design-charts.tv8d", "sand-clay-design-charts", false},
    {"sand-over-clay.tv8d", "sand-over-clay", false},
    {"si-layered-lrfd-charts.tv8d", "si-layered-lrfd-charts", false},
    {"strong-rock-end-bearing.tv8d", "strong-rock-end-bearing", false},
    {"weak-rock-socket-over-shale.tv8d", "weak-rock-socket-over-shale", false},
    // the same sand over clay plotted by elevation: highest elevation on top
    {"sand-over-clay.tv8d", "sand-over-clay-elevation", true},
};

QString ScreenshotPath(const QString& name) {
  QDir().mkpath(QStringLiteral(TORVEX_SCREENSHOT_DIR));
  return QDir(QStringLiteral(TORVEX_SCREENSHOT_DIR)).filePath(name);
}

TEST(PlotScreenshots, EveryBundledExampleIsPictured) {
  QStringList pictured;
  for (const ExampleCase& c : kExamples) pictured << QString::fromLatin1(c.example);
  const QStringList examples =
      QDir(QStringLiteral(TORVEX_SOURCE_DIR "/examples")).entryList({QStringLiteral("*.tv8d")}, QDir::Files);
  for (const QString& e : examples) EXPECT_TRUE(pictured.contains(e)) << e.toStdString();
}

// The window itself as the engineer sees it: a maximized child of a main window with its
// own Plot menu bar, the legend list over the graph and the read-out in the title.
TEST(PlotScreenshots, WindowInTheMainWindowArea) {
  TMessageCapture messages;
  TSoilProfileTables tables;
  auto document = TProgramData::CreateFromFile(
      QStringLiteral(TORVEX_SOURCE_DIR "/examples/belled-design-load.tv8d"), TProgramData::kFilterCurrent, tables);
  ASSERT_TRUE(document);
  TPlotReadSettings settings = SettingsFrom(*document);
  TResultPlots plots;
  TResultsLoader loader(plots, settings, SoilLayersFrom(tables));
  ASSERT_EQ(loader.ReadPlotDataFrom(results_test::EnginePlotData("belled-design-load.tv8d"), 1), 1);

  QMainWindow frame;
  frame.menuBar()->addMenu(QStringLiteral("&File"));
  frame.menuBar()->addMenu(QStringLiteral("&Graphics"));
  auto* area = new QMdiArea;
  frame.setCentralWidget(area);
  frame.resize(1100, 800);
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  plots.SetFormFactory(MakePlotFormFactory(area));
  TGraphPlot& plot = plots.pltTotal();
  plot.Show();
  TPlotForm* form = PlotFormOf(plot);
  ASSERT_NE(form, nullptr);
  form->ShowSoilLayerClick();
  QApplication::processEvents();
  QTest::mouseMove(form->Canvas(), form->State().Mapping().ToPixel(300, 40));
  QApplication::processEvents();
  EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("Ultimate Total Capacity vs Depth X: ")));
  EXPECT_TRUE(frame.grab().save(ScreenshotPath(QStringLiteral("plot-window-in-main-window.png"))));
  plot.Hide();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The dialogs of the Plot menu as they open.
TEST(PlotScreenshots, PlotMenuDialogs) {
  const QStringList names = {QStringLiteral("Dia=3 ft"), QStringLiteral("Dia=3.5 ft"),
                             QStringLiteral("Dia=4 ft")};
  TfrmGraphCaption caption(QStringLiteral("Pile P-3, boring B-2"), true);
  TfrmLineNames lineNames(names);
  TfrmActiveLines activeLines(names, {true, false, true});
  TdlgFormat format;
  const std::pair<QDialog*, const char*> dialogs[] = {{&caption, "graph-caption"},
                                                      {&lineNames, "legend"},
                                                      {&activeLines, "active-curves"},
                                                      {&format, "save-attributes"}};
  for (const auto& [dialog, name] : dialogs) {
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_TRUE(dialog->grab().save(ScreenshotPath(QStringLiteral("plot-dialog-%1.png").arg(QString::fromLatin1(name)))));
    dialog->hide();
  }
}

class PlotScreenshotTest : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(PlotScreenshotTest, SavesEveryOfferedPlotAndPrintsTheCapacityPlot) {
  const ExampleCase& c = GetParam();
  TMessageCapture messages;
  TSoilProfileTables tables;
  const QString path = QStringLiteral(TORVEX_SOURCE_DIR "/examples/") + QString::fromLatin1(c.example);
  auto document = TProgramData::CreateFromFile(path, TProgramData::kFilterCurrent, tables);
  ASSERT_TRUE(document);
  TPlotReadSettings settings = SettingsFrom(*document);
  if (c.byElevation) {
    settings.UseElevation = 1;
    settings.ValElevation = 100;
  }
  TResultPlots plots;
  TResultsLoader loader(plots, settings, SoilLayersFrom(tables));
  plots.ClearLoadedFlags();
  plots.ShowOutput = loader.ReadPlotDataFrom(results_test::EnginePlotData(c.example), 1) == 1;
  ASSERT_TRUE(plots.ShowOutput) << messages.LastText().toStdString();
  plots.SetFormFactory(MakePlotFormFactory());
  const TGraphicsMenuState menu = GraphicsMenuState(settings, plots, true);

  PlotDialogAnswers answers;
  int saved = 0;
  for (const ItemPlot& ip : kItemPlots) {
    if (!menu[ip.item].Enabled || !menu[ip.item].Visible) continue;
    SCOPED_TRACE(ip.name);
    TGraphPlot& plot = plots.Plot(ip.plot);
    plot.Show();
    TPlotForm* form = PlotFormOf(plot);
    ASSERT_NE(form, nullptr);
    form->showNormal();
    form->resize(1100, 800);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    // The soil-layer strip is part of what the engineer checks against the profile.
    if (plot.LayerLineCount() > 0 && !plot.ShowLayers()) form->ShowSoilLayerClick();

    const QString file = ScreenshotPath(
        QStringLiteral("plot-%1-%2.png").arg(QString::fromLatin1(c.picture), QString::fromLatin1(ip.name)));
    QFile::remove(file);
    answers.SaveAs(file);
    AnswerNextDialog<TdlgFormat>([](TdlgFormat& d) {
      d.WidthEdit()->setText(QStringLiteral("10"));
      d.HeightEdit()->setText(QStringLiteral("7.5"));
      d.PixelsPerInchEdit()->setText(QStringLiteral("96"));
      d.OkButton()->click();
    });
    form->SaveToDiskItem()->trigger();
    const QImage picture(file);
    ASSERT_EQ(picture.size(), QSize(960, 720)) << file.toStdString();
    // The first line is drawn in the first palette colour inside the graph.
    int lineColoured = 0;
    for (int y = 100; y < 620; y += 2)
      for (int x = 100; x < 800; x += 2) lineColoured += picture.pixelColor(x, y) == PlotPalette(0);
    EXPECT_GT(lineColoured, 20);
    ++saved;

    if (ip.plot == Id::pltTotal) {
      const QString pdf = ScreenshotPath(QStringLiteral("plot-%1-print.pdf").arg(QString::fromLatin1(c.picture)));
      QFile::remove(pdf);
      answers.PrintToPdf(pdf);
      form->PrintItem()->trigger();
      EXPECT_GT(QFileInfo(pdf).size(), 1000);
    }
    plot.Hide();
  }
  EXPECT_GE(saved, 9);  // every example has at least its capacity, combined and settlement plots
  EXPECT_TRUE(messages.Messages().isEmpty()) << messages.LastText().toStdString();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

INSTANTIATE_TEST_SUITE_P(Examples, PlotScreenshotTest, ::testing::ValuesIn(kExamples),
                         [](const auto& info) {
                           std::string name = info.param.picture;
                           for (char& ch : name)
                             if (ch == '-') ch = '_';
                           return name;
                         });

}  // namespace
