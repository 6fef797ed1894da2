#include "TRowButtonState.h"

#include "TGridTable.h"

TRowButtonState TRowButtonState::Of(int minRows, int maxRows, int rowCount) {
  TRowButtonState state;
  state.Visible = minRows != maxRows;
  state.AddEnabled = rowCount != maxRows;
  state.InsertEnabled = rowCount != maxRows;
  state.DeleteEnabled = rowCount > minRows;
  return state;
}

TRowButtonState TRowButtonState::Of(const TGridTable& table) {
  return Of(table.MinRows(), table.MaxRows(), table.RowCount());
}
