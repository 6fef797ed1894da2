#include <gtest/gtest.h>

#include <QLocale>

#include "DocumentTestSupport.h"
#include "TGridTable.h"

namespace {

using DocumentRead = DocumentTest;

const QString kIncomplete = QStringLiteral("This file either invalid or incomplete.");

// The first records of a current-layout English file: design depth 50 ft, ASD.
QStringList Head(const QString& record3 = QStringLiteral("2 1 1 1 1 2 0 0 0 0 0"),
                 int layers = 1) {
  return {QStringLiteral("Reading check"), QStringLiteral("1"), record3,
          QStringLiteral("3 3 0 0 0 0 3600000"),
          QStringLiteral("%1 10 50 2.5 3").arg(layers)};
}

TEST_F(DocumentRead, CurrentLayout_ReadsEveryRecord) {
  const QString path = WriteLines(
      QStringLiteral("full.tv8d"),
      {QStringLiteral("Full reading check"), QStringLiteral("1"),
       QStringLiteral("2 2 0.75 0.5 0 1 1 1 1 102.5 1"),
       QStringLiteral("3 4 1.5 30 2 0.5 3600000"), QStringLiteral("2 10 50 2.5 3"),
       QStringLiteral("20 1"),  // the length range ...
       QStringLiteral("30 2 0.5 3"),  // ... and the chart range, whose pair counts
       QStringLiteral("0.1 0.25 0.5 "), QStringLiteral("1 20 "),
       QStringLiteral("0.0 120 32 30 15 1000 9000 0.55 0.5 "),
       QStringLiteral("0.0 122 34 31 22 2000 8000 0.6 0.45 "), QStringLiteral("1 "),
       QStringLiteral("0.45 0.4 "), QStringLiteral("2 60 "),
       QStringLiteral("9 115 0.0 1200 3 0 0 0.45 0.4 "),
       QStringLiteral("8 120 0.0 2400 5 0 0 0.45 0.4 "), QStringLiteral("0.55 0.5"),
       QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("12.5")});
  fTables->SetDataChanged(true);
  TReadOutcome outcome;
  auto doc = Open(path, TProgramData::kFilterCurrent, &outcome);
  EXPECT_TRUE(outcome.Complete);
  EXPECT_TRUE(fMessages->Texts().isEmpty()) << fMessages->LastText().toStdString();

  EXPECT_EQ(doc->FileName, path);
  EXPECT_EQ(doc->Title, QStringLiteral("Full reading check"));
  const std::pair<int, int> ints[] = {
      {doc->METHOD, 2}, {doc->KCYCL, 2}, {doc->IMOD, 0}, {doc->NLRFD, 1}, {doc->IPENT, 1},
      {doc->IChart, 1}, {doc->UseElevation, 1}, {doc->PrintTZCurves, 1}, {doc->NPOINTPD, 3},
      {doc->Yesnewversion, 1}, {doc->ID2, 0}};
  for (const auto& [value, expected] : ints) EXPECT_EQ(value, expected);
  const std::pair<long double, long double> reals[] = {
      {doc->RCYCL, 0.75L}, {doc->PINC, 0.5L},   {doc->ValElevation, 102.5L}, {doc->DSTART, 3},
      {doc->DIALIM, 4},    {doc->RATIO, 1.5L},  {doc->BELANGL, 30},         {doc->TOPLENG, 2},
      {doc->BS, 0.5L},     {doc->EPILE, 3600000}, {doc->WTD, 10},           {doc->PD, 50},
      {doc->LPD, 0},       {doc->FST, 2.5L},    {doc->FSB, 3},              {doc->PDMIN, 30},
      {doc->PDINCR, 2},    {doc->DIAMINCR, 0.5L}, {doc->PDSETT[2], 0.5L},   {doc->PDSETT[3], 0.75L}};
  for (const auto& [value, expected] : reals) EXPECT_EQ(value, expected);

  const TGridTable& d = fTables->D();
  ASSERT_EQ(d.RowCount(), 2);
  EXPECT_EQ(d.GetIntValue(kLayerSoilType, 0), kSoilSand);
  EXPECT_EQ(d.GetFloatValue(kLayerBottom, 1), 60);
  // The bottom line's limits and factors are the layer's.
  EXPECT_EQ(d.GetFloatValue(kLayerMaxSideFriction, 0), 2000);
  EXPECT_EQ(d.GetFloatValue(kLayerMaxEndBearing, 0), 8000);
  EXPECT_EQ(d.GetFloatValue(kLayerSideFactor, 0), 0.6L);
  EXPECT_EQ(d.GetFloatValue(kLayerEndFactor, 0), 0.45L);
  EXPECT_TRUE(d.GetColumn(kLayerSideFactor)->Visible());
  const TGridTable* sand = fTables->LayerTable(0);
  EXPECT_EQ(sand->ID(), 1);
  EXPECT_EQ(sand->GetFloatValue(SandColumn::UnitWeight, 1), 122);
  EXPECT_EQ(sand->GetFloatValue(SandColumn::FrictionAngle, 0), 32);
  EXPECT_EQ(sand->GetFloatValue(SandColumn::InterfaceAngle, 1), 31);
  EXPECT_EQ(sand->GetIntValue(SandColumn::BlowCounts, 1), 22);
  EXPECT_EQ(sand->GetIntValue(SandColumn::Method, 0), kSandMethodKo);
  EXPECT_EQ(sand->GetIntValue(SandColumn::Method, 1), kSandMethodKo);
  EXPECT_EQ(sand->GetFloatValue(SandColumn::Ko, 0), 0.45L);
  EXPECT_EQ(sand->GetFloatValue(SandColumn::Beta, 0), 0);
  const TGridTable* clay = fTables->LayerTable(1);
  EXPECT_EQ(clay->ID(), 2);
  EXPECT_EQ(clay->GetFloatValue(ClayColumn::Nc, 0), 9);
  EXPECT_EQ(clay->GetFloatValue(ClayColumn::Nc, 1), 8);
  EXPECT_EQ(clay->GetFloatValue(ClayColumn::Cohesion, 1), 2400);
  EXPECT_EQ(clay->GetIntValue(ClayColumn::BlowCounts, 0), 3);
  EXPECT_EQ(clay->GetFloatValue(ClayColumn::Alpha, 1), 0.5L);
  const TGridTable& tz = fTables->TblTZDepth();
  ASSERT_EQ(tz.RowCount(), 2);
  EXPECT_EQ(tz.GetFloatValue(0, 1), 12.5L);
  EXPECT_FALSE(fTables->DataChanged());
}

TEST_F(DocumentRead, SandMethodLine_FillsTheColumnOfItsMethod) {
  const struct {
    const char* Method;
    int Column;
    int Stored;
  } cases[] = {{"1", SandColumn::Ko, 1}, {"2", SandColumn::Beta, 2}, {"3", SandColumn::OCR, 3},
               {"0", SandColumn::OCR, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Method);
    QStringList lines = Head();
    lines << QStringLiteral("1 20 ") << QStringLiteral("0.0 120 32 0 15 0 0 1 1 ")
          << QStringLiteral("0.0 122 34 0 22 0 0 1 1 ") << QString::fromLatin1(c.Method)
          << QStringLiteral("0.7 0.6 ");
    auto doc = Open(WriteLines(QStringLiteral("method.tv8d"), lines));
    const TGridTable* sand = fTables->LayerTable(0);
    EXPECT_EQ(sand->GetFloatValue(c.Column, 0), 0.7L);
    EXPECT_EQ(sand->GetFloatValue(c.Column, 1), 0.6L);
    EXPECT_EQ(sand->GetIntValue(SandColumn::Method, 0), c.Stored);
    EXPECT_EQ(sand->GetIntValue(SandColumn::Method, 1), c.Stored);
  }
}

TEST_F(DocumentRead, ShorterForms_KeepDefaultsAndReadOn) {
  // Record 3 with 10 values: no t-z printing flag, and no depth records after the layers.
  // Parameter lines without the LRFD factors: the factors keep their defaults and the
  // reading goes on with the right values.
  const struct {
    int Type;
    const char* Line;
    const char* After;  // the lines after the two parameter lines, split at "|"
  } cases[] = {
      {kSoilSand, "0.0 120 32 0 15 100 200", "2 |0.7 0.6"},
      {kSoilClay, "7 115 0.0 1200 0 100 200", "0.5 0.45"},
      {kSoilShale, "7 115 0.0 1200 0 100 200", "0.5 0.45"},
      {kSoilStrongRock, "200000 580000 2 0.01 3 100 1000000 80 200", ""},
      {kSoilDecomposedRock, "125 40 0.3 20000 3 100 200", ""},
      {kSoilWeakRock, "60000 1 6 30 3 100 600000 60 200", ""},
      {kSoilStrongRockCombined, "200000 580000 2 0.01 3 100 1000000 80 200", ""},
      {kSoilGravellySand, "125 30 0 100 200", ""},
      {kSoilGravel, "130 35 1.0 100 200", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Type);
    QStringList lines = Head(QStringLiteral("2 1 1 1 1 2 0 0 0 0"), 2);
    lines << QStringLiteral("%1 20 ").arg(c.Type) << QString::fromLatin1(c.Line)
          << QString::fromLatin1(c.Line);
    if (*c.After) lines << QString::fromLatin1(c.After).split(QLatin1Char('|'));
    lines << QStringLiteral("9 40 ") << QStringLiteral("130 35 1.0 0 0 0.6 0.55 ")
          << QStringLiteral("132 50 0.8 0 0 0.6 0.55 ");
    TReadOutcome outcome;
    auto doc = Open(WriteLines(QStringLiteral("short.tv8d"), lines), 1, &outcome);
    EXPECT_TRUE(outcome.Complete) << fMessages->LastText().toStdString();
    EXPECT_EQ(doc->PrintTZCurves, 0);
    const TGridTable& d = fTables->D();
    ASSERT_EQ(d.RowCount(), 2);
    EXPECT_EQ(d.GetFloatValue(kLayerMaxSideFriction, 0), 100);
    EXPECT_EQ(d.GetFloatValue(kLayerMaxEndBearing, 0), 200);
    EXPECT_EQ(d.GetFloatValue(kLayerSideFactor, 0), 1.0L);
    EXPECT_EQ(d.GetFloatValue(kLayerEndFactor, 0), 1.0L);
    if (c.Type == kSoilClay || c.Type == kSoilShale) {
      EXPECT_EQ(fTables->LayerTable(0)->GetFloatValue(ClayColumn::Alpha, 1), 0.45L);
    }
    if (c.Type == kSoilSand) {
      EXPECT_EQ(fTables->LayerTable(0)->GetFloatValue(SandColumn::Beta, 1), 0.6L);
    }
    EXPECT_EQ(d.GetIntValue(kLayerSoilType, 1), kSoilGravel);
    EXPECT_EQ(d.GetFloatValue(kLayerSideFactor, 1), 0.6L);
    EXPECT_EQ(fTables->LayerTable(1)->GetFloatValue(GravelColumn::Beta, 1), 0.8L);
  }
}

TEST_F(DocumentRead, TypeOutsideOneToNine_IsItsLayerLineAlone) {
  QStringList lines = Head(QStringLiteral("2 1 1 1 1 2 0 0 0 0 0"), 3);
  lines << QStringLiteral("0 5 ") << QStringLiteral("12 9 ") << QStringLiteral("8 14 ")
        << QStringLiteral("20 22 0 0 0 0.55 0.5 ") << QStringLiteral("20.5 40 0 0 0 0.55 0.5 ");
  TReadOutcome outcome;
  auto doc = Open(WriteLines(QStringLiteral("types.tv8d"), lines), 1, &outcome);
  EXPECT_TRUE(outcome.Complete) << fMessages->LastText().toStdString();
  const TGridTable& d = fTables->D();
  ASSERT_EQ(d.RowCount(), 3);
  EXPECT_EQ(d.GetIntValue(kLayerSoilType, 0), 0);
  EXPECT_EQ(d.GetIntValue(kLayerSoilType, 1), 12);
  EXPECT_EQ(fTables->LayerTable(0), nullptr);
  EXPECT_EQ(fTables->LayerTable(1), nullptr);
  EXPECT_EQ(d.GetFloatValue(kLayerBottom, 1), 9);
  EXPECT_EQ(fTables->LayerTable(2)->GetIntValue(GravelColumn::BlowCounts, 1), 40);
  EXPECT_EQ(fTables->LayerTable(2)->ID(), 3);
}

TEST_F(DocumentRead, FieldsTheFileDoesNotHold_StartAtZero) {
  // An SI file with design charts off: no settlement count, no bounds flag; the ten
  // settlements hold their defaults in metres.
  QStringList lines = {QStringLiteral("SI"), QStringLiteral("2"),
                       QStringLiteral("1 1 1 0.5 1 1 0 0 0 0 0"),
                       QStringLiteral("1 1 0 0 0 0 25000000"), QStringLiteral("1 3 2000 1 1"),
                       QStringLiteral("8 14 "), QStringLiteral("20 22 0 0 0 0.55 0.5 "),
                       QStringLiteral("20.5 40 0 0 0 0.55 0.5 ")};
  auto doc = Open(WriteLines(QStringLiteral("si.tv8d"), lines));
  EXPECT_EQ(doc->Units(), 2);
  EXPECT_EQ(fTables->D().Units(), 2);
  EXPECT_EQ(doc->NPOINTPD, 0);
  EXPECT_EQ(doc->ID2, 0);
  EXPECT_EQ(doc->LPD, 2000);
  EXPECT_EQ(doc->PD, 0);
  EXPECT_NEAR(double(doc->PDSETT[0]), 0.00254, 1e-12);
  EXPECT_NEAR(double(doc->PDSETT[9]), 0.0254, 1e-12);
  // Values are taken as they stand, in the file's system.
  EXPECT_EQ(fTables->D().GetFloatValue(kLayerBottom, 0), 14);
  EXPECT_EQ(fTables->LayerTable(0)->GetFloatValue(GravelColumn::UnitWeight, 0), 20);
  EXPECT_EQ(doc->NLRFD, 1);
  EXPECT_TRUE(fTables->D().GetColumn(kLayerSideFactor)->Visible());
}

struct ErrorCase {
  const char* Name;
  QStringList Lines;
  QString Message;
};

TEST_F(DocumentRead, ReadErrors_ShowTheMessageAndKeepWhatWasRead) {
  QStringList truncated = Head(QStringLiteral("2 1 1 1 1 2 0 0 0 0 0"), 3);
  truncated << QStringLiteral("2 12 ") << QStringLiteral("0 115 0.0 1500 0 0 0 1 1 ")
            << QStringLiteral("0 118 0.0 2000 0 0 0 1 1 ") << QStringLiteral("0.55 0.5")
            << QStringLiteral("5 20 ") << QStringLiteral("125 40 0.3 20000 3 0 0 1 1 ");
  QStringList badFloat = Head();
  badFloat[3] = QStringLiteral("3 3 0 0 2O 0 3600000");
  QStringList badInteger = Head();
  badInteger[4] = QStringLiteral("2.5 10 50 2.5 3");
  QStringList negativeCount = Head(QStringLiteral("2 1 1 1 1 2 0 0 0 0 0"), -2);
  QStringList badBlowCount = Head();
  badBlowCount << QStringLiteral("1 20 ") << QStringLiteral("0.0 120 32 0 15.5 0 0 1 1 ");
  const ErrorCase cases[] = {
      {"ends inside the layers", truncated, kIncomplete},
      {"empty file", {}, kIncomplete},
      {"letter in a real", badFloat,
       QStringLiteral("Error on Line 4 Item 5\nA floating point number was expected but not found.")},
      {"fraction in a count", badInteger,
       QStringLiteral("Error on Line 5 Item 1\nAn integer was expected but not found.")},
      {"negative count", negativeCount,
       QStringLiteral("Error on Line 5 Item 1\nA count of zero or more was expected but not found.")},
      {"fraction in blow counts", badBlowCount,
       QStringLiteral("Error on Line 7 Item 5\nAn integer was expected but not found.")},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.Name);
    fMessages->Clear();
    fTables->SetDataChanged(true);
    TReadOutcome outcome;
    auto doc = Open(WriteLines(QStringLiteral("bad.tv8d"), c.Lines), 1, &outcome);
    EXPECT_FALSE(outcome.Complete);
    ASSERT_EQ(fMessages->Messages().size(), 1);
    EXPECT_EQ(fMessages->Messages()[0].Kind, TMessageKind::Information);
    EXPECT_EQ(fMessages->LastText().toStdString(), c.Message.toStdString());
    EXPECT_FALSE(fTables->DataChanged());
    // Every table holds at least its minimum rows.
    for (const TGridTable* t : fTables->All()) EXPECT_GE(t->RowCount(), t->MinRows());
  }
}

