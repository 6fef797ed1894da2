#include "TResultDiagrams.h"

#include <algorithm>
#include <cmath>

#include "TGraphPlot.h"
#include "UnitsTitle.h"

namespace {

constexpr TSceneColor kLineColors[kDiagramLineCount] = {
    scene_color::kSkinFriction, scene_color::kTipResistance, scene_color::kTotalCapacity};

// Feet in a metre, as the document converts its lengths.
constexpr double kFeetPerMetre = 3.280839895;

}  // namespace

double PlotToDocumentLength(int plotUnits, int documentUnits) {
  if (plotUnits == kPlotUnitsEnglish && documentUnits == 2) return 1 / kFeetPerMetre;
  if (plotUnits == kPlotUnitsSI && documentUnits == 1) return kFeetPerMetre;
  return 1;
}

double DiagramDepth(double vertical, const TDiagramSettings& s) {
  double depth = (s.UseElevation == 1 ? s.ValElevation - vertical : vertical) * s.LengthFactor;
  if (s.BS > 0) depth -= s.BS;
  return std::max(depth, 0.0);
}

std::vector<TResultDiagram> BuildResultDiagrams(const TGraphPlot& plot,
                                                const TDiagramSettings& s) {
  const int lines = std::min(plot.LineCount(), kDiagramLineCount);
  double E = 0;
  for (int i = 0; i < lines; ++i)
    for (int j = 0; j < plot.Lines(i).Count(); ++j)
      E = std::max(E, std::fabs(double(plot.Data(i, j).x)));
  // All values zero (or none): no bar has a length.
  if (!(E > 0) || !std::isfinite(E)) return {};
  const double M = 2 * s.D * s.Factor;
  const double D = s.D;

  std::vector<TResultDiagram> diagrams;
  for (int i = 0; i < lines; ++i) {
    if (!s.Shown[std::size_t(i)]) continue;
    const TLine& line = plot.Lines(i);
    TResultDiagram diagram;
    diagram.Line = i;
    diagram.Color = kLineColors[i];
    double largest = -1;
    for (int j = 0; j < line.Count(); ++j) {
      const double value = double(line.Point(j).x);
      if (std::fabs(value) > largest) {
        largest = std::fabs(value);
        diagram.MaxValue = value;
        diagram.MaxDepth = DiagramDepth(double(line.Point(j).y), s);
      }
    }
    for (int j = 0; j + 1 < line.Count(); ++j) {
      const double a = DiagramDepth(double(line.Point(j).y), s);
      const double b = DiagramDepth(double(line.Point(j + 1).y), s);
      const double va = double(line.Point(j).x);
      const double vb = double(line.Point(j + 1).x);
      std::vector<TVec3> strip = {{D, 0, -b}, {D, 0, -a}, {D + va / E * M, 0, -a},
                                  {D + vb / E * M, 0, -b}};
      if (j + 2 == line.Count()) strip.push_back({D, 0, -b});
      diagram.Polylines.push_back(std::move(strip));
    }
    diagram.ValueAnchor = {1.5 * D + diagram.MaxValue / E * M, 0, -diagram.MaxDepth};
    diagrams.push_back(std::move(diagram));
  }
  return diagrams;
}
