#include "InputConversion.h"

#include <algorithm>

#include "Constants.h"

namespace tvx {
namespace {

void Scale(EndValues& v, float k) {
  v.top *= k;
  v.bot *= k;
}

}  // namespace

void ConvertProblemUnits(ProblemRecord& p) {
  if (p.RATIO == 1.0f) p.RATIO = 0.0f;
  p.DIALIM = std::max(p.DSTART, p.DIALIM);
  if (!p.IsSI()) return;

  for (float* length : {&p.PINC, &p.WTD, &p.DGH, &p.DSTART, &p.DIALIM, &p.TOPLENG, &p.BS, &p.PDMIN, &p.PDINCR,
                        &p.DIAMINCR})
    *length *= kFtPerM;
  for (int k = 1; k <= p.NTZDEP && k <= kMaxTzDepths; ++k) p.TZDEP[k] *= kFtPerM;
  p.P *= kTonsPerKn;
  for (int i = 2; i <= p.NLAYERS && i <= kMaxLayerEntries; ++i) {
    LayerEntry& L = p.layer[i];
    L.XTOP *= kFtPerM;
    L.XBOT *= kFtPerM;
    Scale(L.GAMMA, kPcfPerKnPerM3);
    Scale(L.CU, kPsfPerKpa);
    Scale(L.TRANLM, kPsfPerKpa);
    Scale(L.QMAX, kPsfPerKpa);
  }
}

void ConvertRockInputs(const ProblemRecord& p, LayerEntry& layer) {
  if (!p.IsSI() || !IsRockLike(layer.KSOIL)) return;
  Scale(layer.QUR, kPsfPerKpa);
  Scale(layer.QUCON, kPsfPerKpa);
  Scale(layer.CS, kFtPerM);
  Scale(layer.DISCT, kFtPerM);
  Scale(layer.BDS, kFtPerM);
}

void ConvertModuliToTsf(ProblemRecord& p) {
  const float psfPerUnit = p.IsSI() ? kPsfPerKpa : kPsfPerPsi;
  auto toTsf = [psfPerUnit](float v) { return v * psfPerUnit / kPsfPerTsf; };
  p.Ec = toTsf(p.EcInput);
  for (int i = 2; i <= p.NLAYERS && i <= kMaxLayerEntries; ++i) {
    EndValues& el = p.layer[i].EL;
    el = {toTsf(el.top), toTsf(el.bot)};
  }
}

}  // namespace tvx
