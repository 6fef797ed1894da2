#include "TEnumColumn.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "CellEntry.h"
#include "EAssignError.h"
#include "TGridTable.h"
#include "TStreamReader.h"
#include "TStreamWriter.h"
#include "TableMessages.h"

void TEnumColumn::InsertValues(int at, int count) {
  fValues.insert(fValues.begin() + at, std::size_t(count), 1);
}

void TEnumColumn::EraseValue(int row) { fValues.erase(fValues.begin() + row); }

int TEnumColumn::GetIntValue(int row) const {
  CheckRow(row);
  return fValues[std::size_t(row)];
}

void TEnumColumn::SetIntValue(int row, int value) {
  CheckRow(row);
  const auto [first, last] = RowsSharing(row);
  for (int r = first; r < last; ++r) {
    const bool differs = fValues[std::size_t(r)] != value;
    fValues[std::size_t(r)] = value;
    if (differs && fOwner && fOwner->IndexOf(this) == 0) fOwner->FirstColumnChanged(r);
    CellChanged(r);
  }
}

QString TEnumColumn::GetStringValue(int row) const { return QString::number(GetIntValue(row)); }

void TEnumColumn::SetStringValue(int row, const QString& text) {
  CheckRow(row);
  const long double value = EvaluateCellEntry(text);
  if (value != std::trunc(value)) throw EAssignError(TableText::ValueMustBeInteger());
  const int count = int(fNames.size());
  if (value < 1 || value > count) throw EAssignError(TableText::EntryBetween(1, count));
  SetIntValue(row, int(value));
}

int TEnumColumn::PreferredWidth(int dpi, const TTextWidth& textWidth) const {
  int width = TColumn::PreferredWidth(dpi, textWidth);
  if (textWidth)
    for (const QString& name : fNames) width = std::max(width, textWidth(name) + dpi / 3);
  return std::max(width, dpi * 3 / 2);
}

void TEnumColumn::WriteTo(TStreamWriter& writer, TColumnStreamForm form) const {
  TColumn::WriteTo(writer, form);
  writer.WriteStringList(fNames);
}

void TEnumColumn::ReadFrom(TStreamReader& reader) {
  TColumn::ReadFrom(reader);
  fNames = reader.ReadStringList();
}

std::unique_ptr<TColumn> TEnumColumn::Clone(TGridTable* newOwner) const {
  auto copy = std::make_unique<TEnumColumn>(newOwner);
  CopyBaseTo(*copy);
  copy->fNames = fNames;
  return copy;
}

QWidget* TEnumColumn::NewControl(QWidget* parent, int row) {
  auto* box = new QComboBox(parent);
  box->addItems(fNames);
  box->setMaxVisibleItems(kDropDownLines);
  QObject::connect(box, &QComboBox::activated, box, [this, box, row](int index) {
    const int value = index + 1;
    if (row < Count() && value != fValues[std::size_t(row)]) SetIntValue(row, value);
    if (OnEnterControl) OnEnterControl(this, row);
    Q_UNUSED(box);
  });
  return box;
}

void TEnumColumn::ShowValueInControl(QWidget* control, int row) {
  auto* box = static_cast<QComboBox*>(control);
  const QSignalBlocker block(box);
  box->setCurrentIndex(row < Count() ? ChoiceIndex(fValues[std::size_t(row)]) : -1);
}
