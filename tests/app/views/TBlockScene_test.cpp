// The 3D scene as geometry, without OpenGL: the block's extents, the shaft's pieces with
// the bell, the faces wound to face outward (culling keeps only those), the water plane and
// its marks, the layer slabs, the labels, and the result diagrams from the combined plot.
#include "TBlockScene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "SizeFactorStep.h"
#include "TGraphPlot.h"
#include "TResultDiagrams.h"
#include "UnitsTitle.h"
#include "ValueLabel.h"

namespace {

TShaftProfile Profile(double D, double L, double WTD, std::vector<TSoilLayerRow> layers) {
  TShaftProfile p;
  p.DSTART = D;
  p.PD = L;
  p.WTD = WTD;
  p.Layers = std::move(layers);
  return p;
}

TEST(BlockExtents, BlockAroundTheShaftAndDeepAsShaftOrProfile) {
  struct Case {
    const char* name;
    TShaftProfile profile;
    double Xmax, Ymax, Zmax, Dmax;
  };
  TShaftProfile designLoad = Profile(3, 20, 10, {{1, 50}, {2, 70}});
  designLoad.METHOD = 1;  // the length is the analysis' answer: the profile's bottom counts
  designLoad.PD = 90;
  const Case cases[] = {
      {"one layer to 50", Profile(3, 40, 10, {{1, 50}}), 37.5, 37.5, 50, 100},
      {"deep water widens x only", Profile(3, 40, 60, {{1, 50}}), 60, 37.5, 50, 100},
      {"shaft below the profile", Profile(2, 80, 0, {{1, 50}}), 25, 25, 80, 160},
      {"design load", designLoad, 37.5, 37.5, 70, 140},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TSceneExtents e = GetMaxDims(c.profile);
    EXPECT_DOUBLE_EQ(e.Xmax, c.Xmax);
    EXPECT_DOUBLE_EQ(e.Xmin, -c.Xmax);
    EXPECT_DOUBLE_EQ(e.Ymax, c.Ymax);
    EXPECT_DOUBLE_EQ(e.Ymin, -c.Ymax);
    EXPECT_DOUBLE_EQ(e.Zmax, c.Zmax);
    EXPECT_DOUBLE_EQ(e.Zmin, -c.Zmax);
    EXPECT_DOUBLE_EQ(e.DX, 2 * c.Xmax);
    EXPECT_DOUBLE_EQ(e.DY, 2 * c.Ymax);
    EXPECT_DOUBLE_EQ(e.DZ, 2 * c.Zmax);
    EXPECT_DOUBLE_EQ(e.Dmax, c.Dmax);
    EXPECT_DOUBLE_EQ(e.Centre().z, -c.Zmax / 2);
  }
}

TEST(BlockShaft, BellHeightUsesPiAsThreePointOneFour) {
  // |12 - 4| / 2 / tan(45 x 3.14 / 180): a little over 4.
  const double h = GetBellLength(4, 3, 45);
  EXPECT_GT(h, 4);
  EXPECT_NEAR(h, 4 / std::tan(45 * 3.14 / 180), 1e-12);
  EXPECT_NEAR(h, 4.0032, 1e-4);
  // A ratio below 1 narrows: the height is the same for the same difference of diameters.
  EXPECT_NEAR(GetBellLength(4, 0.5, 45), 1 / std::tan(45 * 3.14 / 180), 1e-12);
}

struct PieceRow {
  TShaftPieceKind kind;
  double topZ, bottomZ, dTop, dBottom;
  TSceneColor color;
};

TEST(BlockShaft, PiecesZonesAndRingsFromTopToTip) {
  const double hb = 4 / std::tan(45 * 3.14 / 180);
  struct Case {
    const char* name;
    double D, L, top, bs, R, angle;
    std::vector<PieceRow> pieces;
    std::vector<double> rings;
    double base;
  } const cases[] = {
      {"straight with both zones", 3, 40, 5, 3, 0, 0,
       {{TShaftPieceKind::TopZone, 0, -5, 3, 3, scene_color::kStraightZone},
        {TShaftPieceKind::Middle, -5, -37, 3, 3, scene_color::kShaftBody},
        {TShaftPieceKind::BottomZone, -37, -40, 3, 3, scene_color::kStraightZone}},
       {-5, -37},
       3},
      {"belled with both zones", 4, 30, 2, 1, 3, 45,
       {{TShaftPieceKind::TopZone, 0, -2, 4, 4, scene_color::kBelledZone},
        {TShaftPieceKind::Middle, -2, -(29 - hb), 4, 4, scene_color::kShaftBody},
        {TShaftPieceKind::BottomZone, -(29 - hb), -(30 - hb), 4, 4, scene_color::kBelledZone},
        {TShaftPieceKind::Bell, -(30 - hb), -30, 4, 12, scene_color::kShaftBody}},
       {-2, -(29 - hb), -(30 - hb)},
       12},
      {"plain", 2, 10, 0, 0, 0, 0,
       {{TShaftPieceKind::Middle, 0, -10, 2, 2, scene_color::kShaftBody}},
       {},
       2},
      // A bell angle without a ratio is a straight shaft.
      {"angle only", 2, 10, 0, 0, 0, 30,
       {{TShaftPieceKind::Middle, 0, -10, 2, 2, scene_color::kShaftBody}},
       {},
       2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TShaftProfile p = Profile(c.D, c.L, 0, {{1, 50}});
    p.TOPLENG = c.top;
    p.BS = c.bs;
    p.RATIO = c.R;
    p.BELANGL = c.angle;
    const TShaftLayout s = ShaftLayout(p);
    ASSERT_EQ(s.Pieces.size(), c.pieces.size());
    for (std::size_t i = 0; i < c.pieces.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(s.Pieces[i].Kind, c.pieces[i].kind);
      EXPECT_NEAR(s.Pieces[i].TopZ, c.pieces[i].topZ, 1e-9);
      EXPECT_NEAR(s.Pieces[i].BottomZ, c.pieces[i].bottomZ, 1e-9);
      EXPECT_EQ(s.Pieces[i].TopDiameter, c.pieces[i].dTop);
      EXPECT_EQ(s.Pieces[i].BottomDiameter, c.pieces[i].dBottom);
      EXPECT_EQ(s.Pieces[i].Color, c.pieces[i].color);
    }
    ASSERT_EQ(s.RingZ.size(), c.rings.size());
    for (std::size_t i = 0; i < c.rings.size(); ++i) EXPECT_NEAR(s.RingZ[i], c.rings[i], 1e-9);
    EXPECT_EQ(s.BaseDiameter, c.base);
  }
}

TVec3 Newell(const std::vector<TVec3>& v) {
  TVec3 n;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const TVec3 a = v[i], b = v[(i + 1) % v.size()];
    n = n + TVec3{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
  }
  return n;
}

TVec3 Mean(const std::vector<TVec3>& v) {
  TVec3 s;
  for (const TVec3& p : v) s = s + p;
  return s / double(v.size());
}

TEST(BlockShaft, FacesLookOutwardAndCirclesHaveTwentySegments) {
  TShaftProfile p = Profile(4, 30, 0, {{1, 50}});
  p.TOPLENG = 2;
  p.BS = 1;
  p.RATIO = 3;
  p.BELANGL = 45;
  TBlockOptions options;
  options.ShowWaterLevel = options.ShowSoilLayers = false;
  const TBlockScene scene = BuildBlockScene(p, GetMaxDims(p), options, nullptr);
  ASSERT_FALSE(scene.Shaft.empty());
  int fans = 0, rings = 0;
  for (const TScenePrimitive& prim : scene.Shaft) {
    if (prim.Kind == TPrimitiveKind::TriangleFan) {
      ++fans;
      // Outward: the normal points up at the head, down at the tip, and away from the axis
      // on the mantle.
      const TVec3 centre = Mean(prim.Vertices);
      const TVec3 n = Newell(prim.Vertices);
      const bool level = std::all_of(prim.Vertices.begin(), prim.Vertices.end(),
                                     [&](const TVec3& v) { return v.z == centre.z; });
      const TVec3 out = level ? TVec3{0, 0, centre.z > -1 ? 1.0 : -1.0}
                              : TVec3{centre.x, centre.y, 0};
      EXPECT_GT(Dot(n, out), 0) << "face at z " << centre.z;
    } else if (prim.Kind == TPrimitiveKind::LineStrip) {
      ++rings;
      EXPECT_EQ(prim.Vertices.size(), std::size_t(kCircleSegments + 1));
      EXPECT_EQ(prim.Color, scene_color::kRing);
      EXPECT_NEAR((prim.Vertices.front() - prim.Vertices.back()).Length(), 0, 1e-9);
    }
  }
  // Head and tip discs, 20 side faces for each of four pieces.
  EXPECT_EQ(fans, 2 + 4 * kCircleSegments);
  // Head, top zone, bottom zone, bell top and tip.
  EXPECT_EQ(rings, 5);
}

TEST(BlockWater, PlaneAndTwentyFiveMarksAtTheWaterTable) {
  TShaftProfile p = Profile(3, 40, 10, {{1, 50}});
  TBlockOptions options;
  options.ShowShaft = options.ShowSoilLayers = false;
  const TSceneExtents e = GetMaxDims(p);
  const TBlockScene scene = BuildBlockScene(p, e, options, nullptr);
  int planes = 0, markFaces = 0, outlines = 0;
  std::vector<TVec3> apexes;
  for (const TScenePrimitive& prim : scene.Soil) {
    if (prim.Color == scene_color::kWaterPlane) {
      ++planes;
      ASSERT_EQ(prim.Vertices.size(), 4u);
      for (const TVec3& v : prim.Vertices) {
        EXPECT_EQ(v.z, -10);
        EXPECT_EQ(std::fabs(v.x), 37.5);
        EXPECT_EQ(std::fabs(v.y), 37.5);
      }
    } else if (prim.Color == scene_color::kWaterMark) {
      ++markFaces;
      for (const TVec3& v : prim.Vertices) {
        EXPECT_TRUE(v.z == -10 || v.z == -10 + 1.5) << v.z;
        if (v.z == -10) apexes.push_back(v);
      }
    } else if (prim.Color == scene_color::kWaterOutline) {
      ++outlines;
    }
  }
  EXPECT_EQ(planes, 2);  // seen from above and from below
  EXPECT_EQ(markFaces, 25 * 5);
  EXPECT_EQ(outlines, 1 + 25);
  // Apexes from Xmin + D/2 to Xmax - D/2 in four steps: -36, -18, 0, 18, 36.
  for (double x : {-36.0, -18.0, 0.0, 18.0, 36.0})
    for (double y : {-36.0, -18.0, 0.0, 18.0, 36.0}) {
      const bool found = std::any_of(apexes.begin(), apexes.end(), [&](const TVec3& a) {
        return std::fabs(a.x - x) < 1e-9 && std::fabs(a.y - y) < 1e-9;
      });
      EXPECT_TRUE(found) << x << ", " << y;
    }
}

TEST(BlockSoil, SlabsInLayerColoursWithLabels) {
  TShaftProfile p = Profile(3, 40, 10, {{2, 12}, {1, 30}, {11, 30}, {6, 50}});
  TBlockOptions options;
  options.ShowShaft = options.ShowWaterLevel = false;
  options.ShowSoilLayerLabels = options.ShowSoilLayerDepthLabels = true;
  const TBlockScene scene = BuildBlockScene(p, GetMaxDims(p), options, nullptr);
  // Three boxes (the third layer has no thickness): six faces and one set of edges each.
  ASSERT_EQ(scene.Soil.size(), 3u * 7);
  const int rows[] = {0, 1, 3};
  for (int box = 0; box < 3; ++box) {
    const TScenePrimitive& face = scene.Soil[std::size_t(box * 7)];
    const TScenePrimitive& edges = scene.Soil[std::size_t(box * 7 + 6)];
    EXPECT_EQ(face.Color, LayerColor(rows[box], 0.5f));
    EXPECT_EQ(edges.Kind, TPrimitiveKind::Lines);
    EXPECT_EQ(edges.Vertices.size(), 24u);
    EXPECT_EQ(edges.Color, LayerColor(rows[box], 1));
  }
  EXPECT_EQ(LayerColor(0, 1), (TSceneColor{0.8f, 0.55f, 0, 1}));
  EXPECT_EQ(LayerColor(13, 1), LayerColor(3, 1));
  EXPECT_EQ(LayerColor(6, 1), (TSceneColor{0.8f, 0, 0.8f, 1}));

  struct Label {
    const char* text;
    TVec3 at;
  } const labels[] = {
      {"0.00", {-37.5, -37.5, 0}},        {"Clay", {37.5, 37.5, -6}},
      {"12.00", {-37.5, -37.5, -12}},     {"Sand", {37.5, 37.5, -21}},
      {"30.00", {-37.5, -37.5, -30}},     {"Layer 3", {37.5, 37.5, -30}},
      {"30.00", {-37.5, -37.5, -30}},     {"50.00", {-37.5, -37.5, -50}},
      {"Weak Rock", {37.5, 37.5, -40}},
  };
  ASSERT_EQ(scene.Labels.size(), std::size(labels));
  for (std::size_t i = 0; i < std::size(labels); ++i) {
    EXPECT_EQ(scene.Labels[i].Text, QString::fromLatin1(labels[i].text)) << i;
    EXPECT_EQ(scene.Labels[i].Position, labels[i].at) << i;
    EXPECT_EQ(scene.Labels[i].Color, scene_color::kLabel);
  }
  // Without soil layers their labels go too.
  options.ShowSoilLayers = false;
  EXPECT_TRUE(BuildBlockScene(p, GetMaxDims(p), options, nullptr).Labels.empty());
}

TEST(BlockSoil, NamesOfEveryTypeCode) {
  const char* names[] = {"Sand",      "Clay",        "Shale",         "Strong Rock(FHWA)",
                         "Decomposed Rock", "Weak Rock", "Strong Rock", "Gravelly Sand",
                         "Gravel"};
  for (int code = 1; code <= 9; ++code)
    EXPECT_EQ(SoilLabel(code, 0), QString::fromLatin1(names[code - 1]));
  EXPECT_EQ(SoilLabel(0, 4), QStringLiteral("Layer 5"));
}

// Three lines of (value, depth) points.
void Fill(TGraphPlot& plot, const std::vector<std::vector<TFloatPoint>>& lines) {
  plot.SetLineCount(int(lines.size()));
  plot.SetCount(int(lines[0].size()));
  for (std::size_t i = 0; i < lines.size(); ++i)
    for (std::size_t j = 0; j < lines[i].size(); ++j) plot.Data(int(i), int(j)) = lines[i][j];
}

TEST(BlockDiagrams, LargestValueIsTwoDiametersTimesTheFactorLong) {
  TGraphPlot plot;
  Fill(plot, {{{0, 0}, {50, 10}, {80, 20}}, {{0, 0}, {20, 10}, {30, 20}}, {{0, 0}, {70, 10}, {100, 20}}});
  TDiagramSettings s;
  s.D = 3;
  const std::vector<TResultDiagram> diagrams = BuildResultDiagrams(plot, s);
  ASSERT_EQ(diagrams.size(), 3u);
  const TResultDiagram& total = diagrams[kDiagramTotalCapacity];
  EXPECT_EQ(total.Color, scene_color::kTotalCapacity);
  ASSERT_EQ(total.Polylines.size(), 2u);
  // 100 of the largest 100 reaches x = 3 + 6 = 9; 70 (and for side friction 50) in scale.
  const std::vector<TVec3> last = total.Polylines[1];
  ASSERT_EQ(last.size(), 5u);
  EXPECT_EQ(last[0], (TVec3{3, 0, -20}));
  EXPECT_EQ(last[1], (TVec3{3, 0, -10}));
  EXPECT_NEAR(last[2].x, 3 + 0.7 * 6, 1e-12);
  EXPECT_NEAR(last[3].x, 9, 1e-12);
  EXPECT_EQ(last[4], (TVec3{3, 0, -20}));  // back to the line one diameter from the axis
  EXPECT_EQ(total.Polylines[0].size(), 4u);
  EXPECT_NEAR(diagrams[kDiagramSkinFriction].Polylines[0][2].x, 3, 1e-12);
  EXPECT_NEAR(diagrams[kDiagramSkinFriction].Polylines[0][3].x, 6, 1e-12);
  for (const TResultDiagram& d : diagrams)
    for (const auto& strip : d.Polylines)
      for (const TVec3& v : strip) EXPECT_EQ(v.y, 0);
  // Largest values and where they are written: 1.5 D past the bar's end.
  EXPECT_EQ(total.MaxValue, 100);
  EXPECT_EQ(total.MaxDepth, 20);
  EXPECT_EQ(total.ValueAnchor, (TVec3{4.5 + 6, 0, -20}));
  EXPECT_EQ(diagrams[kDiagramTipResistance].MaxValue, 30);

  // The factor doubles the bars.
  s.Factor = 2;
  EXPECT_NEAR(BuildResultDiagrams(plot, s)[kDiagramTotalCapacity].Polylines[1][3].x, 15, 1e-12);
}

TEST(BlockDiagrams, DepthsFromElevationsLessTheBottomPortion) {
  struct Case {
    const char* name;
    int useElevation;
    double valElevation, bs, vertical, depth;
  } const cases[] = {
      {"depth", 0, 0, 0, 12, 12},
      {"bottom portion", 0, 0, 3, 12, 9},
      {"never above ground", 0, 0, 3, 1, 0},
      {"elevation", 1, 100, 0, 88, 12},
      {"elevation and bottom portion", 1, 100, 2, 88, 10},
  };
  for (const Case& c : cases) {
    TDiagramSettings s;
    s.UseElevation = c.useElevation;
    s.ValElevation = c.valElevation;
    s.BS = c.bs;
    EXPECT_DOUBLE_EQ(DiagramDepth(c.vertical, s), c.depth) << c.name;
  }
}

TEST(BlockDiagrams, DepthsFollowTheDocumentsUnitsWhenTheyDifferFromTheResults) {
  // Results loaded in feet stay in feet when the document turns to SI (the plots keep
  // their units): the diagrams are drawn along a shaft measured in metres.
  constexpr double kFeetPerMetre = 3.280839895;
  struct Case {
    const char* name;
    int plotUnits, documentUnits;
    double tipDepth;  // where the plot's last point (40) is drawn
  } const cases[] = {
      {"both English", kPlotUnitsEnglish, 1, 40},
      {"both SI", kPlotUnitsSI, 2, 40},
      {"feet drawn in metres", kPlotUnitsEnglish, 2, 40 / kFeetPerMetre},
      {"metres drawn in feet", kPlotUnitsSI, 1, 40 * kFeetPerMetre},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TGraphPlot plot;
    Fill(plot, {{{0, 0}, {50, 40}}, {{0, 0}, {20, 40}}, {{0, 0}, {100, 40}}});
    plot.SetUnits(c.plotUnits);
    TShaftProfile p = Profile(1, 12, 0, {{1, 15}});
    p.Units = c.documentUnits;
    TBlockOptions options;
    options.ShowShaft = options.ShowWaterLevel = options.ShowSoilLayers = false;
    options.ShowUltimateEffects = options.ShowUltimateEffectsValues = true;
    const TBlockScene scene = BuildBlockScene(p, GetMaxDims(p), options, &plot);
    ASSERT_EQ(scene.Shaft.size(), 3u);
    EXPECT_NEAR(scene.Shaft[2].Vertices[0].z, -c.tipDepth, 1e-9);
    ASSERT_EQ(scene.Labels.size(), 3u);
    EXPECT_NEAR(scene.Labels[2].Position.z, -c.tipDepth, 1e-9);
  }
}

TEST(BlockLabels, ValueLabelsStepDownClearOfTheOnesBefore) {
  const QRectF a(100, 50, 60, 14);
  struct Case {
    const char* name;
    std::vector<QRectF> taken;
    QRectF box, placed;
  } const cases[] = {
      {"nothing before", {}, QRectF(120, 50, 60, 14), QRectF(120, 50, 60, 14)},
      {"clear already", {a}, QRectF(170, 50, 60, 14), QRectF(170, 50, 60, 14)},
      {"over the one before", {a}, QRectF(130, 52, 60, 14), QRectF(130, 68, 60, 14)},
      {"over two stacked", {a, a.translated(0, 16)}, QRectF(90, 50, 60, 14),
       QRectF(90, 82, 60, 14)},
      {"touching is clear", {a}, QRectF(160, 50, 60, 14), QRectF(160, 50, 60, 14)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ClearOfOthers(c.box, c.taken, 16), c.placed) << c.name;
}

TEST(BlockDiagrams, OnlyShownLinesAndNothingWithoutValues) {
  TGraphPlot plot;
  Fill(plot, {{{0, 0}, {50, 10}}, {{0, 0}, {20, 10}}, {{0, 0}, {100, 10}}});
  TDiagramSettings s;
  s.D = 3;
  s.Shown = {false, true, false};
  const auto shown = BuildResultDiagrams(plot, s);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Line, kDiagramTipResistance);
  // The hidden total capacity still sets the scale: 20 of 100 is 1.2 long.
  EXPECT_NEAR(shown[0].Polylines[0][3].x, 3 + 1.2, 1e-12);

  TGraphPlot zeros;
  Fill(zeros, {{{0, 0}, {0, 10}}, {{0, 0}, {0, 10}}, {{0, 0}, {0, 10}}});
  EXPECT_TRUE(BuildResultDiagrams(zeros, s).empty());
  EXPECT_TRUE(BuildResultDiagrams(TGraphPlot(), s).empty());
}

TEST(BlockDiagrams, SceneHasTheDiagramsAndTheirValuesOnlyWhenShown) {
  TGraphPlot plot;
  Fill(plot, {{{0, 0}, {50, 10}}, {{0, 0}, {20, 10}}, {{0, 0}, {100, 10}}});
  TShaftProfile p = Profile(3, 10, 5, {{1, 20}});
  TBlockOptions options;
  options.ShowShaft = options.ShowWaterLevel = options.ShowSoilLayers = false;
  EXPECT_TRUE(BuildBlockScene(p, GetMaxDims(p), options, &plot).Shaft.empty());
  options.ShowUltimateEffects = true;
  EXPECT_EQ(BuildBlockScene(p, GetMaxDims(p), options, &plot).Shaft.size(), 3u);
  EXPECT_TRUE(BuildBlockScene(p, GetMaxDims(p), options, &plot).Labels.empty());
  options.ShowUltimateEffectsValues = true;
  const TBlockScene scene = BuildBlockScene(p, GetMaxDims(p), options, &plot);
  ASSERT_EQ(scene.Labels.size(), 3u);
  EXPECT_EQ(scene.Labels[2].Text, QStringLiteral("100.000"));
  EXPECT_EQ(scene.Labels[2].Color, scene_color::kTotalCapacity);
  EXPECT_TRUE(BuildBlockScene(p, GetMaxDims(p), options, nullptr).Shaft.empty());
}

TEST(BlockLabels, ValuesInFixedOrExponentForm) {
  struct Case {
    double value;
    const char* text;
  } const cases[] = {
      {123456, "1.235E+05"}, {100000, "1.000E+05"}, {99999.5, "99999.500"},
      {12.3456, "12.346"},   {0.0011, "0.001"},     {0.001, "1.000E-03"},
      {0, "0.000E+00"},      {-250.5, "-250.500"},  {-2.5e-7, "-2.500E-07"},
  };
  for (const Case& c : cases) EXPECT_EQ(GetValueLabel(c.value), QString::fromLatin1(c.text)) << c.value;
}

TEST(BlockSizeFactor, ArrowsStepByTheLeadingDigit) {
  struct Case {
    long double from, up, down;
  } const cases[] = {
      {1, 2, 0.9L},     {2, 3, 1},       {9, 10, 8},      {10, 20, 9},
      {0.3L, 0.4L, 0.2L}, {0.1L, 0.2L, 0.09L}, {2.5L, 3, 1}, {1000, 2000, 900},
      {0, 1, 1},        {-3, 1, 1},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(double(StepSizeFactor(c.from, true)), double(c.up), 1e-15) << double(c.from);
    EXPECT_NEAR(double(StepSizeFactor(c.from, false)), double(c.down), 1e-15) << double(c.from);
  }
}

}  // namespace
