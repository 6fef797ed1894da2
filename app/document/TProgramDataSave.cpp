// Writing the document in the current layout of the input file.
#include <QSaveFile>
#include <algorithm>

#include "DocumentMessages.h"
#include "EInOutError.h"
#include "FileNumberText.h"
#include "SoilLayerRecords.h"
#include "TFileSeparators.h"
#include "TGridTable.h"
#include "TProgramData.h"
#include "TSoilProfileTables.h"

namespace {

// Builds the file's lines: values separated by one blank, lines ended by CR LF. Most lines
// end with a blank after their last value; EndLine(false) ends one without it.
class TRecordWriter {
 public:
  void Value(const QString& text) {
    if (fOpenValue) fLine += QLatin1Char(' ');
    fLine += text;
    fOpenValue = true;
  }
  void Real(long double value) { Value(FileRealText(value)); }
  void Integer(int value) { Value(FileIntegerText(value)); }
  void EndLine(bool trailingBlank) {
    if (trailingBlank && fOpenValue) fLine += QLatin1Char(' ');
    fText += fLine.toUtf8();
    fText += "\r\n";
    fLine.clear();
    fOpenValue = false;
  }
  // A whole line as it stands.
  void Line(const QString& text) {
    fLine = text;
    fOpenValue = false;
    EndLine(false);
  }
  const QByteArray& Text() const { return fText; }

 private:
  QByteArray fText;
  QString fLine;
  bool fOpenValue = false;
};

// A cell of a parameter table, 0 when the table lacks it.
long double RealCell(const TGridTable* table, int col, int row) {
  return table && table->CellExists(col, row) ? table->GetFloatValue(col, row) : 0;
}
int IntegerCell(const TGridTable* table, int col, int row) {
  return table && table->CellExists(col, row) ? table->GetIntValue(col, row) : 0;
}

void WriteParameterLine(TRecordWriter& w, const TGridTable& d, int layer, const TGridTable* table,
                        int row) {
  for (const TLayerItem& item : ParameterLineItems(d.GetIntValue(kLayerSoilType, layer))) {
    switch (item.Kind) {
      case TLayerItemKind::Placeholder: w.Value(QString::fromLatin1(kPlaceholderText)); break;
      case TLayerItemKind::Real: w.Real(RealCell(table, item.Column, row)); break;
      case TLayerItemKind::Integer: w.Integer(IntegerCell(table, item.Column, row)); break;
      case TLayerItemKind::MaxSide: w.Real(d.GetFloatValue(kLayerMaxSideFriction, layer)); break;
      case TLayerItemKind::MaxEnd: w.Real(d.GetFloatValue(kLayerMaxEndBearing, layer)); break;
      case TLayerItemKind::SideFactor: w.Real(d.GetFloatValue(kLayerSideFactor, layer)); break;
      case TLayerItemKind::EndFactor: w.Real(d.GetFloatValue(kLayerEndFactor, layer)); break;
    }
  }
  w.EndLine(true);
}

// The title is one line of the file: line breaks in it would shift every record after it.
// Nor may it begin with the invisible byte-order mark: at the start of a file a reader takes
// that for the file's encoding mark and drops it, so the title would change with every save.
QString TitleLine(const QString& title) {
  QString line = title;
  while (line.startsWith(QChar(0xFEFF))) line.remove(0, 1);
  line.replace(QLatin1String("\r\n"), QLatin1String(" "));
  line.replace(QLatin1Char('\r'), QLatin1Char(' '));
  line.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return line;
}

}  // namespace

void TProgramData::NormaliseForSave() {
  METHOD = PD > 0 ? 2 : 1;
  if (METHOD == 1) {
    PD = 0;
    IPENT = 0;
    IChart = 0;
  } else {
    LPD = 0;
  }
  // Several lengths are evaluated for a single diameter.
  if (IPENT == 1) DIALIM = DSTART;
  Yesnewversion = 1;
  // With a rock or decomposed-rock layer the upper- and lower-bound results are not taken as
  // available until results are loaded again.
  const TGridTable& d = fTables.D();
  for (int layer = 0; layer < d.RowCount(); ++layer) {
    const int type = d.GetIntValue(kLayerSoilType, layer);
    if (type == kSoilStrongRock || type == kSoilDecomposedRock || type == kSoilWeakRock ||
        type == kSoilStrongRockCombined)
      ID2 = 0;
  }
}

