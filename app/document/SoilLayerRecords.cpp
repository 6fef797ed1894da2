#include "SoilLayerRecords.h"

#include "TSoilProfileTables.h"

namespace {

using K = TLayerItemKind;

TLayerItem Real(int column) { return {K::Real, column}; }
TLayerItem Integer(int column) { return {K::Integer, column}; }
TLayerItem Item(K kind) { return {kind}; }

const std::vector<TLayerItem> kSand = {
    Item(K::Placeholder),
    Real(SandColumn::UnitWeight),
    Real(SandColumn::FrictionAngle),
    {K::Real, SandColumn::InterfaceAngle, true},
    Integer(SandColumn::BlowCounts),
    Item(K::MaxSide),
    Item(K::MaxEnd),
    Item(K::SideFactor),
    Item(K::EndFactor)};

const std::vector<TLayerItem> kClay = {
    Real(ClayColumn::Nc),      Real(ClayColumn::UnitWeight), Item(K::Placeholder),
    Real(ClayColumn::Cohesion), Integer(ClayColumn::BlowCounts), Item(K::MaxSide),
    Item(K::MaxEnd),           Item(K::SideFactor),          Item(K::EndFactor)};

const std::vector<TLayerItem> kStrongRock = {
    Real(StrongRockColumn::RockStrength), Real(StrongRockColumn::ConcreteStrength),
    Real(StrongRockColumn::Spacing),      Real(StrongRockColumn::Thickness),
    Real(StrongRockColumn::SocketDiameter), Item(K::MaxSide),
    Real(StrongRockColumn::Modulus),      Real(StrongRockColumn::RQD),
    Item(K::MaxEnd),                      Item(K::SideFactor),
    Item(K::EndFactor)};

const std::vector<TLayerItem> kDecomposed = {
    Real(DecomposedColumn::UnitWeight),   Integer(DecomposedColumn::BlowCounts),
    Real(DecomposedColumn::Poisson),      Real(DecomposedColumn::YoungModulus),
    Real(DecomposedColumn::SocketDiameter), Item(K::MaxSide),
    Item(K::MaxEnd),                      Item(K::SideFactor),
    Item(K::EndFactor)};

const std::vector<TLayerItem> kWeakRock = {
    Real(WeakRockColumn::RockStrength), Integer(WeakRockColumn::InterfaceCondition),
    Real(WeakRockColumn::Slump),        Real(WeakRockColumn::InterfaceAngle),
    Real(WeakRockColumn::SocketDiameter), Item(K::MaxSide),
    Real(WeakRockColumn::Modulus),      Real(WeakRockColumn::RQD),
    Item(K::MaxEnd),                    Item(K::SideFactor),
    Item(K::EndFactor)};

const std::vector<TLayerItem> kGravel = {
    Real(GravelColumn::UnitWeight), Integer(GravelColumn::BlowCounts), Real(GravelColumn::Beta),
    Item(K::MaxSide),               Item(K::MaxEnd),                   Item(K::SideFactor),
    Item(K::EndFactor)};

const std::vector<TLayerItem> kNone;

}  // namespace

const std::vector<TLayerItem>& ParameterLineItems(int soilType) {
  switch (soilType) {
    case kSoilSand: return kSand;
    case kSoilClay:
    case kSoilShale: return kClay;
    case kSoilStrongRock:
    case kSoilStrongRockCombined: return kStrongRock;
    case kSoilDecomposedRock: return kDecomposed;
    case kSoilWeakRock: return kWeakRock;
    case kSoilGravellySand:
    case kSoilGravel: return kGravel;
    default: return kNone;
  }
}
