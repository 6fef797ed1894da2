#include "TColumn.h"

#include <algorithm>

#include "ETableError.h"
#include "TStreamReader.h"
#include "TStreamWriter.h"
#include "TableMessages.h"

TColumn::TColumn(TGridTable* owner) : fOwner(owner) {}

TColumn::~TColumn() { ReleaseControls(); }

void TColumn::WrongType() { throw ETableError(TableText::WrongDataType()); }

void TColumn::CheckRow(int row) const {
  if (row < 0 || row >= Count()) throw ETableError(TableText::IndexOutOfBounds());
}

void TColumn::InsertRows(int at, int count) {
  if (count <= 0) return;
  at = std::clamp(at, 0, Count());
  for (int i = 0; i < count; ++i)
    fData.insert(fData.begin() + at + i, std::make_unique<TData>(this));
  InsertValues(at, count);
}

void TColumn::DeleteRow(int row) {
  CheckRow(row);
  EraseValue(row);
  fData.erase(fData.begin() + row);
}

TData* TColumn::Data(int row) const {
  if (row < 0 || row >= Count()) return nullptr;
  return fData[std::size_t(row)].get();
}

int TColumn::RowOf(const TData* data) const {
  for (std::size_t i = 0; i < fData.size(); ++i)
    if (fData[i].get() == data) return int(i);
  return -1;
}

int TColumn::DisplayHeadingCount() const { return int(fHeading.size()); }

QString TColumn::GetDisplayHeadings(int line) const {
  return line >= 0 && line < fHeading.size() ? fHeading[line] : QString();
}

TGridTable* TColumn::GetDataValue(int) const { WrongType(); }
long double TColumn::GetFloatValue(int) const { WrongType(); }
void TColumn::SetFloatValue(int, long double) { WrongType(); }
int TColumn::GetIntValue(int) const { WrongType(); }
void TColumn::SetIntValue(int, int) { WrongType(); }
QObject* TColumn::GetObjValue(int) const { WrongType(); }
QString TColumn::GetStringValue(int) const { WrongType(); }
void TColumn::SetStringValue(int, const QString&) { WrongType(); }

int TColumn::RowGroup() const {
  const int group = OnGetRowGroup ? OnGetRowGroup() : 1;
  return std::max(group, 1);
}

int TColumn::PreferredWidth(int dpi, const TTextWidth& textWidth) const {
  int width = 0;
  if (textWidth)
    for (int line = 0; line < DisplayHeadingCount(); ++line)
      width = std::max(width, textWidth(GetDisplayHeadings(line)));
  return std::max(width + dpi / 12, dpi / 2);
}

void TColumn::SetUnits(int, int) {}

void TColumn::WriteTo(TStreamWriter& writer, TColumnStreamForm) const {
  writer.WriteStringList(fHeading);
  writer.WriteBoolean(fVisible);
  writer.WriteBoolean(fSameGroup);
}

void TColumn::ReadFrom(TStreamReader& reader) {
  fHeading = reader.ReadStringList();
  fVisible = reader.ReadBoolean();
  fSameGroup = reader.ReadBoolean();
}

std::pair<int, int> TColumn::RowsSharing(int row) const {
  if (!fSameGroup) return {row, row + 1};
  const int group = RowGroup();
  const int first = row - row % group;
  return {first, std::min(first + group, Count())};
}

void TColumn::CellChanged(int row) {
  RefreshControl(row);
  if (OnCellChange) OnCellChange(this, row);
}

void TColumn::CopyBaseTo(TColumn& other) const {
  other.fHeading = fHeading;
  other.fSameGroup = fSameGroup;
  other.fVisible = fVisible;
}

QWidget* TColumn::NewControl(QWidget*, int) { return nullptr; }

void TColumn::ShowValueInControl(QWidget*, int) {}

void TColumn::RefreshControl(int row) {
  if (!fAllocated) return;
  const int index = row - fControlTop;
  if (index < 0 || index >= int(fControls.size())) return;
  if (QWidget* control = fControls[std::size_t(index)]) ShowValueInControl(control, row);
}

void TColumn::AllocateControls(QWidget* parent, int topRow, int count) {
  if (!parent) throw ETableError(TableText::NullParent());
  if (topRow < 0 || topRow > Count()) throw ETableError(TableText::BadTopRow(topRow));
  if (count < 0 || topRow + count > Count()) throw ETableError(TableText::BadCount(count));
  if (fAllocated && fControlParent != parent) throw ETableError(TableText::ParentWithControls());
  ReleaseControls();
  if (!HasControl()) return;
  fControlParent = parent;
  fControlTop = topRow;
  fAllocated = true;
  for (int row = topRow; row < topRow + count; ++row) {
    QWidget* control = NewControl(parent, row);
    fControls.emplace_back(control);
    if (control) ShowValueInControl(control, row);
  }
}

void TColumn::ReleaseControls() {
  for (QPointer<QWidget>& control : fControls) delete control.data();
  fControls.clear();
  fControlParent = nullptr;
  fAllocated = false;
  fControlTop = 0;
}

QWidget* TColumn::ControlOfRow(int row) const {
  const int index = row - fControlTop;
  if (!fAllocated || index < 0 || index >= int(fControls.size()))
    throw ETableError(TableText::UnexpectedComboRow());
  return fControls[std::size_t(index)];
}
