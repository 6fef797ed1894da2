#include "PlotNumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "GeneralFloatText.h"

namespace {

// Smallest magnitude written in plain decimal form.
constexpr long double kSmallestPlain = 0.00001L;

}  // namespace

QString PlotNumberText(long double value, int digits) {
  digits = std::clamp(digits, 1, 18);
  if (QString text = DigitlessValueText(value); !text.isEmpty()) return text;
  // A value that rounds up to the next power of ten takes the exponent of its rounded form
  // (9999.6 has five integer digits at four significant ones).
  const TDecimalDigits d = RoundedDigits(value, digits);
  if (d.Exponent < digits && std::fabs(value) >= kSmallestPlain)
    return QString::fromLatin1(PlainDecimalText(d).c_str());
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "E%c%02d", d.Exponent < 0 ? '-' : '+',
                std::abs(d.Exponent));
  return QString::fromLatin1((MantissaText(d) + exponentText).c_str());
}
