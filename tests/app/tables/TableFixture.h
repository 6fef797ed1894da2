#pragma once
// A small soil profile defined in code, as the document defines its tables: two layer
// parameter templates and a layer table whose first column chooses between them.
//   tblTestSand  (Identifier 101) "Sand Layer Data", 2 rows: unit weight "F/L2^3",
//                blow counts int 0..100 (default 5), note string
//   tblTestClay  (Identifier 102) "Clay Layer Data", 2 rows: cohesion "F/L2^2"
//   tblTestLayers (Identifier 121) "Soil Layer Data", 1..40 rows: soil type (Sand, Clay,
//                None), depth at bottom "L2", layer data (templates 101, 102, none),
//                resistance factor (default 1, hidden), remark string
#include <memory>
#include <vector>

#include "TEnumColumn.h"
#include "TFloatColumn.h"
#include "TGridTable.h"
#include "TIntColumn.h"
#include "TStringColumn.h"
#include "TTableColumn.h"

struct TTableFixture {
  std::unique_ptr<TGridTable> Sand, Clay, Layers;
  std::vector<const TGridTable*> All() const { return {Sand.get(), Clay.get(), Layers.get()}; }
};

enum { kLayerType = 0, kLayerDepth = 1, kLayerData = 2, kLayerFactor = 3, kLayerRemark = 4 };

inline TTableFixture MakeTableFixture() {
  TTableFixture f;
  f.Sand = std::make_unique<TGridTable>();
  f.Sand->SetName(QStringLiteral("tblTestSand"));
  f.Sand->SetCaption(QStringLiteral("Sand Layer Data"));
  f.Sand->SetIdentifier(101);
  f.Sand->SetMinRows(2);
  f.Sand->SetMaxRows(2);
  f.Sand->SetTopLeft(QStringLiteral("Location, 1=Top, 2=Bottom"));
  auto* weight = f.Sand->AddColumn<TFloatColumn>();
  weight->SetHeading({QStringLiteral("Total Unit"), QStringLiteral("Weight")});
  weight->SetUnitsString(QStringLiteral("F/L2^3"));
  auto* blows = f.Sand->AddColumn<TIntColumn>();
  blows->SetHeading({QStringLiteral("Blow Counts")});
  blows->SetMinimum(0);
  blows->SetMaximum(100);
  blows->SetDefault(5);
  auto* note = f.Sand->AddColumn<TStringColumn>();
  note->SetHeading({QStringLiteral("Note")});
  note->SetDefault(QStringLiteral("it's new"));
  note->SetMinWidth(1.5L);

  f.Clay = std::make_unique<TGridTable>();
  f.Clay->SetName(QStringLiteral("tblTestClay"));
  f.Clay->SetCaption(QStringLiteral("Clay Layer Data"));
  f.Clay->SetIdentifier(102);
  f.Clay->SetMinRows(2);
  f.Clay->SetMaxRows(2);
  auto* cohesion = f.Clay->AddColumn<TFloatColumn>();
  cohesion->SetHeading({QStringLiteral("Cohesion")});
  cohesion->SetUnitsString(QStringLiteral("F/L2^2"));

  f.Layers = std::make_unique<TGridTable>();
  f.Layers->SetName(QStringLiteral("tblTestLayers"));
  f.Layers->SetCaption(QStringLiteral("Soil Layer Data"));
  f.Layers->SetIdentifier(121);
  f.Layers->SetMinRows(1);
  f.Layers->SetMaxRows(40);
  f.Layers->SetComments(QStringLiteral("One row per layer,\nfrom the top down"));
  auto* type = f.Layers->AddColumn<TEnumColumn>();
  type->SetHeading({QStringLiteral("Soil Type")});
  type->SetNames({QStringLiteral("Sand"), QStringLiteral("Clay"), QStringLiteral("None")});
  auto* depth = f.Layers->AddColumn<TFloatColumn>();
  depth->SetHeading({QStringLiteral("Depth at Bottom "), QStringLiteral("of each Layer")});
  depth->SetUnitsString(QStringLiteral("L2"));
  auto* data = f.Layers->AddColumn<TTableColumn>();
  data->SetHeading({QStringLiteral("Layer Data")});
  data->Templates().AddIdentifier(101);
  data->Templates().AddIdentifier(102);
  data->Templates().AddIdentifier(-1);
  auto* factor = f.Layers->AddColumn<TFloatColumn>();
  factor->SetHeading({QStringLiteral("Resistance"), QStringLiteral("Factor")});
  factor->SetDefault(1.0L);
  factor->SetVisible(false);
  auto* remark = f.Layers->AddColumn<TStringColumn>();
  remark->SetHeading({QStringLiteral("Remark")});
  remark->SetSameGroup(true);

  for (TGridTable* t : {f.Sand.get(), f.Clay.get(), f.Layers.get()}) t->SetRowCount(t->MinRows());
  return f;
}
