#include "DocumentTestSupport.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include "TColumn.h"
#include "TEnumColumn.h"
#include "TFloatColumn.h"
#include "TGridTable.h"
#include "TIntColumn.h"

DocumentTest::DocumentTest() {
  QLocale::setDefault(QLocale::c());
  fTables = std::make_unique<TSoilProfileTables>();
  fMessages = std::make_unique<TMessageCapture>();
}

DocumentTest::~DocumentTest() {
  fMessages.reset();
  fTables.reset();
  QLocale::setDefault(QLocale::c());
}

QString DocumentTest::Path(const QString& name) const { return fDir.filePath(name); }

QString DocumentTest::WriteLines(const QString& name, const QStringList& lines) const {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
  return WriteBytes(name, bytes);
}

QString DocumentTest::WriteBytes(const QString& name, const QByteArray& bytes) const {
  const QString path = Path(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
  return path;
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QStringList ReadLines(const QString& path) {
  QString text = QString::fromUtf8(ReadBytes(path));
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines)
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  return lines;
}

std::unique_ptr<TProgramData> DocumentTest::NewDocument() { return TProgramData::Create(*fTables); }

std::unique_ptr<TProgramData> DocumentTest::Open(const QString& path, int filter,
                                                 TReadOutcome* outcome) {
  return TProgramData::CreateFromFile(path, filter, *fTables, outcome);
}

int DocumentTest::AddLayer(int type, long double bottom) {
  TGridTable& d = fTables->D();
  const int row = d.RowCount();
  d.SetRowCount(row + 1);
  d.SetIntValue(kLayerSoilType, row, type);
  d.SetFloatValue(kLayerBottom, row, bottom);
  return row;
}

namespace {

QString Full(long double v) { return QString::number(double(v), 'g', 17); }

void ListTable(QStringList& out, const QString& name, const TGridTable& t) {
  out << QStringLiteral("%1.rows = %2 units %3").arg(name).arg(t.RowCount()).arg(t.Units());
  for (int col = 0; col < t.ColCount(); ++col) {
    const TColumn* c = t.GetColumn(col);
    for (int row = 0; row < t.RowCount(); ++row) {
      const QString cell = QStringLiteral("%1[%2,%3] = ").arg(name).arg(col).arg(row);
      if (dynamic_cast<const TFloatColumn*>(c)) out << cell + Full(t.GetFloatValue(col, row));
      else if (dynamic_cast<const TIntColumn*>(c) || dynamic_cast<const TEnumColumn*>(c))
        out << cell + QString::number(t.GetIntValue(col, row));
      else if (const TGridTable* sub = t.GetDataValue(col, row))
        ListTable(out, cell + sub->Caption() + QLatin1Char(' ') + QString::number(sub->ID()), *sub);
    }
  }
}

}  // namespace

QStringList DocumentValues(const TProgramData& doc) {
  QStringList out;
  out << QStringLiteral("Title = ") + doc.Title << QStringLiteral("Units = %1").arg(doc.Units());
  const std::pair<const char*, long double> reals[] = {
      {"PINC", doc.PINC},       {"RCYCL", doc.RCYCL},     {"DSTART", doc.DSTART},
      {"DIALIM", doc.DIALIM},   {"RATIO", doc.RATIO},     {"BELANGL", doc.BELANGL},
      {"TOPLENG", doc.TOPLENG}, {"BS", doc.BS},           {"EPILE", doc.EPILE},
      {"WTD", doc.WTD},         {"PD", doc.PD},           {"PDMIN", doc.PDMIN},
      {"PDINCR", doc.PDINCR},   {"DIAMINCR", doc.DIAMINCR}, {"FST", doc.FST},
      {"FSB", doc.FSB},         {"LPD", doc.LPD},         {"ValElevation", doc.ValElevation}};
  for (const auto& [name, v] : reals) out << QString::fromLatin1(name) + QStringLiteral(" = ") + Full(v);
  const std::pair<const char*, int> ints[] = {
      {"PrintTZCurves", doc.PrintTZCurves}, {"METHOD", doc.METHOD}, {"KCYCL", doc.KCYCL},
      {"NPOINTPD", doc.NPOINTPD},           {"UseElevation", doc.UseElevation}, {"ID2", doc.ID2},
      {"IPENT", doc.IPENT},                 {"IChart", doc.IChart}, {"IMOD", doc.IMOD},
      {"Yesnewversion", doc.Yesnewversion}, {"NLRFD", doc.NLRFD}};
  for (const auto& [name, v] : ints) out << QString::fromLatin1(name) + QStringLiteral(" = ") + QString::number(v);
  for (int i = 0; i < TProgramData::kMaxSettlements; ++i)
    out << QStringLiteral("PDSETT[%1] = ").arg(i) + Full(doc.PDSETT[std::size_t(i)]);
  ListTable(out, QStringLiteral("D"), doc.Tables().D());
  ListTable(out, QStringLiteral("TblTZDepth"), doc.Tables().TblTZDepth());
  return out;
}

QString ExamplesFolder() { return QStringLiteral(TORVEX_SOURCE_DIR "/examples"); }

QString FixturePath(const QString& name) {
  return QStringLiteral(TORVEX_DOCUMENT_FIXTURES "/") + name;
}
