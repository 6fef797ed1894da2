#include "RockRules.h"

#include <algorithm>
#include <cmath>

#include "Format.h"
#include "SoilProfile.h"
#include "WeakRockSocket.h"
#include "WeakRockTables.h"

namespace tvx {
namespace {

constexpr float kMinSocketDiameter = 0.001f;  // ft; a smaller socket diameter is missing
constexpr float kMinPerimeterFt = 0.001f;     // a smaller socket perimeter is missing: the stem's
constexpr float kSideSwitchPsf = 40320.0f;    // 280 psi: square-root rule above
constexpr float kEndBearingOnlyPsf = 144000.0f;  // 1000 psi: type 4 end bearing only above
constexpr float kSmallestSocketFt = 1.64f;   // 0.5 m: a smaller weak-rock socket is warned of
constexpr float kReferenceMovementShare = 0.05f;  // of the socket diameter, the capacity's movement
// Decomposed rock: the preconsolidation stress 0.2 N atmospheres (0.2 x 2115.7 psf, as the
// rules round it), and the base factor of 0.59 (N pa / sigma')^0.8 sigma' written on that
// ratio (about 0.59 x 5^0.8, as the rules give it).
constexpr float kPreconsolidationPsfPerBlow = 423.14f;
constexpr float kDecomposedBaseFactor = 2.1459f;

bool IsStrongRock(int KSOIL) { return KSOIL == kStrongRock || KSOIL == kStrongRockBoth; }

int LastEntry(const ProblemRecord& problem) { return std::clamp(problem.NLAYERS, 1, kMaxLayerEntries); }
int ValidEntry(const ProblemRecord& problem, int entry) { return std::clamp(entry, 2, std::max(LastEntry(problem), 2)); }

RockStepResult NoRockResistance(RockStepResult r) {
  r.b = 0.0f;
  r.f = 0.0f;
  r.Qb = 0.0f;
  return r;
}

// One weak-rock warning: to the run notes at every step, to ROCKMSG.DAT while the case has
// not had it (then the flag is set).
template <typename ValueLine>
void WriteRockWarning(UnitTable& units, bool& flag, const ValueLine& valueLine, const char* text1,
                      const char* text2 = nullptr) {
  auto write = [&](int unit) {
    WriteWarningMessageHead(units, unit);
    units.Write(unit, valueLine);
    units.Write(unit, Record().X(5).T(text1));
    if (text2) units.Write(unit, Record().X(5).T(text2));
    units.WriteEmpty(unit, 2);
  };
  write(kUnitRunNotes);
  if (!flag) {
    write(kUnitRockMsg);
    flag = true;
  }
}

void WriteSocketLengthWarning(UnitTable& units, CaseRuleState& s, float ratio) {
  WriteRockWarning(units, s.socketLengthWarned, Record().X(16).T("SOCKET LENGTH/SOCKET DIAMETER = ").F(9, 2, ratio),
                   "L/D SHOULD BE GREATER THAN 2.0 AND LESS THAN 20.0");
}

void WriteModulusRatioWarning(UnitTable& units, CaseRuleState& s, float ratio) {
  WriteRockWarning(units, s.modulusRatioWarned, Record().X(25).T("Ec/Em = ").F(9, 2, ratio),
                   "Ec/Em SHOULD BE GREATER THAN 10.0 AND LESS THAN 500.0");
}

void WriteSocketDiameterWarning(UnitTable& units, CaseRuleState& s, float diameterFt) {
  WriteRockWarning(units, s.socketDiameterWarned, Record().X(25).T("Diameter (FT) = ").F(9, 2, diameterFt),
                   "SOCKET DIAMETER SHOULD BE GREATER THAN 0.5 m or 1.64 ft", "AND LESS THAN 1.53 m or 5 ft.");
}

}  // namespace

float SocketDiameter(float BDS, float D, float DSTART) { return DSTART > 0.0f ? BDS * D / DSTART : BDS; }

RockStepResult RockSideRule(const RockStepInput& step, int KCYCL) {
  RockStepResult r;
  r.qu = std::min(step.QUR, step.QUCON);
  if (r.qu > kSideSwitchPsf) {
    r.c = 2.5f;
    r.b = kPsfPerPsi * std::sqrt(r.qu / kPsfPerPsi);
  } else {
    r.c = 0.15f;
    r.b = std::max(r.qu, 0.0f);
  }
  if (step.KSOIL == kStrongRock && KCYCL == 1 && r.qu > kEndBearingOnlyPsf) r.b = 0.0f;
  r.p = kPiInSocketPerimeter * SocketDiameter(step.BDS, step.D, step.DSTART);
  if (!(r.p >= kMinPerimeterFt)) r.p = kPi * std::max(step.D, 0.0f);
  return r;
}

float RockSideResistance(int KSOIL, float c, float b, float TRANLMpsf, const ResistanceLoading& loading) {
  const float base = b * UpliftSideFactor(loading);
  const float f = (IsStrongRock(KSOIL) ? c * base : base) / kPsfPerTsf;
  return NonNegativeFinite(LimitToMaximumTransfer(NonNegativeFinite(f), TRANLMpsf));
}

RockStepResult StrongRockResistance(const RockStepInput& step, const ResistanceLoading& loading,
                                    CaseRuleState& caseState, UnitTable& units) {
  RockStepResult r = RockSideRule(step, loading.KCYCL);
  r.f = RockSideResistance(step.KSOIL, r.c, r.b, step.TRANLM, loading);

  const float B = SocketDiameter(step.BDS, step.D, step.DSTART);
  if (!(B >= kMinSocketDiameter) || !std::isfinite(B)) {
    NoteUnusableInput(units, caseState, RuleNote::kStrongRockSocketDiameter, step.entry - 1, step.z);
    return r;
  }
  r.replacesBase = true;
  r.Ab = kQuarterPiAsTabulated * B * B;
  r.N2D = TwoDiameterPoints(B);  // int(2 sqrt(Ab / 0.7854))

  if (step.KSOIL == kStrongRock && r.qu <= kEndBearingOnlyPsf) return r;  // side resistance only
  const float s = step.CS;
  if (!(s > 0.0f)) {
    NoteUnusableInput(units, caseState, RuleNote::kStrongRockSpacing, step.entry - 1, step.z);
    return r;
  }
  // Discontinuity factor of the rock below a socket of diameter B.
  const float delta = std::max(step.DISCT, 0.0f);
  const float ksp = (3.0f + s / B) / (10.0f * std::sqrt(1.0f + 300.0f * delta / s));
  // Three socket areas of the rock strength.
  r.Qb = NonNegativeFinite(3.0f * kQuarterPiAsTabulated * B * B * (std::max(step.QUR, 0.0f) / kPsfPerTsf) * ksp);
  return r;
}

float PreconsolidationRatio(float N, float sigma) { return kPreconsolidationPsfPerBlow * N / sigma; }

float DecomposedRockBaseLoad(float N, float sigma, float Bt) {
  return kQuarterPiAsTabulated * kDecomposedBaseFactor * sigma * std::pow(PreconsolidationRatio(N, sigma), 0.8f) * Bt *
         Bt;
}

float ShaftLengthAtRockStep(const ProblemRecord& problem, int entry, float currentLength) {
  if (problem.METHOD != 1) return currentLength;
  const int e = ValidEntry(problem, entry);
  return 0.5f * (problem.layer[e].XTOPSNAP + problem.layer[e].XBOTSNAP) + problem.TOPLENG;
}

RockStepResult DecomposedRockResistance(const ProblemRecord& problem, const RockStepInput& step, float L,
                                        const ResistanceLoading& loading, CaseRuleState& caseState,
                                        UnitTable& units) {
  RockStepResult r = RockSideRule(step, loading.KCYCL);
  const int entry = ValidEntry(problem, step.entry);

  const float B = SocketDiameter(step.BDS, step.D, step.DSTART);
  const float sigma = step.z < L + 2.0f * B ? step.sigmaV : MidLayerEffectiveStress(problem, entry);
  if (!(sigma > 0.0f) || !std::isfinite(sigma)) {
    NoteUnusableInput(units, caseState, RuleNote::kDecomposedRockStress, step.entry - 1, step.z);
    return NoRockResistance(r);
  }

  const float N = std::max(step.BLOWS, 0.0f);
  const float phi = std::atan(std::pow(N / (12.2f + 20.3f * sigma / kAtmospherePsf), 0.34f));
  const float ocr = PreconsolidationRatio(N, sigma);
  const float sinPhi = std::sin(phi);
  r.b = NonNegativeFinite((1.0f - sinPhi) * std::pow(ocr, sinPhi) * std::tan(0.75f * phi) * sigma);
  const float Bt = B < kMinSocketDiameter ? step.DSTART : B;
  r.Qb = NonNegativeFinite(DecomposedRockBaseLoad(N, sigma, Bt) / kPsfPerTsf);
  r.f = RockSideResistance(step.KSOIL, r.c, r.b, step.TRANLM, loading);
  return r;
}

RockStepResult WeakRockResistance(const ProblemRecord& problem, const RockStepInput& step, float L,
                                  const ResistanceLoading& loading, CaseRuleState& caseState, UnitTable& units) {
  RockStepResult r = RockSideRule(step, loading.KCYCL);
  const int entry = ValidEntry(problem, step.entry);
  const int layerNo = step.entry - 1;
  const float z = step.z;

  // The socket that reaches the step, and the socket length reached.
  const RockSocket socket = FindRockSocket(problem, entry, z);
  const float zr = socket.zr;
  const float D = step.D;
  const float Ls = L - zr;
  const float Lx = Ls + 2.0f * D;
  float Lc = std::max(problem.layer[socket.entry > 0 ? socket.entry : entry].BDS.bot, z - zr);
  if (!(Lc > 0.0f)) Lc = 1.0f;

  const float S = SlumpInInches(problem, step.SLUMP);
  const float phiRc = InterfaceAngle(step.PHIRC);
  const float qu = step.QUR;
  const float B = SocketDiameter(step.BDS, D, step.DSTART);
  caseState.weakRockSumEL += step.EL;
  caseState.weakRockSteps += 1;

  const int ICOND = problem.layer[entry].ICOND;
  const bool rough = IsRoughInterface(ICOND);
  const float modulusRatio = LookupModulusRatio(step.RQD, ICOND);
  const float Ei = caseState.weakRockSumEL / static_cast<float>(caseState.weakRockSteps);
  const float Em = Ei * modulusRatio;  // tsf
  const float Ec = problem.Ec;

  const bool haveDiameter = B >= kMinSocketDiameter && std::isfinite(B);
  if (haveDiameter) {
    if (Ls / B <= 2.0f) WriteSocketLengthWarning(units, caseState, Ls / B);
    if (Lx / B > 20.0f) WriteSocketLengthWarning(units, caseState, Lx / B);
  }
  if (Em > 0.0f && std::isfinite(Ec / Em)) {
    const float ratio = Ec / Em;
    if (ratio < 10.0f || ratio > 500.0f) WriteModulusRatioWarning(units, caseState, ratio);
  }
  if (B < kSmallestSocketFt) WriteSocketDiameterWarning(units, caseState, B);

  bool usable = true;
  if (!haveDiameter) {
    NoteUnusableInput(units, caseState, RuleNote::kWeakRockSocketDiameter, layerNo, z);
    usable = false;
  }
  if (!(qu > 0.0f)) {
    NoteUnusableInput(units, caseState, RuleNote::kWeakRockStrength, layerNo, z);
    usable = false;
  }
  if (!(Em > 0.0f) || !(Ec > 0.0f) || !std::isfinite(Ec / Em)) {
    NoteUnusableInput(units, caseState, RuleNote::kWeakRockModulus, layerNo, z);
    usable = false;
  }
  if (!usable) return NoRockResistance(r);

  // The fluid concrete at the socket's mid-depth, and the maximum side shear.
  const float zc = std::min(kMaxConcreteHeadFt, 0.5f * (L + zr));
  const float sigmaN = FluidConcreteStress(S, zc);
  const float alpha = LookupAdhesionFactor(sigmaN / kAtmospherePsf, qu);
  const float fa = MaximumSideShear(rough, qu, alpha, phiRc, modulusRatio);

  // The socket at the reference movement of 5 % of its diameter.
  const SocketFactors factors = ComputeSocketFactors(Lc, B, Ec, Em);
  const TipFactor tip = ComputeTipFactor(factors, Lc, B, Em);
  const float wt = kReferenceMovementShare * B;
  bool factorsInRange = tip.defined;
  r.Qb = NonNegativeFinite(WeakRockBaseLoad(B, qu, tip, wt) / kPsfPerTsf);

  if (rough) {
    const float n = sigmaN / qu;
    float omega = 0.0f;
    if (factors.gamma1 > 0.0f && fa > 0.0f)
      omega = MobilizedShearShare(SideShearRatio(factors, kPsfPerTsf * Em, wt, Lc, fa), n, factorsInRange);
    r.b = NonNegativeFinite(std::max(omega, 0.0f) * fa);
  } else {
    r.b = NonNegativeFinite(fa);
  }
  if (!factorsInRange) NoteUnusableInput(units, caseState, RuleNote::kWeakRockFactors, layerNo, z);

  r.f = RockSideResistance(step.KSOIL, r.c, r.b, step.TRANLM, loading);
  return r;
}

}  // namespace tvx
