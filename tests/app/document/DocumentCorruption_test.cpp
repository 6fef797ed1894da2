// Malformed problem files: saved examples and the older-release fixtures, cut short, with a
// word deleted, a line doubled or a number replaced by something out of range or not a
// number at all. Every reading must come back with the document sound, keep what was read
// before a cut, and a file read completely must save and read back to the same bytes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QLocale>

#include "DocumentSoundness.h"
#include "DocumentTestSupport.h"
#include "TColumn.h"
#include "TEnumColumn.h"
#include "TFloatColumn.h"
#include "TGridTable.h"
#include "TIntColumn.h"

namespace {

// A file to corrupt, with the filter it is opened with.
struct BaseFile {
  QString Name;
  QByteArray Bytes;
  int Filter;
};

struct Mutation {
  QString What;
  QByteArray Bytes;
  int CutAtLine = -1;  // for a file cut at a line end: the number of whole lines kept
};

// Words that stand where a number should: out of every range, negative, not numbers.
const char* const kStrangeWords[] = {
    "1E4000", "-1E4000", "1E5000", "99999999999", "2147483648", "-2147483648", "2147483647",
    "-1",     "-0",      "1E-5000", "NaN",        "INF",        "-nan",       "1e",
    "abc",    "0x1A",    "1,5",     "1.2.3",      "+",          "."};

QList<QByteArray> SplitLines(const QByteArray& bytes) {
  QList<QByteArray> lines = bytes.split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QByteArray& line : lines)
    if (line.endsWith('\r')) line.chop(1);
  return lines;
}

QByteArray JoinLines(const QList<QByteArray>& lines) {
  QByteArray bytes;
  for (const QByteArray& line : lines) bytes += line + "\r\n";
  return bytes;
}

// The places of the words of a line: (start, length).
QList<QPair<int, int>> WordSpans(const QByteArray& line) {
  QList<QPair<int, int>> spans;
  int i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const int start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) spans << qMakePair(start, i - start);
  }
  return spans;
}

QList<Mutation> Mutations(const QByteArray& bytes) {
  QList<Mutation> out;
  const QList<QByteArray> lines = SplitLines(bytes);
  // Cut at every line end and in the middle of every line.
  for (int keep = 0; keep <= lines.size(); ++keep)
    out << Mutation{QStringLiteral("cut after %1 lines").arg(keep), JoinLines(lines.mid(0, keep)),
                    keep};
  for (int line = 0; line < lines.size(); ++line) {
    QByteArray cut = JoinLines(lines.mid(0, line));
    cut += lines[line].left(lines[line].size() / 2);
    out << Mutation{QStringLiteral("cut inside line %1").arg(line + 1), cut};
  }
  int wordIndex = 0;
  for (int line = 0; line < lines.size(); ++line) {
    QList<QByteArray> doubled = lines;
    doubled.insert(line, lines[line]);
    out << Mutation{QStringLiteral("line %1 doubled").arg(line + 1), JoinLines(doubled)};
    if (line == 0) continue;  // the title is text, not words
    const auto spans = WordSpans(lines[line]);
    for (int w = 0; w < spans.size(); ++w, ++wordIndex) {
      const auto [start, length] = spans[w];
      QList<QByteArray> changed = lines;
      changed[line].remove(start, length);
      out << Mutation{QStringLiteral("line %1 word %2 deleted").arg(line + 1).arg(w + 1),
                      JoinLines(changed)};
      // Every strange word in the records up to the layer count; elsewhere a few of them in
      // turn, more at the ends of lines, where the other counts and the type codes stand.
      const int strangeCount = int(std::size(kStrangeWords));
      const int tries = line < 5 ? strangeCount : (w == 0 || w + 1 == spans.size()) ? 6 : 2;
      for (int k = 0; k < tries; ++k) {
        const char* word = kStrangeWords[(wordIndex * 3 + k) % strangeCount];
        QList<QByteArray> replaced = lines;
        replaced[line].replace(start, length, word);
        out << Mutation{QStringLiteral("line %1 word %2 replaced by %3")
                            .arg(line + 1)
                            .arg(w + 1)
                            .arg(QLatin1String(word)),
                        JoinLines(replaced)};
      }
    }
  }
  return out;
}

