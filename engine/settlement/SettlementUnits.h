// Output units of the load-settlement listings, tables and plot data. The computation works
// in inches, pounds and psi; English output is feet or inches, tons and psi, SI output
// metres, kN and kPa.
#pragma once

#include "Constants.h"

namespace tvx {

struct SettlementUnits {
  bool si = false;

  // Depths and lengths in feet (English) or metres (SI), from inches.
  float Length(float in) const { return si ? in / kInchesPerMetreAsTabulated : in / kInchesPerFoot; }
  // Depths in inches (English) or metres (SI), from inches.
  float DepthIn(float in) const { return si ? in / kInchesPerMetreAsTabulated : in; }
  // Movements in inches or metres.
  float Movement(float in) const { return si ? in / kInchesPerMetreAsTabulated : in; }
  // Loads in tons or kN, from pounds.
  float Load(float lb) const { return si ? lb * kKnPerKlb / 1000.0f : lb / kLbPerTon; }
  // Unit load transfer in psi or kPa.
  float Transfer(float psi) const { return si ? psi * kKpaPerPsi : psi; }

  const char* LengthLabel() const { return si ? " M." : "FT."; }
  const char* DepthLabel() const { return si ? " M." : "IN."; }
  const char* MovementLabel() const { return si ? " M." : "IN."; }
  const char* LoadLabel() const { return si ? "KN." : "TON"; }
  const char* TransferLabel() const { return si ? "KPA" : "PSI"; }
  const char* AreaLabel() const { return si ? " SQ M" : "SQ IN"; }
  const char* LengthWord() const { return si ? "M" : "FT"; }
};

}  // namespace tvx
