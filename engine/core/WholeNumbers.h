// Whole numbers taken from reals: counts of one-foot steps and points, indexes of stored
// lengths. A real outside the range of int (an infinity, a NaN, or a finite value too large)
// has no integer part that int can hold, so every such conversion goes through here.
#pragma once

namespace tvx {

// The integer part of v (truncated toward zero), limited to lowest..highest. The limits are
// applied to the real before it is converted, so any real gives a defined result; a NaN
// gives `lowest`.
constexpr int IntegerPartWithin(float v, int lowest, int highest) {
  const double d = v;
  if (!(d >= lowest)) return lowest;
  if (d >= highest) return highest;
  return static_cast<int>(d);
}

}  // namespace tvx
