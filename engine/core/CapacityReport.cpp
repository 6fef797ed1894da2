#include "CapacityReport.h"

#include <initializer_list>
#include <string>

#include "Format.h"
#include "MessageBanners.h"
#include "UnitTable.h"
#include "Constants.h"

namespace tvx {
namespace {

constexpr int kShaftLabelWidth = 26;  // shaft labels before the "="
constexpr int kRockMessageWidth = 80;

const char* const kNeedAnotherLayer = "   *********** NEED ANOTHER SOIL LAYER ************";

std::string Dashes(int n) { return std::string(n, '-'); }

std::string ShaftLabel(const char* text) {
  std::string s = text;
  if (static_cast<int>(s.size()) < kShaftLabelWidth) s.append(kShaftLabelWidth - s.size(), ' ');
  return s + "=";
}

// Values in the problem's units.
struct Out {
  bool si;
  float Length(float ft) const { return si ? ft / kFtPerM : ft; }
  float Force(float tons) const { return si ? tons / kTonsPerKn : tons; }
  float Volume(float cuYd) const { return si ? cuYd / kCuYdPerCuM : cuYd; }
  float ForcePerVolume(float tonsPerCuYd) const { return si ? tonsPerCuYd / kTonsPerCuYdPerKnPerCuM : tonsPerCuYd; }
  const char* LengthUnit() const { return si ? "M" : "FT."; }
};

Out OutOf(const CapacityState& state) { return Out{state.problem.IsSI()}; }

void WriteTo(CapacityState& state, std::initializer_list<int> units, const std::string& line) {
  for (int u : units) state.units.Write(u, line);
}
void EmptyTo(CapacityState& state, std::initializer_list<int> units, int n) {
  for (int u : units) state.units.WriteEmpty(u, n);
}

// 1X 5X, the label, F9.3 2X and the unit.
std::string ShaftLine(const char* label, float v, const char* unit) {
  return Record().X(1).X(5).T(ShaftLabel(label)).F(9, 3, v).X(2).T(unit);
}

void NoteBlock(CapacityState& state, std::initializer_list<std::string> lines) {
  UnitTable& u = state.units;
  u.WriteEmpty(kUnitRunNotes);
  u.Write(kUnitRunNotes, Record().X(5).T(kWarningBanner));
  for (const std::string& line : lines) u.Write(kUnitRunNotes, Record().X(5).T(line));
  u.WriteEmpty(kUnitRunNotes);
}

}  // namespace

void WriteComputationResultsHeading(CapacityState& state) {
  state.units.WriteEmpty(kUnitReport, 4);
  state.units.Write(kUnitReport, Record().X(5).T("COMPUTATION RESULTS"));
  state.units.Write(kUnitReport, Record().X(5).T(Dashes(19)));
}

void WriteCaseHeader(CapacityState& state, const CasePlan& plan) {
  for (int unit : {kUnitReport, kUnitConsole, kUnitRunNotes}) {
    UnitTable& u = state.units;
    u.WriteEmpty(unit, 3);
    u.Write(unit, Record().X(5).T("- CASE ANALYZED      : ").I(5, plan.caseNumber));
    u.Write(unit, Record().X(5).T("  VARIATION LENGTH   : ").I(5, plan.lengthIndex));
    u.Write(unit, Record().X(5).T("  VARIATION DIAMETER : ").I(5, plan.diameterIndex));
  }
}

void WriteCaseShaftInformation(CapacityState& state, const CaseGeometry& g, float caseLength) {
  const ProblemRecord& p = state.problem;
  const Out o = OutOf(state);
  UnitTable& u = state.units;

  // The messages the rules collect for this case.
  u.OpenWrite(kUnitRockMsg, kRockMsgFileName);
  u.WriteEmpty(kUnitRockMsg);

  u.WriteEmpty(kUnitReport, 3);
  u.Write(kUnitReport, Record().X(5).T("DRILLED SHAFT INFORMATION"));
  u.WriteEmpty(kUnitReport);
  u.Write(kUnitReport, Record().X(5).T(Dashes(25)));
  u.WriteEmpty(kUnitReport);
  const char* ft = o.LengthUnit();
  WriteTo(state, {kUnitReport, kUnitRunNotes}, ShaftLine("DIAMETER OF STEM", o.Length(g.D), ft));
  WriteTo(state, {kUnitReport, kUnitRunNotes}, ShaftLine("DIAMETER OF BASE", o.Length(g.Db), ft));
  u.Write(kUnitReport, ShaftLine("END OF STEM TO BASE", o.Length(g.H), ft));
  u.Write(kUnitReport, ShaftLine("ANGLE OF BELL", p.BELANGL, "DEG."));
  u.Write(kUnitReport, ShaftLine("IGNORED TOP PORTION", o.Length(p.TOPLENG), ft));
  u.Write(kUnitReport, ShaftLine("IGNORED BOTTOM PORTION", o.Length(p.BS), ft));
  u.Write(kUnitReport, ShaftLine("AREA OF ONE PERCENT STEEL", o.si ? g.steelArea * kSqMPerSqIn : g.steelArea,
                                 o.si ? "SQ. M" : "SQ.IN."));
  u.Write(kUnitReport, Record()
                           .X(1)
                           .X(5)
                           .T(ShaftLabel("ELASTIC MODULUS, Ec"))
                           .E(10, 3, p.EcInput)
                           .X(1)
                           .T(o.si ? "KN/SQ M" : "LB/SQ IN"));
  u.Write(kUnitReport, ShaftLine("VOLUME OF UNDERREAM", o.Volume(g.Vbell), o.si ? "CU. M" : "CU.YDS."));
  if (p.METHOD == 2)
    WriteTo(state, {kUnitReport, kUnitRunNotes}, ShaftLine("SHAFT LENGTH", o.Length(caseLength), ft));
}

void WriteResultsLegend(CapacityState& state) {
  const bool lrfd = state.problem.NLRFD == 1;
  for (int unit : {kUnitReport, kUnitConsole}) {
    UnitTable& u = state.units;
    u.WriteEmpty(unit, lrfd ? 2 : 3);
    u.Write(unit, Record().X(5).T("PREDICTED RESULTS"));
    u.Write(unit, Record().X(5).T(Dashes(17)));
    u.WriteEmpty(unit);
    const std::initializer_list<const char*> asd = {
        "QS     = ULTIMATE SIDE RESISTANCE;",
        "QB     = ULTIMATE BASE RESISTANCE;",
        "WT     = WEIGHT OF DRILLED SHAFT (FOR UPLIFT CAPACITY ONLY);",
        "QU     = TOTAL ULTIMATE RESISTANCE;",
        "QBD    = TOTAL ALLOWABLE LOAD USING A FACTOR OF SAFETY",
        "         APPLIED TO THE ULTIMATE BASE RESISTANCE;",
        "QDN    = TOTAL ALLOWABLE LOAD USING FACTORS OF SAFETY",
        "         APPLIED TO THE ULTIMATE SIDE RESISTANCE AND",
        "         THE ULTIMATE BASE RESISTANCE."};
    const std::initializer_list<const char*> factored = {
        "QS      = ULTIMATE SIDE RESISTANCE;",
        "QB      = ULTIMATE BASE RESISTANCE;",
        "WT      = WEIGHT OF DRILLED SHAFT (UPLIFT CAPACITY ONLY);",
        "QU      = TOTAL ULTIMATE RESISTANCE;",
        "LRFD QS = TOTAL SIDE FRICTION USING LRFD RESISTANCE FACTOR",
        "          TO THE ULTIMATE SIDE RESISTANCE;",
        "LRFD QB = TOTAL BASE BEARING USING LRFD RESISTANCE FACTOR",
        "          TO THE ULTIMATE BASE RESISTANCE",
        "LRFD QU = TOTAL CAPACITY WITH LRFD RESISTANCE FACTOR."};
    for (const char* line : lrfd ? factored : asd) u.Write(unit, Record().X(5).T(line));
  }
}

void WriteColumnHeadings(CapacityState& state) {
  const ProblemRecord& p = state.problem;
  const bool lrfd = p.NLRFD == 1;
  const bool uplift = p.KCYCL == 2;
  const char* qb = uplift ? "WT" : "QB";
  Record first, second;
  if (!p.IsSI()) {
    first.X(5).T("LENGTH").X(2).T("VOLUME").X(5).T("QS").X(6).T(qb).X(6).T("QU");
    if (!lrfd)
      first.X(7).T("QBD").X(6).T("QDN").X(6).T("QU/VOLUME");
    else if (!uplift)
      first.X(5).T("LRFD QS").X(2).T("LRFD QB").X(3).T("LRFD QU");
    else
      first.X(5).T("LRFD QS").X(6).T("WT").X(3).T("LRFD QU");
    second.X(5).T(" (FT) ").X(2).T("(CU.YDS)").X(1).T("(TONS)").X(3).T("(TONS)").X(2).T("(TONS)").X(3);
    second.T("(TONS)").X(3).T("(TONS)");
    if (!lrfd)
      second.X(2).T("(TONS/CU.YDS)");
    else
      second.X(4).T("(TONS)");
  } else {
    first.X(5).T("LENGTH").X(2).T("VOLUME").X(4).T("QS").X(5).T(qb).X(8).T("QU");
    if (!lrfd)
      first.X(7).T("QBD").X(5).T("QDN").X(5).T("QU/VOLUME");
    else
      first.X(6).T("LRFD QS").X(2).T("LRFD QB").X(3).T("LRFD QU");
    second.X(6).T("( M ) ").X(1).T("(CU.M ) ").X(1).T("( KN )").X(3).T("( KN )").X(2).T("( KN )").X(3);
    second.T("( KN )").X(3).T("( KN )").X(2).T(lrfd ? "( KN ) " : "( KN /CU.M) ");
  }
  for (int unit : {kUnitReport, kUnitConsole}) {
    state.units.WriteEmpty(unit);
    state.units.Write(unit, first);
    state.units.Write(unit, second);
  }
}

void WriteCapacityRow(CapacityState& state, const CapacityRow& row) {
  const ProblemRecord& p = state.problem;
  const Out o = OutOf(state);
  const bool lrfd = p.NLRFD == 1;
  const float d1 = lrfd ? row.lrfdQS : row.QBD;
  const float d2 = lrfd ? row.lrfdQB : row.QDN;
  const float last = lrfd ? o.Force(row.lrfdQU) : o.ForcePerVolume(row.QUV);
  Record r;
  if (!o.si) {
    r.X(1).F(8, 1, row.L).X(1).F(8, 2, row.V).F(9, 2, row.QS).F(9, 2, row.QB).F(9, 2, row.QU);
    r.F(9, 2, d1).F(9, 2, d2).X(1).F(9, 2, last);
  } else {
    r.X(1).F(8, 1, o.Length(row.L)).X(1).F(8, 1, o.Volume(row.V)).F(9, 1, o.Force(row.QS));
    r.F(9, 1, o.Force(row.QB)).F(9, 1, o.Force(row.QU)).F(9, 1, o.Force(d1)).F(9, 1, o.Force(d2));
    r.X(1).F(9, 2, last);
  }
  WriteTo(state, {kUnitReport, kUnitConsole}, r);
}

void CopyRockMessages(CapacityState& state) {
  UnitTable& u = state.units;
  u.Close(kUnitRockMsg);
  if (!u.OpenRead(kUnitRockMsgRead, kRockMsgFileName)) return;
  std::string line;
  while (u.ReadLine(kUnitRockMsgRead, line)) u.Write(kUnitReport, FixedWidth(line, kRockMessageWidth));
  u.Close(kUnitRockMsgRead);
}

void WriteNeedAnotherLayer(CapacityState& state) {
  EmptyTo(state, {kUnitConsole, kUnitRunNotes, kUnitReport}, 1);
  WriteTo(state, {kUnitConsole, kUnitRunNotes, kUnitReport}, kNeedAnotherLayer);
}

void WriteProfileTooShort(CapacityState& state) {
  UnitTable& u = state.units;
  u.WriteEmpty(kUnitRunNotes);
  u.Write(kUnitRunNotes, "INCREASE THE SOIL DEPTH TO GIVE ENOUGH LENGTH FOR");
  u.Write(kUnitRunNotes, "COMPUTING THE BASE RESISTANCE- AT LEAST TWO DIAMETER");
}

void WriteMostEfficientShaft(CapacityState& state, const MostEfficientShaft& best) {
  const Out o = OutOf(state);
  UnitTable& u = state.units;
  const char* ft = o.LengthUnit();
  u.WriteEmpty(kUnitReport, 3);
  u.Write(kUnitReport, Record().X(5).T("THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE"));
  u.Write(kUnitReport, Record().X(5).T("APPEARS TO BE THE FOLLOWING ONE:"));
  u.Write(kUnitReport, Record().X(5).T(Dashes(46)));
  u.WriteEmpty(kUnitReport);
  u.Write(kUnitReport, ShaftLine("DIAMETER OF STEM", o.Length(best.D), ft));
  u.Write(kUnitReport, ShaftLine("DIAMETER OF BASE", o.Length(best.Db), ft));
  u.Write(kUnitReport, ShaftLine("SHAFT LENGTH", o.Length(best.L), ft));
  u.Write(kUnitReport, ShaftLine("VOLUME OF CONCRETE", o.Volume(best.V), o.si ? "CU. M" : "CU.YDS."));
  u.Write(kUnitReport, ShaftLine("ULTIMATE CAPACITY, QU", o.Force(best.QU), o.si ? "KN" : "TONS"));
  u.Write(kUnitReport, ShaftLine("QU/VOLUME", o.ForcePerVolume(best.QUV), o.si ? "KN/CU. M" : "TONS/CU.YDS."));
  u.WriteEmpty(kUnitReport, 2);
}

void WriteOutputIncrementReplaced(CapacityState& state, float usedFt) {
  const Out o = OutOf(state);
  NoteBlock(state, {"THE OUTPUT DEPTH INCREMENT IS ZERO OR TOO SMALL.",
                    "THE RESULTS ARE PRINTED EVERY " + FormatF(o.Length(usedFt), 6, 3) + " " + o.LengthUnit()});
}

void WriteDiameterIncrementNotPositive(CapacityState& state) {
  NoteBlock(state, {"THE DIAMETER INCREMENT OF THE DESIGN CHARTS IS NOT POSITIVE.",
                    "ONLY THE MINIMUM SHAFT DIAMETER IS ANALYZED."});
}

void WriteLengthIncrementNotPositive(CapacityState& state) {
  NoteBlock(state, {"THE SHAFT LENGTH INCREMENT IS NOT POSITIVE.", "ONLY THE PROPOSED DEPTH IS ANALYZED."});
}

void WriteLengthsNeedDesignDepth(CapacityState& state) {
  NoteBlock(state, {"THE SHAFT LENGTHS ARE VARIED ONLY WHEN A PROPOSED DEPTH IS GIVEN.",
                    "WITH A TOTAL LOAD EACH DIAMETER IS ANALYZED ONCE."});
}

void WriteBellAngleUnusable(CapacityState& state) {
  NoteBlock(state, {"THE ANGLE OF BELL MUST BE GREATER THAN 0 AND LESS THAN 90 DEG.",
                    "THE SHAFTS ARE ANALYZED WITHOUT A BELL."});
}

void WriteSafetyFactorReplaced(CapacityState& state) {
  NoteBlock(state, {"A FACTOR OF SAFETY IS ZERO OR NEGATIVE.", "A FACTOR OF SAFETY OF 1.0 IS USED IN ITS PLACE."});
}

}  // namespace tvx
