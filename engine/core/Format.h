// Fixed-layout record formatting for every line the engine writes (report, run notes,
// curve listings, plot data).
//
// The notation is the one the report layouts are written in:
//   nX     n blanks                      -> X(n)
//   "text" literal text                  -> T("text")
//   Iw     integer in w columns          -> I(w, value)
//   Fw.d   fixed point, d decimals       -> F(w, d, value)
//   Ew.d   0.ddddE+xx exponent form      -> E(w, d, value)
//   Aw     text in w columns             -> A(w, text)
//   /      end of record                 -> one Record per line
//   k(...) repetition                    -> a loop in the caller
// A value too wide for its field prints as w asterisks, and so does a value that is not a
// finite number (NaN or an infinity; three asterisks for a free-format item), which is also
// counted: a run that has printed one has lost a result (NonFiniteFieldCount). Rounding is round half away from
// zero on the exact binary value, as a Fortran run-time library does with ROUND=COMPATIBLE;
// a negative value (also one that rounds to zero, and a negative zero) keeps its minus sign.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tvx {

std::string FormatI(long long value, int w);
std::string FormatF(double value, int w, int d);
std::string FormatE(double value, int w, int d);
std::string FormatA(std::string_view text, int w);

// A text cut or blank-padded to exactly `width` characters, and a text without its trailing
// blanks: the fixed-width character items of the run-file list and of copied records.
std::string FixedWidth(const std::string& text, std::size_t width);
std::string TrimTrailingBlanks(const std::string& text);

// Free (list-directed) form of a real: the shortest text that reads back as the same
// single-precision value, "." as decimal point, "E" for the exponent.
std::string FreeReal(float value);

// Fields printed for values that are not finite numbers, since the last reset. The engine
// keeps its state process-wide and runs one analysis at a time; a run resets the count when
// it starts and tests it after every case and before it closes its files.
long long NonFiniteFieldCount();
void ResetNonFiniteFieldCount();

class Record {
 public:
  Record() = default;

  Record& X(int n);
  Record& T(std::string_view text);
  Record& I(int w, long long value);
  Record& F(int w, int d, double value);
  Record& E(int w, int d, double value);
  Record& A(int w, std::string_view text);

  // Free-format items: each is preceded by one blank.
  Record& FreeInt(long long value);
  Record& FreeReal(float value);

  const std::string& str() const { return fText; }
  operator const std::string&() const { return fText; }
  operator std::string_view() const { return fText; }

 private:
  std::string fText;
};

}  // namespace tvx
