#pragma once

#include <QString>

// Significant digits of the axis labels and of the mouse read-out in the window title.
constexpr int kMarkLabelDigits = 4;
constexpr int kReadOutDigits = 5;

// A number in the general format of the plot window with `digits` significant digits: the
// shortest plain decimal form with trailing zeros dropped ("1500", "0.25", "-40"); values
// that need more integer digits than `digits`, or are smaller in magnitude than 0.00001, in
// exponent form with a sign and at least two exponent digits ("1.235E+05", "2E-06").
QString PlotNumberText(long double value, int digits);
