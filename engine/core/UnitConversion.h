// Conversion factors between the SI input and the engine's English units. SI input is
// converted once after reading; the report converts back by dividing by the same factor.
#pragma once

namespace tvx {

constexpr float kFtPerM = 3.2808f;          // lengths and depths
constexpr float kTonsPerKn = 0.1124f;       // forces
constexpr float kPcfPerKnPerM3 = 6.3659f;   // unit weights
constexpr float kPsfPerKpa = 20.885f;       // stresses
constexpr float kPsfPerPsi = 144.0f;
constexpr float kPsfPerTsf = 2000.0f;
constexpr float kCuYdPerCuM = 1.3078f;      // volumes
constexpr float kTonsPerCuYdPerKnPerCuM = 0.08594586f;
constexpr float kMmPerIn = 25.4f;

constexpr float kWaterUnitWeight = 62.4f;   // pcf
constexpr float kAtmospherePsfClay = 2116.8f;  // atmosphere in the clay strength ratio
constexpr float kAtmospherePsfRock = 2115.7f;  // atmosphere in the rock and gravel rules

}  // namespace tvx
