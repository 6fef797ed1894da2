#include <gtest/gtest.h>

#include "NumberText.h"
#include "TestPrinters.h"

namespace {

struct FormatCase {
  long double Value;
  int Digits;
  const char* Expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.Expected; }

class FormatGeneralTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneralTest, WritesTheShortestGeneralForm) {
  const FormatCase c = GetParam();
  EXPECT_EQ(FormatGeneral(c.Value, c.Digits, "."), QString::fromLatin1(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatGeneralTest,
    ::testing::Values(
        FormatCase{2.5L, 8, "2.5"}, FormatCase{3.0L, 8, "3"}, FormatCase{0.000001L, 8, "1E-6"},
        FormatCase{-1.5L, 8, "-1.5"}, FormatCase{0.0L, 8, "0"}, FormatCase{-0.0L, 8, "0"},
        // The fixed range: from 0.0001 up to eight integer digits.
        FormatCase{0.0001L, 8, "0.0001"}, FormatCase{0.00009L, 8, "9E-5"},
        FormatCase{0.00012345678L, 8, "0.00012345678"}, FormatCase{99999999.0L, 8, "99999999"},
        FormatCase{123456789.0L, 8, "1.2345679E8"},
        // Rounding decides the notation: this rounds up to a nine-digit integer.
        FormatCase{99999999.7L, 8, "1E8"}, FormatCase{0.0000999999999L, 8, "0.0001"},
        FormatCase{1.23456789L, 8, "1.2345679"}, FormatCase{1e20L, 8, "1E20"},
        FormatCase{-2.5e-7L, 8, "-2.5E-7"}, FormatCase{1.18973149535723176E+100L, 8, "1.1897315E100"},
        // Intermediate results of the evaluator keep 18 digits.
        FormatCase{1.0L / 3.0L, 18, "0.333333333333333333"}, FormatCase{0.1L + 0.2L, 18, "0.3"},
        FormatCase{123456789012345678.0L, 18, "123456789012345678"}));

TEST(FormatGeneral, UsesTheGivenDecimalSeparator) {
  EXPECT_EQ(FormatGeneral(2.5L, 8, ","), "2,5");
  EXPECT_EQ(FormatGeneral(2.5e-7L, 8, ","), "2,5E-7");
}

struct ParseCase {
  const char* Text;
  TDecimalParse Expected;
  long double Value;  // when Ok
};

TORVEX_PRINT_CASE_BY(ParseCase, Text)

class ParseDecimalTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDecimalTest, AcceptsOnlyAWholeDecimalNumber) {
  const ParseCase c = GetParam();
  long double value = -999;
  EXPECT_EQ(ParseDecimal(QString::fromLatin1(c.Text), ".", value), c.Expected) << c.Text;
  if (c.Expected == TDecimalParse::Ok) {
    EXPECT_EQ(value, c.Value) << c.Text;
  }
}

constexpr auto Ok = TDecimalParse::Ok;
constexpr auto Bad = TDecimalParse::Invalid;

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDecimalTest,
    ::testing::Values(
        ParseCase{"2.5", Ok, 2.5L}, ParseCase{"-3", Ok, -3.0L}, ParseCase{"+7", Ok, 7.0L},
        ParseCase{".5", Ok, 0.5L}, ParseCase{"5.", Ok, 5.0L}, ParseCase{"1.2E1", Ok, 12.0L},
        ParseCase{"2.5e-3", Ok, 2.5e-3L}, ParseCase{"0.123E+04", Ok, 1230.0L},
        ParseCase{"007", Ok, 7.0L}, ParseCase{"1E-5000", Ok, 0.0L},
        ParseCase{"1E5000", TDecimalParse::OutOfRange, 0},
        ParseCase{"1E99999999999999999999", TDecimalParse::OutOfRange, 0},
        ParseCase{"", Bad, 0}, ParseCase{"-", Bad, 0}, ParseCase{".", Bad, 0},
        ParseCase{"1e", Bad, 0}, ParseCase{"1e+", Bad, 0}, ParseCase{"2,5", Bad, 0},
        ParseCase{"1.2.3", Bad, 0}, ParseCase{"1,000", Bad, 0}, ParseCase{" 1", Bad, 0},
        ParseCase{"1 ", Bad, 0}, ParseCase{"inf", Bad, 0}, ParseCase{"nan", Bad, 0},
        ParseCase{"0x10", Bad, 0}, ParseCase{"--1", Bad, 0}, ParseCase{"1e5x", Bad, 0}));

TEST(ParseDecimal, CommaSeparator_ReadsCommaAndRefusesPoint) {
  long double value = 0;
  EXPECT_EQ(ParseDecimal(QStringLiteral("2,5"), ",", value), TDecimalParse::Ok);
  EXPECT_EQ(value, 2.5L);
  EXPECT_EQ(ParseDecimal(QStringLiteral("2.5"), ",", value), TDecimalParse::Invalid);
}

}  // namespace
