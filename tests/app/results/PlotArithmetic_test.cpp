// The arithmetic of the plot window without a window: range steps and axis ranges, the pixel
// mapping both ways, tick spacing, label numbers, marker shapes, zoom rectangles, and the
// geometry of the window, a printed page, a saved bitmap and the legend box.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

#include "PlotLayout.h"
#include "PlotMarkers.h"
#include "PlotMarks.h"
#include "PlotNumberText.h"
#include "PlotScale.h"
#include "PlotZoom.h"
#include "TGraphPlot.h"

// Rectangles in failure messages.
inline void PrintTo(const TIntRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

namespace {

// A plot with one line through the given points.
void SetPoints(TGraphPlot& plot, int line, const std::vector<TFloatPoint>& points) {
  if (plot.LineCount() <= line) plot.SetLineCount(line + 1);
  TLine& l = plot.Lines(line);
  l.SetCount(static_cast<int>(points.size()));
  for (std::size_t j = 0; j < points.size(); ++j) l.Point(static_cast<int>(j)) = points[j];
}

// ---- Range step and axis ranges -----------------------------------------------------------

struct StepCase {
  long double high, low, step;
};

std::ostream& operator<<(std::ostream& os, const StepCase& c) { return os << c.high << " to " << c.low; }

class RangeStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(RangeStepTest, PowerOfTenBelowTheSpanOrATenthOfIt) {
  const StepCase& c = GetParam();
  EXPECT_NEAR(RangeStep(c.high, c.low), c.step, c.step * 1e-12L) << c.high << " - " << c.low;
}

INSTANTIATE_TEST_SUITE_P(
    Spans, RangeStepTest,
    ::testing::Values(StepCase{237, 0, 10}, StepCase{370, 0, 100}, StepCase{350, 0, 100},
                      StepCase{250, 0, 10}, StepCase{2.5L, 0, 0.1L}, StepCase{10, 0, 1},
                      StepCase{1, 0, 0.1L}, StepCase{0.01L, -0.01L, 0.001L},
                      StepCase{100, 40, 10}, StepCase{-20, -45, 1}, StepCase{9000, 1000, 1000}));

TEST(RangeStep, NoPositiveFiniteSpan_IsZero) {
  EXPECT_EQ(RangeStep(5, 5), 0);
  EXPECT_EQ(RangeStep(-5, 5), 0);
  EXPECT_EQ(RangeStep(std::numeric_limits<long double>::infinity(), 0), 0);
  EXPECT_EQ(RangeStep(std::numeric_limits<long double>::quiet_NaN(), 0), 0);
}

struct BoundsCase {
  const char* name;
  bool yReversed;
  std::vector<TFloatPoint> points;
  TFloatRect expected;
};

std::ostream& operator<<(std::ostream& os, const BoundsCase& c) { return os << c.name; }

class ComputeBoundsTest : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(ComputeBoundsTest, RoundsOutwardToWholeSteps) {
  const BoundsCase& c = GetParam();
  TGraphPlot plot;
  plot.SetYreversed(c.yReversed);
  SetPoints(plot, 0, c.points);
  const std::optional<TFloatRect> r = ComputeBounds(plot);
  ASSERT_TRUE(r);
  EXPECT_NEAR(r->Left, c.expected.Left, 1e-12L);
  EXPECT_NEAR(r->Right, c.expected.Right, 1e-12L);
  EXPECT_NEAR(r->Top, c.expected.Top, 1e-12L);
  EXPECT_NEAR(r->Bottom, c.expected.Bottom, 1e-12L);
}

INSTANTIATE_TEST_SUITE_P(
    Data, ComputeBoundsTest,
    ::testing::Values(
        // x 0..237 gives 0..240 (step 10), 0..370 gives 0..400 (step 100); depth from 0
        BoundsCase{"To237", false, {{0, 0}, {237, 50}}, {0, 240, 0, 50}},
        BoundsCase{"To370", false, {{0, 0}, {370, 43}}, {0, 400, 0, 50}},
        // the ranges always reach 0, and negative values round away from it
        BoundsCase{"NegativeLoads", false, {{-37, 12}, {120, 48}}, {-40, 120, 0, 50}},
        // an elevation plot: from its first point, not through 0, highest value as Top
        BoundsCase{"Elevations", true, {{0, 100}, {50, 87.5L}, {80, 40}}, {0, 80, 100, 40}},
        BoundsCase{"ElevationsInside", true, {{0, 96}, {50, 43}}, {0, 50, 100, 40}},
        // elevations below zero keep their lowest point inside the range
        BoundsCase{"ElevationsBelowZero", true, {{0, 5}, {50, -15.3L}}, {0, 50, 5, -16}},
        BoundsCase{"AllElevationsNegative", true, {{0, -2.5L}, {5, -8.2L}}, {0, 5, -2, -9}},
        // a single point is widened by 0.01 on both sides
        BoundsCase{"SinglePointAtZero", false, {{0, 0}}, {-0.01L, 0.01L, -0.01L, 0.01L}},
        BoundsCase{"SingleElevation", true, {{0, 100}, {0, 100}}, {-0.01L, 0.01L, 100.01L, 99.99L}}));

TEST(ComputeBounds, InactiveLinesCountButLayerLinesDoNot) {
  TGraphPlot plot;
  SetPoints(plot, 0, {{0, 0}, {120, 30}});
  SetPoints(plot, 1, {{0, 0}, {370, 30}});
  plot.Lines(1).SetActive(false);
  plot.SetLayerLineCount(1);
  plot.LayerLines(0).SetCount(1);
  plot.LayerData(0, 0) = {12, 500};  // fill code and bottom of a layer far below the data
  const std::optional<TFloatRect> r = ComputeBounds(plot);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Right, 400);
  EXPECT_EQ(r->Bottom, 30);
}

TEST(ComputeBounds, NoUsableStep_ClosesTheWindow) {
  TGraphPlot plot;
  const long double huge = std::numeric_limits<long double>::max();
  SetPoints(plot, 0, {{0, -huge}, {1, huge}});
  EXPECT_FALSE(ComputeBounds(plot));
  SetPoints(plot, 0, {{-huge, 0}, {huge, 1}});
  EXPECT_FALSE(ComputeBounds(plot));
}

TEST(ComputeBounds, PlotWithoutLines_HasTheWidenedZeroRange) {
  TGraphPlot plot;
  plot.SetYreversed(true);
  const std::optional<TFloatRect> r = ComputeBounds(plot);
  ASSERT_TRUE(r);
  EXPECT_NEAR(r->Right - r->Left, 0.02L, 1e-15L);
  EXPECT_NEAR(r->Top - r->Bottom, 0.02L, 1e-15L);
}

TEST(FontPixels, ScaledHeightInTenthsTruncated) {
  EXPECT_EQ(FontPixels(14, 10), 14);
  EXPECT_EQ(FontPixels(14, 15), 21);
  EXPECT_EQ(FontPixels(14, 25), 35);
  EXPECT_EQ(FontPixels(14, 40), 56);
  EXPECT_EQ(FontPixels(11, 15), 16);
  EXPECT_EQ(FontPixels(-14, 10), 14);
  EXPECT_EQ(WindowFontPixels(96), 14);
  EXPECT_EQ(WindowFontPixels(1200), 175);
  EXPECT_EQ(WindowFontPixels(72), 11);
}

// ---- Pixels and values --------------------------------------------------------------------

struct PixelCase {
  const char* name;
  bool xOnTop;
  TFloatRect logic;
  long double x, y;
  QPoint pixel;
};

std::ostream& operator<<(std::ostream& os, const PixelCase& c) { return os << c.name; }

const TIntRect kGraph{100, 50, 500, 450};

class ToPixelTest : public ::testing::TestWithParam<PixelCase> {};

TEST_P(ToPixelTest, MapsValuesOntoTheGraphArea) {
  const PixelCase& c = GetParam();
  const TPlotMapping map{kGraph, c.logic, c.xOnTop};
  EXPECT_EQ(map.ToPixel(c.x, c.y), c.pixel);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToPixelTest,
    ::testing::Values(
        // a depth plot: depth 0 on the top edge, the largest depth on the bottom edge
        PixelCase{"DepthZeroAtTop", true, {0, 240, 0, 50}, 0, 0, {100, 50}},
        PixelCase{"DeepestAtBottom", true, {0, 240, 0, 50}, 240, 50, {500, 450}},
        PixelCase{"DepthMiddle", true, {0, 240, 0, 50}, 120, 25, {300, 250}},
        // horizontal axis below: values grow upward
        PixelCase{"UpwardZeroAtBottom", false, {0, 240, 0, 50}, 0, 0, {100, 450}},
        PixelCase{"UpwardTop", false, {0, 240, 0, 50}, 240, 50, {500, 50}},
        // an elevation plot: the highest elevation on the top edge
        PixelCase{"HighestElevationAtTop", true, {0, 240, 100, 40}, 0, 100, {100, 50}},
        PixelCase{"LowestElevationAtBottom", true, {0, 240, 100, 40}, 0, 40, {100, 450}},
        // halves go to the even pixel
        PixelCase{"HalfToEvenDown", true, {0, 400, 0, 400}, 0.5L, 2.5L, {100, 52}},
        PixelCase{"HalfToEvenUp", true, {0, 400, 0, 400}, 1.5L, 3.5L, {102, 54}},
        // values outside the ranges land outside the area
        PixelCase{"BeyondRight", true, {0, 240, 0, 50}, 480, 100, {900, 850}}));

TEST(ToLogic, InverseOfToPixelInsideAndZeroBesideTheArea) {
  const TPlotMapping depth{kGraph, {0, 240, 0, 50}, true};
  TFloatPoint v = depth.ToLogic({300, 250});
  EXPECT_NEAR(v.x, 120, 1e-12L);
  EXPECT_NEAR(v.y, 25, 1e-12L);
  v = depth.ToLogic({500, 50});
  EXPECT_NEAR(v.x, 240, 1e-12L);
  EXPECT_NEAR(v.y, 0, 1e-12L);
  const TPlotMapping upward{kGraph, {0, 240, 0, 50}, false};
  v = upward.ToLogic({100, 50});
  EXPECT_NEAR(v.y, 50, 1e-12L);
  const TPlotMapping elevation{kGraph, {0, 240, 100, 40}, true};
  EXPECT_NEAR(elevation.ToLogic({100, 450}).y, 40, 1e-12L);
  EXPECT_NEAR(elevation.ToLogic({100, 50}).y, 100, 1e-12L);

  for (QPoint beside : {QPoint(99, 250), QPoint(501, 250)}) {
    v = depth.ToLogic(beside);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 0);
  }
  // Above or below the area the vertical value goes on along the axis.
  EXPECT_NEAR(depth.ToLogic({300, 10}).y, -5, 1e-12L);
}

