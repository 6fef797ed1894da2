#include "TSideViewGeometry.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

#include "TSoilBandStyle.h"
#include "ViewMessages.h"

namespace {

QString Fixed(long double value, int decimals) {
  return QString::number(static_cast<double>(value), 'f', decimals);
}

// Refuses a value that gives no finite drawing.
void RequireFinite(long double value, const char* name) {
  if (!std::isfinite(value))
    throw TShaftGeometryError(QString::fromLatin1(view_text::kInvalidGeometry) +
                              QString::fromLatin1(name) + QStringLiteral(" = ") +
                              QString::number(static_cast<double>(value)));
}

TShaftQuad Quad(long double top, long double height, long double topWidth,
                long double bottomWidth) {
  const long double bottom = top + height;
  return {{-topWidth / 2, top}, {topWidth / 2, top}, {-bottomWidth / 2, bottom},
          {bottomWidth / 2, bottom}};
}

}  // namespace

TShaftGeometryError::TShaftGeometryError(const QString& message)
    : std::runtime_error(message.toStdString()), fMessage(message) {}

int RoundHalfEven(long double value) {
  if (!std::isfinite(value)) return 0;
  constexpr long double kLimit = std::numeric_limits<int>::max();
  value = std::clamp(value, -kLimit, kLimit);
  const int mode = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const long double rounded = std::nearbyint(value);
  std::fesetround(mode);
  return static_cast<int>(rounded);
}

void TSideViewGeometry::Build(TShaftProfile& profile) {
  fShaftSegments.clear();
  if (profile.Layers.empty()) return;

  const long double D = profile.DSTART;
  const long double R = profile.RATIO;
  const long double angle = profile.BELANGL;
  long double L = profile.PD;
  if (L < kNoLength) L = profile.LastBottom();

  long double hb = 0;
  if (angle > 0 && R > 1) hb = D * (R - 1) / 2 / std::tan(kPi * angle / 180);
  const long double Lm = L - profile.BS - profile.TOPLENG - hb;

  RequireFinite(D, "the shaft diameter");
  RequireFinite(R, "the bell ratio");
  RequireFinite(L, "the shaft length");
  RequireFinite(profile.TOPLENG, "the upper exclusion zone");
  RequireFinite(profile.BS, "the bottom portion");
  RequireFinite(hb, "the bell height");
  RequireFinite(Lm, "the middle length");
  RequireFinite(profile.LastBottom(), "the last layer's bottom");

  profile.PD = L;
  fD = D;
  long double y = 2 * D;
  fShaftSegments.push_back(Quad(y, profile.TOPLENG, D, D));
  y += profile.TOPLENG;
  fShaftSegments.push_back(Quad(y, Lm, D, D));
  y += Lm;
  fShaftSegments.push_back(Quad(y, profile.BS, D, D));
  y += profile.BS;
  // The bell widens from the stem to R D; without a bell it has no height.
  fShaftSegments.push_back(Quad(y, hb, D, R * D));

  DLeft = DRight = DTop = DBottom = 0;
  for (const TShaftQuad& q : fShaftSegments) {
    DLeft = std::min({DLeft, q.TopLeft.x, q.BottomLeft.x});
    DRight = std::max({DRight, q.TopRight.x, q.BottomRight.x});
    DTop = std::min({DTop, q.TopLeft.y, q.TopRight.y});
    DBottom = std::max(DBottom, q.BottomLeft.y);
  }
  DBottom = std::max(DBottom, profile.LastBottom());
  DBottom += 3 * D;
}

TFitOutcome TSideViewGeometry::Fit(int width, int height) {
  Left = DLeft;
  Right = DRight;
  Top = DTop;
  Bottom = DBottom;
  // Each division as the floating-point unit takes it: 0 / 0 is an invalid operation, which
  // stops the drawing for good; anything else over 0 is a division by zero, which leaves the
  // world window at the drawing's extent.
  TFitOutcome outcome = TFitOutcome::Fitted;
  const auto divide = [&outcome](long double a, long double b) -> long double {
    if (outcome != TFitOutcome::Fitted) return 0;
    if (std::isnan(a) || std::isnan(b) || (a == 0 && b == 0)) {
      outcome = TFitOutcome::Invalid;
      return 0;
    }
    if (b == 0) {
      outcome = TFitOutcome::Unscaled;
      return 0;
    }
    return a / b;
  };
  const long double windowRatio = divide(width, height);
  const long double worldRatio = divide(DRight - DLeft, DBottom - DTop);
  const long double a = divide(windowRatio, worldRatio);
  if (outcome == TFitOutcome::Fitted) {
    if (a >= 1) {
      Left *= a;
      Right *= a;
    } else {
      const long double top = divide(Top, a);
      const long double bottom = divide(Bottom, a);
      if (outcome == TFitOutcome::Fitted) {
        Top = top;
        Bottom = bottom;
      }
    }
  }
  if (outcome == TFitOutcome::Invalid) fNoDraw = true;
  return outcome;
}

int TSideViewGeometry::ScreenX(long double x, int W) const {
  return RoundHalfEven(W * (x - Left) / (Right - Left));
}

int TSideViewGeometry::ScreenY(long double y, int H) const {
  return RoundHalfEven(H * (y - Top) / (Bottom - Top));
}

long double TSideViewGeometry::WorldYAt(int py, int H) const {
  return static_cast<long double>(py) / H * (Bottom - Top) + Top;
}

QString TSideViewGeometry::DepthReadOut(int py, int H) const {
  const long double depth = WorldYAt(py, H) - 2 * fD;
  // Fixed to one decimal while the value has at most six digits, else in exponent form.
  const QString text = std::fabs(depth) < 1e6L ? Fixed(depth, 1)
                                                : QString::number(double(depth), 'E', 5);
  return QString::fromLatin1(view_text::kDepthReadOut) + text;
}

QString LayerLabel(int index, long double top, long double bottom, int soilType,
                   const QString& unitWord) {
  return QStringLiteral("Layer ") + QString::number(index + 1) + QStringLiteral("; depth= ") +
         Fixed(top, 2) + QStringLiteral(" - ") + Fixed(bottom, 2) + unitWord +
         QStringLiteral("; ") + SoilBandStyle(soilType).Name;
}

QString DepthUnitWord(int units) {
  return units == 1 ? QStringLiteral(" ft") : QStringLiteral(" m");
}
