#include "PlotZoom.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// One axis with its lower and higher value, whatever its orientation.
struct Span {
  long double low;
  long double high;
  long double Width() const { return high - low; }
};

Span Ordered(long double a, long double b) { return {std::min(a, b), std::max(a, b)}; }

Span XSpan(const TFloatRect& r) { return Ordered(r.Left, r.Right); }
Span YSpan(const TFloatRect& r) { return Ordered(r.Top, r.Bottom); }

void SetX(TFloatRect& r, Span s) {
  r.Left = s.low;
  r.Right = s.high;
}
void SetY(TFloatRect& r, Span s, bool yReversed) {
  r.Top = yReversed ? s.high : s.low;
  r.Bottom = yReversed ? s.low : s.high;
}

Span Selected(Span full, long double a, long double b) {
  Span s = Ordered(a, b);
  const long double fullWidth = full.Width();
  if (fullWidth > kMaxZoomIn * s.Width()) {
    const long double centre = (s.low + s.high) / 2;
    const long double half = fullWidth / (2 * kMaxZoomIn);
    s = {centre - half, centre + half};
    if (s.low < full.low) s = {full.low, full.low + 2 * half};
    if (s.high > full.high) s = {full.high - 2 * half, full.high};
  }
  return s;
}

Span ZoomedOut(Span current, Span full, long double clicked) {
  const long double w = std::min(current.Width(), full.Width() / 2);
  if (!(2 * w < full.Width())) return full;
  const long double centre = std::clamp(clicked, full.low + w, full.high - w);
  return {centre - w, centre + w};
}

}  // namespace

QPoint ClampInto(const TIntRect& area, QPoint pixel) {
  return {std::clamp(pixel.x(), area.Left, std::max(area.Left, area.Right)),
          std::clamp(pixel.y(), area.Top, std::max(area.Top, area.Bottom))};
}

bool IsZoomDrag(QPoint origin, QPoint release) {
  return origin.x() != release.x() && origin.y() != release.y();
}

TFloatRect ZoomToSelection(const TFloatRect& full, bool yReversed, TFloatPoint a, TFloatPoint b) {
  TFloatRect r;
  SetX(r, Selected(XSpan(full), a.x, b.x));
  SetY(r, Selected(YSpan(full), a.y, b.y), yReversed);
  return r;
}

TFloatRect ZoomOutAround(const TFloatRect& current, const TFloatRect& full, bool yReversed,
                         TFloatPoint clicked) {
  TFloatRect r;
  SetX(r, ZoomedOut(XSpan(current), XSpan(full), clicked.x));
  SetY(r, ZoomedOut(YSpan(current), YSpan(full), clicked.y), yReversed);
  return r;
}
