#include <gtest/gtest.h>

#include <QDir>

#include "DocumentTestSupport.h"
#include "TGridTable.h"

namespace {

class DocumentRoundTrip : public DocumentTest,
                          public ::testing::WithParamInterface<int> {
 protected:
  // A document in `units` with a layer of every soil type (sand three times, once per
  // method), a layer without a type, and distinct values in every cell the file holds.
  std::unique_ptr<TProgramData> EveryTypeDocument(int units) {
    auto doc = NewDocument();
    doc->SetUnits(units);
    doc->FileName = Path(QStringLiteral("first.tv8d"));
    doc->Title = QStringLiteral("Every soil type, units %1").arg(units);
    doc->KCYCL = 2;
    doc->RCYCL = 0.85L;
    doc->PINC = 0.25L;
    doc->IMOD = 0;
    doc->NLRFD = 1;
    doc->IPENT = 1;
    doc->IChart = 1;
    doc->UseElevation = 1;
    doc->ValElevation = -12.75L;
    doc->PrintTZCurves = 1;
    doc->DSTART = 1.2L;
    doc->DIALIM = 1.2L;
    doc->RATIO = 1.5L;
    doc->BELANGL = 30;
    doc->TOPLENG = 0.6L;
    doc->BS = 0.15L;
    doc->EPILE = 24855578;
    doc->WTD = 2.75L;
    doc->PD = 27.5L;
    doc->PDMIN = 12;
    doc->PDINCR = 1.5L;
    doc->DIAMINCR = 0.15L;
    doc->NPOINTPD = 4;
    for (int i = 0; i < 4; ++i) doc->PDSETT[std::size_t(i)] = 0.0125L * (i + 1);

    TGridTable& d = fTables->D();
    d.SetRowCount(0);
    const int types[] = {1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const int sandMethods[] = {kSandMethodKo, kSandMethodBeta, kSandMethodOCR};
    int sandLayer = 0;
    for (int type : types) {
      const int row = AddLayer(type, 2.5L * (d.RowCount() + 1));
      TGridTable* t = fTables->LayerTable(row);
      if (!t) continue;  // a layer without a type is its layer line alone
      d.SetFloatValue(kLayerMaxSideFriction, row, 100 + row);
      d.SetFloatValue(kLayerMaxEndBearing, row, 2000 + row);
      d.SetFloatValue(kLayerSideFactor, row, 0.5L + row / 100.0L);
      d.SetFloatValue(kLayerEndFactor, row, 0.4L + row / 100.0L);
      const int method = type == kSoilSand ? sandMethods[sandLayer++] : 0;
      for (int r = 0; r < 2; ++r)
        for (int col = 0; col < t->ColCount(); ++col) {
          if (type == kSoilSand) {
            // Only the coefficient of the layer's method is in the file.
            const int kept = method == kSandMethodKo     ? SandColumn::Ko
                             : method == kSandMethodBeta ? SandColumn::Beta
                                                         : SandColumn::OCR;
            if (col == SandColumn::Method) {
              t->SetIntValue(col, r, method);
              continue;
            }
            if ((col == SandColumn::Ko || col == SandColumn::Beta || col == SandColumn::OCR) &&
                col != kept)
              continue;
          }
          const bool whole = (type == kSoilSand && col == SandColumn::BlowCounts) ||
                             ((type == kSoilClay || type == kSoilShale) &&
                              col == ClayColumn::BlowCounts) ||
                             ((type == kSoilDecomposedRock || type == kSoilGravellySand ||
                               type == kSoilGravel) &&
                              col == 1);
          if (type == kSoilWeakRock && col == WeakRockColumn::InterfaceCondition)
            t->SetIntValue(col, r, 1 + (row + r) % 4);
          else if (whole)
            t->SetIntValue(col, r, 10 * row + 3 * col + r);
          else
            t->SetFloatValue(col, r, 1000.0L * row + 10 * col + r + 0.125L);
        }
    }
    TGridTable& tz = fTables->TblTZDepth();
    tz.SetRowCount(3);
    for (int row = 0; row < 3; ++row) tz.SetFloatValue(0, row, 1.75L + 4 * row);
    return doc;
  }
};

// The values of a document without the settlements beyond those in use (the file holds only
// those; the rest are defaults, which a document in SI holds converted from new).
QStringList ValuesInFile(const TProgramData& doc) {
  QStringList values = DocumentValues(doc);
  for (int i = doc.NPOINTPD; i < TProgramData::kMaxSettlements; ++i)
    values.removeAll(values.filter(QStringLiteral("PDSETT[%1]").arg(i)).value(0));
  return values;
}

TEST_P(DocumentRoundTrip, EverySoilType_SaveReadSaveGivesTheSameBytesAndValues) {
  auto first = EveryTypeDocument(GetParam());
  first->Save();
  const QByteArray firstBytes = ReadBytes(first->FileName);
  const QStringList firstValues = ValuesInFile(*first);

  auto second = Open(first->FileName);
  EXPECT_TRUE(fMessages->Texts().isEmpty()) << fMessages->LastText().toStdString();
  const QStringList secondValues = ValuesInFile(*second);
  ASSERT_EQ(secondValues.size(), firstValues.size());
  for (int i = 0; i < firstValues.size(); ++i)
    EXPECT_EQ(secondValues[i].toStdString(), firstValues[i].toStdString());
  second->FileName = Path(QStringLiteral("second.tv8d"));
  second->Save();
  EXPECT_EQ(ReadBytes(second->FileName).toStdString(), firstBytes.toStdString());
}

INSTANTIATE_TEST_SUITE_P(EnglishAndSI, DocumentRoundTrip, ::testing::Values(1, 2),
                         [](const auto& info) {
                           return info.param == 1 ? std::string("English") : std::string("SI");
                         });

using ExampleDocuments = DocumentTest;

TEST_F(ExampleDocuments, EveryExample_OpensSavesAndReopensUnchanged) {
  const QStringList examples =
      QDir(ExamplesFolder()).entryList({QStringLiteral("*.tv8d")}, QDir::Files, QDir::Name);
  ASSERT_FALSE(examples.isEmpty());
  for (const QString& name : examples) {
    SCOPED_TRACE(name.toStdString());
    fMessages->Clear();
    TReadOutcome outcome;
    auto doc = Open(ExamplesFolder() + QLatin1Char('/') + name, 1, &outcome);
    EXPECT_TRUE(outcome.Complete) << fMessages->LastText().toStdString();
    const QStringList opened = DocumentValues(*doc);
    doc->FileName = Path(name);
    doc->Save();
    auto reopened = Open(doc->FileName, 1, &outcome);
    EXPECT_TRUE(outcome.Complete) << fMessages->LastText().toStdString();
    EXPECT_EQ(DocumentValues(*reopened), opened);
  }
}

}  // namespace
