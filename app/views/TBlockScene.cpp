#include "TBlockScene.h"

#include <array>
#include <cmath>
#include <numbers>

#include "TGraphPlot.h"
#include "TResultDiagrams.h"
#include "ValueLabel.h"

namespace {

// Pi of the 3D view's bell height.
constexpr double kBellPi = 3.14;

constexpr std::array<std::array<float, 3>, 10> kLayerColors = {{
    {0.8f, 0.55f, 0}, {0.55f, 0.4f, 0.2f}, {0.4f, 0.4f, 0.2f}, {0.4f, 0.4f, 0.55f},
    {0, 0.5f, 0.5f}, {0.2f, 0.2f, 0.55f}, {0.8f, 0, 0.8f}, {0.4f, 0.4f, 0.55f},
    {0.15f, 0.15f, 0.45f}, {0.65f, 0.4f, 0.2f},
}};

constexpr const char* kSoilNames[9] = {"Sand",      "Clay",        "Shale",
                                       "Strong Rock(FHWA)", "Decomposed Rock",
                                       "Weak Rock", "Strong Rock", "Gravelly Sand", "Gravel"};

using Part = std::vector<TScenePrimitive>;

// A layer boundary's depth as written beside the block: two decimals, as in the elevation.
QString DepthLabel(double depth) { return QString::number(depth, 'f', 2); }

// The face's normal by Newell's rule, sound also when two corners coincide.
TVec3 Normal(const std::vector<TVec3>& v) {
  TVec3 n;
  for (std::size_t i = 0; i < v.size(); ++i) n = n + Cross(v[i], v[(i + 1) % v.size()]);
  return n;
}

TVec3 Centroid(const std::vector<TVec3>& v) {
  TVec3 sum;
  for (const TVec3& p : v) sum = sum + p;
  return sum / double(v.size());
}

// A face as a triangle fan, wound counter-clockwise seen from outside the solid, so that
// face culling keeps the faces that look toward the viewer.
void AddFace(Part& part, TSceneColor color, std::vector<TVec3> vertices, TVec3 inside) {
  if (Dot(Normal(vertices), Centroid(vertices) - inside) < 0)
    std::reverse(vertices.begin() + 1, vertices.end());
  part.push_back({TPrimitiveKind::TriangleFan, color, std::move(vertices)});
}

void AddLines(Part& part, TSceneColor color, std::vector<TVec3> pairs) {
  part.push_back({TPrimitiveKind::Lines, color, std::move(pairs)});
}

void AddStrip(Part& part, TSceneColor color, std::vector<TVec3> points) {
  part.push_back({TPrimitiveKind::LineStrip, color, std::move(points)});
}

TVec3 OnCircle(double diameter, int k, double z) {
  const double angle = 2 * std::numbers::pi * k / kCircleSegments;
  return {diameter / 2 * std::cos(angle), diameter / 2 * std::sin(angle), z};
}

void AddRing(Part& part, double diameter, double z) {
  std::vector<TVec3> ring;
  for (int k = 0; k <= kCircleSegments; ++k) ring.push_back(OnCircle(diameter, k, z));
  AddStrip(part, scene_color::kRing, std::move(ring));
}

// A disc facing up (above the solid) or down (below it).
void AddDisc(Part& part, TSceneColor color, double diameter, double z, bool facingUp) {
  std::vector<TVec3> fan = {{0, 0, z}};
  for (int k = 0; k <= kCircleSegments; ++k) fan.push_back(OnCircle(diameter, k, z));
  AddFace(part, color, std::move(fan), {0, 0, facingUp ? z - 1 : z + 1});
}

// The side of a cylinder or frustum between two heights.
void AddMantle(Part& part, const TShaftPiece& piece) {
  const TVec3 inside{0, 0, (piece.TopZ + piece.BottomZ) / 2};
  for (int k = 0; k < kCircleSegments; ++k)
    AddFace(part, piece.Color,
            {OnCircle(piece.TopDiameter, k, piece.TopZ),
             OnCircle(piece.BottomDiameter, k, piece.BottomZ),
             OnCircle(piece.BottomDiameter, k + 1, piece.BottomZ),
             OnCircle(piece.TopDiameter, k + 1, piece.TopZ)},
            inside);
}

// A box between two corners: faces translucent, edges opaque.
void AddBox(Part& part, TVec3 lo, TVec3 hi, TSceneColor faces, TSceneColor edges) {
  const TVec3 inside = (lo + hi) / 2;
  const auto P = [&](int i) {
    return TVec3{i & 1 ? hi.x : lo.x, i & 2 ? hi.y : lo.y, i & 4 ? hi.z : lo.z};
  };
  static constexpr int kFaces[6][4] = {{0, 1, 3, 2}, {4, 5, 7, 6}, {0, 1, 5, 4},
                                       {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 3, 7, 5}};
  for (const auto& f : kFaces) AddFace(part, faces, {P(f[0]), P(f[1]), P(f[2]), P(f[3])}, inside);
  std::vector<TVec3> lines;
  for (int i = 0; i < 8; ++i)
    for (int bit : {1, 2, 4})
      if (!(i & bit)) {
        lines.push_back(P(i));
        lines.push_back(P(i | bit));
      }
  AddLines(part, edges, std::move(lines));
}

void AddWaterLevel(Part& part, const TShaftProfile& profile, const TSceneExtents& e) {
  const double z = -double(profile.WTD);
  const double D = GetWallWidth(profile);
  const std::vector<TVec3> corners = {
      {e.Xmin, e.Ymin, z}, {e.Xmax, e.Ymin, z}, {e.Xmax, e.Ymax, z}, {e.Xmin, e.Ymax, z}};
  // The plane is seen from above and from below.
  AddFace(part, scene_color::kWaterPlane, corners, {0, 0, z - 1});
  AddFace(part, scene_color::kWaterPlane, corners, {0, 0, z + 1});
  std::vector<TVec3> outline = corners;
  outline.push_back(corners[0]);
  AddStrip(part, scene_color::kWaterOutline, std::move(outline));

  // Inverted pyramids with their apex on the water surface.
  const double half = D / 4, baseZ = z + D / 2;
  const int steps = kWaterMarksPerSide - 1;
  for (int i = 0; i <= steps; ++i)
    for (int j = 0; j <= steps; ++j) {
      const double x = e.Xmin + D / 2 + (e.DX - D) * i / steps;
      const double y = e.Ymin + D / 2 + (e.DY - D) * j / steps;
      const TVec3 apex{x, y, z};
      const std::array<TVec3, 4> base = {TVec3{x - half, y - half, baseZ},
                                         TVec3{x + half, y - half, baseZ},
                                         TVec3{x + half, y + half, baseZ},
                                         TVec3{x - half, y + half, baseZ}};
      const TVec3 inside{x, y, z + D * 3 / 8};
      for (int k = 0; k < 4; ++k)
        AddFace(part, scene_color::kWaterMark, {apex, base[std::size_t(k)], base[std::size_t((k + 1) % 4)]},
                inside);
      AddFace(part, scene_color::kWaterMark, {base[0], base[1], base[2], base[3]}, inside);
      std::vector<TVec3> edges;
      for (int k = 0; k < 4; ++k) {
        edges.insert(edges.end(), {apex, base[std::size_t(k)]});
        edges.insert(edges.end(), {base[std::size_t(k)], base[std::size_t((k + 1) % 4)]});
      }
      AddLines(part, scene_color::kWaterOutline, std::move(edges));
    }
}

void AddSoilLayers(Part& part, std::vector<TSceneLabel>& labels, const TShaftProfile& profile,
                   const TSceneExtents& e, const TBlockOptions& options) {
  for (std::size_t i = 0; i < profile.Layers.size(); ++i) {
    const double top = double(profile.LayerTop(i));
    const double bottom = double(profile.Layers[i].Bottom);
    const int row = int(i);
    // A layer without thickness has no box.
    if (bottom > top)
      AddBox(part, {e.Xmin, e.Ymin, -bottom}, {e.Xmax, e.Ymax, -top}, LayerColor(row, 0.5f),
             LayerColor(row, 1));
    if (options.ShowSoilLayerDepthLabels) {
      labels.push_back({DepthLabel(top), {e.Xmin, e.Ymin, -top}, scene_color::kLabel});
      if (i + 1 == profile.Layers.size())
        labels.push_back({DepthLabel(bottom), {e.Xmin, e.Ymin, -bottom}, scene_color::kLabel});
    }
    if (options.ShowSoilLayerLabels)
      labels.push_back({SoilLabel(profile.Layers[i].SoilType, row),
                        {e.Xmax, e.Ymax, -(top + bottom) / 2},
                        scene_color::kLabel});
  }
}

void AddShaft(Part& part, const TShaftProfile& profile) {
  const TShaftLayout shaft = ShaftLayout(profile);
  AddRing(part, shaft.D, 0);
  AddDisc(part, scene_color::kShaftBody, shaft.D, 0, true);
  for (const TShaftPiece& piece : shaft.Pieces) AddMantle(part, piece);
  for (double z : shaft.RingZ) AddRing(part, shaft.D, z);
  AddDisc(part, scene_color::kShaftBody, shaft.BaseDiameter, -shaft.L, false);
  AddRing(part, shaft.BaseDiameter, -shaft.L);
}

void AddResultDiagrams(Part& part, std::vector<TSceneLabel>& labels,
                       const TShaftProfile& profile, const TBlockOptions& options,
                       const TGraphPlot& plot) {
  TDiagramSettings settings;
  settings.D = GetWallWidth(profile);
  settings.BS = double(profile.BS);
  settings.UseElevation = profile.UseElevation;
  settings.ValElevation = double(profile.ValElevation);
  settings.Factor = double(options.UltimateEffectsFactor);
  settings.LengthFactor = PlotToDocumentLength(plot.Units(), profile.Units);
  settings.Shown = {options.ShowSkinFriction, options.ShowTipResistance,
                    options.ShowTotalCapacity};
  for (const TResultDiagram& diagram : BuildResultDiagrams(plot, settings)) {
    for (const std::vector<TVec3>& strip : diagram.Polylines) AddStrip(part, diagram.Color, strip);
    if (options.ShowUltimateEffectsValues)
      labels.push_back({GetValueLabel(diagram.MaxValue), diagram.ValueAnchor, diagram.Color, true});
  }
}

}  // namespace

