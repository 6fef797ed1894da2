#include "UnitsTitle.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct UnitsCase {
  const char* code;
  const char* english;
  const char* si;
};

std::ostream& operator<<(std::ostream& os, const UnitsCase& c) { return os << '"' << c.code << '"'; }

class UnitsTitleTest : public ::testing::TestWithParam<UnitsCase> {};

TEST_P(UnitsTitleTest, EnglishAndSIWords) {
  const QString code = QString::fromLatin1(GetParam().code);
  EXPECT_EQ(UnitsTitle(code, kPlotUnitsEnglish).toStdString(), GetParam().english);
  EXPECT_EQ(UnitsTitle(code, kPlotUnitsSI).toStdString(), GetParam().si);
}

TEST_P(UnitsTitleTest, CodesSystem_LeavesCodeUnchanged) {
  const QString code = QString::fromLatin1(GetParam().code);
  EXPECT_EQ(UnitsTitle(code, kPlotUnitsAsCoded), code);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, UnitsTitleTest,
    ::testing::Values(
        // the codes of the result plots
        UnitsCase{"F2", "tons", "kN"}, UnitsCase{"L", "in", "m"}, UnitsCase{"L2", "ft", "m"},
        UnitsCase{"F/L^2", "lbs/in^2", "kN/m^2"},
        // each token alone
        UnitsCase{"F", "lbs", "kN"}, UnitsCase{"F1", "kips", "kN"},
        UnitsCase{"L1", "in", "mm"},
        // force and length on the partly replaced text
        UnitsCase{"F/L2^2", "lbs/ft^2", "kN/m^2"}, UnitsCase{"F2/L1", "tons/in", "kN/mm"},
        UnitsCase{"F1-L2", "kips-ft", "kN-m"},
        // the digit 2 wins over 1, 1 over the bare letter: the others stay as they are
        UnitsCase{"F2/F1", "tons/F1", "kN/F1"}, UnitsCase{"F1/F", "kips/F", "kN/F"},
        UnitsCase{"L2/L", "ft/L", "m/L"},
        // every occurrence of the chosen token
        UnitsCase{"F2*F2", "tons*tons", "kN*kN"}, UnitsCase{"L/L", "in/in", "m/m"},
        // case-sensitive: lower-case letters are not tokens
        UnitsCase{"f/l2", "f/l2", "f/l2"}, UnitsCase{"deg", "deg", "deg"},
        UnitsCase{"", "", ""}));

struct SystemCase {
  int units;
  const char* expected;
};

std::ostream& operator<<(std::ostream& os, const SystemCase& c) { return os << "units " << c.units; }

class UnitsTitleSystemTest : public ::testing::TestWithParam<SystemCase> {};

// A unit system outside 1..3 reads as the nearest one, as a graph keeps its own.
TEST_P(UnitsTitleSystemTest, OutOfRangeSystem_ReadsAsNearest) {
  EXPECT_EQ(UnitsTitle(QStringLiteral("F/L2^2"), GetParam().units).toStdString(),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Systems, UnitsTitleSystemTest,
                         ::testing::Values(SystemCase{-7, "lbs/ft^2"}, SystemCase{0, "lbs/ft^2"},
                                           SystemCase{4, "F/L2^2"}, SystemCase{99, "F/L2^2"}));

}  // namespace
