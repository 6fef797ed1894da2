// Reading the document from a file of the current layout or of the two older releases.
#include <algorithm>
#include <exception>
#include <limits>

#include "DocumentMessages.h"
#include "EInOutError.h"
#include "SoilLayerRecords.h"
#include "TFileSeparators.h"
#include "TGridTable.h"
#include "TMessageBox.h"
#include "TProgramData.h"
#include "TSoilProfileTables.h"
#include "TWordReader.h"

namespace {

// A count of rows or values: a whole number of zero or more.
int ReadCount(TWordReader& reader) {
  const int count = reader.ReadInteger();
  if (count < 0)
    throw EInOutError(DocumentText::CountExpected(reader.CurrentLine() + 1, reader.CurrentItem()));
  return count;
}

// The most rows a table holds when read from a file: its maximum, or any number without one.
int RowLimit(const TGridTable& table) {
  return table.MaxRows() > 0 ? table.MaxRows() : std::numeric_limits<int>::max();
}

}  // namespace

TReadOutcome TProgramData::ReadVersion8(const QString& fileName) {
  return Read(fileName, TLayout::Current);
}

TReadOutcome TProgramData::ReadPrevVersions(const QString& fileName, bool IsNewVer) {
  return Read(fileName, IsNewVer ? TLayout::Release2012 : TLayout::Release60);
}

TReadOutcome TProgramData::Read(const QString& fileName, TLayout layout) {
  if (fTables.OnCloseChildWindows) fTables.OnCloseChildWindows();
  FileName = fileName;
  fUnits = 1;
  fTables.ClearRows();

  TReadOutcome outcome;
  QString error;
  {
    TFileSeparators separators;
    try {
      TWordReader reader(fileName);
      ReadRecords(reader, layout, outcome.Messages);
    } catch (const EInOutError& e) {
      error = e.Message();
    } catch (const std::exception& e) {
      // Nothing else is expected from reading; whatever it is, the part read stays.
      error = QString::fromUtf8(e.what());
    }
    // Layers or depths beyond a table's maximum were read into a spare row and dropped.
    for (TGridTable* table : {&fTables.D(), &fTables.TblTZDepth()})
      if (table->RowCount() > RowLimit(*table)) table->SetRowCount(RowLimit(*table));
    fTables.PadToMinimum();
    fTables.ShowLRFDColumns(NLRFD == 1);
    fTables.SetDataChanged(false);
  }
  if (!error.isEmpty()) {
    outcome.Complete = false;
    outcome.Messages << error;
  }
  for (const QString& message : outcome.Messages) TMessageBox::Information(nullptr, message);
  return outcome;
}

void TProgramData::ReadRecords(TWordReader& reader, TLayout layout, QStringList& notices) {
  Title = reader.ReadLine();
  SetUnits(reader.ReadInteger());
  InitPDSET();

  METHOD = reader.ReadInteger();
  KCYCL = reader.ReadInteger();
  RCYCL = reader.ReadFloat();
  PINC = reader.ReadFloat();
  switch (layout) {
    case TLayout::Current:
      IMOD = 1;
      Yesnewversion = 1;
      IMOD = reader.ReadInteger();
      NLRFD = reader.ReadInteger();
      IPENT = reader.ReadInteger();
      IChart = reader.ReadInteger();
      UseElevation = reader.ReadInteger();
      ValElevation = reader.ReadFloat();
      // The shorter form without the t-z printing flag has 10 values.
      if (reader.CurrentLineWordCount() >= 11) PrintTZCurves = reader.ReadInteger();
      break;
    case TLayout::Release2012:
      IMOD = reader.ReadInteger();
      NLRFD = reader.ReadInteger();
      Yesnewversion = 1;
      break;
    case TLayout::Release60:
      IMOD = reader.CurrentLineWordCount() >= 5 ? reader.ReadInteger() : 1;
      Yesnewversion = 0;
      break;
  }

  DSTART = reader.ReadFloat();
  DIALIM = reader.ReadFloat();
  RATIO = reader.ReadFloat();
  BELANGL = reader.ReadFloat();
  TOPLENG = reader.ReadFloat();
  BS = reader.ReadFloat();
  EPILE = reader.ReadFloat();

  TGridTable& d = fTables.D();
  const int layers = ReadCount(reader);
  const int layerLimit = RowLimit(d);
  if (layers > layerLimit) notices << DocumentText::TooManyLayers(layers, layerLimit);
  // Layers beyond the limit pass through one spare row, so that the rest of the file is
  // still read.
  d.SetRowCount(layers > layerLimit ? layerLimit + 1 : layers);
  WTD = reader.ReadFloat();
  const long double loadOrLength = reader.ReadFloat();
  LPD = METHOD == 1 ? loadOrLength : 0;
  PD = METHOD == 1 ? 0 : loadOrLength;
  FST = reader.ReadFloat();
  FSB = reader.ReadFloat();

  if (layout == TLayout::Current) {
    if (IPENT > 0) {
      PDMIN = reader.ReadFloat();
      PDINCR = reader.ReadFloat();
    }
    if (IChart > 0) {
      PDMIN = reader.ReadFloat();
      PDINCR = reader.ReadFloat();
      DIAMINCR = reader.ReadFloat();
      const int count = ReadCount(reader);
      if (count > kMaxSettlements)
        notices << DocumentText::TooManySettlements(count, kMaxSettlements);
      NPOINTPD = std::min(count, kMaxSettlements);
      for (int i = 0; i < count; ++i) {
        const long double settlement = reader.ReadFloat();
        if (i < kMaxSettlements) PDSETT[std::size_t(i)] = settlement;
      }
    }
  }

  for (int layer = 0; layer < layers; ++layer) ReadLayer(reader, std::min(layer, layerLimit), layout);

  if (layout == TLayout::Current && PrintTZCurves == 1) ReadTZDepths(reader, notices);
}

