// Text listings of the load-transfer curves for the engineer: the curve-data file (.tv8z)
// with its t-z curves of the first case, the q-w listing (.tv8w) appended to it after the
// run, and the per-run scratch listing TZDATA.DAT with the segment tables of every assumed
// tip movement. None of them is read back.
#pragma once

#include <string_view>
#include <vector>

#include "SettlementState.h"
#include "LoadSettlementSolver.h"
#include "LoadTransferCurves.h"
#include "SettlementUnits.h"
#include "UnitTable.h"

namespace tvx {

// Notes and titles shared by the report and the listings.
extern const char* const kTzCurveNote;    // at the top of a run's curve listing
extern const char* const kTzAndQwNote;    // before the additional curves and in .tv8z
std::string_view BoundTitle(int KBOUND);  // "RESULT FROM TREND (AVERAGED) LINE", ...

// A t-z curve listing: heading, label line, empty line, then per curve its header line and
// ten points. `depthInFeet` selects feet (or metres) for the depths, else inches (or metres).
void WriteTzCurveListing(UnitTable& units, int unit, const std::vector<TzCurve>& curves, const SettlementUnits& out,
                         bool depthInFeet);

// A q-w table: heading, label line, empty line and ten points (tip load, tip movement).
void WriteQwTable(UnitTable& units, int unit, const QwCurve& qw, const SettlementUnits& out);

// Curve-data file, first case: the title and note, then the heading "TZ CURVE DATA".
void WriteCurveFileHeading(UnitTable& units, std::string_view title);
// Curve-data file, one bound of the first case: shaft lines (trend run), bound title and
// the t-z curves. D and L in ft.
void WriteCurveFileBound(UnitTable& units, const std::vector<TzCurve>& curves, const SettlementUnits& out,
                         int KBOUND, float Dft, float Lft);

// q-w listing: the heading "QW CURVE DATA" (first case), and one bound of a diameter at the
// first length.
void WriteQwListHeading(UnitTable& units);
void WriteQwListBound(UnitTable& units, const QwCurve& qw, const SettlementUnits& out, int KBOUND,
                      int diameterIndex, float Dft, float Lft);

// TZDATA.DAT of one load-settlement run: the note, its t-z curves and q-w curve, and the
// segment table of every assumed tip movement. A run that stopped before its curves were
// built leaves `listed` false and the file empty.
struct TzDataListing {
  bool listed = false;
  SettlementUnits out;
  std::vector<TzCurve> curves;
  QwCurve qw;
  std::vector<ShaftSolution> solutions;
};
void WriteTzDataListing(UnitTable& units, const TzDataListing& listing);

}  // namespace tvx
