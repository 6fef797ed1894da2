#pragma once
// The geometry of the elevation: the shaft as four quadrilaterals to true scale, the extent
// of the drawing, the world window matched to the window's shape, and the mappings from
// world units to pixels on screen and on paper.
//
// World x is measured from the shaft axis; world y grows downward and is the depth plus two
// diameters, so that a band of two diameters stays free above the ground surface.
#include <QString>
#include <stdexcept>
#include <vector>

#include "TShaftProfile.h"

struct TWorldPoint {
  long double x = 0;
  long double y = 0;
};

// One part of the shaft; corners in world units.
struct TShaftQuad {
  TWorldPoint TopLeft, TopRight, BottomLeft, BottomRight;
};

// The parts of ShaftSegments, in order from the top.
enum TShaftPart { kShaftTopZone, kShaftMiddle, kShaftBottomZone, kShaftBell, kShaftPartCount };

// A value of the document that gives no drawable shaft; the message names it.
class TShaftGeometryError : public std::runtime_error {
 public:
  explicit TShaftGeometryError(const QString& message);
  const QString& Message() const { return fMessage; }

 private:
  QString fMessage;
};

// How fitting the world window to the window went.
enum class TFitOutcome {
  Fitted,       // both directions share one scale
  Unscaled,     // a division by zero: the world window stays the drawing's extent
  Invalid,      // an undefined ratio (0 / 0): nothing is drawn any more
};

class TSideViewGeometry {
 public:
  // Bell height of the elevation: D (R - 1) / 2 / tan(angle) with this value of pi.
  static constexpr long double kPi = 3.1416L;
  // A shaft length below this counts as none given.
  static constexpr long double kNoLength = 0.0001L;

  // The shaft of `profile`. Without soil layers the old quadrilaterals go and nothing else
  // changes. A shaft length below kNoLength becomes the last layer's bottom, which is written
  // back into profile.PD (the caller stores it in the document unless the design load is
  // given). Throws TShaftGeometryError when a value gives no finite drawing; nothing changes
  // then.
  void Build(TShaftProfile& profile);

  // The quadrilaterals, in the order of TShaftPart (empty before a build with layers).
  const std::vector<TShaftQuad>& ShaftSegments() const { return fShaftSegments; }
  long double Diameter() const { return fD; }
  // World y of a depth.
  long double WorldY(long double depth) const { return depth + 2 * fD; }

  // Extent of the drawing.
  long double DLeft = -10, DRight = 10, DTop = 0, DBottom = 10;
  // World window mapped onto the client area.
  long double Left = -10, Right = 10, Top = 0, Bottom = 10;

  // Matches the world window to a client area of width x height pixels. An undefined ratio
  // sets NoDraw for good.
  TFitOutcome Fit(int width, int height);
  bool NoDraw() const { return fNoDraw; }
  // The world window has no width or no height: the shaft is not drawn.
  bool Degenerate() const { return !(Right - Left > 0) || !(Bottom - Top > 0); }

  // Pixels of world values on a client area of W x H (to nearest, halves to even).
  int ScreenX(long double x, int W) const;
  int ScreenY(long double y, int H) const;
  // World y under pixel row py.
  long double WorldYAt(int py, int H) const;
  // The window title for the pointer at row py: "  Depth: " and the depth to 1 decimal.
  QString DepthReadOut(int py, int H) const;

 private:
  std::vector<TShaftQuad> fShaftSegments;
  long double fD = 0;
  bool fNoDraw = false;
};

// The label of layer `index` (0-based) from `top` to `bottom`:
// "Layer 2; depth= 10.00 - 25.00; Clay", with `unitWord` (" ft", " m") after the bottom
// depth on paper and none on screen.
QString LayerLabel(int index, long double top, long double bottom, int soilType,
                   const QString& unitWord = {});
// The unit word printed after depths: " ft" in English units, " m" otherwise.
QString DepthUnitWord(int units);

// Rounds to the nearest whole number, halves to even.
int RoundHalfEven(long double value);
