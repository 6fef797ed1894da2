#include "RockRules.h"

#include <algorithm>
#include <cmath>

#include "Format.h"
#include "WeakRockTables.h"

namespace tvx {
namespace {

constexpr float kPi = 3.14159265f;
constexpr float kMinSocketDiameter = 0.001f;  // ft; a smaller socket diameter is missing
constexpr float kSideSwitchPsf = 40320.0f;    // 280 psi: square-root rule above
constexpr float kEndBearingOnlyPsf = 144000.0f;  // 1000 psi: type 4 end bearing only above
constexpr float kInchesPerMetre = 1000.0f / 25.4f;
constexpr float kTan30 = 0.57735187f;

bool IsStrongRock(int KSOIL) { return KSOIL == kStrongRock || KSOIL == kStrongRockBoth; }
bool IsSocketRock(int KSOIL) { return KSOIL == kWeakRock || KSOIL == kStrongRockBoth; }

int LastEntry(const ProblemRecord& problem) { return std::clamp(problem.NLAYERS, 1, kMaxLayerEntries); }
int ValidEntry(const ProblemRecord& problem, int entry) { return std::clamp(entry, 2, std::max(LastEntry(problem), 2)); }

// Depths of an entry as the stepping uses them.
float EntryBottom(const ProblemRecord& problem, int e) { return problem.layer[e].XBOTSNAP; }
float EntryTop(const ProblemRecord& problem, int e) { return e >= 2 ? problem.layer[e - 1].XBOTSNAP : 0.0f; }

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
  r.p = 3.142f * SocketDiameter(step.BDS, step.D, step.DSTART);
  if (!(r.p >= 0.001f)) r.p = kPi * std::max(step.D, 0.0f);
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
  r.Ab = 0.7854f * B * B;
  r.N2D = static_cast<int>(std::min(2.0f * B, 1.0e6f));  // int(2 sqrt(Ab / 0.7854))

