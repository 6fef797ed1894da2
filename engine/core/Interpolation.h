// Linear interpolation in a row of tabulated points, the form every lookup table of the
// rules takes.
#pragma once

#include <array>
#include <cstddef>

namespace tvx {

// y at u, linear between the two points around u (abscissae x rising); the end values
// outside the row. A NaN argument reads the first point.
template <std::size_t K>
float InterpolateRow(const std::array<float, K>& x, const std::array<float, K>& y, float u) {
  if (!(u > x.front())) return y.front();
  for (std::size_t i = 1; i < K; ++i)
    if (u <= x[i]) return y[i - 1] + (u - x[i - 1]) * (y[i] - y[i - 1]) / (x[i] - x[i - 1]);
  return y.back();
}

}  // namespace tvx
