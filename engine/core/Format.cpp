#include "Format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace tvx {
namespace {

constexpr int kFreeNonFiniteWidth = 3;  // a free-format item that is not a finite number

std::string Stars(int w) { return std::string(w > 0 ? w : 0, '*'); }

std::string RightAlign(const std::string& s, int w) {
  if (static_cast<int>(s.size()) > w) return Stars(w);
  return std::string(w - s.size(), ' ') + s;
}

// |v| = 0.D1 D2 D3 ... x 10^exp10 with D1 != 0, the digits exact (no rounding).
struct DecimalDigits {
  std::string digits;
  int exp10 = 0;
};

// |v| = mant x 2^bexp with mant odd, for a finite non-zero v.
struct OddBinary {
  std::uint64_t mant = 0;
  int bexp = 0;
};
OddBinary OddBinaryOf(double v) {
  int e2 = 0;
  const double f = std::frexp(std::fabs(v), &e2);  // |v| = f * 2^e2, f in [0.5, 1)
  OddBinary b;
  b.mant = static_cast<std::uint64_t>(std::ldexp(f, 53));
  b.bexp = e2 - 53;
  const int tz = std::countr_zero(b.mant);
  b.mant >>= tz;
  b.bexp += tz;
  return b;
}

DecimalDigits ExactDigits(double v) {
  DecimalDigits out;
  v = std::fabs(v);
  const OddBinary b = OddBinaryOf(v);
  const int bexp = b.bexp;
  // Significant digits of the exact expansion: those of the integer part (at most 309) plus
  // one per binary fraction digit. Ask printf for a few more; they come out as zeros.
  const int intDigits = v >= 1.0 ? static_cast<int>(std::floor(std::log10(v))) + 2 : 0;
  const int fracDigits = bexp < 0 ? -bexp : 0;
  const int precision = intDigits + fracDigits + 2;
  // The exact digits in scientific form, d.ddddde[+-]xx; with that many digits asked for,
  // nothing is rounded.
  char stack[512];
  std::vector<char> heap;
  char* buf = stack;
  std::size_t size = sizeof stack;
  if (static_cast<std::size_t>(precision) + 32 > size) {
    heap.resize(static_cast<std::size_t>(precision) + 32);
    buf = heap.data();
    size = heap.size();
  }
  const auto res = std::to_chars(buf, buf + size, v, std::chars_format::scientific, precision);
  const char* end = res.ptr;
  const char* epos = buf;
  while (epos < end && *epos != 'e') ++epos;
  std::string& digits = out.digits;
  digits.reserve(static_cast<std::size_t>(epos - buf));
  for (const char* c = buf; c < epos; ++c)
    if (*c != '.') digits.push_back(*c);
  int e10 = 0;
  const char* e = epos + 1;
  if (e < end && *e == '+') ++e;
  std::from_chars(e, end, e10);
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  out.exp10 = e10 + 1;
  return out;
}

// Rounds 0.D x 10^X to k significant digits, half away from zero. Returns the kept digits
// (exactly k of them, zero-padded) and updates X on a carry. k <= 0 keeps nothing unless the
// value rounds up into a new leading digit.
DecimalDigits RoundDigits(DecimalDigits r, int k) {
  if (k < 0) {
    r.digits.clear();
    return r;
  }
  if (static_cast<int>(r.digits.size()) <= k) {
    r.digits.append(k - r.digits.size(), '0');
    return r;
  }
  const bool up = r.digits[k] >= '5';
  r.digits.resize(k);
  if (up) {
    int i = k - 1;
    while (i >= 0 && r.digits[i] == '9') {
      r.digits[i] = '0';
      --i;
    }
    if (i >= 0) {
      ++r.digits[i];
    } else {
      r.digits.insert(r.digits.begin(), '1');
      r.digits.pop_back();
      if (k == 0) r.digits = "1";
      r.exp10 += 1;
    }
  }
  return r;
}

// Rounding to a number of digits, half away from zero on the exact binary value, differs
// from the nearest rounding of to_chars only on an exact tie: an expansion that ends in a 5
// just past the last digit kept. A binary fraction mant x 2^bexp (bexp < 0) has exactly
// -bexp decimals, its last one a 5, and as many significant digits as mant x 5^-bexp. Where
// no tie can occur, to_chars gives the rounded digits directly; elsewhere the exact
// expansion decides.
constexpr int kFastDigitsLimit = 17;  // 10^(d+1) stays within 64 bits

// The digits of |v| rounded to d decimals, as integer part ("" for 0) and d fraction digits;
// false where a tie is possible or the value is out of the fast range.
bool RoundedFixed(double v, int d, std::string& intPart, std::string& frac) {
  if (d > kFastDigitsLimit || !(std::fabs(v) < 1e17)) return false;
  const OddBinary b = OddBinaryOf(v);
  if (b.bexp == -(d + 1)) return false;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed, d);
  if (res.ec != std::errc()) return false;
  const char* const end = res.ptr;
  const char* dot = buf;
  while (dot < end && *dot != '.') ++dot;
  intPart.assign(buf, static_cast<std::size_t>(dot - buf));
  if (intPart == "0") intPart.clear();
  frac.clear();
  if (dot < end) frac.assign(dot + 1, static_cast<std::size_t>(end - dot - 1));
  return static_cast<int>(frac.size()) == d;
}

