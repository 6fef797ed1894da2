#include "DocumentSettings.h"

#include "TGridTable.h"
#include "TProgramData.h"
#include "TSoilProfileTables.h"

TPlotReadSettings SettingsFrom(const TProgramData& document) {
  TPlotReadSettings s;
  s.Units = document.Units();
  s.UseElevation = document.UseElevation;
  s.ValElevation = document.ValElevation;
  s.NLRFD = document.NLRFD;
  s.KCYCL = document.KCYCL;
  s.Yesnewversion = document.Yesnewversion != 0;
  s.FST = document.FST;
  s.FSB = document.FSB;
  s.IChart = document.IChart;
  s.IPENT = document.IPENT;
  s.DSTART = document.DSTART;
  s.DIAMINCR = document.DIAMINCR;
  s.PrintTZCurves = document.PrintTZCurves;
  s.NPOINTPD = document.NPOINTPD;
  static_assert(TPlotReadSettings::kChartSettlements == TProgramData::kMaxSettlements);
  s.PDSETT = document.PDSETT;
  s.ID2 = document.ID2;
  return s;
}

void StoreLoadedID2(const TPlotReadSettings& settings, TProgramData& document) {
  document.ID2 = settings.ID2;
}

std::vector<TSoilLayerRow> SoilLayersFrom(const TSoilProfileTables& tables) {
  const TGridTable& d = tables.D();
  std::vector<TSoilLayerRow> rows;
  rows.reserve(static_cast<std::size_t>(d.RowCount()));
  for (int row = 0; row < d.RowCount(); ++row)
    rows.push_back({d.GetIntValue(kLayerSoilType, row), d.GetFloatValue(kLayerBottom, row)});
  return rows;
}
