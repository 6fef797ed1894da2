#include "PlotPalette.h"

#include <array>

namespace {

constexpr std::array<QRgb, kPlotPaletteSize> kPalette = {
    qRgb(0, 0, 0),       qRgb(0, 0, 255),     qRgb(255, 0, 0),     qRgb(0, 128, 0),
    qRgb(128, 0, 128),   qRgb(128, 0, 0),     qRgb(0, 0, 128),     qRgb(255, 0, 255),
    qRgb(128, 128, 0),   qRgb(0, 128, 128),   qRgb(128, 128, 128), qRgb(0, 255, 0),
    qRgb(128, 128, 128), qRgb(192, 192, 192), qRgb(192, 192, 192), qRgb(255, 255, 0),
    qRgb(0, 255, 255),
};

}  // namespace

QColor PlotPalette(int k) {
  return QColor(kPalette[static_cast<std::size_t>(((k % kPlotPaletteSize) + kPlotPaletteSize) %
                                                  kPlotPaletteSize)]);
}
