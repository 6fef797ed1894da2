#pragma once
// What the editing window does to its table, without the window: committing the text of a
// cell and the three row buttons. Each tells whether it succeeded and, if not, the message
// the user is shown; a refused entry leaves the stored value as it was. Every successful
// change sets the table's changed flag.
#include <QString>

class TGridTable;
class TTableFormLayout;

struct TActionOutcome {
  bool Ok = true;
  QString Message;
};

class TTableFormActions {
 public:
  explicit TTableFormActions(TGridTable& table) : fTable(table) {}

  // The text of grid cell (gridCol, row) parsed into its column.
  TActionOutcome Commit(const TTableFormLayout& layout, int gridCol, int row, const QString& text);
  TActionOutcome AddRow();
  // A row group before the group of `currentRow`.
  TActionOutcome InsertRow(int currentRow);
  // The group of `currentRow`; "Grid.Row not in valid range" when it is no data row.
  TActionOutcome DeleteRow(int currentRow);

 private:
  TGridTable& fTable;
};
