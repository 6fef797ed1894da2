#include "CurveDataFile.h"

#include <string>

#include "Format.h"
#include "Constants.h"

namespace tvx {

const char* const kTzCurveNote = "NOTE: TZ CURVE DATA ARE AVAILABLE FOR SAND AND CLAY LAYERS ONLY.";
const char* const kTzAndQwNote = "NOTE: TZ AND QW CURVES DATA ARE AVAILABLE ONLY FOR SAND AND CLAY LAYERS.";

namespace {

const char* const kTzHeading = "T-Z CURVE   NO. OF   DEPTH TO CURVE   LOAD TRANSFER   PILE MOVEMENT";
const char* const kTzCurveDataTitle = "TZ CURVE DATA";
const char* const kQwCurveDataTitle = "QW CURVE DATA";
const char* const kPileHeading = "AXIALLY LOADED PILE, CONSTANT OD";
// The columns of the segment table: depth, load transfer, load taken, load at the bottom,
// load at the middle, compression, movement at the bottom and at the middle.
const char* const kSegmentHeading1 =
    "    DEPTH     LOAD      LOAD        TOTAL     AVG       COMP OF   TOTAL     AVG";
const char* const kSegmentHeading2 =
    "           TRANSFER     INCR        LOAD      LOAD      INCR      MVMNT     MVMNT";
const char* const kPageMark = "\f";

void WriteShaftLines(UnitTable& units, int unit, const SettlementUnits& out, float Dft, float Lft) {
  const float perFt = out.si ? kFtPerM : 1.0f;
  units.Write(unit, Record().X(8).T("SHAFT DIAMETER           =").F(10, 4, Dft / perFt).X(2).T(out.LengthWord()));
  units.Write(unit, Record().X(8).T("SHAFT LENGTH             =").F(10, 4, Lft / perFt).X(2).T(out.LengthWord()));
}

// A depth line of the segment table: depth, load and movement.
void WriteNodeLine(UnitTable& units, float depth, float load, float movement) {
  units.Write(kUnitTzData, Record().X(3).F(7, 2, depth).X(19).E(10, 3, load).X(20).E(10, 3, movement));
}

}  // namespace

std::string_view BoundTitle(int KBOUND) {
  switch (KBOUND) {
    case kUpperBound:
      return "RESULT FROM UPPER-BOUND LINE";
    case kLowerBound:
      return "RESULT FROM LOWER-BOUND LINE";
    default:
      return "RESULT FROM TREND (AVERAGED) LINE";
  }
}

void WriteTzCurveListing(UnitTable& units, int unit, const std::vector<TzCurve>& curves, const SettlementUnits& out,
                         bool depthInFeet) {
  units.Write(unit, Record().X(8).T(kTzHeading));
  units.Write(unit, Record()
                        .X(11)
                        .T("NO.")
                        .X(6)
                        .T("POINTS")
                        .X(8)
                        .T(depthInFeet ? out.LengthLabel() : out.DepthLabel())
                        .X(14)
                        .T(out.TransferLabel())
                        .X(13)
                        .T(out.MovementLabel()));
  units.WriteEmpty(unit);
  for (const TzCurve& c : curves) {
    const float depth = depthInFeet ? out.Length(c.ZTZ) : out.DepthIn(c.ZTZ);
    units.Write(unit, Record().X(8).I(5, c.serial).I(11, kCurvePoints).E(16, 4, depth));
    for (int p = 0; p < kCurvePoints; ++p)
      units.Write(unit, Record().X(40).E(17, 4, out.Transfer(c.TZT[p])).E(16, 4, out.Movement(c.TZW[p])));
  }
}

void WriteQwTable(UnitTable& units, int unit, const QwCurve& qw, const SettlementUnits& out) {
  units.Write(unit, Record().X(8).T("TIP   LOAD").X(8).T("TIP MOVEMENT"));
  units.Write(unit, Record().X(12).T(out.LoadLabel()).X(15).T(out.MovementLabel()));
  units.WriteEmpty(unit);
  for (int p = 0; p < kCurvePoints; ++p)
    units.Write(unit, Record().E(18, 4, out.Load(qw.QWQ[p])).E(19, 4, out.Movement(qw.QWW[p])));
}

void WriteCurveFileHeading(UnitTable& units, std::string_view title) {
  units.WriteEmpty(kUnitCurves);
  units.Write(kUnitCurves, Record().X(5).T(title));
  units.WriteEmpty(kUnitCurves, 2);
  units.Write(kUnitCurves, Record().X(5).T(kTzAndQwNote));
  units.WriteEmpty(kUnitCurves, 2);
  units.Write(kUnitCurves, Record().X(8).T(kTzCurveDataTitle));
  units.Write(kUnitCurves, Record().X(8).T(std::string(13, '-')));
}

void WriteCurveFileBound(UnitTable& units, const std::vector<TzCurve>& curves, const SettlementUnits& out,
                         int KBOUND, float Dft, float Lft) {
  if (KBOUND == kTrendBound) WriteShaftLines(units, kUnitCurves, out, Dft, Lft);
  units.WriteEmpty(kUnitCurves, 2);
  units.Write(kUnitCurves, Record().X(8).T(BoundTitle(KBOUND)));
  units.WriteEmpty(kUnitCurves, 2);
  WriteTzCurveListing(units, kUnitCurves, curves, out, true);
}

void WriteQwListHeading(UnitTable& units) {
  units.Write(kUnitQwList, Record().X(8).T(kQwCurveDataTitle));
  units.Write(kUnitQwList, Record().X(8).T(std::string(13, '-')));
}

void WriteQwListBound(UnitTable& units, const QwCurve& qw, const SettlementUnits& out, int KBOUND,
                      int diameterIndex, float Dft, float Lft) {
  if (KBOUND == kTrendBound) {
    units.WriteEmpty(kUnitQwList, 3);
    units.Write(kUnitQwList, Record().X(8).T("VARIATION DIAMETER       =").I(10, diameterIndex));
    WriteShaftLines(units, kUnitQwList, out, Dft, Lft);
  }
  units.WriteEmpty(kUnitQwList, 2);
  units.Write(kUnitQwList, Record().X(8).T(BoundTitle(KBOUND)));
  units.WriteEmpty(kUnitQwList);
  WriteQwTable(units, kUnitQwList, qw, out);
}

namespace {

void WriteTzDataSolution(UnitTable& units, const ShaftSolution& solution) {
  units.Write(kUnitTzData, kPageMark);
  units.Write(kUnitTzData, Record().X(8).T(kPileHeading));
  units.WriteEmpty(kUnitTzData);
  units.Write(kUnitTzData, Record().X(3).T("ASSUMED TIP MOVEMENT").X(13).T("TIP   LOAD"));
  units.Write(kUnitTzData, Record().E(23, 4, solution.tipMove).E(23, 4, solution.tipLoad));
  units.WriteEmpty(kUnitTzData);
  units.Write(kUnitTzData, kSegmentHeading1);
  units.Write(kUnitTzData, kSegmentHeading2);
  units.WriteEmpty(kUnitTzData);
  for (const SegmentState& s : solution.segments) {
    WriteNodeLine(units, s.bottomDepth, s.Qb, s.Wb);
    units.Write(kUnitTzData, Record()
                                 .X(3)
                                 .F(7, 2, s.zMid)
                                 .F(9, 2, s.t)
                                 .E(10, 3, s.dQ)
                                 .X(10)
                                 .E(10, 3, s.Pm)
                                 .E(10, 3, s.delta)
                                 .X(10)
                                 .E(10, 3, s.wMid));
  }
  // The top of the shaft lies half a segment above the top segment's middle.
  const float topDepth =
      solution.segments.empty() ? 0.0f : 2.0f * solution.segments.back().zMid - solution.segments.back().bottomDepth;
  WriteNodeLine(units, topDepth, solution.topLoad, solution.topMove);
}

}  // namespace

void WriteTzDataListing(UnitTable& units, const TzDataListing& listing) {
  if (!listing.listed) return;
  units.Write(kUnitTzData, Record().X(8).T(kTzCurveNote));
  units.WriteEmpty(kUnitTzData, 2);
  WriteTzCurveListing(units, kUnitTzData, listing.curves, listing.out, false);
  units.WriteEmpty(kUnitTzData, 2);
  WriteQwTable(units, kUnitTzData, listing.qw, listing.out);
  for (const ShaftSolution& s : listing.solutions) WriteTzDataSolution(units, s);
}

}  // namespace tvx
