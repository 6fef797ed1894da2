#include "LayerParameterPages.h"

#include "TSoilProfileTables.h"

namespace {

using K = TParameterKind;

std::array<TParameterPage, kParameterPageCount> MakePages() {
  std::array<TParameterPage, kParameterPageCount> pages;
  pages[kPageSand] = {
      "Sand",
      {kSoilSand},
      {{"1. Total Unit Weight", SandColumn::UnitWeight},
       {"2. Coefficient of Lateral Earth Pressure, Ko", SandColumn::Ko},
       {"3. Beta Value (*)", SandColumn::Beta},
       {"4. Preconsolidation Stress Exponent (**) (m)", SandColumn::OCR},
       {"5. Blow Counts from SPT", SandColumn::BlowCounts, K::WholeNumber},
       {"6. Friction Angle (***)", SandColumn::FrictionAngle}},
      {QStringLiteral("(*)  Program will estimate the value internally if it is left as zero "),
       QStringLiteral("(**)  Recommended values for m: 0.6 for clean quartzitic sands and 0.8 "
                      "for silty sands to sandy silts."),
       QStringLiteral("(***)  Program will ignore friction angle value if blow counts value is "
                      "defined"),
       QStringLiteral("(***)  Program will estimate friction angle based on blow counts if it "
                      "is left as zero.")}};
  pages[kPageClay] = {
      "Clay",
      {kSoilClay, kSoilShale},
      {{"1. Total Unit Weight", ClayColumn::UnitWeight},
       {"2. Cohesion", ClayColumn::Cohesion},
       {"3. Blow Counts from SPT (*)", ClayColumn::BlowCounts, K::WholeNumber},
       {"4. Alpha Factor (**)", ClayColumn::Alpha},
       {"5. Bearing Capacity Coefficient, Nc (**)", ClayColumn::Nc}},
      {QStringLiteral("(**)  Program will generate internally the value if it is left as zero "),
       QStringLiteral("(*)  Program will ignore blow count value if cohesion is defined ")}};
  pages[kPageRock] = {"Rock",
                      {kSoilStrongRock, kSoilStrongRockCombined},
                      {{"1. Rock Compressive Strength", StrongRockColumn::RockStrength},
                       {"2. Concrete Compressive Strength", StrongRockColumn::ConcreteStrength},
                       {"3. Discontinuity Spacing", StrongRockColumn::Spacing},
                       {"4. Discontinuity Thickness", StrongRockColumn::Thickness},
                       {"5. Socket Diameter", StrongRockColumn::SocketDiameter},
                       {"6. Elastic Modulus", StrongRockColumn::Modulus},
                       {"7. RQD, %", StrongRockColumn::RQD}},
                      {}};
  pages[kPageDecomposedRock] = {
      "Decomp. Rock",
      {kSoilDecomposedRock},
      {{"1. Total Unit Weight", DecomposedColumn::UnitWeight},
       {"2. Blow Counts from SPT", DecomposedColumn::BlowCounts, K::WholeNumber},
       {"3. Poisson Ratio", DecomposedColumn::Poisson},
       {"5. Socket Diameter", DecomposedColumn::SocketDiameter},
       {"6. Young Modulus (optional)", DecomposedColumn::YoungModulus}},
      {}};
  pages[kPageWeakRock] = {"Weak Rock",
                          {kSoilWeakRock},
                          {{"1. Interface Condition Index (*)", WeakRockColumn::InterfaceCondition,
                            K::InterfaceCondition},
                           {"2. Rock Compressive Strength", WeakRockColumn::RockStrength},
                           {"3. Concrete Slump", WeakRockColumn::Slump},
                           {"4. Interface Friction Angle", WeakRockColumn::InterfaceAngle},
                           {"5. Socket Diameter", WeakRockColumn::SocketDiameter},
                           {"6. Elastic Modulus of Rock Core", WeakRockColumn::Modulus},
                           {"7. RQD, %", WeakRockColumn::RQD}},
                          {QStringLiteral("(*) Interface Condition Index"),
                           QStringLiteral("1 - Rough Surface w/closed joints"),
                           QStringLiteral("2- Smooth Surface w/closed joints"),
                           QStringLiteral("3 - Rough Surface w/open joints"),
                           QStringLiteral("4- Smooth Surface w/open joints")}};
  pages[kPageGravel] = {"Gravel",
                        {kSoilGravellySand, kSoilGravel},
                        {{"1. Total Unit Weight", GravelColumn::UnitWeight},
                         {"2. Blow Counts from SPT", GravelColumn::BlowCounts, K::WholeNumber},
                         {"3. Beta Value", GravelColumn::Beta}},
                        {}};
  return pages;
}

}  // namespace

const std::array<TParameterPage, kParameterPageCount>& ParameterPages() {
  static const std::array<TParameterPage, kParameterPageCount> pages = MakePages();
  return pages;
}

int ParameterPageOf(int soilType) {
  const auto& pages = ParameterPages();
  for (int page = 0; page < kParameterPageCount; ++page)
    for (int type : pages[std::size_t(page)].SoilTypes)
      if (type == soilType) return page;
  return -1;
}

QString ParameterPageTitle(int soilType) {
  switch (soilType) {
    case kSoilSand:
      return QStringLiteral("Sand (FHWA Spec.)");
    case kSoilClay:
      return QStringLiteral("Clay (FHWA Spec.)");
    case kSoilShale:
      return QStringLiteral("Shale (Reese and Aurora)");
    case kSoilStrongRock:
      return QStringLiteral("Strong Rock (FHWA Spec. - use either side friction or end bearing)");
    case kSoilStrongRockCombined:
      return QStringLiteral("Strong Rock (FHWA Spec. - side friction plus end bearing)");
    case kSoilDecomposedRock:
      return QStringLiteral("Decomposed Rock/Gravel (FHWA Spec.)");
    case kSoilWeakRock:
      return QStringLiteral("Weak Rock (FHWA Spec.)");
    case kSoilGravellySand:
      return QStringLiteral("Gravelly Sand (Rollins et al)");
    case kSoilGravel:
      return QStringLiteral("Gravel (Rollins et al)");
    default:
      return {};
  }
}

QStringList InterfaceConditionChoices() {
  return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
}

TSandMethodState SandMethodState(int method) {
  TSandMethodState s;
  const bool ko = method == kSandMethodKo;
  const bool beta = method == kSandMethodBeta;
  const bool chenKulhawy = method == kSandMethodOCR;
  s.KoEnabled = ko;
  s.BetaEnabled = beta;
  s.MEnabled = chenKulhawy;
  s.InterfaceAngleEnabled = ko || chenKulhawy;
  s.BetaEstimateNote = beta;
  s.IgnoreFrictionNote = beta;
  s.MNote = chenKulhawy;
  s.EstimateFrictionNote = ko || chenKulhawy;
  return s;
}

int SandMethodToStore(int selected) {
  return selected == kSandMethodKo || selected == kSandMethodBeta ? selected : kSandMethodOCR;
}

std::vector<int> SandColumnsUnused(int storedMethod) {
  switch (storedMethod) {
    case kSandMethodKo:
      return {SandColumn::Beta, SandColumn::OCR};
    case kSandMethodBeta:
      return {SandColumn::Ko, SandColumn::OCR, SandColumn::InterfaceAngle};
    default:
      return {SandColumn::Beta, SandColumn::Ko};
  }
}
