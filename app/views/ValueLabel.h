#pragma once
#include <QString>

// A value as the 3D view writes it: exponent form with 4 significant digits and at least
// two exponent digits when |v| <= 0.001 or |v| >= 100000 (1.235E+05), else fixed with 3
// decimals.
QString GetValueLabel(double value);
