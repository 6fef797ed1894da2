#pragma once
// Reading a number typed into a grid-table cell: the expression evaluator with the cell's
// own refusals ("Entry cannot be blank.", "... is not a valid number.").
#include <QString>

// The value of `text`; raises EAssignError when it is blank or does not evaluate.
long double EvaluateCellEntry(const QString& text);
