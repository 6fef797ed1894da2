#include "TResultsLoader.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "GraphicsMenuState.h"
#include "PlotDataFiles.h"
#include "TMessageCapture.h"

namespace {

using results_test::EnginePlotData;
using results_test::FileFolder;
using Id = TResultPlots::Id;
using I = TGraphicsItem;

const QString kLoadError = QStringLiteral("An error occured in running the main program.");

// Loads `text` from a file, as the main window does after a run (errors reported).
int LoadText(TResultPlots& plots, TPlotReadSettings& doc, const std::vector<TSoilLayerRow>& layers,
             const QByteArray& text, int reportErrors = 1) {
  FileFolder folder;
  TResultsLoader loader(plots, doc, layers);
  plots.ClearLoadedFlags();
  plots.ShowOutput = loader.ReadPlotData(folder.Write(QStringLiteral("job.tv8p"), text), reportErrors) == 1;
  return plots.ShowOutput ? 1 : 0;
}

QStringList LineNames(const TGraphPlot& plot) {
  QStringList names;
  for (int i = 0; i < plot.LineCount(); ++i) names << plot.Lines(i).LineName();
  return names;
}

QStringList Names(std::initializer_list<const char*> names) {
  QStringList list;
  for (const char* n : names) list << QString::fromLatin1(n);
  return list;
}

void ExpectSameLine(const TLine& a, const TLine& b, const char* what) {
  ASSERT_EQ(a.Count(), b.Count()) << what;
  for (int j = 0; j < a.Count(); ++j) EXPECT_EQ(a.Point(j), b.Point(j)) << what << " point " << j;
}

// ---- Plot-data files of the engine for the examples -------------------------------------

struct Strip {
  const char* name;
  int fillCode;
  long double bottom;  // vertical value of the layer bottom
};

struct ExampleCase {
  const char* name;
  const char* example;
  TPlotReadSettings doc;
  std::vector<TSoilLayerRow> layers;
  std::vector<int> pointsRead;  // capacity points each plotted line reads from the file
  std::vector<const char*> lineNames;
  int tzAdd;  // -1: the additional t-z curves are not read
  int tz;     // t-z and q-w curves, 0 when the file ends before them
  int qw;
  bool loadCurves;
  const char* secondCombinedName;
  const char* fsSkinCaption;
  std::vector<Strip> strips;
  long double layersTop;
  bool byLength;
  // NBLK of the file: 3 with the upper- and lower-bound curves, 0 when every plotted tip is in
  // rock and only the trend curve is written.
  int ID2 = 3;
};

std::ostream& operator<<(std::ostream& os, const ExampleCase& c) { return os << c.name; }

TPlotReadSettings Doc(int units, int nlrfd, int kcycl, long double dstart) {
  TPlotReadSettings d;
  d.Units = units;
  d.NLRFD = nlrfd;
  d.KCYCL = kcycl;
  d.DSTART = dstart;
  return d;
}

TPlotReadSettings SandOverClay() {
  TPlotReadSettings d = Doc(1, 2, 1, 3);
  d.FST = 2.5;
  d.FSB = 3;
  return d;
}

TPlotReadSettings RockSocketsUplift(bool byElevation) {
  TPlotReadSettings d = Doc(1, 2, 2, 3);
  d.FST = 2;
  d.FSB = 2.5;
  d.IPENT = 1;
  if (byElevation) {
    d.UseElevation = 1;
    d.ValElevation = 100;
  }
  return d;
}

TPlotReadSettings SiLayeredCharts() {
  TPlotReadSettings d = Doc(2, 1, 1, 0.9L);
  d.IChart = 1;
  d.DIAMINCR = 0.15L;
  d.PrintTZCurves = 1;
  d.NPOINTPD = 3;
  d.PDSETT = {0.0127L, 0.0254L, 0.0381L, 1, 1, 1, 1, 1, 1, 1};
  return d;
}

const std::vector<TSoilLayerRow> kRockSocketLayers = {{2, 12}, {5, 20}, {6, 35}, {7, 60}};

const ExampleCase kExamples[] = {
    {"SandOverClay", "sand-over-clay.tv8d", SandOverClay(), {{1, 20}, {2, 60}}, {52},
     {"Dia=3 ft"}, -1, 10, 1, true, "  Tip Resistance", "Side Resistance/F.S. ",
     {{" SAND ", 7, 20}, {" CLAY ", 1, 60}}, 0, false},
    {"BelledThreeDiameters", "belled-design-load.tv8d", Doc(1, 2, 1, 3), {{2, 15}, {1, 90}},
     {64, 60, 56}, {"Dia=3 ft", "Dia=3.5 ft", "Dia=4 ft"}, -1, 10, 3, true,
     "  Tip Resistance", "Side Resistance/F.S. ", {{" CLAY ", 1, 15}, {" SAND ", 7, 90}}, 0,
     false},
    {"GravelUpliftLrfd", "gravel-uplift-lrfd.tv8d", Doc(1, 1, 2, 2.5L),
     {{1, 10}, {8, 25}, {9, 50}}, {36}, {"Dia=2.5 ft"}, -1, 15, 1, true, "  Self-Weight",
     "LRFD Side Resistance ", {{" SAND ", 7, 10}, {" GW ", 11, 25}, {" GRAVEL ", 12, 50}}, 0,
     false},
    // Every tip in rock: the trend curves alone, and the file ends after them.
    {"RockTipsUpliftByLength", "rock-sockets-uplift.tv8d", RockSocketsUplift(false),
     kRockSocketLayers, {40, 38, 36, 34, 32, 30},
     {"L =40 ft", "L =38 ft", "L =36 ft", "L =34 ft", "L =32 ft", "L =30 ft"}, -1, 0, 0, false,
     "  Self-Weight", "Side Resistance/F.S. ",
     {{" CLAY ", 1, 12}, {" WEAK ROCK ", 10, 20}, {" GW ", 12, 35}, {" ROCK ", 9, 60}}, 0,
     true, 0},
    {"RockTipsByElevation", "rock-sockets-uplift.tv8d", RockSocketsUplift(true),
     kRockSocketLayers, {40, 38, 36, 34, 32, 30},
     {"L =60 ft", "L =62 ft", "L =64 ft", "L =66 ft", "L =68 ft", "L =70 ft"}, -1, 0, 0, false,
     "  Self-Weight", "Side Resistance/F.S. ",
     {{" CLAY ", 1, 88}, {" WEAK ROCK ", 10, 80}, {" GW ", 12, 65}, {" ROCK ", 9, 40}}, 100,
     true, 0},
    {"StrongRockTipOnly", "strong-rock-end-bearing.tv8d", Doc(1, 2, 1, 3), {{1, 15}, {4, 40}},
     {27}, {"Dia=3 ft"}, -1, 0, 0, false, "  Tip Resistance", "Side Resistance/F.S. ",
     {{" SAND ", 7, 15}, {" ROCK ", 9, 40}}, 0, false, 0},
    {"SiWithTzDepthsAndCharts", "si-layered-lrfd-charts.tv8d", SiLayeredCharts(),
     {{1, 3}, {2, 9.5L}, {8, 14}, {3, 20}}, {47, 47, 47}, {"Dia=0.9 m", "Dia=1.05 m", "Dia=1.2 m"},
     2, 20, 3, true, "  Tip Resistance", "LRFD Side Resistance ",
     {{" SAND ", 7, 3}, {" CLAY ", 1, 9.5L}, {" GW ", 11, 14}, {" SHALE ", 8, 20}}, 0, false},
};

QByteArray ExampleText(const ExampleCase& c) { return EnginePlotData(c.example); }

class ExampleLoadTest : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(ExampleLoadTest, FillsEveryPlotWithItsLinesPointsAndNames) {
  const ExampleCase& c = GetParam();
  TResultPlots plots;
  TPlotReadSettings doc = c.doc;
  TMessageCapture messages;
  ASSERT_EQ(LoadText(plots, doc, c.layers, ExampleText(c)), 1);
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_EQ(doc.ID2, c.ID2);

