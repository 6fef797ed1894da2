// The elevation's geometry: the shaft's four parts to true scale, the drawing's extent, the
// world window matched to the window's shape, the pixel mapping and the texts.
#include "TSideViewGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Span {
  long double top, bottom, topWidth, bottomWidth;
};

struct ShaftCase {
  const char* name;
  long double D, R, angle, top, bs, L;
  long double lastBottom;
  Span parts[kShaftPartCount];
  long double dBottom;
};

TShaftProfile Profile(const ShaftCase& c) {
  TShaftProfile p;
  p.DSTART = c.D;
  p.RATIO = c.R;
  p.BELANGL = c.angle;
  p.TOPLENG = c.top;
  p.BS = c.bs;
  p.PD = c.L;
  p.Layers = {{1, c.lastBottom}};
  return p;
}

// Bell height of R = 2, D = 4 at 30 degrees: 4 (2 - 1) / 2 / tan(30 x 3.1416 / 180).
const long double kBell30 = 2 / std::tan(30 * 3.1416L / 180);

const ShaftCase kShafts[] = {
    // Straight shaft, both zones, over one layer to 50: the parts follow each other from
    // y = 2D.
    {"straight", 3, 1, 0, 5, 3, 40, 50,
     {{6, 11, 3, 3}, {11, 43, 3, 3}, {43, 46, 3, 3}, {46, 46, 3, 3}},
     59},
    // Belled: the bell widens to R D; the extent reaches the bell's bottom plus 3 D.
    {"belled", 4, 2, 30, 2, 1, 30, 20,
     {{8, 10, 4, 4}, {10, 37 - kBell30, 4, 4}, {37 - kBell30, 38 - kBell30, 4, 4},
      {38 - kBell30, 38, 4, 8}},
     38 + 12},
    // No length: the shaft reaches the last layer's bottom.
    {"no length", 2, 0, 0, 0, 0, 0, 30,
     {{4, 4, 2, 2}, {4, 34, 2, 2}, {34, 34, 2, 2}, {34, 34, 2, 0}},
     40},
    // A bell angle without a ratio above 1 is no bell.
    {"angle without bell", 2, 1, 45, 0, 0, 10, 12,
     {{4, 4, 2, 2}, {4, 14, 2, 2}, {14, 14, 2, 2}, {14, 14, 2, 2}},
     20},
};

TEST(SideViewGeometry, ShaftPartsAndExtentsFollowTheShaft) {
  for (const ShaftCase& c : kShafts) {
    SCOPED_TRACE(c.name);
    TShaftProfile profile = Profile(c);
    TSideViewGeometry g;
    g.Build(profile);
    ASSERT_EQ(g.ShaftSegments().size(), std::size_t(kShaftPartCount));
    for (int part = 0; part < kShaftPartCount; ++part) {
      SCOPED_TRACE(part);
      const TShaftQuad& q = g.ShaftSegments()[std::size_t(part)];
      const Span& e = c.parts[part];
      EXPECT_NEAR(double(q.TopLeft.y), double(e.top), 1e-9);
      EXPECT_NEAR(double(q.TopRight.y), double(e.top), 1e-9);
      EXPECT_NEAR(double(q.BottomLeft.y), double(e.bottom), 1e-9);
      EXPECT_NEAR(double(q.BottomRight.y), double(e.bottom), 1e-9);
      EXPECT_NEAR(double(q.TopRight.x - q.TopLeft.x), double(e.topWidth), 1e-12);
      EXPECT_NEAR(double(q.BottomRight.x - q.BottomLeft.x), double(e.bottomWidth), 1e-12);
      // Centred on the axis.
      EXPECT_NEAR(double(q.TopLeft.x + q.TopRight.x), 0, 1e-12);
      EXPECT_NEAR(double(q.BottomLeft.x + q.BottomRight.x), 0, 1e-12);
    }
    EXPECT_NEAR(double(g.DBottom), double(c.dBottom), 1e-9);
    EXPECT_EQ(g.DTop, 0);
    const long double widest = std::max(c.D, c.R * c.D);
    EXPECT_NEAR(double(g.DLeft), double(-widest / 2), 1e-12);
    EXPECT_NEAR(double(g.DRight), double(widest / 2), 1e-12);
  }
}