QByteArray TProgramData::FileText() const {
  TFileSeparators separators;
  TRecordWriter w;
  w.Line(TitleLine(Title));
  w.Integer(fUnits);
  w.EndLine(false);

  for (int v : {METHOD, KCYCL}) w.Integer(v);
  w.Real(RCYCL);
  w.Real(PINC);
  for (int v : {IMOD, NLRFD, IPENT, IChart, UseElevation}) w.Integer(v);
  w.Real(ValElevation);
  w.Integer(PrintTZCurves);
  w.EndLine(false);

  for (long double v : {DSTART, DIALIM, RATIO, BELANGL, TOPLENG, BS, EPILE}) w.Real(v);
  w.EndLine(false);

  const TGridTable& d = fTables.D();
  w.Integer(d.RowCount());
  w.Real(WTD);
  w.Real(METHOD == 1 ? LPD : PD);
  w.Real(FST);
  w.Real(FSB);
  w.EndLine(false);
  if (IPENT > 0) {
    w.Real(PDMIN);
    w.Real(PDINCR);
    w.EndLine(false);
  }
  if (IChart > 0) {
    const int count = std::clamp(NPOINTPD, 0, kMaxSettlements);
    for (long double v : {PDMIN, PDINCR, DIAMINCR}) w.Real(v);
    w.Integer(count);
    w.EndLine(false);
    for (int i = 0; i < count; ++i) w.Real(PDSETT[std::size_t(i)]);
    w.EndLine(true);
  }

  for (int layer = 0; layer < d.RowCount(); ++layer) {
    const int type = d.GetIntValue(kLayerSoilType, layer);
    w.Integer(type);
    w.Real(d.GetFloatValue(kLayerBottom, layer));
    w.EndLine(true);
    if (type < 1 || type > kSoilTypeCount) continue;
    const TGridTable* table = fTables.LayerTable(layer);
    WriteParameterLine(w, d, layer, table, kRowTop);
    WriteParameterLine(w, d, layer, table, kRowBottom);
    if (type == kSoilSand) {
      // One method for both rows: that of the bottom row; anything but Ko or Beta is the
      // preconsolidation stress exponent method.
      int method = IntegerCell(table, SandColumn::Method, kRowBottom);
      if (method != kSandMethodKo && method != kSandMethodBeta) method = kSandMethodOCR;
      w.Integer(method);
      w.EndLine(true);
      const int column = method == kSandMethodKo     ? SandColumn::Ko
                         : method == kSandMethodBeta ? SandColumn::Beta
                                                     : SandColumn::OCR;
      w.Real(RealCell(table, column, kRowTop));
      w.Real(RealCell(table, column, kRowBottom));
      w.EndLine(true);
    } else if (type == kSoilClay || type == kSoilShale) {
      w.Real(RealCell(table, ClayColumn::Alpha, kRowTop));
      w.Real(RealCell(table, ClayColumn::Alpha, kRowBottom));
      w.EndLine(false);
    }
  }

  if (PrintTZCurves == 1) {
    const TGridTable& depths = fTables.TblTZDepth();
    w.Integer(depths.RowCount());
    w.EndLine(false);
    for (int row = 0; row < depths.RowCount(); ++row) {
      w.Real(depths.GetFloatValue(0, row));
      w.EndLine(false);
    }
  }
  return w.Text();
}

void TProgramData::Save() {
  NormaliseForSave();
  const QByteArray text = FileText();
  // The new text goes to a temporary file in the same folder, which replaces the previous
  // file only once it is completely written: a failed write never costs the user the file.
  QSaveFile file(FileName);
  if (!file.open(QIODevice::WriteOnly))
    throw EInOutError(DocumentText::CannotSave(FileName, file.errorString()));
  // A short write (a full disk, a size limit) does not always raise an error on its way
  // through the buffers: the size on disk is checked before the file replaces the old one.
  const bool written = file.write(text) == text.size() && file.flush() && file.size() == text.size();
  if (!written) {
    const QString reason =
        file.error() != QFileDevice::NoError ? file.errorString() : DocumentText::ShortWrite();
    file.cancelWriting();
    throw EInOutError(DocumentText::CannotSave(FileName, reason));
  }
  if (!file.commit()) throw EInOutError(DocumentText::CannotSave(FileName, file.errorString()));
  fTables.SetDataChanged(false);
}
