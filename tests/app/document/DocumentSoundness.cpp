#include "DocumentSoundness.h"

#include <QFile>
#include <QLocale>

#include "TGridTable.h"
#include "TSoilProfileTables.h"

namespace {

const QString kIncomplete = QStringLiteral("This file either invalid or incomplete.");

// The document's file text, written as Save writes it but without waiting for the disk.
QByteArray SaveTo(TProgramData& doc, const QString& path) {
  doc.FileName = path;
  const QByteArray text = doc.FileText();
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) return QByteArray();
  return text;
}

QString RowFaults(const TGridTable& table, const QString& name) {
  if (table.RowCount() < table.MinRows())
    return QStringLiteral("%1 has %2 rows, below its minimum %3")
        .arg(name)
        .arg(table.RowCount())
        .arg(table.MinRows());
  if (table.MaxRows() > 0 && table.RowCount() > table.MaxRows())
    return QStringLiteral("%1 has %2 rows, above its maximum %3")
        .arg(name)
        .arg(table.RowCount())
        .arg(table.MaxRows());
  return QString();
}

}  // namespace

QString ReadFaults(const TProgramData& doc, const TReadOutcome& outcome,
                   const QString& userDecimalPoint) {
  const TSoilProfileTables& tables = doc.Tables();
  if (doc.Units() != 1 && doc.Units() != 2)
    return QStringLiteral("unit system %1").arg(doc.Units());
  for (const TGridTable* table : tables.All()) {
    const QString name = table->Caption();
    if (table->Units() != doc.Units())
      return QStringLiteral("%1 is in units %2, the document in %3")
          .arg(name)
          .arg(table->Units())
          .arg(doc.Units());
    if (const QString fault = RowFaults(*table, name); !fault.isEmpty()) return fault;
  }
  const TGridTable& d = tables.D();
  for (int row = 0; row < d.RowCount(); ++row) {
    const int type = d.GetIntValue(kLayerSoilType, row);
    const TGridTable* layer = tables.LayerTable(row);
    const bool known = type >= 1 && type <= kSoilTypeCount;
    if (known != (layer != nullptr))
      return QStringLiteral("layer %1 of type %2 %3 a parameter table")
          .arg(row + 1)
          .arg(type)
          .arg(layer ? QStringLiteral("has") : QStringLiteral("lacks"));
    if (!layer) continue;
    if (layer->RowCount() != 2 || layer->Units() != doc.Units())
      return QStringLiteral("parameter table of layer %1: %2 rows, units %3")
          .arg(row + 1)
          .arg(layer->RowCount())
          .arg(layer->Units());
  }
  if (doc.NPOINTPD < 0 || doc.NPOINTPD > TProgramData::kMaxSettlements)
    return QStringLiteral("%1 settlements in use").arg(doc.NPOINTPD);
  if (tables.DataChanged()) return QStringLiteral("document marked changed after reading");
  if (QLocale().decimalPoint() != userDecimalPoint)
    return QStringLiteral("decimal point %1 after reading, %2 before")
        .arg(QLocale().decimalPoint(), userDecimalPoint);

  if (!outcome.Complete) {
    if (outcome.Messages.isEmpty()) return QStringLiteral("incomplete reading without a message");
    const QString& last = outcome.Messages.last();
    if (last != kIncomplete && !last.startsWith(QStringLiteral("Error on Line ")))
      return QStringLiteral("read error text: ") + last;
  }
  for (int i = 0; i + (outcome.Complete ? 0 : 1) < outcome.Messages.size(); ++i)
    if (!outcome.Messages[i].startsWith(QStringLiteral("The file holds ")))
      return QStringLiteral("unexpected message: ") + outcome.Messages[i];
  return QString();
}

QString SaveStabilityFaults(TProgramData& doc, const QString& firstPath,
                            const QString& secondPath) {
  TSoilProfileTables& tables = doc.Tables();
  const QByteArray first = SaveTo(doc, firstPath);
  const int layers = tables.D().RowCount();
  // The file holds the depths and the settlements only when they are switched on; a
  // document read without them has one zero depth and no settlements in use.
  const int depths = doc.PrintTZCurves == 1 ? tables.TblTZDepth().RowCount() : 1;
  const int settlements = doc.IChart > 0 ? doc.NPOINTPD : 0;

  TReadOutcome outcome;
  auto reread = TProgramData::CreateFromFile(firstPath, TProgramData::kFilterCurrent, tables,
                                             &outcome);
  if (!outcome.Complete || !outcome.Messages.isEmpty())
    return QStringLiteral("saved file does not read back: ") + outcome.Messages.join(QLatin1Char('|'));
  if (tables.D().RowCount() != layers || tables.TblTZDepth().RowCount() != depths ||
      reread->NPOINTPD != settlements)
    return QStringLiteral("saved file reads back %1 layers, %2 depths, %3 settlements; "
                          "it was saved with %4, %5, %6")
        .arg(tables.D().RowCount())
        .arg(tables.TblTZDepth().RowCount())
        .arg(reread->NPOINTPD)
        .arg(layers)
        .arg(depths)
        .arg(settlements);
  const QByteArray second = SaveTo(*reread, secondPath);
  if (first != second) {
    qsizetype at = 0;
    while (at < first.size() && at < second.size() && first[at] == second[at]) ++at;
    return QStringLiteral("second save differs from the first at byte %1:\n%2\n----\n%3")
        .arg(at)
        .arg(QString::fromUtf8(first), QString::fromUtf8(second));
  }
  return QString();
}