TEST(ToPixel, NonFiniteValuesStayIntegers) {
  const TPlotMapping map{kGraph, {0, 240, 0, 50}, true};
  const QPoint p = map.ToPixel(std::numeric_limits<long double>::infinity(),
                               std::numeric_limits<long double>::quiet_NaN());
  EXPECT_GT(p.x(), 1000000);
  EXPECT_LT(p.y(), -1000000);
}

// ---- Tick marks ---------------------------------------------------------------------------

struct MarksCase {
  const char* name;
  TIntRect graph;
  TFloatRect logic;
  bool yReversed;
  long double xSpacing, ySpacing;  // minor
  QPoint start, finish;
};

std::ostream& operator<<(std::ostream& os, const MarksCase& c) { return os << c.name; }

class MarkSpacingTest : public ::testing::TestWithParam<MarksCase> {};

TEST_P(MarkSpacingTest, OneTwoOrFiveTimesAPowerOfTenPerSixTextHeights) {
  const MarksCase& c = GetParam();
  TMarkSpacing m;
  ASSERT_TRUE(ComputeMarkSpacing(c.graph, c.logic, c.yReversed, 14, m));
  EXPECT_NEAR(m.MarkSpacing.x, c.xSpacing, 1e-12L);
  EXPECT_NEAR(m.MarkSpacing.y, c.ySpacing, 1e-12L);
  EXPECT_EQ(m.Start, c.start);
  EXPECT_EQ(m.Finish, c.finish);
}

