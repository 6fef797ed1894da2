// Documents saved by the program are the engine's input: every example, opened and saved,
// must give the engine's report of the hand-written file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "DocumentTestSupport.h"
#include "RunFiles.h"

namespace {

using EngineCrossCheck = DocumentTest;

// The report without the lines that name the folder or the time of the run.
QStringList ComparableReport(const QString& path) {
  QStringList lines = ReadLines(path);
  lines.removeIf([](const QString& line) {
    return line.contains(QStringLiteral("Path to file locations")) ||
           line.trimmed().startsWith(QStringLiteral("Date:"));
  });
  return lines;
}

int RunEngine(const QString& document) {
  const auto files = tvx::run::MakeRunFileSet(document.toStdString());
  const auto outcome =
      tvx::run::RunEngineOnDocument(files, std::string(TORVEX_BIN_DIR) + "/Torvex2017_DLL.so");
  EXPECT_TRUE(outcome.called) << outcome.error;
  return outcome.status;
}

TEST_F(EngineCrossCheck, SavedExamples_GiveTheReportsOfTheHandWrittenFiles) {
  const QStringList examples =
      QDir(ExamplesFolder()).entryList({QStringLiteral("*.tv8d")}, QDir::Files, QDir::Name);
  ASSERT_FALSE(examples.isEmpty());
  QDir(fDir.path()).mkdir(QStringLiteral("hand"));
  QDir(fDir.path()).mkdir(QStringLiteral("saved"));
  for (const QString& name : examples) {
    SCOPED_TRACE(name.toStdString());
    const QString hand = Path(QStringLiteral("hand/") + name);
    const QString saved = Path(QStringLiteral("saved/") + name);
    ASSERT_TRUE(QFile::copy(ExamplesFolder() + QLatin1Char('/') + name, hand));
    auto doc = Open(hand);
    doc->FileName = saved;
    doc->Save();

    EXPECT_EQ(RunEngine(hand), 0);
    EXPECT_EQ(RunEngine(saved), 0);
    auto withExtension = [](const QString& path) {
      return path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".tv8o");
    };
    const QStringList expected = ComparableReport(withExtension(hand));
    const QStringList got = ComparableReport(withExtension(saved));
    ASSERT_GT(expected.size(), 30);
    ASSERT_EQ(got.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
      ASSERT_EQ(got[i].toStdString(), expected[i].toStdString()) << "report line " << i + 1;
  }
}

}  // namespace