  if (step.KSOIL == kStrongRock && r.qu <= kEndBearingOnlyPsf) return r;  // side resistance only
  const float s = step.CS;
  if (!(s > 0.0f)) {
    NoteUnusableInput(units, caseState, RuleNote::kStrongRockSpacing, step.entry - 1, step.z);
    return r;
  }
  // Discontinuity factor of the rock below a socket of diameter B.
  const float delta = std::max(step.DISCT, 0.0f);
  const float ksp = (3.0f + s / B) / (10.0f * std::sqrt(1.0f + 300.0f * delta / s));
  r.Qb = NonNegativeFinite(2.3562f * B * B * (std::max(step.QUR, 0.0f) / kPsfPerTsf) * ksp);
  return r;
}

float ShaftLengthAtRockStep(const ProblemRecord& problem, int entry, float currentLength) {
  if (problem.METHOD != 1) return currentLength;
  const int e = ValidEntry(problem, entry);
  return 0.5f * (EntryTop(problem, e) + EntryBottom(problem, e)) + problem.TOPLENG;
}

RockStepResult DecomposedRockResistance(const ProblemRecord& problem, const RockStepInput& step, float L,
                                        const ResistanceLoading& loading, CaseRuleState& caseState,
                                        UnitTable& units) {
  RockStepResult r = RockSideRule(step, loading.KCYCL);
  const int entry = ValidEntry(problem, step.entry);

  // Effective stress at the layer's mid-depth from the total unit weights of the layers
  // above and the upper half of this one, less the pore pressure there.
  float total = 0.0f;
  for (int e = 2; e <= entry; ++e) {
    const LayerEntry& layer = problem.layer[e];
    const float thickness = std::max(EntryBottom(problem, e) - EntryTop(problem, e), 0.0f);
    const float share = e < entry ? 0.5f : 0.25f;
    total += share * (layer.GAMMA.top + layer.GAMMA.bot) * thickness;
  }
  const float zm = 0.5f * (EntryTop(problem, entry) + EntryBottom(problem, entry));
  const float u = zm >= problem.WTD ? kWaterUnitWeight * (zm - problem.WTD) : 0.0f;
  const float sigmaMid = total - u;

  const float B = SocketDiameter(step.BDS, step.D, step.DSTART);
  const float sigma = step.z < L + 2.0f * B ? step.sigmaV : sigmaMid;
  if (!(sigma > 0.0f) || !std::isfinite(sigma)) {
    NoteUnusableInput(units, caseState, RuleNote::kDecomposedRockStress, step.entry - 1, step.z);
    return NoRockResistance(r);
  }

  const float N = std::max(step.BLOWS, 0.0f);
  const float phi = std::atan(std::pow(N / (12.2f + 20.3f * sigma / kAtmospherePsf), 0.34f));
  const float ocr = 423.14f * N / sigma;  // preconsolidation 0.2 N atmospheres
  const float sinPhi = std::sin(phi);
  r.b = NonNegativeFinite((1.0f - sinPhi) * std::pow(ocr, sinPhi) * std::tan(0.75f * phi) * sigma);
  const float Bt = B < kMinSocketDiameter ? step.DSTART : B;
  r.Qb = NonNegativeFinite(1.6853898f * sigma * std::pow(ocr, 0.8f) * Bt * Bt / kPsfPerTsf);
  r.f = RockSideResistance(step.KSOIL, r.c, r.b, step.TRANLM, loading);
  return r;
}

RockStepResult WeakRockResistance(const ProblemRecord& problem, const RockStepInput& step, float L,
                                  const ResistanceLoading& loading, CaseRuleState& caseState, UnitTable& units) {
  RockStepResult r = RockSideRule(step, loading.KCYCL);
  const int entry = ValidEntry(problem, step.entry);
  const int layerNo = step.entry - 1;
  const float z = step.z;

  // Rock top and socket entry: the walk from the surface to the first weak or strong rock
  // entry that reaches z; the rock top is the top of the first such entry met (a rock that
  // starts at the surface lets a later one set it).
  float zr = 0.0f;
  int socket = entry;
  for (int e = 2; e <= entry; ++e) {
    if (!IsSocketRock(problem.layer[e].KSOIL)) continue;
    if (zr < 0.0001f) zr = EntryTop(problem, e);
    if (EntryBottom(problem, e) >= z - 1e-4f) {
      socket = e;
      break;
    }
  }
  const float D = step.D;
  const float Ls = L - zr;
  const float Lx = Ls + 2.0f * D;
  float Lc = std::max(problem.layer[socket].BDS.bot, z - zr);
  if (!(Lc > 0.0f)) Lc = 1.0f;

  const float S = problem.IsSI() ? step.SLUMP * kInchesPerMetre : step.SLUMP;
  const float phiRc = step.PHIRC * 3.1416f / 180.0f;
  const float qu = step.QUR;
  const float B = SocketDiameter(step.BDS, D, step.DSTART);
  caseState.weakRockSumEL += step.EL;
  caseState.weakRockSteps += 1;

  const int ICOND = problem.layer[entry].ICOND;
  const bool rough = ICOND == 1 || ICOND == 3;
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
  if (B < 1.64f) WriteSocketDiameterWarning(units, caseState, B);

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

  // Normal stress of the fluid concrete at the socket's mid-depth (at most 40 ft down).
  const float zc = std::min(40.0f, 0.5f * (L + zr));
  const float M = LookupConcretePressureFactor(S, zc);
  const float sigmaN = std::max(150.0f * zc * M, 0.0f);
  const float alpha = LookupAdhesionFactor(sigmaN / kAtmospherePsf, qu);

  // Maximum side shear, reduced for the jointing of the rock mass.
  float fa = rough ? 0.5f * qu : alpha * qu * std::tan(phiRc) / kTan30;
  fa = std::max(fa, 0.0f) * LookupShearReduction(modulusRatio);

  const float EmPsf = kPsfPerTsf * Em;
  const float rootLc = std::sqrt(Lc / B);
  const float g = std::log10(Ec / Em);
  const float gamma1 = 0.37f * rootLc + 0.13f - 0.15f * (rootLc - 1.0f) * g;
  const float gamma2 = 1.14f * rootLc - 0.44f - 0.05f * (rootLc - 1.0f) * g;
  const float wt = 0.05f * B;  // reference movement, 5 % of the socket diameter
  bool factorsInRange = gamma1 > 0.0f;

  float T = 0.0f;
  if (gamma1 > 0.0f) {
    const float c1 = 1.0f + Lc / B;
    const float X = 200.0f * c1 * (rootLc - gamma2) / (957.5597f * Lc * gamma1);
    if (X > 0.0f)
      T = 2.0f * Em * 0.64159197f * (Lc / B) * std::pow(X, 0.67f) / c1;
    else
      factorsInRange = false;
  }
  r.Qb = NonNegativeFinite(0.7854f * B * B *
                           std::min(2.5f * qu, 20.88f * std::pow(304.8f * wt, 0.67f) * T) / kPsfPerTsf);

  if (rough) {
    const float n = sigmaN / qu;
    float omega = 0.0f;
    if (gamma1 > 0.0f && fa > 0.0f) {
      const float K = EmPsf * gamma2 * wt / (3.1416f * Lc * fa * gamma1);
      if (K <= n) {
        omega = K;
      } else {
        const float den = 1.0f - 2.0f * n + K;
        if (den > 1e-6f) {
          omega = n + (K - n) * (1.0f - n) / den;
        } else {
          omega = 1.0f;  // the blend has no value here: the full side shear
          factorsInRange = false;
        }
      }
    }
    r.b = NonNegativeFinite(std::max(omega, 0.0f) * fa);
  } else {
    r.b = NonNegativeFinite(fa);
  }
  if (!factorsInRange) NoteUnusableInput(units, caseState, RuleNote::kWeakRockFactors, layerNo, z);

  r.f = RockSideResistance(step.KSOIL, r.c, r.b, step.TRANLM, loading);
  return r;
}

}  // namespace tvx