TEST_F(DocumentRead, FileEndingInsideTheLayers_KeepsTheLayersReadSoFar) {
  QStringList lines = Head(QStringLiteral("2 1 1 1 1 2 0 0 0 0 0"), 3);
  lines << QStringLiteral("2 12 ") << QStringLiteral("0 115 0.0 1500 0 0 0 1 1 ")
        << QStringLiteral("0 118 0.0 2000 0 0 0 1 1 ") << QStringLiteral("0.55 0.5")
        << QStringLiteral("5 20 ") << QStringLiteral("125 40 0.3 20000 3 0 0 1 1 ");
  auto doc = Open(WriteLines(QStringLiteral("truncated.tv8d"), lines));
  EXPECT_EQ(doc->PD, 50);
  const TGridTable& d = fTables->D();
  ASSERT_EQ(d.RowCount(), 3);
  EXPECT_EQ(fTables->LayerTable(0)->GetFloatValue(ClayColumn::Alpha, 1), 0.5L);
  // The layer the file ends in keeps its top row; the rest are defaults.
  EXPECT_EQ(d.GetIntValue(kLayerSoilType, 1), kSoilDecomposedRock);
  EXPECT_EQ(fTables->LayerTable(1)->GetFloatValue(DecomposedColumn::YoungModulus, 0), 20000);
  EXPECT_EQ(fTables->LayerTable(1)->GetFloatValue(DecomposedColumn::YoungModulus, 1), 0);
  EXPECT_EQ(d.GetIntValue(kLayerSoilType, 2), kSoilSand);
  EXPECT_EQ(d.GetFloatValue(kLayerBottom, 2), 0);
  EXPECT_EQ(fTables->LayerTable(2)->RowCount(), 2);
  EXPECT_EQ(fTables->TblTZDepth().RowCount(), 1);
  EXPECT_EQ(fTables->Template(kSoilWeakRock)->RowCount(), 2);
}

