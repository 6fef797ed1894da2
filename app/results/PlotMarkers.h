#pragma once

#include <QPoint>
#include <vector>

// Markers of the plotted points. Each line has its shape by its index: 1 a triangle with a
// vertex straight below the point, 2 a square with its sides along the axes, 3..10 a
// regular polygon of that many vertices with one straight above; line 10 starts again.
int MarkerShape(int lineIndex);

// Vertex offsets of a marker from its point, closing back on the first vertex: radius PX/32
// horizontally and PY/32 vertically, on a target of `pixelsPerInch`.
std::vector<QPoint> MarkerVertices(int lineIndex, QPoint pixelsPerInch);

// Whether point i of a line carries a marker with a marker on every `markers`-th point
// (0: never).
bool HasMarker(int pointIndex, int markers);
