#pragma once
// How the input file writes its numbers.
#include <QString>

// Significant digits of a real in the input file.
constexpr int kFileRealDigits = 8;

// A real as the input file holds it: general format with at most 8 significant digits,
// fixed notation from 0.0001 up to 8 integer digits, otherwise "E" and the exponent (minus
// only when negative, no leading zeros), trailing zeros and point dropped, and always "."
// as the decimal separator: 2.5, 3, 0.0001, 5E-5, 1234567.9, 1.2345679E8.
QString FileRealText(long double value);

// An integer as the input file holds it: plain decimal.
QString FileIntegerText(int value);
