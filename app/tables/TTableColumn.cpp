#include "TTableColumn.h"

#include <QPushButton>
#include <algorithm>

#include "TEnumColumn.h"
#include "TGridTable.h"
#include "TStreamReader.h"
#include "TStreamWriter.h"
#include "TTableForm.h"
#include "TableMessages.h"

TTableColumn::TTableColumn(TGridTable* owner) : TColumn(owner) {}

TTableColumn::~TTableColumn() { ReleaseControls(); }

TTableColumn::TCell TTableColumn::MakeCell(int row) const {
  TCell cell;
  if (!fOwner) return cell;
  int entry = 0;
  const TColumn* first = fOwner->GetColumn(0);
  if (const auto* choice = dynamic_cast<const TEnumColumn*>(first))
    entry = row < choice->Count() ? ChoiceIndex(choice->GetIntValue(row)) : -1;
  const TGridTable* source = fTemplates.Resolve(entry);
  // A template that (through its own table columns) names itself would be copied without
  // end: inside a copy of a template, that template is not copied again.
  for (const TGridTable* t = fOwner; source && t; t = t->OwnerTable())
    if (t == source || t->Template() == source) source = nullptr;
  if (source) {
    cell.Table = TGridTable::CreateCopy(fOwner, row + 1, *source);
  } else if (fOwner->OnInitRow) {
    cell.Object.reset(fOwner->OnInitRow(fOwner->IndexOf(this), row));
    if (cell.Object && fOwner->OnSetRow) fOwner->OnSetRow(cell.Object.get(), row);
  }
  return cell;
}

void TTableColumn::Renumber(int from) {
  for (int row = std::max(from, 0); row < int(fCells.size()); ++row) {
    TCell& cell = fCells[std::size_t(row)];
    if (cell.Table) cell.Table->SetID(row + 1);
    else if (cell.Object && fOwner && fOwner->OnSetRow) fOwner->OnSetRow(cell.Object.get(), row);
  }
}

void TTableColumn::InsertValues(int at, int count) {
  for (int row = at; row < at + count; ++row) fCells.insert(fCells.begin() + row, TCell{});
  for (int row = at; row < at + count; ++row) fCells[std::size_t(row)] = MakeCell(row);
  Renumber(at + count);
}

void TTableColumn::EraseValue(int row) {
  fCells.erase(fCells.begin() + row);
  Renumber(row);
}

void TTableColumn::ReplaceRow(int row) {
  CheckRow(row);
  fCells[std::size_t(row)] = TCell{};  // the old sub-table (and its window) goes first
  fCells[std::size_t(row)] = MakeCell(row);
  CellChanged(row);
}

TGridTable* TTableColumn::GetDataValue(int row) const {
  CheckRow(row);
  return fCells[std::size_t(row)].Table.get();
}

QObject* TTableColumn::GetObjValue(int row) const {
  CheckRow(row);
  return fCells[std::size_t(row)].Object.get();
}

bool TTableColumn::Changed() const {
  for (const TCell& cell : fCells) {
    if (cell.Table && cell.Table->Changed()) return true;
    if (cell.Object && fOwner && fOwner->OnGetChanged && fOwner->OnGetChanged(cell.Object.get()))
      return true;
  }
  return false;
}

void TTableColumn::Hide() {
  for (const TCell& cell : fCells) {
    if (cell.Table) cell.Table->Hide();
    else if (cell.Object && fOwner && fOwner->OnHide) fOwner->OnHide(cell.Object.get());
  }
}

void TTableColumn::ResetChanged() {
  for (const TCell& cell : fCells) {
    if (cell.Table) cell.Table->ResetChanged();
    else if (cell.Object && fOwner && fOwner->OnResetChanged)
      fOwner->OnResetChanged(cell.Object.get());
  }
}

void TTableColumn::SetUnits(int, int to) {
  for (const TCell& cell : fCells) {
    if (cell.Table) cell.Table->SetUnits(to);
    else if (cell.Object && fOwner && fOwner->OnSetUnits) fOwner->OnSetUnits(cell.Object.get(), to);
  }
}

int TTableColumn::PreferredWidth(int dpi, const TTextWidth& textWidth) const {
  return std::max(TColumn::PreferredWidth(dpi, textWidth), dpi * 2);
}

void TTableColumn::WriteTo(TStreamWriter& writer, TColumnStreamForm form) const {
  TColumn::WriteTo(writer, form);
  auto identifierOf = [this](int i) {
    const TTableReference& ref = fTemplates.Item(i);
    return ref.ByIdentifier ? (ref.Value < 0 ? -1 : ref.Value) : fTemplates.IdentifierOf(i);
  };
  if (form == TColumnStreamForm::Current) {
    writer.WriteString(TableText::TableColumnMarker());
    writer.WriteListBegin();
    for (int i = 0; i < fTemplates.Count(); ++i) writer.WriteInteger(identifierOf(i));
    writer.WriteListEnd();
  } else {
    writer.WriteString(QString());
    writer.WriteInteger(fTemplates.Count() > 0 ? identifierOf(0) : -1);
  }
}

void TTableColumn::ReadFrom(TStreamReader& reader) {
  TColumn::ReadFrom(reader);
  fTemplates.Clear();
  fReadOlderForm = reader.ReadString() != TableText::TableColumnMarker();
  if (fReadOlderForm) {
    fOlderTemplate = reader.ReadInteger();
    fTemplates.AddIdentifier(fOlderTemplate);
    return;
  }
  reader.ReadListBegin();
  while (!reader.EndOfList()) fTemplates.AddIdentifier(reader.ReadInteger());
  reader.ReadListEnd();
}

std::unique_ptr<TColumn> TTableColumn::Clone(TGridTable* newOwner) const {
  auto copy = std::make_unique<TTableColumn>(newOwner);
  CopyBaseTo(*copy);
  copy->fTemplates = fTemplates;
  return copy;
}

QString TTableColumn::ButtonCaption(int row) const {
  CheckRow(row);
  const TCell& cell = fCells[std::size_t(row)];
  QString caption;
  if (cell.Table) caption = cell.Table->Caption();
  else if (cell.Object && fOwner && fOwner->OnGetButtonCaption)
    caption = fOwner->OnGetButtonCaption(cell.Object.get(), row);
  return TableText::SubTableButton(row + 1, caption);
}

void TTableColumn::ButtonClick(int row) {
  if (row < 0 || row >= Count()) return;
  const TCell& cell = fCells[std::size_t(row)];
  if (cell.Table) {
    if (fOwner && fOwner->IsModal()) cell.Table->ShowModal();
    else cell.Table->Show();
  } else if (cell.Object && fOwner && fOwner->OnButtonClick) {
    fOwner->OnButtonClick(cell.Object.get(), row);
  }
  if (OnEnterControl) OnEnterControl(this, row);
}

QWidget* TTableColumn::NewControl(QWidget* parent, int row) {
  auto* button = new QPushButton(parent);
  QObject::connect(button, &QPushButton::clicked, button, [this, row] { ButtonClick(row); });
  return button;
}

void TTableColumn::ShowValueInControl(QWidget* control, int row) {
  static_cast<QPushButton*>(control)->setText(ButtonCaption(row));
}