// Every value of layer `row`: its row of the layer table and its parameter table.
QStringList LayerValues(const TSoilProfileTables& tables, int row) {
  QStringList out;
  const TGridTable& d = tables.D();
  for (int col : {kLayerSoilType, kLayerBottom, kLayerMaxSideFriction, kLayerMaxEndBearing,
                  kLayerSideFactor, kLayerEndFactor})
    out << (col == kLayerSoilType ? QString::number(d.GetIntValue(col, row))
                                  : QString::number(double(d.GetFloatValue(col, row)), 'g', 17));
  if (const TGridTable* t = tables.LayerTable(row))
    for (int col = 0; col < t->ColCount(); ++col)
      for (int r = 0; r < t->RowCount(); ++r) {
        const TColumn* c = t->GetColumn(col);
        if (dynamic_cast<const TFloatColumn*>(c))
          out << QString::number(double(t->GetFloatValue(col, r)), 'g', 17);
        else if (dynamic_cast<const TIntColumn*>(c) || dynamic_cast<const TEnumColumn*>(c))
          out << QString::number(t->GetIntValue(col, r));
      }
  return out;
}

// The lines of each layer in the file: from its first line up to (not including) its end.
struct LayerLines {
  int Start, End;
};
QList<LayerLines> LayerPlaces(const TProgramData& doc, int filter) {
  int line = 5;
  if (filter == TProgramData::kFilterCurrent) line += (doc.IPENT > 0 ? 1 : 0) + (doc.IChart > 0 ? 2 : 0);
  QList<LayerLines> places;
  const TGridTable& d = doc.Tables().D();
  for (int row = 0; row < d.RowCount(); ++row) {
    const int type = d.GetIntValue(kLayerSoilType, row);
    const int start = line;
    line += 1;
    if (type >= 1 && type <= kSoilTypeCount) line += 2;
    if (type == kSoilSand) line += 2;
    if (type == kSoilClay || type == kSoilShale) line += 1;
    places << LayerLines{start, line};
  }
  return places;
}

// The sweep writes and reads some fifty thousand small files: on a memory file system
// where the machine has one, so that it takes seconds and not minutes on a slow disk.
QString ScratchTemplate() {
  const QFileInfo shm(QStringLiteral("/dev/shm"));
  if (shm.isDir() && shm.isWritable()) return QStringLiteral("/dev/shm/torvex-sweep-XXXXXX");
  return QDir::tempPath() + QStringLiteral("/torvex-sweep-XXXXXX");
}

class DocumentCorruption : public DocumentTest {
 protected:
  DocumentCorruption() : fScratch(ScratchTemplate()) {}

  QString ScratchFile(const QString& name, const QByteArray& bytes = QByteArray()) const {
    const QString path = fScratch.filePath(name);
    if (!bytes.isNull()) {
      QFile file(path);
      EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
      file.write(bytes);
    }
    return path;
  }

  // The saved form of every example in English and in SI, and the older-release fixtures.
  QList<BaseFile> BaseFiles() {
    QList<BaseFile> files;
    const QStringList examples =
        QDir(ExamplesFolder()).entryList({QStringLiteral("*.tv8d")}, QDir::Files, QDir::Name);
    for (const QString& name : examples) {
      auto doc = Open(ExamplesFolder() + QLatin1Char('/') + name);
      for (int units : {1, 2}) {
        doc->SetUnits(units);
        files << BaseFile{QStringLiteral("%1 in units %2").arg(name).arg(units), doc->FileText(),
                          TProgramData::kFilterCurrent};
      }
    }
    files << BaseFile{QStringLiteral("2012 fixture"),
                      ReadBytes(FixturePath(QStringLiteral("release2012-sand-clay.tvd"))),
                      TProgramData::kFilter2012};
    files << BaseFile{QStringLiteral("6.0 fixture"),
                      ReadBytes(FixturePath(QStringLiteral("release60-sand-shale.tvd"))),
                      TProgramData::kFilter60};
    return files;
  }

  // Reads `bytes` and returns what is wrong with the outcome, empty when nothing is.
  QString ReadAndCheck(const QByteArray& bytes, int filter, TReadOutcome& outcome,
                       std::unique_ptr<TProgramData>& doc) {
    fMessages->Clear();
    fTables->SetDataChanged(true);
    const QString userPoint = QLocale().decimalPoint();
    doc = Open(ScratchFile(QStringLiteral("corrupt.tv8d"), bytes), filter, &outcome);
    if (QString fault = ReadFaults(*doc, outcome, userPoint); !fault.isEmpty())
      return fault;
    if (fMessages->Texts() != outcome.Messages)
      return QStringLiteral("the user was shown: ") + fMessages->Texts().join(QLatin1Char('|'));
    if (!outcome.Complete) return QString();
    return SaveStabilityFaults(*doc, ScratchFile(QStringLiteral("first.tv8d")),
                               ScratchFile(QStringLiteral("second.tv8d")));
  }

