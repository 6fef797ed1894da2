#include "TGridTable.h"

#include <QPixmap>
#include <algorithm>
#include <set>

#include "ETableError.h"
#include "TColumnClasses.h"
#include "TFloatColumn.h"
#include "TTableColumn.h"
#include "TTableForm.h"
#include "TableMessages.h"

namespace {

std::vector<TGridTable*>& AllTables() {
  static std::vector<TGridTable*> tables;
  return tables;
}

int& IdentifierCounter() {
  static int counter = 0;
  return counter;
}

TGridTable::TFormHost& Host() {
  static TGridTable::TFormHost host;
  return host;
}

}  // namespace

const std::vector<TGridTable*>& TGridTable::Registry() { return AllTables(); }

TGridTable* TGridTable::FindByIdentifier(int identifier) {
  if (identifier < 0) return nullptr;
  for (TGridTable* table : AllTables())
    if (table->fIdentifier == identifier) return table;
  return nullptr;
}

TGridTable::TGridTable(TGridTable* ownerTable) : fOwnerTable(ownerTable) {
  // The counter skips identifiers that tables were given explicitly, so that no two tables
  // ever bear the same one.
  int& counter = IdentifierCounter();
  while (FindByIdentifier(counter)) ++counter;
  fIdentifier = counter++;
  fUnits = ownerTable ? ownerTable->Units() : 1;
  AllTables().push_back(this);
}

