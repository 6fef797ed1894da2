// The drawing pass on pictures, pixel by pixel: lines in their palette colours through the
// pixels the mapping gives, markers, clipping, the legend box where its geometry says, the
// soil-layer strip, and the failure rules (a target under an inch, fewer than two points).
#include "DrawPlot.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "PlotLayout.h"
#include "PlotPalette.h"
#include "PlotScale.h"
#include "TGraphPlot.h"
#include "TPlotLegend.h"

namespace {

const QColor kWhite(Qt::white);
const QColor kBlack(Qt::black);

// A plot of horizontal lines: line i at depth 2 (i + 1) from x = 0 to 240; the depth range
// is 0..50 when the plot has up to 24 lines.
void HorizontalLines(TGraphPlot& plot, int lines) {
  plot.SetLineCount(lines);
  plot.SetCount(2);
  for (int i = 0; i < lines; ++i) {
    plot.Data(i, 0) = {0, 2.0L * (i + 1)};
    plot.Data(i, 1) = {240, 2.0L * (i + 1)};
  }
  // One point at (240, 50) fixes the ranges to 0..240 and 0..50.
  plot.Data(0, 1) = {240, 50};
  plot.Data(0, 0) = {240, 50};
}

struct Picture {
  QImage image;
  TDrawArea area;
  TPlotPicture picture;
  TPlotMapping map;

