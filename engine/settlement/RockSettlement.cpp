#include "RockSettlement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "Constants.h"
#include "Format.h"
#include "MessageBanners.h"
#include "RockRules.h"
#include "RockSocketTables.h"
#include "SoilProfile.h"
#include "Constants.h"
#include "WeakRockSocket.h"
#include "WeakRockTables.h"

namespace tvx {
namespace {

constexpr float kMinDiameter = 0.001f;      // ft; a smaller diameter is missing
constexpr float kSideFullMovement = 0.017f; // ft of head movement that mobilizes the overburden
constexpr float kNoSideChange = 1e-20f;     // tons; a smaller layer side resistance is none
constexpr int kCarryRoundsLimit = 100;      // rounds of the layer carry before the last value holds

// Warnings of the rock-socket curves (run notes). Every text exists here only.
enum class CurveNote : int {
  kNoTipLayer,
  kSocketDiameterZero,
  kShaftDiameterZero,
  kNoSocketLength,
  kNoSocketLayer,
  kRockModulusZero,
  kConcreteModulusZero,
  kWeakRockStrengthZero,
  kWeakRockFactors,
  kElasticSolution,
  kBaseStressZero,
  kCarryNotConverged,
  kNotFinite,
  kCount
};

constexpr const char* kNoCurve = "NO CURVE IS COMPUTED: ITS LOADS AND MOVEMENTS ARE SET TO ZERO.";

struct NoteText {
  const char* line1;
  const char* line2;
};

constexpr std::array<NoteText, static_cast<int>(CurveNote::kCount)> kNoteTexts = {{
    {"THE SHAFT TIP LIES IN NO LAYER OF THE SOIL PROFILE.", kNoCurve},
    {"THE SOCKET DIAMETER OF THE ROCK AT THE TIP IS ZERO.",
     "THE STEM DIAMETER OF THE CASE IS TAKEN AS THE SOCKET DIAMETER."},
    {"THE SHAFT DIAMETER OF THIS CASE IS ZERO.", kNoCurve},
    {"THE ROCK SOCKET HAS NO LENGTH BELOW THE TOP OF THE ROCK.", kNoCurve},
    {"NO WEAK OR STRONG ROCK LAYER REACHES DOWN TO THE SHAFT TIP.", kNoCurve},
    {"THE MODULUS OF THE ROCK OR SOIL AT THE TIP IS ZERO OR OUT OF RANGE.", kNoCurve},
    {"THE ELASTIC MODULUS OF THE SHAFT (Ec) IS ZERO.", kNoCurve},
    {"THE COMPRESSIVE STRENGTH OF THE WEAK ROCK AT THE TIP IS ZERO.",
     "THE SOCKET CARRIES NO LOAD; ONLY THE SIDE RESISTANCE ABOVE THE ROCK IS TAKEN."},
    {"THE SOCKET FACTORS OF THE WEAK ROCK ARE OUT OF RANGE.",
     "THE SIDE OR BASE TERM THAT CANNOT BE FORMED IS TAKEN AS ZERO."},
    {"THE ELASTIC SHAFT SOLUTION HAS NO VALUE FOR THESE INPUTS.", kNoCurve},
    {"THE EFFECTIVE STRESS AT THE TIP IS ZERO.", "THE BASE LOAD IS TAKEN AS ZERO."},
    {"THE LOAD CARRIED UP THROUGH THE SOIL ABOVE THE ROCK DID NOT SETTLE.",
     "THE VALUE OF THE LAST ROUND IS TAKEN."},
    {"THE LOAD-SETTLEMENT CURVE HAS NO FINITE VALUE FOR THESE INPUTS.", kNoCurve},
}};

// The case as the rock methods see it.
struct RockCase {
  SettlementState& state;
  const ProblemRecord& p;
  const CaseHandOver& h;
  SettlementTable& table;
  int T = 0;        // tip layer entry
  float L = 0.0f;   // shaft length, ft
  float zT = 0.0f;  // depth of the tip below the top of the tip layer, ft
  std::array<bool, static_cast<int>(CurveNote::kCount)> noted{};

