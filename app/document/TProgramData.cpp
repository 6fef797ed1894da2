#include "TProgramData.h"

#include <QFileInfo>
#include <algorithm>

#include "TSoilProfileTables.h"

std::unique_ptr<TProgramData> ProgramData;

namespace {

// Factors of the document's own fields, English units per SI unit.
constexpr long double kFeetPerMetre = 3.280839895L;
constexpr long double kInchesPerMetre = 39.37007874L;
constexpr long double kPoundsPerKilonewton = 224.8089237L;
constexpr long double kTonsPerKilonewton = 0.1124044745L;

// The design-chart settlements of a new document, in inches.
constexpr std::array<long double, TProgramData::kMaxSettlements> kDefaultSettlementsInches = {
    0.1L, 0.25L, 0.5L, 0.75L, 1, 1, 1, 1, 1, 1};

}  // namespace

std::unique_ptr<TProgramData> TProgramData::Create(TSoilProfileTables& tables) {
  if (tables.OnCloseChildWindows) tables.OnCloseChildWindows();
  std::unique_ptr<TProgramData> doc(new TProgramData(tables));
  doc->FileName = QString::fromLatin1(kNewFileName);
  doc->fUnits = 1;
  doc->Title = QString::fromLatin1(kNewTitle);
  doc->SetUnits(1);
  doc->PINC = 1.0L;
  doc->METHOD = 2;
  doc->KCYCL = 1;
  doc->RCYCL = 1.0L;
  doc->NPOINTPD = 5;
  doc->InitPDSET();
  doc->FST = 2.5L;
  doc->FSB = 3.0L;
  doc->ID2 = 1;
  doc->IMOD = 1;
  doc->Yesnewversion = 1;
  doc->NLRFD = 2;
  tables.ResetRows();
  tables.ShowLRFDColumns(doc->NLRFD == 1);
  tables.SetDataChanged(false);
  return doc;
}

std::unique_ptr<TProgramData> TProgramData::CreateFromFile(const QString& fileName, int filter,
                                                           TSoilProfileTables& tables,
                                                           TReadOutcome* outcome) {
  std::unique_ptr<TProgramData> doc(new TProgramData(tables));
  TReadOutcome result;
  switch (filter) {
    case kFilterCurrent:
      result = doc->ReadVersion8(fileName);
      break;
    case kFilter60:
      result = doc->ReadPrevVersions(fileName, false);
      doc->InitPDSET();
      break;
    default:  // the 2012 layout and "All Files"
      result = doc->ReadPrevVersions(fileName, true);
      doc->InitPDSET();
      break;
  }
  if (outcome) *outcome = result;
  return doc;
}

int TProgramData::FilterForFile(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("tv8d")) return kFilterCurrent;
  if (suffix == QLatin1String("tvd")) return kFilter2012;
  return 0;
}

void TProgramData::SetUnits(int value) {
  value = std::clamp(value, 1, 2);
  const bool toEnglish = value == 1;
  const long double length = toEnglish ? kFeetPerMetre : 1 / kFeetPerMetre;
  const long double smallLength = toEnglish ? kInchesPerMetre : 1 / kInchesPerMetre;
  const long double force = toEnglish ? kPoundsPerKilonewton : 1 / kPoundsPerKilonewton;
  const long double largeForce = toEnglish ? kTonsPerKilonewton : 1 / kTonsPerKilonewton;

  fTables.SetUnits(value);
  if (value != fUnits) {
    for (long double* field : {&PINC, &DSTART, &DIALIM, &TOPLENG, &BS, &PD, &PDMIN, &PDINCR,
                               &DIAMINCR, &WTD})
      *field *= length;
    EPILE *= force / (smallLength * smallLength);
    LPD *= largeForce;
    const int inUse = std::clamp(NPOINTPD, 0, kMaxSettlements);
    for (int i = 0; i < inUse; ++i) PDSETT[std::size_t(i)] *= smallLength;
  }
  fUnits = value;
  if (fTables.OnUnitsChanged) fTables.OnUnitsChanged();
}

void TProgramData::InitPDSET() {
  PDSETT = kDefaultSettlementsInches;
  if (fUnits == 2)
    for (long double& s : PDSETT) s /= kInchesPerMetre;
}