  QColor At(QPoint p) const { return image.pixelColor(p); }
  QColor At(int x, int y) const { return image.pixelColor(x, y); }
  QPoint Pixel(long double x, long double y) const { return map.ToPixel(x, y); }
  // Pixels of colour c in a rectangle.
  int Count(const QRect& r, const QColor& c) const {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += image.pixelColor(x, y) == c;
    return n;
  }
};

// The plot drawn as the window draws it (800 x 600, 96 pixels per inch, 14 pixel font).
Picture DrawWindow(const TGraphPlot& plot, QSize size = {800, 600}) {
  Picture p;
  p.image = QImage(size, QImage::Format_RGB32);
  p.image.fill(Qt::red);  // everything must be painted
  p.area = WindowDrawArea(plot, size, {96, 96}, 14);
  p.picture.Plot = &plot;
  p.picture.LogicBounds = *ComputeBounds(plot);
  TPlotLegend legend;
  legend.Rebuild(plot);
  p.picture.LegendLines = legend.Lines();
  p.map = {p.area.GraphArea, p.picture.LogicBounds, plot.XOnTop()};
  QPainter painter(&p.image);
  p.area.Canvas = &painter;
  DrawPlot(p.picture, p.area);
  return p;
}

TEST(DrawPlot, LineOfItsPaletteColourThroughTheMappedPixels) {
  TGraphPlot plot;
  plot.SetMarkers(0);
  plot.SetLineCount(2);
  plot.SetCount(3);
  plot.Data(0, 2) = {240, 50};  // line 0 hidden: it fixes the ranges and takes colour 0
  plot.Lines(0).SetVisible(false);
  plot.Data(1, 0) = {0, 10};
  plot.Data(1, 1) = {120, 25};
  plot.Data(1, 2) = {240, 25};
  const Picture p = DrawWindow(plot);
  const QColor blue = PlotPalette(1);
  ASSERT_EQ(p.area.GraphArea, (TIntRect{41, 41, 769, 569}));
  // (120, 25) is pixel (405, 305); the horizontal leg runs along row 305.
  EXPECT_EQ(p.Pixel(120, 25), QPoint(405, 305));
  EXPECT_EQ(p.At(405, 305), blue);
  for (int x = 420; x < 760; x += 17) EXPECT_EQ(p.At(x, 305), blue) << "x " << x;
  EXPECT_NE(p.At(600, 304), blue);
  EXPECT_NE(p.At(600, 306), blue);
  // The sloping leg passes through its midpoint (60, 17.5).
  EXPECT_EQ(p.At(p.Pixel(60, 17.5L)), blue);
  // The hidden line from (0, 0) to (240, 50) draws nothing.
  EXPECT_EQ(p.At(p.Pixel(170, 50.0L * 170 / 240)), kWhite);
  // The graph is framed in black.
  EXPECT_EQ(p.At(41, 300), kBlack);
  EXPECT_EQ(p.At(769, 300), kBlack);
  EXPECT_EQ(p.At(400, 569), kBlack);
  // Nothing left unpainted.
  EXPECT_EQ(p.Count(QRect(0, 0, 800, 600), QColor(Qt::red)), 0);
}

TEST(DrawPlot, MarkersOnEveryThirdPointInTheLineShape) {
  TGraphPlot plot;
  plot.SetMarkers(3);
  plot.SetLineCount(2);
  plot.SetCount(10);
  for (int j = 0; j < 10; ++j) {
    plot.Data(0, j) = {24.0L * j, 40};  // line 0 hidden
    plot.Data(1, j) = {24.0L * j, 20};
  }
  plot.Data(0, 9) = {240, 50};
  plot.Lines(0).SetVisible(false);
  const Picture p = DrawWindow(plot);
  const QColor blue = PlotPalette(1);
  // Line 1 has the square: its corners 2 pixels off each marked point.
  for (int j = 0; j < 10; ++j) {
    const QPoint at = p.Pixel(24.0L * j, 20);
    const bool marked = j % 3 == 0;
    EXPECT_EQ(p.At(at + QPoint(1, -2)), marked ? blue : kWhite) << "point " << j;
    EXPECT_EQ(p.At(at + QPoint(1, 2)), marked ? blue : kWhite) << "point " << j;
  }
}

TEST(DrawPlot, DepthZeroAtTheTopAndElevationsHighestAtTheTop) {
  TGraphPlot depth;
  HorizontalLines(depth, 5);
  const Picture d = DrawWindow(depth);
  // Line 4 at depth 10: a fifth of the way down.
  EXPECT_EQ(d.Pixel(100, 10).y(), 41 + 106);
  EXPECT_EQ(d.At(400, 41 + 106), PlotPalette(4));
  EXPECT_NE(d.At(400, 569 - 106), PlotPalette(4));

  TGraphPlot elevation;
  elevation.SetYreversed(true);
  elevation.SetLineCount(2);
  elevation.SetCount(2);
  elevation.Data(0, 0) = {0, 100};
  elevation.Data(0, 1) = {240, 40};
  elevation.Data(1, 0) = {0, 90};
  elevation.Data(1, 1) = {240, 90};
  const Picture e = DrawWindow(elevation);
  ASSERT_EQ(e.picture.LogicBounds, (TFloatRect{0, 240, 100, 40}));
  // Elevation 90 is a sixth of the way down; 100 is the top edge.
  EXPECT_EQ(e.Pixel(0, 100).y(), 41);
  EXPECT_EQ(e.Pixel(0, 90).y(), 41 + 88);
  EXPECT_EQ(e.At(400, 41 + 88), PlotPalette(1));
}

TEST(DrawPlot, TwentyFiveLines_TheFirstTwentyInTheirOwnColoursTheRestNotDrawn) {
  TGraphPlot plot;
  plot.SetMarkers(0);
  HorizontalLines(plot, 24);
  plot.SetLineCount(25);
  plot.Data(24, 0) = {0, 49};
  plot.Data(24, 1) = {240, 49};
  plot.ResetActiveLines();
  const Picture p = DrawWindow(plot);
  for (int i = 1; i < 25; ++i) {
    const QColor c = p.At(p.Pixel(110, plot.Data(i, 0).y));
    if (i < 20)
      EXPECT_EQ(c, PlotPalette(i)) << "line " << i;
    else
      EXPECT_EQ(c, kWhite) << "line " << i;
  }
}

TEST(DrawPlot, InactiveLineLeavesItsColourToTheNextActiveOne) {
  TGraphPlot plot;
  plot.SetMarkers(0);
  HorizontalLines(plot, 3);
  plot.Lines(1).SetActive(false);
  const Picture p = DrawWindow(plot);
  EXPECT_EQ(p.At(p.Pixel(110, 4)), kWhite);
  EXPECT_EQ(p.At(p.Pixel(110, 6)), PlotPalette(1));
}

TEST(DrawPlot, AllLinesInactive_AxesAndMarksStay) {
  TGraphPlot plot;
  HorizontalLines(plot, 3);
  for (int i = 0; i < 3; ++i) plot.Lines(i).SetActive(false);
  const Picture p = DrawWindow(plot);
  for (int i = 1; i < 3; ++i) EXPECT_EQ(p.At(p.Pixel(110, 2.0L * (i + 1))), kWhite);
  // The frame and the minor tick strokes along the top edge (major every 20, minor every 4).
  EXPECT_EQ(p.At(41, 300), kBlack);
  const int tick = p.Pixel(4, 0).x();
  EXPECT_EQ(p.At(tick, 41 + 3), kBlack);
  EXPECT_EQ(p.At(tick + 3, 41 + 3), kWhite);
}

TEST(DrawPlot, FewerThanTwoPoints_NoLineButAxes) {
  TGraphPlot plot;
  plot.SetLineCount(2);
  plot.SetCount(1);
  plot.Data(0, 0) = {240, 50};
  plot.Lines(1).SetCount(2);  // later lines do not count: line 0 has one point
  plot.Data(1, 1) = {240, 20};
  const Picture p = DrawWindow(plot);
  EXPECT_EQ(p.Count(QRect(42, 42, 726, 526), PlotPalette(1)), 0);
  EXPECT_EQ(p.Count(QRect(42, 42, 726, 526), PlotPalette(0)) > 0, true);  // dotted grid lines
  EXPECT_EQ(p.At(41, 300), kBlack);
}

TEST(DrawPlot, TargetUnderAnInch_OnlyWhite) {
  TGraphPlot plot;
  HorizontalLines(plot, 3);
  for (QSize size : {QSize(95, 500), QSize(500, 95)}) {
    const Picture p = DrawWindow(plot, size);
    EXPECT_EQ(p.Count(QRect(QPoint(0, 0), size), kWhite), size.width() * size.height());
  }
}

TEST(DrawPlot, ZoomedLinesAreClippedToTheGraph) {
  TGraphPlot plot;
  plot.SetMarkers(0);
  plot.SetLineCount(1);
  plot.SetCount(2);
  plot.Data(0, 0) = {0, 0};
  plot.Data(0, 1) = {240, 50};
  Picture p;
  p.image = QImage(800, 600, QImage::Format_RGB32);
  p.area = WindowDrawArea(plot, {800, 600}, {96, 96}, 14);
  p.picture.Plot = &plot;
  p.picture.LogicBounds = {100, 140, 20, 30};  // the line crosses this view corner to corner
  p.picture.LegendLines = {0};
  QPainter painter(&p.image);
  p.area.Canvas = &painter;
  DrawPlot(p.picture, p.area);
  painter.end();
  // Above the graph, where the line would run on, only white and the axis labels (black).
  int coloured = 0;
  for (int y = 0; y < 41; ++y)
    for (int x = 0; x < 800; ++x) {
      const QColor c = p.image.pixelColor(x, y);
      coloured += c != kWhite && c.red() != c.green();
    }
  EXPECT_EQ(coloured, 0);
}

TEST(DrawPlot, SavedBitmapHasTheLegendBoxWhereTheWindowHasIt) {
  TGraphPlot plot;
  plot.SetMarkers(0);
  plot.SetLineCount(3);
  plot.SetCount(2);
  const long double depths[] = {10, 15, 17};
  for (int i = 0; i < 3; ++i) {
    plot.Data(i, 0) = {0, depths[i]};
    plot.Data(i, 1) = {240, depths[i]};
    plot.Lines(i).SetLineName(QStringLiteral("Dia=%1 ft").arg(3 + i));
  }
  plot.Data(0, 1) = {240, 50};
  plot.Lines(1).SetVisible(false);  // not in the box

  // 6 x 4 inches at 72 pixels per inch; the window's legend halfway across, a quarter down.
  QImage image = QImage(BitmapPixels(6, 4, 72), QImage::Format_RGB32);
  ASSERT_EQ(image.size(), QSize(432, 288));
  TDrawArea area = BitmapDrawArea(plot, image.size(), {96, 96}, WindowFontPixels(72));
  TPlotPicture picture;
  picture.Plot = &plot;
  picture.LogicBounds = *ComputeBounds(plot);
  picture.LegendLines = {0, 1, 2};
  picture.LegendPlace = {0.5, 0.25};
  QPainter painter(&image);
  area.Canvas = &painter;
  DrawPlot(picture, area);
  painter.setFont(PlotFont(11, false));
  const QFontMetrics fm = painter.fontMetrics();
  painter.end();

  const int widest = fm.horizontalAdvance(QStringLiteral("Dia=5 ft"));
  const TIntRect box = LegendBoxRect(area.GraphArea, picture.LegendPlace, widest, fm.height(), 2,
                                     {96, 96});
  ASSERT_EQ(box.Left, 35 + 184);
  ASSERT_EQ(box.Top, 35 + 56);
  // Its outline, and inside it the white fill over line 2 at depth 17.
  for (int x = box.Left; x < box.Right; x += 5) {
    EXPECT_EQ(image.pixelColor(x, box.Top), kBlack) << x;
    EXPECT_EQ(image.pixelColor(x, box.Bottom - 1), kBlack) << x;
  }
  for (int y = box.Top; y < box.Bottom; y += 3) {
    EXPECT_EQ(image.pixelColor(box.Left, y), kBlack) << y;
    EXPECT_EQ(image.pixelColor(box.Right - 1, y), kBlack) << y;
  }
  const TPlotMapping map{area.GraphArea, picture.LogicBounds, true};
  const int row17 = map.ToPixel(0, 17).y();
  ASSERT_GT(row17, box.Top);
  ASSERT_LT(row17, box.Bottom);
  EXPECT_EQ(image.pixelColor(box.Left + 2, row17), kWhite);
  EXPECT_EQ(image.pixelColor(box.Left - 5, row17), PlotPalette(2));
  EXPECT_EQ(image.pixelColor(box.Right + 5, row17), PlotPalette(2));
  // Two rows of text in the entries' colours: entry 0 black, entry 2 red.
  const QRect inside(box.Left + 1, box.Top + 1, box.Right - box.Left - 2, box.Bottom - box.Top - 2);
  int red = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
    }
  EXPECT_GT(red, 10);
}