// A 400 x 400 area at H = 14 holds 4 major ticks each way.
INSTANTIATE_TEST_SUITE_P(
    Cases, MarkSpacingTest,
    ::testing::Values(
        // 240 / 4 = 60: five tens; 50 / 4 = 12.5: one ten
        MarksCase{"FiveAndOne", kGraph, {0, 240, 0, 50}, false, 10, 2, {0, 0}, {24, 25}},
        // 120 / 4 = 30: two tens; 360 / 4 = 90: ten tens
        MarksCase{"TwoAndTen", kGraph, {0, 120, 0, 360}, false, 4, 20, {0, 0}, {30, 18}},
        // a negative start counts its ticks below zero
        MarksCase{"NegativeLeft", kGraph, {-40, 120, 0, 50}, false, 4, 2, {-10, 0}, {30, 25}},
        // a reversed axis runs from Bottom (lower) to Top (upper); above zero it starts at 0
        MarksCase{"Elevations", kGraph, {0, 240, 100, 40}, true, 10, 2, {0, 0}, {24, 50}},
        // a wider area: 728 / 84 = 8 major ticks
        MarksCase{"Window", {41, 41, 769, 569}, {0, 400, 0, 60}, false, 10, 2, {0, 0}, {40, 30}}));

TEST(MarkSpacing, AreaShorterThanSixTextHeights_HasNoMarks) {
  TMarkSpacing m;
  EXPECT_FALSE(ComputeMarkSpacing({0, 0, 83, 400}, {0, 240, 0, 50}, false, 14, m));
  EXPECT_FALSE(ComputeMarkSpacing({0, 0, 400, 83}, {0, 240, 0, 50}, false, 14, m));
  EXPECT_TRUE(ComputeMarkSpacing({0, 0, 84, 84}, {0, 240, 0, 50}, false, 14, m));
}

