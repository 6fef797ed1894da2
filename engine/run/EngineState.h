// The whole state of one engine run: the capacity analysis' and the load-settlement
// computations' parts (SettlementState) and the paths of the run-file list. ITORVEX builds a
// fresh state for every call, so nothing carries over from one analysis to the next.
#pragma once

#include <ctime>
#include <string>

#include "SettlementState.h"

namespace tvx {

// The paths of the run-file list, trailing blanks removed.
struct RunFileNames {
  std::string version;  // line 1, exactly 12 characters (cut or blank-padded)
  std::string input;    // .tv8d
  std::string report;   // .tv8o
  std::string plot;     // .tv8p
  std::string notes;    // .tv8r
  std::string curves;   // .tv8z
  std::string qwList;   // .tv8w
  std::string tzPlot;   // .tv8t
  std::string qwPlot;   // .tv8q
  std::string loadDist; // .tv8l
};

struct EngineState : SettlementState {
  RunFileNames files;
};

// The local date and time of the run. Tests replace the clock to get a fixed date.
using RunClock = std::tm (*)();
std::tm LocalTimeNow();
void SetRunClock(RunClock clock);  // nullptr restores the system clock
std::tm RunTime();

}  // namespace tvx
