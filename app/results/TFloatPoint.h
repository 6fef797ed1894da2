#pragma once

// One point of a plotted line in the plot's own units. On a soil-layer line x is the
// layer's fill code and y the vertical value of the layer's bottom.
struct TFloatPoint {
  long double x = 0;
  long double y = 0;

  friend bool operator==(const TFloatPoint&, const TFloatPoint&) = default;
};