TGridTable::~TGridTable() {
  if (fForm) {
    TTableForm* form = fForm;
    fForm = nullptr;
    form->DetachTable();
    delete form;
  }
  fColumns.clear();
  auto& all = AllTables();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

std::unique_ptr<TGridTable> TGridTable::CreateCopy(TGridTable* owner, int id,
                                                   const TGridTable& source) {
  auto copy = std::make_unique<TGridTable>(owner);
  copy->fName = source.fName;
  copy->fCaption = source.fCaption;
  copy->fComments = source.fComments;
  copy->fTopLeft = source.fTopLeft;
  copy->fHelpPicture = source.fHelpPicture;
  copy->fHelpPicturePath = source.fHelpPicturePath;
  copy->fMinRows = source.fMinRows;
  copy->fMaxRows = source.fMaxRows;
  copy->fRowGroup = source.fRowGroup;
  copy->fHardwiredButton = source.fHardwiredButton;
  copy->fID = id;
  copy->fTemplate = &source;
  for (const auto& column : source.fColumns) {
    copy->fColumns.push_back(column->Clone(copy.get()));
    copy->WireColumn(copy->fColumns.back().get());
  }
  copy->SetRowCount(copy->fMinRows);
  return copy;
}

void TGridTable::WireColumn(TColumn* column) {
  column->OnGetRowGroup = [this] { return fRowGroup; };
  column->OnCellChange = [this](TColumn* changed, int row) {
    const int col = IndexOf(changed);
    if (OnCellChange) OnCellChange(col, row);
    RefreshForm();
  };
  column->OnEnterControl = [this](TColumn* used, int row) { ControlUsed(IndexOf(used), row); };
}

TColumn* TGridTable::InsertColumn(int index, int classId) {
  std::unique_ptr<TColumn> column = TColumnClasses::Create(classId, this);
  if (!column) throw ETableError(TableText::ColumnClassUndefined());
  index = std::clamp(index, 0, ColCount());
  TColumn* raw = column.get();
  WireColumn(raw);
  fColumns.insert(fColumns.begin() + index, std::move(column));
  raw->InsertRows(0, fRowCount);
  MajorChange();
  return raw;
}

TColumn* TGridTable::AddColumn(int classId) { return InsertColumn(ColCount(), classId); }

TColumn* TGridTable::ReplaceColumn(int index, int classId) {
  CheckedColumn(index);
  std::unique_ptr<TColumn> column = TColumnClasses::Create(classId, this);
  if (!column) throw ETableError(TableText::ColumnClassUndefined());
  TColumn* raw = column.get();
  WireColumn(raw);
  fColumns[std::size_t(index)] = std::move(column);
  raw->InsertRows(0, fRowCount);
  MajorChange();
  return raw;
}

void TGridTable::DeleteColumn(int index) {
  CheckedColumn(index);
  fColumns.erase(fColumns.begin() + index);
  MajorChange();
}

void TGridTable::SetColumns(std::vector<std::unique_ptr<TColumn>> columns) {
  fColumns = std::move(columns);
  for (auto& column : fColumns) WireColumn(column.get());
  const int rows = fRowCount;
  fRowCount = 0;
  for (auto& column : fColumns)
    while (column->Count() > 0) column->DeleteRow(column->Count() - 1);
  InsertRows(0, rows);
  MajorChange();
}

TColumn* TGridTable::GetColumn(int index) const {
  if (index < 0 || index >= ColCount()) return nullptr;
  return fColumns[std::size_t(index)].get();
}

TColumn* TGridTable::CheckedColumn(int col) const {
  TColumn* column = GetColumn(col);
  if (!column) throw ETableError(TableText::IndexOutOfBounds());
  return column;
}

int TGridTable::IndexOf(const TColumn* column) const {
  for (std::size_t i = 0; i < fColumns.size(); ++i)
    if (fColumns[i].get() == column) return int(i);
  return -1;
}

void TGridTable::KeepTopDepthPairs(int from, int to) {
  for (const auto& column : fColumns) {
    auto* top = dynamic_cast<TFloatColumn*>(column.get());
    if (!top || !top->TopDepth()) continue;
    TFloatColumn* bottom = top->BottomColumn();
    for (int row = std::max(from, 1); row <= to && row < fRowCount; ++row)
      top->Store(row, bottom->GetFloatValue(row - 1));
  }
}

void TGridTable::InsertRows(int at, int count) {
  if (count <= 0) return;
  at = std::clamp(at, 0, fRowCount);
  fRowCount += count;
  for (const auto& column : fColumns) column->InsertRows(at, count);
  // New rows, and the row after them, take their top from the bottom of the row above.
  KeepTopDepthPairs(at, at + count);
}

void TGridTable::DeleteRow(int row) {
  if (row < 0 || row >= fRowCount) throw ETableError(TableText::IndexOutOfBounds());
  for (const auto& column : fColumns) column->DeleteRow(row);
  --fRowCount;
  KeepTopDepthPairs(row, row);
}

void TGridTable::SetRowCount(int count) {
  count = std::max(count, 0);
  if (count == fRowCount) return;
  if (count > fRowCount) {
    InsertRows(fRowCount, count - fRowCount);
  } else {
    while (fRowCount > count) DeleteRow(fRowCount - 1);
  }
  RefreshForm();
}

void TGridTable::AddRowGroup() {
  InsertRows(fRowCount, fRowGroup);
  MajorChange();
}

void TGridTable::InsertRowGroup(int row) {
  row = std::clamp(row, 0, fRowCount);
  InsertRows(row - row % fRowGroup, fRowGroup);
  MajorChange();
}

void TGridTable::DeleteRowGroup(int row) {
  if (row < 0 || row >= fRowCount) throw ETableError(TableText::IndexOutOfBounds());
  const int first = row - row % fRowGroup;
  const int last = std::min(first + fRowGroup, fRowCount);
  for (int r = last - 1; r >= first; --r) DeleteRow(r);
  MajorChange();
}

bool TGridTable::CellExists(int col, int row) const {
  return col >= 0 && col < ColCount() && row >= 0 && row < fRowCount;
}

TData* TGridTable::GetData(int col, int row) const {
  TData* data = CheckedColumn(col)->Data(row);
  if (!data) throw ETableError(TableText::IndexOutOfBounds());
  return data;
}

long double TGridTable::GetFloatValue(int col, int row) const {
  return CheckedColumn(col)->GetFloatValue(row);
}
void TGridTable::SetFloatValue(int col, int row, long double value) {
  CheckedColumn(col)->SetFloatValue(row, value);
}
int TGridTable::GetIntValue(int col, int row) const { return CheckedColumn(col)->GetIntValue(row); }
void TGridTable::SetIntValue(int col, int row, int value) {
  CheckedColumn(col)->SetIntValue(row, value);
}
QString TGridTable::GetStringValue(int col, int row) const {
  return CheckedColumn(col)->GetStringValue(row);
}
void TGridTable::SetStringValue(int col, int row, const QString& text) {
  CheckedColumn(col)->SetStringValue(row, text);
}
TGridTable* TGridTable::GetDataValue(int col, int row) const {
  return CheckedColumn(col)->GetDataValue(row);
}
QObject* TGridTable::GetObjValue(int col, int row) const {
  return CheckedColumn(col)->GetObjValue(row);
}

int TGridTable::HeadingRows() const {
  int rows = 0;
  for (const auto& column : fColumns)
    if (column->Visible()) rows = std::max(rows, column->DisplayHeadingCount());
  return rows;
}

bool TGridTable::HasVisibleColumns() const {
  return std::any_of(fColumns.begin(), fColumns.end(),
                     [](const auto& column) { return column->Visible(); });
}

bool TGridTable::Changed() const {
  if (fChanged) return true;
  return std::any_of(fColumns.begin(), fColumns.end(),
                     [](const auto& column) { return column->Changed(); });
}

void TGridTable::SetChanged(bool value) {
  if (value) fChanged = true;
  else ResetChanged();
}

void TGridTable::ResetChanged() {
  fChanged = false;
  for (const auto& column : fColumns) column->ResetChanged();
}

void TGridTable::SetUnits(int units) {
  if (units == fUnits) return;
  for (const auto& column : fColumns) column->SetUnits(fUnits, units);
  fUnits = units;
  MajorChange();
}

QString TGridTable::FullCaption() const {
  QString ids;
  for (const TGridTable* table = this; table && table->fOwnerTable; table = table->fOwnerTable)
    ids.prepend(QLatin1Char(' ') + QString::number(table->fID));
  return fCaption + ids;
}

void TGridTable::SetIdentifier(int identifier) {
  if (identifier == fIdentifier) return;
  if (TGridTable* other = FindByIdentifier(identifier)) other->fIdentifier = fIdentifier;
  fIdentifier = identifier;
}

void TGridTable::SetMinRows(int value) {
  if (value <= 0) throw ETableError(TableText::MinRowsPositive());
  fMinRows = value;
}

void TGridTable::SetHelpPicturePath(const QString& path) {
  fHelpPicturePath = path;
  fHelpPicture = path.isEmpty() ? QPixmap() : QPixmap(path);
}

void TGridTable::SetColControlParent(QWidget* parent) {
  if (parent != fColControlParent)
    for (const auto& column : fColumns)
      if (column->ControlsAllocated()) throw ETableError(TableText::ParentWithControlsError());
  fColControlParent = parent;
}

void TGridTable::FirstColumnChanged(int row) {
  for (const auto& column : fColumns)
    if (auto* tables = dynamic_cast<TTableColumn*>(column.get())) tables->ReplaceRow(row);
}

void TGridTable::ControlUsed(int, int) {
  fChanged = true;
  if (fForm) fForm->Refresh();
}

void TGridTable::MajorChange() {
  if (OnMajorChange) OnMajorChange();
  if (fForm) fForm->Rebuild();
}

void TGridTable::RefreshForm() {
  if (fForm) fForm->Refresh();
}

TTableForm* TGridTable::Form() const { return fForm; }

void TGridTable::AttachForm(TTableForm* form) { fForm = form; }

void TGridTable::DetachForm(TTableForm* form) {
  if (fForm == form) fForm = nullptr;
}

void TGridTable::SetFormHost(TFormHost host) { Host() = std::move(host); }
const TGridTable::TFormHost& TGridTable::FormHost() { return Host(); }

void TGridTable::Show() {
  if (!HasVisibleColumns()) return;
  if (fForm) {
    fForm->show();
    fForm->raise();
    fForm->activateWindow();
    return;
  }
  auto* form = new TTableForm(this, false);
  form->Open();
}

int TGridTable::ShowModal() {
  if (!HasVisibleColumns()) return 0;
  if (fForm) {
    fForm->close();
    if (fForm) return 0;
  }
  auto* form = new TTableForm(this, true);
  return form->OpenModal();
}

void TGridTable::Hide() {
  for (const auto& column : fColumns) column->Hide();
  if (fForm) fForm->close();
}

bool TGridTable::IsModal() const { return fForm && fForm->IsModal(); }
bool TGridTable::FormVisible() const { return fForm && fForm->isVisible(); }
int TGridTable::FormWidth() const { return fForm ? fForm->width() : 0; }
int TGridTable::FormHeight() const { return fForm ? fForm->height() : 0; }

void TGridTable::Update() {
  if (!fForm) return;
  fForm->Rebuild();
}

void TGridTable::Updater() {
  if (fForm) fForm->close();
}