// |v| rounded to d significant digits as 0.D1..Dd x 10^exp10; false where a tie is possible.
bool RoundedScientific(double v, int d, DecimalDigits& out) {
  if (d > kFastDigitsLimit) return false;
  const OddBinary b = OddBinaryOf(v);
  if (b.bexp >= 0) return false;
  std::uint64_t limit = 1;  // 10^(d+1)
  for (int i = 0; i <= d; ++i) limit *= 10;
  // mant x 5^n has more than d + 1 digits when mant does, or when 5^n does.
  std::uint64_t five = 1;
  int n = 0;
  while (five < limit && n < -b.bexp) {
    five *= 5;
    ++n;
  }
  if (b.mant < limit && five < limit) return false;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, d - 1);
  if (res.ec != std::errc()) return false;
  const char* e = buf;
  while (e < res.ptr && *e != 'e') ++e;
  out.digits.clear();
  for (const char* c = buf; c < e; ++c)
    if (*c != '.') out.digits.push_back(*c);
  int x = 0;
  const char* xs = e + 1;
  if (xs < res.ptr && *xs == '+') ++xs;
  std::from_chars(xs, res.ptr, x);
  out.exp10 = x + 1;
  return static_cast<int>(out.digits.size()) == d;
}

long long gNonFiniteFields = 0;

// A value that is not a finite number has no digits to print: its field is filled with
// asterisks, as a value too wide for it is, and the count tells the run that it happened.
std::string NonFinite(int w) {
  ++gNonFiniteFields;
  return Stars(w);
}

}  // namespace

std::string FormatI(long long value, int w) {
  return RightAlign(std::to_string(value), w);
}

std::string FormatF(double value, int w, int d) {
  if (w <= 0) return std::string();
  if (d < 0) d = 0;
  if (!std::isfinite(value)) return NonFinite(w);
  const bool neg = std::signbit(value);
  std::string intPart;
  std::string frac(d, '0');
  if (value != 0.0 && RoundedFixed(value, d, intPart, frac)) {
    // rounded by to_chars: no tie
  } else if (value != 0.0) {
    intPart.clear();
    frac.assign(d, '0');
    DecimalDigits exact = ExactDigits(value);
    const int keep = exact.exp10 + d;
    DecimalDigits r = RoundDigits(std::move(exact), keep);
    if (keep < 0 || r.digits.empty()) r.digits.clear();
    // r represents 0.digits x 10^exp10 with digits covering positions down to 10^-d.
    const int x = r.exp10;
    const int n = static_cast<int>(r.digits.size());
    if (n > 0) {
      if (x > 0) intPart = r.digits.substr(0, std::min(x, n));
      if (x > n) intPart.append(x - n, '0');
      // Fraction position j (1-based) holds digit index x + j - 1.
      for (int j = 1; j <= d; ++j) {
        const int idx = x + j - 1;
        if (idx >= 0 && idx < n) frac[j - 1] = r.digits[idx];
      }
    }
    // Strip leading zeros of the integer part (none expected, kept for safety).
    while (intPart.size() > 1 && intPart[0] == '0') intPart.erase(0, 1);
    if (intPart == "0") intPart.clear();
  }
  const std::string sign = neg ? "-" : "";
  std::string withZero = sign + (intPart.empty() ? "0" : intPart) + "." + frac;
  if (static_cast<int>(withZero.size()) <= w) return RightAlign(withZero, w);
  if (intPart.empty() && d > 0) {
    std::string noZero = sign + "." + frac;
    if (static_cast<int>(noZero.size()) <= w) return RightAlign(noZero, w);
  }
  return Stars(w);
}

