// Writing the workbook file: what lands on disk, and that a failure at any step leaves no
// workbook behind and an existing file of that name untouched.
#include "XlsxWorkbookWriter.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "ExportFixtures.h"
#include "TExportWorkbook.h"
#include "TResultPlots.h"
#include "Unprivileged.h"
#include "WorkbookParts.h"
#include "XlsxPackage.h"

namespace {

using export_test::FillLines;
using tvx::test::Unprivileged;
using export_test::Occurrences;
using export_test::SheetNames;
using export_test::WorkbookParts;

QString L(const char* text) { return QString::fromLatin1(text); }

const QByteArray kLegendFrame =
    "<c:spPr><a:solidFill><a:srgbClr val=\"FFFFFF\"/></a:solidFill>"
    "<a:ln w=\"9525\"><a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill></a:ln></c:spPr>"
    "</c:legend>";

QByteArray ReadAll(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& fileName, const QByteArray& text) {
  QFile file(fileName);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(text), text.size());
}

QStringList FolderContents(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The temporary folder for the duration of a test, so that its scratch files can be seen.
class ScratchFolder {
 public:
  ScratchFolder() : fPrevious(qgetenv("TMPDIR")), fHad(qEnvironmentVariableIsSet("TMPDIR")) {
    qputenv("TMPDIR", QFile::encodeName(fDir.path()));
  }
  ~ScratchFolder() {
    if (fHad)
      qputenv("TMPDIR", fPrevious);
    else
      qunsetenv("TMPDIR");
  }
  QStringList Contents() const { return FolderContents(fDir.path()); }

 private:
  QTemporaryDir fDir;
  QByteArray fPrevious;
  bool fHad;
};

// Files of the process may not grow beyond `bytes` while it lives: the write fails as on a
// full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &fPrevious);
    rlimit limit = fPrevious;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &fPrevious); }

 private:
  rlimit fPrevious{};
};

// Plots for a workbook: `plots` capacity plots of `lines` lines of `points` points.
struct PlotSet {
  PlotSet(int plots, int lines, int points) {
    const std::vector<int> counts(static_cast<std::size_t>(lines), points);
    for (int i = 0; i < plots; ++i) {
      TGraphPlot& plot = all.Plots()[static_cast<std::size_t>(i)];
      FillLines(plot, counts);
      chosen.push_back(&plot);
    }
  }
  TResultPlots all;
  std::vector<const TGraphPlot*> chosen;
};

TEST(XlsxWorkbookWriter, WritesTheSheetsInOrderAndFramesEveryChartLegend) {
  QTemporaryDir folder;
  ScratchFolder scratch;
  const QString target = folder.filePath(L("job.xlsx"));
  WriteFile(target, "an earlier workbook");

  PlotSet plots(2, 3, 10);
  const TExportWorkbook book(plots.chosen, true);
  const TWorkbookWriteResult result = WriteXlsxWorkbook(book, target);
  ASSERT_TRUE(result.Written) << result.Reason.toStdString();
  EXPECT_TRUE(result.Reason.isEmpty());

  const auto parts = WorkbookParts(target);
  EXPECT_EQ(SheetNames(parts), book.SheetNames());
  for (const char* chart : {"xl/charts/chart1.xml", "xl/charts/chart2.xml"}) {
    ASSERT_TRUE(parts.count(L(chart))) << chart;
    const QByteArray& xml = parts.at(L(chart));
    EXPECT_EQ(Occurrences(xml, kLegendFrame), 1) << chart;
    EXPECT_EQ(Occurrences(xml, "<c:ser>"), 3) << chart;
  }
  // Nothing else is left in the folder or among the temporary files.
  EXPECT_EQ(FolderContents(folder.path()), QStringList({L("job.xlsx")}));
  EXPECT_TRUE(scratch.Contents().isEmpty()) << scratch.Contents().join(L(", ")).toStdString();
}

TEST(XlsxWorkbookWriter, MarkersOffGivesEverySeriesNoMarker) {
  QTemporaryDir folder;
  const QString target = folder.filePath(L("plain.xlsx"));
  PlotSet plots(1, 4, 5);
  ASSERT_TRUE(WriteXlsxWorkbook(TExportWorkbook(plots.chosen, false), target).Written);
  const QByteArray chart = WorkbookParts(target).at(L("xl/charts/chart1.xml"));
  EXPECT_EQ(Occurrences(chart, "<c:marker><c:symbol val=\"none\"/></c:marker>"), 4);
}

TEST(XlsxWorkbookWriter, APlotWithoutLinesStillGetsItsChartSheet) {
  QTemporaryDir folder;
  const QString target = folder.filePath(L("empty.xlsx"));
  TGraphPlot empty;
  const TWorkbookWriteResult result = WriteXlsxWorkbook(TExportWorkbook({&empty}, true), target);
  ASSERT_TRUE(result.Written) << result.Reason.toStdString();
  const auto parts = WorkbookParts(target);
  EXPECT_EQ(SheetNames(parts), QStringList({L("Legend"), L("Page_1"), L("Plot_1")}));
  // One placeholder series over the empty first row, kept out of the legend.
  const QByteArray& chart = parts.at(L("xl/charts/chart1.xml"));
  EXPECT_EQ(Occurrences(chart, "<c:ser>"), 1);
  EXPECT_EQ(Occurrences(chart, "<c:legendEntry><c:idx val=\"0\"/><c:delete val=\"1\"/></c:legendEntry>"), 1);
}

