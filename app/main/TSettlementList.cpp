#include "TSettlementList.h"

#include <algorithm>

#include "NumberText.h"
#include "TProgramData.h"
#include "Units.h"

namespace {

// The text of a settlement: the general form with 8 significant digits, as numeric fields
// show their values.
constexpr int kCellDigits = 8;

}  // namespace

void TSettlementList::Load(const TProgramData& doc) {
  fTexts.fill(QStringLiteral("1"));
  fCount = std::clamp(doc.NPOINTPD, 0, kMaxPoints);
  for (int i = 0; i < fCount; ++i)
    fTexts[std::size_t(i)] =
        FormatGeneral(doc.PDSETT[std::size_t(i)], kCellDigits, UserDecimalPoint());
}

bool TSettlementList::SetCount(int count) {
  if (count < 1 || count > kMaxPoints) return false;
  fCount = count;
  return true;
}

void TSettlementList::SetText(int row, const QString& text) {
  if (row >= 0 && row < kMaxPoints) fTexts[std::size_t(row)] = text;
}

int TSettlementList::Store(TProgramData& doc) const {
  doc.NPOINTPD = fCount;
  for (int i = 0; i < fCount; ++i) {
    long double value = 0;
    if (ParseDecimal(fTexts[std::size_t(i)].trimmed(), UserDecimalPoint(), value) !=
        TDecimalParse::Ok)
      return i;
    doc.PDSETT[std::size_t(i)] = value;
  }
  return -1;
}

QString TSettlementList::SettlementHeading(int units) {
  return units == kUnitsSI ? QStringLiteral("Settlement (m)") : QStringLiteral("Settlement (in)");
}
