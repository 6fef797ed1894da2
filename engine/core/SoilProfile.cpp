#include "SoilProfile.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Constants.h"
#include "WholeNumbers.h"

namespace tvx {
namespace {

// Total unit weight of `layer` at depth z, linear through its top and bottom values as read
// (extrapolated beyond them).
float UnitWeightAt(const LayerEntry& layer, float z) {
  const float thickness = layer.XBOT - layer.XTOP;
  if (!(thickness > 0.0f)) return layer.GAMMA.top;
  return layer.GAMMA.top + (z - layer.XTOP) * (layer.GAMMA.bot - layer.GAMMA.top) / thickness;
}

}  // namespace

float InterpolateInLayer(const LayerEntry& layer, const EndValues& value, float x) {
  const float thickness = layer.XBOTSNAP - layer.XTOPSNAP;
  if (!(thickness > 0.0f)) return value.top;
  return value.top + x * (value.bot - value.top) / thickness;
}

float EffectiveStress(const ProblemRecord& p, float z) {
  const int last = p.NLAYERS < kMaxLayerEntries ? p.NLAYERS : kMaxLayerEntries;
  if (last < 2 || !(z >= 1.0f)) return 0.0f;
  // Slices wholly below the last layer add nothing, so none beyond it is visited.
  const float deepest = std::floor(p.layer[last].XBOT) + 2.0f;
  const int n = IntegerPartWithin(z < deepest ? z : deepest, 0, std::numeric_limits<int>::max());

  float sigma = 0.0f;
  int cur = 2;
  for (int j = 1; j <= n; ++j) {
    const float depth = static_cast<float>(j);
    const float water = depth > p.WTD ? kWaterUnitWeight : 0.0f;
    // The slice from j - 1 to j, split at every layer bottom it crosses; each part takes the
    // unit weight of its own layer at depth j.
    float from = depth - 1.0f;
    while (cur < last && depth > p.layer[cur].XBOT) {
      const float c = p.layer[cur].XBOT;
      if (c > from) {
        sigma += (UnitWeightAt(p.layer[cur], depth) - water) * (c - from);
        from = c;
      }
      ++cur;
    }
    const LayerEntry& layer = p.layer[cur];
    // Below the last layer only the part of the slice above its bottom counts.
    const float to = (cur == last && depth > layer.XBOT) ? layer.XBOT : depth;
    if (to > from) sigma += (UnitWeightAt(layer, depth) - water) * (to - from);
  }
  return sigma;
}

float MidLayerEffectiveStress(const ProblemRecord& p, int entry) {
  float total = 0.0f;
  for (int e = 2; e <= entry; ++e) {
    const LayerEntry& layer = p.layer[e];
    const float thickness = std::max(layer.XBOTSNAP - layer.XTOPSNAP, 0.0f);
    const float share = e < entry ? 0.5f : 0.25f;
    total += share * (layer.GAMMA.top + layer.GAMMA.bot) * thickness;
  }
  const LayerEntry& layer = p.layer[entry];
  const float zm = 0.5f * (layer.XTOPSNAP + layer.XBOTSNAP);
  const float u = zm >= p.WTD ? kWaterUnitWeight * (zm - p.WTD) : 0.0f;
  return total - u;
}

float RoundToWholeFoot(float x) { return std::floor(x + 0.5f); }

void SnapLayerBottoms(ProblemRecord& p) {
  float top = 0.0f;
  for (int i = 2; i <= p.NLAYERS && i <= kMaxLayerEntries; ++i) {
    LayerEntry& layer = p.layer[i];
    layer.XTOPSNAP = top;
    layer.XBOTSNAP = RoundToWholeFoot(layer.XBOT);
    top = layer.XBOTSNAP;
  }
}

}  // namespace tvx
