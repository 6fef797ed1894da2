#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "TGridTable.h"

namespace {

using ProgramDataTest = DocumentTest;

TEST_F(ProgramDataTest, Create_SetsDefaultsAndResetsTables) {
  int closed = 0;
  fTables->OnCloseChildWindows = [&] { ++closed; };
  // Leftovers of an earlier document.
  fTables->D().SetRowCount(3);
  fTables->D().SetIntValue(kLayerSoilType, 1, kSoilClay);
  fTables->TblTZDepth().SetRowCount(4);
  fTables->SetDataChanged(true);

  auto doc = NewDocument();
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(doc->FileName, QStringLiteral("NewTorvex.tv8d"));
  EXPECT_EQ(doc->Title, QStringLiteral("New Pile"));
  EXPECT_EQ(doc->Units(), 1);
  const std::pair<long double, long double> reals[] = {
      {doc->PINC, 1.0L}, {doc->RCYCL, 1.0L}, {doc->FST, 2.5L}, {doc->FSB, 3.0L},
      {doc->DSTART, 0}, {doc->PD, 0}, {doc->LPD, 0}, {doc->EPILE, 0}, {doc->ValElevation, 0}};
  for (const auto& [value, expected] : reals) EXPECT_EQ(value, expected);
  const std::pair<int, int> ints[] = {{doc->METHOD, 2}, {doc->KCYCL, 1},   {doc->NPOINTPD, 5},
                                      {doc->ID2, 1},    {doc->IMOD, 1},    {doc->Yesnewversion, 1},
                                      {doc->NLRFD, 2},  {doc->IPENT, 0},   {doc->IChart, 0},
                                      {doc->PrintTZCurves, 0}, {doc->UseElevation, 0}};
  for (const auto& [value, expected] : ints) EXPECT_EQ(value, expected);
  const long double settlements[] = {0.1L, 0.25L, 0.5L, 0.75L, 1, 1, 1, 1, 1, 1};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(doc->PDSETT[std::size_t(i)], settlements[i]) << i;

  // One sand layer of zero depth, two rows of zeros, one zero depth; ASD hides the factors.
  TGridTable& d = fTables->D();
  ASSERT_EQ(d.RowCount(), 1);
  EXPECT_EQ(d.GetIntValue(kLayerSoilType, 0), kSoilSand);
  EXPECT_EQ(d.GetFloatValue(kLayerBottom, 0), 0);
  EXPECT_EQ(fTables->LayerTable(0)->RowCount(), 2);
  EXPECT_EQ(fTables->LayerTable(0)->GetFloatValue(SandColumn::UnitWeight, 1), 0);
  EXPECT_EQ(fTables->Template(kSoilClay)->RowCount(), 2);
  EXPECT_EQ(fTables->TblTZDepth().RowCount(), 1);
  EXPECT_FALSE(d.GetColumn(kLayerSideFactor)->Visible());
  EXPECT_FALSE(fTables->DataChanged());
}

TEST_F(ProgramDataTest, SetUnits_SameSystemChangesNothing) {
  auto doc = NewDocument();
  doc->SetUnits(2);
  doc->PINC = 0.5L;
  doc->EPILE = 25000000;
  fTables->D().SetFloatValue(kLayerBottom, 0, 3);
  const QStringList before = DocumentValues(*doc);
  doc->SetUnits(2);
  EXPECT_EQ(DocumentValues(*doc), before);
}

TEST_F(ProgramDataTest, SetUnits_ConvertsFieldsAndTables) {
  auto doc = NewDocument();
  int refreshed = 0;
  fTables->OnUnitsChanged = [&] { ++refreshed; };
  doc->PINC = 1;
  doc->DSTART = 3;
  doc->WTD = 10;
  doc->EPILE = 1;  // psi
  doc->LPD = 1;    // ton
  doc->ValElevation = 100;
  doc->RCYCL = 0.75L;
  doc->FST = 2;
  doc->NPOINTPD = 2;
  fTables->D().SetFloatValue(kLayerBottom, 0, 10);
  fTables->LayerTable(0)->SetFloatValue(SandColumn::UnitWeight, 0, 120);

  doc->SetUnits(2);
  EXPECT_EQ(refreshed, 1);
  EXPECT_NEAR(double(doc->PINC), 0.3048, 1e-9);
  EXPECT_NEAR(double(doc->DSTART), 0.9144, 1e-9);
  EXPECT_NEAR(double(doc->WTD), 3.048, 1e-9);
  EXPECT_NEAR(double(doc->EPILE), 6.894757, 1e-6);
  EXPECT_NEAR(double(doc->LPD), 8.896443, 1e-6);
  EXPECT_NEAR(double(doc->PDSETT[0]), 0.00254, 1e-12);
  EXPECT_NEAR(double(doc->PDSETT[1]), 0.00635, 1e-12);
  EXPECT_EQ(doc->PDSETT[2], 0.5L);  // beyond NPOINTPD: not converted
  EXPECT_EQ(doc->ValElevation, 100);
  EXPECT_EQ(doc->RCYCL, 0.75L);
  EXPECT_EQ(doc->FST, 2);
  EXPECT_NEAR(double(fTables->D().GetFloatValue(kLayerBottom, 0)), 3.048, 1e-9);
  EXPECT_NEAR(double(fTables->LayerTable(0)->GetFloatValue(SandColumn::UnitWeight, 0)),
              120 / 6.3658798, 1e-6);

  doc->SetUnits(1);
  EXPECT_NEAR(double(doc->PINC), 1, 1e-15);
  EXPECT_NEAR(double(doc->EPILE), 1, 1e-15);
  EXPECT_NEAR(double(doc->LPD), 1, 1e-15);
  EXPECT_NEAR(double(doc->PDSETT[0]), 0.1, 1e-15);
  EXPECT_EQ(doc->ValElevation, 100);
  EXPECT_NEAR(double(fTables->D().GetFloatValue(kLayerBottom, 0)), 10, 1e-12);
}

TEST_F(ProgramDataTest, NewDocumentInSI_ConvertsOnlyTheSettlementsInUse) {
  auto doc = NewDocument();
  doc->SetUnits(2);
  const long double expected[] = {0.00254L, 0.00635L, 0.0127L, 0.01905L, 0.0254L, 1, 1, 1, 1, 1};
  for (int i = 0; i < 10; ++i)
    EXPECT_NEAR(double(doc->PDSETT[std::size_t(i)]), double(expected[i]), 1e-12) << i;
  // InitPDSET gives all ten in metres.
  doc->InitPDSET();
  EXPECT_NEAR(double(doc->PDSETT[9]), 0.0254, 1e-12);
  EXPECT_EQ(doc->NPOINTPD, 5);
}

TEST_F(ProgramDataTest, SetUnits_ClampsToEnglishOrSI) {
  const struct {
    int Asked;
    int Got;
  } cases[] = {{0, 1}, {-3, 1}, {1, 1}, {2, 2}, {5, 2}};
  for (const auto& c : cases) {
    auto doc = NewDocument();
    doc->SetUnits(c.Asked);
    EXPECT_EQ(doc->Units(), c.Got) << c.Asked;
    EXPECT_EQ(fTables->D().Units(), c.Got) << c.Asked;
  }
}

TEST_F(ProgramDataTest, FilterForFile_ByExtension) {
  const struct {
    const char* Name;
    int Filter;
  } cases[] = {{"/a/b.tv8d", 1}, {"b.TV8D", 1}, {"old.tvd", 2}, {"notes.txt", 0}, {"noext", 0}};
  for (const auto& c : cases)
    EXPECT_EQ(TProgramData::FilterForFile(QString::fromLatin1(c.Name)), c.Filter) << c.Name;
}

}  // namespace
