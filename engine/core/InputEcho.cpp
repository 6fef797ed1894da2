#include "InputEcho.h"

#include <initializer_list>
#include <string>

#include "Format.h"
#include "UnitTable.h"
#include "Constants.h"

namespace tvx {
namespace {

constexpr int kTitleWidth = 72;
constexpr int kSoilLabelWidth = 50;  // value labels of soil layers, before the "="
constexpr int kRockLabelWidth = 51;  // value labels of rock layers
constexpr float kHighStrengthRatio = 2.5f;  // CU / atmosphere from which clay criteria may not fit
constexpr float kGravelBlowsHigh = 50.0f;
constexpr float kGravelBlowsLow = 25.0f;

const char* const kMark = "  (*)";

// A label in English and in SI.
struct Label {
  const char* en;
  const char* si;
  const char* For(bool si) const { return si ? this->si : en; }
};

// Soil value labels.
const Label kKoLabel{"LATERAL EARTH-PRESSURE COEFFICIENT - Ko", "LATERAL EARTH-PRESSURE COEFFICIENT - Ko"};
const Label kBetaLabel{"SKIN FRICTION COEFFICIENT- BETA", "SKIN FRICTION COEFFICIENT- BETA"};
const Label kKcmLabel{"PRECONSOLIDATION STRESS EXPONENT - M", "PRECONSOLIDATION STRESS EXPONENT - M"};
const Label kPhiLabel{"INTERNAL FRICTION ANGLE, DEG.", "INTERNAL FRICTION ANGLE, DEG."};
const Label kBlowsLabel{"BLOWS PER FOOT FROM STANDARD PENETRATION TEST", "BLOWS PER FOOT FROM STANDARD PENETRATION TEST"};
const Label kUnitWeightLabel{"SOIL UNIT WEIGHT, LB/CU FT", "SOIL UNIT WEIGHT, KN/CU M"};
const Label kLoadTransferLabel{"MAXIMUM LOAD TRANSFER FOR SOIL, LB/SQ FT", "MAXIMUM LOAD TRANSFER FOR SOIL, KN/SQ M"};
const Label kDepthLabel{"DEPTH, FT", "DEPTH, M"};
const Label kAlphaLabel{"STRENGTH REDUCTION FACTOR-ALPHA", "STRENGTH REDUCTION FACTOR-ALPHA"};
const Label kNcLabel{"END BEARING COEFFICIENT-Nc", "END BEARING COEFFICIENT-Nc"};
const Label kCuLabel{"UNDRAINED SHEAR STRENGTH, LB/SQ FT", "UNDRAINED SHEAR STRENGTH, KN/SQ M"};
const Label kGravelModulusLabel{"ELASTIC MODULUS OF GRAVEL, LB/SQ IN", "ELASTIC MODULUS OF GRAVEL, KN/SQ M"};
const Label kPoissonLabel{"POISSION RATIO OF GRAVEL", "POISSION RATIO OF GRAVEL"};
const Label kLrfdSideLabel{"LRFD RESISTANCE FACTOR (SIDE FRICTION)", "LRFD RESISTANCE FACTOR (SIDE FRICTION)"};
const Label kLrfdTipLabel{"LRFD RESISTANCE FACTOR (TIP RESISTANCE)", "LRFD RESISTANCE FACTOR (TIP RESISTANCE)"};

// Rock value labels.
const Label kStrongSocketLabel{"DIAMETER OF SOCKET, FT", "DIAMETER OF SOCKET,M"};
const Label kSpacingLabel{"SPACING OF DISCONTINUITIES,FT", "SPACING OF DISCONTINUITIES,M"};
const Label kThicknessLabel{"THICKNESS OF INDIVIDUAL DISCONTINUITIES,FT", "THICKNESS OF INDIVIDUAL DISCONTINUITIES,M"};
const Label kRockStrengthLabel{"UNIAXIAL COMPRESSION STRENGTH OF ROCK,LB/SQ FT",
                               "UNIAXIAL COMPRESSION STRENGTH OF ROCK,KN/SQ M"};
const Label kConcreteStrengthLabel{"UNIAXIAL COMPRESSION STRENGTH OF CONCRETE,LB/SQ FT",
                                   "UNIAXIAL COMPRESSION STRENGTH OF CONCRETE,KN/SQ M"};
const Label kRockModulusLabel{"ELASTIC MODULUS FOR THE INTACT ROCK, LB/SQ IN.",
                              "ELASTIC MODULUS FOR THE INTACT ROCK, KN/SQ M"};
const Label kRqdLabel{"ROCK QUALITY DESIGNATION (RQD) %", "ROCK QUALITY DESIGNATION (RQD) %"};
const Label kWeakSocketLabel{"DIAMETER OF SOCKET, FT", "DIAMETER OF SOCKET, M"};
const Label kSlumpLabel{"SLUMP OF CONCRETE, IN", "SLUMP OF CONCRETE, M"};
const Label kInterfaceAngleLabel{"ANGLE OF INTERFACE FRICTION, DEG.", "ANGLE OF INTERFACE FRICTION, DEG."};

// Side friction procedure lines.
const char* const kKoMethodLine = "SIDE FRICTION PROCEDURE: Ko METHOD";
const char* const kBetaMethodLine = "SIDE FRICTION PROCEDURE, BETA METHOD";
const char* const kKulhawyChenMethodLine = "SIDE FRICTION PROCEDURE, KULHAWY AND CHEN METHOD";

const char* TypeText(int ksoil) {
  switch (ksoil) {
    case kSand: return "----SAND";
    case kClay: return "----CLAY";
    case kShale: return "----CLAY SHALE";
    case kStrongRock:
    case kStrongRockBoth: return "----STRONG ROCK";
    case kDecomposedRock: return "----DECOMPOSED ROCK";
    case kWeakRock: return "----WEAK ROCK";
    case kGravellySand: return "----GRAVELLEY SAND";
    case kGravel: return "----GRAVEL";
    default: return "";
  }
}

std::string Dashes(int n) { return std::string(n, '-'); }

// Writes the echo of one problem; holds the unit system and the back-conversions.
class Echo {
 public:
  explicit Echo(CapacityState& state) : fState(state), fP(state.problem), fSI(state.problem.IsSI()) {}

