#pragma once
// What the soil-layer editor holds and does, without its widgets: one row per layer with
// its soil type, bottom depth, the two limits and the two LRFD factors (the editor's grid),
// the focus row, and the layer operations, which work on the grid and on the layer table D
// together.
//
// The grid is loaded from D when the editor is activated and stored into D when it is
// deactivated or closed; in between the depths, limits and factors live only in the grid.
// A soil-type change and the add, insert and delete operations reach D at once, since they
// change the layers' parameter tables.
#include <vector>

class TSoilProfileTables;

struct TLayerEditorRow {
  int SoilType = 1;
  long double Bottom = 0;
  long double MaxSideFriction = 0;
  long double MaxEndBearing = 0;
  long double SideFactor = 1;
  long double EndFactor = 1;
};

class TSoilLayerList {
 public:
  static constexpr int kMaxLayers = 40;

  explicit TSoilLayerList(TSoilProfileTables& tables) : fTables(tables) {}

  // One grid row per layer of D; the focus row goes back to the first layer. `lrfd`: the
  // LRFD factors are shown and stored.
  void Load(bool lrfd);
  // D gets as many rows as the grid and each layer's type, depth, limits and (with LRFD)
  // factors; the document is marked changed.
  void Store();

  int Count() const { return int(fRows.size()); }
  const TLayerEditorRow& Row(int row) const { return fRows[std::size_t(row)]; }
  bool Lrfd() const { return fLrfd; }

  // The grid row of the layer last touched.
  int FocusRow() const { return fFocusRow; }
  void SetFocusRow(int row);

  // A number left in one of the row's entry fields (a column of D: bottom, limits,
  // factors); the row becomes the focus row.
  void SetValue(int row, int layerColumn, long double value);
  long double Value(int row, int layerColumn) const;

  // The row's drop-down chose soil type `code` (1 to 9): the new type's fresh parameter
  // table takes the values the two types share.
  void ChangeSoilType(int row, int code);

  // A sand layer at the end / at the focus row (the layers from there move down); the
  // focused layer removed (the layers below move up).
  void AddLayer();
  void InsertLayer();
  void DeleteLayer();
  bool CanAdd() const { return Count() < kMaxLayers; }
  bool CanInsert() const { return Count() < kMaxLayers; }
  bool CanDelete() const { return Count() >= 1; }

 private:
  // Layer `from` of D to row `to`: type and depth first (a different type replaces the
  // target's parameter table), then every parameter value, then limits and factors.
  void MoveLayerInTable(int from, int to);
  // The new layer of add and insert, in the grid and in D.
  void PutNewLayer(int row);

  TSoilProfileTables& fTables;
  std::vector<TLayerEditorRow> fRows;
  bool fLrfd = false;
  int fFocusRow = 0;
};
