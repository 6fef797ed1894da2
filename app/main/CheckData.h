#pragma once
// The profile checks before an analysis, on the layer table in the document's unit system:
// every layer at least 2 ft (0.6 m) thick, and the last layer reaching at least the shaft
// length plus two minimum diameters. A profile without layers does not pass either.
#include <QString>

class TGridTable;

struct TProfileCheck {
  bool Passed = true;
  QString Warning;  // what the user is shown when the check fails
};

// `units` 1 English (ft), 2 SI (m); `PD` the shaft length (0 when the design load is given)
// and `DSTART` the minimum diameter, both in the document's length unit. The numbers of
// the warnings are written in the shortest form of the user's locale.
TProfileCheck CheckData(const TGridTable& layers, int units, long double PD, long double DSTART);