  const int nlines = static_cast<int>(c.pointsRead.size());
  const int npts = c.pointsRead.front();
  QStringList names;
  for (const char* n : c.lineNames) names << QString::fromLatin1(n);
  for (Id id : {Id::pltSkin, Id::pltTip, Id::pltTotal, Id::FSpltSkin, Id::FSpltTip,
                Id::FSpltTotal}) {
    EXPECT_EQ(plots.Plot(id).LineCount(), nlines);
    EXPECT_EQ(plots.Plot(id).Count(), npts);
    EXPECT_EQ(LineNames(plots.Plot(id)), names);
  }
  for (Id id : {Id::pltAxial, Id::pltUpper, Id::pltLower}) {
    EXPECT_EQ(plots.Plot(id).LineCount(), nlines);
    EXPECT_EQ(plots.Plot(id).Count(), 16);
    EXPECT_EQ(LineNames(plots.Plot(id)), names);
    for (int i = 0; i < nlines; ++i) EXPECT_EQ(plots.Plot(id).Data(i, 0), TFloatPoint{});
  }
  EXPECT_EQ(plots.pltLoad().LineCount(), 15);
  EXPECT_EQ(plots.pltLoad().Count(), npts - 2);

  // The combined plots hold line 0 of their three plots.
  EXPECT_EQ(LineNames(plots.pltCombine()),
            Names({"  Skin Friction", c.secondCombinedName, "  Total Capacity"}));
  EXPECT_EQ(LineNames(plots.pltCombineD()), LineNames(plots.pltCombine()));
  EXPECT_EQ(LineNames(plots.pltCombinedSettle()),
            Names({"  Trend (Averaged)", "  Upper Bound", "  Lower Bound"}));
  ExpectSameLine(plots.pltCombine().Lines(0), plots.pltSkin().Lines(0), "skin");
  ExpectSameLine(plots.pltCombine().Lines(1), plots.pltTip().Lines(0), "tip");
  ExpectSameLine(plots.pltCombine().Lines(2), plots.pltTotal().Lines(0), "total");
  ExpectSameLine(plots.pltCombineD().Lines(0), plots.FSpltSkin().Lines(0), "design skin");
  ExpectSameLine(plots.pltCombineD().Lines(1), plots.FSpltTip().Lines(0), "design tip");
  ExpectSameLine(plots.pltCombineD().Lines(2), plots.FSpltTotal().Lines(0), "design total");
  ExpectSameLine(plots.pltCombinedSettle().Lines(0), plots.pltAxial().Lines(0), "trend");
  ExpectSameLine(plots.pltCombinedSettle().Lines(1), plots.pltUpper().Lines(0), "upper");
  ExpectSameLine(plots.pltCombinedSettle().Lines(2), plots.pltLower().Lines(0), "lower");

