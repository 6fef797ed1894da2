#include <gtest/gtest.h>

#include <cmath>

#include "TestPrinters.h"
#include "Units.h"

namespace {

// Factors worked by hand from the token table (English units per SI unit).
constexpr double kLbsPerKN = 224.8089237;
constexpr double kTonsPerKN = 0.1124044745;
constexpr double kInPerM = 39.37007874;
constexpr double kInPerMm = 0.03937007874;
constexpr double kFtPerM = 3.280839895;

struct FactorCase {
  const char* Units;
  double SIToEnglish;  // factor from SI (2) to English (1)
};

TORVEX_PRINT_CASE_BY(FactorCase, Units)

class ConversionFactorTest : public ::testing::TestWithParam<FactorCase> {};

TEST_P(ConversionFactorTest, SIToEnglishAndBack_AreTheFactorAndItsReciprocal) {
  const FactorCase c = GetParam();
  const QString units = QString::fromLatin1(c.Units);
  const double toEnglish = static_cast<double>(ConversionFactor(units, kUnitsSI, kUnitsEnglish));
  const double toSI = static_cast<double>(ConversionFactor(units, kUnitsEnglish, kUnitsSI));
  EXPECT_NEAR(toEnglish, c.SIToEnglish, 1e-7 * c.SIToEnglish) << c.Units;
  EXPECT_NEAR(toSI * toEnglish, 1.0, 1e-15) << c.Units;
}

INSTANTIATE_TEST_SUITE_P(
    ProgramUnitStrings, ConversionFactorTest,
    ::testing::Values(FactorCase{"L2", kFtPerM}, FactorCase{"L", kInPerM},
                      FactorCase{"L0", kInPerM}, FactorCase{"L1", kInPerMm},
                      FactorCase{"F2", kTonsPerKN},
                      FactorCase{"F/L2^2", kLbsPerKN / (kFtPerM * kFtPerM)},
                      FactorCase{"F/L2^3", kLbsPerKN / (kFtPerM * kFtPerM * kFtPerM)},
                      FactorCase{"F/L^2", kLbsPerKN / (kInPerM * kInPerM)},
                      // A force and a length on one side, joined by a separator.
                      FactorCase{"F1-L2", 0.2248089237 * kFtPerM},
                      // Digits the table does not list select F2 and L2.
                      FactorCase{"F9", kTonsPerKN}, FactorCase{"L7", kFtPerM},
                      FactorCase{"F6", 68.364249}, FactorCase{"F5", 1.0},
                      // No tokens: dimensionless.
                      FactorCase{"", 1.0}, FactorCase{"deg", 1.0}));

TEST(ConversionFactor, MatchesTheRoundedFactorsOfTheProgramsStresses) {
  EXPECT_NEAR(double(ConversionFactor("F/L2^2", kUnitsSI, kUnitsEnglish)), 20.885432, 5e-6);
  EXPECT_NEAR(double(ConversionFactor("F/L2^3", kUnitsSI, kUnitsEnglish)), 6.3658798, 5e-7);
  EXPECT_NEAR(double(ConversionFactor("F/L^2", kUnitsSI, kUnitsEnglish)), 0.14503773, 5e-8);
}

TEST(ConversionFactor, SameSystemOrSymbolic_IsOne) {
  const struct {
    int From, To;
  } pairs[] = {{1, 1}, {2, 2}, {3, 3}, {1, 3}, {3, 1}, {2, 3}, {3, 2}};
  for (const auto& p : pairs)
    EXPECT_EQ(ConversionFactor("F/L2^2", p.From, p.To), 1.0L) << p.From << "->" << p.To;
}

TEST(ConversionFactor, EnglishToSIToEnglish_ReturnsTheValue) {
  const long double value = 1234.5678L;
  const long double there = value * ConversionFactor("F/L2^2", kUnitsEnglish, kUnitsSI);
  const long double back = there * ConversionFactor("F/L2^2", kUnitsSI, kUnitsEnglish);
  EXPECT_NEAR(double(back), double(value), 1e-12);
}

struct NameCase {
  const char* Units;
  int System;
  const char* Display;
  const char* Label;
};

void PrintTo(const NameCase& c, std::ostream* os) {
  *os << '"' << c.Units << "\" in " << c.System;
}

class UnitNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(UnitNameTest, DisplayAndLabelNames) {
  const NameCase c = GetParam();
  const QString units = QString::fromUtf8(c.Units);
  EXPECT_EQ(UnitDisplayName(units, c.System), QString::fromUtf8(c.Display))
      << c.Units << " in " << c.System;
  EXPECT_EQ(UnitLabelName(units, c.System), QString::fromUtf8(c.Label))
      << c.Units << " in " << c.System;
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnitNameTest,
    ::testing::Values(
        NameCase{"L2", 1, "ft", "ft"}, NameCase{"L2", 2, "m", "m"},
        NameCase{"L", 1, "in", "in"}, NameCase{"L", 2, "m", "m"},
        NameCase{"L1", 2, "mm", "mm"}, NameCase{"F2", 1, "tons", "tons"},
        NameCase{"F2", 2, "kN", "kN"}, NameCase{"F/L2^2", 1, "lbs/ft^2", "lbs/ft^2"},
        NameCase{"F/L2^2", 2, "kN/m^2", "kN/m^2"}, NameCase{"F/L2^3", 1, "lbs/ft^3", "lbs/ft^3"},
        NameCase{"F/L^2", 1, "lbs/in^2", "lbs/in^2"}, NameCase{"F/L^2", 2, "kN/m^2", "kN/m^2"},
        NameCase{"F4", 1, "lb-sec2/in", "lb-sec2/in"}, NameCase{"F4", 2, "Mg", "Mg"},
        NameCase{"F5", 1, "sec", "sec"}, NameCase{"L3", 2, "rad", "rad"},
        NameCase{"F6", 1, "slug", "slug"}, NameCase{"F1-L2", 1, "kips-ft", "kips-ft"},
        // The superscript form used on entry-field labels.
        NameCase{"F/L²", 1, "lbs/in²", "lbs/in²"}, NameCase{"F/L²", 2, "kN/m²", "kN/m²"},
        NameCase{"deg", 1, "deg", "deg"}, NameCase{"", 2, "", ""},
        // Symbolic: the letters stay; labels show the string unchanged.
        NameCase{"F/L2^2", 3, "F/L^2", "F/L2^2"}, NameCase{"F4", 3, "M", "F4"},
        // A repeated token is replaced everywhere.
        NameCase{"L2/L2", 1, "ft/ft", "ft/ft"}));

}  // namespace