TEST(SideViewGeometry, BellOfRatioTwoAtThirtyDegrees) {
  TShaftProfile p;
  p.DSTART = 4;
  p.RATIO = 2;
  p.BELANGL = 30;
  p.PD = 30;
  p.Layers = {{1, 40}};
  TSideViewGeometry g;
  g.Build(p);
  const TShaftQuad& bell = g.ShaftSegments()[kShaftBell];
  EXPECT_NEAR(double(bell.BottomLeft.y - bell.TopLeft.y), 3.4641, 1e-3);
  EXPECT_EQ(bell.BottomRight.x - bell.BottomLeft.x, 8);
  EXPECT_EQ(bell.TopRight.x - bell.TopLeft.x, 4);
}

TEST(SideViewGeometry, ShaftLengthZeroTakesTheLastLayerBottom) {
  TShaftProfile p;
  p.DSTART = 3;
  p.PD = 0;
  p.Layers = {{1, 20}, {2, 45}};
  TSideViewGeometry g;
  g.Build(p);
  EXPECT_EQ(p.PD, 45);  // goes back into the document
  EXPECT_EQ(g.ShaftSegments()[kShaftBell].BottomLeft.y, 45 + 6);
}

TEST(SideViewGeometry, WithoutLayersOnlyTheOldShaftGoes) {
  TShaftProfile p;
  p.DSTART = 3;
  p.PD = 20;
  p.Layers = {{1, 30}};
  TSideViewGeometry g;
  g.Build(p);
  const long double bottom = g.DBottom;
  p.Layers.clear();
  p.PD = 0;
  g.Build(p);
  EXPECT_TRUE(g.ShaftSegments().empty());
  EXPECT_EQ(g.DBottom, bottom);
  EXPECT_EQ(p.PD, 0);  // nothing written back
  // A new view starts from its default extent.
  TSideViewGeometry fresh;
  fresh.Build(p);
  EXPECT_EQ(fresh.DLeft, -10);
  EXPECT_EQ(fresh.DRight, 10);
  EXPECT_EQ(fresh.DTop, 0);
  EXPECT_EQ(fresh.DBottom, 10);
}

TEST(SideViewGeometry, ValuesWithoutFiniteDrawingAreRefusedAndNameTheValue) {
  const long double inf = std::numeric_limits<long double>::infinity();
  struct Case {
    long double D, L;
    const char* named;
  } cases[] = {{inf, 20, "the shaft diameter"}, {3, inf, "the shaft length"},
               {std::nanl(""), 20, "the shaft diameter"}};
  for (const Case& c : cases) {
    TShaftProfile p;
    p.DSTART = c.D;
    p.PD = c.L;
    p.Layers = {{1, 30}};
    TSideViewGeometry g;
    try {
      g.Build(p);
      ADD_FAILURE() << "accepted " << c.named;
    } catch (const TShaftGeometryError& e) {
      EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Invalid argument"))) << e.what();
      EXPECT_TRUE(e.Message().contains(QString::fromLatin1(c.named))) << e.what();
    }
    EXPECT_TRUE(g.ShaftSegments().empty());
  }
}

// The straight shaft of the first case: extent x -1.5..1.5, y 0..59.
TSideViewGeometry StraightShaft() {
  TShaftProfile p = Profile(kShafts[0]);
  TSideViewGeometry g;
  g.Build(p);
  return g;
}

