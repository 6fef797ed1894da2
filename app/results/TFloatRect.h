#pragma once

// Axis ranges of a plot in the plot's own units: Left..Right horizontally and Top..Bottom
// vertically, where Top is the value drawn at the edge where vertical values start (the top
// edge of a depth plot, the bottom edge of a plot with its horizontal axis below, the
// highest elevation of an elevation plot).
struct TFloatRect {
  long double Left = 0;
  long double Right = 0;
  long double Top = 0;
  long double Bottom = 0;

  friend bool operator==(const TFloatRect&, const TFloatRect&) = default;
};