TEST_F(DocumentRead, MissingFile_ShowsTheSystemMessage) {
  TReadOutcome outcome;
  const QString path = Path(QStringLiteral("absent.tv8d"));
  auto doc = Open(path, 1, &outcome);
  EXPECT_FALSE(outcome.Complete);
  EXPECT_TRUE(fMessages->LastText().startsWith(path)) << fMessages->LastText().toStdString();
  EXPECT_EQ(fTables->D().RowCount(), 1);
}

TEST_F(DocumentRead, CommaLocale_ReadsPointsAndRestoresTheSeparators) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QStringList lines = Head(QStringLiteral("2 2 0.75 0.5 1 2 0 0 0 0 0"));
  lines << QStringLiteral("9 12.5 ") << QStringLiteral("130 35 1.25 0 0 0.6 0.55 ")
        << QStringLiteral("132 50 0.8 0 0 0.6 0.55 ");
  auto doc = Open(WriteLines(QStringLiteral("comma.tv8d"), lines));
  EXPECT_EQ(doc->RCYCL, 0.75L);
  EXPECT_EQ(fTables->D().GetFloatValue(kLayerBottom, 0), 12.5L);
  EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
  // Also after a read error.
  lines.removeLast();
  Open(WriteLines(QStringLiteral("comma-short.tv8d"), lines));
  EXPECT_EQ(fMessages->LastText(), kIncomplete);
  EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
  EXPECT_EQ(QLocale().groupSeparator(), QStringLiteral("."));
}

