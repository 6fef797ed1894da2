#include "TLine.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "GeneralFloatText.h"
#include "TGraphPlot.h"

TLine::TLine(TGraphPlot& owner, int count, long double value)
    : fOwner(owner), fValue(value) {
  SetCount(count);
}

void TLine::SetCount(int count) {
  fData.resize(count < 0 ? 0 : static_cast<std::size_t>(count));
}

TFloatPoint& TLine::Point(int i) {
  return const_cast<TFloatPoint&>(std::as_const(*this).Point(i));
}

const TFloatPoint& TLine::Point(int i) const {
  if (i < 0 || i >= Count())
    throw std::out_of_range("point " + std::to_string(i) + " of a line with " +
                            std::to_string(Count()) + " points");
  return fData[static_cast<std::size_t>(i)];
}

QString TLine::LineName() const {
  if (!fValueS.isEmpty()) return fValueS;
  return fOwner.CurveName() + GeneralFloatText(fValue);
}
