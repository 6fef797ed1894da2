#pragma once
// Numbers as text: the general format used wherever the program shows or writes a real,
// and the strict decimal reading shared by the expression evaluator and the word reader.
#include <QString>
#include <QStringView>

// The user's decimal separator: that of the default QLocale. Code that must read or write
// "." whatever the user's settings (document files, engine runs) sets the default locale
// around its work.
QString UserDecimalPoint();

// General format with at most `digits` significant digits: fixed notation when the rounded
// value's magnitude is at least 0.0001 and has at most `digits` integer digits, otherwise
// scientific notation with "E" and the exponent (minus sign only when negative, no leading
// zeros); trailing zeros and a trailing decimal point are dropped. 2.5 -> "2.5",
// 3.0 -> "3", 0.000001 -> "1E-6", 123456789 at 8 digits -> "1.2345679E8".
// Infinite and undefined values give "INF", "-INF" and "NAN".
QString FormatGeneral(long double value, int digits, const QString& decimalPoint);

enum class TDecimalParse { Ok, Invalid, OutOfRange };

// Reads a whole text as a decimal number: optional sign, digits with at most one decimal
// separator (at least one digit), optional exponent "E"/"e" with optional sign and digits.
// Nothing else is accepted: no blanks, no thousands separators, no "INF"/"NAN", no hex.
// A value too small for the type reads as zero; one too large gives OutOfRange.
TDecimalParse ParseDecimal(QStringView text, const QString& decimalPoint, long double& value);
