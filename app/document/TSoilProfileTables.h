#pragma once
// The soil-profile tables of the main window, which the problem document reads and writes:
// the layer table D (one row per layer, column 2 holding the layer's parameter table copied
// from the template of its soil type), the nine parameter templates and the t-z print depth
// table TblTZDepth. The main window owns one of these for its whole life; tests make their
// own without a window.
//
// The tables bear fixed Identifiers (templates 1 to 7, 31, 32; D 21; TblTZDepth 10), which
// are unique in the process: only one set lives at a time.
//
// Besides the tables it keeps the document's changed flag for changes made outside the
// tables, and the hooks by which the document reaches the windows.
#include <functional>
#include <memory>
#include <vector>

class TGridTable;

// Soil type codes, the first value of a layer line.
enum TSoilType {
  kSoilSand = 1,
  kSoilClay = 2,
  kSoilShale = 3,
  kSoilStrongRock = 4,
  kSoilDecomposedRock = 5,
  kSoilWeakRock = 6,
  kSoilStrongRockCombined = 7,
  kSoilGravellySand = 8,
  kSoilGravel = 9,
};
constexpr int kSoilTypeCount = 9;

// Columns of the layer table D.
enum TLayerColumn {
  kLayerSoilType = 0,
  kLayerBottom = 1,
  kLayerData = 2,
  kLayerMaxSideFriction = 3,
  kLayerMaxEndBearing = 4,
  kLayerSideFactor = 5,
  kLayerEndFactor = 6,
};

// Rows of every parameter table.
constexpr int kRowTop = 0;
constexpr int kRowBottom = 1;

// Columns of the parameter tables, by soil type.
namespace SandColumn {
enum { UnitWeight, FrictionAngle, BlowCounts, Ko, Beta, Method, InterfaceAngle, OCR };
}
namespace ClayColumn {  // clay and shale
enum { UnitWeight, Cohesion, BlowCounts, Alpha, Nc };
}
namespace StrongRockColumn {  // both strong rock types
enum { RockStrength, ConcreteStrength, Spacing, Thickness, SocketDiameter, Modulus, RQD };
}
namespace DecomposedColumn {
enum { UnitWeight, BlowCounts, Poisson, YoungModulus, SocketDiameter };
}
namespace WeakRockColumn {
enum { RockStrength, InterfaceCondition, Slump, InterfaceAngle, SocketDiameter, Modulus, RQD };
}
namespace GravelColumn {  // gravelly sand and gravel
enum { UnitWeight, BlowCounts, Beta };
}

// Sand side friction methods.
constexpr int kSandMethodKo = 1;
constexpr int kSandMethodBeta = 2;
constexpr int kSandMethodOCR = 3;

class TSoilProfileTables {
 public:
  static constexpr int kTemplateIdentifiers[kSoilTypeCount] = {1, 2, 3, 4, 5, 6, 7, 31, 32};
  static constexpr int kLayerTableIdentifier = 21;
  static constexpr int kTZDepthTableIdentifier = 10;

  // Reads the table definitions; every table holds its minimum number of default rows.
  TSoilProfileTables();
  ~TSoilProfileTables();
  TSoilProfileTables(const TSoilProfileTables&) = delete;
  TSoilProfileTables& operator=(const TSoilProfileTables&) = delete;

  TGridTable& D() const { return *fD; }
  TGridTable& TblTZDepth() const { return *fTZDepth; }
  // The parameter template of a soil type code, none for a code outside 1 to 9.
  TGridTable* Template(int soilType) const;
  // The parameter table of layer `row` of D, none when its type has no template.
  TGridTable* LayerTable(int row) const;
  // Every table of the document, in definition order (templates, D, TblTZDepth).
  const std::vector<TGridTable*>& All() const { return fAll; }

  // Tells every table the unit system (each converts its values when the system changes).
  void SetUnits(int units);
  // Row count 0 everywhere.
  void ClearRows();
  // Every table with fewer rows than its minimum is extended to it.
  void PadToMinimum();
  // Row count 0 and then the minimum: one sand layer of zero depth, two rows of zeros in
  // each template, one zero depth.
  void ResetRows();
  // The LRFD factor columns of D are shown only for load-and-resistance-factor design.
  void ShowLRFDColumns(bool show);

  // True when anything changed since the last reset: a change recorded with
  // SetDataChanged(true) or a change reported by any table. False resets all of it.
  bool DataChanged() const;
  void SetDataChanged(bool changed);

  // Window hooks: close every child window of the main window; refresh the open input
  // dialogs after a unit change.
  std::function<void()> OnCloseChildWindows;
  std::function<void()> OnUnitsChanged;

 private:
  std::vector<std::unique_ptr<TGridTable>> fOwned;
  std::vector<TGridTable*> fAll;
  TGridTable* fTemplates[kSoilTypeCount] = {};
  TGridTable* fD = nullptr;
  TGridTable* fTZDepth = nullptr;
  bool fChanged = false;
};
