#include "GeneralFloatText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kSignificantDigits = 15;
// Decimal exponents written in fixed form: 0.00001 up to just below 1E15.
constexpr int kLowestFixedExponent = -5;
constexpr int kFirstExponentForm = kSignificantDigits;

}  // namespace

QString GeneralFloatText(long double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (value == 0) return QStringLiteral("0");

  // Rounded to the significant digits first, so a value that rounds up to the next
  // power of ten gets the exponent of its rounded form.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Le", kSignificantDigits - 1, value);
  const std::string text(buffer);
  const std::size_t ePos = text.find('e');
  const bool negative = text[0] == '-';
  std::string digits;
  for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
    if (text[i] != '.') digits += text[i];
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::atoi(text.c_str() + ePos + 1);

  std::string out = negative ? "-" : "";
  if (exponent >= kLowestFixedExponent && exponent < kFirstExponentForm) {
    if (exponent < 0) {
      out += "0.";
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += digits;
    } else {
      const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= integerDigits) {
        out += digits;
        out.append(integerDigits - digits.size(), '0');
      } else {
        out += digits.substr(0, integerDigits);
        out += '.';
        out += digits.substr(integerDigits);
      }
    }
  } else {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent);
  }
  return QString::fromLatin1(out.c_str());
}
