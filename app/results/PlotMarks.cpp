#include "PlotMarks.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kMinorPerMajor = 5;
// A tick value within this fraction of a step of an axis end lies on that end.
constexpr long double kTickTolerance = 1e-7L;

// The index of the lowest tick at or above the lower end, 0 when that end is above 0; the
// index of the highest tick at or below the upper end, 0 when that end is below 0.
int StartIndex(long double lower, long double s) {
  if (!(lower < 0)) return 0;
  return static_cast<int>(std::max<long double>(INT_MIN, std::ceil(lower / s - kTickTolerance)));
}
int FinishIndex(long double upper, long double s) {
  if (!(upper > 0)) return 0;
  return static_cast<int>(std::min<long double>(INT_MAX, std::floor(upper / s + kTickTolerance)));
}

}  // namespace

long double MajorMarkSpacing(long double span, int count) {
  const long double raw = span / count;
  const long double e = std::pow(10.0L, std::floor(std::log10(raw)));
  const long double f = std::trunc(raw / e);
  if (f < 2) return e;
  if (f < 5) return 2 * e;
  if (f < 9) return 5 * e;
  return 10 * e;
}

bool ComputeMarkSpacing(const TIntRect& graphArea, const TFloatRect& logic, bool yReversed,
                        int H, TMarkSpacing& marks) {
  if (H <= 0) return false;
  const int nx = std::abs(graphArea.Right - graphArea.Left) / (6 * H);
  const int ny = std::abs(graphArea.Bottom - graphArea.Top) / (6 * H);
  if (nx == 0 || ny == 0) return false;
  const long double xSpan = logic.Right - logic.Left;
  const long double ySpan = yReversed ? logic.Top - logic.Bottom : logic.Bottom - logic.Top;
  if (!(xSpan > 0) || !(ySpan > 0) || !std::isfinite(xSpan) || !std::isfinite(ySpan))
    return false;
  marks.MarkSpacing.x = MajorMarkSpacing(xSpan, nx) / kMinorPerMajor;
  marks.MarkSpacing.y = MajorMarkSpacing(ySpan, ny) / kMinorPerMajor;

  const long double yLower = yReversed ? logic.Bottom : logic.Top;
  const long double yUpper = yReversed ? logic.Top : logic.Bottom;
  marks.Start = {StartIndex(logic.Left, marks.MarkSpacing.x),
                 StartIndex(yLower, marks.MarkSpacing.y)};
  marks.Finish = {FinishIndex(logic.Right, marks.MarkSpacing.x),
                  FinishIndex(yUpper, marks.MarkSpacing.y)};
  return true;
}

TTickRange VisibleTicks(long double lower, long double upper, long double s) {
  if (!(s > 0)) return {};
  const long double first = std::ceil(lower / s - kTickTolerance);
  const long double last = std::floor(upper / s + kTickTolerance);
  constexpr long double kLimit = 1e15L;
  if (!(first > -kLimit) || !(last < kLimit)) return {};
  return {static_cast<long long>(first), static_cast<long long>(last)};
}
