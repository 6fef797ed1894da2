#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "TEnumColumn.h"
#include "TFloatColumn.h"
#include "TGridTable.h"
#include "TIntColumn.h"
#include "TTableColumn.h"

namespace {

using SoilProfileTables = DocumentTest;

struct TemplateCase {
  int Code;
  int Identifier;
  const char* Caption;
  int Columns;
  const char* TopLeft;
};

TEST_F(SoilProfileTables, EachSoilTypeSelectsItsTemplate) {
  const TemplateCase cases[] = {
      {1, 1, "Sand Layer Data", 8, "Location, 1=Top, 2=Bottom"},
      {2, 2, "Clay Layer Data", 5, "Location, 1=Top, 2=Bottom"},
      {3, 3, "Shale Layer Data", 5, "Location, 1=Top, 2=Bottom"},
      {4, 4, "Strong Rock Layer Data", 7, "Location, 1=Top, 2=Bottom"},
      {5, 5, "Decomposed Geo. Layer Data", 5, "Location, 1=Top, 2=Bottom"},
      {6, 6, "Weak Rock Layer Data", 7, "Location, 1=Top, 2=Bottom"},
      {7, 7, "Strong Rock Layer Data", 7, "Location, 1=Top, 2=Bottom"},
      {8, 31, "Gravelly Sand Layer Data", 3, ""},
      {9, 32, "Gravel Layer Data", 3, ""}};
  TGridTable& d = fTables->D();
  for (const TemplateCase& c : cases) {
    SCOPED_TRACE(c.Code);
    const TGridTable* t = fTables->Template(c.Code);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Identifier(), c.Identifier);
    EXPECT_EQ(t->MinRows(), 2);
    EXPECT_EQ(t->MaxRows(), 2);
    EXPECT_EQ(t->TopLeft().toStdString(), c.TopLeft);
    d.SetIntValue(kLayerSoilType, 0, c.Code);
    const TGridTable* layer = fTables->LayerTable(0);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->Caption().toStdString(), c.Caption);
    EXPECT_EQ(layer->ColCount(), c.Columns);
    EXPECT_EQ(layer->RowCount(), 2);
    EXPECT_EQ(layer->FullCaption().toStdString(), std::string(c.Caption) + " 1");
  }
  d.SetIntValue(kLayerSoilType, 0, 10);
  EXPECT_EQ(fTables->LayerTable(0), nullptr);
  EXPECT_EQ(fTables->Template(10), nullptr);
  EXPECT_EQ(fTables->Template(0), nullptr);
}

TEST_F(SoilProfileTables, LayerTable_ColumnsUnitsAndDefaults) {
  TGridTable& d = fTables->D();
  EXPECT_EQ(d.Identifier(), 21);
  EXPECT_EQ(d.Caption(), QStringLiteral("Soil Layer Data"));
  EXPECT_EQ(d.MinRows(), 1);
  EXPECT_EQ(d.MaxRows(), 40);
  ASSERT_EQ(d.ColCount(), 7);
  EXPECT_EQ(d.Column<TEnumColumn>(kLayerSoilType)->Names().size(), kSoilTypeCount);
  EXPECT_EQ(d.Column<TEnumColumn>(kLayerSoilType)->Names().at(7),
            QStringLiteral("gravelly sand (Rollins et al)"));
  EXPECT_EQ(d.GetColumn(kLayerBottom)->Heading(),
            QStringList({QStringLiteral("Depth at Bottom "), QStringLiteral("of each Layer")}));
  EXPECT_NE(d.Column<TTableColumn>(kLayerData), nullptr);
  const struct {
    int Col;
    const char* Units;
    long double Default;
  } reals[] = {{kLayerBottom, "L2", 0},
               {kLayerMaxSideFriction, "F/L2^2", 0},
               {kLayerMaxEndBearing, "F/L2^2", 0},
               {kLayerSideFactor, "", 1},
               {kLayerEndFactor, "", 1}};
  for (const auto& r : reals) {
    SCOPED_TRACE(r.Col);
    const auto* col = d.Column<TFloatColumn>(r.Col);
    ASSERT_NE(col, nullptr);
    EXPECT_EQ(col->UnitsString().toStdString(), r.Units);
    EXPECT_EQ(col->Default(), r.Default);
    EXPECT_EQ(d.GetFloatValue(r.Col, 0), r.Default);
  }

  TGridTable& tz = fTables->TblTZDepth();
  EXPECT_EQ(tz.Identifier(), 10);
  EXPECT_EQ(tz.Caption(), QStringLiteral("Generated t-z curves"));
  EXPECT_EQ(tz.MaxRows(), 50);
  EXPECT_EQ(tz.Column<TFloatColumn>(0)->UnitsString(), QStringLiteral("L2"));
}

