#include "TSoilBandStyle.h"

#include <array>

namespace {

struct TStyleRow {
  const char* name;
  Qt::BrushStyle hatch;
  int r, g, b;
};

// By type code 1..9. Qt's BDiagPattern rises from left to right.
constexpr std::array<TStyleRow, 9> kStyles = {{
    {"Sand", Qt::VerPattern, 192, 192, 192},
    {"Clay", Qt::BDiagPattern, 128, 128, 0},
    {"Shale", Qt::DiagCrossPattern, 128, 0, 128},
    {"Strong Rock", Qt::CrossPattern, 166, 202, 240},
    {"Decomposed Rock/Gravel", Qt::CrossPattern, 128, 0, 0},
    {"Weak Rock", Qt::CrossPattern, 0, 255, 255},
    {"Strong Rock", Qt::CrossPattern, 166, 202, 240},
    {"Gravelly Sand", Qt::DiagCrossPattern, 0, 0, 255},
    {"Gravel", Qt::DiagCrossPattern, 255, 0, 255},
}};

}  // namespace

TSoilBandStyle SoilBandStyle(int soilType) {
  if (soilType < 1 || soilType > int(kStyles.size()))
    return {QString(), Qt::VerPattern, QColor(0, 0, 0)};
  const TStyleRow& row = kStyles[std::size_t(soilType - 1)];
  return {QString::fromLatin1(row.name), row.hatch, QColor(row.r, row.g, row.b)};
}