  EXPECT_EQ(plots.FSpltSkin().XCaption(), QString::fromLatin1(c.fsSkinCaption));
  EXPECT_EQ(plots.FSpltTip().XCaption(),
            c.doc.KCYCL > 1 ? QStringLiteral("Self-Weight")
            : c.doc.NLRFD == 1 ? QStringLiteral("LRFD Tip Resistance ")
                               : QStringLiteral("Tip Resistance/F.S. "));
  const QString vertical = c.doc.UseElevation == 1 ? QStringLiteral("Elevation") : QStringLiteral("Depth");
  for (Id id : {Id::pltSkin, Id::pltTip, Id::pltTotal, Id::pltCombine, Id::FSpltSkin,
                Id::FSpltTip, Id::FSpltTotal, Id::pltCombineD}) {
    const TGraphPlot& plot = plots.Plot(id);
    EXPECT_EQ(plot.YCaption(), vertical);
    EXPECT_EQ(plot.Yreversed(), c.doc.UseElevation == 1);
    ASSERT_EQ(plot.LayerLineCount(), static_cast<int>(c.strips.size()));
    EXPECT_EQ(plot.LayerCount(), 1);
    EXPECT_EQ(plot.LayersTop(), c.layersTop);
    for (int k = 0; k < plot.LayerLineCount(); ++k) {
      EXPECT_EQ(plot.LayerLines(k).LineName().toStdString(), c.strips[k].name);
      EXPECT_EQ(plot.LayerData(k, 0).x, c.strips[k].fillCode);
      EXPECT_EQ(plot.LayerData(k, 0).y, c.strips[k].bottom);
    }
  }
  EXPECT_EQ(plots.pltAxial().LayerLineCount(), 0);

  EXPECT_EQ(plots.showtzcurves, c.tz > 0);
  EXPECT_EQ(plots.showloadcurves, c.loadCurves);
  if (c.tz > 0) {
    EXPECT_EQ(plots.pltTz().LineCount(), c.tz);
    EXPECT_EQ(plots.pltTz().Count(), 10);
    EXPECT_EQ(plots.pltQw().LineCount(), c.qw);
    EXPECT_EQ(plots.pltQw().Count(), 10);
    // The q-w curves are the plotted diameters at the first length.
    for (int i = 0; i < c.qw; ++i)
      EXPECT_EQ(plots.pltQw().Lines(i).LineName().toStdString(), c.lineNames[i]);
    EXPECT_TRUE(plots.pltTz().Lines(0).LineName().startsWith(QStringLiteral("H=0")));
  }
  EXPECT_EQ(plots.pltTzAdd().LineCount(), std::max(c.tzAdd, 0));

  for (const TGraphPlot& plot : plots.Plots()) EXPECT_EQ(plot.Units(), c.doc.Units);

