#include "Format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <string>

#include "TestText.h"

namespace tvx {
namespace {

struct FieldCase {
  char kind;  // 'I', 'F', 'E'
  int w, d;
  double value;
  const char* expected;
};

std::string Apply(const FieldCase& c) {
  switch (c.kind) {
    case 'I': return FormatI(static_cast<long long>(c.value), c.w);
    case 'F': return FormatF(c.value, c.w, c.d);
    default: return FormatE(c.value, c.w, c.d);
  }
}

class FieldFormat : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldFormat, PrintsAsAFortranRunTimeDoes) {
  const FieldCase& c = GetParam();
  EXPECT_EQ(Apply(c), c.expected) << c.kind << c.w << "." << c.d << " of " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldFormat,
    ::testing::Values(
        // overflow prints w asterisks
        FieldCase{'F', 9, 2, 12345678.0, "*********"}, FieldCase{'I', 3, 0, 1234, "***"},
        FieldCase{'I', 3, 0, -123, "***"}, FieldCase{'F', 4, 1, 99.96, "****"},
        FieldCase{'E', 7, 3, 9.9996, "*******"}, FieldCase{'E', 8, 3, -9.9996, "********"},
        // exponent form: leading "0.", two-digit exponent
        FieldCase{'E', 10, 3, 1234.0, " 0.123E+04"}, FieldCase{'E', 10, 3, -1234.0, "-0.123E+04"},
        FieldCase{'E', 9, 3, -1234.0, "-.123E+04"}, FieldCase{'E', 10, 3, 0.0, " 0.000E+00"},
        FieldCase{'E', 10, 3, 9.9996, " 0.100E+02"}, FieldCase{'E', 10, 3, 0.9996, " 0.100E+01"},
        FieldCase{'E', 10, 3, 1e-30, " 0.100E-29"}, FieldCase{'E', 17, 4, 123.456, "       0.1235E+03"},
        FieldCase{'E', 10, 2, 0.125, "  0.13E+00"}, FieldCase{'E', 10, 2, 1250.0, "  0.13E+04"},
        FieldCase{'E', 10, 2, 0.0625, "  0.63E-01"}, FieldCase{'E', 10, 2, -0.0625, " -0.63E-01"},
        // fixed point, rounding half away from zero on the exact value
        FieldCase{'F', 5, 1, 0.25, "  0.3"}, FieldCase{'F', 5, 1, -0.25, " -0.3"},
        FieldCase{'F', 5, 0, 2.5, "   3."}, FieldCase{'F', 6, 2, 2.675f, "  2.67"},
        FieldCase{'F', 8, 2, 100000.0f / 3.0f, "33333.33"}, FieldCase{'F', 10, 1, 5.0, "       5.0"},
        FieldCase{'F', 9, 3, 4.147, "    4.147"}, FieldCase{'F', 7, 3, 0.0625, "  0.063"},
        FieldCase{'F', 7, 3, 1.0625f, "  1.063"}, FieldCase{'F', 7, 3, 1.06249994f, "  1.062"},
        // leading zero dropped only when the field has no room for it
        FieldCase{'F', 4, 2, 0.5, "0.50"}, FieldCase{'F', 3, 2, 0.5, ".50"}, FieldCase{'F', 3, 2, -0.5, "***"},
        FieldCase{'F', 4, 2, -0.5, "-.50"}, FieldCase{'F', 2, 0, 0.4, "0."}, FieldCase{'F', 1, 0, 0.4, "*"},
        // zero and negative values that round to zero keep the sign as the run-time prints it
        FieldCase{'F', 5, 1, 0.0, "  0.0"}, FieldCase{'F', 9, 4, 0.0, "   0.0000"},
        FieldCase{'F', 5, 1, -0.01, " -0.0"}, FieldCase{'F', 5, 1, -0.0, " -0.0"},
        FieldCase{'E', 10, 3, -0.0, "-0.000E+00"}, FieldCase{'F', 3, 1, -0.04, "-.0"},
        FieldCase{'F', 5, 0, -0.4, "  -0."},
        // integers
        FieldCase{'I', 5, 0, 0, "    0"}, FieldCase{'I', 3, 0, -12, "-12"}, FieldCase{'I', 5, 0, 42, "   42"}),
    [](const auto& info) {
      const FieldCase& c = info.param;
      return test::CaseName(std::string(1, c.kind) + std::to_string(c.w) + "_" + std::to_string(c.d) + "_of_" +
                            test::ShortNumber(c.value));
    });

TEST(FieldFormat, MatchesCompilerReferenceTable) {
  // Each line: value field |text|, produced by a Fortran compiler (see data/).
  std::ifstream in(std::string(TORVEX_SOURCE_DIR) + "/tests/engine/core/data/format_reference.txt");
  ASSERT_TRUE(in) << "reference table missing";
  std::string line;
  int checked = 0;
  while (std::getline(in, line)) {
    const auto sp1 = line.find(' ');
    const auto sp2 = line.find(' ', sp1 + 1);
    const auto bar = line.find('|');
    ASSERT_NE(bar, std::string::npos);
    const float value = std::stof(line.substr(0, sp1));
    const std::string field = line.substr(sp1 + 1, sp2 - sp1 - 1);
    const std::string expected = line.substr(bar + 1, line.size() - bar - 2);
    int w = 0, d = 0;
    ASSERT_EQ(std::sscanf(field.c_str() + 1, "%d.%d", &w, &d), 2);
    const std::string got = field[0] == 'F' ? FormatF(value, w, d) : FormatE(value, w, d);
    EXPECT_EQ(got, expected) << field << " of " << line.substr(0, sp1);
    ++checked;
  }
  EXPECT_GT(checked, 1000);
}

TEST(FieldFormat, NonFiniteValuesFillTheirFieldWithAsterisksAndAreCounted) {
  const double inf = std::numeric_limits<double>::infinity();
  ResetNonFiniteFieldCount();
  EXPECT_EQ(FormatF(inf, 9, 2), "*********");
  EXPECT_EQ(FormatF(-inf, 5, 2), "*****");
  EXPECT_EQ(FormatE(std::nan(""), 10, 3), "**********");
  EXPECT_EQ(FormatE(-inf, 9, 0), "*********");
  EXPECT_EQ(FormatF(inf, 2, 0), "**");
  EXPECT_EQ(FreeReal(std::numeric_limits<float>::quiet_NaN()), "***");
  EXPECT_EQ(Record().X(1).F(6, 1, inf).E(10, 3, 2.5).str(), " ****** 0.250E+01");
  EXPECT_EQ(NonFiniteFieldCount(), 7);
  // A value merely too wide for its field is no lost result.
  EXPECT_EQ(FormatF(1e9, 5, 1), "*****");
  EXPECT_EQ(FormatE(1e300, 6, 2), "******");
  EXPECT_EQ(NonFiniteFieldCount(), 7);
  ResetNonFiniteFieldCount();
  EXPECT_EQ(NonFiniteFieldCount(), 0);
}

TEST(TextField, PadsOnTheLeftAndCutsOnTheRight) {
  EXPECT_EQ(FormatA("ab", 5), "   ab");
  EXPECT_EQ(FormatA("abcdef", 2), "ab");
  EXPECT_EQ(FormatA("  (*)", 5), "  (*)");
  EXPECT_EQ(FormatA("", 3), "   ");
}

TEST(RecordBuilder, ConcatenatesItemsInOrder) {
  const std::string line =
      Record().X(5).T("TOTAL LOAD =").F(10, 1, 150.0).T(" TONS").str();
  EXPECT_EQ(line, "     TOTAL LOAD =     150.0 TONS");
  EXPECT_EQ(Record().X(7).I(5, 3).X(5).F(9, 4, 0.25).str(), "           3        0.2500");
  EXPECT_EQ(Record().X(0).E(10, 3, 2116.8).A(5, "  (*)").str(), " 0.212E+04  (*)");
}

TEST(FreeFormat, RealsReadBackToTheSameSingleValue) {
  for (float v : {0.0f, 1.0f, -2.5f, 0.1f, 123456.7f, 1e-5f, 1e10f, 3.4e38f, 1.17549435e-38f, 62.4f}) {
    const std::string s = FreeReal(v);
    EXPECT_EQ(s.find_first_of("e,"), std::string::npos) << s;
    float back = 0;
    std::from_chars(s.data(), s.data() + s.size(), back);
    EXPECT_EQ(back, v) << s;
  }
  EXPECT_EQ(Record().FreeInt(3).FreeReal(0.5f).FreeInt(-1).str(), " 3 0.5 -1");
}

}  // namespace
}  // namespace tvx
