// Services of the soil profile used at every depth step: interpolation of a layer
// parameter, the effective vertical stress, and the layer boundaries snapped to whole feet.
#pragma once

#include "ProblemRecord.h"

namespace tvx {

// A parameter of `layer` at x ft below the layer's snapped top: top + x (bot - top) / t,
// t the snapped thickness (XBOTSNAP - XTOPSNAP). A layer without snapped thickness gives
// its top value.
float InterpolateInLayer(const LayerEntry& layer, const EndValues& value, float x);

// Effective vertical stress at depth z ft, psf: the sum over the one-foot slices above the
// whole foot at or above z (the fraction of z below it does not count), each slice with
// the total unit weight of its layer at the slice's lower end, less the unit weight of
// water when that end lies below the water table. Uses the layer depths as read.
float EffectiveStress(const ProblemRecord& p, float z);

// Effective vertical stress (psf) at the mid-depth of layer entry `entry` (2..NLAYERS), as
// the rock rules take it: half the sum of the end unit weights of every entry above times
// its snapped thickness, a quarter of that sum times the entry's own, less the pore pressure
// at the entry's snapped mid-depth when that lies at or below the water table.
float MidLayerEffectiveStress(const ProblemRecord& p, int entry);

// A depth rounded to a whole foot, a fraction of one half or more rounding up.
float RoundToWholeFoot(float x);

// Sets XTOPSNAP and XBOTSNAP of every layer: each bottom rounded to a whole foot, each top
// the snapped bottom of the layer above (0 for the first). XTOP and XBOT are kept.
void SnapLayerBottoms(ProblemRecord& p);

}  // namespace tvx
