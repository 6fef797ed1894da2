#include "PlotMarkers.h"

#include <cmath>
#include <numbers>

int MarkerShape(int lineIndex) { return ((lineIndex % 10) + 10) % 10 + 1; }

std::vector<QPoint> MarkerVertices(int lineIndex, QPoint pixelsPerInch) {
  const long double rx = pixelsPerInch.x() / 32;
  const long double ry = pixelsPerInch.y() / 32;
  const long double pi = std::numbers::pi_v<long double>;
  const int m = MarkerShape(lineIndex);
  long double first = 0;
  long double step = 0;
  int vertices = m;
  if (m == 1) {  // triangle pointing down
    first = pi;
    step = 2 * pi / 3;
    vertices = 3;
  } else if (m == 2) {  // square
    first = pi / 4;
    step = pi / 2;
    vertices = 4;
  } else {
    step = 2 * pi / m;
  }
  std::vector<QPoint> points;
  points.reserve(static_cast<std::size_t>(vertices) + 1);
  // The offsets are rounded as the exact sines and cosines give them: 3 cos(pi/3) is 1.5,
  // which goes to the even 2 on both sides of a triangle, however the last bit falls.
  auto snapped = [](long double v) { return std::rint(std::rint(v * 1e9L) / 1e9L); };
  for (int i = 0; i <= vertices; ++i) {
    const long double t = first + i * step;
    points.emplace_back(static_cast<int>(snapped(std::sin(t) * rx)),
                        -static_cast<int>(snapped(std::cos(t) * ry)));
  }
  return points;
}

bool HasMarker(int pointIndex, int markers) { return markers > 0 && pointIndex % markers == 0; }
