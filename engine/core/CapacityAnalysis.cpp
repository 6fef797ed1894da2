#include "CapacityAnalysis.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

#include "CapacityReport.h"
#include "CohesionlessRules.h"
#include "CohesiveRules.h"
#include "ProfileMessages.h"
#include "RockRules.h"
#include "RunStatus.h"
#include "SoilProfile.h"
#include "WholeNumbers.h"

namespace tvx {
namespace {

constexpr float kSmallToeStemFt = 3.52f;    // stems up to this diameter get the small toe
constexpr float kSmallToeFt = 0.25f;
constexpr float kLargeToeFt = 0.5f;
constexpr float kConcreteLbPerCuYd = kConcreteUnitWeight * kCuFtPerCuYd;  // 4050
// Buoyancy per foot of shaft below the water table over D^2, tons: water on 0.7854 D^2.
constexpr float kBuoyancyTonsPerFtPerD2 = kWaterUnitWeight * kQuarterPiAsTabulated / kLbPerTon;
constexpr float kMinUnitWeightPcf = 50.0f;  // below it the unit weight counts as not given
constexpr float kFixedBearingBelow = -1e-6f;  // QMAX (tsf) below it is a fixed unit end bearing
constexpr float kDiameterSweepStepFt = 0.5f;
constexpr float kDiameterTolerance = 0.02f;  // ft, on the largest diameter and shortest length
constexpr float kMinIncrementFt = 0.001f;  // a diameter or length step below it is no step
constexpr float kMinOutputIncrementFt = 0.1f;  // PINC below it would flood the report
constexpr float kLengthTolerance = 1e-3f;  // ft, comparing lengths against bounds

bool NeedsUnitWeight(int k) { return k == kSand || k == kClay || k == kShale || k == kDecomposedRock; }

// A ratio whose integer part is not 0 and that exceeds 1: a ratio above 1 (one of 1 itself
// was made 0 when read), compared as a real so that no ratio needs an integer part.
bool RatioGivesBell(const ProblemRecord& p) { return p.RATIO > 1.0f; }
bool BellAngleUsable(const ProblemRecord& p) { return p.BELANGL > 0.0f && p.BELANGL < 90.0f; }

bool UsesLrfd(const ProblemRecord& p) { return p.NLRFD == 1; }
bool IsUpliftRun(const ProblemRecord& p) { return p.KCYCL == 2; }

float SafetyFactor(float fs) { return fs > 0.0f ? fs : 1.0f; }

constexpr float kGivenAbove = 1e-5f;  // a layer value above it counts as given

// One depth step of the profile as the rules of its layer see it.
struct StepPoint {
  int entry;
  const LayerEntry& layer;
  float z;       // depth of the end of the step, ft
  float x;       // its depth below the layer's snapped top, ft
  float sigmaV;  // effective vertical stress at z, psf
};

// The inputs of a rule at the step: the listed layer parameters interpolated at the step.
template <typename Step>
using StepField = std::pair<float Step::*, EndValues LayerEntry::*>;
template <typename Step>
void InterpolateAtStep(Step& step, const StepPoint& at, std::initializer_list<StepField<Step>> fields) {
  for (const auto& [to, from] : fields) step.*to = InterpolateInLayer(at.layer, at.layer.*from, at.x);
}

CohesionlessStep CohesionlessInput(const ProblemRecord& p, const StepPoint& at) {
  const LayerEntry& layer = at.layer;
  CohesionlessStep st{.KSOIL = layer.KSOIL, .sandMethod = layer.sandMethod, .coefEstimated = layer.coefEstimated,
                      .coefGivenAtBothEnds = BothEndsAbove(layer.COEF, kGivenAbove), .z = at.z,
                      .sigmaV = at.sigmaV, .WTD = p.WTD, .layerNo = at.entry - 1};
  using S = CohesionlessStep;
  InterpolateAtStep<S>(st, at,
                       {{&S::BLOWS, &LayerEntry::BLOWS}, {&S::PHI, &LayerEntry::PHIW}, {&S::IANG, &LayerEntry::IANG},
                        {&S::coef, &LayerEntry::COEF}, {&S::GAMMA, &LayerEntry::GAMMA}, {&S::TRANLM, &LayerEntry::TRANLM}});
  return st;
}

CohesiveStep CohesiveInput(const ProblemRecord& p, const StepPoint& at) {
  const LayerEntry& layer = at.layer;
  CohesiveStep st{.KSOIL = layer.KSOIL, .coefEstimated = layer.coefEstimated, .ncEstimated = layer.ncEstimated,
                  .alphaGivenAtBothEnds = BothEndsAbove(layer.ALPHA, kGivenAbove),
                  .cuGivenAtEitherEnd = EitherEndAbove(layer.CU, kGivenAbove), .z = at.z, .DSTART = p.DSTART};
  using S = CohesiveStep;
  InterpolateAtStep<S>(st, at,
                       {{&S::CU, &LayerEntry::CU}, {&S::BLOWS, &LayerEntry::BLOWS}, {&S::ALPHA, &LayerEntry::ALPHA},
                        {&S::NC, &LayerEntry::NC}, {&S::TRANLM, &LayerEntry::TRANLM}});
  return st;
}

RockStepInput RockInput(const ProblemRecord& p, const StepPoint& at, float D) {
  RockStepInput st{.entry = at.entry, .KSOIL = at.layer.KSOIL, .z = at.z, .D = D, .DSTART = p.DSTART, .sigmaV = at.sigmaV};
  using S = RockStepInput;
  InterpolateAtStep<S>(st, at,
                       {{&S::QUR, &LayerEntry::QUR}, {&S::QUCON, &LayerEntry::QUCON}, {&S::CS, &LayerEntry::CS},
                        {&S::DISCT, &LayerEntry::DISCT}, {&S::BDS, &LayerEntry::BDS}, {&S::EL, &LayerEntry::EL},
                        {&S::RQD, &LayerEntry::RQD}, {&S::SLUMP, &LayerEntry::SLUMP}, {&S::PHIRC, &LayerEntry::PHIRC},
                        {&S::BLOWS, &LayerEntry::BLOWS}, {&S::TRANLM, &LayerEntry::TRANLM}});
  return st;
}

// What a step takes from its layer: unit side resistance f (tsf) on the perimeter (ft), and
// the tip Qb (tons) with its unit tip qb (tsf; 0 where the rule gives none), before the QMAX
// limit and the uplift rule.
struct StepYield {
  float f = 0.0f;
  float perimeter = 0.0f;
  float Qb = 0.0f;
  float qb = 0.0f;
};

StepYield CohesionlessYield(CapacityState& state, const StepPoint& at, const CaseGeometry& g, const BaseGeometry& base,
                            LayerWorkingState& layerState) {
  const ProblemRecord& p = state.problem;
  const CohesionlessStep st = CohesionlessInput(p, at);
  const CohesionlessWorking w = CohesionlessWorkingValues(st, layerState, state.units);
  const TipResult tip = SandTipResistance(w, at.z, base, p.IMOD);
  return {CohesionlessSideResistance(st, w, LoadingOf(p)), g.p, tip.Qb, tip.qb};
}

StepYield CohesiveYield(CapacityState& state, const StepPoint& at, const CaseGeometry& g, const BaseGeometry& base,
                        LayerWorkingState& layerState, CaseRuleState& rules) {
  const ProblemRecord& p = state.problem;
  const CohesiveStep st = CohesiveInput(p, at);
  const float f = CohesiveSideResistance(st, LoadingOf(p), layerState, rules, state.units);
  const TipResult tip = ClayTipResistance(st, base, layerState);
  return {f, g.p, tip.Qb, tip.qb};
}

// A rock step: types 5 and 6 work with the rock rules' shaft length, a strong-rock step
// replaces the case's base and two-diameter count from here on; the run keeps the strength
// of the last rock step.
StepYield RockYield(CapacityState& state, const StepPoint& at, const CaseGeometry& g, float& rockLength,
                    CaseRuleState& rules, BaseGeometry& base, int& n2d) {
  const ProblemRecord& p = state.problem;
  const ResistanceLoading loading = LoadingOf(p);
  const RockStepInput rs = RockInput(p, at, g.D);
  RockStepResult r;
  if (rs.KSOIL == kDecomposedRock) {
    rockLength = ShaftLengthAtRockStep(p, at.entry, rockLength);
    r = DecomposedRockResistance(p, rs, rockLength, loading, rules, state.units);
  } else if (rs.KSOIL == kWeakRock) {
    rockLength = ShaftLengthAtRockStep(p, at.entry, rockLength);
    r = WeakRockResistance(p, rs, rockLength, loading, rules, state.units);
  } else {
    r = StrongRockResistance(rs, loading, rules, state.units);
    if (r.replacesBase) {
      base.Ab = r.Ab;
      n2d = r.N2D;
    }
  }
  state.capacity.lastRockQu = r.qu;
  state.capacity.anyRockStep = true;
  return {r.f, r.p, r.Qb, 0.0f};
}

// Layer entry that holds the depth (a depth on a layer bottom belongs to the layer above).
int LayerAtDepth(const ProblemRecord& p, float depth) {
  const int last = std::min(p.NLAYERS, kMaxLayerEntries);
  for (int e = 2; e <= last; ++e)
    if (depth <= p.layer[e].XBOTSNAP + kLengthTolerance) return e;
  return std::max(last, 2);
}

bool ExceedsDesignLoad(const ProblemRecord& p, const CapacityRow& row) {
  return UsesLrfd(p) ? row.lrfdQU > p.P : row.QDN > p.P;
}

CapacityPoint PlotPoint(const ProblemRecord& p, const CapacityRow& r) {
  CapacityPoint c;
  c.L = r.L;
  c.QS = r.QS;
  c.QB = r.QB;
  c.QU = r.QU;
  if (UsesLrfd(p)) {
    c.design1 = r.lrfdQS;
    c.design2 = r.lrfdQB;
    c.design3 = r.lrfdQU;
  } else {
    c.design1 = r.QS / SafetyFactor(p.FST);
    c.design2 = IsUpliftRun(p) ? r.QB : r.QB / SafetyFactor(p.FSB);
    c.design3 = r.QDN;
  }
  return c;
}

// The hand-over record of a case whose tip row is `tip`.
void FillHandOver(CapacityState& state, const CasePlan& plan, const CaseGeometry& g, const CaseSteps& s,
                  const StepTotals& totals, const CapacityRow& tip) {
  const ProblemRecord& p = state.problem;
  CaseHandOver& h = state.handOver;
  h = CaseHandOver{};
  h.caseNumber = plan.caseNumber;
  h.diameterIndex = plan.diameterIndex;
  h.lengthIndex = plan.lengthIndex;
  h.plotted = plan.plotted;
  // The unit side resistance goes with the depth of its step in the soil, where the t-z
  // curves lie; the shaft length it is stored under lies the bell and bottom lengths deeper.
  const int steps = std::min(s.Count(), static_cast<int>(s.z.size()));
  for (int k = 0; k < steps && s.L[k] <= tip.L + kLengthTolerance; ++k) {
    h.sideDepthIn.push_back(kInchesPerFoot * s.z[k]);
    h.sideUnitPsi.push_back(kPsfPerTsf * s.unitSide[k] / kPsfPerPsi);
    h.curve.push_back(PlotPoint(p, RowAt(p, s, k, g)));
  }
  h.NSEG = static_cast<int>(h.sideDepthIn.size());
  h.tipDepth = tip.L;
  h.QB = tip.QB;
  h.D = g.D;
  h.Db = g.Db;
  h.H = g.H;
  h.HBS = g.H + RoundToWholeFoot(p.BS);
  h.tipLayer = LayerAtDepth(p, tip.L);
  h.layerEndSide = totals.layerEndSide;
  // The stepping runs on below the tip; the tip layer's entry holds the side resistance of
  // the whole shaft, the value at the tip.
  if (h.tipLayer >= 0 && h.tipLayer <= kMaxLayerEntries) h.layerEndSide[h.tipLayer] = tip.QS;
  h.sigmaLast = totals.sigmaLast;
  h.zLast = totals.zLast;
}

}  // namespace

bool HasBell(const ProblemRecord& p) { return RatioGivesBell(p) && BellAngleUsable(p); }

CaseGeometry ShaftGeometry(const ProblemRecord& p, float D) {
  CaseGeometry g;
  g.D = D;
  g.belled = HasBell(p);
  g.Db = g.belled ? p.RATIO * D : D;
  if (g.belled) {
    g.toe = D <= kSmallToeStemFt ? kSmallToeFt : kLargeToeFt;
    g.H = (g.Db - D) / (2.0f * std::tan(p.BELANGL * kPi / 180.0f)) + g.toe;
  }
  g.Ab = kPi * g.Db * g.Db / 4.0f;
  g.p = kPi * D;
  g.As = kPi * D * D / 4.0f;
  g.steelArea = 0.36f * kPi * D * D;  // 1 % of pi D^2 / 4 ft^2 in sq in
  if (g.belled) {
    // A cylinder of height toe under a frustum from the stem to the base.
    const float frustum = kPi * (g.H - g.toe) / 3.0f * ((D * D + g.Db * g.Db) / 4.0f + D * g.Db / 4.0f);
    g.Vbell = (g.Ab * g.toe + frustum) / kCuFtPerCuYd;
  }
  g.N2D = TwoDiameterPoints(g.Db);
  return g;
}

float ShaftVolume(const CaseGeometry& g, float L) { return (L - g.H) * g.As / kCuFtPerCuYd + g.Vbell; }

float UpliftShaftWeight(const CaseGeometry& g, float L, float WTD) {
  float wt = kConcreteLbPerCuYd * ShaftVolume(g, L) / kPsfPerTsf;
  if (L > WTD) wt -= kBuoyancyTonsPerFtPerD2 * g.D * g.D * (L - WTD);
  return wt;
}

float TwoDiameterWeight(int j, int N2D) {
  if (N2D <= 0) return 0.0f;
  const float t = static_cast<float>(j) / static_cast<float>(N2D);
  return t <= 0.5f ? 1.2f * t : 0.4f * (2.0f - t);
}

ProfileSteps BuildProfileSteps(const ProblemRecord& p) {
  ProfileSteps steps;
  steps.start = std::max(RoundToWholeFoot(p.TOPLENG), 0.0f);
  const int last = std::min(p.NLAYERS, kMaxLayerEntries);
  for (int e = 2; e <= last; ++e) {
    const LayerEntry& layer = p.layer[e];
    if (!(layer.XBOTSNAP > steps.start)) continue;
    const float from = std::max(layer.XTOPSNAP, steps.start);
    const int n = IntegerPartWithin(RoundToWholeFoot(layer.XBOTSNAP - from), 0, std::numeric_limits<int>::max());
    for (int i = 1; i <= n; ++i) {
      const float z = from + static_cast<float>(i);
      steps.z.push_back(z);
      steps.entry.push_back(e);
      steps.sigmaV.push_back(EffectiveStress(p, z));
    }
  }
  return steps;
}

CaseSteps StepCase(CapacityState& state, const ProfileSteps& profile, const CaseGeometry& g, float& rockLength,
                   CaseRuleState& rules, StepTotals& totals) {
  const ProblemRecord& p = state.problem;
  CapacityRunValues& run = state.capacity;
  BaseGeometry base{g.Ab, g.Db};
  int n2d = g.N2D;
  std::array<LayerWorkingState, kMaxLayerEntries + 1> layerStates{};
  const float lengthOffset = RoundToWholeFoot(p.BS) + g.H;
  const bool uplift = IsUplift(LoadingOf(p));

  CaseSteps s;
  const std::size_t n = profile.z.size();
  for (auto* v : {&s.L, &s.z, &s.side, &s.lrfdSide, &s.tip, &s.unitTip, &s.unitSide}) v->reserve(n);
  float QS = 0.0f, lrfdQS = 0.0f;

  for (std::size_t i = 0; i < n; ++i) {
    const int e = profile.entry[i];
    const LayerEntry& layer = p.layer[e];
    const StepPoint at{e, layer, profile.z[i], profile.z[i] - layer.XTOPSNAP, profile.sigmaV[i]};
    const int K = layer.KSOIL;
    if (NeedsUnitWeight(K) && InterpolateInLayer(layer, layer.GAMMA, at.x) < kMinUnitWeightPcf)
      WriteUnitWeightMissing(state);

    StepYield y{0.0f, g.p, 0.0f, 0.0f};
    if (IsCohesionless(K))
      y = CohesionlessYield(state, at, g, base, layerStates[e]);
    else if (IsCohesive(K))
      y = CohesiveYield(state, at, g, base, layerStates[e], rules);
    else if (IsRockLike(K))
      y = RockYield(state, at, g, rockLength, rules, base, n2d);

    // The maximum end bearing: a negative QMAX is a fixed unit end bearing.
    float Qb = y.Qb;
    const float qmax = InterpolateInLayer(layer, layer.QMAX, at.x) / kPsfPerTsf;
    if (qmax < kFixedBearingBelow)
      Qb = base.Ab * std::fabs(qmax);
    else
      Qb = std::min(Qb, base.Ab * qmax);
    if (uplift) Qb = 0.0f;

    QS += y.perimeter * y.f;
    lrfdQS += layer.FLRFDS * y.perimeter * y.f;
    if (K == kWeakRock && !run.QSWTaken) {
      run.QSW = QS;
      run.QSWTaken = true;
    }

    s.L.push_back(RoundToWholeFoot(at.z + lengthOffset));
    s.z.push_back(at.z);
    s.side.push_back(QS);
    s.lrfdSide.push_back(lrfdQS);
    s.tip.push_back(Qb);
    s.unitTip.push_back(y.qb);
    s.unitSide.push_back(y.f);
    s.entry.push_back(e);
    s.N2D.push_back(n2d);
    totals.layerEndSide[e] = QS;
    totals.sigmaLast = at.sigmaV;
    totals.zLast = at.z;
  }
  return s;
}

bool ZoneInsideProfile(const CaseSteps& s, int k, const CaseGeometry& g) {
  if (k < 0 || k >= s.Count()) return false;
  const int points = g.D >= 1.0f ? std::max(s.N2D[k], 1) : 1;
  return static_cast<long long>(k) + points - 1 < s.Count();
}

int DeepestReportableStep(const CaseSteps& s, const CaseGeometry& g) {
  int k = 0;
  while (ZoneInsideProfile(s, k, g)) ++k;
  return k - 1;
}

float ShaftTipResistance(const CaseSteps& s, int k, const CaseGeometry& g) {
  if (g.D < 1.0f) return s.tip[k];
  const int points = std::max(s.N2D[k], 1);
  // A point without unit tip (rock, or a tip from the friction angle alone) takes the last
  // point of the zone that had one, unless the tip itself has none.
  const bool tipHasUnitTip = s.unitTip[k] != 0.0f;
  float last = s.tip[k];
  float sumW = 0.0f, sumWQ = 0.0f;
  for (int j = 0; j < points && k + j < s.Count(); ++j) {
    const int i = k + j;
    float q = s.tip[i];
    if (s.unitTip[i] != 0.0f)
      last = q;
    else if (tipHasUnitTip)
      q = last;
    const float w = TwoDiameterWeight(j, points);
    sumW += w;
    sumWQ += w * q;
  }
  return sumW > 0.0f ? sumWQ / sumW : s.tip[k];
}

CapacityRow RowAt(const ProblemRecord& p, const CaseSteps& s, int k, const CaseGeometry& g) {
  CapacityRow r;
  const bool uplift = IsUpliftRun(p);
  r.L = s.L[k];
  r.V = ShaftVolume(g, r.L);
  r.QS = s.side[k];
  r.QB = uplift ? UpliftShaftWeight(g, r.L, p.WTD) : ShaftTipResistance(s, k, g);
  const float FST = SafetyFactor(p.FST);
  const float FSB = uplift ? 1.0f : SafetyFactor(p.FSB);
  r.QU = r.QS + r.QB;
  r.QBD = r.QS + r.QB / FSB;
  r.QDN = r.QS / FST + r.QB / FSB;
  r.QUV = r.V > 0.0f ? r.QU / r.V : 0.0f;
  r.lrfdQS = s.lrfdSide[k];
  r.lrfdQB = uplift ? r.QB : r.QB * p.layer[s.entry[k]].FLRFDB;
  r.lrfdQU = r.lrfdQS + r.lrfdQB;
  return r;
}

CapacityRow InterpolateRows(const CapacityRow& a, const CapacityRow& b, float L) {
  const float span = b.L - a.L;
  const float t = span != 0.0f ? (L - a.L) / span : 0.0f;
  auto lerp = [t](float u, float v) { return u + t * (v - u); };
  CapacityRow r;
  r.L = L;
  r.V = lerp(a.V, b.V);
  r.QS = lerp(a.QS, b.QS);
  r.QB = lerp(a.QB, b.QB);
  r.QU = lerp(a.QU, b.QU);
  r.QBD = lerp(a.QBD, b.QBD);
  r.QDN = lerp(a.QDN, b.QDN);
  r.lrfdQS = lerp(a.lrfdQS, b.lrfdQS);
  r.lrfdQB = lerp(a.lrfdQB, b.lrfdQB);
  r.lrfdQU = lerp(a.lrfdQU, b.lrfdQU);
  r.QUV = r.V > 0.0f ? r.QU / r.V : 0.0f;
  return r;
}

CapacityRow RowAtLength(const ProblemRecord& p, const CaseSteps& s, const CaseGeometry& g, float L) {
  return RowAtLength(p, s, g, L, DeepestReportableStep(s, g));
}

CapacityRow RowAtLength(const ProblemRecord& p, const CaseSteps& s, const CaseGeometry& g, float L,
                        int deepestStep) {
  const int deepest = std::max(deepestStep, 0);
  const int k0 = IntegerPartWithin(std::floor(L - s.L[0] + kLengthTolerance), 0, deepest);
  const CapacityRow a = RowAt(p, s, k0, g);
  // Lengths outside the stored ones take the nearest row; the callers keep within them.
  if (k0 >= deepest || L <= a.L + kLengthTolerance) return a;
  return InterpolateRows(a, RowAt(p, s, k0 + 1, g), L);
}

DesignLoadRows SearchDesignLoad(const ProblemRecord& p, const CaseSteps& s, const CaseGeometry& g) {
  DesignLoadRows d;
  for (int k = 0; ZoneInsideProfile(s, k, g); ++k) {
    d.rows.push_back(RowAt(p, s, k, g));
    if (ExceedsDesignLoad(p, d.rows.back())) {
      d.reached = true;
      break;
    }
  }
  return d;
}

std::vector<CapacityRow> DesignDepthRows(const ProblemRecord& p, const CaseSteps& s, const CaseGeometry& g,
                                         float PINC, float bound) {
  std::vector<CapacityRow> rows;
  const int deepest = s.Count() == 0 ? -1 : DeepestReportableStep(s, g);
  if (!(PINC > 0.0f) || deepest < 0) return rows;
  const float top = std::max(p.BS + p.TOPLENG, s.L[0]);
  long long m = IntegerPartWithin(std::ceil(top / PINC - 1e-4f), 1, std::numeric_limits<int>::max());
  for (; static_cast<float>(m) * PINC <= bound + kLengthTolerance; ++m) {
    const float L = static_cast<float>(m) * PINC;
    if (L < s.L[0] - kLengthTolerance) continue;
    rows.push_back(RowAtLength(p, s, g, L, deepest));
  }
  return rows;
}

bool VariesLength(const ProblemRecord& p) { return p.METHOD == 2 && (p.IPENT == 1 || p.ICHART == 1); }

std::vector<float> SweepDiameters(const ProblemRecord& p) {
  std::vector<float> d;
  const float step = p.ICHART == 1 ? p.DIAMINCR : kDiameterSweepStepFt;
  if (!(step >= kMinIncrementFt)) return {p.DSTART};
  for (int i = 0; i < kMaxRunDiameters; ++i) {
    const float D = p.DSTART + static_cast<float>(i) * step;
    if (!(D < p.DIALIM + kDiameterTolerance)) break;
    d.push_back(D);
  }
  if (d.empty()) d.push_back(p.DSTART);
  return d;
}

std::vector<float> RunLengths(const ProblemRecord& p) {
  if (!VariesLength(p)) return {p.METHOD == 2 ? p.DGH : 0.0f};
  if (!(p.PDINCR >= kMinIncrementFt)) return {p.DGH};
  std::vector<float> lengths;
  for (int i = 0; i < kMaxRunLengths; ++i) {
    const float L = p.DGH - static_cast<float>(i) * p.PDINCR;
    if (!(L > p.PDMIN - kDiameterTolerance)) break;
    lengths.push_back(L);
  }
  // The design depth itself is always analysed, even below the shortest length of the range.
  if (lengths.empty()) lengths.push_back(p.DGH);
  return lengths;
}

CaseOutcome AnalyzeCase(CapacityState& state, DesignRun& run, const CasePlan& plan) {
  const ProblemRecord& p = state.problem;
  CaseOutcome out;
  const CaseGeometry g = ShaftGeometry(p, plan.D);
  out.geometry = g;

  WriteCaseHeader(state, plan);
  WriteCaseShaftInformation(state, g, plan.length);

  CaseRuleState rules{};
  StepTotals totals;
  if (p.METHOD == 2) run.rockLength = plan.length;
  const CaseSteps s = StepCase(state, run.profile, g, run.rockLength, rules, totals);

  WriteResultsLegend(state);
  WriteColumnHeadings(state);

  const int deepest = DeepestReportableStep(s, g);
  std::vector<CapacityRow> rows;
  CapacityRow tip;
  bool haveTip = false;
  bool cutShort = false;
  if (p.METHOD == 1) {
    DesignLoadRows d = SearchDesignLoad(p, s, g);
    rows = std::move(d.rows);
    out.designReached = d.reached;
    cutShort = !d.reached;
    if (d.reached) {
      tip = rows.back();
      haveTip = true;
    }
  } else if (deepest >= 0) {
    const float bound = std::min(plan.length, s.L[deepest]);
    rows = DesignDepthRows(p, s, g, run.PINC, bound);
    cutShort = plan.length > s.L[deepest] + kLengthTolerance;
    if (bound >= s.L[0] - kLengthTolerance) {
      tip = RowAtLength(p, s, g, bound, deepest);
      haveTip = true;
    }
  } else {
    cutShort = true;
  }

  for (const CapacityRow& row : rows) WriteCapacityRow(state, row);
  CopyRockMessages(state);
  if (cutShort) WriteProfileTooShort(state);
  out.hasRow = !rows.empty();
  if (out.hasRow) out.last = rows.back();
  if (!out.designReached) {
    WriteNeedAnotherLayer(state);
    return out;
  }
  if (haveTip) {
    FillHandOver(state, plan, g, s, totals, tip);
    out.handedOver = true;
  }
  return out;
}

void SearchDesign(CapacityState& state, const CaseFollowUp& followUp, int& status) {
  const ProblemRecord& p = state.problem;
  WriteComputationResultsHeading(state);

  DesignRun run;
  run.profile = BuildProfileSteps(p);
  run.PINC = p.PINC;
  if (p.METHOD == 2 && !(p.PINC >= kMinOutputIncrementFt)) {
    run.PINC = p.IsSI() ? kFtPerM : 1.0f;
    WriteOutputIncrementReplaced(state, run.PINC);
  }
  if (RatioGivesBell(p) && !BellAngleUsable(p)) WriteBellAngleUnusable(state);
  if (!UsesLrfd(p) && (!(p.FST > 0.0f) || (!IsUpliftRun(p) && !(p.FSB > 0.0f)))) WriteSafetyFactorReplaced(state);
  if (p.ICHART == 1 && !(p.DIAMINCR >= kMinIncrementFt)) WriteDiameterIncrementNotPositive(state);
  if (p.METHOD == 1 && (p.IPENT == 1 || p.ICHART == 1)) WriteLengthsNeedDesignDepth(state);
  if (VariesLength(p) && !(p.PDINCR >= kMinIncrementFt)) WriteLengthIncrementNotPositive(state);

  const std::vector<float> diameters = SweepDiameters(p);
  const std::vector<float> lengths = RunLengths(p);
  auto plottedAt = [&](float length) {
    return !VariesLength(p) || p.IPENT >= 1 || length >= lengths.front() - kDiameterTolerance;
  };
  state.capacity.NLINES = 0;
  for (float length : lengths)
    if (plottedAt(length)) state.capacity.NLINES += static_cast<int>(diameters.size());

  int caseNumber = 0;
  for (std::size_t li = 0; li < lengths.size(); ++li) {
    MostEfficientShaft best;
    for (std::size_t di = 0; di < diameters.size(); ++di) {
      CasePlan plan;
      plan.caseNumber = ++caseNumber;
      plan.lengthIndex = static_cast<int>(li) + 1;
      plan.diameterIndex = static_cast<int>(di) + 1;
      plan.D = diameters[di];
      plan.length = lengths[li];
      plan.plotted = plottedAt(lengths[li]);

      const CaseOutcome out = AnalyzeCase(state, run, plan);
      if (!out.designReached) {
        status = kStatusNeedAnotherLayer;
        return;
      }
      if (out.hasRow && (!best.any || out.last.QUV > best.QUV)) {
        best = MostEfficientShaft{true, out.geometry.D, out.geometry.Db, out.last.L, out.last.V, out.last.QU,
                                  out.last.QUV};
      }
      const int followed = followUp(plan, out);
      if (followed >= 1) {
        status = followed;
        return;
      }
    }
    if (diameters.size() > 1 && best.any) WriteMostEfficientShaft(state, best);
  }
}

}  // namespace tvx
