#include "Units.h"

#include <cmath>

namespace {

constexpr std::array<TUnitEntry, 10> kUnitTable{{
    {"F0", "lbs", "kN", "F", 224.8089237L},
    {"F1", "kips", "kN", "F", 0.2248089237L},
    {"F2", "tons", "kN", "F", 0.1124044745L},
    {"L0", "in", "m", "L", 39.37007874L},
    {"L1", "in", "mm", "L", 0.03937007874L},
    {"L2", "ft", "m", "L", 3.280839895L},
    {"F4", "lb-sec2/in", "Mg", "M", 5.7101483L},
    {"F5", "sec", "sec", "T", 1.0L},
    {"L3", "rad", "rad", "L", 1.0L},
    {"F6", "slug", "Mg", "F", 68.364249L},
}};

enum Entry { kF0, kF1, kF2, kL0, kL1, kL2, kF4, kF5, kL3, kF6 };

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Reads a token's optional digit and optional "^" exponent starting after its letter;
// returns the digit and sets `exponent` and `pos` past what was read.
int ReadTokenTail(const QString& side, qsizetype& pos, int& exponent) {
  int digit = 0;
  if (pos < side.size() && IsDigit(side[pos])) digit = side[pos++].unicode() - '0';
  exponent = 1;
  if (pos + 1 < side.size() && side[pos] == QLatin1Char('^') && IsDigit(side[pos + 1])) {
    exponent = side[pos + 1].unicode() - '0';
    pos += 2;
  }
  return digit;
}

// Factor of one side of a unit string: an optional force term, then an optional length term.
long double SideFactor(const QString& side) {
  long double factor = 1.0L;
  qsizetype pos = 0;
  if (pos < side.size() && side[pos] == QLatin1Char('F')) {
    ++pos;
    int exponent = 1;
    const int digit = ReadTokenTail(side, pos, exponent);
    factor *= std::pow(ForceUnit(digit).Factor, static_cast<long double>(exponent));
    // The separator between the force and the length term ("F-L2"); a length token that
    // follows directly is not taken for one.
    if (pos < side.size() && side[pos] != QLatin1Char('L')) ++pos;
  }
  if (pos < side.size() && side[pos] == QLatin1Char('L')) {
    ++pos;
    int exponent = 1;
    const int digit = ReadTokenTail(side, pos, exponent);
    factor *= std::pow(LengthUnit(digit).Factor, static_cast<long double>(exponent));
  }
  return factor;
}

QString Name(Entry e, int system) { return UnitName(kUnitTable[e], system); }

}  // namespace

const std::array<TUnitEntry, 10>& UnitTable() { return kUnitTable; }

const TUnitEntry& ForceUnit(int digit) {
  switch (digit) {
    case 0: return kUnitTable[kF0];
    case 1: return kUnitTable[kF1];
    case 4: return kUnitTable[kF4];
    case 5: return kUnitTable[kF5];
    case 6: return kUnitTable[kF6];
    default: return kUnitTable[kF2];
  }
}

const TUnitEntry& LengthUnit(int digit) {
  switch (digit) {
    case 0: return kUnitTable[kL0];
    case 1: return kUnitTable[kL1];
    case 3: return kUnitTable[kL3];
    default: return kUnitTable[kL2];
  }
}

QString UnitName(const TUnitEntry& entry, int system) {
  switch (system) {
    case kUnitsEnglish: return QString::fromLatin1(entry.EnglishName);
    case kUnitsSI: return QString::fromLatin1(entry.SIName);
    default: return QString::fromLatin1(entry.SymbolicName);
  }
}

long double ConversionFactor(const QString& unitString, int from, int to) {
  int sign = 0;
  if (from == kUnitsEnglish && to == kUnitsSI) sign = -1;
  else if (from == kUnitsSI && to == kUnitsEnglish) sign = +1;
  else return 1.0L;

  const qsizetype slash = unitString.indexOf(QLatin1Char('/'));
  const QString numerator = slash < 0 ? unitString : unitString.left(slash);
  const QString denominator = slash < 0 ? QString() : unitString.mid(slash + 1);
  const long double ratio = SideFactor(numerator) / SideFactor(denominator);
  return sign > 0 ? ratio : 1.0L / ratio;
}

QString UnitDisplayName(const QString& unitString, int system) {
  // Longer tokens first; matching is case-sensitive, so the lower-case letters of the
  // inserted names are never taken for tokens again.
  static constexpr Entry kOrder[] = {kF2, kF1, kF4, kF5, kF6, kF0, kL3, kL2, kL1, kL0};
  QString out = unitString;
  for (Entry e : kOrder) {
    const QString token = (e == kF0) ? QStringLiteral("F")
                          : (e == kL0) ? QStringLiteral("L")
                                       : QString::fromLatin1(kUnitTable[e].Token);
    out.replace(token, Name(e, system));
  }
  return out;
}

QString UnitLabelName(const QString& unitString, int system) {
  if (system != kUnitsEnglish && system != kUnitsSI) return unitString;
  QString out = unitString;

  bool replaced = false;
  for (Entry e : {kF6, kF5, kF4, kF2, kF1}) {
    const QString token = QString::fromLatin1(kUnitTable[e].Token);
    if (out.contains(token)) {
      out.replace(token, Name(e, system));
      replaced = true;
      break;
    }
  }
  if (!replaced) out.replace(QLatin1Char('F'), Name(kF0, system));

  replaced = false;
  for (Entry e : {kL2, kL1, kL3}) {
    const QString token = QString::fromLatin1(kUnitTable[e].Token);
    if (out.contains(token)) {
      out.replace(token, Name(e, system));
      replaced = true;
      break;
    }
  }
  if (!replaced) out.replace(QLatin1Char('L'), Name(kL0, system));
  return out;
}
