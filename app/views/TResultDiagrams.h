#pragma once
// The result diagrams of the 3D view: side friction, tip resistance and total capacity
// against depth from the combined plot, drawn as bars in the plane y = 0 that stand one
// diameter from the shaft axis; the largest value of the three lines is drawn 2 D x the
// size factor long.
#include <array>
#include <vector>

#include "TBlockScene.h"

class TGraphPlot;

// Lines of the combined plots.
enum TDiagramLine { kDiagramSkinFriction = 0, kDiagramTipResistance = 1, kDiagramTotalCapacity = 2 };
inline constexpr int kDiagramLineCount = 3;

struct TDiagramSettings {
  double D = 0;             // shaft diameter
  double BS = 0;            // bottom portion without side friction
  int UseElevation = 0;     // 1: the plot's vertical values are elevations
  double ValElevation = 0;  // elevation of the shaft top
  double Factor = 1;        // the size factor
  // Document length units per length unit of the plot: the plots keep the units they were
  // loaded in when the document changes its units.
  double LengthFactor = 1;
  std::array<bool, kDiagramLineCount> Shown{true, true, true};
};

struct TResultDiagram {
  int Line = 0;
  TSceneColor Color;
  // One line strip per pair of consecutive points; the last one closes back to the axis.
  std::vector<std::vector<TVec3>> Polylines;
  double MaxValue = 0;   // the line's value of largest magnitude
  double MaxDepth = 0;   // and its depth
  TVec3 ValueAnchor;     // where that value is written
};

// The depth of a plot point drawn in the diagrams: its vertical value (an elevation below
// the shaft top with UseElevation 1) in the document's units, less BS when BS > 0, and never
// above the ground.
double DiagramDepth(double vertical, const TDiagramSettings& settings);

// LengthFactor for a plot loaded in `plotUnits` (1 English, 2 SI, 3 as coded) drawn in a
// document of `documentUnits`.
double PlotToDocumentLength(int plotUnits, int documentUnits);

// The diagrams of the shown lines. Nothing when the plot has no values other than zero.
std::vector<TResultDiagram> BuildResultDiagrams(const TGraphPlot& plot,
                                                const TDiagramSettings& settings);
