#include "GeneralFloatText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSignificantDigits = 15;
// Decimal exponents written in fixed form: 0.00001 up to just below 1E15.
constexpr int kLowestFixedExponent = -5;
constexpr int kFirstExponentForm = kSignificantDigits;

}  // namespace

QString DigitlessValueText(long double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (value == 0) return QStringLiteral("0");
  return {};
}

TDecimalDigits RoundedDigits(long double value, int significant) {
  // Rounded to the significant digits first, so that the exponent is the rounded form's.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Le", significant - 1, value);
  const std::string text(buffer);
  const std::size_t ePos = text.find('e');
  TDecimalDigits d;
  d.Negative = text[0] == '-';
  for (std::size_t i = d.Negative ? 1 : 0; i < ePos; ++i)
    if (text[i] != '.') d.Digits += text[i];
  while (d.Digits.size() > 1 && d.Digits.back() == '0') d.Digits.pop_back();
  d.Exponent = std::atoi(text.c_str() + ePos + 1);
  return d;
}

std::string PlainDecimalText(const TDecimalDigits& d) {
  std::string out = d.Negative ? "-" : "";
  if (d.Exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-d.Exponent - 1), '0');
    out += d.Digits;
    return out;
  }
  const std::size_t integerDigits = static_cast<std::size_t>(d.Exponent) + 1;
  if (d.Digits.size() <= integerDigits) {
    out += d.Digits;
    out.append(integerDigits - d.Digits.size(), '0');
  } else {
    out += d.Digits.substr(0, integerDigits);
    out += '.';
    out += d.Digits.substr(integerDigits);
  }
  return out;
}

std::string MantissaText(const TDecimalDigits& d) {
  std::string out = d.Negative ? "-" : "";
  out += d.Digits[0];
  if (d.Digits.size() > 1) {
    out += '.';
    out += d.Digits.substr(1);
  }
  return out;
}

QString GeneralFloatText(long double value) {
  if (QString text = DigitlessValueText(value); !text.isEmpty()) return text;
  const TDecimalDigits d = RoundedDigits(value, kSignificantDigits);
  if (d.Exponent >= kLowestFixedExponent && d.Exponent < kFirstExponentForm)
    return QString::fromLatin1(PlainDecimalText(d).c_str());
  return QString::fromLatin1((MantissaText(d) + 'E' + std::to_string(d.Exponent)).c_str());
}
