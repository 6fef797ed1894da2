#include "TSoilProfileTables.h"

#include "SoilProfileDefinitions.h"
#include "TColumn.h"
#include "TGridTable.h"
#include "TTableResource.h"

TSoilProfileTables::TSoilProfileTables() {
  fOwned = TTableResource::Read(SoilProfileDefinitions());
  for (auto& table : fOwned) {
    TGridTable* t = table.get();
    fAll.push_back(t);
    if (t->Identifier() == kLayerTableIdentifier) fD = t;
    if (t->Identifier() == kTZDepthTableIdentifier) fTZDepth = t;
    for (int code = 0; code < kSoilTypeCount; ++code)
      if (t->Identifier() == kTemplateIdentifiers[code]) fTemplates[code] = t;
  }
}

TSoilProfileTables::~TSoilProfileTables() {
  // The layer table first: its sub-tables are copies of the templates.
  for (auto& table : fOwned)
    if (table.get() == fD) table.reset();
  fOwned.clear();
}

TGridTable* TSoilProfileTables::Template(int soilType) const {
  if (soilType < 1 || soilType > kSoilTypeCount) return nullptr;
  return fTemplates[soilType - 1];
}

TGridTable* TSoilProfileTables::LayerTable(int row) const {
  if (row < 0 || row >= fD->RowCount()) return nullptr;
  return fD->GetDataValue(kLayerData, row);
}

void TSoilProfileTables::SetUnits(int units) {
  for (TGridTable* t : fAll) t->SetUnits(units);
}

void TSoilProfileTables::ClearRows() {
  for (TGridTable* t : fAll) t->SetRowCount(0);
}

void TSoilProfileTables::PadToMinimum() {
  for (TGridTable* t : fAll)
    if (t->RowCount() < t->MinRows()) t->SetRowCount(t->MinRows());
}

void TSoilProfileTables::ResetRows() {
  ClearRows();
  PadToMinimum();
}

void TSoilProfileTables::ShowLRFDColumns(bool show) {
  fD->GetColumn(kLayerSideFactor)->SetVisible(show);
  fD->GetColumn(kLayerEndFactor)->SetVisible(show);
  fD->Update();
}

bool TSoilProfileTables::DataChanged() const {
  if (fChanged) return true;
  for (const TGridTable* t : fAll)
    if (t->Changed()) return true;
  return false;
}

void TSoilProfileTables::SetDataChanged(bool changed) {
  fChanged = changed;
  if (!changed)
    for (TGridTable* t : fAll) t->ResetChanged();
}