TEST(DrawPlot, LegendBoxTallerThanItsPlaceLeavesStaysWhole) {
  // Fifteen load curves with the window's legend near its bottom-right corner: on a 6 x 4
  // inch bitmap the box is moved up until its last row, line 14's, is on the picture.
  TGraphPlot plot;
  HorizontalLines(plot, 15);
  QImage image(432, 288, QImage::Format_RGB32);
  TDrawArea area = BitmapDrawArea(plot, image.size(), {96, 96}, 11);
  TPlotPicture picture;
  picture.Plot = &plot;
  picture.LogicBounds = *ComputeBounds(plot);
  for (int i = 0; i < 15; ++i) picture.LegendLines.push_back(i);
  picture.LegendPlace = {0.85, 0.6};
  QPainter painter(&image);
  area.Canvas = &painter;
  DrawPlot(picture, area);
  painter.end();
  // The bottom outline on the last row of the bitmap, the box's right edge left of it.
  int outline = 0;
  for (int x = 300; x < 432; ++x) outline += image.pixelColor(x, 287) == kBlack;
  EXPECT_GT(outline, 40);
  // Line 14's entry, in its colour, just above that edge.
  int lastEntry = 0;
  for (int y = 287 - 20; y < 287; ++y)
    for (int x = 300; x < 432; ++x) lastEntry += image.pixelColor(x, y) == PlotPalette(14);
  EXPECT_GT(lastEntry, 5);
}