TEST(XlsxWorkbookWriter, ALineNamedLikeAFormulaKeepsItsName) {
  QTemporaryDir folder;
  const QString target = folder.filePath(L("named.xlsx"));
  TGraphPlot plot;
  FillLines(plot, {2});
  plot.Lines(0).SetLineName(L("=A1+1"));
  ASSERT_TRUE(WriteXlsxWorkbook(TExportWorkbook({&plot}, true), target).Written);
  const auto parts = WorkbookParts(target);
  // The name is read from its cell on the data sheet, where it is text.
  EXPECT_EQ(Occurrences(parts.at(L("xl/charts/chart1.xml")), "<c:tx><c:strRef><c:f>Page_1!$A$4</c:f>"), 1);
  EXPECT_EQ(Occurrences(parts.at(L("xl/sharedStrings.xml")), "<t>=A1+1</t>"), 1);
}

const QByteArray kEarlier = "an earlier workbook";

struct FailureCase {
  const char* name;
  // Makes the situation in `folder`, with an earlier workbook where the folder can hold
  // one; returns the file to write.
  std::function<QString(const QString& folder)> setUp;
  // What is in force while the workbook is written.
  std::function<std::shared_ptr<void>()> during;
  int plots, lines, points;
  QString reasonStart;  // empty: any reason
};

std::ostream& operator<<(std::ostream& os, const FailureCase& c) { return os << c.name; }

QString EarlierWorkbook(const QString& folder) {
  const QString target = QDir(folder).filePath(L("job.xlsx"));
  WriteFile(target, kEarlier);
  return target;
}

const FailureCase kFailures[] = {
    {"FolderTakesNoFiles",
     [](const QString& folder) {
       const QString locked = QDir(folder).filePath(L("locked"));
       QDir().mkdir(locked);
       WriteFile(QDir(locked).filePath(L("job.xlsx")), kEarlier);
       QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
       return QDir(locked).filePath(L("job.xlsx"));
     },
     [] { return std::make_shared<Unprivileged>(); }, 1, 2, 5, {}},
    {"NameTooLong",
     [](const QString& folder) { return QDir(folder).filePath(QString(300, QLatin1Char('n')) + L(".xlsx")); },
     [] { return nullptr; }, 1, 2, 5, {}},
    // The library sees its own write fail.
    {"DiskFullWhileZipping", EarlierWorkbook,
     [] { return std::make_shared<FileSizeLimit>(64 * 1024); }, 26, 20, 100,
     L("The spreadsheet library reports:")},
    // The library misses that a part was cut short; the check of the package does not.
    {"DiskFullInAPart", EarlierWorkbook,
     [] { return std::make_shared<FileSizeLimit>(3 * 1024 * 1024); }, 1, 20, 6000,
     L("The workbook came out incomplete in its part xl/worksheets/sheet2.xml")},
    {"MoreLinesThanASheetHasColumns", EarlierWorkbook,
     [] { return nullptr; }, 1, 8193, 1, L("The spreadsheet library reports:")},
};

class XlsxWriterFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(XlsxWriterFailure, LeavesNoWorkbookBehindAndTheExistingFileIntact) {
  const FailureCase& c = GetParam();
  QTemporaryDir folder;
  ScratchFolder scratch;
  const QString target = c.setUp(folder.path());
  const QString targetFolder = QFileInfo(target).absolutePath();
  const bool hadFile = QFileInfo::exists(target);
  const QStringList before = FolderContents(targetFolder);

  PlotSet plots(c.plots, c.lines, c.points);
  const TExportWorkbook book(plots.chosen, true);
  TWorkbookWriteResult result;
  {
    const auto situation = c.during();
    result = WriteXlsxWorkbook(book, target);
  }
  EXPECT_FALSE(result.Written);
  EXPECT_FALSE(result.Reason.isEmpty());
  if (!c.reasonStart.isEmpty()) {
    EXPECT_TRUE(result.Reason.startsWith(c.reasonStart)) << result.Reason.toStdString();
  }
  if (hadFile) {
    EXPECT_EQ(ReadAll(target), kEarlier);
  }
  EXPECT_EQ(FolderContents(targetFolder), before);
  EXPECT_TRUE(scratch.Contents().isEmpty()) << scratch.Contents().join(L(", ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Failures, XlsxWriterFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(XlsxPackage, DamagedPackagesAreRefusedNotRead) {
  QTemporaryDir folder;
  const QString target = folder.filePath(L("good.xlsx"));
  PlotSet plots(1, 2, 5);
  ASSERT_TRUE(WriteXlsxWorkbook(TExportWorkbook(plots.chosen, true), target).Written);
  const QByteArray good = ReadAll(target);

  const struct {
    const char* name;
    QByteArray package;
    int charts;
  } cases[] = {
      {"Empty", QByteArray(), 0},
      {"NotAZip", QByteArray(4096, 'x'), 0},
      {"FirstHalf", good.left(good.size() / 2), 1},
      {"ChartMissing", good, 2},
  };
  for (const auto& c : cases) {
    const TPackageResult result = FinishXlsxPackage(c.package, c.charts);
    EXPECT_TRUE(result.Package.isEmpty()) << c.name;
    EXPECT_FALSE(result.Failure.isEmpty()) << c.name;
  }
}

}  // namespace
