#include "TSoilLayerList.h"

#include <algorithm>

#include "LayerTableCells.h"
#include "TCarryOverSlots.h"
#include "TGridTable.h"
#include "TSoilProfileTables.h"

namespace {

// The grid cell of a row that shows column `layerColumn` of D.
template <class TRow>
auto& Field(TRow& row, int layerColumn) {
  switch (layerColumn) {
    case kLayerBottom:
      return row.Bottom;
    case kLayerMaxSideFriction:
      return row.MaxSideFriction;
    case kLayerMaxEndBearing:
      return row.MaxEndBearing;
    case kLayerSideFactor:
      return row.SideFactor;
    default:
      return row.EndFactor;
  }
}

constexpr int kLimitAndFactorColumns[] = {kLayerMaxSideFriction, kLayerMaxEndBearing,
                                          kLayerSideFactor, kLayerEndFactor};

}  // namespace

void TSoilLayerList::Load(bool lrfd) {
  fLrfd = lrfd;
  const TGridTable& d = fTables.D();
  fRows.assign(std::size_t(d.RowCount()), TLayerEditorRow{});
  for (int row = 0; row < d.RowCount(); ++row) {
    TLayerEditorRow& r = fRows[std::size_t(row)];
    r.SoilType = d.GetIntValue(kLayerSoilType, row);
    r.Bottom = d.GetFloatValue(kLayerBottom, row);
    r.MaxSideFriction = d.GetFloatValue(kLayerMaxSideFriction, row);
    r.MaxEndBearing = d.GetFloatValue(kLayerMaxEndBearing, row);
    r.SideFactor = d.GetFloatValue(kLayerSideFactor, row);
    r.EndFactor = d.GetFloatValue(kLayerEndFactor, row);
  }
  fFocusRow = 0;
}

void TSoilLayerList::Store() {
  TGridTable& d = fTables.D();
  d.SetRowCount(Count());
  for (int row = 0; row < Count(); ++row) {
    const TLayerEditorRow& r = fRows[std::size_t(row)];
    d.SetIntValue(kLayerSoilType, row, r.SoilType);
    d.SetFloatValue(kLayerBottom, row, r.Bottom);
    d.SetFloatValue(kLayerMaxSideFriction, row, r.MaxSideFriction);
    d.SetFloatValue(kLayerMaxEndBearing, row, r.MaxEndBearing);
    if (fLrfd) {
      d.SetFloatValue(kLayerSideFactor, row, r.SideFactor);
      d.SetFloatValue(kLayerEndFactor, row, r.EndFactor);
    }
  }
  fTables.SetDataChanged(true);
}

void TSoilLayerList::SetFocusRow(int row) {
  fFocusRow = std::clamp(row, 0, std::max(Count() - 1, 0));
}

void TSoilLayerList::SetValue(int row, int layerColumn, long double value) {
  if (row < 0 || row >= Count()) return;
  Field(fRows[std::size_t(row)], layerColumn) = value;
  SetFocusRow(row);
}

long double TSoilLayerList::Value(int row, int layerColumn) const {
  return Field(fRows[std::size_t(row)], layerColumn);
}

void TSoilLayerList::ChangeSoilType(int row, int code) {
  if (row < 0 || row >= Count()) return;
  fRows[std::size_t(row)].SoilType = code;
  TGridTable& d = fTables.D();
  const TCarryOverSlots carried =
      TCarryOverSlots::Read(fTables.LayerTable(row), d.GetIntValue(kLayerSoilType, row));
  d.SetIntValue(kLayerSoilType, row, code);
  if (TGridTable* table = fTables.LayerTable(row)) carried.Write(*table, code);
  SetFocusRow(row);
}

void TSoilLayerList::PutNewLayer(int row) {
  TLayerEditorRow& r = fRows[std::size_t(row)];
  r = TLayerEditorRow{};
  TGridTable& d = fTables.D();
  d.SetIntValue(kLayerSoilType, row, kSoilSand);
  d.SetFloatValue(kLayerBottom, row, 0);
  d.SetFloatValue(kLayerMaxSideFriction, row, 0);
  d.SetFloatValue(kLayerMaxEndBearing, row, 0);
  if (fLrfd) {
    d.SetFloatValue(kLayerSideFactor, row, 1);
    d.SetFloatValue(kLayerEndFactor, row, 1);
  }
}

void TSoilLayerList::AddLayer() {
  if (!CanAdd()) return;
  fRows.push_back(TLayerEditorRow{});
  TGridTable& d = fTables.D();
  d.SetRowCount(Count());
  PutNewLayer(Count() - 1);
  fFocusRow = Count() - 1;
  fTables.SetDataChanged(true);
}

void TSoilLayerList::InsertLayer() {
  if (!CanInsert()) return;
  const int at = std::clamp(fFocusRow, 0, Count());
  fRows.push_back(TLayerEditorRow{});
  fTables.D().SetRowCount(Count());
  for (int row = Count() - 1; row > at; --row) {
    fRows[std::size_t(row)] = fRows[std::size_t(row - 1)];
    MoveLayerInTable(row - 1, row);
  }
  PutNewLayer(at);
  fFocusRow = at;
  fTables.SetDataChanged(true);
}

void TSoilLayerList::DeleteLayer() {
  if (!CanDelete()) return;
  const int at = std::clamp(fFocusRow, 0, Count() - 1);
  for (int row = at; row + 1 < Count(); ++row) {
    fRows[std::size_t(row)] = fRows[std::size_t(row + 1)];
    MoveLayerInTable(row + 1, row);
  }
  fRows.pop_back();
  fTables.D().SetRowCount(Count());
  SetFocusRow(at);
  fTables.SetDataChanged(true);
}

void TSoilLayerList::MoveLayerInTable(int from, int to) {
  TGridTable& d = fTables.D();
  d.SetIntValue(kLayerSoilType, to, d.GetIntValue(kLayerSoilType, from));
  d.SetFloatValue(kLayerBottom, to, d.GetFloatValue(kLayerBottom, from));
  const TGridTable* source = fTables.LayerTable(from);
  TGridTable* target = fTables.LayerTable(to);
  if (source && target) CopyParameterCells(*source, *target);
  for (int col : kLimitAndFactorColumns) d.SetFloatValue(col, to, d.GetFloatValue(col, from));
}
