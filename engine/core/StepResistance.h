// What the resistance rules of every layer type share at one depth step of a case: the
// loading factors, the state the depth stepping keeps for them per layer and per case, the
// tip geometry, the unit side resistance limit, and the notes on inputs a rule cannot use.
//
// Units throughout the rules: depths and lengths ft, stresses psf, unit resistances tsf,
// forces tons, angles as stated.
#pragma once

#include <array>

#include "ProblemRecord.h"
#include "Constants.h"
#include "UnitTable.h"
#include "WholeNumbers.h"

namespace tvx {

// Loading of the run as the rules apply it: uplift reduces side resistance by RCYCL and,
// for a bell (RATIO above 1), scales it by RATIO as well.
struct ResistanceLoading {
  int KCYCL = 1;       // 1 compression, 2 uplift
  float RCYCL = 1.0f;  // uplift side-friction reduction factor
  float RATIO = 0.0f;  // base / stem diameter
};
ResistanceLoading LoadingOf(const ProblemRecord& problem);

bool IsUplift(const ResistanceLoading& loading);
// The factor on the base stress or strength of a side-resistance rule: 1 in compression;
// RCYCL, times RATIO when RATIO exceeds 1, in uplift.
float UpliftSideFactor(const ResistanceLoading& loading);

// Unit side resistance f (tsf) limited to TRANLM (psf) when TRANLM / 2000 exceeds 5e-8.
float LimitToMaximumTransfer(float f, float TRANLMpsf);

// N2D for a tip of diameter Db (ft): the one-foot points of the two-diameter zone below it,
// the integer part of 2 Db, at most a million (a zone far deeper than any profile); a
// diameter that is not a positive finite number has no zone.
constexpr int kMostTwoDiameterPoints = 1000000;
constexpr int TwoDiameterPoints(float Db) { return IntegerPartWithin(2.0f * Db, 0, kMostTwoDiameterPoints); }

// A rule result that is not a finite non-negative number counts as no resistance.
float NonNegativeFinite(float v);

// True when both end values of a layer parameter exceed the threshold / either does.
bool BothEndsAbove(const EndValues& v, float threshold);
bool EitherEndAbove(const EndValues& v, float threshold);

// Working values a layer keeps from step to step while the stepping is in it ("keeps its
// last value in this layer", 0 when the layer is entered). The caller holds one per layer
// entry and clears it when the stepping enters the layer (in practice: at every case start).
struct LayerWorkingState {
  float coef = 0.0f;   // working coefficient of a cohesionless layer (Ko, beta, m)
  float alpha = 0.0f;  // working adhesion factor of a clay or shale layer
  float nc = 0.0f;     // working bearing capacity factor of a clay or shale layer
};

// Inputs a rule cannot use (a division by zero or a logarithm of zero would follow). The
// step then takes no resistance from the rule part concerned and a note goes to the run
// notes once per case.
enum class RuleNote : int {
  kStrongRockSocketDiameter,
  kStrongRockSpacing,
  kWeakRockSocketDiameter,
  kWeakRockStrength,
  kWeakRockModulus,
  kWeakRockFactors,
  kDecomposedRockStress,
  kCount
};

// Per-case state of the rules. The caller holds one and resets it (= CaseRuleState{}) at the
// start of every case, which is also the load-settlement hand-over of the case before.
struct CaseRuleState {
  bool clayBlowCountWarned = false;  // clay strength from N: ROCKMSG.DAT block written
  float weakRockSumEL = 0.0f;        // sum of the intact modulus EL over weak-rock steps, tsf
  int weakRockSteps = 0;             // number of weak-rock steps
  bool socketLengthWarned = false;   // ROCKMSG.DAT already holds the socket length block
  bool modulusRatioWarned = false;   // ... the Ec/Em block
  bool socketDiameterWarned = false; // ... the socket diameter block
  std::array<bool, static_cast<int>(RuleNote::kCount)> noted{};
};

// Writes the note for `note` to the run notes unless the case already has it. `layerNo` is
// the layer number of the soil echo (entry - 1), z the step depth in ft.
void NoteUnusableInput(UnitTable& units, CaseRuleState& caseState, RuleNote note, int layerNo, float z);

// The first two lines of a warning block of ROCKMSG.DAT and of the rock warnings of the
// run notes: "WARNING MESSAGE" and a rule of 60 dashes.
void WriteWarningMessageHead(UnitTable& units, int unit);

// Base of the case for the tip rules: area Ab (ft^2) and base diameter Db (ft). A strong-rock
// step replaces Ab by its socket area for the rest of the case.
struct BaseGeometry {
  float Ab = 0.0f;
  float Db = 0.0f;
};

// Tip of a soil step: unit tip resistance qb (tsf; 0 where the rule gives none) and the tip
// resistance Qb (tons), before the QMAX limit and the uplift rule of the depth stepping.
struct TipResult {
  float qb = 0.0f;
  float Qb = 0.0f;
};

}  // namespace tvx