TEST(SideViewGeometry, FitGivesBothDirectionsOneScale) {
  struct Case {
    int w, h;
    long double left, right, top, bottom;
  } const cases[] = {
      // Ten times wider than the drawing's shape: x is widened ten times.
      {300, 590, -15, 15, 0, 59},
      // Exactly the drawing's shape.
      {30, 590, -1.5, 1.5, 0, 59},
      // Narrower: y is lengthened.
      {15, 590, -1.5, 1.5, 0, 118},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.w);
    TSideViewGeometry g = StraightShaft();
    EXPECT_EQ(g.Fit(c.w, c.h), TFitOutcome::Fitted);
    EXPECT_NEAR(double(g.Left), double(c.left), 1e-9);
    EXPECT_NEAR(double(g.Right), double(c.right), 1e-9);
    EXPECT_NEAR(double(g.Top), double(c.top), 1e-9);
    EXPECT_NEAR(double(g.Bottom), double(c.bottom), 1e-9);
    // One world unit is as many pixels across as down.
    EXPECT_NEAR(double(c.w / (g.Right - g.Left)), double(c.h / (g.Bottom - g.Top)), 1e-9);
    EXPECT_FALSE(g.NoDraw());
  }
}

TEST(SideViewGeometry, FailedFitStopsTheDrawingForGood) {
  struct Case {
    const char* name;
    int w, h;
    TFitOutcome outcome;
  } cases[] = {
      {"zero size both ways", 0, 0, TFitOutcome::Invalid},
      {"no width", 0, 400, TFitOutcome::Invalid},
      {"no height", 400, 0, TFitOutcome::Unscaled},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TSideViewGeometry g = StraightShaft();
    EXPECT_EQ(g.Fit(c.w, c.h), c.outcome);
    const bool stopped = c.outcome == TFitOutcome::Invalid;
    EXPECT_EQ(g.NoDraw(), stopped);
    if (!stopped) {
      EXPECT_EQ(g.Left, g.DLeft);
      EXPECT_EQ(g.Bottom, g.DBottom);
    }
    // A good size later does not bring a stopped view back.
    g.Fit(300, 600);
    EXPECT_EQ(g.NoDraw(), stopped);
  }
}

TEST(SideViewGeometry, PixelsRoundToNearestWithHalvesToEven) {
  TSideViewGeometry g = StraightShaft();
  g.Left = 0;
  g.Right = 8;
  g.Top = 0;
  g.Bottom = 8;
  // One pixel per world unit on 8 pixels: 2.5 -> 2, 3.5 -> 4, 2.625 -> 3.
  EXPECT_EQ(g.ScreenX(2.5L, 8), 2);
  EXPECT_EQ(g.ScreenX(3.5L, 8), 4);
  EXPECT_EQ(g.ScreenY(2.625L, 8), 3);
  EXPECT_EQ(RoundHalfEven(-2.5L), -2);
  EXPECT_EQ(RoundHalfEven(5.5L), 6);
}

TEST(SideViewGeometry, DepthReadOutIsTheDepthBelowTheGround) {
  TSideViewGeometry g = StraightShaft();  // D = 3: the ground at y = 6
  ASSERT_EQ(g.Fit(30, 590), TFitOutcome::Fitted);
  // Row 160 of 590 is world y 16, depth 10.
  EXPECT_EQ(g.DepthReadOut(160, 590), QStringLiteral("  Depth: 10.0"));
  EXPECT_EQ(g.DepthReadOut(0, 590), QStringLiteral("  Depth: -6.0"));
  EXPECT_EQ(g.DepthReadOut(295, 590), QStringLiteral("  Depth: 23.5"));
}

TEST(SideViewGeometry, LayerLabelsOnScreenAndOnPaper) {
  EXPECT_EQ(LayerLabel(1, 10, 25, 2), QStringLiteral("Layer 2; depth= 10.00 - 25.00; Clay"));
  EXPECT_EQ(LayerLabel(1, 10, 25, 2, DepthUnitWord(1)),
            QStringLiteral("Layer 2; depth= 10.00 - 25.00 ft; Clay"));
  EXPECT_EQ(LayerLabel(0, 0, 3.456L, 5, DepthUnitWord(2)),
            QStringLiteral("Layer 1; depth= 0.00 - 3.46 m; Decomposed Rock/Gravel"));
  EXPECT_EQ(LayerLabel(3, 1, 2, 11), QStringLiteral("Layer 4; depth= 1.00 - 2.00; "));
}

}  // namespace
