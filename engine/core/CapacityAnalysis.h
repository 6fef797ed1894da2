// Capacity analysis of drilled shafts: the cases of a run (diameters and, when lengths are
// varied, shaft lengths), the ultimate side, tip and total resistance of a case against its
// length in one-foot steps, the allowable (ASD) or factored (LRFD) capacities, the design
// length for a design load or the capacities down to a design depth, the most efficient
// shaft, and the hand-over of each case to the load-settlement computations.
//
// Units: ft, tons, tsf, cubic yards.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "CapacityState.h"
#include "StepResistance.h"

namespace tvx {

// Geometry of the shaft of one case.
struct CaseGeometry {
  float D = 0.0f;          // stem diameter
  float Db = 0.0f;         // base diameter: RATIO D for a belled shaft, D otherwise
  float toe = 0.0f;        // vertical toe of the bell (0 for a straight shaft)
  float H = 0.0f;          // bell height (end of stem to base)
  float Ab = 0.0f;         // base area, ft^2
  float p = 0.0f;          // stem perimeter, ft
  float As = 0.0f;         // stem area, ft^2
  float steelArea = 0.0f;  // area of one percent steel, in^2
  float Vbell = 0.0f;      // bell volume, cubic yards
  int N2D = 0;             // points of the two-diameter zone below the tip
  bool belled = false;
};

// A shaft is belled when RATIO, truncated to an integer, is not 0 and the base is wider than
// the stem. A bell angle outside 0..90 degrees has no bell height: such a shaft is taken as
// straight (the run notes say so, see SearchDesign).
bool HasBell(const ProblemRecord& p);
CaseGeometry ShaftGeometry(const ProblemRecord& p, float D);
// Concrete volume of a shaft of length L: (L - H) As / 27 + Vbell, cubic yards.
float ShaftVolume(const CaseGeometry& g, float L);
// Uplift: the weight of 150 pcf concrete less the buoyancy of the part below the water
// table, tons.
float UpliftShaftWeight(const CaseGeometry& g, float L, float WTD);
// Weight of point j (0..N2D-1) of the two-diameter zone: 1.2 t up to t = 0.5, 0.4 (2 - t)
// beyond, t = j / N2D.
float TwoDiameterWeight(int j, int N2D);

// The one-foot steps of the profile, the same for every case of a run: step depths z (ft,
// from the top of the side-resistance zone down to the last layer bottom), the layer entry of
// each step and its effective vertical stress (psf).
struct ProfileSteps {
  float start = 0.0f;  // TOPLENG taken to a whole foot
  std::vector<float> z;
  std::vector<int> entry;
  std::vector<float> sigmaV;
};
ProfileSteps BuildProfileSteps(const ProblemRecord& p);

// The values of a case at its steps, stored by shaft length: step k is stored at the shaft
// length L[k] = z + BS + H (whole feet; consecutive lengths).
struct CaseSteps {
  std::vector<float> L;
  std::vector<float> z;         // depth of the step's end in the soil, ft (L less BS and H)
  std::vector<float> side;      // QS(L), tons
  std::vector<float> lrfdSide;  // sum of FLRFDS p f, tons
  std::vector<float> tip;       // Qb of the step, tons (after the QMAX limit; 0 in uplift)
  std::vector<float> unitTip;   // unit tip of the step, tsf (0 where the rule gives none)
  std::vector<float> unitSide;  // f of the step, tsf
  std::vector<int> entry;       // layer entry of the step
  std::vector<int> N2D;         // two-diameter points in force at the step
  int Count() const { return static_cast<int>(L.size()); }
};

// What the stepping of a case keeps besides the arrays.
struct StepTotals {
  std::array<float, kMaxLayerEntries + 1> layerEndSide{};  // QS at the last step of each entry
  float sigmaLast = 0.0f;  // effective stress of the last step, psf
  float zLast = 0.0f;      // depth of the last step, ft
};

// Steps one case through the profile with the resistance rules of every layer type.
// `rockLength` is the shaft length the rock rules of types 5 and 6 work with (METHOD 1 runs
// keep it from case to case). Records the run's weak-rock side sum and rock strength.
CaseSteps StepCase(CapacityState& state, const ProfileSteps& profile, const CaseGeometry& g, float& rockLength,
                   CaseRuleState& rules, StepTotals& totals);

// One row of the capacity table, tons, ft and cubic yards. For uplift QB holds the weight WT.
struct CapacityRow {
  float L = 0.0f, V = 0.0f;
  float QS = 0.0f, QB = 0.0f, QU = 0.0f;
  float QBD = 0.0f, QDN = 0.0f, QUV = 0.0f;           // ASD
  float lrfdQS = 0.0f, lrfdQB = 0.0f, lrfdQU = 0.0f;  // LRFD
};

// True when the two-diameter zone below the tip of step k lies inside the profile.
bool ZoneInsideProfile(const CaseSteps& s, int k, const CaseGeometry& g);
// Index of the deepest step with a row, -1 when none.
int DeepestReportableStep(const CaseSteps& s, const CaseGeometry& g);
// Tip resistance of the shaft stored at step k: the single tip value for a stem below 1 ft,
// else the weighted mean over the two-diameter zone.
float ShaftTipResistance(const CaseSteps& s, int k, const CaseGeometry& g);
CapacityRow RowAt(const ProblemRecord& p, const CaseSteps& s, int k, const CaseGeometry& g);
// Every quantity linearly between two rows at length L; QU/V from the interpolated values.
CapacityRow InterpolateRows(const CapacityRow& a, const CapacityRow& b, float L);
// The row at length L between the stored rows (L within the reportable lengths).
CapacityRow RowAtLength(const ProblemRecord& p, const CaseSteps& s, const CaseGeometry& g, float L);
// The same with the deepest reportable step of the case already found.
CapacityRow RowAtLength(const ProblemRecord& p, const CaseSteps& s, const CaseGeometry& g, float L, int deepestStep);

// METHOD 1: the rows from the first length down to the first whose QDN (ASD) or LRFD QU
// exceeds P; reached is false when the profile ends first.
struct DesignLoadRows {
  std::vector<CapacityRow> rows;
  bool reached = false;
};
DesignLoadRows SearchDesignLoad(const ProblemRecord& p, const CaseSteps& s, const CaseGeometry& g);

// METHOD 2: rows every PINC from the first multiple not shallower than BS + TOPLENG (and not
// above the first stored length) down to `bound`.
std::vector<CapacityRow> DesignDepthRows(const ProblemRecord& p, const CaseSteps& s, const CaseGeometry& g,
                                         float PINC, float bound);

// One case of the enumeration.
struct CasePlan {
  int caseNumber = 1;
  int lengthIndex = 1;
  int diameterIndex = 1;
  float D = 0.0f;
  float length = 0.0f;  // shaft length of the case (METHOD 2), ft
  bool plotted = true;
};

// The best case of a diameter sweep by QU / volume at its last reported length.
struct MostEfficientShaft {
  bool any = false;
  float D = 0.0f, Db = 0.0f, L = 0.0f, V = 0.0f, QU = 0.0f, QUV = 0.0f;
};

// Values the cases of one run share.
struct DesignRun {
  ProfileSteps profile;
  float PINC = 1.0f;        // output increment in use, ft
  float rockLength = 0.0f;  // shaft length of the rock rules (METHOD 1)
};

struct CaseOutcome {
  bool designReached = true;  // METHOD 1: the design load was reached
  bool handedOver = false;    // the case had a tip row and went to the load-settlement part
  bool hasRow = false;        // a reported row exists
  CapacityRow last;           // the last reported row
  CaseGeometry geometry;
};

// One case: header, shaft information, the capacity table, the collected messages, the
// hand-over record; METHOD 1 without the design load reached writes the stop message.
CaseOutcome AnalyzeCase(CapacityState& state, DesignRun& run, const CasePlan& plan);

// What the run does after the capacity analysis of each case whose design load was reached
// (the load-settlement step); it returns the run status, and 1 or more ends the enumeration.
using CaseFollowUp = std::function<int(const CasePlan& plan, const CaseOutcome& outcome)>;

// The case enumeration of the run with `followUp` after each case and the most efficient
// shaft after each sweep of more than one diameter. Sets status 7 when the design load is
// never reached, or the status `followUp` returns.
void SearchDesign(CapacityState& state, const CaseFollowUp& followUp, int& status);

// The diameters of a sweep and the lengths of the run (at most 20 and 100).
std::vector<float> SweepDiameters(const ProblemRecord& p);
std::vector<float> RunLengths(const ProblemRecord& p);
bool VariesLength(const ProblemRecord& p);

}  // namespace tvx
