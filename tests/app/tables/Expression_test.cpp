#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>

#include "Expression.h"
#include "TestPrinters.h"

namespace {

constexpr long double kPi = 3.1415926535897932385L;

long double Eval(const char* text) { return EvaluateExpression(QString::fromLatin1(text), "."); }

struct ValueCase {
  const char* Text;
  long double Expected;
};

TORVEX_PRINT_CASE_BY(ValueCase, Text)

class EvaluatesTo : public ::testing::TestWithParam<ValueCase> {};

TEST_P(EvaluatesTo, Value) {
  const ValueCase c = GetParam();
  long double value = 0;
  ASSERT_NO_THROW(value = Eval(c.Text)) << c.Text;
  const long double tolerance = 1e-15L * std::max(1.0L, std::fabs(c.Expected));
  EXPECT_NEAR(double(value), double(c.Expected), double(tolerance)) << c.Text;
}

INSTANTIATE_TEST_SUITE_P(
    OperatorsAndPrecedence, EvaluatesTo,
    ::testing::Values(
        ValueCase{"2*(3+4)", 14}, ValueCase{"2+3*4", 14}, ValueCase{"10-4-3", 3},
        ValueCase{"8/4/2", 1}, ValueCase{"2^3^2", 64}, ValueCase{"-2^2", 4},
        ValueCase{"2^-1", 0.5L}, ValueCase{"10%3", 1}, ValueCase{"-10%3", -1},
        ValueCase{"10%-3", 1}, ValueCase{"7.9%2.1", 1}, ValueCase{"1&0", 0},
        ValueCase{"2&3", 1}, ValueCase{"0|5", 1}, ValueCase{"0|0", 0}, ValueCase{"3=3", 1},
        ValueCase{"3=4", 0}, ValueCase{"1+2=3", 1}, ValueCase{"0.1+0.2=0.3", 1},
        ValueCase{"1|0&0", 1}, ValueCase{"5*-3", -15}, ValueCase{"--3", 3},
        ValueCase{"2E-3*2", 0.004L}, ValueCase{"1e3", 1000}, ValueCase{" 2 + 3 ", 5},
        ValueCase{"2\t*3", 6}, ValueCase{"((2))", 2}, ValueCase{"(2)*(3)", 6},
        ValueCase{"(0-2)^2", 4}, ValueCase{"2*(0-3)", -6}, ValueCase{"12*2.5", 30},
        // The one remainder that overflows a 64-bit division.
        ValueCase{"-9223372036854775808%-1", 0}));

INSTANTIATE_TEST_SUITE_P(
    OperandsAndFunctions, EvaluatesTo,
    ::testing::Values(
        ValueCase{"pi/4", kPi / 4}, ValueCase{"-pi", -kPi}, ValueCase{"PI", kPi},
        ValueCase{"e", std::exp(1.0L)}, ValueCase{"-E", -std::exp(1.0L)},
        ValueCase{"-3!", -6}, ValueCase{"0!", 1}, ValueCase{"5!", 120}, ValueCase{"3!!", 720},
        ValueCase{"$FF", 255}, ValueCase{"$ff", 255}, ValueCase{"$00FF", 255},
        ValueCase{"-$FF", -255}, ValueCase{"$FFFFFFFFFFFFFFFF", 18446744073709551615.0L},
        ValueCase{"sqrt(2+2)", 2}, ValueCase{"sqrt4", 2}, ValueCase{"sqrt--4", 2},
        ValueCase{"abs-3", 3}, ValueCase{"sin(pi/2)", 1}, ValueCase{"cos0", 1},
        ValueCase{"tan0", 0}, ValueCase{"arctan1", kPi / 4}, ValueCase{"arctanh0", 0},
        ValueCase{"tanh0", 0}, ValueCase{"cosh0", 1}, ValueCase{"sinh0", 0},
        ValueCase{"arcsinh0", 0}, ValueCase{"arccosh1", 0}, ValueCase{"arccos1", 0},
        ValueCase{"arcsin1", kPi / 2}, ValueCase{"sec0", 1}, ValueCase{"csc(pi/2)", 1},
        ValueCase{"cotan(pi/4)", 1}, ValueCase{"frac2.75", 0.75L}, ValueCase{"frac-2.75", -0.75L},
        ValueCase{"int-2.75", -2}, ValueCase{"round2.5", 2}, ValueCase{"round3.5", 4},
        ValueCase{"round-2.5", -2}, ValueCase{"ceil2.1", 3}, ValueCase{"floor-2.1", -3},
        ValueCase{"ln(e)", 1}, ValueCase{"log1000", 3}, ValueCase{"SQRT(9)*2", 6}));

struct ErrorCase {
  const char* Text;
  const char* Reason;  // the text after "Entry could not be evaluated:" and the line break
};

TORVEX_PRINT_CASE_BY(ErrorCase, Text)

class IsRefused : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(IsRefused, WithMessage) {
  const ErrorCase c = GetParam();
  try {
    const long double value = Eval(c.Text);
    ADD_FAILURE() << c.Text << " gave " << double(value);
  } catch (const EAssignError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Entry could not be evaluated:\n") +
                               QString::fromLatin1(c.Reason))
        << c.Text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    MalformedEntries, IsRefused,
    ::testing::Values(
        ErrorCase{"", "entry cannot be blank"}, ErrorCase{"()", "entry cannot be blank"},
        ErrorCase{"5--3", "invalid expression"}, ErrorCase{"2+", "invalid expression"},
        ErrorCase{"*3", "invalid expression"}, ErrorCase{"(2", "invalid character(s) in expression"},
        ErrorCase{"2)", "() (parentheses) do not match"},
        ErrorCase{")(", "() (parentheses) do not match"},
        ErrorCase{"2.5!", "! (factoral) applicable to integers only"},
        ErrorCase{"pi!", "! (factoral) applicable to integers only"},
        ErrorCase{"$FG", "invalid use of $ (hex function)"},
        ErrorCase{"$", "invalid use of $ (hex function)"},
        ErrorCase{"$1FFFFFFFFFFFFFFFF", "invalid use of $ (hex function)"},
        ErrorCase{"abc", "invalid character(s) in expression"},
        ErrorCase{"sqrt", "invalid character(s) in expression"},
        ErrorCase{"2,5", "invalid character(s) in expression"},
        ErrorCase{"1.2.3", "invalid character(s) in expression"}));

// Arithmetic without a finite result is an entry error, never an infinite or undefined value.
INSTANTIATE_TEST_SUITE_P(
    ArithmeticFaults, IsRefused,
    ::testing::Values(
        ErrorCase{"1/0", "division by zero"}, ErrorCase{"0/0", "division by zero"},
        ErrorCase{"2/(1-1)", "division by zero"}, ErrorCase{"0^-1", "division by zero"},
        ErrorCase{"cotan0", "division by zero"}, ErrorCase{"csc0", "division by zero"},
        ErrorCase{"5%0", "remainder (%) by zero"}, ErrorCase{"5%0.5", "remainder (%) by zero"},
        ErrorCase{"1E19%2", "number too large for % (remainder)"},
        ErrorCase{"ln0", "logarithm of zero or of a negative number"},
        ErrorCase{"log-1", "logarithm of zero or of a negative number"},
        ErrorCase{"ln(0-1)", "logarithm of zero or of a negative number"},
        ErrorCase{"sqrt-4", "square root of a negative number"},
        ErrorCase{"(0-8)^0.5", "result is not a real number"},
        ErrorCase{"arcsin2", "result is not a real number"},
        ErrorCase{"arccosh0.5", "result is not a real number"},
        ErrorCase{"arctanh1", "result is too large"}, ErrorCase{"10^5000", "result is too large"},
        ErrorCase{"1755!", "result is too large"}, ErrorCase{"cosh100000", "result is too large"},
        ErrorCase{"1E4000*1E4000", "result is too large"},
        ErrorCase{"1E5000", "number is too large"}));

// With a comma as the user's decimal separator, entries and intermediate results use it.
class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    fSaved = QLocale();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  }
  void TearDown() override { QLocale::setDefault(fSaved); }
  QLocale fSaved;
};

TEST_F(CommaLocale, CommaIsTheDecimalSeparator_PointIsRefused) {
  EXPECT_EQ(EvaluateExpression("2,5*2"), 5.0L);
  EXPECT_EQ(EvaluateExpression("(1,5)*3"), 4.5L);
  EXPECT_EQ(EvaluateExpression("1,5*1,5+1"), 3.25L);
  EXPECT_THROW(EvaluateExpression("2.5"), EAssignError);
}

}  // namespace
