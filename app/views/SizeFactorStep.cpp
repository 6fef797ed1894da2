#include "SizeFactorStep.h"

#include <cmath>

namespace {

// 10^e, exact for the whole numbers and as near as a quotient gets for the fractions.
long double PowerOfTen(int e) {
  return e >= 0 ? std::pow(10.0L, e) : 1 / std::pow(10.0L, -e);
}

// k x 10^e, exact for the whole numbers and as near as a quotient gets for the fractions.
long double Digits(long double k, int e) {
  return e >= 0 ? k * std::pow(10.0L, e) : k / std::pow(10.0L, -e);
}

}  // namespace

long double StepSizeFactor(long double f, bool up) {
  if (!(f > 0) || !std::isfinite(f)) return 1;
  int e = int(std::floor(std::log10(f)));
  // log10 may land a hair off at a power of ten.
  if (PowerOfTen(e + 1) <= f) ++e;
  if (PowerOfTen(e) > f) --e;
  long double k = std::floor(f / PowerOfTen(e) * (1 + 1e-12L));
  if (k < 1) k = 1;
  if (k > 9) k = 9;
  if (up) return Digits(k + 1, e);
  if (k == 1) return Digits(9, e - 1);
  return Digits(k - 1, e);
}
