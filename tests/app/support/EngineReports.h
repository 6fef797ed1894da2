// Running the engine on a document the way the runner does, and a report in the form two
// runs of one problem can be compared in: without the lines naming the folder and the time.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <string>

#include "RunFiles.h"

namespace tvx::test {

// The lines of a text, whatever its line ends.
inline QStringList TextLines(const QByteArray& text) {
  QStringList lines = QString::fromLatin1(text).split(QLatin1Char('\n'));
  for (QString& line : lines)
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  return lines;
}

// The report at `path` without the lines that name the folder or the time of the run.
inline QStringList ComparableReport(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QStringList lines = TextLines(file.readAll());
  lines.removeIf([](const QString& line) {
    return line.contains(QStringLiteral("Path to file locations")) ||
           line.trimmed().startsWith(QStringLiteral("Date:"));
  });
  return lines;
}

// Runs the engine of this build on `document`; the run status.
inline int RunEngineOn(const QString& document) {
  const auto files = tvx::run::MakeRunFileSet(document.toStdString());
  const auto outcome =
      tvx::run::RunEngineOnDocument(files, std::string(TORVEX_BIN_DIR) + "/Torvex2017_DLL.so");
  EXPECT_TRUE(outcome.called) << outcome.error;
  return outcome.status;
}

}  // namespace tvx::test
