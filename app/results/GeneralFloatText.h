#pragma once

#include <QString>
#include <string>

// A number as the program writes it in line names, captions and exported cells: general
// format with at most 15 significant digits and no trailing zeros ("3", "2.5", "0.00001",
// "-40"); exponent form ("1.5E-7", "1E20") below 0.00001 and from 1E15 on.
QString GeneralFloatText(long double value);

// ---- The pieces of the general formats of numbers -----------------------------------------

// "NAN", "INF", "-INF" or "0" for a value that has no digits to write; empty for any other.
QString DigitlessValueText(long double value);

// The decimal digits of a finite, non-zero value rounded to `significant` digits: its sign,
// its digits without trailing zeros, and the decimal exponent of the first digit (1500 at
// four digits: "15" and 3). A value that rounds up to the next power of ten takes the
// exponent of its rounded form (9999.6 at four digits: "1" and 4).
struct TDecimalDigits {
  bool Negative = false;
  std::string Digits;
  int Exponent = 0;
};
TDecimalDigits RoundedDigits(long double value, int significant);

// The digits in plain decimal form: "1500", "0.00125", "-40".
std::string PlainDecimalText(const TDecimalDigits& d);
// The digits as the mantissa of an exponent form, the exponent left for the caller to
// write: "1.235", "-2".
std::string MantissaText(const TDecimalDigits& d);
