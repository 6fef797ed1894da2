#include <gtest/gtest.h>

#include <QObject>
#include <cmath>

#include "EAssignError.h"
#include "ETableError.h"
#include "TableFixture.h"
#include "TestPrinters.h"

namespace {

// A table of one real column in groups of two rows: values 0, 10, 20, ... by row.
std::unique_ptr<TGridTable> GroupedTable(int rows) {
  auto t = std::make_unique<TGridTable>();
  t->SetRowGroup(2);
  t->AddColumn<TFloatColumn>();
  t->SetRowCount(rows);
  for (int r = 0; r < rows; ++r) t->SetFloatValue(0, r, 10.0L * r);
  return t;
}

std::vector<long double> Column0(const TGridTable& t) {
  std::vector<long double> v;
  for (int r = 0; r < t.RowCount(); ++r) v.push_back(t.GetFloatValue(0, r));
  return v;
}

TEST(RowGroups, AddInsertDelete_MoveWholeGroups) {
  auto t = GroupedTable(4);
  int majorChanges = 0;
  t->OnMajorChange = [&] { ++majorChanges; };

  t->AddRowGroup();
  EXPECT_EQ(Column0(*t), (std::vector<long double>{0, 10, 20, 30, 0, 0}));
  // Row 3 is in the second group (rows 2 and 3): the new group goes in front of it.
  t->SetFloatValue(0, 4, 40);
  t->InsertRowGroup(3);
  EXPECT_EQ(Column0(*t), (std::vector<long double>{0, 10, 0, 0, 20, 30, 40, 0}));
  t->DeleteRowGroup(5);
  EXPECT_EQ(Column0(*t), (std::vector<long double>{0, 10, 0, 0, 40, 0}));
  EXPECT_EQ(majorChanges, 3);
}

TEST(RowGroups, RowCount_IgnoresMaxRowsAndNeverGoesBelowZero) {
  TGridTable t;
  t.SetMaxRows(2);
  t.AddColumn<TIntColumn>();
  t.SetRowCount(5);
  EXPECT_EQ(t.RowCount(), 5);
  EXPECT_EQ(t.GetColumn(0)->Count(), 5);
  t.SetRowCount(-3);
  EXPECT_EQ(t.RowCount(), 0);
}

TEST(RowGroups, SameGroup_WritesEveryRowOfTheGroupOnly) {
  TGridTable t;
  t.SetRowGroup(2);
  t.AddColumn<TFloatColumn>()->SetSameGroup(true);
  t.AddColumn<TIntColumn>()->SetSameGroup(true);
  t.AddColumn<TStringColumn>()->SetSameGroup(true);
  auto* choice = t.AddColumn<TEnumColumn>();
  choice->SetSameGroup(true);
  choice->SetNames({QStringLiteral("a"), QStringLiteral("b")});
  t.AddColumn<TFloatColumn>();  // without the rule
  t.SetRowCount(6);

  t.SetFloatValue(0, 3, 2.5L);
  t.SetIntValue(1, 3, 7);
  t.SetStringValue(2, 3, QStringLiteral("x"));
  t.SetStringValue(3, 3, QStringLiteral("2"));
  t.SetFloatValue(4, 3, 9);
  for (int r = 0; r < 6; ++r) {
    const bool inGroup = r == 2 || r == 3;
    EXPECT_EQ(t.GetFloatValue(0, r), inGroup ? 2.5L : 0.0L) << r;
    EXPECT_EQ(t.GetIntValue(1, r), inGroup ? 7 : 0) << r;
    EXPECT_EQ(t.GetStringValue(2, r), inGroup ? QStringLiteral("x") : QString()) << r;
    EXPECT_EQ(t.GetIntValue(3, r), inGroup ? 2 : 1) << r;
    EXPECT_EQ(t.GetFloatValue(4, r), r == 3 ? 9.0L : 0.0L) << r;
  }
}

// Columns 0 (top, TopDepth) and 1 (bottom): the top of a row is the bottom of the row above.
std::unique_ptr<TGridTable> DepthPairs(int rows) {
  auto t = std::make_unique<TGridTable>();
  t->AddColumn<TFloatColumn>()->SetTopDepth(true);
  t->AddColumn<TFloatColumn>();
  t->SetRowCount(rows);
  for (int r = 0; r < rows; ++r) t->SetFloatValue(1, r, 10.0L * (r + 1));
  return t;
}

TEST(TopDepth, EitherSideUpdatesTheOther) {
  auto t = DepthPairs(3);
  EXPECT_EQ(t->GetFloatValue(0, 1), 10);
  EXPECT_EQ(t->GetFloatValue(0, 2), 20);
  t->SetFloatValue(0, 2, 25);  // top of row 2 moves the bottom of row 1
  EXPECT_EQ(t->GetFloatValue(1, 1), 25);
  t->SetFloatValue(0, 0, 3);  // the first top has no row above
  EXPECT_EQ(t->GetFloatValue(1, 0), 10);
}

TEST(TopDepth, NewAndDeletedRowsKeepThePairs) {
  auto t = DepthPairs(3);  // bottoms 10, 20, 30
  t->AddRowGroup();
  EXPECT_EQ(t->GetFloatValue(0, 3), 30);
  t->DeleteRowGroup(1);  // rows now: bottoms 10, 30, 0
  EXPECT_EQ(t->GetFloatValue(0, 1), 10);
  t->InsertRowGroup(1);  // new row 1 tops at 10; the row after it tops at its bottom (0)
  EXPECT_EQ(t->GetFloatValue(0, 1), 10);
  EXPECT_EQ(t->GetFloatValue(0, 2), 0);
}

TEST(TopDepth, NextColumnNotReal_IsRefusedWithItsText) {
  TGridTable t;
  t.AddColumn<TFloatColumn>()->SetTopDepth(true);
  t.AddColumn<TIntColumn>();
  try {
    t.SetRowCount(2);
    FAIL();
  } catch (const ETableError& e) {
    EXPECT_EQ(e.Message(),
              QStringLiteral("If column if a topdepth then the next column must be a float column"));
  }
}

TEST(SubTables, NewRowGetsACopyOfTheTemplateOfItsType) {
  const TTableFixture f = MakeTableFixture();
  f.Layers->SetRowCount(2);
  TGridTable* sub = f.Layers->GetDataValue(kLayerData, 1);
  ASSERT_NE(sub, nullptr);
  EXPECT_NE(sub, f.Sand.get());
  EXPECT_EQ(sub->Caption(), QStringLiteral("Sand Layer Data"));
  EXPECT_EQ(sub->TopLeft(), f.Sand->TopLeft());
  EXPECT_EQ(sub->RowCount(), 2);
  EXPECT_EQ(sub->ColCount(), 3);
  EXPECT_EQ(sub->GetIntValue(1, 0), 5);
  EXPECT_EQ(sub->ID(), 2);
  EXPECT_EQ(sub->OwnerTable(), f.Layers.get());
}

TEST(SubTables, TypeChange_ReplacesTheTableAndDiscardsItsValues) {
  const TTableFixture f = MakeTableFixture();
  f.Layers->GetDataValue(kLayerData, 0)->SetFloatValue(0, 0, 120);

  // The same value again keeps the table and its values.
  TGridTable* before = f.Layers->GetDataValue(kLayerData, 0);
  f.Layers->SetIntValue(kLayerType, 0, 1);
  ASSERT_EQ(f.Layers->GetDataValue(kLayerData, 0), before);
  EXPECT_EQ(before->GetFloatValue(0, 0), 120);

  f.Layers->SetIntValue(kLayerType, 0, 2);
  EXPECT_EQ(f.Layers->GetDataValue(kLayerData, 0)->Caption(), QStringLiteral("Clay Layer Data"));
  f.Layers->SetIntValue(kLayerType, 0, 1);  // back to sand: a fresh table with zeros
  EXPECT_EQ(f.Layers->GetDataValue(kLayerData, 0)->GetFloatValue(0, 0), 0);
  f.Layers->SetIntValue(kLayerType, 0, 3);  // a type without template
  EXPECT_EQ(f.Layers->GetDataValue(kLayerData, 0), nullptr);
}

TEST(SubTables, WithoutTemplate_TheInitRowHookMaySupplyTheCell) {
  const TTableFixture f = MakeTableFixture();
  std::vector<std::pair<QObject*, int>> setRows;
  f.Layers->OnInitRow = [](int col, int row) {
    auto* o = new QObject;
    o->setObjectName(QStringLiteral("%1/%2").arg(col).arg(row));
    return o;
  };
  f.Layers->OnSetRow = [&](QObject* o, int row) { setRows.emplace_back(o, row); };
  f.Layers->SetIntValue(kLayerType, 0, 3);
  QObject* cell = f.Layers->GetObjValue(kLayerData, 0);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->objectName(), QStringLiteral("2/0"));
  f.Layers->InsertRowGroup(0);  // the object moves to row 1 and is told so
  ASSERT_FALSE(setRows.empty());
  EXPECT_EQ(setRows.back(), std::make_pair(cell, 1));
}

