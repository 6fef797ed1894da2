#pragma once
// The values that carry over when a layer changes its soil type. Each slot stands for one
// quantity (unit weight, blow counts, rock strength ...) and exists once for the top row and
// once for the bottom row of the parameter table; each soil type keeps some of the slots in
// columns of its own table. Reading fills the slots the old type has (the others stay 0),
// writing puts the slots the new type has into its fresh table, each into the row it came
// from.
#include <array>

class TGridTable;

enum class TCarryOverSlot {
  UnitWeight,
  BlowCounts,  // whole number
  FrictionAngle,
  Ko,
  Beta,
  Method,          // sand side friction method / weak-rock interface condition, whole number
  InterfaceAngle,  // sand interface angle / weak-rock interface friction angle
  Cohesion,
  Alpha,
  Nc,
  RockStrength,
  ConcreteStrength,
  Spacing,
  Thickness,
  RockA,  // strong and weak rock: socket diameter; decomposed rock: Young's modulus
  RockB,  // strong and weak rock: elastic modulus; decomposed rock: socket diameter
  RQD,
  Poisson,
  Slump,
};
inline constexpr int kCarryOverSlotCount = static_cast<int>(TCarryOverSlot::Slump) + 1;

class TCarryOverSlots {
 public:
  // The column of `slot` in the parameter table of `soilType`, -1 when the type has none.
  static int ColumnOf(int soilType, TCarryOverSlot slot);

  // The slots `soilType` keeps, read from its parameter table (none: every slot 0).
  static TCarryOverSlots Read(const TGridTable* table, int soilType);
  // Puts the slots `soilType` keeps into its parameter table.
  void Write(TGridTable& table, int soilType) const;

  long double Value(TCarryOverSlot slot, int row) const {
    return fValues[std::size_t(slot)][std::size_t(row)];
  }

 private:
  std::array<std::array<long double, 2>, kCarryOverSlotCount> fValues{};
};
