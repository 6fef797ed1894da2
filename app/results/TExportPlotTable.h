#pragma once

#include <array>

#include "GraphicsMenuState.h"
#include "TResultPlots.h"

// The result plots the export offers, in export order: each position names its plot and the
// Graphics menu command whose enabled state decides whether the plot is offered.
struct TExportPlotRow {
  int Position;  // 1-based
  TResultPlots::Id Plot;
  TGraphicsItem Command;
};

inline constexpr int kExportPlotCount = 26;

const std::array<TExportPlotRow, kExportPlotCount>& ExportPlotTable();