TEST(SubTables, TemplateNamingItself_IsNotCopiedWithoutEnd) {
  TGridTable t;
  t.SetIdentifier(777);
  t.SetMinRows(1);
  t.AddColumn<TTableColumn>()->Templates().AddIdentifier(777);
  t.SetRowCount(1);
  EXPECT_EQ(t.GetDataValue(0, 0), nullptr);  // itself: not copied into its own cell
  TGridTable owner;
  owner.AddColumn<TTableColumn>()->Templates().AddIdentifier(777);
  owner.SetRowCount(1);
  TGridTable* copy = owner.GetDataValue(0, 0);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetDataValue(0, 0), nullptr);
}

TEST(SubTables, DeletingARow_RenumbersTheFollowingTablesAndTheirCaptions) {
  const TTableFixture f = MakeTableFixture();
  f.Layers->SetRowCount(4);
  TGridTable* third = f.Layers->GetDataValue(kLayerData, 2);
  EXPECT_EQ(third->FullCaption(), QStringLiteral("Sand Layer Data 3"));
  f.Layers->DeleteRowGroup(1);
  for (int r = 0; r < 3; ++r) EXPECT_EQ(f.Layers->GetDataValue(kLayerData, r)->ID(), r + 1);
  EXPECT_EQ(third->FullCaption(), QStringLiteral("Sand Layer Data 2"));
  EXPECT_EQ(f.Layers->FullCaption(), QStringLiteral("Soil Layer Data"));
}

