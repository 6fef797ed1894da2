#include "TCarryOverSlots.h"

#include <vector>

#include "LayerTableCells.h"
#include "TGridTable.h"
#include "TSoilProfileTables.h"

namespace {

using S = TCarryOverSlot;

struct TSlotColumn {
  TCarryOverSlot Slot;
  int Column;
};

// The slots each soil type keeps and where.
const std::vector<TSlotColumn>& SlotColumns(int soilType) {
  static const std::vector<TSlotColumn> kSand = {{S::UnitWeight, SandColumn::UnitWeight},
                                                 {S::BlowCounts, SandColumn::BlowCounts},
                                                 {S::FrictionAngle, SandColumn::FrictionAngle},
                                                 {S::Ko, SandColumn::Ko},
                                                 {S::Beta, SandColumn::Beta},
                                                 {S::Method, SandColumn::Method},
                                                 {S::InterfaceAngle, SandColumn::InterfaceAngle}};
  static const std::vector<TSlotColumn> kClay = {{S::UnitWeight, ClayColumn::UnitWeight},
                                                 {S::BlowCounts, ClayColumn::BlowCounts},
                                                 {S::Cohesion, ClayColumn::Cohesion},
                                                 {S::Alpha, ClayColumn::Alpha},
                                                 {S::Nc, ClayColumn::Nc}};
  static const std::vector<TSlotColumn> kStrongRock = {
      {S::RockStrength, StrongRockColumn::RockStrength},
      {S::ConcreteStrength, StrongRockColumn::ConcreteStrength},
      {S::Spacing, StrongRockColumn::Spacing},
      {S::Thickness, StrongRockColumn::Thickness},
      {S::RockA, StrongRockColumn::SocketDiameter},
      {S::RockB, StrongRockColumn::Modulus},
      {S::RQD, StrongRockColumn::RQD}};
  static const std::vector<TSlotColumn> kDecomposed = {
      {S::UnitWeight, DecomposedColumn::UnitWeight},
      {S::BlowCounts, DecomposedColumn::BlowCounts},
      {S::Poisson, DecomposedColumn::Poisson},
      {S::RockA, DecomposedColumn::YoungModulus},
      {S::RockB, DecomposedColumn::SocketDiameter}};
  static const std::vector<TSlotColumn> kWeakRock = {
      {S::RockStrength, WeakRockColumn::RockStrength},
      {S::Method, WeakRockColumn::InterfaceCondition},
      {S::Slump, WeakRockColumn::Slump},
      {S::InterfaceAngle, WeakRockColumn::InterfaceAngle},
      {S::RockA, WeakRockColumn::SocketDiameter},
      {S::RockB, WeakRockColumn::Modulus},
      {S::RQD, WeakRockColumn::RQD}};
  static const std::vector<TSlotColumn> kGravel = {{S::UnitWeight, GravelColumn::UnitWeight},
                                                   {S::BlowCounts, GravelColumn::BlowCounts},
                                                   {S::Beta, GravelColumn::Beta}};
  static const std::vector<TSlotColumn> kNone;
  switch (soilType) {
    case kSoilSand:
      return kSand;
    case kSoilClay:
    case kSoilShale:
      return kClay;
    case kSoilStrongRock:
    case kSoilStrongRockCombined:
      return kStrongRock;
    case kSoilDecomposedRock:
      return kDecomposed;
    case kSoilWeakRock:
      return kWeakRock;
    case kSoilGravellySand:
    case kSoilGravel:
      return kGravel;
    default:
      return kNone;
  }
}

}  // namespace

int TCarryOverSlots::ColumnOf(int soilType, TCarryOverSlot slot) {
  for (const TSlotColumn& sc : SlotColumns(soilType))
    if (sc.Slot == slot) return sc.Column;
  return -1;
}

TCarryOverSlots TCarryOverSlots::Read(const TGridTable* table, int soilType) {
  TCarryOverSlots carried;
  if (!table) return carried;
  for (const TSlotColumn& sc : SlotColumns(soilType)) {
    if (sc.Column >= table->ColCount()) continue;
    for (int row : {kRowTop, kRowBottom})
      if (row < table->RowCount())
        carried.fValues[std::size_t(sc.Slot)][std::size_t(row)] =
            CellNumber(*table, sc.Column, row);
  }
  return carried;
}

void TCarryOverSlots::Write(TGridTable& table, int soilType) const {
  for (const TSlotColumn& sc : SlotColumns(soilType)) {
    if (sc.Column >= table.ColCount()) continue;
    for (int row : {kRowTop, kRowBottom})
      if (row < table.RowCount())
        SetCellNumber(table, sc.Column, row, fValues[std::size_t(sc.Slot)][std::size_t(row)]);
  }
}
