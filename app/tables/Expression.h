#pragma once
// The expression evaluator behind every number the user types: plain numbers in the user's
// locale, the operators ^ * / % & + - | = with their precedence, parentheses, signs,
// functions written as prefixes (sqrt2, sin(pi/4)), a trailing ! for the factorial, "$"
// for hexadecimal integers, and the constants pi and e.
//
// The result is always a finite number. Every refusal is an EAssignError whose message
// begins "Entry could not be evaluated:" and a line break, including arithmetic that has no
// finite result (division or remainder by zero, the logarithm of a number that is not
// positive, the square root of a negative number, overflow), so that no field or table
// cell ever receives an infinite or undefined value.
#include <QString>

#include "EAssignError.h"

// Evaluates `text` with the user's decimal separator (UserDecimalPoint()).
long double EvaluateExpression(const QString& text);

// Evaluates `text` with the given decimal separator.
long double EvaluateExpression(const QString& text, const QString& decimalPoint);
