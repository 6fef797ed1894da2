#pragma once
#include <QRectF>
#include <QString>
#include <vector>

// A value as the 3D view writes it: exponent form with 4 significant digits and at least
// two exponent digits when |v| <= 0.001 or |v| >= 100000 (1.235E+05), else fixed with 3
// decimals.
QString GetValueLabel(double value);

// Where a largest-value label goes on the screen: its box at its anchor, moved down by whole
// steps (a line) until it overlaps none of the labels written before it. The largest values
// usually all lie at the tip, on one row, nearer together than their texts are long.
QRectF ClearOfOthers(QRectF box, const std::vector<QRectF>& taken, qreal step);
