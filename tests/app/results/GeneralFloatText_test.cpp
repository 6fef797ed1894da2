#include "GeneralFloatText.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct FloatTextCase {
  long double value;
  const char* expected;
};

std::ostream& operator<<(std::ostream& os, const FloatTextCase& c) { return os << c.expected; }

class GeneralFloatTextTest : public ::testing::TestWithParam<FloatTextCase> {};

TEST_P(GeneralFloatTextTest, WritesShortestGeneralForm) {
  EXPECT_EQ(GeneralFloatText(GetParam().value).toStdString(), GetParam().expected);
}

// Diameters and lengths built by steps, such as 0.9 m plus two 0.152 m steps, carry binary
// noise beyond the 15th digit that must not reach a line name.
INSTANTIATE_TEST_SUITE_P(
    Values, GeneralFloatTextTest,
    ::testing::Values(FloatTextCase{0, "0"}, FloatTextCase{3, "3"}, FloatTextCase{-40, "-40"},
                      FloatTextCase{2.5L, "2.5"}, FloatTextCase{0.1L, "0.1"},
                      FloatTextCase{12.5L, "12.5"}, FloatTextCase{1500, "1500"},
                      FloatTextCase{0.9L + 2 * 0.152L, "1.204"},
                      FloatTextCase{3.0L + 7 * 0.5L, "6.5"},
                      FloatTextCase{0.1L + 0.2L, "0.3"},
                      FloatTextCase{1.0L / 3, "0.333333333333333"},
                      FloatTextCase{2.0L / 3, "0.666666666666667"},
                      FloatTextCase{0.00001L, "0.00001"},
                      FloatTextCase{0.000015L, "0.000015"},
                      FloatTextCase{0.0000015L, "1.5E-6"},
                      FloatTextCase{-0.0000001L, "-1E-7"},
                      FloatTextCase{123456789012345.0L, "123456789012345"},
                      FloatTextCase{999999999999999.4L, "999999999999999"},
                      FloatTextCase{999999999999999.9L, "1E15"},
                      FloatTextCase{1e20L, "1E20"},
                      FloatTextCase{-2.5e300L, "-2.5E300"},
                      FloatTextCase{9.99999999999999999e-5L, "0.0001"}));

TEST(GeneralFloatText, NegativeZeroAndNonFiniteValues_GiveFixedWords) {
  EXPECT_EQ(GeneralFloatText(-0.0L), QStringLiteral("0"));
  EXPECT_EQ(GeneralFloatText(std::numeric_limits<long double>::quiet_NaN()), QStringLiteral("NAN"));
  EXPECT_EQ(GeneralFloatText(std::numeric_limits<long double>::infinity()), QStringLiteral("INF"));
  EXPECT_EQ(GeneralFloatText(-std::numeric_limits<long double>::infinity()),
            QStringLiteral("-INF"));
}

}  // namespace
