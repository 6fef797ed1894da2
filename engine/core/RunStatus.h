// Run status values returned by ITORVEX. Any value of 1 or more ends the analysis at once;
// the files are still merged and closed.
#pragma once

namespace tvx {

enum RunStatus : int {
  kStatusNormal = 0,
  kStatusBadArgument = 1,          // ITORVEX called with an argument other than 11
  kStatusDepthBeyondProfile = 2,   // a load-transfer depth lies beyond the soil profile
  kStatusTipBeyondProfile = 4,     // the tip curve's tip lies beyond the soil profile
  kStatusNeedAnotherLayer = 7,     // the profile is too short for the design load
  kStatusRunFileListUnreadable = 8,  // names.dat missing, short, or a line unreadable
  kStatusFileOpenFailed = 9,       // a file of the run-file list could not be opened
  kStatusInputUnreadable = 10,     // the problem input file is malformed or truncated, or holds
                                   // a value outside what the analysis takes
  kStatusNotFinite = 11,           // a computed value is not a finite number (printed as asterisks)
  kStatusInternalError = 99,       // an unexpected failure inside the engine (no result)
};

}  // namespace tvx
