#include <gtest/gtest.h>

#include <QLocale>

#include "FileNumberText.h"

namespace {

struct NumberCase {
  long double Value;
  const char* Text;
};

// The text a case expects, in the test name and failure messages.
void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.Text << '"'; }

class FileRealTextCases : public ::testing::TestWithParam<NumberCase> {};

TEST_P(FileRealTextCases, WritesGeneralFormatWithEightDigits) {
  EXPECT_EQ(FileRealText(GetParam().Value).toStdString(), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FileRealTextCases,
    ::testing::Values(NumberCase{0.1L, "0.1"}, NumberCase{0.0001L, "0.0001"},
                      NumberCase{0.00005L, "5E-5"}, NumberCase{1234567.89L, "1234567.9"},
                      NumberCase{123456789.0L, "1.2345679E8"}, NumberCase{0.0000025L, "2.5E-6"},
                      NumberCase{-2.0L, "-2"}, NumberCase{2.5L, "2.5"}, NumberCase{3.0L, "3"},
                      NumberCase{0.000001L, "1E-6"}, NumberCase{0.0L, "0"},
                      NumberCase{12345678.0L, "12345678"},
                      // Rounds to nine integer digits, so it takes the exponent form.
                      NumberCase{99999999.7L, "1E8"}, NumberCase{-0.00012L, "-0.00012"},
                      NumberCase{25000000.0L, "25000000"}, NumberCase{1e20L, "1E20"},
                      // A metre value converted from feet keeps eight digits.
                      NumberCase{10.0L / 3.280839895L, "3.048"}));

TEST(FileRealText, CommaLocale_StillWritesPoint) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(FileRealText(1234.5L), QStringLiteral("1234.5"));
  EXPECT_EQ(FileRealText(0.00005L), QStringLiteral("5E-5"));
  QLocale::setDefault(previous);
}

}  // namespace