TEST(VisibleTicks, TicksOnTheEndsCount) {
  const TTickRange r = VisibleTicks(0.2L, 1.0L, 0.2L);
  EXPECT_EQ(r.First, 1);
  EXPECT_EQ(r.Last, 5);
  const TTickRange n = VisibleTicks(-40, -10, 4);
  EXPECT_EQ(n.First, -10);
  EXPECT_EQ(n.Last, -3);
}

// ---- Label numbers ------------------------------------------------------------------------

struct NumberCase {
  long double value;
  int digits;
  const char* text;
};

std::ostream& operator<<(std::ostream& os, const NumberCase& c) { return os << c.text; }

class PlotNumberTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(PlotNumberTextTest, GeneralFormat) {
  EXPECT_EQ(PlotNumberText(GetParam().value, GetParam().digits).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, PlotNumberTextTest,
    ::testing::Values(NumberCase{1500, 4, "1500"}, NumberCase{0.25L, 4, "0.25"},
                      NumberCase{-40, 4, "-40"}, NumberCase{0, 4, "0"},
                      NumberCase{3 * 0.1L, 4, "0.3"}, NumberCase{0.0254L, 4, "0.0254"},
                      NumberCase{123456, 4, "1.235E+05"}, NumberCase{9999.6L, 4, "1E+04"},
                      NumberCase{9999, 4, "9999"}, NumberCase{0.000001L, 4, "1E-06"},
                      NumberCase{-0.0000012346L, 4, "-1.235E-06"},
                      NumberCase{1.23456e-30L, 4, "1.235E-30"},
                      // the read-out's five digits
                      NumberCase{1234.56L, 5, "1234.6"}, NumberCase{12.345678L, 5, "12.346"},
                      NumberCase{-0.0000123L, 5, "-0.0000123"},
                      NumberCase{123456, 5, "1.2346E+05"}));

// ---- Markers ------------------------------------------------------------------------------

struct MarkerCase {
  int line;
  std::vector<QPoint> vertices;
};

std::ostream& operator<<(std::ostream& os, const MarkerCase& c) { return os << "line " << c.line; }

class MarkerVerticesTest : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(MarkerVerticesTest, ShapeOfTheLineAtThreePixelsRadius) {
  EXPECT_EQ(MarkerVertices(GetParam().line, {96, 96}), GetParam().vertices);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, MarkerVerticesTest,
    ::testing::Values(
        // a triangle with a vertex straight below the point
        MarkerCase{0, {{0, 3}, {-3, -2}, {3, -2}, {0, 3}}},
        // a square with its sides along the axes
        MarkerCase{1, {{2, -2}, {2, 2}, {-2, 2}, {-2, -2}, {2, -2}}},
        // regular polygons with a vertex straight above
        MarkerCase{2, {{0, -3}, {3, 2}, {-3, 2}, {0, -3}}},
        MarkerCase{3, {{0, -3}, {3, 0}, {0, 3}, {-3, 0}, {0, -3}}},
        // line 11 (index 10) has the triangle again, line 21 too
        MarkerCase{10, {{0, 3}, {-3, -2}, {3, -2}, {0, 3}}},
        MarkerCase{20, {{0, 3}, {-3, -2}, {3, -2}, {0, 3}}}));

TEST(MarkerVertices, EveryShapeClosesWithItsVertexCount) {
  for (int line = 0; line < 10; ++line) {
    const int m = MarkerShape(line);
    EXPECT_EQ(m, line + 1);
    const std::vector<QPoint> v = MarkerVertices(line, {1200, 600});
    const int vertices = m == 1 ? 3 : m == 2 ? 4 : m;
    ASSERT_EQ(static_cast<int>(v.size()), vertices + 1) << "line " << line;
    EXPECT_EQ(v.front(), v.back());
    for (const QPoint& p : v) {
      EXPECT_LE(std::abs(p.x()), 37);  // PX / 32 at 1200
      EXPECT_LE(std::abs(p.y()), 18);  // PY / 32 at 600
    }
  }
}

TEST(HasMarker, EveryThirdOfTenPointsAndNever) {
  std::vector<int> marked;
  for (int i = 0; i < 10; ++i)
    if (HasMarker(i, 3)) marked.push_back(i);
  EXPECT_EQ(marked, (std::vector<int>{0, 3, 6, 9}));
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(HasMarker(i, 0));
  for (int i = 0; i < 10; ++i) EXPECT_TRUE(HasMarker(i, 1));
}

// ---- Zoom ---------------------------------------------------------------------------------

void ExpectRect(const TFloatRect& r, const TFloatRect& e) {
  EXPECT_NEAR(r.Left, e.Left, 1e-12L);
  EXPECT_NEAR(r.Right, e.Right, 1e-12L);
  EXPECT_NEAR(r.Top, e.Top, 1e-12L);
  EXPECT_NEAR(r.Bottom, e.Bottom, 1e-12L);
}

const TFloatRect kDepthFull{0, 240, 0, 50};
const TFloatRect kElevationFull{0, 240, 100, 40};

struct SelectionCase {
  const char* name;
  TFloatRect full;
  bool yReversed;
  TFloatPoint a, b;
  TFloatRect expected;
};

std::ostream& operator<<(std::ostream& os, const SelectionCase& c) { return os << c.name; }

class ZoomToSelectionTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(ZoomToSelectionTest, NewRanges) {
  const SelectionCase& c = GetParam();
  ExpectRect(ZoomToSelection(c.full, c.yReversed, c.a, c.b), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, ZoomToSelectionTest,
    ::testing::Values(
        SelectionCase{"Selection", kDepthFull, false, {60, 10}, {120, 30}, {60, 120, 10, 30}},
        SelectionCase{"DraggedBackwards", kDepthFull, false, {120, 30}, {60, 10}, {60, 120, 10, 30}},
        // a reversed axis keeps the higher elevation as Top
        SelectionCase{"Elevations", kElevationFull, true, {60, 60}, {120, 80}, {60, 120, 80, 60}},
        // narrower than a twentieth: a twentieth around the centre
        SelectionCase{"Tiny", kDepthFull, false, {100, 20}, {101, 20.5L}, {94.5L, 106.5L, 19, 21.5L}},
        // ... shifted, keeping its width, to lie inside the full range
        SelectionCase{"TinyAtTheCorner", kDepthFull, false, {1, 49.9L}, {2, 49.95L}, {0, 12, 47.5L, 50}},
        SelectionCase{"TinyElevation", kElevationFull, true, {200, 99}, {200.5L, 99.5L},
                      {194.25L, 206.25L, 100, 97}},
        // a twentieth exactly is kept
        SelectionCase{"Twentieth", kDepthFull, false, {100, 10}, {112, 12.5L}, {100, 112, 10, 12.5L}}));

TEST(ZoomOutAround, FullViewStaysAsItIs) {
  for (TFloatPoint clicked : {TFloatPoint{0, 0}, TFloatPoint{37.3L, 12.1L}, TFloatPoint{240, 50}}) {
    EXPECT_EQ(ZoomOutAround(kDepthFull, kDepthFull, false, clicked), kDepthFull);
    EXPECT_EQ(ZoomOutAround(kElevationFull, kElevationFull, true, clicked), kElevationFull);
  }
}

TEST(ZoomOutAround, DoublesTheSpanInsideTheFullRange) {
  // x 60..120 (span 60): 90 -> 30..150; 10 is held 60 inside -> 0..120.
  // y 10..30 (span 20): 20 -> 0..40.
  ExpectRect(ZoomOutAround({60, 120, 10, 30}, kDepthFull, false, {90, 20}), {30, 150, 0, 40});
  ExpectRect(ZoomOutAround({60, 120, 10, 30}, kDepthFull, false, {10, 49}), {0, 120, 10, 50});
  // More than half the full span: back to the full range.
  ExpectRect(ZoomOutAround({0, 200, 0, 30}, kDepthFull, false, {50, 5}), {0, 240, 0, 50});
  // Reversed axis: Top 80, Bottom 60 (span 20) around 70 -> 90 .. 50.
  ExpectRect(ZoomOutAround({60, 120, 80, 60}, kElevationFull, true, {90, 70}), {30, 150, 90, 50});
}

TEST(ZoomDrag, ReleaseOnTheStartRowOrColumnSelectsNothing) {
  EXPECT_FALSE(IsZoomDrag({200, 100}, {200, 300}));
  EXPECT_FALSE(IsZoomDrag({200, 100}, {400, 100}));
  EXPECT_FALSE(IsZoomDrag({200, 100}, {200, 100}));
  EXPECT_TRUE(IsZoomDrag({200, 100}, {201, 101}));
  EXPECT_EQ(ClampInto(kGraph, {20, 700}), QPoint(100, 450));
  EXPECT_EQ(ClampInto(kGraph, {600, 10}), QPoint(500, 50));
  EXPECT_EQ(ClampInto(kGraph, {250, 250}), QPoint(250, 250));
}

// ---- Geometry -----------------------------------------------------------------------------

struct WindowCase {
  const char* name;
  bool xOnTop;
  int sizeFont;
  const char* caption;
  bool captionOnTop;
  bool layers;
  TIntRect graph;
  TIntRect strip;
};

std::ostream& operator<<(std::ostream& os, const WindowCase& c) { return os << c.name; }

class WindowGeometryTest : public ::testing::TestWithParam<WindowCase> {};

// An 800 x 600 client at 96 pixels per inch with the 14 pixel window font.
TEST_P(WindowGeometryTest, GraphInsideTitlesAndLabels) {
  const WindowCase& c = GetParam();
  TGraphPlot plot;
  plot.SetXOnTop(c.xOnTop);
  plot.SetSizeFont(c.sizeFont);
  plot.SetUserCaption(QString::fromLatin1(c.caption));
  plot.SetUserCaptionOnTop(c.captionOnTop);
  plot.SetShowLayers(c.layers);
  const TDrawArea a = WindowDrawArea(plot, {800, 600}, {96, 96}, 14);
  EXPECT_EQ(a.Bounds, (TIntRect{0, 0, 800, 600}));
  EXPECT_EQ(a.GraphArea, c.graph);
  if (c.layers) {
    EXPECT_EQ(a.LayersArea, c.strip);
  }
  EXPECT_FALSE(a.PrintLegend);
  EXPECT_FALSE(a.MessedUp);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowGeometryTest,
    ::testing::Values(
        // H = 14: left 2H + PX/8 + H/8 = 41, right 800 - PX/4 - H/2 = 769
        WindowCase{"Depth", true, 10, "", false, false, {41, 41, 769, 569}, {}},
        WindowCase{"AxisBelow", false, 10, "", false, false, {41, 31, 769, 559}, {}},
        // a caption keeps the graph a text row smaller: above H/8 + H, below H
        WindowCase{"CaptionAbove", true, 10, "Pile P-3", true, false, {41, 56, 769, 569}, {}},
        WindowCase{"CaptionBelow", true, 10, "Pile P-3", false, false, {41, 41, 769, 555}, {}},
        WindowCase{"CaptionBelowAxisBelow", false, 10, "Pile P-3", false, false, {41, 31, 769, 545}, {}},
        // the strip takes an inch at the right, a fifth of it a gap
        WindowCase{"Layers", true, 10, "", false, true, {41, 41, 673, 569}, {692, 41, 769, 569}},
        // four times the font: H = 56
        WindowCase{"FourTimesFont", true, 40, "", false, false, {131, 131, 748, 548}, {}}));

TEST(BitmapGeometry, SixByFourInchesAtSeventyTwo) {
  TGraphPlot plot;
  const QSize pixels = BitmapPixels(6, 4, 72);
  EXPECT_EQ(pixels, QSize(432, 288));
  // The window's screen resolution, the bitmap's 11 pixel font.
  const TDrawArea a = BitmapDrawArea(plot, pixels, {96, 96}, WindowFontPixels(72));
  EXPECT_EQ(a.Bounds, (TIntRect{0, 0, 432, 288}));
  EXPECT_EQ(a.GraphArea, (TIntRect{35, 35, 403, 259}));
  EXPECT_TRUE(a.PrintLegend);
  EXPECT_TRUE(a.MessedUp);
  EXPECT_EQ(a.PixelsPerInch, QPoint(96, 96));
  // A caption keeps its band in a saved bitmap as in the window.
  plot.SetUserCaption(QStringLiteral("Pile P-3"));
  plot.SetUserCaptionOnTop(true);
  EXPECT_EQ(BitmapDrawArea(plot, pixels, {96, 96}, 11).GraphArea.Top, 35 + 1 + 11);
  EXPECT_EQ(BitmapPixels(6.5L, 4.25L, 100), QSize(650, 425));
}

struct PageCase {
  const char* name;
  bool xOnTop;
  const char* caption;
  bool captionOnTop;
  TPageMetrics page;
  TPageMargins margins;
  TIntRect bounds;
  TIntRect graph;
};

std::ostream& operator<<(std::ostream& os, const PageCase& c) { return os << c.name; }

class PrintGeometryTest : public ::testing::TestWithParam<PageCase> {};

// H = 175 at 1200 pixels per inch: 2H + PX/8 + H/8 = 521.
TEST_P(PrintGeometryTest, MarginsOffsetsAndGraph) {
  const PageCase& c = GetParam();
  TGraphPlot plot;
  plot.SetXOnTop(c.xOnTop);
  plot.SetUserCaption(QString::fromLatin1(c.caption));
  plot.SetUserCaptionOnTop(c.captionOnTop);
  const TDrawArea a = PrintDrawArea(plot, c.page, c.margins, WindowFontPixels(1200));
  EXPECT_EQ(a.Bounds, c.bounds);
  EXPECT_EQ(a.GraphArea, c.graph);
  EXPECT_TRUE(a.PrintLegend);
  EXPECT_FALSE(a.MessedUp);
}

const TPageMetrics kLetterPdf{{1200, 1200}, {0, 0}, {10200, 13200}};
const TPageMetrics kLetterPrinter{{1200, 1200}, {150, 100}, {9900, 13000}};

INSTANTIATE_TEST_SUITE_P(
    Pages, PrintGeometryTest,
    ::testing::Values(
        PageCase{"InchMargins", true, "", false, kLetterPdf, {}, {1200, 1200, 9000, 12000},
                 {1721, 1721, 9000, 12000}},
        PageCase{"AxisBelow", false, "", false, kLetterPdf, {}, {1200, 1200, 9000, 12000},
                 {1721, 1200, 9000, 11479}},
        // the painted origin is the printable corner; margins measure from the paper's edge
        PageCase{"UnprintableBorder", true, "", false, kLetterPrinter, {}, {1050, 1100, 8850, 11900},
                 {1571, 1621, 8850, 11900}},
        // margins inside the unprintable border start at the printable edge
        PageCase{"NarrowMargins", true, "", false, kLetterPrinter, {100, 50, 100, 50}, {0, 0, 9900, 13000},
                 {521, 521, 9900, 13000}},
        PageCase{"CaptionAbove", true, "Pile P-3", true, kLetterPdf, {}, {1200, 1200, 9000, 12000},
                 {1721, 2021, 9000, 12000}},
        PageCase{"CaptionBelow", true, "Pile P-3", false, kLetterPdf, {}, {1200, 1200, 9000, 12000},
                 {1721, 1721, 9000, 11400}},
        PageCase{"HalfInchMargins", true, "", false, kLetterPdf, {500, 500, 500, 500},
                 {600, 600, 9600, 12600}, {1121, 1121, 9600, 12600}}));

// ---- The legend box -----------------------------------------------------------------------

TEST(LegendBox, ListSizes) {
  EXPECT_EQ(LegendFontSize(10, 11), 11);
  EXPECT_EQ(LegendFontSize(15, 11), 16);
  EXPECT_EQ(LegendFontSize(40, 11), 44);
  EXPECT_EQ(LegendRowHeight(11, 96), 16);
  EXPECT_EQ(LegendRowHeight(44, 96), 66);
  EXPECT_EQ(LegendRowHeight(11, 192), 32);
  EXPECT_EQ(LegendBoxHeight(3, 16), 51);
  EXPECT_EQ(LegendBoxHeight(0, 16), 3);
  EXPECT_EQ(LegendBoxWidth(50, 96), 74);
  EXPECT_EQ(LegendBoxWidth(0, 48), 21);
}

TEST(LegendBox, PlacedAtTheGraphCornerAndKeptInside) {
  EXPECT_EQ(LegendAtGraphCorner({41, 41, 769, 569}, {74, 51}), QPoint(695, 518));
  EXPECT_EQ(KeepLegendInside({790, 590}, {74, 51}, {800, 600}), QPoint(726, 549));
  EXPECT_EQ(KeepLegendInside({-20, -5}, {74, 51}, {800, 600}), QPoint(0, 0));
  // A box larger than the window stays at its left and top edges.
  EXPECT_EQ(KeepLegendInside({300, 300}, {900, 700}, {800, 600}), QPoint(0, 0));
  EXPECT_EQ(KeepLegendInside({300, 200}, {74, 51}, {800, 600}), QPoint(300, 200));
}

TEST(LegendBox, OnPaperWhereTheWindowHasIt) {
  // Halfway across and a quarter down the window; two entries of 13 pixel text.
  const TIntRect r = LegendBoxRect({35, 35, 403, 259}, {0.5, 0.25}, 60, 13, 2, {96, 96});
  EXPECT_EQ(r, (TIntRect{219, 91, 297, 126}));
}

TEST(LegendBox, KeptOnThePaper) {
  const TIntRect page{0, 0, 432, 288};
  // Twenty entries placed halfway down: moved up until the last row is on the bitmap.
  EXPECT_EQ(KeepBoxInside({300, 150, 400, 473}, page), (TIntRect{300, 0, 400, 323}));
  // Too wide and too tall: at the left and top edges.
  EXPECT_EQ(KeepBoxInside({200, 100, 700, 500}, page), (TIntRect{0, 0, 500, 400}));
  EXPECT_EQ(KeepBoxInside({400, 250, 460, 300}, page), (TIntRect{372, 238, 432, 288}));
  EXPECT_EQ(KeepBoxInside({10, 20, 60, 70}, page), (TIntRect{10, 20, 60, 70}));
  // A page's bounds inside its margins.
  EXPECT_EQ(KeepBoxInside({8000, 11000, 9500, 12500}, {1200, 1200, 9000, 12000}),
            (TIntRect{7500, 10500, 9000, 12000}));
}

}  // namespace
