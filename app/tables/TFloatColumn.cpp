#include "TFloatColumn.h"

#include "CellEntry.h"
#include "ETableError.h"
#include "NumberText.h"
#include "TGridTable.h"
#include "TStreamReader.h"
#include "TStreamWriter.h"
#include "TableMessages.h"
#include "Units.h"

void TFloatColumn::InsertValues(int at, int count) {
  fValues.insert(fValues.begin() + at, std::size_t(count), fDefault);
}

void TFloatColumn::EraseValue(int row) { fValues.erase(fValues.begin() + row); }

long double TFloatColumn::GetFloatValue(int row) const {
  CheckRow(row);
  return fValues[std::size_t(row)];
}

void TFloatColumn::Store(int row, long double value) {
  CheckRow(row);
  fValues[std::size_t(row)] = value;
}

TFloatColumn* TFloatColumn::BottomColumn() const {
  const int index = fOwner ? fOwner->IndexOf(this) : -1;
  TFloatColumn* next =
      index >= 0 ? dynamic_cast<TFloatColumn*>(fOwner->GetColumn(index + 1)) : nullptr;
  if (!next) throw ETableError(TableText::TopDepthNeedsFloat());
  return next;
}

TFloatColumn* TFloatColumn::TopColumn() const {
  const int index = fOwner ? fOwner->IndexOf(this) : -1;
  if (index < 1) return nullptr;
  auto* previous = dynamic_cast<TFloatColumn*>(fOwner->GetColumn(index - 1));
  return previous && previous->fTopDepth ? previous : nullptr;
}

void TFloatColumn::SetFloatValue(int row, long double value) {
  CheckRow(row);
  TFloatColumn* bottom = fTopDepth ? BottomColumn() : nullptr;
  TFloatColumn* top = TopColumn();
  const auto [first, last] = RowsSharing(row);
  for (int r = first; r < last; ++r) {
    fValues[std::size_t(r)] = value;
    if (bottom && r > 0) {
      bottom->Store(r - 1, value);
      bottom->CellChanged(r - 1);
    }
    if (top && r + 1 < top->Count()) {
      top->Store(r + 1, value);
      top->CellChanged(r + 1);
    }
    CellChanged(r);
  }
}

QString TFloatColumn::GetStringValue(int row) const {
  return FormatGeneral(GetFloatValue(row), kShownDigits, UserDecimalPoint());
}

void TFloatColumn::SetStringValue(int row, const QString& text) {
  CheckRow(row);
  SetFloatValue(row, EvaluateCellEntry(text));
}

int TFloatColumn::DisplayHeadingCount() const {
  const int lines = TColumn::DisplayHeadingCount();
  return fUnitsString.isEmpty() || lines > 0 ? lines : 1;
}

QString TFloatColumn::GetDisplayHeadings(int line) const {
  const QString text = TColumn::GetDisplayHeadings(line);
  if (fUnitsString.isEmpty() || line != DisplayHeadingCount() - 1) return text;
  const int units = fOwner ? fOwner->Units() : kUnitsEnglish;
  return TableText::UnitHeading(text, UnitDisplayName(fUnitsString, units));
}

void TFloatColumn::SetUnits(int from, int to) {
  const long double factor = ConversionFactor(fUnitsString, from, to);
  if (factor == 1) return;
  for (long double& value : fValues) value *= factor;
}

void TFloatColumn::WriteTo(TStreamWriter& writer, TColumnStreamForm form) const {
  TColumn::WriteTo(writer, form);
  writer.WriteBoolean(fTopDepth);
  if (form == TColumnStreamForm::Current) {
    writer.WriteString(TableText::FloatColumnMarker());
    writer.WriteString(fUnitsString);
    writer.WriteFloat(fDefault);
  } else {
    writer.WriteString(fUnitsString);
  }
}

void TFloatColumn::ReadFrom(TStreamReader& reader) {
  TColumn::ReadFrom(reader);
  fTopDepth = reader.ReadBoolean();
  const QString first = reader.ReadString();
  if (first == TableText::FloatColumnMarker()) {
    fUnitsString = reader.ReadString();
    fDefault = reader.ReadFloat();
  } else {
    fUnitsString = first;
    fDefault = 0;
  }
}

std::unique_ptr<TColumn> TFloatColumn::Clone(TGridTable* newOwner) const {
  auto copy = std::make_unique<TFloatColumn>(newOwner);
  CopyBaseTo(*copy);
  copy->fDefault = fDefault;
  copy->fTopDepth = fTopDepth;
  copy->fUnitsString = fUnitsString;
  return copy;
}
