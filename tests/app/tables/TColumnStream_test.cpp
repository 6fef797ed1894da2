#include <gtest/gtest.h>

#include <QFile>

#include "ETableError.h"
#include "TableFixture.h"
#include "TTableResource.h"
#include "TestPrinters.h"

namespace {

using Tables = std::vector<std::unique_ptr<TGridTable>>;

QString ResourceText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

QString Written(const TTableFixture& f, TColumnStreamForm form) {
  return TTableResource::Write(f.All(), form);
}

std::vector<const TGridTable*> Raw(const Tables& tables) {
  std::vector<const TGridTable*> raw;
  for (const auto& t : tables) raw.push_back(t.get());
  return raw;
}

// The program's resource holds exactly what the tables defined in code write, so the two
// cannot drift apart.
TEST(TableResource, ResourceMatchesTheTablesDefinedInCode) {
  const QString stored = ResourceText(QStringLiteral(":/tables/TestTables.tbl"));
  ASSERT_FALSE(stored.isEmpty());
  const TTableFixture f = MakeTableFixture();
  EXPECT_EQ(stored, Written(f, TColumnStreamForm::Current));
}

TEST(TableResource, CurrentForm_ReadsBackEveryColumnParameter) {
  const Tables tables = TTableResource::Load(QStringLiteral(":/tables/TestTables.tbl"));
  ASSERT_EQ(tables.size(), 3u);
  const TGridTable& sand = *tables[0];
  const TGridTable& layers = *tables[2];

  EXPECT_EQ(sand.Name(), QStringLiteral("tblTestSand"));
  EXPECT_EQ(sand.Identifier(), 101);
  EXPECT_EQ(sand.TopLeft(), QStringLiteral("Location, 1=Top, 2=Bottom"));
  EXPECT_EQ(sand.RowCount(), 2);
  ASSERT_EQ(sand.ColCount(), 3);
  const auto* weight = sand.Column<TFloatColumn>(0);
  ASSERT_NE(weight, nullptr);
  EXPECT_EQ(weight->UnitsString(), QStringLiteral("F/L2^3"));
  EXPECT_EQ(weight->Heading(), QStringList({QStringLiteral("Total Unit"), QStringLiteral("Weight")}));
  const auto* blows = sand.Column<TIntColumn>(1);
  ASSERT_NE(blows, nullptr);
  EXPECT_EQ(blows->Minimum(), 0);
  EXPECT_EQ(blows->Maximum(), 100);
  EXPECT_EQ(sand.GetIntValue(1, 1), 5);  // the default in the new rows
  const auto* note = sand.Column<TStringColumn>(2);
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->Default(), QStringLiteral("it's new"));
  EXPECT_EQ(note->MinWidth(), 1.5L);

  EXPECT_EQ(layers.Comments(), QStringLiteral("One row per layer,\nfrom the top down"));
  EXPECT_EQ(layers.MaxRows(), 40);
  const auto* type = layers.Column<TEnumColumn>(kLayerType);
  ASSERT_NE(type, nullptr);
  EXPECT_EQ(type->Names().size(), 3);
  const auto* data = layers.Column<TTableColumn>(kLayerData);
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(data->Templates().Count(), 3);
  EXPECT_EQ(data->Templates().Item(0).Value, 101);
  EXPECT_EQ(data->Templates().Item(1).Value, 102);
  EXPECT_EQ(data->Templates().Resolve(2), nullptr);
  const auto* factor = layers.Column<TFloatColumn>(kLayerFactor);
  ASSERT_NE(factor, nullptr);
  EXPECT_FALSE(factor->Visible());
  EXPECT_EQ(factor->Default(), 1.0L);
  EXPECT_TRUE(layers.GetColumn(kLayerRemark)->SameGroup());
  // The layer read first found its template although it was read before the templates.
  ASSERT_NE(layers.GetDataValue(kLayerData, 0), nullptr);
  EXPECT_EQ(layers.GetDataValue(kLayerData, 0)->Caption(), QStringLiteral("Sand Layer Data"));
}

TEST(TableResource, BothForms_WriteReadWrite_GiveTheSameText) {
  for (const TColumnStreamForm form : {TColumnStreamForm::Current, TColumnStreamForm::Older}) {
    QString first;
    {
      const TTableFixture f = MakeTableFixture();
      if (form == TColumnStreamForm::Older) {
        // What the older form can hold: real defaults of 0, templates 1, 2, 3 by type.
        f.Layers->Column<TFloatColumn>(kLayerFactor)->SetDefault(0);
        TGridTableList& templates = f.Layers->Column<TTableColumn>(kLayerData)->Templates();
        templates.Clear();
        for (int k = 1; k <= 3; ++k) templates.AddIdentifier(k);
      }
      first = Written(f, form);
    }
    const Tables read = TTableResource::Read(first);
    EXPECT_EQ(TTableResource::Write(Raw(read), form), first);
  }
}

