#pragma once

#include <vector>

#include "TPlotReadSettings.h"

class TProgramData;
class TSoilProfileTables;

// What loading results and the Graphics menu take from the document; ID2 goes back into
// the document with StoreLoadedID2 after loading.
TPlotReadSettings SettingsFrom(const TProgramData& document);
void StoreLoadedID2(const TPlotReadSettings& settings, TProgramData& document);

// The rows of the soil-layer table D: type code and bottom depth of every layer.
std::vector<TSoilLayerRow> SoilLayersFrom(const TSoilProfileTables& tables);
