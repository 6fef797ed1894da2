// The numbers the engine's rules are written with, each in one place and named for what it
// is. SI input is converted once after reading with the factors below, and the report
// converts back by dividing by the same factor.
//
// Where the rules state a rounded value (pi as 3.1416 and pi/4 as 0.7854 in the t-z solver
// and the rock-socket methods, 39.37 inches per metre, 8.896 kN per ton, 20.88 psf per kPa)
// the rounded value is kept, since the results depend on it, under a name that says so.
#pragma once

namespace tvx {

// Lengths.
constexpr float kInchesPerFoot = 12.0f;
constexpr float kFtPerM = 3.2808f;                    // SI lengths and depths
constexpr float kMPerFt = 0.3048f;                    // the gravel beta estimates work in metres
constexpr float kMmPerIn = 25.4f;
constexpr float kMmPerFt = kInchesPerFoot * kMmPerIn;  // 304.8
constexpr float kInchesPerMetre = 1000.0f / kMmPerIn;  // the SI slump of weak rock
constexpr float kInchesPerMetreAsTabulated = 39.37f;   // load-settlement listings and design charts
constexpr float kMetresPerInch = 0.0254f;              // the shaft shortening of the weak-rock curve
constexpr float kSqMPerSqIn = 0.00064516f;

// Forces.
constexpr float kLbPerTon = 2000.0f;
constexpr float kTonsPerKn = 0.1124f;            // SI loads
constexpr float kKnPerKlb = 4.448f;              // kN per 1000 lb
constexpr float kKnPerTonAsTabulated = 8.896f;   // 2 x 4.448: the rock-socket curves
constexpr float kLbPerKnAsTabulated = 224.82f;   // 1000 / 4.448 rounded: the design-chart report

// Stresses.
constexpr float kPsfPerTsf = 2000.0f;
constexpr float kPsfPerPsi = 144.0f;
constexpr float kPsfPerKpa = 20.885f;           // SI stresses
constexpr float kPsfPerKpaAsTabulated = 20.88f;  // the weak-rock base resistance
constexpr float kKpaPerPsi = 6.894f;

// Unit weights and volumes.
constexpr float kPcfPerKnPerM3 = 6.3659f;
constexpr float kCuFtPerCuYd = 27.0f;
constexpr float kCuYdPerCuM = 1.3078f;
constexpr float kTonsPerCuYdPerKnPerCuM = 0.08594586f;
constexpr float kWaterUnitWeight = 62.4f;     // pcf
constexpr float kConcreteUnitWeight = 150.0f;  // pcf, of the shaft and of fluid concrete

// One atmosphere, psf: in the clay strength ratio, and in the rock and gravel rules and the
// rock charts.
constexpr float kAtmospherePsfClay = 2116.8f;
constexpr float kAtmospherePsf = 2115.7f;

// Angles.
constexpr float kPi = 3.14159265f;
constexpr float kQuarterPi = 0.78539816f;
constexpr float kPiAsTabulated = 3.1416f;
constexpr float kQuarterPiAsTabulated = 0.7854f;
constexpr float kPiInSocketPerimeter = 3.142f;        // the socket perimeter of the rock rules
constexpr float kDegreesPerRadianAsTabulated = 57.29f;  // the cohesionless rules
constexpr float kTan30AsTabulated = 0.57735187f;      // tan 30 degrees as the weak-rock rules give it

}  // namespace tvx