TEST_F(DocumentRead, CountsAboveTheLimits_ReadWhatFitsAndSaySo) {
  // 42 layers, 12 settlements and 52 depths: the first 40, 10 and 50 are kept, the rest
  // of the file is still read, and each limit is named in a message.
  QStringList lines = {QStringLiteral("Limits"), QStringLiteral("1"),
                       QStringLiteral("2 1 1 1 1 2 0 1 0 0 1"),
                       QStringLiteral("3 3 0 0 0 0 3600000"), QStringLiteral("42 10 50 2.5 3"),
                       QStringLiteral("30 2 0.5 12")};
  QString settlements;
  for (int i = 1; i <= 12; ++i) settlements += QString::number(i * 0.1, 'g', 3) + QLatin1Char(' ');
  lines << settlements;
  for (int layer = 1; layer <= 42; ++layer)
    lines << QStringLiteral("8 %1 ").arg(layer) << QStringLiteral("%1 %1 0 0 0 1 1 ").arg(100 + layer)
          << QStringLiteral("%1 %1 0 0 0 1 1 ").arg(200 + layer);
  lines << QStringLiteral("52");
  for (int depth = 1; depth <= 52; ++depth) lines << QString::number(depth);
  TReadOutcome outcome;
  auto doc = Open(WriteLines(QStringLiteral("limits.tv8d"), lines), 1, &outcome);
  EXPECT_TRUE(outcome.Complete);
  const QStringList expected = {
      QStringLiteral("The file holds 42 soil layers; the program holds at most 40.\n"
                     "Only the first 40 layers were read."),
      QStringLiteral("The file holds 12 design-chart settlements; the program holds at most 10.\n"
                     "Only the first 10 settlements were read."),
      QStringLiteral("The file holds 52 t-z print depths; the program holds at most 50.\n"
                     "Only the first 50 depths were read.")};
  EXPECT_EQ(fMessages->Texts(), expected);
  EXPECT_EQ(doc->NPOINTPD, 10);
  EXPECT_NEAR(double(doc->PDSETT[9]), 1.0, 1e-12);
  const TGridTable& d = fTables->D();
  ASSERT_EQ(d.RowCount(), 40);
  EXPECT_EQ(d.GetFloatValue(kLayerBottom, 39), 40);
  EXPECT_EQ(fTables->LayerTable(39)->GetFloatValue(GravelColumn::UnitWeight, 1), 240);
  const TGridTable& tz = fTables->TblTZDepth();
  ASSERT_EQ(tz.RowCount(), 50);
  EXPECT_EQ(tz.GetFloatValue(0, 49), 50);
}

