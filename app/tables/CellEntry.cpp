#include "CellEntry.h"

#include "EAssignError.h"
#include "Expression.h"
#include "TableMessages.h"

long double EvaluateCellEntry(const QString& text) {
  if (text.trimmed().isEmpty()) throw EAssignError(TableText::EntryBlank());
  try {
    return EvaluateExpression(text);
  } catch (const EAssignError&) {
    throw EAssignError(TableText::NotANumber(text));
  }
}
