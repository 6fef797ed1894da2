// The engine's record of the current problem: control and shaft scalars, and the layer
// entries of the soil profile. Entry 1 is the ground surface; the layers occupy entries
// 2..NLAYERS (NLAYERS counts the ground-surface entry once the layers are read), so a
// problem holds at most 49 layers. Every layer parameter is held as the value at the
// layer top and the value at the layer bottom, linear in between.
//
// Units after reading and conversion: lengths ft, forces tons, stresses psf, unit
// weights pcf, Ec and EL tsf (see the input reader for the conversions).
#pragma once

#include <array>
#include <string>

namespace tvx {

constexpr int kMaxLayerEntries = 50;  // ground surface + 49 layers
constexpr int kMaxLayers = kMaxLayerEntries - 1;
constexpr int kMaxChartSettlements = 10;
// The cases of one run: at most 20 stem diameters and 100 shaft lengths.
constexpr int kMaxRunDiameters = 20;
constexpr int kMaxRunLengths = 100;
constexpr int kMaxTzDepths = 50;
// TRANLM / QMAX when not given, set while reading (so an SI problem holds 1e10 kPa, which
// the conversion turns into 2.0885e11 psf: no limit either way).
constexpr float kNoLimit = 1e10f;
// Deepest layer bottom the engine accepts, ft. The depth stepping and the effective stress
// work foot by foot, so the profile depth bounds the work of a run.
constexpr float kMaxProfileDepth = 1000.0f;

// Layer type codes.
enum SoilType : int {
  kSand = 1,
  kClay = 2,
  kShale = 3,
  kStrongRock = 4,       // side friction or end bearing
  kDecomposedRock = 5,   // decomposed rock or gravel (intermediate geomaterial)
  kWeakRock = 6,
  kStrongRockBoth = 7,   // side friction plus end bearing
  kGravellySand = 8,
  kGravel = 9,
};

// The families of layer types the rules are written for: cohesionless soils (sand, gravelly
// sand, gravel), cohesive soils (clay, shale), and rock and intermediate geomaterials
// (types 4 to 7).
constexpr bool IsCohesionless(int KSOIL) { return KSOIL == kSand || KSOIL == kGravellySand || KSOIL == kGravel; }
constexpr bool IsCohesive(int KSOIL) { return KSOIL == kClay || KSOIL == kShale; }
constexpr bool IsRockLike(int KSOIL) { return KSOIL >= kStrongRock && KSOIL <= kStrongRockBoth; }

// Side-friction procedures of a sand layer.
enum SandMethod : int { kKoMethod = 1, kBetaMethod = 2, kKulhawyChenMethod = 3 };

// One parameter at the top and at the bottom of its layer.
struct EndValues {
  float top = 0.0f;
  float bot = 0.0f;
};

// Estimate mark of a value in the soil echo: blank, or "  (*)".
struct EndMarks {
  bool top = false;
  bool bot = false;
};

struct LayerEntry {
  int KSOIL = 0;
  float XTOP = 0.0f;  // depth of the layer top as read (previous XBOT), ft
  float XBOT = 0.0f;  // depth of the layer bottom as read, ft
  // Top and bottom snapped to whole feet (SnapLayerBottoms): the depth stepping runs from
  // XTOPSNAP to XBOTSNAP and interpolates over their distance. EffectiveStress keeps using
  // XTOP and XBOT.
  float XTOPSNAP = 0.0f;
  float XBOTSNAP = 0.0f;

  // Soils (sand, clay, shale, decomposed rock, gravels)
  EndValues GAMMA;   // total unit weight, pcf
  EndValues PHI;     // friction angle as echoed: as read, or estimated from N at the ends
  EndValues PHIW;    // working friction angle: PHI as read; 0 stays 0, so each step
                     // estimates the angle afresh from N(z) and the effective stress
  EndValues IANG;    // sand interface friction angle, degrees
  EndValues CU;      // undrained shear strength, psf
  EndValues BLOWS;   // SPT blow count N
  EndValues TRANLM;  // maximum unit side resistance, psf (kNoLimit when not given)
  EndValues QMAX;    // maximum unit end bearing, psf (kNoLimit; negative = fixed bearing)
  EndValues NC;      // bearing capacity factor (clay, shale)
  EndValues ALPHA;   // adhesion factor (clay, shale)
  int sandMethod = 0;     // SandMethod (sand); gravelly sand and gravel hold kBetaMethod
  EndValues COEF;    // working coefficient of the method: Ko, beta, or Kulhawy-Chen m
                     // (sand); beta (gravelly sand, gravel); filled when left at zero
  EndValues BETA;    // beta (sand beta method, gravelly sand, gravel), as echoed
  EndValues KCM;     // Kulhawy and Chen preconsolidation stress exponent m, as echoed
  float FLRFDS = 1.0f;  // LRFD resistance factor, side (the bottom line's value)
  float FLRFDB = 1.0f;  // LRFD resistance factor, tip

