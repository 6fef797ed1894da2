// The plot window's behaviour without the window: set-up of the lines and the legend, the
// legend box, the mouse read-out and zoom, and what the Plot menu commands do.
#include "TPlotFormState.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <limits>
#include <vector>

#include "TGraphPlot.h"

namespace {

// Legend texts are 7 pixels a character at the 11 point legend font, twice that at 22.
int FakeWidth(const QString& text, int points) { return static_cast<int>(text.size()) * 7 * points / 11; }

// `lines` straight lines of `points` points: line i from (0, 0) to (10 (i + 1), 50).
void FillPlot(TGraphPlot& plot, int lines, int points = 6) {
  plot.SetCaption(QStringLiteral("Ultimate Total Capacity vs Depth"));
  plot.SetLineCount(lines);
  plot.SetCount(points);
  for (int i = 0; i < lines; ++i)
    for (int j = 0; j < points; ++j)
      plot.Data(i, j) = {10.0L * (i + 1) * j / (points - 1), 50.0L * j / (points - 1)};
}

constexpr QSize kClient{800, 600};
constexpr QPoint kDpi{96, 96};

struct OpenWindow {
  explicit OpenWindow(TGraphPlot& plot) : state(plot, 96, FakeWidth) { state.Resize(kClient, kDpi, 14); }
  TPlotFormState state;
};

std::vector<int> Lines(const TPlotLegend& legend) { return legend.Lines(); }

TEST(PlotFormSetUp, TwentyFiveLines_TwentyInTheLegendAndTheRestInactive) {
  TGraphPlot plot;
  FillPlot(plot, 25);
  plot.Lines(3).SetActive(false);  // from an earlier window: every new window resets it
  plot.SetLegendFont(17);
  OpenWindow w(plot);
  ASSERT_EQ(w.state.Legend().Count(), 20);
  for (int i = 0; i < 25; ++i) EXPECT_EQ(plot.Lines(i).Active(), i < 20) << "line " << i;
  for (int j = 0; j < 20; ++j) EXPECT_EQ(w.state.Legend().LineOf(j), j);
  EXPECT_EQ(w.state.Legend().LineOf(20), -1);
  EXPECT_EQ(w.state.Legend().EntryOf(22), -1);
  // The legend font is the list's 11 points; rows of 16 pixels; the widest entry is
  // "Curve #20 *" (11 characters) plus a quarter inch.
  EXPECT_EQ(plot.LegendFont(), 11);
  EXPECT_EQ(w.state.LegendRowHeight(), 16);
  EXPECT_EQ(w.state.LegendBox().size(), QSize(11 * 7 + 24, 20 * 16 + 3));
  // Placed with its bottom-right corner on the graph's (41, 41, 769, 569).
  EXPECT_EQ(w.state.LegendBox().topLeft(), QPoint(769 - 101, 569 - 323));
  EXPECT_TRUE(w.state.LegendVisible());
  EXPECT_EQ(w.state.Title(), QStringLiteral("PlotForm"));
  EXPECT_FALSE(w.state.ClosesAsItOpens());
}

TEST(PlotFormSetUp, WithoutLimit_EveryLineIsActive) {
  TGraphPlot plot;
  FillPlot(plot, 25);
  plot.SetLimitActive(false);
  OpenWindow w(plot);
  EXPECT_EQ(w.state.Legend().Count(), 25);
}

TEST(PlotFormSetUp, NoLinesOrLegendOff_LegendBoxHidden) {
  TGraphPlot empty;
  EXPECT_FALSE(OpenWindow(empty).state.LegendVisible());
  TGraphPlot plot;
  FillPlot(plot, 2);
  plot.SetShowLegend(false);
  OpenWindow w(plot);
  EXPECT_FALSE(w.state.LegendVisible());
  w.state.ToggleShowLegend();
  EXPECT_TRUE(plot.ShowLegend());
  EXPECT_TRUE(w.state.LegendVisible());
}

TEST(PlotFormSetUp, NoUsableRange_ClosesAsItOpens) {
  TGraphPlot plot;
  FillPlot(plot, 1);
  plot.Data(0, 5).y = std::numeric_limits<long double>::max();
  plot.Data(0, 4).y = std::numeric_limits<long double>::lowest();
  EXPECT_TRUE(TPlotFormState(plot, 96, FakeWidth).ClosesAsItOpens());
}

TEST(PlotFormLegend, SettledLegendKeepsItsPlaceAndStaysInsideOnResize) {
  TGraphPlot plot;
  FillPlot(plot, 3);
  OpenWindow w(plot);
  const QSize box = w.state.LegendBox().size();
  // Before the window is first shown the box follows the corner.
  w.state.Resize({1000, 700}, kDpi, 14);
  EXPECT_EQ(w.state.LegendBox().bottomRight() + QPoint(1, 1), QPoint(1000 - 31, 700 - 31));
  w.state.SettleLegend();
  w.state.MoveLegend({100, 80});
  w.state.Resize({1200, 900}, kDpi, 14);
  EXPECT_EQ(w.state.LegendBox().topLeft(), QPoint(100, 80));
  w.state.Resize({120, 90}, kDpi, 14);
  EXPECT_EQ(w.state.LegendBox().topLeft(), QPoint(120 - box.width(), 90 - box.height()));
  // Large again, the box is back where it was put.
  w.state.Resize({1200, 900}, kDpi, 14);
  EXPECT_EQ(w.state.LegendBox().topLeft(), QPoint(100, 80));
  // Dragged beyond the window it stays inside.
  w.state.Resize(kClient, kDpi, 14);
  w.state.MoveLegend({-50, 900});
  EXPECT_EQ(w.state.LegendBox().topLeft(), QPoint(0, 600 - box.height()));
}

TEST(PlotFormLegend, FourTimesDefaultFont_LegendBackAtTheCornerAndLarger) {
  TGraphPlot plot;
  FillPlot(plot, 3);
  OpenWindow w(plot);
  w.state.SettleLegend();
  w.state.MoveLegend({60, 60});
  const QSize before = w.state.LegendBox().size();
  w.state.SetFontSize(40);
  EXPECT_EQ(plot.SizeFont(), 40);
  EXPECT_EQ(w.state.LegendFontPoints(), 44);
  EXPECT_EQ(w.state.LegendRowHeight(), 66);
  const QRect box = w.state.LegendBox();
  EXPECT_EQ(box.height(), 3 * 66 + 3);
  EXPECT_GT(box.width(), before.width());
  EXPECT_EQ(box.width(), 10 * 7 * 4 + 24);  // "Curve #3 *" at four times the width
  // H = 56 puts the graph at (131, 131, 748, 548).
  EXPECT_EQ(w.state.DrawWindow().GraphArea, (TIntRect{131, 131, 748, 548}));
  EXPECT_EQ(box.bottomRight() + QPoint(1, 1), QPoint(748, 548));
  // Back to the default: smaller again.
  w.state.SetFontSize(10);
  EXPECT_EQ(w.state.LegendBox().size(), before);
}

TEST(PlotFormLegend, CaptionKeepsTheGraphOneTextRowSmallerAndTheLegendInPlace) {
  TGraphPlot plot;
  FillPlot(plot, 3);
  OpenWindow w(plot);
  w.state.SettleLegend();
  w.state.MoveLegend({200, 150});
  const TIntRect graph = w.state.DrawWindow().GraphArea;
  w.state.SetGraphCaption(QStringLiteral("Pile P-3, boring B-2"), true);
  EXPECT_EQ(w.state.DrawWindow().GraphArea.Top, graph.Top + 14 / 8 + 14);
  EXPECT_EQ(w.state.DrawWindow().GraphArea.Bottom, graph.Bottom);
  w.state.SetGraphCaption(QStringLiteral("Pile P-3, boring B-2"), false);
  EXPECT_EQ(w.state.DrawWindow().GraphArea.Top, graph.Top);
  EXPECT_EQ(w.state.DrawWindow().GraphArea.Bottom, graph.Bottom - 14);
  EXPECT_EQ(w.state.LegendBox().topLeft(), QPoint(200, 150));
  w.state.SetGraphCaption({}, false);
  EXPECT_EQ(w.state.DrawWindow().GraphArea, graph);
  EXPECT_TRUE(plot.UserCaption().isEmpty());
}

TEST(PlotFormLegend, SoilLayerStrip_GraphNarrowerAndLegendBackAtTheCorner) {
  TGraphPlot plot;
  FillPlot(plot, 2);
  OpenWindow w(plot);
  w.state.SettleLegend();
  w.state.MoveLegend({60, 60});
  w.state.ToggleShowLayers();
  EXPECT_TRUE(plot.ShowLayers());
  EXPECT_EQ(w.state.DrawWindow().GraphArea.Right, 769 - 96);
  EXPECT_EQ(w.state.DrawWindow().LayersArea, (TIntRect{692, 41, 769, 569}));
  EXPECT_EQ(w.state.LegendBox().bottomRight() + QPoint(1, 1), QPoint(673, 569));
}

TEST(PlotFormLines, LinesZeroAndTwoActive_SecondEntryIsLineTwo) {
  TGraphPlot plot;
  FillPlot(plot, 3);
  OpenWindow w(plot);
  w.state.SetActiveLines({true, false, true});
  ASSERT_EQ(Lines(w.state.Legend()), (std::vector<int>{0, 2}));
  const int line = w.state.Legend().LineOf(1);
  EXPECT_EQ(line, 2);
  w.state.ToggleLine(line);
  EXPECT_FALSE(plot.Lines(2).Visible());
  EXPECT_TRUE(plot.Lines(1).Visible());
  EXPECT_EQ(TPlotLegend::RowText(plot.Lines(line)), QStringLiteral("Curve #3"));

  w.state.SetLineNames({QStringLiteral("Dia=3 ft"), QStringLiteral("Dia=3.5 ft"),
                        QStringLiteral("  Dia=4 ft")});
  EXPECT_EQ(TPlotLegend::RowText(plot.Lines(w.state.Legend().LineOf(1))), QStringLiteral("Dia=4 ft"));
  w.state.ToggleLine(line);
  EXPECT_EQ(TPlotLegend::RowText(plot.Lines(w.state.Legend().LineOf(1))), QStringLiteral("Dia=4 ft *"));
}

TEST(PlotFormLines, AllLinesOffThenOn_EntriesBackInLineOrder) {
  TGraphPlot plot;
  FillPlot(plot, 4);
  OpenWindow w(plot);
  w.state.SetActiveLines({false, false, false, false});
  EXPECT_EQ(w.state.Legend().Count(), 0);
  EXPECT_EQ(w.state.LegendBox().height(), 3);
  w.state.SetActiveLines({true, true, true, true});
  EXPECT_EQ(Lines(w.state.Legend()), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(w.state.LegendBox().height(), 4 * 16 + 3);
}

TEST(PlotFormLines, RenamingGrowsTheBoxButNeverShrinksIt) {
  TGraphPlot plot;
  FillPlot(plot, 2);
  OpenWindow w(plot);
  w.state.SetLineNames({QStringLiteral("A much longer line name"), QStringLiteral("B")});
  const int wide = w.state.LegendBox().width();
  EXPECT_EQ(wide, (23 + 2) * 7 + 24);
  EXPECT_EQ(plot.Lines(0).LineName(), QStringLiteral("A much longer line name"));
  w.state.SetLineNames({QStringLiteral("A"), QStringLiteral("B")});
  EXPECT_EQ(w.state.LegendBox().width(), wide);
  // Fewer names than lines rename the first ones only.
  w.state.SetLineNames({QStringLiteral("C")});
  EXPECT_EQ(plot.Lines(0).LineName(), QStringLiteral("C"));
  EXPECT_EQ(plot.Lines(1).LineName(), QStringLiteral("B"));
}

// ---- Mouse --------------------------------------------------------------------------------

// One line from (0, 0) to (240, 50): the full ranges are 0..240 and 0..50 and the graph is
// (41, 41, 769, 569) in an 800 x 600 window.
class PlotFormMouse : public ::testing::Test {
 protected:
  PlotFormMouse() {
    plot.SetCaption(QStringLiteral("Ultimate Total Capacity vs Depth"));
    plot.SetLineCount(1);
    plot.SetCount(2);
    plot.Data(0, 1) = {240, 50};
  }
  TGraphPlot plot;
};

TEST_F(PlotFormMouse, ReadOutInTheTitleClampedIntoTheGraph) {
  OpenWindow w(plot);
  ASSERT_EQ(w.state.LogicBounds(), (TFloatRect{0, 240, 0, 50}));
  EXPECT_EQ(w.state.MouseMove({405, 305}),
            QStringLiteral("Ultimate Total Capacity vs Depth X: 120 Y: 25"));
  EXPECT_EQ(w.state.MouseMove({0, 0}), QStringLiteral("Ultimate Total Capacity vs Depth X: 0 Y: 0"));
  EXPECT_EQ(w.state.MouseMove({790, 590}),
            QStringLiteral("Ultimate Total Capacity vs Depth X: 240 Y: 50"));
  EXPECT_EQ(w.state.Title(), QStringLiteral("Ultimate Total Capacity vs Depth X: 240 Y: 50"));
  EXPECT_EQ(w.state.MouseMove({100, 100}),
            QStringLiteral("Ultimate Total Capacity vs Depth X: 19.451 Y: 5.5871"));
}

TEST_F(PlotFormMouse, DragZoomsAndEndingOnTheStartRowOrColumnDoesNot) {
  OpenWindow w(plot);
  w.state.LeftDown({405, 305});
  EXPECT_TRUE(w.state.Zooming());
  w.state.MouseMove({405, 500});
  EXPECT_EQ(w.state.MovePoint(), QPoint(405, 500));
  EXPECT_FALSE(w.state.LeftUp({405, 500}));  // same column
  EXPECT_FALSE(w.state.Zooming());
  w.state.LeftDown({405, 305});
  EXPECT_FALSE(w.state.LeftUp({700, 305}));  // same row
  EXPECT_EQ(w.state.LogicBounds(), w.state.MaxLogicBounds());

  // From (120, 25) to (240, 50), released beyond the graph's corner.
  w.state.LeftDown({405, 305});
  EXPECT_TRUE(w.state.LeftUp({790, 590}));
  const TFloatRect& r = w.state.LogicBounds();
  EXPECT_NEAR(r.Left, 120, 1e-9L);
  EXPECT_NEAR(r.Right, 240, 1e-9L);
  EXPECT_NEAR(r.Top, 25, 1e-9L);
  EXPECT_NEAR(r.Bottom, 50, 1e-9L);
  EXPECT_EQ(w.state.MaxLogicBounds(), (TFloatRect{0, 240, 0, 50}));
}

TEST_F(PlotFormMouse, TinyDragZoomsToATwentieth) {
  OpenWindow w(plot);
  w.state.LeftDown({405, 305});
  EXPECT_TRUE(w.state.LeftUp({406, 306}));
  const TFloatRect& r = w.state.LogicBounds();
  EXPECT_NEAR(r.Right - r.Left, 12, 1e-9L);
  EXPECT_NEAR(r.Bottom - r.Top, 2.5L, 1e-9L);
  EXPECT_LT(r.Left, 120.2L);
  EXPECT_GT(r.Right, 120.2L);
}

TEST_F(PlotFormMouse, PressesOutsideTheGraphAreIgnored) {
  OpenWindow w(plot);
  w.state.LeftDown({20, 305});
  EXPECT_FALSE(w.state.Zooming());
  EXPECT_FALSE(w.state.LeftUp({300, 400}));
  EXPECT_FALSE(w.state.RightDown({405, 590}));
}

TEST_F(PlotFormMouse, RightClick_FullViewUnchangedZoomedViewZoomsOut) {
  OpenWindow w(plot);
  EXPECT_TRUE(w.state.RightDown({405, 305}));
  EXPECT_EQ(w.state.LogicBounds(), (TFloatRect{0, 240, 0, 50}));
  // Zoom to 60..120 x 10..30, then out around the middle of the graph: twice the span.
  w.state.LeftDown(w.state.Mapping().ToPixel(60, 10));
  ASSERT_TRUE(w.state.LeftUp(w.state.Mapping().ToPixel(120, 30)));
  EXPECT_NEAR(w.state.LogicBounds().Left, 60, 0.5L);
  EXPECT_NEAR(w.state.LogicBounds().Right, 120, 0.5L);
  EXPECT_TRUE(w.state.RightDown(w.state.Mapping().ToPixel(90, 20)));
  EXPECT_NEAR(w.state.LogicBounds().Right - w.state.LogicBounds().Left, 120, 1);
  EXPECT_NEAR(w.state.LogicBounds().Bottom - w.state.LogicBounds().Top, 40, 1);
  // Twice more and it stops at the full range.
  w.state.RightDown({405, 305});
  w.state.RightDown({405, 305});
  EXPECT_EQ(w.state.LogicBounds(), (TFloatRect{0, 240, 0, 50}));
}

TEST(PlotFormMouseElevations, ZoomKeepsTheHigherElevationOnTop) {
  TGraphPlot plot;
  plot.SetYreversed(true);
  plot.SetLineCount(1);
  plot.SetCount(2);
  plot.Data(0, 0) = {0, 100};
  plot.Data(0, 1) = {240, 40};
  OpenWindow w(plot);
  ASSERT_EQ(w.state.LogicBounds(), (TFloatRect{0, 240, 100, 40}));
  w.state.LeftDown(w.state.Mapping().ToPixel(60, 90));
  ASSERT_TRUE(w.state.LeftUp(w.state.Mapping().ToPixel(120, 60)));
  EXPECT_GT(w.state.LogicBounds().Top, w.state.LogicBounds().Bottom);
  EXPECT_NEAR(w.state.LogicBounds().Top, 90, 0.2L);
  EXPECT_NEAR(w.state.LogicBounds().Bottom, 60, 0.2L);
}

}  // namespace