TEST_F(SoilProfileTables, ParameterColumns_UnitsConvertWithTheLayerTable) {
  // One dimensioned column of each kind of unit, and columns that keep their numbers.
  TGridTable& d = fTables->D();
  d.SetIntValue(kLayerSoilType, 0, kSoilWeakRock);
  TGridTable* rock = fTables->LayerTable(0);
  rock->SetFloatValue(WeakRockColumn::RockStrength, 0, 20.885432L);  // psf
  rock->SetFloatValue(WeakRockColumn::Slump, 0, 39.37007874L);       // in
  rock->SetFloatValue(WeakRockColumn::SocketDiameter, 0, 3.280839895L);  // ft
  rock->SetFloatValue(WeakRockColumn::Modulus, 0, 0.14503773L);      // psi
  rock->SetFloatValue(WeakRockColumn::InterfaceAngle, 0, 30);
  rock->SetIntValue(WeakRockColumn::InterfaceCondition, 0, 3);
  d.SetFloatValue(kLayerSideFactor, 0, 0.55L);
  fTables->SetUnits(2);
  EXPECT_NEAR(double(rock->GetFloatValue(WeakRockColumn::RockStrength, 0)), 1.0, 1e-7);
  EXPECT_NEAR(double(rock->GetFloatValue(WeakRockColumn::Slump, 0)), 1.0, 1e-9);
  EXPECT_NEAR(double(rock->GetFloatValue(WeakRockColumn::SocketDiameter, 0)), 1.0, 1e-9);
  EXPECT_NEAR(double(rock->GetFloatValue(WeakRockColumn::Modulus, 0)), 1.0, 1e-7);
  EXPECT_EQ(rock->GetFloatValue(WeakRockColumn::InterfaceAngle, 0), 30);
  EXPECT_EQ(rock->GetIntValue(WeakRockColumn::InterfaceCondition, 0), 3);
  EXPECT_EQ(d.GetFloatValue(kLayerSideFactor, 0), 0.55L);
}

TEST_F(SoilProfileTables, LRFDColumnsShownOnlyForLRFD) {
  TGridTable& d = fTables->D();
  fTables->ShowLRFDColumns(false);
  EXPECT_FALSE(d.GetColumn(kLayerSideFactor)->Visible());
  EXPECT_FALSE(d.GetColumn(kLayerEndFactor)->Visible());
  EXPECT_TRUE(d.GetColumn(kLayerMaxEndBearing)->Visible());
  fTables->ShowLRFDColumns(true);
  EXPECT_TRUE(d.GetColumn(kLayerSideFactor)->Visible());
  EXPECT_TRUE(d.GetColumn(kLayerEndFactor)->Visible());
}

TEST_F(SoilProfileTables, DataChanged_CombinesOwnFlagAndTables) {
  EXPECT_FALSE(fTables->DataChanged());
  fTables->SetDataChanged(true);
  EXPECT_TRUE(fTables->DataChanged());
  fTables->SetDataChanged(false);
  fTables->LayerTable(0)->SetChanged(true);
  EXPECT_TRUE(fTables->DataChanged());
  fTables->SetDataChanged(false);
  EXPECT_FALSE(fTables->DataChanged());
  EXPECT_FALSE(fTables->LayerTable(0)->Changed());
}

}  // namespace