TEST_F(DocumentRead, Release2012_ReadsItsLayout) {
  for (int filter : {TProgramData::kFilter2012, TProgramData::kFilterAllFiles}) {
    SCOPED_TRACE(filter);
    TReadOutcome outcome;
    auto doc = Open(FixturePath(QStringLiteral("release2012-sand-clay.tvd")), filter, &outcome);
    EXPECT_TRUE(outcome.Complete) << fMessages->LastText().toStdString();
    EXPECT_EQ(doc->METHOD, 2);
    EXPECT_EQ(doc->IMOD, 0);
    EXPECT_EQ(doc->NLRFD, 1);
    EXPECT_EQ(doc->Yesnewversion, 1);
    EXPECT_EQ(doc->IPENT, 0);
    EXPECT_EQ(doc->IChart, 0);
    EXPECT_EQ(doc->PrintTZCurves, 0);
    EXPECT_EQ(doc->NPOINTPD, 0);
    EXPECT_EQ(doc->PDSETT[1], 0.25L);
    EXPECT_EQ(doc->DIALIM, 3.5L);
    EXPECT_EQ(doc->PD, 45);
    const TGridTable& d = fTables->D();
    ASSERT_EQ(d.RowCount(), 3);
    const TGridTable* ko = fTables->LayerTable(0);
    EXPECT_EQ(ko->GetFloatValue(SandColumn::FrictionAngle, 1), 33);
    EXPECT_EQ(ko->GetFloatValue(SandColumn::InterfaceAngle, 0), 0);  // the unused 99
    EXPECT_EQ(ko->GetFloatValue(SandColumn::Ko, 1), 0.45L);
    EXPECT_EQ(ko->GetIntValue(SandColumn::Method, 0), kSandMethodKo);
    EXPECT_EQ(d.GetFloatValue(kLayerMaxEndBearing, 0), 42000);
    EXPECT_EQ(d.GetFloatValue(kLayerSideFactor, 0), 0.6L);
    // Any method but 1 is Beta, and is kept as Beta.
    const TGridTable* beta = fTables->LayerTable(1);
    EXPECT_EQ(beta->GetFloatValue(SandColumn::Beta, 0), 0.7L);
    EXPECT_EQ(beta->GetIntValue(SandColumn::Method, 1), kSandMethodBeta);
    EXPECT_EQ(beta->GetFloatValue(SandColumn::OCR, 0), 0);
    const TGridTable* clay = fTables->LayerTable(2);
    EXPECT_EQ(clay->GetFloatValue(ClayColumn::Nc, 1), 8);
    EXPECT_EQ(clay->GetFloatValue(ClayColumn::Alpha, 1), 0.55L);
  }
}

