// Message blocks about the problem input and the soil profile, written to the report and
// the run notes. None of them but the input error and the value that is not a finite number
// stops the run.
#pragma once

#include "CapacityState.h"
#include "InputReader.h"

namespace tvx {

// The input file could not be read: the line, the record and what is wrong, to the report,
// the run notes and the console. The caller ends the analysis.
void WriteInputError(CapacityState& state, const InputError& error);

// A computed value was not a finite number and was printed as asterisks: the report, the
// run notes and the console. The caller ends the analysis.
void WriteValueNotFinite(CapacityState& state);

// The design depth lies below the last layer bottom (report and run notes).
void WriteTwoDiameterWarning(CapacityState& state);

// A sand step with neither a blow count nor a friction angle (run notes).
void WriteSandStrengthMissing(UnitTable& units);

// A step in sand, clay, shale or decomposed rock whose total unit weight is below 50 pcf
// (run notes).
void WriteUnitWeightMissing(CapacityState& state);

}  // namespace tvx
