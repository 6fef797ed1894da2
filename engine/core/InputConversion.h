// The derived shaft values and the conversion of the problem to the engine's English
// units (ft, tons, psf, pcf, tsf for moduli). The report converts back for SI problems.
#pragma once

#include "ProblemRecord.h"

namespace tvx {

// RATIO 1 becomes 0 (no bell) and DIALIM at least DSTART; for SI problems every length and
// depth (PINC, WTD, DGH, DSTART, DIALIM, TOPLENG, BS, PDMIN, PDINCR, DIAMINCR, XTOP, XBOT,
// TZDEP) m -> ft, P kN -> tons, GAMMA kN/m3 -> pcf, CU, TRANLM, QMAX kPa -> psf. The rock
// inputs and the moduli are converted later (below). PDSETT stays in in / m.
void ConvertProblemUnits(ProblemRecord& p);

// QUR, QUCON (kPa -> psf), CS, DISCT, BDS (m -> ft) of an SI rock or intermediate
// geomaterial layer; nothing for English problems or other layer types. Run right after the
// layer's echo, which shows the values as entered.
void ConvertRockInputs(const ProblemRecord& p, LayerEntry& layer);

// Ec and every layer's EL from psi (English) or kPa (SI) to tsf, at the start of the
// computation. EcInput keeps the value as read for the report.
void ConvertModuliToTsf(ProblemRecord& p);

}  // namespace tvx
