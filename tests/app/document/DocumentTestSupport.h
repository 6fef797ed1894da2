#pragma once
// Shared pieces of the document tests: a fresh set of soil-profile tables with the message
// boxes captured, a scratch folder, files written line by line with CR LF, and a listing of
// every value of a document and its tables for comparing two documents.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "TMessageCapture.h"
#include "TProgramData.h"
#include "TSoilProfileTables.h"

class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest();
  ~DocumentTest() override;

  // Path of a file in the scratch folder.
  QString Path(const QString& name) const;
  // Writes `lines`, each ended by CR LF.
  QString WriteLines(const QString& name, const QStringList& lines) const;
  QString WriteBytes(const QString& name, const QByteArray& bytes) const;

  // A new default document on the fixture's tables.
  std::unique_ptr<TProgramData> NewDocument();
  // Opens a file with a filter of the open dialog.
  std::unique_ptr<TProgramData> Open(const QString& path, int filter = TProgramData::kFilterCurrent,
                                     TReadOutcome* outcome = nullptr);

  // Adds a layer row of `type` with its bottom depth; returns its row.
  int AddLayer(int type, long double bottom);

  QTemporaryDir fDir;
  std::unique_ptr<TSoilProfileTables> fTables;
  std::unique_ptr<TMessageCapture> fMessages;
};

QByteArray ReadBytes(const QString& path);
// The lines of a file without their line ends (CR LF or LF).
QStringList ReadLines(const QString& path);

// Every value of a document and of its tables, one "name = value" per entry, with the
// reals at full precision; the file name is left out.
QStringList DocumentValues(const TProgramData& doc);

// The folder of the example problems and of the hand-written fixtures.
QString ExamplesFolder();
QString FixturePath(const QString& name);
