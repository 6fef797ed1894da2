#include <gtest/gtest.h>

#include "ETableError.h"
#include "TRowButtonState.h"
#include "TTableFormActions.h"
#include "TTableFormLayout.h"
#include "TableFixture.h"
#include "TestPrinters.h"

namespace {

struct ButtonCase {
  int MinRows, MaxRows, RowCount;
  bool Visible, Add, Insert, Delete;
};

void PrintTo(const ButtonCase& c, std::ostream* os) {
  *os << c.MinRows << ".." << c.MaxRows << " at " << c.RowCount;
}

class RowButtonsTest : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(RowButtonsTest, FollowTheRowLimits) {
  const ButtonCase c = GetParam();
  const TRowButtonState s = TRowButtonState::Of(c.MinRows, c.MaxRows, c.RowCount);
  EXPECT_EQ(s.Visible, c.Visible);
  EXPECT_EQ(s.AddEnabled, c.Add);
  EXPECT_EQ(s.InsertEnabled, c.Insert);
  EXPECT_EQ(s.DeleteEnabled, c.Delete);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowButtonsTest,
    ::testing::Values(ButtonCase{2, 2, 2, false, false, false, false},  // layer parameter tables
                      ButtonCase{1, 40, 1, true, true, true, false},
                      ButtonCase{1, 40, 7, true, true, true, true},
                      ButtonCase{1, 40, 40, true, false, false, true},
                      ButtonCase{1, 0, 3, true, true, true, true}));  // no maximum

TEST(TableFormLayout, HiddenColumnsAreSkippedAndHeadingsCarryUnits) {
  const TTableFixture f = MakeTableFixture();
  const TTableFormLayout layout(*f.Layers);
  ASSERT_EQ(layout.DataColumnCount(), 4);  // the resistance factor is hidden
  EXPECT_EQ(layout.TableColumn(3), kLayerRemark);
  EXPECT_EQ(layout.GridColumn(kLayerFactor), -1);
  EXPECT_EQ(layout.HeadingRows(), 2);
  EXPECT_EQ(layout.HeaderLabel(1), QStringLiteral("Depth at Bottom \nof each Layer (ft)  "));
  EXPECT_EQ(layout.HeaderLabel(0), QStringLiteral("Soil Type\n"));
  EXPECT_TRUE(layout.HasControl(0));
  EXPECT_TRUE(layout.HasControl(2));
  EXPECT_FALSE(layout.HasControl(1));
  try {
    layout.TableColumn(4);
    FAIL();
  } catch (const ETableError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Index out of bounds"));
  }

  // Only visible columns count for the heading rows.
  f.Sand->GetColumn(0)->SetVisible(false);
  EXPECT_EQ(TTableFormLayout(*f.Sand).HeadingRows(), 1);
  f.Sand->SetUnits(2);
  f.Sand->GetColumn(0)->SetVisible(true);
  EXPECT_EQ(TTableFormLayout(*f.Sand).HeadingText(0, 1), QStringLiteral("Weight (kN/m^3)  "));
}

TEST(TableFormLayout, TableWithoutVisibleColumnsHasNoGrid) {
  TGridTable t;
  t.AddColumn<TIntColumn>()->SetVisible(false);
  try {
    TTableFormLayout layout(t);
    FAIL();
  } catch (const ETableError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("There must be at least 2 columns in grid"));
  }
}

TEST(TableFormLayout, GroupNumbersVisibleRowsAndEnterMoves) {
  TGridTable t;
  t.SetRowGroup(2);
  t.AddColumn<TFloatColumn>();
  t.AddColumn<TFloatColumn>();
  t.SetRowCount(14);
  const TTableFormLayout layout(t);
  EXPECT_EQ(layout.GroupNumber(0), 1);
  EXPECT_EQ(layout.GroupNumber(1), 1);
  EXPECT_EQ(layout.GroupNumber(2), 2);
  EXPECT_EQ(layout.GroupNumber(13), 7);
  EXPECT_EQ(layout.VisibleRows(), 10);
  EXPECT_EQ(layout.NextCell(0, 3), std::make_pair(0, 4));
  EXPECT_EQ(layout.NextCell(0, 13), std::make_pair(1, 0));
  EXPECT_EQ(layout.NextCell(1, 13), std::make_pair(0, 0));
}

