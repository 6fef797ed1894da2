// The layer operations of the soil-layer editor on its grid and on the layer table D.
#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "TGridTable.h"
#include "TSoilLayerList.h"

namespace {

class SoilLayerList : public DialogTest {
 protected:
  // Layers of these types with bottoms 10, 20, ...; limits 100 + row, factors 0.5 + row / 10.
  void Start(std::initializer_list<int> types, bool lrfd = false) {
    SetLayers(types);
    for (int row = 0; row < D().RowCount(); ++row) {
      D().SetFloatValue(kLayerMaxSideFriction, row, 100 + row);
      D().SetFloatValue(kLayerMaxEndBearing, row, 200 + row);
      D().SetFloatValue(kLayerSideFactor, row, 0.5L + row / 10.0L);
      D().SetFloatValue(kLayerEndFactor, row, 0.4L + row / 10.0L);
    }
    fList.Load(lrfd);
    fTables->SetDataChanged(false);
  }

  TSoilLayerList fList{*fTables};
};

TEST_F(SoilLayerList, LoadsEveryLayerAndStoresTheGridBack) {
  Start({kSoilSand, kSoilClay});
  ASSERT_EQ(fList.Count(), 2);
  EXPECT_EQ(fList.Row(1).SoilType, kSoilClay);
  EXPECT_EQ(fList.Row(1).Bottom, 20);
  EXPECT_EQ(fList.Row(1).MaxSideFriction, 101);
  EXPECT_EQ(fList.Row(1).MaxEndBearing, 201);
  EXPECT_EQ(fList.FocusRow(), 0);

  // Grid values reach D only when stored; under ASD the factors are not stored.
  fList.SetValue(1, kLayerBottom, 35);
  fList.SetValue(1, kLayerSideFactor, 0.9L);
  EXPECT_EQ(fList.FocusRow(), 1);
  EXPECT_EQ(D().GetFloatValue(kLayerBottom, 1), 20);
  fList.Store();
  EXPECT_EQ(D().GetFloatValue(kLayerBottom, 1), 35);
  EXPECT_EQ(D().GetFloatValue(kLayerSideFactor, 1), 0.6L);
  EXPECT_TRUE(fTables->DataChanged());

  // Under LRFD they are.
  fList.Load(true);
  fList.SetValue(1, kLayerSideFactor, 0.9L);
  fList.Store();
  EXPECT_EQ(D().GetFloatValue(kLayerSideFactor, 1), 0.9L);
}

TEST_F(SoilLayerList, AddAppendsASandLayerWithNoLimitsAndUnitFactors) {
  Start({kSoilClay}, true);
  fList.AddLayer();
  ASSERT_EQ(fList.Count(), 2);
  ASSERT_EQ(D().RowCount(), 2);
  EXPECT_EQ(fList.FocusRow(), 1);
  const TLayerEditorRow& added = fList.Row(1);
  EXPECT_EQ(added.SoilType, kSoilSand);
  EXPECT_EQ(added.Bottom, 0);
  EXPECT_EQ(added.MaxSideFriction, 0);
  EXPECT_EQ(added.SideFactor, 1);
  EXPECT_EQ(added.EndFactor, 1);
  EXPECT_EQ(D().GetIntValue(kLayerSoilType, 1), kSoilSand);
  EXPECT_EQ(D().GetFloatValue(kLayerEndFactor, 1), 1);
  EXPECT_EQ(Layer(1).ID(), 2);
  EXPECT_TRUE(fTables->DataChanged());
}

TEST_F(SoilLayerList, FortyLayersStopAddAndInsertAndOneLayerCanBeDeleted) {
  Start({kSoilSand});
  EXPECT_TRUE(fList.CanDelete());
  fList.DeleteLayer();
  EXPECT_EQ(fList.Count(), 0);
  EXPECT_EQ(D().RowCount(), 0);
  EXPECT_FALSE(fList.CanDelete());
  EXPECT_TRUE(fList.CanInsert());
  fList.InsertLayer();  // into the empty profile
  EXPECT_EQ(D().RowCount(), 1);

  while (fList.CanAdd()) fList.AddLayer();
  EXPECT_EQ(fList.Count(), TSoilLayerList::kMaxLayers);
  EXPECT_FALSE(fList.CanInsert());
  fList.AddLayer();
  fList.InsertLayer();
  EXPECT_EQ(D().RowCount(), TSoilLayerList::kMaxLayers);
  EXPECT_TRUE(fList.CanDelete());
}

TEST_F(SoilLayerList, InsertAboveAChenKulhawySandKeepsItsMValues) {
  Start({kSoilSand, kSoilClay});
  Layer(0).SetIntValue(SandColumn::Method, kRowTop, kSandMethodOCR);
  Layer(0).SetIntValue(SandColumn::Method, kRowBottom, kSandMethodOCR);
  Layer(0).SetFloatValue(SandColumn::OCR, kRowTop, 0.6L);
  Layer(0).SetFloatValue(SandColumn::OCR, kRowBottom, 0.8L);
  Layer(0).SetIntValue(SandColumn::BlowCounts, kRowBottom, 17);

  fList.SetFocusRow(0);
  fList.InsertLayer();
  ASSERT_EQ(D().RowCount(), 3);
  // The sand layer moved down with its values, its limits and its bottom.
  EXPECT_EQ(D().GetIntValue(kLayerSoilType, 1), kSoilSand);
  EXPECT_EQ(D().GetFloatValue(kLayerBottom, 1), 10);
  EXPECT_EQ(D().GetFloatValue(kLayerMaxSideFriction, 1), 100);
  EXPECT_EQ(Layer(1).GetFloatValue(SandColumn::OCR, kRowTop), 0.6L);
  EXPECT_EQ(Layer(1).GetFloatValue(SandColumn::OCR, kRowBottom), 0.8L);
  EXPECT_EQ(Layer(1).GetIntValue(SandColumn::Method, kRowBottom), kSandMethodOCR);
  EXPECT_EQ(Layer(1).GetIntValue(SandColumn::BlowCounts, kRowBottom), 17);
  EXPECT_EQ(fList.Row(1).Bottom, 10);
  EXPECT_EQ(D().GetIntValue(kLayerSoilType, 2), kSoilClay);
  EXPECT_EQ(fList.Row(2).Bottom, 20);
  // The new layer is sand at depth 0 with no limits; since the focused layer was sand its
  // table stays (a copy of the sand values).
  EXPECT_EQ(fList.FocusRow(), 0);
  EXPECT_EQ(fList.Row(0).Bottom, 0);
  EXPECT_EQ(D().GetFloatValue(kLayerBottom, 0), 0);
  EXPECT_EQ(D().GetFloatValue(kLayerMaxSideFriction, 0), 0);
  EXPECT_EQ(Layer(0).GetFloatValue(SandColumn::OCR, kRowTop), 0.6L);
}

TEST_F(SoilLayerList, InsertAboveAnotherTypeGivesAFreshSandTable) {
  Start({kSoilClay, kSoilSand});
  Layer(0).SetFloatValue(ClayColumn::Cohesion, kRowTop, 1500);
  fList.SetFocusRow(0);
  fList.InsertLayer();
  EXPECT_EQ(D().GetIntValue(kLayerSoilType, 0), kSoilSand);
  EXPECT_EQ(Layer(0).Template(), fTables->Template(kSoilSand));
  EXPECT_EQ(Layer(0).GetIntValue(SandColumn::Method, kRowTop), 1);  // the template's default
  EXPECT_EQ(Layer(0).GetFloatValue(SandColumn::UnitWeight, kRowTop), 0);
  EXPECT_EQ(D().GetIntValue(kLayerSoilType, 1), kSoilClay);
  EXPECT_EQ(Layer(1).GetFloatValue(ClayColumn::Cohesion, kRowTop), 1500);
}

TEST_F(SoilLayerList, DeleteMovesTheLayersBelowUpAndKeepsTheFocusInside) {
  Start({kSoilSand, kSoilClay, kSoilWeakRock, kSoilGravel});
  Layer(2).SetIntValue(WeakRockColumn::InterfaceCondition, kRowTop, 3);
  Layer(3).SetIntValue(GravelColumn::BlowCounts, kRowBottom, 44);
  fList.SetValue(3, kLayerBottom, 47);  // an edit not yet stored moves with its layer

  fList.SetFocusRow(1);
  fList.DeleteLayer();
  ASSERT_EQ(D().RowCount(), 3);
  EXPECT_EQ(D().GetIntValue(kLayerSoilType, 1), kSoilWeakRock);
  EXPECT_EQ(Layer(1).GetIntValue(WeakRockColumn::InterfaceCondition, kRowTop), 3);
  EXPECT_EQ(D().GetFloatValue(kLayerMaxEndBearing, 1), 202);
  EXPECT_EQ(D().GetIntValue(kLayerSoilType, 2), kSoilGravel);
  EXPECT_EQ(Layer(2).GetIntValue(GravelColumn::BlowCounts, kRowBottom), 44);
  EXPECT_EQ(fList.Row(2).Bottom, 47);
  EXPECT_EQ(fList.FocusRow(), 1);

  fList.SetFocusRow(2);
  fList.DeleteLayer();
  EXPECT_EQ(fList.FocusRow(), 1);  // the last row went: the focus moves up
}

}  // namespace