TEST_F(DocumentRead, Release60_ReadsItsLayout) {
  TReadOutcome outcome;
  auto doc = Open(FixturePath(QStringLiteral("release60-sand-shale.tvd")),
                  TProgramData::kFilter60, &outcome);
  EXPECT_TRUE(outcome.Complete) << fMessages->LastText().toStdString();
  EXPECT_EQ(doc->Units(), 2);
  EXPECT_EQ(doc->METHOD, 1);
  EXPECT_EQ(doc->PINC, 0.5L);
  EXPECT_EQ(doc->IMOD, 1);  // four values: IMOD is 1
  EXPECT_EQ(doc->NLRFD, 0);
  EXPECT_EQ(doc->Yesnewversion, 0);
  EXPECT_EQ(doc->LPD, 2000);
  EXPECT_EQ(doc->EPILE, 25000000);
  EXPECT_NEAR(double(doc->PDSETT[0]), 0.00254, 1e-12);
  const TGridTable& d = fTables->D();
  ASSERT_EQ(d.RowCount(), 2);
  EXPECT_EQ(d.GetFloatValue(kLayerSideFactor, 0), 1.0L);
  const TGridTable* sand = fTables->LayerTable(0);
  EXPECT_EQ(sand->GetFloatValue(SandColumn::Beta, 0), 0.6L);
  EXPECT_EQ(sand->GetIntValue(SandColumn::Method, 0), kSandMethodBeta);
  EXPECT_EQ(sand->GetFloatValue(SandColumn::InterfaceAngle, 0), 0);
  EXPECT_EQ(fTables->LayerTable(1)->GetFloatValue(ClayColumn::Cohesion, 1), 450);

  // With five values record 3 carries IMOD.
  QStringList lines = ReadLines(FixturePath(QStringLiteral("release60-sand-shale.tvd")));
  lines[2] = QStringLiteral("1 1 1 0.5 0");
  auto five = Open(WriteLines(QStringLiteral("five.tvd"), lines), TProgramData::kFilter60);
  EXPECT_EQ(five->IMOD, 0);
  EXPECT_EQ(five->EPILE, 25000000);
}

}  // namespace
