#include "Expression.h"

#include <QList>
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <vector>

#include "NumberText.h"

namespace {

// Messages of the evaluator; the prefix and line break are added by Fail().
const char* const kMsgBlank = "entry cannot be blank";
const char* const kMsgParentheses = "() (parentheses) do not match";
const char* const kMsgInvalidExpression = "invalid expression";
const char* const kMsgFactorial = "! (factoral) applicable to integers only";
const char* const kMsgHex = "invalid use of $ (hex function)";
const char* const kMsgInvalidCharacters = "invalid character(s) in expression";
const char* const kMsgDivisionByZero = "division by zero";
const char* const kMsgRemainderByZero = "remainder (%) by zero";
const char* const kMsgRemainderRange = "number too large for % (remainder)";
const char* const kMsgLogarithm = "logarithm of zero or of a negative number";
const char* const kMsgSquareRoot = "square root of a negative number";
const char* const kMsgNotReal = "result is not a real number";
const char* const kMsgTooLarge = "result is too large";
const char* const kMsgNumberTooLarge = "number is too large";

// Intermediate results travel as text with this many significant digits.
constexpr int kIntermediateDigits = 18;
// The largest whole number whose factorial an extended real holds.
constexpr long double kLargestFactorialArgument = 1754.0L;
constexpr long double kPi = 3.1415926535897932385L;
// Bounds of the 64-bit integers the remainder works on.
constexpr long double kInt64Limit = 9223372036854775808.0L;  // 2^63

[[noreturn]] void Fail(const char* reason) {
  throw EAssignError(QStringLiteral("Entry could not be evaluated:\n") +
                     QString::fromLatin1(reason));
}

// An operation's result must be a finite real; anything else is refused, never returned.
long double Checked(long double r) {
  if (std::isnan(r)) Fail(kMsgNotReal);
  if (std::isinf(r)) Fail(kMsgTooLarge);
  return r;
}

enum class Function {
  Arctanh, Arctan, Cotan, Tanh, Tan,
  Arccosh, Arccos, Cosh, Cos, Sec,
  Arcsinh, Arcsin, Sinh, Sin, Csc,
  Abs, Frac, Int,
  Ln, Log, Sqrt,
  Round, Ceil, Floor,
  Factorial,
};

struct FunctionName {
  const char* Name;
  Function Fn;
};

// Tested as prefixes in this order: a longer name before its shorter beginning.
constexpr FunctionName kFunctions[] = {
    {"arctanh", Function::Arctanh}, {"arctan", Function::Arctan}, {"cotan", Function::Cotan},
    {"tanh", Function::Tanh},       {"tan", Function::Tan},       {"arccosh", Function::Arccosh},
    {"arccos", Function::Arccos},   {"cosh", Function::Cosh},     {"cos", Function::Cos},
    {"sec", Function::Sec},         {"arcsinh", Function::Arcsinh}, {"arcsin", Function::Arcsin},
    {"sinh", Function::Sinh},       {"sin", Function::Sin},       {"csc", Function::Csc},
    {"abs", Function::Abs},         {"frac", Function::Frac},     {"int", Function::Int},
    {"ln", Function::Ln},           {"log", Function::Log},       {"sqrt", Function::Sqrt},
    {"round", Function::Round},     {"ceil", Function::Ceil},     {"floor", Function::Floor},
};

bool IsFunctionName(const QString& text) {
  const QString lower = text.toLower();
  for (const FunctionName& f : kFunctions)
    if (lower == QLatin1String(f.Name)) return true;
  return false;
}

long double Reciprocal(long double d) {
  if (d == 0) Fail(kMsgDivisionByZero);
  return Checked(1.0L / d);
}

long double Apply(Function fn, long double x) {
  switch (fn) {
    case Function::Arctanh: return Checked(std::atanh(x));
    case Function::Arctan: return Checked(std::atan(x));
    case Function::Cotan: {
      const long double s = std::sin(x);
      if (s == 0) Fail(kMsgDivisionByZero);
      return Checked(std::cos(x) / s);
    }
    case Function::Tanh: return Checked(std::tanh(x));
    case Function::Tan: return Checked(std::tan(x));
    case Function::Arccosh: return Checked(std::acosh(x));
    case Function::Arccos: return Checked(std::acos(x));
    case Function::Cosh: return Checked(std::cosh(x));
    case Function::Cos: return Checked(std::cos(x));
    case Function::Sec: return Reciprocal(std::cos(x));
    case Function::Arcsinh: return Checked(std::asinh(x));
    case Function::Arcsin: return Checked(std::asin(x));
    case Function::Sinh: return Checked(std::sinh(x));
    case Function::Sin: return Checked(std::sin(x));
    case Function::Csc: return Reciprocal(std::sin(x));
    case Function::Abs: return std::fabs(x);
    case Function::Frac: return x - std::trunc(x);
    case Function::Int: return std::trunc(x);
    case Function::Ln:
      if (x <= 0) Fail(kMsgLogarithm);
      return Checked(std::log(x));
    case Function::Log:
      if (x <= 0) Fail(kMsgLogarithm);
      return Checked(std::log10(x));
    case Function::Sqrt:
      if (x < 0) Fail(kMsgSquareRoot);
      return std::sqrt(x);
    case Function::Round: return std::nearbyint(x);  // halves to even
    case Function::Ceil: return std::ceil(x);
    case Function::Floor: return std::floor(x);
    case Function::Factorial: {
      if (x != std::trunc(x)) Fail(kMsgFactorial);
      const long double n = std::fabs(x);
      if (n > kLargestFactorialArgument) Fail(kMsgTooLarge);
      long double product = 1.0L;
      for (long double k = 2.0L; k <= n; k += 1.0L) product *= k;
      return x < 0 ? -product : product;
    }
  }
  Fail(kMsgInvalidCharacters);
}

bool IsHexDigit(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

// Digits after "$" (already lower case): an unsigned integer of at most 64 bits.
long double HexValue(const QString& digits) {
  if (digits.isEmpty()) Fail(kMsgHex);
  std::uint64_t value = 0;
  int significant = 0;
  for (QChar c : digits) {
    if (!IsHexDigit(c)) Fail(kMsgHex);
    const int d = c.unicode() <= '9' ? c.unicode() - '0' : c.unicode() - 'a' + 10;
    if (significant > 0 || d != 0) ++significant;
    if (significant > 16) Fail(kMsgHex);
    value = value * 16 + static_cast<std::uint64_t>(d);
  }
  return static_cast<long double>(value);
}

// The value of one operand: a constant, a function prefix applied to the rest of the
// operand, a factorial, a hexadecimal integer or a decimal number. Prefixes and factorials
// are unwound in a loop (not by recursion), so no operand can exhaust the stack.
long double OperandValue(const QString& operand, const QString& decimalPoint) {
  std::vector<Function> pending;  // applied innermost first, i.e. from the back
  QString rest = operand;
  long double value = 0;
  for (;;) {
    QString s = rest.toLower();
    s.replace(QLatin1String("--"), QString());
    if (s == QLatin1String("pi")) { value = kPi; break; }
    if (s == QLatin1String("-pi")) { value = -kPi; break; }
    if (s == QLatin1String("e")) { value = std::exp(1.0L); break; }
    if (s == QLatin1String("-e")) { value = -std::exp(1.0L); break; }

    bool matched = false;
    for (const FunctionName& f : kFunctions) {
      const QLatin1String name(f.Name);
      if (s.startsWith(name)) {
        pending.push_back(f.Fn);
        rest = s.mid(name.size());
        matched = true;
        break;
      }
    }
    if (matched) continue;
    if (s.endsWith(QLatin1Char('!'))) {
      pending.push_back(Function::Factorial);
      rest = s.chopped(1);
      continue;
    }
    if (s.startsWith(QLatin1Char('$'))) { value = HexValue(s.mid(1)); break; }
    // A negative hexadecimal value, as a hexadecimal field shows one.
    if (s.startsWith(QLatin1String("-$"))) { value = -HexValue(s.mid(2)); break; }

    switch (ParseDecimal(s, decimalPoint, value)) {
      case TDecimalParse::Ok: break;
      case TDecimalParse::OutOfRange: Fail(kMsgNumberTooLarge);
      case TDecimalParse::Invalid: Fail(kMsgInvalidCharacters);
    }
    break;
  }
  for (auto it = pending.rbegin(); it != pending.rend(); ++it) value = Apply(*it, value);
  return value;
}

long double Operate(QChar op, long double a, long double b) {
  switch (op.unicode()) {
    case '^':
      if (a == 0 && b < 0) Fail(kMsgDivisionByZero);
      return Checked(std::pow(a, b));
    case '*': return Checked(a * b);
    case '/':
      if (b == 0) Fail(kMsgDivisionByZero);
      return Checked(a / b);
    case '%': {
      const long double ta = std::trunc(a), tb = std::trunc(b);
      if (!(ta >= -kInt64Limit && ta < kInt64Limit && tb >= -kInt64Limit && tb < kInt64Limit))
        Fail(kMsgRemainderRange);
      const auto ia = static_cast<std::int64_t>(ta), ib = static_cast<std::int64_t>(tb);
      if (ib == 0) Fail(kMsgRemainderByZero);
      if (ib == -1) return 0.0L;  // avoids the one overflowing case, INT64_MIN % -1
      return static_cast<long double>(ia % ib);
    }
    case '&': return (a != 0 && b != 0) ? 1.0L : 0.0L;
    case '+': return Checked(a + b);
    case '-': return Checked(a - b);
    case '|': return (a != 0 || b != 0) ? 1.0L : 0.0L;
    case '=': return a == b ? 1.0L : 0.0L;
  }
  Fail(kMsgInvalidExpression);
}

bool IsOperator(QChar c) {
  switch (c.unicode()) {
    case '^': case '*': case '/': case '%': case '&': case '+': case '-': case '|': case '=':
      return true;
    default:
      return false;
  }
}

// A "-" right after one of these characters belongs to the operand that follows.
bool MakesNextMinusASign(QChar c) {
  switch (c.unicode()) {
    case '%': case '&': case '*': case '+': case '/': case '=': case 'E': case '^': case 'e':
    case '|':
      return true;
    default:
      return false;
  }
}

// Evaluates a text without blanks and without parentheses.
long double EvaluateFlat(const QString& s, const QString& decimalPoint) {
  QStringList operands;
  QList<QChar> operators;
  QString current;
  bool previousWasSign = false;
  for (qsizetype i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (c == QLatin1Char('-') &&
        (i == 0 || previousWasSign || MakesNextMinusASign(s[i - 1]) || IsFunctionName(current))) {
      current += c;
      previousWasSign = true;
      continue;
    }
    previousWasSign = false;
    if (IsOperator(c)) {
      operands << current;
      operators << c;
      current.clear();
    } else {
      current += c;
    }
  }
  operands << current;

  // Every operator needs an operand on both sides: "2+", "*3" and "5--3" are refused.
  for (const QString& operand : operands)
    if (operand.isEmpty()) Fail(kMsgInvalidExpression);

  // Precedence levels, each reduced from left to right.
  static const QString kLevels[] = {QStringLiteral("^"), QStringLiteral("*/%&"),
                                    QStringLiteral("+-|"), QStringLiteral("=")};
  for (const QString& level : kLevels) {
    qsizetype i = 0;
    while (i < operators.size()) {
      if (!level.contains(operators[i])) {
        ++i;
        continue;
      }
      const long double a = OperandValue(operands[i], decimalPoint);
      const long double b = OperandValue(operands[i + 1], decimalPoint);
      operands[i] = FormatGeneral(Operate(operators[i], a, b), kIntermediateDigits, decimalPoint);
      operands.removeAt(i + 1);
      operators.removeAt(i);
    }
  }
  return OperandValue(operands[0], decimalPoint);
}

}  // namespace

long double EvaluateExpression(const QString& text) {
  return EvaluateExpression(text, UserDecimalPoint());
}

long double EvaluateExpression(const QString& text, const QString& decimalPoint) {
  if (text.isEmpty()) Fail(kMsgBlank);
  QString s = text;
  s.remove(QLatin1Char(' '));
  s.remove(QLatin1Char('\t'));

  // Parentheses, innermost first: the first ")" and the last "(" before it.
  for (;;) {
    const qsizetype close = s.indexOf(QLatin1Char(')'));
    if (close < 0) break;
    const qsizetype open = close > 0 ? s.lastIndexOf(QLatin1Char('('), close - 1) : -1;
    if (open < 0) Fail(kMsgParentheses);
    const long double inner = EvaluateExpression(s.mid(open + 1, close - open - 1), decimalPoint);
    s.replace(open, close - open + 1, FormatGeneral(inner, kIntermediateDigits, decimalPoint));
  }
  return EvaluateFlat(s, decimalPoint);
}