  void Line(const std::string& text) { fState.units.Write(kUnitReport, text); }
  void Empty(int n = 1) { fState.units.WriteEmpty(kUnitReport, n); }

  // Report values back in the problem's units.
  float Length(float ft) const { return fSI ? ft / kFtPerM : ft; }
  float UnitWeight(float pcf) const { return fSI ? pcf / kPcfPerKnPerM3 : pcf; }
  float Stress(float psf) const { return fSI ? psf / kPsfPerKpa : psf; }

  // 7X, the label padded to its width, "=", E10.3 and, when asked, the estimate mark.
  void Value(const Label& label, int width, float v) {
    Line(Record().X(7).T(Padded(label.For(fSI), width)).E(10, 3, v));
  }
  void Value(const Label& label, int width, float v, bool marked) {
    Line(Record().X(7).T(Padded(label.For(fSI), width)).E(10, 3, v).A(5, marked ? kMark : ""));
  }
  void Text7(const std::string& text) { Line(Record().X(7).T(text)); }

  const ProblemRecord& P() const { return fP; }
  bool SI() const { return fSI; }

 private:
  static std::string Padded(const std::string& label, int width) {
    std::string s = label;
    if (static_cast<int>(s.size()) < width) s.append(width - s.size(), ' ');
    return s + "=";
  }

