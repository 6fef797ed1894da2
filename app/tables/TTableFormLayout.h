#pragma once
// The numbers of a table's editing window, worked out from the table alone: which table
// column each grid column shows, the heading rows and their texts, the row-group number of
// every row, the column widths, how many rows are visible at once, where Enter moves, and
// how a window size snaps to whole columns and rows.
//
// Grid columns count the data columns only (0 is the first visible table column); the
// row-group numbers form the fixed column in front of them.
#include <QString>
#include <utility>
#include <vector>

#include "TColumn.h"

class TGridTable;

class TTableFormLayout {
 public:
  static constexpr int kMaxVisibleRows = 10;

  // Raises ETableError "There must be at least 2 columns in grid" for a table without a
  // visible column (the fixed column alone).
  explicit TTableFormLayout(const TGridTable& table);

  int DataColumnCount() const { return int(fVisible.size()); }
  int RowCount() const { return fRowCount; }
  // The table column shown in grid column `gridCol`; "Index out of bounds" outside.
  int TableColumn(int gridCol) const;
  // The grid column showing table column `tableCol`, -1 when it is hidden.
  int GridColumn(int tableCol) const;
  bool HasControl(int gridCol) const;

  int HeadingRows() const { return fHeadingRows; }
  // Heading line `line` of a grid column (with the unit name on a real column's last line).
  QString HeadingText(int gridCol, int line) const;
  // All heading lines of a grid column, one per heading row.
  QString HeaderLabel(int gridCol) const;

  // The row-group number shown in the fixed column: row / RowGroup + 1.
  int GroupNumber(int row) const { return row / fRowGroup + 1; }
  int VisibleRows() const;

  // Pixel widths of the grid columns at `dpi` pixels per inch.
  std::vector<int> ColumnWidths(int dpi, const TTextWidth& textWidth) const;

  // The cell Enter moves to: the next row; from the last row the first row of the next
  // column; from the last column the first column.
  std::pair<int, int> NextCell(int gridCol, int row) const;

  // Snapping: the largest width of whole columns (after the fixed part) that fits in
  // `width`, at least the first column; and the same for rows of `rowHeight`.
  static int SnapWidth(int width, int fixedWidth, const std::vector<int>& columnWidths);
  static int SnapHeight(int height, int fixedHeight, int rowHeight, int rowCount);

 private:
  const TGridTable& fTable;
  std::vector<int> fVisible;
  int fHeadingRows = 0;
  int fRowGroup = 1;
  int fRowCount = 0;
};
