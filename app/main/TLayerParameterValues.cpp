#include "TLayerParameterValues.h"

#include <cmath>

#include "LayerParameterPages.h"
#include "LayerTableCells.h"
#include "TGridTable.h"
#include "TSoilProfileTables.h"

TLayerParameterValues TLayerParameterValues::Read(const TGridTable& table, int soilType) {
  TLayerParameterValues v;
  v.SoilType = soilType;
  v.Values.assign(std::size_t(table.ColCount()), {0, 0});
  for (int col = 0; col < table.ColCount(); ++col)
    for (int row : {kRowTop, kRowBottom})
      if (row < table.RowCount()) v.At(col, row) = CellNumber(table, col, row);
  if (soilType == kSoilSand && SandColumn::Method < table.ColCount() && table.RowCount() > 0)
    v.Method = table.GetIntValue(SandColumn::Method, kRowTop);
  return v;
}

void TLayerParameterValues::Write(TGridTable& table) {
  if (SoilType == kSoilSand && SandColumn::Method < int(Values.size())) {
    const int stored = SandMethodToStore(Method);
    for (int row : {kRowTop, kRowBottom}) {
      At(SandColumn::Method, row) = stored;
      for (int col : SandColumnsUnused(stored))
        if (col < int(Values.size())) At(col, row) = 0;
    }
  }
  for (int col = 0; col < table.ColCount() && col < int(Values.size()); ++col)
    for (int row : {kRowTop, kRowBottom})
      if (row < table.RowCount()) {
        if (IsWholeNumberColumn(table, col)) At(col, row) = std::nearbyint(At(col, row));
        SetCellNumber(table, col, row, At(col, row));
      }
}
