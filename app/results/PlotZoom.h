#pragma once

#include <QPoint>

#include "TDrawArea.h"
#include "TFloatPoint.h"
#include "TFloatRect.h"

// A selection never zooms in further than this fraction of the full span of an axis.
constexpr long double kMaxZoomIn = 20;

// The pixel held inside the area, edges included.
QPoint ClampInto(const TIntRect& area, QPoint pixel);

// Whether a drag from `origin` to `release` selects a range: a release on the start pixel's
// row or column does not.
bool IsZoomDrag(QPoint origin, QPoint release);

// The ranges selected by a drag between the values a and b: on each axis the two values,
// lower and higher ordered as the axis is oriented (with yReversed Top takes the higher). A
// selection narrower than a twentieth of the full span becomes that twentieth around the
// selection's centre, shifted to lie inside the full range.
TFloatRect ZoomToSelection(const TFloatRect& full, bool yReversed, TFloatPoint a, TFloatPoint b);

// Zooming out around a clicked value: on each axis a half-width of the current span, at most
// half the full span, around the clicked value held that far inside the full range. In the
// full view the ranges stay as they are.
TFloatRect ZoomOutAround(const TFloatRect& current, const TFloatRect& full, bool yReversed,
                         TFloatPoint clicked);
