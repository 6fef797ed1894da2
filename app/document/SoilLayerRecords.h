#pragma once
// The parameter lines of a layer in the input file, by soil type: which value stands at
// each place of the two lines (row T, then row B). The writer and the readers walk the same
// lists, so the two cannot drift apart.
#include <vector>

enum class TLayerItemKind {
  Placeholder,   // the literal "0.0", skipped by readers
  Real,          // a real of the parameter table
  Integer,       // a whole number of the parameter table
  MaxSide,       // D: maximum side friction
  MaxEnd,        // D: maximum end bearing
  SideFactor,    // D: LRFD resistance factor for side friction
  EndFactor,     // D: LRFD resistance factor for end bearing
};

struct TLayerItem {
  TLayerItemKind Kind;
  int Column = -1;  // the parameter-table column of Real and Integer items
  // Files of the older releases hold an unused number at this place.
  bool UnusedInOlderLayouts = false;
};

// The items of each parameter line of `soilType`; empty for a code outside 1 to 9.
const std::vector<TLayerItem>& ParameterLineItems(int soilType);

// The placeholder token of layer lines.
constexpr const char* kPlaceholderText = "0.0";
