// The state of one run as the capacity analysis sees it: the engine's files by unit number,
// the problem record, the hand-over record of the case just analysed and the values the
// capacity analysis keeps from case to case. The load-settlement computations and the run
// around the analysis build their own parts on it.
#pragma once

#include "CaseHandOver.h"
#include "ProblemRecord.h"
#include "UnitTable.h"

namespace tvx {

// Values the capacity analysis keeps across the cases of one run.
struct CapacityRunValues {
  // Number of plotted lines of the run (the cases the enumeration plans to plot), set before
  // the first case.
  int NLINES = 0;
  // Cumulative side resistance (tons) at the first step of the run in a weak-rock layer;
  // taken once per run, later cases use the same value.
  float QSW = 0.0f;
  bool QSWTaken = false;
  // Compressive strength (psf) of the last rock step (types 4 to 7), for the report note
  // on rock weaker than 1000 psi.
  float lastRockQu = 0.0f;
  bool anyRockStep = false;
};

struct CapacityState {
  UnitTable units;
  ProblemRecord problem;
  CaseHandOver handOver;  // the case just analysed, for the load-settlement computations
  CapacityRunValues capacity;
};

}  // namespace tvx
