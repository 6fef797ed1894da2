#include "LayerTableCells.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "TColumn.h"
#include "TFloatColumn.h"
#include "TGridTable.h"

bool IsWholeNumberColumn(const TGridTable& table, int col) {
  return table.GetColumn(col)->ClassId() != TFloatColumn::kClassId;
}

long double CellNumber(const TGridTable& table, int col, int row) {
  if (IsWholeNumberColumn(table, col)) return table.GetIntValue(col, row);
  return table.GetFloatValue(col, row);
}

void SetCellNumber(TGridTable& table, int col, int row, long double value) {
  if (IsWholeNumberColumn(table, col)) {
    const long double rounded = std::clamp(std::nearbyint(value), static_cast<long double>(INT_MIN),
                                           static_cast<long double>(INT_MAX));
    table.SetIntValue(col, row, std::isnan(rounded) ? 0 : int(rounded));
  } else {
    table.SetFloatValue(col, row, value);
  }
}

void CopyParameterCells(const TGridTable& from, TGridTable& to) {
  const int cols = std::min(from.ColCount(), to.ColCount());
  const int rows = std::min(from.RowCount(), to.RowCount());
  for (int col = 0; col < cols; ++col)
    for (int row = 0; row < rows; ++row) SetCellNumber(to, col, row, CellNumber(from, col, row));
}
