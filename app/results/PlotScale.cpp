#include "PlotScale.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "TGraphPlot.h"

namespace {

// A range of one point is widened by this much on both sides.
constexpr long double kSinglePointWidening = 0.01L;
// Quotients within this relative distance of a whole number count as that number, so that
// 0.3 / 0.1 is three steps, not four.
constexpr long double kWholeStepTolerance = 1e-9L;
// Pixels beyond this distance from the area are held there.
constexpr long double kFarPixel = 1e8L;

long double Tolerance(long double q) { return kWholeStepTolerance * std::max(1.0L, std::fabs(q)); }
long double StepsUp(long double q) { return std::ceil(q - Tolerance(q)); }
long double StepsDown(long double q) { return std::floor(q + Tolerance(q)); }

int PixelOffset(long double fraction, int extent) {
  long double d = std::rint(fraction * extent);
  if (!(d > -kFarPixel)) d = -kFarPixel;  // also NaN
  if (d > kFarPixel) d = kFarPixel;
  return static_cast<int>(d);
}

}  // namespace

long double RangeStep(long double high, long double low) {
  const long double span = high - low;
  if (!(span > 0) || !std::isfinite(span)) return 0;
  const long double a = std::log10(span);
  const long double whole = std::floor(a);
  long double step = std::pow(10.0L, whole);
  if (a - whole < std::log10(3.0L)) step /= 10;
  return std::isfinite(step) ? step : 0;
}

std::optional<TFloatRect> ComputeBounds(const TGraphPlot& plot) {
  TFloatRect r;
  if (plot.Yreversed() && plot.LineCount() > 0 && plot.Lines(0).Count() > 0 &&
      std::isfinite(plot.Data(0, 0).y)) {
    r.Top = r.Bottom = plot.Data(0, 0).y;
  }
  for (int i = 0; i < plot.LineCount(); ++i) {
    const TLine& line = plot.Lines(i);
    for (int j = 0; j < line.Count(); ++j) {
      const TFloatPoint& p = line.Point(j);
      if (std::isfinite(p.x)) {
        if (p.x < r.Left)
          r.Left = p.x;
        else if (p.x > r.Right)
          r.Right = p.x;
      }
      if (std::isfinite(p.y)) {
        if (p.y < r.Top)
          r.Top = p.y;
        else if (p.y > r.Bottom)
          r.Bottom = p.y;
      }
    }
  }
  if (r.Top == r.Bottom) {
    r.Bottom += kSinglePointWidening;
    r.Top -= kSinglePointWidening;
  }
  if (r.Left == r.Right) {
    r.Right += kSinglePointWidening;
    r.Left -= kSinglePointWidening;
  }

  // Here Top is the lower vertical value and Bottom the higher; both round outward, so an
  // elevation range below zero keeps its lowest and highest points inside.
  const long double yStep = RangeStep(r.Bottom, r.Top);
  if (yStep == 0) return std::nullopt;
  r.Bottom = yStep * StepsUp(r.Bottom / yStep);
  r.Top = yStep * StepsDown(r.Top / yStep);
  if (plot.Yreversed()) std::swap(r.Top, r.Bottom);

  const long double xStep = RangeStep(r.Right, r.Left);
  if (xStep == 0) return std::nullopt;
  r.Left = xStep * StepsDown(r.Left / xStep);
  r.Right = xStep * StepsUp(r.Right / xStep);
  return r;
}

int FontPixels(int fontHeight, int sizeFont) { return std::abs(fontHeight * sizeFont / 10); }

int WindowFontPixels(int pixelsPerInch) {
  return static_cast<int>(std::lround(14.0 * pixelsPerInch / 96.0));
}

QPoint TPlotMapping::ToPixel(long double x, long double y) const {
  const long double fx = (x - Logic.Left) / (Logic.Right - Logic.Left);
  const long double fy = (y - Logic.Top) / (Logic.Bottom - Logic.Top);
  const int px = GraphArea.Left + PixelOffset(fx, GraphArea.Right - GraphArea.Left);
  const int d = PixelOffset(fy, GraphArea.Bottom - GraphArea.Top);
  return {px, XOnTop ? GraphArea.Top + d : GraphArea.Bottom - d};
}

TFloatPoint TPlotMapping::ToLogic(QPoint pixel) const {
  const int width = GraphArea.Right - GraphArea.Left;
  const int height = GraphArea.Bottom - GraphArea.Top;
  if (pixel.x() < GraphArea.Left || pixel.x() > GraphArea.Right || width <= 0 || height <= 0)
    return {};
  TFloatPoint p;
  p.x = Logic.Left + static_cast<long double>(pixel.x() - GraphArea.Left) / width *
                         (Logic.Right - Logic.Left);
  const long double c = XOnTop ? static_cast<long double>(pixel.y() - GraphArea.Top) / height
                               : static_cast<long double>(GraphArea.Bottom - pixel.y()) / height;
  p.y = Logic.Top + c * (Logic.Bottom - Logic.Top);
  return p;
}
