#pragma once

#include <QString>

// A number as the program writes it in line names, captions and exported cells: general
// format with at most 15 significant digits and no trailing zeros ("3", "2.5", "0.00001",
// "-40"); exponent form ("1.5E-7", "1E20") below 0.00001 and from 1E15 on.
QString GeneralFloatText(long double value);