  QTemporaryDir fScratch;
};

TEST_F(DocumentCorruption, EveryCorruptedFile_ReadsSoundlyAndKeepsWhatWasRead) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));


  int failures = 0;
  for (const BaseFile& base : BaseFiles()) {
    SCOPED_TRACE(base.Name.toStdString());
    // What the whole file reads as, layer by layer.
    TReadOutcome outcome;
    std::unique_ptr<TProgramData> doc;
    ASSERT_EQ(ReadAndCheck(base.Bytes, base.Filter, outcome, doc).toStdString(), "");
    ASSERT_TRUE(outcome.Complete);
    doc = Open(WriteBytes(QStringLiteral("whole.tv8d"), base.Bytes), base.Filter);
    const QList<LayerLines> places = LayerPlaces(*doc, base.Filter);
    QList<QStringList> layers;
    for (int row = 0; row < fTables->D().RowCount(); ++row) layers << LayerValues(*fTables, row);

    for (const Mutation& m : Mutations(base.Bytes)) {
      QString fault = ReadAndCheck(m.Bytes, base.Filter, outcome, doc);
      // A file cut at a line end keeps every layer it holds whole; the layers it does not
      // reach at all stay at their defaults.
      if (fault.isEmpty() && m.CutAtLine > 5) {
        const TGridTable& d = fTables->D();
        if (d.RowCount() != layers.size())
          fault = QStringLiteral("%1 layers read, the file has %2").arg(d.RowCount()).arg(layers.size());
        for (int row = 0; fault.isEmpty() && row < layers.size(); ++row) {
          if (places[row].End <= m.CutAtLine && LayerValues(*fTables, row) != layers[row])
            fault = QStringLiteral("layer %1 read whole differs: %2").arg(row + 1).arg(
                LayerValues(*fTables, row).join(QLatin1Char(' ')));
          if (places[row].Start >= m.CutAtLine && (d.GetIntValue(kLayerSoilType, row) != kSoilSand ||
                                       d.GetFloatValue(kLayerBottom, row) != 0))
            fault = QStringLiteral("layer %1 beyond the cut is not at its defaults").arg(row + 1);
        }
      }
      if (!fault.isEmpty() && ++failures <= 10)
        ADD_FAILURE() << m.What.toStdString() << ": " << fault.toStdString();
    }
  }
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
}

}  // namespace

namespace {

struct FoundFault {
  const char* Name;
  QByteArray Bytes;
};

const QByteArray kHead =
    "2 1 1 1 1 2 0 0 0 0 0\r\n3 3 0 0 0 0 3600000\r\n1 10 50 2.5 3\r\n";

// Files that once broke the reading or the saving. The soil type case overflowed in the
// choice of the layer's parameter table, which the sanitizer build of the fuzz target
// reports; the title case changed the title at every save.
TEST_F(DocumentCorruption, FilesThatOnceBrokeTheReader_ReadSoundlyAndSaveStably) {
  const FoundFault cases[] = {
      {"smallest whole number as a soil type", "Soil type\r\n1\r\n" + kHead + "-2147483648 20 \r\n"},
      {"title beginning with a byte-order mark after the file's own",
       "\xEF\xBB\xBF\xEF\xBB\xBFMarked title\r\n1\r\n" + kHead + "11 20 \r\n"},
  };
  for (const FoundFault& c : cases) {
    SCOPED_TRACE(c.Name);
    TReadOutcome outcome;
    std::unique_ptr<TProgramData> doc;
    EXPECT_EQ(ReadAndCheck(c.Bytes, TProgramData::kFilterCurrent, outcome, doc).toStdString(), "");
    EXPECT_TRUE(outcome.Complete) << outcome.Messages.join(QLatin1Char('|')).toStdString();
  }
  // The smallest type code is kept as a layer line alone; the title loses only its marks.
  EXPECT_EQ(Open(WriteBytes(QStringLiteral("type.tv8d"), cases[0].Bytes))->Tables().D().GetIntValue(
                kLayerSoilType, 0),
            -2147483647 - 1);
  EXPECT_EQ(fTables->LayerTable(0), nullptr);
  auto marked = Open(WriteBytes(QStringLiteral("marked.tv8d"), cases[1].Bytes));
  marked->FileName = Path(QStringLiteral("marked-saved.tv8d"));
  marked->Save();
  EXPECT_EQ(Open(marked->FileName)->Title, QStringLiteral("Marked title"));
}

}  // namespace
