// The capacity sections of the report and their run-notes and console lines: the results
// heading, the case header, the drilled shaft information of a case, the legend and column
// headings, the rows, the collected messages of a case, the stop and profile messages, and
// the most efficient shaft. Values print in the problem's unit system.
#pragma once

#include "CapacityAnalysis.h"
#include "CapacityState.h"

namespace tvx {

void WriteComputationResultsHeading(CapacityState& state);

// Report, console and run notes.
void WriteCaseHeader(CapacityState& state, const CasePlan& plan);

// Opens ROCKMSG.DAT for the messages of the case (an empty first record), then writes the
// shaft lines; stem and base diameter and the METHOD 2 shaft length also to the run notes.
void WriteCaseShaftInformation(CapacityState& state, const CaseGeometry& g, float caseLength);

// Legend and column headings (report and console).
void WriteResultsLegend(CapacityState& state);
void WriteColumnHeadings(CapacityState& state);
// One row (report and console).
void WriteCapacityRow(CapacityState& state, const CapacityRow& row);

// Closes ROCKMSG.DAT and copies it into the report, each line cut or padded to 80 columns.
void CopyRockMessages(CapacityState& state);

// The design load is not reached in the profile (report, run notes, console).
void WriteNeedAnotherLayer(CapacityState& state);
// The rows stop where the soil ends: the two-diameter zone below the tip leaves the profile.
void WriteProfileTooShort(CapacityState& state);

void WriteMostEfficientShaft(CapacityState& state, const MostEfficientShaft& best);

// Run-notes notes on inputs the enumeration cannot use as given.
void WriteOutputIncrementReplaced(CapacityState& state, float usedFt);
void WriteDiameterIncrementNotPositive(CapacityState& state);
void WriteLengthIncrementNotPositive(CapacityState& state);
void WriteLengthsNeedDesignDepth(CapacityState& state);
void WriteBellAngleUnusable(CapacityState& state);
void WriteSafetyFactorReplaced(CapacityState& state);

}  // namespace tvx
