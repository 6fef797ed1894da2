#include "InputDialogRules.h"

#include <algorithm>

#include "TProgramData.h"

namespace InputDialogRules {

void StoreShaftLength(TProgramData& doc, long double length) {
  doc.PD = length;
  if (doc.PD > 0) doc.LPD = 0;
}

void StoreDesignLoad(TProgramData& doc, long double load) {
  doc.LPD = load;
  if (doc.LPD > 0) doc.PD = 0;
}

void StoreLoading(TProgramData& doc, bool uplift, long double reduction) {
  doc.KCYCL = uplift ? 2 : 1;
  doc.RCYCL = uplift ? reduction : 1;
}

bool MaximumDiameterEnabled(const TProgramData& doc) {
  return !(doc.METHOD == 2 && doc.IPENT == 1);
}

bool StoreTitle(TProgramData& doc, const QString& text) {
  if (text == doc.Title) return false;
  doc.Title = text;
  return true;
}

int TitleMaxLength(const QString& title) { return std::max<int>(kTitleLength, title.size()); }

}  // namespace InputDialogRules
