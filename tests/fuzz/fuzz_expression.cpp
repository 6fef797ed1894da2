// Any text typed into a numeric field either evaluates to a finite number or is refused
// with an entry error; nothing else may come out (no crash, no other exception, no inf/NaN).
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "Expression.h"
#include "NumberText.h"

namespace {

void Check(bool condition, const char* what, const QString& text) {
  if (condition) return;
  std::fprintf(stderr, "%s: \"%s\"\n", what, text.toStdString().c_str());
  std::abort();
}

void EvaluateWith(const QString& text, const QString& point) {
  long double value = 0;
  try {
    value = EvaluateExpression(text, point);
  } catch (const EAssignError& e) {
    Check(e.Message().startsWith(QStringLiteral("Entry could not be evaluated:\n")),
          "entry error without its prefix", text);
    return;
  }
  Check(std::isfinite(value), "non-finite result", text);

  // What a field shows for the value, and the 18-digit text of intermediate results,
  // evaluate again.
  for (int digits : {8, 18}) {
    const QString shown = FormatGeneral(value, digits, point);
    long double again = 0;
    Check(ParseDecimal(shown, point, again) != TDecimalParse::Invalid, "shown value unreadable",
          text + QStringLiteral(" -> ") + shown);
  }

  // A plain number (no "+", which the evaluator takes for an operator) is its own value.
  long double plain = 0;
  if (!text.contains(QLatin1Char('+')) &&
      ParseDecimal(text, point, plain) == TDecimalParse::Ok)
    Check(plain == value, "plain number changed by the evaluator", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  EvaluateWith(text, QStringLiteral("."));
  EvaluateWith(text, QStringLiteral(","));
  return 0;
}