  // What the Graphics menu offers for this run.
  const TGraphicsMenuState menu = GraphicsMenuState(doc, plots, true);
  for (I item : {I::mSkin, I::mTip, I::mTotal, I::mCombine, I::fsmSkin, I::fsmTip, I::fsmTotal,
                 I::dCombine, I::mAxial})
    EXPECT_TRUE(menu[item].Enabled) << static_cast<int>(item);
  for (I item : {I::AxialLoadvsSettlementupperbound1, I::AxialLoadvsSettlementlowerbound1,
                 I::CombinedSettlement1})
    EXPECT_EQ(menu[item].Enabled, c.ID2 == 3) << static_cast<int>(item);
  EXPECT_EQ(menu[I::Tzcurvesaveraged].Enabled, c.tz > 0);
  EXPECT_EQ(menu[I::Qwcurvesaveraged].Enabled, c.tz > 0);
  EXPECT_EQ(menu[I::AddTzcurvesaveraged].Enabled, c.tzAdd > 0);
  EXPECT_EQ(menu[I::mload].Enabled, c.loadCurves);
  EXPECT_EQ(menu[I::mCombine].Caption, c.byLength
                                           ? QStringLiteral("Combined Plots vs Depth (Initial Length)")
                                           : QStringLiteral("Combined Plots vs Depth (Initial Diameter)"));
  for (int k = 1; k <= 10; ++k) {
    const TGraphicsItemState& chart = menu[TGraphicsMenuState::DesignChart(k)];
    EXPECT_EQ(chart.Visible, c.doc.IChart == 1 && k <= c.doc.NPOINTPD) << k;
    EXPECT_EQ(chart.Enabled, chart.Visible) << k;
  }
}

TEST_P(ExampleLoadTest, LaterLinesWithFewerPointsRepeatTheirLastPoint) {
  const ExampleCase& c = GetParam();
  TResultPlots plots;
  TPlotReadSettings doc = c.doc;
  ASSERT_EQ(LoadText(plots, doc, c.layers, ExampleText(c)), 1);
  for (Id id : {Id::pltSkin, Id::pltTip, Id::pltTotal, Id::FSpltSkin, Id::FSpltTip,
                Id::FSpltTotal}) {
    const TGraphPlot& plot = plots.Plot(id);
    for (int i = 0; i < plot.LineCount(); ++i) {
      const int n = c.pointsRead[static_cast<std::size_t>(i)];
      for (int j = n; j < plot.Count(); ++j) {
        // The tip rule may lift the very last tip value.
        if (id == Id::pltTip && j == plot.Count() - 1) continue;
        EXPECT_EQ(plot.Data(i, j), plot.Data(i, n - 1)) << "line " << i << " point " << j;
      }
      // The depths read grow from the surface down to the shaft's tip.
      for (int j = 1; j < n; ++j) {
        if (c.doc.UseElevation == 1)
          EXPECT_LE(plot.Data(i, j).y, plot.Data(i, j - 1).y);
        else
          EXPECT_GE(plot.Data(i, j).y, plot.Data(i, j - 1).y);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EngineFiles, ExampleLoadTest, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExampleLoad, AsdDesignValuesAreTheUltimateOnesOverTheFactorsOfSafety) {
  TResultPlots plots;
  TPlotReadSettings doc = SandOverClay();
  ASSERT_EQ(LoadText(plots, doc, {}, EnginePlotData("sand-over-clay.tv8d")), 1);
  const int last = plots.pltSkin().Count() - 1;
  EXPECT_DOUBLE_EQ(static_cast<double>(plots.pltSkin().Data(0, last).y), 50.0);
  for (int j = 2; j <= last; ++j) {
    const double skin = static_cast<double>(plots.pltSkin().Data(0, j).x);
    const double tip = static_cast<double>(plots.pltTip().Data(0, j).x);
    // Three significant digits in the file.
    EXPECT_NEAR(static_cast<double>(plots.FSpltSkin().Data(0, j).x), skin / 2.5, skin * 0.005 + 1e-9) << j;
    EXPECT_NEAR(static_cast<double>(plots.FSpltTip().Data(0, j).x), tip / 3.0, tip * 0.005 + 1e-9) << j;
    EXPECT_NEAR(static_cast<double>(plots.pltTotal().Data(0, j).x), skin + tip, (skin + tip) * 0.01) << j;
  }
}

TEST(ExampleLoad, UpliftPlotsTheUnfactoredSelfWeightAsDesignTip) {
  TResultPlots plots;
  TPlotReadSettings doc = Doc(1, 1, 2, 2.5L);
  ASSERT_EQ(LoadText(plots, doc, {}, EnginePlotData("gravel-uplift-lrfd.tv8d")), 1);
  bool someWeight = false;
  for (int j = 0; j < plots.pltTip().Count(); ++j) {
    EXPECT_EQ(plots.FSpltTip().Data(0, j).x, plots.pltTip().Data(0, j).x) << j;
    someWeight = someWeight || plots.pltTip().Data(0, j).x > 1;
  }
  EXPECT_TRUE(someWeight);
}

TEST(ExampleLoad, ElevationsPlotEveryDepthBelowTheShaftTop) {
  const QByteArray text = EnginePlotData("sand-over-clay.tv8d");
  TResultPlots byDepth;
  TPlotReadSettings depthDoc = SandOverClay();
  ASSERT_EQ(LoadText(byDepth, depthDoc, {{1, 20}, {2, 60}}, text), 1);
  TResultPlots byElevation;
  TPlotReadSettings elevationDoc = SandOverClay();
  elevationDoc.UseElevation = 1;
  elevationDoc.ValElevation = 100;
  ASSERT_EQ(LoadText(byElevation, elevationDoc, {{1, 20}, {2, 60}}, text), 1);

  for (Id id : {Id::pltSkin, Id::pltTip, Id::pltTotal, Id::FSpltSkin, Id::FSpltTip,
                Id::FSpltTotal, Id::pltCombine, Id::pltCombineD}) {
    const TGraphPlot& d = byDepth.Plot(id);
    const TGraphPlot& e = byElevation.Plot(id);
    for (int i = 0; i < d.LineCount(); ++i)
      for (int j = 0; j < d.Count(); ++j) {
        EXPECT_EQ(e.Data(i, j).y, 100 - d.Data(i, j).y);
        EXPECT_EQ(e.Data(i, j).x, d.Data(i, j).x);
      }
    EXPECT_EQ(e.LayerData(0, 0).y, 80);
    EXPECT_EQ(e.LayerData(1, 0).y, 40);
    EXPECT_EQ(e.LayersTop(), 100);
  }
  // Point 13 is the depth of 12 ft (the first depth comes twice).
  EXPECT_EQ(byDepth.pltSkin().Data(0, 13).y, 12);
  EXPECT_EQ(byElevation.pltSkin().Data(0, 13).y, 88);
  // Load-settlement curves have no depth axis.
  ExpectSameLine(byElevation.pltAxial().Lines(0), byDepth.pltAxial().Lines(0), "axial");
}

TEST(ExampleLoad, DesignChartsFillOnlyTheDefinedSettlements) {
  TResultPlots plots;
  TPlotReadSettings doc = SiLayeredCharts();
  ASSERT_EQ(LoadText(plots, doc, {}, ExampleText(kExamples[6])), 1);
  const char* captions[] = {"Design Chart (0.0127-m movement)", "Design Chart (0.0254-m movement)",
                            "Design Chart (0.0381-m movement)"};
  for (int k = 1; k <= 3; ++k) {
    const TGraphPlot& chart = plots.PltChart(k);
    EXPECT_EQ(chart.Caption().toStdString(), captions[k - 1]);
    EXPECT_EQ(chart.UserCaption().toStdString(), captions[k - 1]);
    EXPECT_EQ(LineNames(chart), Names({"Dia=0.9 m", "Dia=1.05 m", "Dia=1.2 m"}));
    EXPECT_EQ(chart.Count(), 5);
    // Chart lengths of 9 to 15 m.
    long double shortest = chart.Data(0, 0).y;
    long double longest = shortest;
    for (int j = 1; j < chart.Count(); ++j) {
      shortest = std::min(shortest, chart.Data(0, j).y);
      longest = std::max(longest, chart.Data(0, j).y);
    }
    EXPECT_NEAR(static_cast<double>(shortest), 9.0, 0.01);
    EXPECT_NEAR(static_cast<double>(longest), 15.0, 0.01);
  }
  for (int k = 4; k <= 10; ++k) {
    EXPECT_EQ(plots.PltChart(k).LineCount(), 0) << k;
    EXPECT_EQ(plots.PltChart(k).Caption(), k < 10 ? QStringLiteral("Design Chart ") + QString::number(k)
                                                   : QStringLiteral("Design Chart  10"));
  }
  const TGraphicsMenuState menu = GraphicsMenuState(doc, plots, true);
  EXPECT_TRUE(menu[I::ChartSeparator].Visible);
  for (int k = 1; k <= 3; ++k)
    EXPECT_EQ(menu[TGraphicsMenuState::DesignChart(k)].Caption.toStdString(), captions[k - 1]);
  EXPECT_EQ(menu[TGraphicsMenuState::DesignChart(4)].Caption, QStringLiteral("Design Chart 4"));
}

// ---- Small files written by hand ------------------------------------------------------

std::string Num(long double v) { return " " + std::to_string(static_cast<double>(v)); }

// A capacity point: depth and six values (current documents) or four (older ones).
std::string Point(long double depth, std::initializer_list<long double> values) {
  std::string s = Num(depth);
  for (long double v : values) s += Num(v);
  return s + "\n";
}

// One load-settlement block: row k has top load 10 k + base, top movement k / 10.
std::string Block(long double base) {
  std::string s;
  for (int k = 1; k <= 15; ++k) s += Num(10 * k + base) + Num(k / 10.0L) + " 1 1\n";
  return s;
}

// Two plotted lines of 4 capacity points, the second reading only 3, three blocks each;
// the tip resistances are chosen for the small-tip rule. Nothing after the blocks.
std::string TwoShortLines(int nblk = 3) {
  std::string s = " 2 4 " + std::to_string(nblk) + "\n";
  s += Point(0, {0, 0, 0, 0, 0, 0});
  s += Point(12.5, {0, 0, 0, 0, 0, 0});
  s += Point(12.5, {10, 0.00005L, 10.00005L, 4, 0.00002L, 4.00002L});
  s += Point(20, {30, 0, 30, 12, 0, 12});
  for (int b = 0; b < (nblk > 2 ? 3 : 1); ++b) s += Block(b * 100);
  s += " 2 3 " + std::to_string(nblk) + "\n";
  s += Point(0, {0, 0, 0, 0, 0, 0});
  s += Point(10, {0, 0, 0, 0, 0, 0});
  s += Point(15, {20, 0.0001L, 20.0001L, 8, 0.00004L, 8.00004L});
  for (int b = 0; b < (nblk > 2 ? 3 : 1); ++b) s += Block(1000 + b * 100);
  return s;
}

QByteArray Bytes(const std::string& s) { return QByteArray::fromStdString(s); }

TEST(HandFile, SmallTipAtTheLastPointIsShownAsOneHundredThousandth) {
  TResultPlots plots;
  TPlotReadSettings doc;
  ASSERT_EQ(LoadText(plots, doc, {}, Bytes(TwoShortLines())), 1);
  // Line 0: the last tip of 0 is lifted; a small tip before the last point stays.
  EXPECT_EQ(plots.pltTip().Data(0, 3).x, 0.00001L);
  EXPECT_EQ(plots.pltTip().Data(0, 2).x, 0.00005L);
  EXPECT_EQ(plots.FSpltTip().Data(0, 3).x, 0);
  // Line 1 repeats its third point as the fourth; a tip of exactly 0.0001 stays.
  EXPECT_EQ(plots.pltTip().Data(1, 3).x, 0.0001L);
  EXPECT_EQ(plots.pltSkin().Data(1, 3), (TFloatPoint{20, 15}));
  EXPECT_EQ(plots.pltCombine().Data(1, 3).x, 0.00001L);
  // Load-settlement rows start at (0, 0).
  EXPECT_EQ(plots.pltAxial().Data(1, 0), TFloatPoint{});
  EXPECT_EQ(plots.pltAxial().Data(1, 15), (TFloatPoint{1150, 1.5L}));
  EXPECT_EQ(plots.pltUpper().Data(0, 1), (TFloatPoint{110, 0.1L}));
  EXPECT_EQ(plots.pltLower().Data(1, 1), (TFloatPoint{1210, 0.1L}));
  EXPECT_FALSE(plots.showtzcurves);
  EXPECT_FALSE(plots.showloadcurves);
}

TEST(HandFile, ElevationOfOneHundredPutsADepthOfTwelveAndAHalfAtEightySevenAndAHalf) {
  TResultPlots plots;
  TPlotReadSettings doc;
  doc.UseElevation = 1;
  doc.ValElevation = 100;
  ASSERT_EQ(LoadText(plots, doc, {{1, 10}, {42, 30}}, Bytes(TwoShortLines())), 1);
  EXPECT_EQ(plots.pltSkin().Data(0, 1).y, 87.5L);
  EXPECT_EQ(plots.FSpltTotal().Data(0, 3).y, 80);
  EXPECT_TRUE(plots.pltCombineD().Yreversed());
  EXPECT_EQ(plots.pltCombineD().YCaption(), QStringLiteral("Elevation"));
  EXPECT_EQ(plots.pltTip().LayersTop(), 100);
  // An unknown layer type keeps a numbered name and no fill.
  EXPECT_EQ(plots.pltTip().LayerLines(1).LineName(), QStringLiteral("LAYER 2"));
  EXPECT_EQ(plots.pltTip().LayerData(1, 0), (TFloatPoint{0, 70}));
}

TEST(HandFile, WithoutBoundBlocksOnlyTheTrendCurveIsReadAndTheBoundItemsAreOff) {
  TResultPlots plots;
  TPlotReadSettings doc;
  ASSERT_EQ(LoadText(plots, doc, {}, Bytes(TwoShortLines(0))), 1);
  EXPECT_EQ(doc.ID2, 0);
  EXPECT_EQ(plots.pltAxial().Data(1, 15), (TFloatPoint{1150, 1.5L}));
  EXPECT_EQ(plots.pltUpper().Data(1, 15), TFloatPoint{});
  const TGraphicsMenuState menu = GraphicsMenuState(doc, plots, true);
  EXPECT_TRUE(menu[I::mAxial].Enabled);
  EXPECT_FALSE(menu[I::AxialLoadvsSettlementupperbound1].Enabled);
  EXPECT_FALSE(menu[I::AxialLoadvsSettlementlowerbound1].Enabled);
  EXPECT_FALSE(menu[I::CombinedSettlement1].Enabled);
}

TEST(HandFile, TrailingBlankLinesAfterTheLastSectionEndTheFile) {
  TResultPlots plots;
  TPlotReadSettings doc;
  EXPECT_EQ(LoadText(plots, doc, {}, Bytes(TwoShortLines() + "   \n\n")), 1);
  EXPECT_FALSE(plots.showtzcurves);
}

struct OlderCase {
  const char* name;
  int kcycl;
  long double fst, fsb;
  long double fsSide, fsTip;  // expected design values of the point (side 10, tip 6, total 16)
};

std::ostream& operator<<(std::ostream& os, const OlderCase& c) { return os << c.name; }

class OlderDocumentTest : public ::testing::TestWithParam<OlderCase> {};

TEST_P(OlderDocumentTest, ReadsFiveValuesAndDerivesTheDesignValues) {
  std::string s = " 1 2 3\n" + Point(0, {0, 0, 0, 99}) + Point(5, {10, 6, 16, 99});
  for (int b = 0; b < 3; ++b) s += Block(0);
  TResultPlots plots;
  TPlotReadSettings doc;
  doc.Yesnewversion = false;
  doc.KCYCL = GetParam().kcycl;
  doc.FST = GetParam().fst;
  doc.FSB = GetParam().fsb;
  ASSERT_EQ(LoadText(plots, doc, {}, Bytes(s)), 1);
  EXPECT_EQ(plots.pltSkin().Data(0, 1), (TFloatPoint{10, 5}));
  EXPECT_EQ(plots.pltTip().Data(0, 1).x, 6);
  EXPECT_EQ(plots.pltTotal().Data(0, 1).x, 16);
  EXPECT_EQ(plots.FSpltSkin().Data(0, 1).x, GetParam().fsSide);
  EXPECT_EQ(plots.FSpltTip().Data(0, 1).x, GetParam().fsTip);
  EXPECT_EQ(plots.FSpltTotal().Data(0, 1).x, GetParam().fsSide + GetParam().fsTip);
  EXPECT_EQ(plots.pltAxial().Data(0, 15), (TFloatPoint{150, 1.5L}));
}

INSTANTIATE_TEST_SUITE_P(HandFile, OlderDocumentTest,
                         ::testing::Values(OlderCase{"Compression", 1, 2, 3, 5, 2},
                                           OlderCase{"Uplift", 2, 2, 3, 5, 6},
                                           // A factor of safety of zero or less counts as 1,
                                           // as in the analysis, instead of infinite values.
                                           OlderCase{"ZeroFactors", 1, 0, -3, 10, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

// A run with two plotted lines and a chart section of 2 settlements, 2 diameters and 3
// lengths (inches and pounds), and nothing after it.
std::string WithCharts(const char* settlement1, const char* diameter1, const char* diameter2) {
  std::string s = TwoShortLines() + " 2 2 3\n";
  for (const char* settlement : {settlement1, "9"}) {
    s += std::string(" ") + settlement + "\n";
    for (const char* diameter : {diameter1, diameter2}) {
      s += std::string(" ") + diameter + "\n";
      s += " 0 0\n 393.7 224820.14388489208633\n 787.4 449640.28776978417266\n";
    }
  }
  return s;
}

struct ChartCase {
  const char* name;
  int units;
  std::string text;
  const char* caption;
  std::vector<const char*> names;
  const char* firstLineName;  // name of the first per-shaft line
  TFloatPoint point1, point2;
};

std::ostream& operator<<(std::ostream& os, const ChartCase& c) { return os << c.name; }

class ChartTest : public ::testing::TestWithParam<ChartCase> {};

TEST_P(ChartTest, ReadsChartsInFeetAndTonsOrMetresAndKilonewtons) {
  const ChartCase& c = GetParam();
  TResultPlots plots;
  TPlotReadSettings doc;
  doc.Units = c.units;
  doc.IChart = 1;
  doc.DSTART = 1;
  doc.DIAMINCR = 0.25;
  doc.NPOINTPD = 2;
  ASSERT_EQ(LoadText(plots, doc, {}, Bytes(c.text)), 1);
  const TGraphPlot& chart = plots.PltChart(1);
  EXPECT_EQ(chart.Caption().toStdString(), c.caption);
  EXPECT_EQ(chart.UserCaption().toStdString(), c.caption);
  QStringList names;
  for (const char* n : c.names) names << QString::fromLatin1(n);
  EXPECT_EQ(LineNames(chart), names);
  EXPECT_EQ(chart.Count(), 3);
  EXPECT_EQ(chart.Data(1, 0), TFloatPoint{});
  EXPECT_NEAR(static_cast<double>(chart.Data(1, 1).x), static_cast<double>(c.point1.x), 1e-9);
  EXPECT_NEAR(static_cast<double>(chart.Data(1, 1).y), static_cast<double>(c.point1.y), 1e-9);
  EXPECT_NEAR(static_cast<double>(chart.Data(1, 2).x), static_cast<double>(c.point2.x), 1e-9);
  EXPECT_NEAR(static_cast<double>(chart.Data(1, 2).y), static_cast<double>(c.point2.y), 1e-9);
  EXPECT_EQ(plots.PltChart(2).LineCount(), 2);
  EXPECT_EQ(plots.PltChart(3).LineCount(), 0);
  // With charts the diameters of the plotted lines step by the chart step.
  EXPECT_EQ(plots.pltSkin().Lines(0).LineName().toStdString(), c.firstLineName);
  EXPECT_EQ(plots.pltSkin().Lines(1).LineName().toStdString(),
            std::string(c.firstLineName).replace(4, 1, "1.25"));
  EXPECT_FALSE(plots.showtzcurves);
}

INSTANTIATE_TEST_SUITE_P(
    HandFile, ChartTest,
    ::testing::Values(
        ChartCase{"English", 1, WithCharts("0.5", "36.0000", "42.0000"),
                  "Design Chart (0.5-in movement)", {"Dia=3 ft", "Dia=3.5 ft"}, "Dia=1 ft",
                  {224.82014388489208633L / 2, 393.7L / 12}, {449.64028776978417266L / 2, 787.4L / 12}},
        ChartCase{"SI", 2, WithCharts("0.0127", "0.9000", "1.0500"),
                  "Design Chart (0.0127-m movement)", {"Dia=0.9 m", "Dia=1.05 m"}, "Dia=1 m",
                  {1000, 10}, {2000, 20}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Reading errors -------------------------------------------------------------------

struct ErrorCase {
  const char* name;
  std::string text;
};

std::ostream& operator<<(std::ostream& os, const ErrorCase& c) { return os << c.name; }

std::string Replaced(std::string s, const std::string& from, const std::string& to) {
  const auto at = s.find(from);
  if (at != std::string::npos) s.replace(at, from.size(), to);
  return s;
}

const ErrorCase kErrors[] = {
    {"EmptyFile", ""},
    {"WordInsteadOfNumber", Replaced(TwoShortLines(), " 12.500000", " abc")},
    {"FractionalLineCount", Replaced(TwoShortLines(), " 2 4 3", " 2.5 4 3")},
    {"EndsInsideASettlementBlock", TwoShortLines().substr(0, TwoShortLines().size() - 40)},
    {"NoPlottedLine", Replaced(TwoShortLines(), " 2 4 3", " 0 4 3")},
    {"NegativeLineCount", Replaced(TwoShortLines(), " 2 4 3", " -3 4 3")},
    {"LineCountBeyondTheFile", Replaced(TwoShortLines(), " 2 4 3", " 2000 4 3")},
    {"LineCountBeyondAnyRun", Replaced(TwoShortLines(), " 2 4 3", " 2147483647 4 3")},
    {"NoCapacityPoint", Replaced(TwoShortLines(), " 2 4 3", " 2 0 3")},
    {"PointCountBeyondTheFile", Replaced(TwoShortLines(), " 2 4 3", " 2 5000 3")},
    {"LaterLineWithoutPoints", Replaced(TwoShortLines(), " 2 3 3", " 2 0 3")},
    {"LaterLineWithNegativePoints", Replaced(TwoShortLines(), " 2 3 3", " 2 -7 3")},
    {"TzCountBeyondTheFile", TwoShortLines() + " 99999999\n"},
    {"TzSectionCutShort", TwoShortLines() + " 1\n 1 10 0.00\n 0 0\n 1 0.1\n"},
    {"QwCountMissing", TwoShortLines() + " 0\n"},
};

class ReadErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ReadErrorTest, FailsWithTheMessageWhenAskedAndSilentlyOtherwise) {
  for (int report : {1, 0}) {
    TResultPlots plots;
    TPlotReadSettings doc;
    TMessageCapture messages;
    EXPECT_EQ(LoadText(plots, doc, {}, Bytes(GetParam().text), report), 0);
    EXPECT_EQ(messages.Texts(), report ? QStringList{kLoadError} : QStringList{});
    EXPECT_FALSE(plots.showtzcurves);
    EXPECT_FALSE(plots.showloadcurves);
    const TGraphicsMenuState menu = GraphicsMenuState(doc, plots, true);
    for (int item = 0; item < kGraphicsItemCount; ++item)
      EXPECT_FALSE(menu[static_cast<I>(item)].Enabled) << item;
  }
}

INSTANTIATE_TEST_SUITE_P(HandFile, ReadErrorTest, ::testing::ValuesIn(kErrors),
                         [](const auto& info) { return std::string(info.param.name); });

struct ChartErrorCase {
  const char* name;
  const char* header;
};

std::ostream& operator<<(std::ostream& os, const ChartErrorCase& c) { return os << c.name; }

class ChartCountErrorTest : public ::testing::TestWithParam<ChartErrorCase> {};

TEST_P(ChartCountErrorTest, RefusesChartCountsNoRunWrites) {
  TResultPlots plots;
  TPlotReadSettings doc;
  doc.IChart = 1;
  TMessageCapture messages;
  const std::string text = Replaced(WithCharts("0.5", "36", "42"), " 2 2 3\n", GetParam().header);
  EXPECT_EQ(LoadText(plots, doc, {}, Bytes(text)), 0);
  EXPECT_EQ(messages.Texts(), QStringList{kLoadError});
}

INSTANTIATE_TEST_SUITE_P(HandFile, ChartCountErrorTest,
                         ::testing::Values(ChartErrorCase{"ElevenSettlements", " 11 2 3\n"},
                                           ChartErrorCase{"NegativeDiameters", " 2 -2 3\n"},
                                           ChartErrorCase{"TwentyOneDiameters", " 2 21 3\n"},
                                           ChartErrorCase{"MoreLengthsThanTheFileHolds", " 2 2 90\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HandFile, PlotsFilledBeforeAnErrorKeepWhatTheyReceived) {
  TResultPlots plots;
  TPlotReadSettings doc;
  TMessageCapture messages;
  // The t-z section ends inside its first curve.
  ASSERT_EQ(LoadText(plots, doc, {{1, 20}}, Bytes(TwoShortLines() + " 1\n 1 10 0.00\n 0 0\n")), 0);
  EXPECT_EQ(doc.ID2, 3);
  EXPECT_EQ(plots.pltSkin().LineCount(), 2);
  EXPECT_EQ(plots.pltSkin().Data(0, 3), (TFloatPoint{30, 20}));
  EXPECT_EQ(plots.pltSkin().Lines(1).LineName(), QStringLiteral("Dia=0.5 ft"));
  EXPECT_EQ(plots.pltCombine().Data(0, 3), (TFloatPoint{30, 20}));
  EXPECT_EQ(plots.pltSkin().LayerLineCount(), 1);
  EXPECT_EQ(plots.pltTz().LineCount(), 1);
  EXPECT_EQ(plots.pltTz().Lines(0).LineName(), QStringLiteral("H=0 ft"));
  EXPECT_FALSE(plots.showtzcurves);
}

TEST(HandFile, MissingFileFailsLikeAMalformedOne) {
  TResultPlots plots;
  TPlotReadSettings doc;
  TMessageCapture messages;
  FileFolder folder;
  TResultsLoader loader(plots, doc, {});
  EXPECT_EQ(loader.ReadPlotData(folder.Path(QStringLiteral("none.tv8p")), 1), 0);
  EXPECT_EQ(messages.Texts(), QStringList{kLoadError});
}

TEST(HandFile, LoadingAgainAfterARockTipRunOffersNoEarlierTzCurves) {
  TResultPlots plots;
  TPlotReadSettings doc = SiLayeredCharts();
  doc.IChart = 0;
  const QByteArray withTz = EnginePlotData("si-layered-lrfd-charts.tv8d", "no charts", [](std::string p) {
    // Record 3 with design charts off, then without the two chart records.
    const std::string edited = Replaced(
        Replaced(p, "2 1 1 0.5 0 1 0 1 0 0 1", "2 1 1 0.5 0 1 0 0 0 0 1"),
        "9 1.5 0.15 3\r\n0.0127 0.0254 0.0381 \r\n", "");
    if (edited.size() + 37 != p.size()) throw std::runtime_error("example changed");
    return edited;
  });
  ASSERT_EQ(LoadText(plots, doc, {}, withTz), 1);
  ASSERT_TRUE(plots.showtzcurves);
  ASSERT_EQ(plots.pltTzAdd().LineCount(), 2);
  EXPECT_EQ(LineNames(plots.pltTzAdd()), Names({"H=5 m", "H=12 m"}));
  EXPECT_TRUE(GraphicsMenuState(doc, plots, true)[I::AddTzcurvesaveraged].Enabled);

  ASSERT_EQ(LoadText(plots, doc, {}, Bytes(TwoShortLines())), 1);
  const TGraphicsMenuState menu = GraphicsMenuState(doc, plots, true);
  EXPECT_FALSE(menu[I::Tzcurvesaveraged].Enabled);
  EXPECT_FALSE(menu[I::AddTzcurvesaveraged].Enabled);
  EXPECT_FALSE(menu[I::mload].Enabled);
  EXPECT_TRUE(menu[I::mSkin].Enabled);
}

}  // namespace
