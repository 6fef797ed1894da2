#include "TStringColumn.h"

#include <algorithm>
#include <cmath>

#include "TStreamReader.h"
#include "TStreamWriter.h"

void TStringColumn::InsertValues(int at, int count) {
  fValues.insert(fValues.begin() + at, std::size_t(count), fDefault);
}

void TStringColumn::EraseValue(int row) { fValues.erase(fValues.begin() + row); }

QString TStringColumn::GetStringValue(int row) const {
  CheckRow(row);
  return fValues[std::size_t(row)];
}

void TStringColumn::SetStringValue(int row, const QString& text) {
  CheckRow(row);
  const auto [first, last] = RowsSharing(row);
  for (int r = first; r < last; ++r) {
    fValues[std::size_t(r)] = text;
    CellChanged(r);
  }
}

int TStringColumn::PreferredWidth(int dpi, const TTextWidth& textWidth) const {
  const long double inches = std::clamp<long double>(fMinWidth, 0, 20);
  return std::max(TColumn::PreferredWidth(dpi, textWidth), int(std::lround(inches * dpi)));
}

void TStringColumn::WriteTo(TStreamWriter& writer, TColumnStreamForm form) const {
  TColumn::WriteTo(writer, form);
  writer.WriteString(fDefault);
  writer.WriteFloat(fMinWidth);
}

void TStringColumn::ReadFrom(TStreamReader& reader) {
  TColumn::ReadFrom(reader);
  fDefault = reader.ReadString();
  fMinWidth = reader.ReadFloat();
}

std::unique_ptr<TColumn> TStringColumn::Clone(TGridTable* newOwner) const {
  auto copy = std::make_unique<TStringColumn>(newOwner);
  CopyBaseTo(*copy);
  copy->fDefault = fDefault;
  copy->fMinWidth = fMinWidth;
  return copy;
}
