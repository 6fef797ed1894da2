#include "StepResistance.h"

#include <cmath>
#include <string>

#include "Format.h"
#include "MessageBanners.h"

namespace tvx {
namespace {

struct NoteText {
  const char* line1;
  const char* line2;
};

// One text per note; index = RuleNote.
constexpr std::array<NoteText, static_cast<int>(RuleNote::kCount)> kNoteTexts = {{
    {"THE SOCKET DIAMETER OF THIS STRONG ROCK LAYER IS ZERO.",
     "NO TIP RESISTANCE IS TAKEN IN IT; THE BASE AREA IS KEPT."},
    {"THE SPACING OF DISCONTINUITIES OF THIS STRONG ROCK IS ZERO.",
     "NO TIP RESISTANCE IS TAKEN IN IT."},
    {"THE SOCKET DIAMETER OF THIS WEAK ROCK LAYER IS ZERO.",
     "NO SIDE OR TIP RESISTANCE IS TAKEN IN IT."},
    {"THE COMPRESSIVE STRENGTH OF THIS WEAK ROCK LAYER IS ZERO.",
     "NO SIDE OR TIP RESISTANCE IS TAKEN IN IT."},
    {"THE ROCK OR CONCRETE MODULUS FOR THIS WEAK ROCK IS ZERO.",
     "NO SIDE OR TIP RESISTANCE IS TAKEN IN IT."},
    {"THE SOCKET FACTORS OF THIS WEAK ROCK ARE OUT OF RANGE.",
     "THE SIDE OR TIP TERM THAT CANNOT BE FORMED IS TAKEN AS ZERO."},
    {"THE EFFECTIVE STRESS IN THIS DECOMPOSED ROCK IS ZERO.",
     "NO SIDE OR TIP RESISTANCE IS TAKEN THERE."},
}};

}  // namespace

ResistanceLoading LoadingOf(const ProblemRecord& problem) {
  return ResistanceLoading{problem.KCYCL, problem.RCYCL, problem.RATIO};
}

bool IsUplift(const ResistanceLoading& loading) { return loading.KCYCL == 2; }

float UpliftSideFactor(const ResistanceLoading& loading) {
  if (!IsUplift(loading)) return 1.0f;
  float factor = loading.RCYCL;
  if (loading.RATIO > 1.0f) factor *= loading.RATIO;
  return factor;
}

float LimitToMaximumTransfer(float f, float TRANLMpsf) {
  const float limit = TRANLMpsf / kPsfPerTsf;
  if (limit > 5e-8f && f > limit) return limit;
  return f;
}

float NonNegativeFinite(float v) { return std::isfinite(v) && v > 0.0f ? v : 0.0f; }

bool BothEndsAbove(const EndValues& v, float threshold) { return v.top > threshold && v.bot > threshold; }
bool EitherEndAbove(const EndValues& v, float threshold) { return v.top > threshold || v.bot > threshold; }

void WriteWarningMessageHead(UnitTable& units, int unit) {
  units.Write(unit, Record().X(21).T("WARNING MESSAGE").X(16));
  units.Write(unit, Record().X(3).T(std::string(60, '-')));
}

void NoteUnusableInput(UnitTable& units, CaseRuleState& caseState, RuleNote note, int layerNo, float z) {
  const int i = static_cast<int>(note);
  if (i < 0 || i >= static_cast<int>(RuleNote::kCount) || caseState.noted[i]) return;
  caseState.noted[i] = true;
  units.WriteEmpty(kUnitRunNotes);
  units.Write(kUnitRunNotes, Record().X(5).T(kWarningBanner));
  units.Write(kUnitRunNotes, Record().X(5).T("LAYER NO").I(3, layerNo).T("   FIRST AT DEPTH (FT) =").F(9, 2, z));
  units.Write(kUnitRunNotes, Record().X(5).T(kNoteTexts[i].line1));
  units.Write(kUnitRunNotes, Record().X(5).T(kNoteTexts[i].line2));
  units.Write(kUnitRunNotes, Record().X(5).T("(THIS NOTE IS WRITTEN ONCE FOR EACH CASE.)"));
  units.WriteEmpty(kUnitRunNotes);
}

}  // namespace tvx
