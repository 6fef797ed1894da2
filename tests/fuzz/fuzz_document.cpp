// Feeds arbitrary bytes as a problem file to the document readers, in each of the three
// layouts the open dialog's filters choose. Whatever the file holds, reading must come back
// with the document and its tables sound (row counts within the tables' limits, one unit
// system, the reader's own message on an error); a file read completely must save, read
// back and save again to the same bytes.
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "DocumentSoundness.h"
#include "TMessageBox.h"
#include "TProgramData.h"
#include "TSoilProfileTables.h"

namespace {

struct TFuzzWorld {
  std::unique_ptr<QApplication> App;
  std::unique_ptr<QTemporaryDir> Dir;
  std::unique_ptr<TSoilProfileTables> Tables;
};

// Kept until the process ends and never destroyed: the tables' registry is a static of
// its own, which may be gone before this one would be.
TFuzzWorld& World() {
  static TFuzzWorld* world = new TFuzzWorld;
  return *world;
}

void Fail(const QString& what, int filter) {
  std::fprintf(stderr, "filter %d: %s\n", filter, what.toLocal8Bit().constData());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TFuzzWorld& w = World();
  w.App = std::make_unique<QApplication>(*argc, *argv);
  w.Dir = std::make_unique<QTemporaryDir>();
  w.Tables = std::make_unique<TSoilProfileTables>();
  // Messages are what the outcome reports; nothing is shown.
  TMessageBox::SetHandler([](TMessageKind, QWidget*, const QString&, QMessageBox::StandardButtons) {
    return QMessageBox::Ok;
  });
  // A user's locale with a decimal comma, which every reading must give back.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 65536) return 0;
  TFuzzWorld& w = World();
  const QString path = w.Dir->filePath(QStringLiteral("input.tv8d"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) Fail(QStringLiteral("cannot write the input"), 0);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
  }
  const QString userPoint = QLocale().decimalPoint();
  for (int filter : {TProgramData::kFilterCurrent, TProgramData::kFilter2012,
                     TProgramData::kFilter60}) {
    TReadOutcome outcome;
    auto doc = TProgramData::CreateFromFile(path, filter, *w.Tables, &outcome);
    if (const QString fault = ReadFaults(*doc, outcome, userPoint); !fault.isEmpty())
      Fail(fault, filter);
    if (!outcome.Complete) continue;
    const QString fault = SaveStabilityFaults(*doc, w.Dir->filePath(QStringLiteral("first.tv8d")),
                                              w.Dir->filePath(QStringLiteral("second.tv8d")));
    if (!fault.isEmpty()) Fail(fault, filter);
  }
  return 0;
}