  CapacityState& fState;
  const ProblemRecord& fP;
  bool fSI;
};

// The value or mark at the layer top (top) or bottom.
float At(const EndValues& v, bool top) { return top ? v.top : v.bot; }
bool At(const EndMarks& m, bool top) { return top ? m.top : m.bot; }

// One value line of a layer's echo: the label, the parameter, the parameter's estimate marks
// (a marked line carries five more columns, blank when the value was given) and the
// conversion back to the problem's units. Rock inputs print as entered: they are converted
// after the echo.
enum class Back { kAsHeld, kUnitWeight, kStress };
struct EchoItem {
  const Label* label;
  EndValues LayerEntry::*value;
  EndMarks LayerEntry::*mark = nullptr;
  Back back = Back::kAsHeld;
};

const EchoItem kBlowsItem{&kBlowsLabel, &LayerEntry::BLOWS};
const EchoItem kUnitWeightItem{&kUnitWeightLabel, &LayerEntry::GAMMA, nullptr, Back::kUnitWeight};
const EchoItem kLoadTransferItem{&kLoadTransferLabel, &LayerEntry::TRANLM, nullptr, Back::kStress};
const EchoItem kRockStrengthItem{&kRockStrengthLabel, &LayerEntry::QUR};
const EchoItem kRockModulusItem{&kRockModulusLabel, &LayerEntry::EL};
const EchoItem kRqdItem{&kRqdLabel, &LayerEntry::RQD};

// The value lines at the layer top (top) or bottom, then the depth line and `gap` empty lines.
void Values(Echo& e, const LayerEntry& L, bool top, int width, std::initializer_list<EchoItem> items, int gap) {
  for (const EchoItem& item : items) {
    float v = At(L.*item.value, top);
    if (item.back == Back::kUnitWeight) v = e.UnitWeight(v);
    if (item.back == Back::kStress) v = e.Stress(v);
    if (item.mark)
      e.Value(*item.label, width, v, At(L.*item.mark, top));
    else
      e.Value(*item.label, width, v);
  }
  e.Value(kDepthLabel, width, e.Length(top ? L.XTOP : L.XBOT));
  e.Empty(gap);
}

// The side friction procedure of a sand layer and the value line of its coefficient.
EchoItem SandMethodItem(Echo& e, const LayerEntry& L) {
  switch (L.sandMethod) {
    case kKoMethod:
      e.Text7(kKoMethodLine);
      return {&kKoLabel, &LayerEntry::COEF};
    case kBetaMethod:
      e.Text7(kBetaMethodLine);
      return {&kBetaLabel, &LayerEntry::BETA, &LayerEntry::markBETA};
    default:
      e.Text7(kKulhawyChenMethodLine);
      return {&kKcmLabel, &LayerEntry::KCM, &LayerEntry::markKCM};
  }
}

void EndValuesOf(Echo& e, const LayerEntry& L, bool top) {
  const int soil = kSoilLabelWidth;
  const int rock = kRockLabelWidth;
  switch (L.KSOIL) {
    case kSand:
      Values(e, L, top, soil,
             {SandMethodItem(e, L), {&kPhiLabel, &LayerEntry::PHI, &LayerEntry::markPHI}, kBlowsItem, kUnitWeightItem,
              kLoadTransferItem},
             1);
      break;
    case kClay:
    case kShale:
      Values(e, L, top, soil,
             {{&kAlphaLabel, &LayerEntry::ALPHA, &LayerEntry::markALPHA}, {&kNcLabel, &LayerEntry::NC, &LayerEntry::markNC},
              {&kCuLabel, &LayerEntry::CU, nullptr, Back::kStress}, kBlowsItem, kUnitWeightItem, kLoadTransferItem},
             2);
      break;
    case kStrongRock:
    case kStrongRockBoth:
      Values(e, L, top, rock,
             {{&kStrongSocketLabel, &LayerEntry::BDS}, {&kSpacingLabel, &LayerEntry::CS},
              {&kThicknessLabel, &LayerEntry::DISCT}, kRockStrengthItem, {&kConcreteStrengthLabel, &LayerEntry::QUCON},
              kRockModulusItem, kRqdItem},
             2);
      break;
    case kWeakRock:
      Values(e, L, top, rock,
             {{&kWeakSocketLabel, &LayerEntry::BDS}, {&kSlumpLabel, &LayerEntry::SLUMP},
              {&kInterfaceAngleLabel, &LayerEntry::PHIRC}, kRockStrengthItem, kRockModulusItem, kRqdItem},
             2);
      break;
    case kDecomposedRock:
      Values(e, L, top, soil,
             {{&kGravelModulusLabel, &LayerEntry::EL}, {&kPoissonLabel, &LayerEntry::POISSON}, kBlowsItem,
              kUnitWeightItem, kLoadTransferItem},
             2);
      break;
    default:
      e.Text7(kBetaMethodLine);
      Values(e, L, top, soil,
             {{&kBetaLabel, &LayerEntry::BETA, &LayerEntry::markBETA}, kBlowsItem, kUnitWeightItem, kLoadTransferItem}, 2);
      break;
  }
}

void BlowCountLines(Echo& e, const LayerEntry& L) {
  e.Line(Record().X(7).X(13).T("BLOWS PER FOOT IS = ").F(8, 2, L.BLOWS.top).T(" AT TOP"));
  e.Line(Record().X(7).X(13).T("BLOWS PER FOOT IS = ").F(8, 2, L.BLOWS.bot).T(" AT BOTTOM"));
}

void LayerWarnings(Echo& e, const LayerEntry& L) {
  if (IsCohesive(L.KSOIL)) {
    if (L.CU.top / kAtmospherePsfClay >= kHighStrengthRatio || L.CU.bot / kAtmospherePsfClay >= kHighStrengthRatio) {
      e.Text7("..........WARNING..........");
      e.Text7("THE SHEAR STRENGTH OF THIS MATERIAL MAY BE TOO HIGH");
      e.Text7("FOR USING CLAY CRITERIA. DESIGN AS INTERMEDIATE");
      e.Text7("GEOMATERIAL IS RECOMMENDED.");
      e.Empty(2);
    }
  }
  if (L.KSOIL == kGravellySand || L.KSOIL == kGravel) {
    if (L.BLOWS.top > kGravelBlowsHigh || L.BLOWS.bot > kGravelBlowsHigh) {
      e.Line("                     WARNING MESSAGE                ");
      BlowCountLines(e, L);
      e.Text7("UNIT TIP RESISTANCE IS LIMITED TO 30 TSF IF SPT-N IS OVER 50");
      e.Text7("LOADING TEST IS RECOMMENDED FOR USING HIGHER VALUE.");
      e.Empty(2);
    }
    if (L.BLOWS.top <= kGravelBlowsLow || L.BLOWS.bot <= kGravelBlowsLow) {
      e.Text7("*****************WARNING*********************");
      BlowCountLines(e, L);
      e.Text7("Blow counts should be greater than 25 for this criterion.");
      e.Text7("Select other soil criteria and do not use this output data.");
      e.Empty(2);
    }
  }
}

// 1X 5X, the label, F9.3 2X and the unit: the shaft, length-range and chart input lines.
void InputLine(Echo& e, const char* label, float v, const char* unit) {
  e.Line(Record().X(1).X(5).T(label).F(9, 3, v).X(2).T(unit));
}

void LengthRangeLines(Echo& e) {
  const ProblemRecord& p = e.P();
  const char* ft = e.SI() ? "M" : "FT.";
  InputLine(e, "MAXIMUM SHAFT LENGTH      =", e.Length(p.DGH), ft);
  InputLine(e, "MINIMUM SHAFT LENGTH      =", e.Length(p.PDMIN), ft);
  InputLine(e, "SHAFT LENGTH INCREMENT    =", e.Length(p.PDINCR), ft);
}

}  // namespace

void WriteTitle(CapacityState& state) {
  state.units.Write(kUnitReport, Record().X(5).T(FixedWidth(state.problem.TITLE, kTitleWidth)));
}

void WriteControlEcho(CapacityState& state) {
  const ProblemRecord& p = state.problem;
  const bool si = p.IsSI();
  for (int unit : {kUnitReport, kUnitConsole}) {
    UnitTable& u = state.units;
    u.WriteEmpty(unit, 2);
    if (p.METHOD == 1) {
      u.Write(unit, Record().X(5).T("TOTAL LOAD =").F(10, 1, p.P).T(si ? " KN" : " TONS"));
      u.Write(unit, Record().X(5).T(Dashes(12)));
    } else {
      u.Write(unit, Record().X(5).T("PROPOSED DEPTH =").F(10, 1, p.DGH).T(si ? " M" : " FT"));
      u.Write(unit, Record().X(5).T(Dashes(16)));
    }
    u.WriteEmpty(unit, 2);
    if (p.KCYCL == 2) {
      u.Write(unit, Record().X(5).T("REDUCTION FACTOR APPLIED FOR UPLIFT FRICTION =").F(6, 3, p.RCYCL));
      u.Write(unit, Record().X(5).T(Dashes(46)));
      u.WriteEmpty(unit, 2);
    }
    u.Write(unit, Record().X(5).T("NUMBER OF LAYERS =").I(5, p.LayerCount()));
    u.Write(unit, Record().X(5).T(Dashes(18)));
    u.WriteEmpty(unit, 2);
    u.Write(unit, Record().X(5).T("WATER TABLE DEPTH =").F(10, 1, p.WTD).T(si ? " M" : " FT."));
    u.Write(unit, Record().X(5).T(Dashes(19)));
    u.WriteEmpty(unit, 2);
  }
}

void WriteSafetyFactors(CapacityState& state) {
  Echo e(state);
  e.Empty();
  e.Line(Record().X(5).T("FACTOR OF SAFETY APPLIED TO THE ULTIMATE SIDE FRICTION CAPACITY =").F(5, 2, e.P().FST));
  e.Line(Record().X(5).T(Dashes(55)));
  e.Line(Record().X(5).T("FACTOR OF SAFETY APPLIED TO THE ULTIMATE BASE CAPACITY =").F(5, 2, e.P().FSB));
  e.Line(Record().X(5).T(Dashes(54)));
}

void WriteSoilInformationHeading(CapacityState& state) {
  Echo e(state);
  e.Empty(2);
  e.Line(Record().X(5).T("SOIL INFORMATION"));
  e.Line(Record().X(5).T(Dashes(15)));
  e.Empty();
}

void WriteLayerBlock(CapacityState& state, int entry) {
  Echo e(state);
  const LayerEntry& L = state.problem.layer[entry];
  const bool soil = L.KSOIL == kSand || L.KSOIL == kClay || L.KSOIL == kShale;
  e.Line(Record().X(soil ? 5 : 4).T("LAYER NO").I(3, entry - 1).T(TypeText(L.KSOIL)));
  e.Empty(2);
  e.Text7("AT THE TOP");
  e.Empty();
  EndValuesOf(e, L, true);
  e.Text7("AT THE BOTTOM");
  e.Empty();
  EndValuesOf(e, L, false);
  if (state.problem.NLRFD == 1) {
    e.Value(kLrfdSideLabel, kSoilLabelWidth, L.FLRFDS);
    e.Value(kLrfdTipLabel, kSoilLabelWidth, L.FLRFDB);
    e.Empty(2);
  }
  LayerWarnings(e, L);
}

void WriteEstimateNote(CapacityState& state) {
  Echo e(state);
  e.Line(Record().X(5).T("(*) ESTIMATED BY THE PROGRAM BASED ON OTHER PARAMETERS"));
  e.Empty();
}

void WriteShaftInformation(CapacityState& state) {
  Echo e(state);
  const ProblemRecord& p = state.problem;
  const char* ft = e.SI() ? "M" : "FT.";
  e.Empty(2);
  e.Line(Record().X(5).T("INPUT DRILLED SHAFT INFORMATION"));
  e.Line(Record().X(5).T(Dashes(30)));
  e.Empty();
  InputLine(e, "MINIMUM SHAFT DIAMETER    =", e.Length(p.DSTART), ft);
  InputLine(e, "MAXIMUM SHAFT DIAMETER    =", e.Length(p.DIALIM), ft);
  InputLine(e, "RATIO BASE/SHAFT DIAMETER =", p.RATIO, ft);
  InputLine(e, "ANGLE OF BELL             =", p.BELANGL, "DEG.");
  InputLine(e, "IGNORED TOP PORTION       =", e.Length(p.TOPLENG), ft);
  InputLine(e, "IGNORED BOTTOM PORTION    =", e.Length(p.BS), ft);
  e.Line(Record().X(1).X(5).T("ELASTIC MODULUS, Ec       =").E(10, 3, p.EcInput).X(1).T(e.SI() ? "KN/SQ M" : "LB/SQ IN"));
  e.Empty(2);
}

void WriteVaryLengthInput(CapacityState& state) {
  Echo e(state);
  e.Empty(2);
  e.Line(Record().X(5).T("VARY SHAFT LENGTH FOR INITIAL DIAMETER"));
  e.Line(Record().X(5).T(Dashes(38)));
  e.Empty();
  LengthRangeLines(e);
  e.Empty(2);
}

void WriteChartInput(CapacityState& state) {
  Echo e(state);
  const ProblemRecord& p = state.problem;
  e.Empty(2);
  e.Line(Record().X(5).T("COMPUTATION OF LRFD CHARTS"));
  e.Line(Record().X(5).T(Dashes(26)));
  e.Empty();
  LengthRangeLines(e);
  InputLine(e, "DIAMETER INCREMENT        =", e.Length(p.DIAMINCR), e.SI() ? "M" : "FT.");
  e.Empty(2);
  e.Empty();
  e.Line(Record().X(6).T(e.SI() ? "   POINT    SETTLEMENT VALUES, M" : "   POINT    SETTLEMENT VALUES, IN"));
  for (int k = 1; k <= p.NPOINTPD && k <= kMaxChartSettlements; ++k)
    e.Line(Record().X(7).I(5, k).X(5).F(9, 4, p.PDSETT[k]));
}

}  // namespace tvx
