#include "PlotNumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Smallest magnitude written in plain decimal form.
constexpr long double kSmallestPlain = 0.00001L;

}  // namespace

QString PlotNumberText(long double value, int digits) {
  digits = std::clamp(digits, 1, 18);
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (value == 0) return QStringLiteral("0");

  // Rounded to the significant digits first: a value that rounds up to the next power of
  // ten takes the exponent of its rounded form (9999.6 has five integer digits).
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, value);
  const std::string text(buffer);
  const std::size_t ePos = text.find('e');
  const bool negative = text[0] == '-';
  std::string mantissa;
  for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
    if (text[i] != '.') mantissa += text[i];
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
  const int exponent = std::atoi(text.c_str() + ePos + 1);

  std::string out = negative ? "-" : "";
  const bool plain = exponent < digits && std::fabs(value) >= kSmallestPlain;
  if (plain) {
    if (exponent < 0) {
      out += "0.";
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += mantissa;
    } else {
      const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
      if (mantissa.size() <= integerDigits) {
        out += mantissa;
        out.append(integerDigits - mantissa.size(), '0');
      } else {
        out += mantissa.substr(0, integerDigits);
        out += '.';
        out += mantissa.substr(integerDigits);
      }
    }
  } else {
    out += mantissa[0];
    if (mantissa.size() > 1) {
      out += '.';
      out += mantissa.substr(1);
    }
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    out += exponentText;
  }
  return QString::fromLatin1(out.c_str());
}
