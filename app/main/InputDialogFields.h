#pragma once
// The numeric fields of the small input windows: for each field its control name, label,
// unit string, upper limit, hint, the notes beside it, the document value it edits, and
// whether typing in it marks the document changed. The windows build their fields from these
// lists, so what a field shows and where its number goes is decided here.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "TProgramData.h"

struct TDocumentField {
  const char* Name;                    // the control, DataEdit1 ...
  const char* Caption;                 // the label without its unit
  const char* UnitsString;             // empty: no unit
  std::optional<long double> Maximum;  // none: no upper limit (no field has a lower one)
  const char* Hint;                    // empty: none
  QStringList Notes;                   // shown with the field, enabled with it
  long double TProgramData::*Value;    // none for fields with a write-back rule of their own
  bool MarksChanged;                   // typing in the field marks the document changed
};

namespace InputDialogFields {

// Drilled-shaft properties: DSTART, DIALIM, RATIO, BELANGL, TOPLENG, BS, EPILE.
const std::vector<TDocumentField>& ShaftProperties();
enum {
  kMinimumDiameter,
  kMaximumDiameter,
  kBaseRatio,
  kBellAngle,
  kTopExclusion,
  kBottomExclusion,
  kShaftModulus
};
// The fixed note under the shaft-property fields, one text per line (empty: a blank line).
QStringList ShaftPropertiesNote();

// The water table: WTD.
const std::vector<TDocumentField>& WaterTable();
const TDocumentField& ShaftLength();
const TDocumentField& DesignLoad();
// The reduction factor of the shaft-length and design-load windows (initially 1).
const TDocumentField& UpliftReduction();
const std::vector<TDocumentField>& SafetyFactors();

// Control options: the output increment and the elevation of the shaft top.
const TDocumentField& OutputIncrement();
const TDocumentField& TopElevation();

// Multiple shaft lengths: PD, PDMIN, PDINCR.
const std::vector<TDocumentField>& VaryLengths();
// Design charts: PD, PDMIN, PDINCR, DIAMINCR.
const std::vector<TDocumentField>& ChartRanges();

}  // namespace InputDialogFields
