#include "CheckData.h"

#include <QLocale>

#include "MainText.h"
#include "TGridTable.h"
#include "TSoilProfileTables.h"

namespace {

// Least layer thickness that keeps the depth stepping sound.
constexpr long double kMinThicknessFeet = 2.0L;
constexpr long double kMinThicknessMetres = 0.6L;
// Depths are typed with a few decimals; their binary differences can miss an exact limit
// by a rounding error, which must not count as too thin or too short (ft or m).
constexpr long double kDepthRoundingTolerance = 1e-9L;

QString Number(long double value) {
  return QLocale().toString(static_cast<double>(value), 'g', QLocale::FloatingPointShortest);
}

bool Below(long double value, long double limit) {
  return value < limit - kDepthRoundingTolerance;
}

}  // namespace

TProfileCheck CheckData(const TGridTable& layers, int units, long double PD, long double DSTART) {
  TProfileCheck check;
  if (layers.RowCount() == 0) {
    check.Passed = false;
    check.Warning = MainText::NoSoilLayers();
    return check;
  }
  const bool si = units == 2;
  const QString unit = si ? QStringLiteral(" m") : QStringLiteral(" ft");
  const long double minimum = si ? kMinThicknessMetres : kMinThicknessFeet;

  long double previousBottom = 0;
  for (int row = 0; row < layers.RowCount(); ++row) {
    const long double bottom = layers.GetFloatValue(kLayerBottom, row);
    const long double thickness = bottom - previousBottom;
    if (Below(thickness, minimum)) {
      check.Passed = false;
      check.Warning = MainText::ThicknessWarning(Number(minimum), unit, row + 1, Number(thickness));
      return check;
    }
    previousBottom = bottom;
  }

  const long double required = PD + 2 * DSTART;
  if (Below(previousBottom, required)) {
    check.Passed = false;
    check.Warning = MainText::BottomDepthWarning(Number(previousBottom), unit, Number(required));
  }
  return check;
}