TEST(DrawPlot, WindowTargetPaintsNoLegendBox) {
  // The window shows its legend as a list over the picture; the picture has no box, so
  // line 1 at depth 4 runs on where a box at the graph's top-left corner would be.
  TGraphPlot plot;
  plot.SetMarkers(0);
  HorizontalLines(plot, 2);
  const Picture p = DrawWindow(plot);
  ASSERT_EQ(p.picture.LegendPlace, QPointF(0, 0));
  EXPECT_EQ(p.At(p.area.GraphArea.Left + 3, p.Pixel(0, 4).y()), PlotPalette(1));
}

TEST(DrawPlot, SoilLayerStripWithBandsLabelsAndFills) {
  TGraphPlot plot;
  HorizontalLines(plot, 2);
  plot.SetShowLayers(true);
  plot.SetLayerLineCount(2);
  plot.SetLayerCount(1);
  plot.LayerLines(0).SetLineName(QStringLiteral(" CLAY "));
  plot.LayerData(0, 0) = {1, 20};  // hatch
  plot.LayerLines(1).SetLineName(QStringLiteral(" SAND "));
  plot.LayerData(1, 0) = {7, 50};  // dots
  const Picture p = DrawWindow(plot);
  const TIntRect& strip = p.area.LayersArea;
  ASSERT_EQ(strip, (TIntRect{692, 41, 769, 569}));
  const int top = p.Pixel(0, 0).y();
  const int boundary = p.Pixel(0, 20).y();
  const int bottom = p.Pixel(0, 50).y();
  // Band outlines: the top, the boundary between the layers, the sides.
  for (int x = strip.Left; x < strip.Right - 1; x += 4) {
    EXPECT_EQ(p.At(x, top), kBlack) << x;
    EXPECT_EQ(p.At(x, boundary), kBlack) << x;
  }
  EXPECT_EQ(p.At(strip.Left, (top + boundary) / 2), kBlack);
  EXPECT_EQ(p.At(strip.Right - 2, (boundary + bottom) / 2), kBlack);
  EXPECT_EQ(p.At(strip.Right - 1, (boundary + bottom) / 2), kWhite);
  // Both bands are filled (some black inside, mostly white), away from the labels.
  const QRect clay(strip.Left + 2, top + 2, strip.Width() - 5, (boundary - top) / 2 - 12);
  const QRect sand(strip.Left + 2, boundary + 2, strip.Width() - 5, 60);
  for (const QRect& band : {clay, sand}) {
    const int black = p.Count(band, kBlack);
    EXPECT_GT(black, band.width() * band.height() / 100);
    EXPECT_LT(black, band.width() * band.height() / 2);
  }
  // A label on white in the middle of each band, centred in the strip.
  const int clayMiddle = (top + boundary) / 2;
  const QRect label(strip.Left + 10, clayMiddle - 4, strip.Width() - 20, 8);
  EXPECT_GT(p.Count(label, kWhite), label.width() * label.height() / 3);
  EXPECT_GT(p.Count(label, kBlack) + label.width() * label.height() - p.Count(label, kWhite), 0);
  // The graph is an inch narrower; the gap between graph and strip is white.
  EXPECT_EQ(p.area.GraphArea.Right, 673);
  EXPECT_EQ(p.Count(QRect(675, 300, 15, 10), kWhite), 150);
}