  RockCase(SettlementState& s)
      : state(s), p(s.problem), h(s.handOver), table(s.settlement.results[1]), T(s.handOver.tipLayer), L(s.handOver.tipDepth) {}

  bool SI() const { return p.IsSI(); }
  const LayerEntry& Layer(int e) const { return p.layer[e]; }
  float AtTip(const EndValues& v) const { return InterpolateInLayer(p.layer[T], v, zT); }

  // Depth Z of the bottom of entry e as the capacity stepping had it: 0 for the ground
  // surface entry, the shaft length for the tip layer.
  float Z(int e) const {
    if (e <= 1) return 0.0f;
    if (e >= T) return L;
    return p.layer[e].XBOTSNAP;
  }
  // Cumulative side resistance at the last step in entry e, tons (0 at the surface).
  float QS(int e) const { return e <= 1 ? 0.0f : h.layerEndSide[e]; }

  void Note(CurveNote note) {
    const int i = static_cast<int>(note);
    if (noted[i]) return;
    noted[i] = true;
    UnitTable& u = state.units;
    u.WriteEmpty(kUnitRunNotes);
    u.Write(kUnitRunNotes, Record().X(5).T(kWarningBanner));
    u.Write(kUnitRunNotes,
            Record().X(5).T("ROCK-SOCKET SETTLEMENT, CASE").I(5, h.caseNumber).T(", LAYER NO").I(3, T - 1));
    u.Write(kUnitRunNotes, Record().X(5).T(kNoteTexts[i].line1));
    u.Write(kUnitRunNotes, Record().X(5).T(kNoteTexts[i].line2));
    u.WriteEmpty(kUnitRunNotes);
  }