TEST(TableFormLayout, ColumnWidthsHaveTheirKindsMinimum) {
  const TTableFixture f = MakeTableFixture();
  const int dpi = 96;
  const TTextWidth narrow = [](const QString&) { return 1; };
  const std::vector<int> layers = TTableFormLayout(*f.Layers).ColumnWidths(dpi, narrow);
  EXPECT_EQ(layers[0], 144);  // enumeration: one and a half inches
  EXPECT_EQ(layers[1], 48);   // real: half an inch
  EXPECT_EQ(layers[2], 192);  // table: two inches
  const std::vector<int> sand = TTableFormLayout(*f.Sand).ColumnWidths(dpi, narrow);
  EXPECT_EQ(sand[1], 48);   // integer
  EXPECT_EQ(sand[2], 144);  // string: its minimum width of 1.5 in
  // A wide heading widens its column.
  const TTextWidth wide = [](const QString& s) { return 10 * int(s.size()); };
  EXPECT_GT(TTableFormLayout(*f.Sand).ColumnWidths(dpi, wide)[0], 100);
}

TEST(TableFormLayout, SizesSnapToWholeColumnsAndRows) {
  EXPECT_EQ(TTableFormLayout::SnapWidth(250, 20, {100, 100, 100}), 220);
  EXPECT_EQ(TTableFormLayout::SnapWidth(50, 20, {100, 100}), 120);  // at least one column
  EXPECT_EQ(TTableFormLayout::SnapHeight(95, 30, 20, 10), 90);
  EXPECT_EQ(TTableFormLayout::SnapHeight(1000, 30, 20, 10), 230);
}

TEST(TableFormActions, CommitStoresOrExplainsAndSetsChangedOnlyWhenTaken) {
  const TTableFixture f = MakeTableFixture();
  TTableFormActions actions(*f.Layers);
  const TTableFormLayout layout(*f.Layers);
  TActionOutcome bad = actions.Commit(layout, 1, 0, QStringLiteral("deep"));
  EXPECT_FALSE(bad.Ok);
  EXPECT_EQ(bad.Message, QStringLiteral("deep is not a valid number."));
  EXPECT_FALSE(f.Layers->Changed());
  EXPECT_TRUE(actions.Commit(layout, 1, 0, QStringLiteral("3*4")).Ok);
  EXPECT_EQ(f.Layers->GetFloatValue(kLayerDepth, 0), 12);
  EXPECT_TRUE(f.Layers->Changed());
  // The remark is grid column 3 (table column 4, behind the hidden one).
  EXPECT_TRUE(actions.Commit(layout, 3, 0, QStringLiteral("soft")).Ok);
  EXPECT_EQ(f.Layers->GetStringValue(kLayerRemark, 0), QStringLiteral("soft"));
}

TEST(TableFormActions, RowButtonsWorkOnGroupsAndNeedADataRow) {
  const TTableFixture f = MakeTableFixture();
  TTableFormActions actions(*f.Layers);
  actions.AddRow();
  actions.AddRow();
  EXPECT_EQ(f.Layers->RowCount(), 3);
  f.Layers->SetFloatValue(kLayerDepth, 1, 20);
  actions.InsertRow(1);
  EXPECT_EQ(f.Layers->GetFloatValue(kLayerDepth, 2), 20);
  const TActionOutcome outside = actions.DeleteRow(-1);
  EXPECT_FALSE(outside.Ok);
  EXPECT_EQ(outside.Message, QStringLiteral("Grid.Row not in valid range"));
  EXPECT_TRUE(actions.DeleteRow(2).Ok);
  EXPECT_EQ(f.Layers->RowCount(), 3);
  EXPECT_TRUE(f.Layers->Changed());
}

}  // namespace
