#pragma once

#include <QString>

// Unit systems of a graph.
constexpr int kPlotUnitsEnglish = 1;
constexpr int kPlotUnitsSI = 2;
constexpr int kPlotUnitsAsCoded = 3;  // unit codes shown as they are

// Unit words of a graph's unit code for axis titles, printed graphs and exported titles.
// Unit systems: 1 English (force F "lbs", F1 "kips", F2 "tons"; length L "in", L1 "in",
// L2 "ft"), 2 SI (all forces "kN"; L "m", L1 "mm", L2 "m"), 3 the code unchanged. Systems
// outside 1..3 are taken as the nearest one, as a graph's unit system is.
//
// Force first: every "F2" when the code has one, else every "F1", else every "F"; then
// length in the same way on the partly replaced text. Case-sensitive, so "F/L2^2" reads
// "lbs/ft^2" in English and "kN/m^2" in SI.
QString UnitsTitle(const QString& code, int units);
