#pragma once

#include <QPoint>

#include "TDrawArea.h"
#include "TFloatPoint.h"
#include "TFloatRect.h"

// The tick marks of both axes: the minor spacing (every fifth minor tick is a major one,
// with a dotted grid line and a label) and the range of minor tick indices, counted from
// value 0, that the axes cover.
struct TMarkSpacing {
  TFloatPoint MarkSpacing;  // minor tick spacing in x and y
  QPoint Start;             // first minor tick index in x and y
  QPoint Finish;            // last minor tick index in x and y
};

// Spacing of the major ticks for a span divided into about `count` parts: 1, 2 or 5 times
// a power of ten.
long double MajorMarkSpacing(long double span, int count);

// The marks of a graph area of font height H: about one major tick per 6 H pixels. False
// when the area is too small for a single one in either direction. For a reversed vertical
// axis the lower end is Bottom and the upper end Top.
bool ComputeMarkSpacing(const TIntRect& graphArea, const TFloatRect& logic, bool yReversed,
                        int H, TMarkSpacing& marks);

// The indices of the minor ticks inside lower..upper for spacing s: what an axis draws.
// Empty (first > last) when none falls inside.
struct TTickRange {
  long long First = 0;
  long long Last = -1;
};
TTickRange VisibleTicks(long double lower, long double upper, long double s);
