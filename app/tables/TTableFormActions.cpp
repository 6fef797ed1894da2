#include "TTableFormActions.h"

#include "EAssignError.h"
#include "ETableError.h"
#include "TGridTable.h"
#include "TTableFormLayout.h"
#include "TableMessages.h"

TActionOutcome TTableFormActions::Commit(const TTableFormLayout& layout, int gridCol, int row,
                                         const QString& text) {
  try {
    if (row < 0 || row >= fTable.RowCount()) return {false, TableText::GridRowInvalid()};
    if (layout.HasControl(gridCol)) return {};
    const int col = layout.TableColumn(gridCol);
    fTable.SetStringValue(col, row, text);
    fTable.SetChanged(true);
    return {};
  } catch (const EAssignError& e) {
    return {false, e.Message()};
  } catch (const ETableError& e) {
    return {false, e.Message()};
  }
}

TActionOutcome TTableFormActions::AddRow() {
  fTable.AddRowGroup();
  fTable.SetChanged(true);
  return {};
}

TActionOutcome TTableFormActions::InsertRow(int currentRow) {
  if (currentRow < 0 || currentRow >= fTable.RowCount()) currentRow = 0;
  fTable.InsertRowGroup(currentRow);
  fTable.SetChanged(true);
  return {};
}

TActionOutcome TTableFormActions::DeleteRow(int currentRow) {
  if (currentRow < 0 || currentRow >= fTable.RowCount()) return {false, TableText::GridRowInvalid()};
  fTable.DeleteRowGroup(currentRow);
  fTable.SetChanged(true);
  return {};
}