void TProgramData::ReadLayer(TWordReader& reader, int row, TLayout layout) {
  TGridTable& d = fTables.D();
  const int type = reader.ReadInteger();
  d.SetIntValue(kLayerSoilType, row, type);  // selects the layer's parameter table
  d.SetFloatValue(kLayerBottom, row, reader.ReadFloat());
  const std::vector<TLayerItem>& items = ParameterLineItems(type);
  TGridTable* table = fTables.LayerTable(row);
  if (items.empty() || !table) return;
  table->SetID(row + 1);
  table->SetRowCount(table->MinRows());

  const int fullCount = int(items.size());
  for (int tableRow : {kRowTop, kRowBottom}) {
    for (const TLayerItem& item : items) {
      switch (item.Kind) {
        case TLayerItemKind::Placeholder:
          reader.ReadWord();
          break;
        case TLayerItemKind::Real: {
          const long double value = reader.ReadFloat();
          if (!(item.UnusedInOlderLayouts && layout != TLayout::Current))
            table->SetFloatValue(item.Column, tableRow, value);
          break;
        }
        case TLayerItemKind::Integer:
          table->SetIntValue(item.Column, tableRow, reader.ReadInteger());
          break;
        case TLayerItemKind::MaxSide:
          d.SetFloatValue(kLayerMaxSideFriction, row, reader.ReadFloat());
          break;
        case TLayerItemKind::MaxEnd:
          d.SetFloatValue(kLayerMaxEndBearing, row, reader.ReadFloat());
          break;
        case TLayerItemKind::SideFactor:
          d.SetFloatValue(kLayerSideFactor, row, reader.ReadFloat());
          break;
        case TLayerItemKind::EndFactor:
          d.SetFloatValue(kLayerEndFactor, row, reader.ReadFloat());
          break;
      }
      // A line shorter than the full count carries no LRFD factors (they come last).
      if (item.Kind == TLayerItemKind::MaxEnd && reader.CurrentLineWordCount() < fullCount) break;
    }
  }

  if (type == kSoilSand) {
    const int method = reader.ReadInteger();
    int column = SandColumn::OCR;
    int stored = method;
    if (layout == TLayout::Current) {
      if (method == kSandMethodKo) column = SandColumn::Ko;
      else if (method == kSandMethodBeta) column = SandColumn::Beta;
    } else {
      // The older releases know Ko (1) and Beta (anything else); the method is kept as the
      // one its values were read for, so that saving writes them under the same method.
      column = method == kSandMethodKo ? SandColumn::Ko : SandColumn::Beta;
      stored = method == kSandMethodKo ? kSandMethodKo : kSandMethodBeta;
    }
    for (int tableRow : {kRowTop, kRowBottom}) table->SetIntValue(SandColumn::Method, tableRow, stored);
    for (int tableRow : {kRowTop, kRowBottom})
      table->SetFloatValue(column, tableRow, reader.ReadFloat());
  } else if (type == kSoilClay || type == kSoilShale) {
    for (int tableRow : {kRowTop, kRowBottom})
      table->SetFloatValue(ClayColumn::Alpha, tableRow, reader.ReadFloat());
  }
}

void TProgramData::ReadTZDepths(TWordReader& reader, QStringList& notices) {
  TGridTable& depths = fTables.TblTZDepth();
  const int count = ReadCount(reader);
  const int limit = RowLimit(depths);
  if (count > limit) notices << DocumentText::TooManyTZDepths(count, limit);
  depths.SetRowCount(std::min(count, limit));
  for (int row = 0; row < count; ++row) {
    const long double depth = reader.ReadFloat();
    if (row < limit) depths.SetFloatValue(0, row, depth);
  }
}