  // Rock and intermediate geomaterials
  EndValues QUR;     // uniaxial compressive strength of rock, psf
  EndValues QUCON;   // uniaxial compressive strength of concrete, psf
  EndValues CS;      // spacing of discontinuities, ft
  EndValues DISCT;   // thickness of discontinuities, ft
  EndValues BDS;     // socket diameter for a shaft of diameter DSTART, ft
  EndValues EL;      // intact rock modulus (type 5: gravel Young's modulus); psi / kPa as
                     // read, tsf once the computation starts
  EndValues RQD;     // rock quality designation, %
  int ICOND = 0;     // weak-rock interface condition 1..4 (top line's value)
  EndValues SLUMP;   // concrete slump, in (SI: m, converted where used)
  // QUR, QUCON, CS, DISCT and BDS of an SI problem hold the input numbers (kPa, m) until the
  // layer's echo is written, then psf and ft.
  EndValues PHIRC;   // weak-rock interface friction angle, degrees
  EndValues POISSON; // decomposed rock / gravel Poisson's ratio

  // Flags of the estimates
  bool coefEstimated = false;  // coefficient (COEF, clay ALPHA) filled in: recomputed per step
  bool ncEstimated = false;    // NC below 1e-5 at both ends

  // Estimate marks for the soil echo ("  (*)" after the value).
  EndMarks markPHI, markBETA, markKCM, markALPHA, markNC;
};

struct ProblemRecord {
  std::string TITLE;       // up to 72 characters
  int IUNIT = 1;           // 1 English, 2 SI
  std::string UNITS = "EN";  // "EN" or "SI"
  int METHOD = 2;          // 1 design load P given, 2 design depth DGH given
  int KCYCL = 1;           // 1 compression, 2 uplift
  float RCYCL = 1.0f;      // uplift side-friction reduction factor
  float PINC = 1.0f;       // output depth increment, ft (SI input in m, converted)
  int IMOD = 0;            // sand end-bearing reduction option
  int NLRFD = 2;           // 1 LRFD, 2 ASD
  int IPENT = 0;           // vary shaft length
  int ICHART = 0;          // design charts
  int UseElevation = 0;    // read, not used by the engine
  float ValElevation = 0.0f;
  int PrintTZCurves = 0;

  float DSTART = 0.0f;     // smallest stem diameter, ft
  float DIALIM = 0.0f;     // largest stem diameter, ft
  float RATIO = 0.0f;      // base / stem diameter; 0 straight shaft
  float BELANGL = 0.0f;    // bell angle to the vertical, degrees
  float TOPLENG = 0.0f;    // ignored top portion, ft
  float BS = 0.0f;         // ignored bottom portion, ft
  float Ec = 0.0f;         // shaft modulus, tsf after conversion (psi / kPa as read)
  float EcInput = 0.0f;    // shaft modulus as read, psi / kPa: what the report prints

  int NLAYERS = 0;         // layers as read; layer entries (with the surface) once read
  float WTD = 0.0f;        // water table depth, ft
  float P = 0.0f;          // design load, tons (METHOD 1)
  float DGH = 0.0f;        // design depth, ft (METHOD 2)
  float FST = 1.0f;        // factor of safety, side
  float FSB = 1.0f;        // factor of safety, base

  float PDMIN = 0.0f;      // shortest length of the length range, ft
  float PDINCR = 0.0f;     // length increment, ft
  float DIAMINCR = 0.0f;   // chart diameter increment, ft
  int NPOINTPD = 0;        // number of chart settlements
  std::array<float, kMaxChartSettlements + 1> PDSETT{};  // 1-based; in or m

  int NTZDEP = 0;          // number of printed t-z depths
  std::array<float, kMaxTzDepths + 1> TZDEP{};  // 1-based, ft (SI input in m, converted)

  // Layer entries, 1-based: layer[1] is the ground surface, layers in 2..NLAYERS.
  std::array<LayerEntry, kMaxLayerEntries + 1> layer{};

  bool IsSI() const { return UNITS == "SI" || UNITS == "si"; }
  // Number of soil layers (entries 2..NLAYERS) once the layers are read.
  int LayerCount() const { return NLAYERS - 1; }
};

}  // namespace tvx