TEST(DrawPlot, PrintedPatternsCoverThePaperTheScreenOnesCoverOfTheScreen) {
  TGraphPlot plot;
  HorizontalLines(plot, 2);
  plot.SetShowLayers(true);
  plot.SetLayerLineCount(1);
  plot.SetLayerCount(1);
  plot.LayerData(0, 0) = {9, 50};  // brick
  QImage page(1700, 2200, QImage::Format_RGB32);  // a letter page at 200 pixels per inch
  TPageMetrics metrics{{200, 200}, {0, 0}, {1700, 2200}};
  TDrawArea area = PrintDrawArea(plot, metrics, {}, WindowFontPixels(200));
  TPlotPicture picture;
  picture.Plot = &plot;
  picture.LogicBounds = *ComputeBounds(plot);
  picture.LegendLines = {0, 1};
  QPainter painter(&page);
  area.Canvas = &painter;
  DrawPlot(picture, area);
  painter.end();
  // A screen brick course is 10.5 pixels at 96 pixels per inch, about 9 an inch; the print
  // version draws them as large on paper. Some columns run along a joint: take the best.
  const TIntRect& s = area.LayersArea;
  int courses = 0;
  for (int x = s.Left + 10; x < s.Right - 10; x += 7) {
    int lines = 0;
    bool inLine = false;
    for (int y = s.Top + 200; y < s.Top + 400; ++y) {
      const bool black = page.pixelColor(x, y).lightness() < 128;
      lines += black && !inLine;
      inLine = black;
    }
    courses = std::max(courses, lines);
  }
  EXPECT_GE(courses, 6);
  EXPECT_LE(courses, 12);
}

}  // namespace
