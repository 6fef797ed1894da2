#pragma once
// Unit strings and their conversion between unit systems.
//
// A dimensioned value does not name its unit directly; it carries a unit string built from
// force tokens ("F" and an optional digit) and length tokens ("L" and an optional digit),
// for example "L2" (ft / m) or "F/L2^2" (lbs/ft^2 / kN/m^2). The names shown for a token
// depend on the unit system; the conversion factor tells how a value is rescaled when a
// document switches between English and SI.
#include <QString>
#include <array>

constexpr int kUnitsEnglish = 1;
constexpr int kUnitsSI = 2;
constexpr int kUnitsSymbolic = 3;  // the tokens' generic letters; never converted

struct TUnitEntry {
  const char* Token;
  const char* EnglishName;
  const char* SIName;
  const char* SymbolicName;
  long double Factor;  // English units per SI unit
};

// The ten entries, in the order F0, F1, F2, L0, L1, L2, F4, F5, L3, F6.
const std::array<TUnitEntry, 10>& UnitTable();

// Entry selected by a force digit (0, 1, 4, 5, 6; any other digit selects F2) and by a
// length digit (0, 1, 3; any other digit selects L2). A token without digit is digit 0.
const TUnitEntry& ForceUnit(int digit);
const TUnitEntry& LengthUnit(int digit);

// Name of an entry in a unit system (1 English, 2 SI, otherwise the symbolic letter).
QString UnitName(const TUnitEntry& entry, int system);

// The factor a value in `unitString` is multiplied by when it goes from system `from` to
// system `to`: 1 unless one is English and the other SI.
long double ConversionFactor(const QString& unitString, int from, int to);

// The unit string with its tokens replaced by the names of `system` (column headings).
// Every occurrence of a token is replaced.
QString UnitDisplayName(const QString& unitString, int system);

// The unit's name for the label of a numeric entry field: one force token kind and one
// length token kind are replaced; systems other than English and SI show the string as it is.
QString UnitLabelName(const QString& unitString, int system);
