#pragma once
// What the shaft views read of the problem: the shaft (smallest diameter, bell, the portions
// without side resistance, length), the water table, the computation method, how the result
// plots label their vertical axis, and the soil layers of the layer table D. The views read
// it anew each time they are activated or set up, so they follow the document.
#include <vector>

#include "TPlotReadSettings.h"

class TProgramData;

struct TShaftProfile {
  long double DSTART = 0;   // shaft diameter D: the smallest diameter of the problem
  long double RATIO = 0;    // bell diameter over shaft diameter
  long double BELANGL = 0;  // bell angle to the vertical, degrees
  long double TOPLENG = 0;  // upper exclusion zone
  long double BS = 0;       // bottom portion without side friction
  long double PD = 0;       // shaft length
  long double WTD = 0;      // depth of the water table
  int METHOD = 2;           // 1 design load given, 2 shaft length given
  int Units = 1;            // 1 English, 2 SI
  int UseElevation = 0;     // 1: the result plots run by elevation
  long double ValElevation = 0;  // elevation of the shaft top
  std::vector<TSoilLayerRow> Layers;  // type code and bottom depth, from the top down

  // Bottom depth of the deepest layer, 0 without layers.
  long double LastBottom() const { return Layers.empty() ? 0 : Layers.back().Bottom; }
  // Top depth of layer i: the bottom of the layer above, 0 for the first.
  long double LayerTop(std::size_t i) const { return i == 0 ? 0 : Layers[i - 1].Bottom; }
};

// The profile of `document` and its layer table.
TShaftProfile ShaftProfileFrom(const TProgramData& document);