  // No curve can be formed: a zero table after the note.
  void Abandon(CurveNote note) {
    Note(note);
    table = SettlementTable{};
  }
};

// The tip layer entry must lie in the profile; the tip depth in it is then known.
bool LocateTip(RockCase& c) {
  const int last = std::min(c.p.NLAYERS, kMaxLayerEntries);
  if (c.T < 2 || c.T > last || !std::isfinite(c.L)) {
    c.Abandon(CurveNote::kNoTipLayer);
    return false;
  }
  c.zT = c.L - c.p.layer[c.T].XTOPSNAP;
  return true;
}

void WriteRockHeading(SettlementState& state) {
  UnitTable& u = state.units;
  u.WriteEmpty(kUnitReport, 2);
  u.Write(kUnitReport, Record().X(15).T("       LOAD SETTLEMENT RELATIONSHIP      "));
  u.Write(kUnitReport, Record().X(15).T(std::string(42, '-')).X(3));
}

// Every rock curve begins the same way: its heading in the report, an empty trend table,
// and the tip located in the profile (false when the curve is abandoned).
bool StartRockCurve(RockCase& c) {
  WriteRockHeading(c.state);
  c.table = SettlementTable{};
  return LocateTip(c);
}

// Movements in output units (inches or metres), loads too in SI (kN), for every point
// whose top movement is above 0; points at 0 stay as they are.
void ConvertToOutputUnits(RockCase& c, bool convertTip) {
  SettlementTable& t = c.table;
  for (int k = 0; k < kSettlementPoints; ++k) {
    if (!(t.TOPMV[k] > 0.0f)) continue;
    if (c.SI()) {
      t.TOPMV[k] /= kFtPerM;
      t.TOPLOAD[k] *= kKnPerTonAsTabulated;
      if (convertTip) {
        t.TIPMV[k] /= kFtPerM;
        t.TIPLOAD[k] *= kKnPerTonAsTabulated;
      }
    } else {
      t.TOPMV[k] *= kInchesPerFoot;
      if (convertTip) t.TIPMV[k] *= kInchesPerFoot;
    }
  }
}

// A table holding anything but finite numbers is dropped with a note.
void KeepFiniteTable(RockCase& c) {
  const SettlementTable& t = c.table;
  for (int k = 0; k < kSettlementPoints; ++k)
    if (!std::isfinite(t.TOPLOAD[k]) || !std::isfinite(t.TOPMV[k]) || !std::isfinite(t.TIPLOAD[k]) ||
        !std::isfinite(t.TIPMV[k])) {
      c.Abandon(CurveNote::kNotFinite);
      return;
    }
}

// Relative socket movements m = w / B of the strong-rock curve.
float StrongRockRelativeMovement(int k) {  // k from 0
  if (k < 12) return 0.00018f * std::pow(1.5f, static_cast<float>(k));
  constexpr std::array<float, 3> kLast = {0.025f, 0.05f, 0.1f};
  return kLast[k - 12];
}

// Movement ratios w / B of the weak-rock socket top.
float WeakRockMovementRatio(int k) {  // k from 0
  if (k < 12) return 0.00009f * std::pow(1.5f, static_cast<float>(k));
  constexpr std::array<float, 3> kLast = {0.0125f, 0.025f, 0.05f};
  return kLast[k - 12];
}

// Load and relative movement at the head after carrying the socket load P up through the
// soil layers above the rock zone (entries above..2), each layer mobilizing its share of
// side resistance from the normalized curves of the pass.
struct Carried {
  float P = 0.0f;
  float m = 0.0f;
};
Carried CarryThroughOverburden(RockCase& c, int above, float P, float m0, float D, float Ec, int pass) {
  Carried out{P, m0};
  const float stiffness = kQuarterPiAsTabulated * Ec * D * D * D;
  float Pb = P;
  float mb = m0;
  for (int j = above; j >= 2; --j) {
    float dQ = c.QS(j) - c.QS(j - 1);
    if (dQ < kNoSideChange) dQ = 0.0f;
    const float tj = c.Z(j) - c.Z(j - 1);
    const SideLoadCurve curve = SideLoadCurveOf(c.Layer(j).KSOIL);
    const float rb = LookupSideLoadRatio(mb, curve, pass);
    float Pt = Pb + dQ * rb;
    float Pn = Pt;
    float mt = mb;
    for (int round = 1;; ++round) {
      mt = mb + Pt * tj / stiffness;
      const float rt = LookupSideLoadRatio(mt, curve, pass);
      Pn = Pb + 0.5f * (rb + rt) * dQ;
      if (dQ == 0.0f || std::fabs(Pn - Pt) <= 0.1f * rb * dQ) break;
      if (round >= kCarryRoundsLimit || !std::isfinite(Pn)) {
        c.Note(CurveNote::kCarryNotConverged);
        break;
      }
      Pt = Pn;
    }
    Pb = Pn;
    mb = mt;
    out = {Pn, mt};
  }
  return out;
}

// The curve of a tip in layer entry T at depth L (ft), Ec the shaft modulus (tsf).
void StrongRockCurve(RockCase& c, const ProblemRecord& /*p*/, int T, float L, float Ec) {
  const float D = c.h.D;

  // The rock zone: the unbroken run of rock layers (types 4 to 7) that ends in the tip
  // layer; `above` is the last entry above it (1 when the rock starts at the surface).
  int nr = 0;
  while (T - nr >= 2 && IsRockLike(c.Layer(T - nr).KSOIL)) ++nr;
  const int above = T - nr;
  const float Zr = c.Z(above);
  const float Ls = L - Zr;
  if (!(Ls > 0.0f)) return c.Abandon(CurveNote::kNoSocketLength);

  // Thickness-weighted averages of RQD and the intact modulus (tsf) over the socket.
  float rqdSum = 0.0f;
  float elSum = 0.0f;
  for (int e = above + 1; e <= T; ++e) {
    const float t = c.Z(e) - c.Z(e - 1);
    rqdSum += 0.5f * (c.Layer(e).RQD.top + c.Layer(e).RQD.bot) * t;
    elSum += 0.5f * (c.Layer(e).EL.top + c.Layer(e).EL.bot) * t;
  }
  const float RQDa = rqdSum / Ls;
  const float Ea = elSum / Ls;
  const float Em = RQDa == 100.0f ? Ea : Ea * LookupRockMassRatio(RQDa);

  float B = c.Layer(T).BDS.top;
  if (!(B >= kMinDiameter) || !std::isfinite(B)) {
    c.Note(CurveNote::kSocketDiameterZero);
    B = D;
  }
  if (!(B >= kMinDiameter) || (T > 2 && !(D >= kMinDiameter))) return c.Abandon(CurveNote::kShaftDiameterZero);
  if (!(Em > 0.0f) || !std::isfinite(Em)) return c.Abandon(CurveNote::kRockModulusZero);
  if (!(Ec > 0.0f)) return c.Abandon(CurveNote::kConcreteModulusZero);

  const float I = LookupInfluenceFactor(Ls / B, Ec / Em);
  const float Qr = c.QS(T) - c.QS(above) + c.h.QB;  // load the rock zone can carry, tons
  const float QSa = c.QS(above);                    // side resistance of the overburden, tons
  const float AE = kQuarterPiAsTabulated * Ec * B * B;
  const float B2Em = B * B * Em;
  const float mFull = Qr * I / B2Em;  // relative movement at which the socket carries Qr

  SettlementTable& t = c.table;
  for (int pass = 1; pass <= 2; ++pass) {
    for (int k = 0; k < kSettlementPoints; ++k) {
      const float m = std::min(StrongRockRelativeMovement(k), mFull);
      const float P = B2Em * m / I;
      const float wr = P * Zr / AE + Ls * P / AE + m * B;  // movement at the rock top, ft
      // Overburden side resistance mobilized by the head movement of pass 1 (0 in pass 1).
      const float S = QSa * std::min(1.0f, t.TOPMV[k] / kSideFullMovement);
      t.TOPLOAD[k] = S + P;
      t.TOPMV[k] = wr;
      if (pass == 2) {
        t.TIPLOAD[k] = S + P;
        t.TIPMV[k] = wr;
      }
      if (T == 2) continue;  // the rock starts at the surface: nothing above to carry
      const float m0 = wr / D;
      const Carried head = CarryThroughOverburden(c, above, P, m0, D, Ec, pass);
      const float headMove = wr * B / D + (head.m - m0) * D;
      if (pass == 1) {
        t.TOPLOAD[k] = head.P;
        t.TOPMV[k] = headMove;
      } else {
        t.TIPLOAD[k] = head.P;
        t.TIPMV[k] = headMove;
      }
    }
  }
  ConvertToOutputUnits(c, true);
  KeepFiniteTable(c);
}

// The curve of a tip in layer entry T at depth L (ft), Ec the shaft modulus (tsf).
void WeakRockCurve(RockCase& c, const ProblemRecord& p, int T, float L, float Ec) {

  // The socket that reaches the tip, and the socket length.
  const RockSocket socket = FindRockSocket(p, std::min(p.NLAYERS, kMaxLayerEntries), L);
  if (socket.entry == 0) return c.Abandon(CurveNote::kNoSocketLayer);
  const float zr = socket.zr;
  float Lc = std::max(c.Layer(socket.entry).BDS.bot, L - zr);
  if (Lc < 0.0f) Lc = 1.0f;
  if (!(Lc > 0.0f)) return c.Abandon(CurveNote::kNoSocketLength);

  const LayerEntry& tip = c.Layer(T);
  const float slump = SlumpInInches(p, c.AtTip(tip.SLUMP));
  const float RQD = c.AtTip(tip.RQD);
  const float qu = c.AtTip(tip.QUR);
  const float Ei = c.AtTip(tip.EL);
  const float phiRc = InterfaceAngle(c.AtTip(tip.PHIRC));
  float B = c.AtTip(tip.BDS);
  if (!(B >= kMinDiameter) || !std::isfinite(B)) {
    c.Note(CurveNote::kSocketDiameterZero);
    B = c.h.D;
  }
  if (!(B >= kMinDiameter)) return c.Abandon(CurveNote::kShaftDiameterZero);
  const int ICOND = tip.ICOND;
  const bool rough = IsRoughInterface(ICOND);

  // The fluid concrete at the socket's mid-depth, and the maximum side shear (psf).
  const float zc = std::clamp(L - Lc / 2.0f, 0.0f, kMaxConcreteHeadFt);
  const float sigmaN = FluidConcreteStress(slump, zc);
  const float alpha = LookupAdhesionFactor(sigmaN / kAtmospherePsf, qu);
  const float ratio = LookupModulusRatio(RQD, ICOND);
  float fa = MaximumSideShear(rough, qu, alpha, phiRc, ratio);
  const float Em = Ei * ratio;  // tsf
  const float EmPsf = kPsfPerTsf * Em;
  if (!(Em > 0.0f) || !std::isfinite(Em)) return c.Abandon(CurveNote::kRockModulusZero);
  if (!(Ec > 0.0f)) return c.Abandon(CurveNote::kConcreteModulusZero);
  const bool strength = qu > 0.0f;
  if (!strength) {
    c.Note(CurveNote::kWeakRockStrengthZero);
    fa = 0.0f;
  }
  const float n = !strength ? 0.0f : rough ? sigmaN / qu : LookupFactorN(EmPsf / sigmaN, qu / kAtmospherePsf);

  const SocketFactors factors = ComputeSocketFactors(Lc, B, Ec, Em);
  const TipFactor tipFactor = ComputeTipFactor(factors, Lc, B, Em);
  if (!tipFactor.defined && strength) c.Note(CurveNote::kWeakRockFactors);

  SettlementTable& t = c.table;
  const float sideCap = kLbPerTon * c.QS(T);
  for (int k = 0; k < kSettlementPoints; ++k) {
    const float wt = WeakRockMovementRatio(k) * B;  // socket-top movement, ft
    t.TOPMV[k] = wt;
    float fr = 0.0f;  // mobilized side shear, psf
    if (factors.gamma1 > 0.0f && fa > 0.0f) {
      bool defined = true;
      fr = MobilizedShearShare(SideShearRatio(factors, EmPsf, wt, Lc, fa), n, defined) * fa;
      if (!defined) c.Note(CurveNote::kWeakRockFactors);
    }
    const float Qb = std::max(0.0f, WeakRockBaseLoad(B, qu, tipFactor, wt));                         // lb
    const float Qs = std::min(sideCap, kLbPerTon * c.state.capacity.QSW + kPiAsTabulated * B * Lc * fr);  // lb
    t.TOPLOAD[k] = (Qs + Qb) / kLbPerTon;
    t.TIPLOAD[k] = 0.0f;
    t.TIPMV[k] = 0.0f;
  }

  // Movement at the head: the socket-top movement plus the elastic shortening of the shaft
  // above the socket, inches from the load in tons: (L - Lc) 12 x 2000 P / (Ec (psi) 0.7854
  // (12 B)^2).
  const float EcPsi = Ec * kPsfPerTsf / kPsfPerPsi;
  for (int k = 0; k < kSettlementPoints; ++k) {
    if (!(t.TOPMV[k] > 0.0f)) continue;
    const float delta = (L - Lc) * (kInchesPerFoot * kLbPerTon) * t.TOPLOAD[k] /
                        (EcPsi * (kQuarterPiAsTabulated * kPsfPerPsi) * B * B);
    if (c.SI()) {
      t.TOPMV[k] = t.TOPMV[k] / kFtPerM + kMetresPerInch * delta;
      t.TOPLOAD[k] *= kKnPerTonAsTabulated;
    } else {
      t.TOPMV[k] = kInchesPerFoot * t.TOPMV[k] + delta;
    }
  }
  KeepFiniteTable(c);
}

// The curve of a tip in layer entry T at depth L (ft), Ec the shaft modulus (tsf).
void DecomposedRockCurve(RockCase& c, const ProblemRecord& p, int T, float L, float Ec) {
  const LayerEntry& tip = c.Layer(T);

  // Effective vertical stress at the middle of the tip layer (psf).
  float sigma = MidLayerEffectiveStress(p, T);

  const float N = std::max(c.AtTip(tip.BLOWS), 0.0f);
  const float B = c.AtTip(tip.BDS);
  if (L + 2.0f * B > c.h.zLast) sigma = c.h.sigmaLast;  // the stepping's last stress holds

  float Ls = L - (T > 2 ? c.Layer(T - 1).XTOPSNAP : 0.0f);
  if (Ls < 0.0001f) Ls = tip.XBOTSNAP;
  const float Bt = B < kMinDiameter ? p.DSTART : B;
  if (!(Bt >= kMinDiameter) || !std::isfinite(Bt)) return c.Abandon(CurveNote::kShaftDiameterZero);
  const float eta = Ls / Bt;

  // Soil modulus E (psf) at the tip and the ratio rho of the modulus at mid-depth to the
  // modulus at the base. A given modulus EL is held in tsf and enters as 2000 EL psf.
  float E = 0.0f;
  float rho = 0.0f;
  if (tip.EL.bot > 0.001f) {
    E = kPsfPerTsf * c.AtTip(tip.EL);
    rho = (tip.EL.top + tip.EL.bot) / (2.0f * tip.EL.bot);
  } else {
    E = 22.0f * kAtmospherePsf * std::pow(N, 0.82f);  // 22 pa N^0.82
    rho = tip.BLOWS.top / tip.BLOWS.bot;
  }
  if (!(E > 0.0f) || !std::isfinite(E)) return c.Abandon(CurveNote::kRockModulusZero);
  if (!(Ec > 0.0f)) return c.Abandon(CurveNote::kConcreteModulusZero);

  // lambda = Ec / G with Ec in psf and the shear modulus G = E / 2.6.
  const float lambda = 2.6f * kPsfPerTsf * Ec / E;
  const float zetaArg = 2.0f * eta * (0.25f + 2.5f * (1.5f * rho - 0.25f));
  if (!(zetaArg > 1.0f) || !std::isfinite(zetaArg)) return c.Abandon(CurveNote::kElasticSolution);
  const float zeta = std::log(zetaArg);
  const float muL = 2.0f * eta * std::sqrt(2.0f / (zeta * lambda));
  if (!(muL > 0.0f) || !std::isfinite(muL)) return c.Abandon(CurveNote::kElasticSolution);
  const float tau = std::tanh(muL);
  const float K = 5.6f * (1.0f + 8.0f * eta * tau / (1.5f * kPiAsTabulated * lambda * muL)) /
                  (80.0f / 3.0f + 4.0f * kPiAsTabulated * rho * eta * tau / (zeta * muL));
  const float share = 1.0f - K / (2.1f * std::cosh(muL));
  if (!(share > 0.0f) || !std::isfinite(share)) return c.Abandon(CurveNote::kElasticSolution);

  const float Qs = kLbPerTon * c.QS(T);  // lb
  const float Qt = Qs / share;          // head load at full side mobilization, lb
  const float wt = K * Qt / (E * Bt);   // its movement, ft
  SettlementTable& t = c.table;
  for (int k = 1; k <= 10; ++k) {
    t.TOPMV[k - 1] = static_cast<float>(k) * wt / 10.0f;
    t.TOPLOAD[k - 1] = static_cast<float>(k) * Qt / 10.0f / kLbPerTon;
  }

  float Qb = 0.0f;  // base load, lb
  if (sigma > 0.0f && std::isfinite(sigma))
    Qb = DecomposedRockBaseLoad(N, sigma, Bt);
  else
    c.Note(CurveNote::kBaseStressZero);
  const float dQ = Qs + Qb - Qt;
  const float dw = 0.84f * dQ / Bt / (0.4f * E);
  for (int i = 1; i <= 4; ++i) {
    t.TOPMV[9 + i] = wt + static_cast<float>(i) * dw / 4.0f;
    t.TOPLOAD[9 + i] = (Qt + static_cast<float>(i) * dQ / 4.0f) / kLbPerTon;
  }
  t.TOPMV[14] = 1.2f * (wt + dw);
  t.TOPLOAD[14] = t.TOPLOAD[13];
  for (int k = 0; k < kSettlementPoints; ++k) {
    t.TIPLOAD[k] = 0.0f;
    t.TIPMV[k] = 0.0f;
  }
  ConvertToOutputUnits(c, false);
  KeepFiniteTable(c);
}

using RockCurve = void (*)(RockCase& c, const ProblemRecord& p, int T, float L, float Ec);

// One method on the case of the state, once its heading is written, its trend table emptied
// and its tip located.
void RunRockCurve(SettlementState& state, RockCurve curve) {
  RockCase c(state);
  if (StartRockCurve(c)) curve(c, c.p, c.T, c.L, c.p.Ec);
}

// The report table of the trend curve: top load and top movement of the 15 points.
void WriteRockSettlementTable(SettlementState& state) {
  UnitTable& u = state.units;
  const SettlementTable& t = state.settlement.results[1];
  u.WriteEmpty(kUnitReport);
  if (state.problem.IsSI()) {
    u.Write(kUnitReport, Record().X(22).T("TOP  LOAD     TOP MOVEMENT        "));
    u.Write(kUnitReport, Record().X(22).T("   kN              M             "));
  } else {
    u.Write(kUnitReport, Record().X(22).T("TOP  LOAD     TOP MOVEMENT     "));
    u.Write(kUnitReport, Record().X(22).T("   TONS             IN.       "));
  }
  for (int k = 0; k < kSettlementPoints; ++k)
    u.Write(kUnitReport, Record().X(13).E(17, 4, t.TOPLOAD[k]).E(17, 4, t.TOPMV[k]));
}

void ComputeStrongRockSettlement(SettlementState& state) { RunRockCurve(state, StrongRockCurve); }
void ComputeWeakRockSettlement(SettlementState& state) { RunRockCurve(state, WeakRockCurve); }
void ComputeDecomposedRockSettlement(SettlementState& state) { RunRockCurve(state, DecomposedRockCurve); }

}  // namespace

bool SettleRockTip(SettlementState& state) {
  const ProblemRecord& p = state.problem;
  const CaseHandOver& h = state.handOver;
  const int last = std::min(p.NLAYERS, kMaxLayerEntries);
  if (h.tipLayer < 2 || h.tipLayer > last) return false;
  switch (p.layer[h.tipLayer].KSOIL) {
    case kStrongRock:
    case kStrongRockBoth:
      ComputeStrongRockSettlement(state);
      break;
    case kDecomposedRock:
      ComputeDecomposedRockSettlement(state);
      break;
    case kWeakRock:
      ComputeWeakRockSettlement(state);
      break;
    default:
      return false;
  }
  // A rock-tip case solves no defined settlement: its chart loads stay 0, but its length
  // and diameter label the chart's rows and columns like those of any other case.
  ChartStore& chart = state.settlement.chart;
  if (p.ICHART == 1 && h.lengthIndex >= 1 && h.lengthIndex <= kMaxRunLengths && h.diameterIndex >= 1 &&
      h.diameterIndex <= kMaxRunDiameters) {
    chart.lengthIn[h.lengthIndex] = kInchesPerFoot * h.tipDepth;
    chart.diameterIn[h.diameterIndex] = kInchesPerFoot * h.D;
    for (float& load : chart.load[h.lengthIndex][h.diameterIndex]) load = 0.0f;
  }
  if (state.settlement.KBOUND <= 1) WriteRockSettlementTable(state);
  return true;
}

void WriteRockStrengthNote(SettlementState& state) {
  const ProblemRecord& p = state.problem;
  const int last = std::min(p.NLAYERS, kMaxLayerEntries);
  if (last < 2 || p.layer[last].KSOIL != kShale) return;
  const float quPsi = state.capacity.anyRockStep ? state.capacity.lastRockQu / kPsfPerPsi : 0.0f;
  if (!(quPsi < 1000.0f)) return;
  UnitTable& u = state.units;
  u.WriteEmpty(kUnitReport, 2);
  const std::string rule(60, '-');
  for (const std::string& line : {std::string("ROCK WITH COMPRESSIVE STRENGTH LESS THAN 1000 PSI (6894 kPA)"), rule,
                           std::string("IF THE SETTLEMENT IS LESS THAN 0.4 IN. (10 mm), THE LOAD IS"),
                           std::string("CARRIED ENTIRELY IN SIDE RESISTANCE.  IF THE SETTLEMENT IS"),
                           std::string("GREATER THAN 0.4 IN. (10 MM), THE LOAD IS CARRIED ENTIRELY"),
                           std::string("IN END BEARING.")})
    u.Write(kUnitReport, line);
}

}  // namespace tvx
