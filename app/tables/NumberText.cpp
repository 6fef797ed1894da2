#include "NumberText.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <string>

QString UserDecimalPoint() { return QLocale().decimalPoint(); }

QString FormatGeneral(long double value, int digits, const QString& decimalPoint) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (value == 0) return QStringLiteral("0");
  if (digits < 1) digits = 1;
  if (digits > 30) digits = 30;

  // Rounded to the wanted digits first, so that the choice of notation sees the rounded
  // exponent (99999999.7 at 8 digits is 1E8, not 100000000).
  char buf[80];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                           digits - 1);
  std::string sci(buf, res.ptr);
  const bool negative = sci[0] == '-';
  if (negative) sci.erase(0, 1);
  const auto ePos = sci.find('e');
  std::string mantissa;  // the significant digits without the point
  for (std::size_t i = 0; i < ePos; ++i)
    if (sci[i] != '.') mantissa += sci[i];
  const int exponent = std::stoi(sci.substr(ePos + 1));
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

  QString out;
  if (negative) out += QLatin1Char('-');
  const QString sig = QString::fromLatin1(mantissa.data(), qsizetype(mantissa.size()));
  if (exponent >= -4 && exponent < digits) {
    if (exponent >= 0) {
      const int intDigits = exponent + 1;
      out += sig.left(intDigits);
      if (sig.size() < intDigits) out += QString(intDigits - sig.size(), QLatin1Char('0'));
      if (sig.size() > intDigits) out += decimalPoint + sig.mid(intDigits);
    } else {
      out += QLatin1Char('0') + decimalPoint + QString(-exponent - 1, QLatin1Char('0')) + sig;
    }
  } else {
    out += sig.left(1);
    if (sig.size() > 1) out += decimalPoint + sig.mid(1);
    out += QLatin1Char('E') + QString::number(exponent);
  }
  return out;
}

namespace {

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

TDecimalParse ParseDecimal(QStringView text, const QString& decimalPoint, long double& value) {
  const qsizetype n = text.size();
  qsizetype i = 0;
  std::string ascii;
  if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    if (text[i] == QLatin1Char('-')) ascii += '-';
    ++i;
  }
  std::string intDigits, fracDigits;
  while (i < n && IsAsciiDigit(text[i])) intDigits += char(text[i++].unicode());
  if (!decimalPoint.isEmpty() && text.mid(i).startsWith(decimalPoint)) {
    i += decimalPoint.size();
    while (i < n && IsAsciiDigit(text[i])) fracDigits += char(text[i++].unicode());
  }
  if (intDigits.empty() && fracDigits.empty()) return TDecimalParse::Invalid;

  long long exponent = 0;
  std::string expText;
  if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
      expNegative = text[i] == QLatin1Char('-');
      ++i;
    }
    if (i >= n || !IsAsciiDigit(text[i])) return TDecimalParse::Invalid;
    while (i < n && IsAsciiDigit(text[i])) {
      // Saturate: anything beyond this is far outside every floating-point range.
      if (exponent < 1000000000LL) exponent = exponent * 10 + (text[i].unicode() - '0');
      ++i;
    }
    if (expNegative) exponent = -exponent;
  }
  if (i != n) return TDecimalParse::Invalid;

  // Decimal exponent of the leading significant digit, to tell underflow from overflow.
  const auto firstNonZeroInt = intDigits.find_first_not_of('0');
  const auto firstNonZeroFrac = fracDigits.find_first_not_of('0');
  if (firstNonZeroInt == std::string::npos && firstNonZeroFrac == std::string::npos) {
    value = 0.0L;
    return TDecimalParse::Ok;
  }
  const long long leading =
      firstNonZeroInt != std::string::npos
          ? static_cast<long long>(intDigits.size() - firstNonZeroInt) - 1
          : -static_cast<long long>(firstNonZeroFrac) - 1;
  const long long magnitude = leading + exponent;
  if (magnitude < -6000) {
    value = 0.0L;
    return TDecimalParse::Ok;
  }
  if (magnitude > 6000) return TDecimalParse::OutOfRange;

  ascii += intDigits.empty() ? std::string("0") : intDigits;
  if (!fracDigits.empty()) ascii += '.' + fracDigits;
  ascii += 'e' + std::to_string(exponent);
  long double parsed = 0;
  const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed,
                                   std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    if (magnitude < 0) {
      value = 0.0L;
      return TDecimalParse::Ok;
    }
    return TDecimalParse::OutOfRange;
  }
  if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size())
    return TDecimalParse::Invalid;
  if (!std::isfinite(parsed)) return TDecimalParse::OutOfRange;
  value = parsed;
  return TDecimalParse::Ok;
}
