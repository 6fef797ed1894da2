// The input echo of the report: title, control values, factors of safety, soil
// information with one block per layer, the estimate note, the input shaft information,
// and the length-range and design-chart input. Values print in the problem's unit system.
#pragma once

#include "CapacityState.h"

namespace tvx {

void WriteTitle(CapacityState& state);

// Design load or depth, uplift factor, number of layers and water table, as read (before
// the unit conversion); also to the console.
void WriteControlEcho(CapacityState& state);

// ASD factors of safety on side and base.
void WriteSafetyFactors(CapacityState& state);

void WriteSoilInformationHeading(CapacityState& state);

// The block of layer entry `entry` (2..NLAYERS): head line, the values at the top and at the
// bottom with their estimate marks, the LRFD factors, and the layer's warnings. Soil values
// are printed from the converted profile; the rock inputs as entered (ConvertRockInputs
// runs after this).
void WriteLayerBlock(CapacityState& state, int entry);

void WriteEstimateNote(CapacityState& state);

// Minimum and maximum diameter, bell ratio and angle, ignored portions, shaft modulus.
void WriteShaftInformation(CapacityState& state);

// Longest and shortest shaft length and the length step of the vary-length analysis.
void WriteVaryLengthInput(CapacityState& state);

// The length range, the diameter step and the settlements of the design charts.
void WriteChartInput(CapacityState& state);

}  // namespace tvx
