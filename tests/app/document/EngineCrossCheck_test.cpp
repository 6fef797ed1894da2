// Documents saved by the program are the engine's input: every example, opened and saved,
// must give the engine's report of the hand-written file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "DocumentTestSupport.h"
#include "EngineReports.h"

namespace {

using EngineCrossCheck = DocumentTest;
using tvx::test::ComparableReport;
using tvx::test::RunEngineOn;

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

    EXPECT_EQ(RunEngineOn(hand), 0);
    EXPECT_EQ(RunEngineOn(saved), 0);
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