std::string FormatE(double value, int w, int d) {
  if (w <= 0) return std::string();
  if (!std::isfinite(value)) return NonFinite(w);
  if (d < 1) return Stars(w);
  const bool neg = std::signbit(value);
  std::string mant(d, '0');
  int x = 0;
  if (value != 0.0) {
    DecimalDigits r;
    if (!RoundedScientific(value, d, r)) r = RoundDigits(ExactDigits(value), d);
    mant = std::move(r.digits);
    x = r.exp10;
  }
  std::string expo;
  const int ax = x < 0 ? -x : x;
  const char es = x < 0 ? '-' : '+';
  if (ax <= 99) {
    expo = std::string("E") + es + static_cast<char>('0' + ax / 10) + static_cast<char>('0' + ax % 10);
  } else if (ax <= 999) {
    expo = std::string(1, es) + std::to_string(ax);
  } else {
    return Stars(w);
  }
  const std::string sign = neg ? "-" : "";
  std::string withZero = sign + "0." + mant + expo;
  if (static_cast<int>(withZero.size()) <= w) return RightAlign(withZero, w);
  std::string noZero = sign + "." + mant + expo;
  if (static_cast<int>(noZero.size()) <= w) return RightAlign(noZero, w);
  return Stars(w);
}

std::string FormatA(std::string_view text, int w) {
  if (w <= 0) return std::string();
  if (static_cast<int>(text.size()) >= w) return std::string(text.substr(0, w));
  return std::string(w - text.size(), ' ') + std::string(text);
}

std::string FixedWidth(const std::string& text, std::size_t width) {
  if (text.size() >= width) return text.substr(0, width);
  return text + std::string(width - text.size(), ' ');
}

std::string TrimTrailingBlanks(const std::string& text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::string FreeReal(float value) {
  if (!std::isfinite(value)) return NonFinite(kFreeNonFiniteWidth);
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  std::string s(buf, res.ptr);
  for (char& c : s)
    if (c == 'e') c = 'E';
  return s;
}

long long NonFiniteFieldCount() { return gNonFiniteFields; }
void ResetNonFiniteFieldCount() { gNonFiniteFields = 0; }

Record& Record::X(int n) {
  if (n > 0) fText.append(n, ' ');
  return *this;
}
Record& Record::T(std::string_view text) {
  fText.append(text);
  return *this;
}
Record& Record::I(int w, long long value) {
  fText += FormatI(value, w);
  return *this;
}
Record& Record::F(int w, int d, double value) {
  fText += FormatF(value, w, d);
  return *this;
}
Record& Record::E(int w, int d, double value) {
  fText += FormatE(value, w, d);
  return *this;
}
Record& Record::A(int w, std::string_view text) {
  fText += FormatA(text, w);
  return *this;
}
Record& Record::FreeInt(long long value) {
  fText += ' ';
  fText += std::to_string(value);
  return *this;
}
Record& Record::FreeReal(float value) {
  fText += ' ';
  fText += tvx::FreeReal(value);
  return *this;
}

}  // namespace tvx
