#include "TIntColumn.h"

#include <cmath>

#include "CellEntry.h"
#include "EAssignError.h"
#include "TGridTable.h"
#include "TStreamReader.h"
#include "TStreamWriter.h"
#include "TableMessages.h"

namespace {
// How far an entry may lie from a whole number and still count as one.
constexpr long double kWholeTolerance = 1e-10L;
}  // namespace

void TIntColumn::InsertValues(int at, int count) {
  fValues.insert(fValues.begin() + at, std::size_t(count), fDefault);
}

void TIntColumn::EraseValue(int row) { fValues.erase(fValues.begin() + row); }

int TIntColumn::GetIntValue(int row) const {
  CheckRow(row);
  return fValues[std::size_t(row)];
}

void TIntColumn::SetIntValue(int row, int value) {
  CheckRow(row);
  const auto [first, last] = RowsSharing(row);
  for (int r = first; r < last; ++r) {
    fValues[std::size_t(r)] = value;
    CellChanged(r);
  }
}

QString TIntColumn::GetStringValue(int row) const { return QString::number(GetIntValue(row)); }

void TIntColumn::SetStringValue(int row, const QString& text) {
  CheckRow(row);
  const long double value = EvaluateCellEntry(text);
  const long double rounded = std::nearbyint(value);
  if (fOwner && fOwner->FormVisible()) {
    if (std::fabs(value - rounded) > kWholeTolerance)
      throw EAssignError(TableText::EntryMustBeInteger());
    if (rounded < fMinimum || rounded > fMaximum)
      throw EAssignError(TableText::EntryBetween(fMinimum, fMaximum));
  }
  if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
    throw EAssignError(TableText::EntryBetween(fMinimum, fMaximum));
  SetIntValue(row, int(rounded));
}

void TIntColumn::WriteTo(TStreamWriter& writer, TColumnStreamForm form) const {
  TColumn::WriteTo(writer, form);
  writer.WriteInteger(fDefault);
  writer.WriteInteger(fMinimum);
  writer.WriteInteger(fMaximum);
}

void TIntColumn::ReadFrom(TStreamReader& reader) {
  TColumn::ReadFrom(reader);
  fDefault = reader.ReadInteger();
  fMinimum = reader.ReadInteger();
  fMaximum = reader.ReadInteger();
}

std::unique_ptr<TColumn> TIntColumn::Clone(TGridTable* newOwner) const {
  auto copy = std::make_unique<TIntColumn>(newOwner);
  CopyBaseTo(*copy);
  copy->fDefault = fDefault;
  copy->fMinimum = fMinimum;
  copy->fMaximum = fMaximum;
  return copy;
}
