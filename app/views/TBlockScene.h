#pragma once
// The content of the 3D scene as plain geometry: coloured lines, line strips and triangle
// fans in model coordinates (x and y horizontal, z up, a depth d at z = -d), and the text
// labels with their anchor points. Built from the document at every set-up of the view;
// the drawing records the three parts into display lists and replays them.
#include <QString>
#include <vector>

#include "TBlockOptions.h"
#include "TSceneExtents.h"
#include "TShaftProfile.h"
#include "TViewMatrix.h"

class TGraphPlot;

struct TSceneColor {
  float r = 0, g = 0, b = 0, a = 1;
  friend bool operator==(const TSceneColor&, const TSceneColor&) = default;
};

enum class TPrimitiveKind { Lines, LineStrip, TriangleFan };

struct TScenePrimitive {
  TPrimitiveKind Kind;
  TSceneColor Color;
  std::vector<TVec3> Vertices;
};

struct TSceneLabel {
  QString Text;
  TVec3 Position;  // the start of the text's base line
  TSceneColor Color;
  // A largest value of the diagrams: written clear of the largest values before it.
  bool KeepClear = false;
};

struct TBlockScene {
  // The three recorded parts. Soil holds the translucent layers and then the water level;
  // Shaft the shaft and the result diagrams; the loading part draws nothing in this program.
  std::vector<TScenePrimitive> Loading;
  std::vector<TScenePrimitive> Soil;
  std::vector<TScenePrimitive> Shaft;
  std::vector<TSceneLabel> Labels;
};

// Segments of every circle of the shaft.
inline constexpr int kCircleSegments = 20;
// Pyramids of the water level along each side of the block.
inline constexpr int kWaterMarksPerSide = 5;

// Colours of the scene.
namespace scene_color {
inline constexpr TSceneColor kRing{1, 0.5f, 0, 1};
inline constexpr TSceneColor kShaftBody{0.25f, 0.25f, 0.25f, 1};
inline constexpr TSceneColor kBelledZone{0.25f, 0.25f, 0, 1};
inline constexpr TSceneColor kStraightZone{0.5f, 0.5f, 0, 1};
inline constexpr TSceneColor kWaterOutline{0, 0, 1, 1};
inline constexpr TSceneColor kWaterPlane{0, 0, 1, 0.75f};
inline constexpr TSceneColor kWaterMark{0, 0, 1, 0.5f};
inline constexpr TSceneColor kLabel{0, 0, 0, 1};
inline constexpr TSceneColor kSkinFriction{1, 0, 0, 1};
inline constexpr TSceneColor kTipResistance{0, 0.5f, 0, 1};
inline constexpr TSceneColor kTotalCapacity{0, 0, 1, 1};
inline constexpr TSceneColor kAxisX{0, 0, 1, 1};
inline constexpr TSceneColor kAxisY{0, 0.5f, 0, 1};
inline constexpr TSceneColor kAxisD{1, 0, 0, 1};
}  // namespace scene_color

// Colour of layer row i (by i modulo 10) with the given opacity.
TSceneColor LayerColor(int row, float alpha);
// The soil name of a type code in the 3D view's labels; "Layer " and the row number for a
// code outside 1..9.
QString SoilLabel(int soilType, int row);

// The parts of the shaft from the top down.
enum class TShaftPieceKind { TopZone, Middle, BottomZone, Bell };

struct TShaftPiece {
  TShaftPieceKind Kind;
  double TopZ, BottomZ;            // TopZ above BottomZ
  double TopDiameter, BottomDiameter;
  TSceneColor Color;
};

struct TShaftLayout {
  bool Belled = false;
  double D = 0, L = 0;
  double BellHeight = 0;    // hb
  double MiddleLength = 0;  // Lm
  std::vector<TShaftPiece> Pieces;   // only the pieces of some length
  std::vector<double> RingZ;         // heights of the orange rings of diameter D
  double BaseDiameter = 0;           // of the disc and ring at z = -L
};

// Bell height of the 3D view: |D R - D| / 2 / tan(angle) with pi taken as 3.14.
double GetBellLength(double D, double R, double angleDegrees);
TShaftLayout ShaftLayout(const TShaftProfile& profile);

// Everything the scene holds for the profile, the block and the options; `combined` is the
// combined plot of the chosen results (may be null).
TBlockScene BuildBlockScene(const TShaftProfile& profile, const TSceneExtents& extents,
                            const TBlockOptions& options, const TGraphPlot* combined);