TSceneColor LayerColor(int row, float alpha) {
  const auto& c = kLayerColors[std::size_t(((row % 10) + 10) % 10)];
  return {c[0], c[1], c[2], alpha};
}

QString SoilLabel(int soilType, int row) {
  if (soilType >= 1 && soilType <= 9) return QString::fromLatin1(kSoilNames[soilType - 1]);
  return QStringLiteral("Layer ") + QString::number(row + 1);
}

double GetBellLength(double D, double R, double angleDegrees) {
  return std::fabs(D * R - D) / 2 / std::tan(angleDegrees * kBellPi / 180);
}

TShaftLayout ShaftLayout(const TShaftProfile& profile) {
  TShaftLayout s;
  s.D = GetWallWidth(profile);
  s.L = GetWallLength(profile);
  const double R = double(profile.RATIO), angle = double(profile.BELANGL);
  const double top = double(profile.TOPLENG), bs = double(profile.BS);
  s.Belled = R > 0 && angle > 0;
  s.BellHeight = s.Belled ? GetBellLength(s.D, R, angle) : 0;
  s.MiddleLength = s.L - top - bs - s.BellHeight;
  const TSceneColor zone = s.Belled ? scene_color::kBelledZone : scene_color::kStraightZone;

  const auto piece = [&s](TShaftPieceKind kind, double topZ, double bottomZ, double dTop,
                          double dBottom, TSceneColor color) {
    if (topZ > bottomZ) s.Pieces.push_back({kind, topZ, bottomZ, dTop, dBottom, color});
  };
  const double z1 = -top;                 // bottom of the top zone
  const double z2 = z1 - s.MiddleLength;  // bottom of the middle part
  const double z3 = -(s.L - s.BellHeight);  // bottom of the bottom zone, top of the bell
  if (top > 0) {
    s.RingZ.push_back(z1);
    piece(TShaftPieceKind::TopZone, 0, z1, s.D, s.D, zone);
  }
  piece(TShaftPieceKind::Middle, z1, z2, s.D, s.D, scene_color::kShaftBody);
  if (bs > 0) {
    s.RingZ.push_back(z2);
    piece(TShaftPieceKind::BottomZone, z2, z3, s.D, s.D, zone);
  }
  if (s.Belled) {
    piece(TShaftPieceKind::Bell, z3, -s.L, s.D, R * s.D, scene_color::kShaftBody);
    s.RingZ.push_back(z3);
    s.BaseDiameter = R * s.D;
  } else {
    s.BaseDiameter = s.D;
  }
  return s;
}

TBlockScene BuildBlockScene(const TShaftProfile& profile, const TSceneExtents& extents,
                            const TBlockOptions& options, const TGraphPlot* combined) {
  TBlockScene scene;
  // The water after the layers: of the translucent parts the last drawn shows the most, and
  // the water table should not be tinted by the layer it lies in.
  if (options.ShowSoilLayers) AddSoilLayers(scene.Soil, scene.Labels, profile, extents, options);
  if (options.ShowWaterLevel) AddWaterLevel(scene.Soil, profile, extents);
  if (options.ShowShaft) AddShaft(scene.Shaft, profile);
  if (options.ShowUltimateEffects && combined)
    AddResultDiagrams(scene.Shaft, scene.Labels, profile, options, *combined);
  return scene;
}
