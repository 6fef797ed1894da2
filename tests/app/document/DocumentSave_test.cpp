#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <csignal>
#include <sys/resource.h>

#include "DocumentTestSupport.h"
#include "EInOutError.h"
#include "TGridTable.h"

namespace {

class DocumentSave : public DocumentTest {
 protected:
  // A document of two layers (sand by the Ko method, clay) and a layer without a soil type,
  // with lengths, charts and t-z depths on.
  std::unique_ptr<TProgramData> LayoutDocument() {
    auto doc = NewDocument();
    doc->FileName = Path(QStringLiteral("layout.tv8d"));
    doc->Title = QStringLiteral("Layout check");
    doc->KCYCL = 2;
    doc->RCYCL = 0.75L;
    doc->PINC = 0.5L;
    doc->IMOD = 0;
    doc->NLRFD = 1;
    doc->IPENT = 1;
    doc->IChart = 1;
    doc->UseElevation = 1;
    doc->ValElevation = 102.5L;
    doc->PrintTZCurves = 1;
    doc->DSTART = 3;
    doc->DIALIM = 4;
    doc->TOPLENG = 2;
    doc->BS = 0.5L;
    doc->EPILE = 3600000;
    doc->WTD = 10;
    doc->PD = 50;
    doc->PDMIN = 30;
    doc->PDINCR = 2;
    doc->DIAMINCR = 0.5L;
    doc->NPOINTPD = 3;

    TGridTable& d = fTables->D();
    d.SetRowCount(0);
    AddLayer(kSoilSand, 20);
    TGridTable* sand = fTables->LayerTable(0);
    const long double sandValues[2][5] = {{120, 32, 30, 0.45L, 0}, {122, 34, 31, 0.4L, 0}};
    for (int r = 0; r < 2; ++r) {
      sand->SetFloatValue(SandColumn::UnitWeight, r, sandValues[r][0]);
      sand->SetFloatValue(SandColumn::FrictionAngle, r, sandValues[r][1]);
      sand->SetFloatValue(SandColumn::InterfaceAngle, r, sandValues[r][2]);
      sand->SetFloatValue(SandColumn::Ko, r, sandValues[r][3]);
      sand->SetFloatValue(SandColumn::Beta, r, 0.9L);  // not written: the method is Ko
      sand->SetIntValue(SandColumn::BlowCounts, r, r == 0 ? 15 : 22);
      sand->SetIntValue(SandColumn::Method, r, kSandMethodKo);
    }
    d.SetFloatValue(kLayerMaxSideFriction, 0, 2000);
    d.SetFloatValue(kLayerSideFactor, 0, 0.55L);
    d.SetFloatValue(kLayerEndFactor, 0, 0.5L);

    AddLayer(kSoilClay, 60);
    TGridTable* clay = fTables->LayerTable(1);
    const long double clayValues[2][4] = {{115, 1200, 0.55L, 9}, {120, 2400, 0.5L, 9}};
    for (int r = 0; r < 2; ++r) {
      clay->SetFloatValue(ClayColumn::UnitWeight, r, clayValues[r][0]);
      clay->SetFloatValue(ClayColumn::Cohesion, r, clayValues[r][1]);
      clay->SetFloatValue(ClayColumn::Alpha, r, clayValues[r][2]);
      clay->SetFloatValue(ClayColumn::Nc, r, clayValues[r][3]);
      clay->SetIntValue(ClayColumn::BlowCounts, r, r == 0 ? 3 : 5);
    }
    d.SetFloatValue(kLayerSideFactor, 1, 0.45L);
    d.SetFloatValue(kLayerEndFactor, 1, 0.4L);

    AddLayer(12, 70);

    TGridTable& tz = fTables->TblTZDepth();
    tz.SetRowCount(2);
    tz.SetFloatValue(0, 0, 5);
    tz.SetFloatValue(0, 1, 12.5L);
    return doc;
  }
};

QByteArray CrLfText(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
  return bytes;
}

TEST_F(DocumentSave, WritesEveryRecordInItsLayout) {
  auto doc = LayoutDocument();
  fTables->SetDataChanged(true);
  doc->Save();
  const QStringList expected = {
      QStringLiteral("Layout check"),
      QStringLiteral("1"),
      QStringLiteral("2 2 0.75 0.5 0 1 1 1 1 102.5 1"),
      QStringLiteral("3 3 0 0 2 0.5 3600000"),  // one diameter with several lengths
      QStringLiteral("3 10 50 2.5 3"),
      QStringLiteral("30 2"),
      QStringLiteral("30 2 0.5 3"),
      QStringLiteral("0.1 0.25 0.5 "),
      QStringLiteral("1 20 "),
      QStringLiteral("0.0 120 32 30 15 2000 0 0.55 0.5 "),
      QStringLiteral("0.0 122 34 31 22 2000 0 0.55 0.5 "),
      QStringLiteral("1 "),
      QStringLiteral("0.45 0.4 "),
      QStringLiteral("2 60 "),
      QStringLiteral("9 115 0.0 1200 3 0 0 0.45 0.4 "),
      QStringLiteral("9 120 0.0 2400 5 0 0 0.45 0.4 "),
      QStringLiteral("0.55 0.5"),
      QStringLiteral("12 70 "),  // no soil type: the layer line alone
      QStringLiteral("2"),
      QStringLiteral("5"),
      QStringLiteral("12.5")};
  EXPECT_EQ(ReadBytes(doc->FileName).toStdString(), CrLfText(expected).toStdString());
  EXPECT_EQ(doc->DIALIM, 3);
  EXPECT_FALSE(fTables->DataChanged());
}

TEST_F(DocumentSave, NormalisesTheMethodValuesAndKeepsThem) {
  const struct {
    const char* Name;
    long double PD, LPD;
    int Method, Ipent, Ichart;
    const char* Record3Start;  // METHOD
    const char* Record5;
    long double PDAfter, LPDAfter;
    int IpentAfter, IchartAfter;
  } cases[] = {
      {"no length: design load", 0, 350, 2, 1, 1, "1", "1 10 350 2.5 3", 0, 350, 0, 0},
      {"length given: load dropped", 50, 350, 1, 0, 0, "2", "1 10 50 2.5 3", 50, 0, 0, 0},
      {"length with ranges", 50, 0, 2, 1, 1, "2", "1 10 50 2.5 3", 50, 0, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    auto doc = NewDocument();
    doc->FileName = Path(QStringLiteral("method.tv8d"));
    doc->WTD = 10;
    doc->PD = c.PD;
    doc->LPD = c.LPD;
    doc->METHOD = c.Method;
    doc->IPENT = c.Ipent;
    doc->IChart = c.Ichart;
    doc->Save();
    const QStringList lines = ReadLines(doc->FileName);
    EXPECT_EQ(lines[2].section(QLatin1Char(' '), 0, 0).toStdString(), c.Record3Start);
    EXPECT_EQ(lines[4].toStdString(), c.Record5);
    // With the design load the length and chart records are absent.
    EXPECT_EQ(lines.size(), c.IpentAfter ? 13 : 10);
    EXPECT_EQ(doc->METHOD, QString::fromLatin1(c.Record3Start).toInt());
    EXPECT_EQ(doc->PD, c.PDAfter);
    EXPECT_EQ(doc->LPD, c.LPDAfter);
    EXPECT_EQ(doc->IPENT, c.IpentAfter);
    EXPECT_EQ(doc->IChart, c.IchartAfter);
    EXPECT_EQ(doc->Yesnewversion, 1);
  }
}

TEST_F(DocumentSave, FileText_LeavesTheDocumentAsItIs_SaveNormalisesFirst) {
  auto doc = LayoutDocument();  // lengths varied over a diameter range of 3 to 4 ft
  doc->METHOD = 1;              // stale: a length is given
  doc->LPD = 350;
  doc->Yesnewversion = 0;
  const QByteArray before = doc->FileText();
  EXPECT_EQ(doc->FileText(), before);
  EXPECT_EQ(doc->METHOD, 1);
  EXPECT_EQ(doc->LPD, 350);
  EXPECT_EQ(doc->DIALIM, 4);
  EXPECT_EQ(doc->Yesnewversion, 0);

  doc->Save();
  EXPECT_EQ(doc->METHOD, 2);
  EXPECT_EQ(doc->LPD, 0);
  EXPECT_EQ(doc->DIALIM, 3);
  EXPECT_EQ(doc->Yesnewversion, 1);
  EXPECT_EQ(ReadBytes(doc->FileName), doc->FileText());
  EXPECT_NE(doc->FileText(), before);
}

TEST_F(DocumentSave, SandMethodOtherThanKoOrBeta_WritesTheOCRMethod) {
  auto doc = NewDocument();
  doc->FileName = Path(QStringLiteral("sand.tv8d"));
  TGridTable* sand = fTables->LayerTable(0);
  for (int r = 0; r < 2; ++r) {
    sand->SetIntValue(SandColumn::Method, r, 0);  // as after a change of soil type
    sand->SetFloatValue(SandColumn::OCR, r, r == 0 ? 0.6L : 0.8L);
  }
  doc->Save();
  const QStringList lines = ReadLines(doc->FileName);
  ASSERT_EQ(lines.size(), 10);
  EXPECT_EQ(lines[8], QStringLiteral("3 "));
  EXPECT_EQ(lines[9], QStringLiteral("0.6 0.8 "));
}

TEST_F(DocumentSave, RockAndDecomposedRockLayersClearTheBoundsFlag) {
  for (int type = 1; type <= 10; ++type) {
    auto doc = NewDocument();
    doc->FileName = Path(QStringLiteral("id2.tv8d"));
    fTables->D().SetIntValue(kLayerSoilType, 0, type);
    ASSERT_EQ(doc->ID2, 1);
    doc->Save();
    const bool rock = type >= 4 && type <= 7;
    EXPECT_EQ(doc->ID2, rock ? 0 : 1) << type;
  }
}

TEST_F(DocumentSave, TitleWithLineBreak_StaysOneLine) {
  auto doc = NewDocument();
  doc->FileName = Path(QStringLiteral("title.tv8d"));
  doc->Title = QStringLiteral("Pier 4\r\nnorth abutment\nrev 2");
  doc->Save();
  const QStringList lines = ReadLines(doc->FileName);
  EXPECT_EQ(lines[0], QStringLiteral("Pier 4 north abutment rev 2"));
  EXPECT_EQ(lines[1], QStringLiteral("1"));
}

TEST_F(DocumentSave, CommaLocale_WritesPointsAndRestoresTheSeparators) {
  const QLocale german(QLocale::German, QLocale::Germany);
  QLocale::setDefault(german);
  auto doc = NewDocument();
  doc->FileName = Path(QStringLiteral("comma.tv8d"));
  doc->RCYCL = 0.75L;
  doc->PD = 12.5L;
  doc->Save();
  const QStringList lines = ReadLines(doc->FileName);
  EXPECT_TRUE(lines[2].contains(QStringLiteral(" 0.75 "))) << lines[2].toStdString();
  EXPECT_EQ(lines[4], QStringLiteral("1 0 12.5 2.5 3"));
  EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
  EXPECT_EQ(QLocale().groupSeparator(), QStringLiteral("."));

  // Also when the write fails.
  doc->FileName = Path(QStringLiteral("no-such-folder/comma.tv8d"));
  EXPECT_THROW(doc->Save(), EInOutError);
  EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
}

// A write that fails part-way (here: the file-size limit of the process, which stops a
// write as a full disk would) must leave the previous file as it was.
TEST_F(DocumentSave, FailedWrite_KeepsThePreviousFile) {
  auto doc = NewDocument();
  doc->FileName = Path(QStringLiteral("kept.tv8d"));
  doc->Title = QString(300, QLatin1Char('x'));
  doc->Save();
  const QByteArray previous = ReadBytes(doc->FileName);
  ASSERT_GT(previous.size(), 300);

  doc->Title = QString(600, QLatin1Char('y'));
  fTables->SetDataChanged(true);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 400;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  QString message;
  try {
    doc->Save();
  } catch (const EInOutError& e) {
    message = e.Message();
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_TRUE(message.startsWith(QStringLiteral("The file ") + doc->FileName +
                                 QStringLiteral(" could not be saved")))
      << message.toStdString();
  EXPECT_EQ(ReadBytes(doc->FileName).size(), previous.size());
  EXPECT_EQ(ReadBytes(doc->FileName), previous);
  EXPECT_EQ(QDir(fDir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.tv8d")});
  EXPECT_TRUE(fTables->DataChanged());
}

}  // namespace