// The older form carries no real-column default and one template per table column, which
// is spread over the first column's names.
TEST(TableResource, OlderForm_DefaultsBecomeZeroAndTemplatesFollowTheNames) {
  QString older;
  {
    const TTableFixture f = MakeTableFixture();
    older = Written(f, TColumnStreamForm::Older);
  }
  EXPECT_FALSE(older.contains(QStringLiteral("FLOATCOLUMN2")));
  EXPECT_FALSE(older.contains(QStringLiteral("FLEXCOLUMN2")));
  const Tables read = TTableResource::Read(older);
  const TGridTable& layers = *read[2];
  EXPECT_EQ(layers.Column<TFloatColumn>(kLayerFactor)->Default(), 0.0L);
  EXPECT_EQ(layers.Column<TFloatColumn>(kLayerDepth)->UnitsString(), QStringLiteral("L2"));
  const TGridTableList& templates = layers.Column<TTableColumn>(kLayerData)->Templates();
  ASSERT_EQ(templates.Count(), 3);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(templates.Item(k).Value, k + 1) << k;
}

// Hand-written older definitions: the single template is spread, padded or cut.
struct OlderTemplateCase {
  const char* Text;
  std::vector<int> Templates;
};

TORVEX_PRINT_CASE_BY(OlderTemplateCase, Text)

class OlderTemplateTest : public ::testing::TestWithParam<OlderTemplateCase> {};

TEST_P(OlderTemplateTest, TemplateListFollowsTheFirstColumn) {
  const Tables read = TTableResource::Read(QString::fromLatin1(GetParam().Text));
  ASSERT_EQ(read.size(), 1u);
  const TGridTable& t = *read[0];
  const TTableColumn* data = t.Column<TTableColumn>(t.ColCount() - 1);
  ASSERT_NE(data, nullptr);
  std::vector<int> values;
  for (int i = 0; i < data->Templates().Count(); ++i) values.push_back(data->Templates().Item(i).Value);
  EXPECT_EQ(values, GetParam().Templates) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OlderTemplateTest,
    ::testing::Values(
        // Names A, B, C: identifiers 1, 2, 3 in name order.
        OlderTemplateCase{"table t Col = { 2 0 () True False ('A' 'B' 'C') 3 () True False 'X' 7 } end",
                          {1, 2, 3}},
        // HardwiredButton: the same template for every name.
        OlderTemplateCase{"table t HardwiredButton = True Col = { 2 0 () True False ('A' 'B') "
                          "3 () True False '' 7 } end",
                          {7, 7}},
        // No enumeration in front: one entry, the template read.
        OlderTemplateCase{"table t Col = { 2 1 () True False 0 0 9 3 () True False '' 7 } end", {7}},
        // Current form, list longer than the names: cut; shorter: padded with none.
        OlderTemplateCase{"table t Col = { 2 0 () True False ('A' 'B') 3 () True False "
                          "'FLEXCOLUMN2' (4 5 6) } end",
                          {4, 5}},
        OlderTemplateCase{"table t Col = { 2 0 () True False ('A' 'B' 'C') 3 () True False "
                          "'FLEXCOLUMN2' (4) } end",
                          {4, -1, -1}}));

struct BadDefinitionCase {
  const char* Text;
  const char* Message;
};

TORVEX_PRINT_CASE_BY(BadDefinitionCase, Text)

class BadDefinitionTest : public ::testing::TestWithParam<BadDefinitionCase> {};

TEST_P(BadDefinitionTest, IsRefusedWithItsMessage) {
  try {
    TTableResource::Read(QString::fromLatin1(GetParam().Text));
    FAIL() << "accepted: " << GetParam().Text;
  } catch (const ETableError& e) {
    EXPECT_EQ(e.Message(), QString::fromLatin1(GetParam().Message));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadDefinitionTest,
    ::testing::Values(
        BadDefinitionCase{"table t Col = { 'two' } end", "Error reading column count"},
        BadDefinitionCase{"table t Col = { } end", "Error reading column count"},
        BadDefinitionCase{"table t Col = { 1 9 () True False } end", "Error Column Class not defined"},
        BadDefinitionCase{"table t Col = { 2 4 () True False 'a' 1.0 1 ('h') True } end",
                          "Error occured when creating column 1: Table definition, line 1: "
                          "True or False expected"},
        BadDefinitionCase{"table t Col = { 1 2 () True False True 'FLOATCOLUMN2' 'L2' 0.0 } end",
                          "If column if a topdepth then the next column must be a float column"},
        BadDefinitionCase{"table t Colour = 1 end",
                          "Table definition, line 1: unknown property Colour"},
        BadDefinitionCase{"table t Caption = 'open", "Table definition, line 1: closing quote expected"},
        BadDefinitionCase{"table t Col = { 1 1 () True False 0 0 99999999999 } end",
                          "Error occured when creating column 0: Table definition, line 1: an integer "
                          "expected"}));

TEST(TableResource, MinRowsBelowOneReadFromADefinitionBecomesOne) {
  const Tables read = TTableResource::Read(QStringLiteral("table t MinRows = 0 Col = { 0 } end"));
  EXPECT_EQ(read[0]->MinRows(), 1);
}

TEST(TableResource, MissingFileIsRefused) {
  EXPECT_THROW(TTableResource::Load(QStringLiteral(":/tables/NoSuchFile.tbl")), ETableError);
}

TEST(TableResource, StringsWithQuotesAndLineBreaksSurvive) {
  TGridTable t;
  t.SetCaption(QStringLiteral("it's\r\n'quoted'"));
  const Tables read = TTableResource::Read(TTableResource::Write({&t}));
  EXPECT_EQ(read[0]->Caption(), t.Caption());
}

}  // namespace
