#include "TTableFormLayout.h"

#include <QStringList>
#include <algorithm>

#include "ETableError.h"
#include "TGridTable.h"
#include "TableMessages.h"

TTableFormLayout::TTableFormLayout(const TGridTable& table) : fTable(table) {
  for (int i = 0; i < table.ColCount(); ++i)
    if (table.GetColumn(i)->Visible()) fVisible.push_back(i);
  if (fVisible.empty()) throw ETableError(TableText::TooFewGridColumns());
  fHeadingRows = table.HeadingRows();
  fRowGroup = std::max(table.RowGroup(), 1);
  fRowCount = table.RowCount();
}

int TTableFormLayout::TableColumn(int gridCol) const {
  if (gridCol < 0 || gridCol >= DataColumnCount()) throw ETableError(TableText::IndexOutOfBounds());
  return fVisible[std::size_t(gridCol)];
}

int TTableFormLayout::GridColumn(int tableCol) const {
  const auto it = std::find(fVisible.begin(), fVisible.end(), tableCol);
  return it == fVisible.end() ? -1 : int(it - fVisible.begin());
}

bool TTableFormLayout::HasControl(int gridCol) const {
  return fTable.GetColumn(TableColumn(gridCol))->HasControl();
}

QString TTableFormLayout::HeadingText(int gridCol, int line) const {
  const TColumn* column = fTable.GetColumn(TableColumn(gridCol));
  return line < column->DisplayHeadingCount() ? column->GetDisplayHeadings(line) : QString();
}

QString TTableFormLayout::HeaderLabel(int gridCol) const {
  QStringList lines;
  for (int line = 0; line < fHeadingRows; ++line) lines << HeadingText(gridCol, line);
  return lines.join(QLatin1Char('\n'));
}

int TTableFormLayout::VisibleRows() const {
  return std::clamp(fRowCount, 1, kMaxVisibleRows);
}

std::vector<int> TTableFormLayout::ColumnWidths(int dpi, const TTextWidth& textWidth) const {
  std::vector<int> widths;
  for (int col : fVisible) widths.push_back(fTable.GetColumn(col)->PreferredWidth(dpi, textWidth));
  return widths;
}

std::pair<int, int> TTableFormLayout::NextCell(int gridCol, int row) const {
  if (row + 1 < fRowCount) return {gridCol, row + 1};
  if (gridCol + 1 < DataColumnCount()) return {gridCol + 1, 0};
  return {0, 0};
}

int TTableFormLayout::SnapWidth(int width, int fixedWidth, const std::vector<int>& columnWidths) {
  int total = fixedWidth;
  for (std::size_t i = 0; i < columnWidths.size(); ++i) {
    if (i > 0 && total + columnWidths[i] > width) break;
    total += columnWidths[i];
  }
  return total;
}

int TTableFormLayout::SnapHeight(int height, int fixedHeight, int rowHeight, int rowCount) {
  if (rowHeight <= 0) return fixedHeight;
  const int rows = std::clamp((height - fixedHeight) / rowHeight, 1, std::max(rowCount, 1));
  return fixedHeight + rows * rowHeight;
}