TEST(Changed, SubTableChangesReachTheOwnerAndResetClearsThem) {
  const TTableFixture f = MakeTableFixture();
  EXPECT_FALSE(f.Layers->Changed());
  TGridTable* sub = f.Layers->GetDataValue(kLayerData, 0);
  sub->SetChanged(true);
  EXPECT_TRUE(f.Layers->Changed());
  f.Layers->ResetChanged();
  EXPECT_FALSE(sub->Changed());
  EXPECT_FALSE(f.Layers->Changed());
  f.Layers->SetChanged(true);
  f.Layers->SetChanged(false);
  EXPECT_FALSE(f.Layers->Changed());
}

TEST(Units, EnglishToSIAndBack_ConvertsRealsOnlyAndReturnsThem) {
  const TTableFixture f = MakeTableFixture();
  TGridTable& layers = *f.Layers;
  layers.SetStringValue(kLayerDepth, 0, QStringLiteral("32.8"));
  layers.SetStringValue(kLayerRemark, 0, QStringLiteral("loose"));
  TGridTable* sand = layers.GetDataValue(kLayerData, 0);
  sand->SetFloatValue(0, 0, 120);  // pcf
  sand->SetIntValue(1, 0, 17);
  int majorChanges = 0;
  layers.OnMajorChange = [&] { ++majorChanges; };

  layers.SetUnits(2);
  EXPECT_EQ(sand->Units(), 2);
  EXPECT_NEAR(double(layers.GetFloatValue(kLayerDepth, 0)), 32.8 / 3.280839895, 1e-9);
  EXPECT_NEAR(double(sand->GetFloatValue(0, 0)), 120 / 6.3658798, 1e-6);  // kN/m^3
  EXPECT_EQ(layers.GetFloatValue(kLayerFactor, 0), 1.0L);  // no unit string
  EXPECT_EQ(sand->GetIntValue(1, 0), 17);
  EXPECT_EQ(layers.GetIntValue(kLayerType, 0), 1);
  EXPECT_EQ(layers.GetStringValue(kLayerRemark, 0), QStringLiteral("loose"));
  EXPECT_EQ(layers.GetColumn(kLayerDepth)->GetDisplayHeadings(1),
            QStringLiteral("of each Layer (m)  "));

  layers.SetUnits(2);  // the same system: nothing happens
  EXPECT_EQ(majorChanges, 1);
  layers.SetUnits(1);
  EXPECT_NEAR(double(layers.GetFloatValue(kLayerDepth, 0)), 32.8, 1e-12);
  EXPECT_NEAR(double(sand->GetFloatValue(0, 0)), 120, 1e-12);
  EXPECT_EQ(layers.GetStringValue(kLayerDepth, 0), QStringLiteral("32.8"));
}

TEST(Units, NewTableTakesTheUnitsOfItsOwner) {
  TGridTable owner;
  owner.SetUnits(2);
  TGridTable sub(&owner);
  EXPECT_EQ(sub.Units(), 2);
  TGridTable top;
  EXPECT_EQ(top.Units(), 1);
}

// Typed entry with the table's window closed.
struct EntryCase {
  int Column;
  const char* Text;
  const char* Message;  // empty when taken
  const char* StoredAfter;
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.Column << " '" << c.Text << "'"; }

class EntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryTest, IsTakenOrRefusedWithItsText) {
  const EntryCase c = GetParam();
  TGridTable t;
  t.AddColumn<TFloatColumn>()->SetDefault(4);
  auto* ints = t.AddColumn<TIntColumn>();
  ints->SetMinimum(0);
  ints->SetMaximum(100);
  ints->SetDefault(4);
  t.AddColumn<TEnumColumn>()->SetNames({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  t.AddColumn<TStringColumn>()->SetDefault(QStringLiteral("4"));
  t.SetRowCount(1);
  if (c.Column == 2) t.SetIntValue(2, 0, 3);
  const QString before = t.GetStringValue(c.Column, 0);
  try {
    t.SetStringValue(c.Column, 0, QString::fromLatin1(c.Text));
    EXPECT_STREQ(c.Message, "") << "taken";
  } catch (const EAssignError& e) {
    EXPECT_EQ(e.Message(), QString::fromLatin1(c.Message));
    EXPECT_EQ(t.GetStringValue(c.Column, 0), before) << "a refused entry changed the value";
  }
  EXPECT_EQ(t.GetStringValue(c.Column, 0), QString::fromLatin1(c.StoredAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryTest,
    ::testing::Values(EntryCase{0, "2*(3+4)", "", "14"}, EntryCase{0, "", "Entry cannot be blank.", "4"},
                      EntryCase{0, "  ", "Entry cannot be blank.", "4"},
                      EntryCase{0, "1..2", "1..2 is not a valid number.", "4"},
                      EntryCase{0, "1/0", "1/0 is not a valid number.", "4"},
                      EntryCase{1, "150", "", "150"},  // the range applies in the window only
                      EntryCase{1, "2.5", "", "2"},
                      EntryCase{1, "abc", "abc is not a valid number.", "4"},
                      EntryCase{1, "1E12", "Entry must be between 0 and 100.", "4"},
                      EntryCase{2, "2", "", "2"}, EntryCase{2, "1.5", "Value must be an integer.", "3"},
                      EntryCase{2, "0", "Entry must be between 1 and 3.", "3"},
                      EntryCase{2, "", "Entry cannot be blank.", "3"},
                      EntryCase{3, " as typed ", "", " as typed "}));

TEST(Access, WrongKindOrCellIsRefused) {
  TGridTable t;
  t.AddColumn<TStringColumn>();
  t.SetRowCount(1);
  const auto message = [&](auto&& call) {
    try {
      call();
    } catch (const ETableError& e) {
      return e.Message();
    }
    return QString();
  };
  EXPECT_EQ(message([&] { t.GetFloatValue(0, 0); }), QStringLiteral("Data of wrong type"));
  EXPECT_EQ(message([&] { t.SetIntValue(0, 0, 1); }), QStringLiteral("Data of wrong type"));
  EXPECT_EQ(message([&] { t.GetDataValue(0, 0); }), QStringLiteral("Data of wrong type"));
  EXPECT_EQ(message([&] { t.GetStringValue(0, 1); }), QStringLiteral("Index out of bounds"));
  EXPECT_EQ(message([&] { t.GetStringValue(1, 0); }), QStringLiteral("Index out of bounds"));
  EXPECT_EQ(message([&] { t.SetMinRows(0); }), QStringLiteral("Value must be greater than 0"));
  EXPECT_FALSE(t.CellExists(0, 1));
  EXPECT_TRUE(t.CellExists(0, 0));
  // The cell accessor follows its row.
  TData* cell = t.GetData(0, 0);
  t.InsertRowGroup(0);
  EXPECT_EQ(cell->Row(), 1);
  cell->SetValue(QStringLiteral("moved"));
  EXPECT_EQ(t.GetStringValue(0, 1), QStringLiteral("moved"));
}

TEST(Identifiers, StayUniqueWhenSetOrHandedOut) {
  TGridTable a, b;
  EXPECT_NE(a.Identifier(), b.Identifier());
  const int oldA = a.Identifier();
  a.SetIdentifier(b.Identifier());
  EXPECT_EQ(b.Identifier(), oldA);
  // A table set to an identifier the counter would hand out next is skipped by the counter.
  TGridTable c;
  const int next = c.Identifier() + 1;
  c.SetIdentifier(next);
  TGridTable d;
  EXPECT_NE(d.Identifier(), next);
  EXPECT_EQ(TGridTable::FindByIdentifier(next), &c);
}

TEST(Identifiers, TemplateReferencesResolveByIdentifierOrPosition) {
  TGridTable t;
  t.SetIdentifier(555);
  const auto& all = TGridTable::Registry();
  const int position = int(std::find(all.begin(), all.end(), &t) - all.begin());
  TGridTableList list;
  list.AddIdentifier(555);
  list.Add({position, false});
  list.AddIdentifier(556);
  list.AddIdentifier(-1);
  EXPECT_EQ(list.Resolve(0), &t);
  EXPECT_EQ(list.Resolve(1), &t);
  EXPECT_EQ(list.Resolve(2), nullptr);
  EXPECT_EQ(list.Resolve(3), nullptr);
  EXPECT_EQ(list.Resolve(4), nullptr);
}

}  // namespace
