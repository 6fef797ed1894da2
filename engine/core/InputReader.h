// Reads the problem input file (.tv8d) into the problem record.
//
// The file is read record by record, one record a line, its items separated by blanks or
// tabs. Values are bound as read, in the problem's own unit system; the conversion to the
// engine's units comes afterwards (InputConversion.h). Accepted shorter forms: the options
// record with 10 items (no t-z print flag), and layer parameter lines without the two LRFD
// resistance factors (they keep 1.0). Items beyond those a record needs are ignored.
//
// Anything else that does not fit (a word that is not a number, an integer item written
// with a fraction, a missing record or item, a count outside its table, an unknown layer
// type, a layer bottom not below its top) stops the reading at that record and is described
// in an InputError naming the line. So does a value that no problem has: a negative length,
// depth, diameter, unit weight, strength, modulus, blow count or RQD, or a magnitude beyond
// the bound of its kind of quantity (a length of 1e5 ft or m, a unit weight of 1e4, a stress
// or modulus of 1e12, a load of 1e8, a blow count of 1e4, an angle of 360 degrees, a factor
// of 1e3); the error then names the item and the value and is marked as refused. Negative
// values that the rules give a meaning stay: a negative maximum end bearing (a fixed unit
// end bearing), maximum side friction (no limit), increment (replaced), bell ratio
// (straight shaft), friction angle or coefficient (estimated like zero), load or factor.
#pragma once

#include <string>
#include <string_view>

#include "ProblemRecord.h"
#include "UnitTable.h"

namespace tvx {

struct InputError {
  int line = 0;         // 1-based line number of the record that could not be read
  std::string record;   // what the record holds, e.g. "LAYER 2, VALUES AT THE TOP"
  std::string problem;  // what is wrong with it
  bool refused = false; // the record was read, but a value lies outside what the analysis takes
};

// A sequence of text lines, each without its line end.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // The next line, or false at the end of the text.
  virtual bool Next(std::string& line) = 0;
};

// Lines of an in-memory text (LF or CR LF line ends).
class TextLineSource : public LineSource {
 public:
  explicit TextLineSource(std::string_view text) : fText(text) {}
  bool Next(std::string& line) override;

 private:
  std::string_view fText;
  std::size_t fPos = 0;
};

// Lines of a unit opened for reading.
class UnitLineSource : public LineSource {
 public:
  UnitLineSource(UnitTable& units, int unit) : fUnits(units), fUnit(unit) {}
  bool Next(std::string& line) override { return fUnits.ReadLine(fUnit, line); }

 private:
  UnitTable& fUnits;
  int fUnit;
};

// Reads the whole problem into `problem`, which should be a fresh record. Returns false at
// the first record that cannot be read, with `error` describing it; `problem` then holds
// what was read before.
bool ReadProblemInput(LineSource& source, ProblemRecord& problem, InputError& error);

// The same for the text of a whole input file.
bool ReadProblemText(std::string_view text, ProblemRecord& problem, InputError& error);

}  // namespace tvx
