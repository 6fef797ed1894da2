#pragma once
// How the elevation draws a soil layer of each type code: the name in its label, the hatch
// and the colour of the hatch lines (drawn over the window background).
#include <QColor>
#include <QString>
#include <Qt>

struct TSoilBandStyle {
  QString Name;
  Qt::BrushStyle Hatch;
  QColor Color;
};

// The style of a soil type code 1..9. Another code has no name, is hatched like sand and
// drawn in black.
TSoilBandStyle SoilBandStyle(int soilType);
