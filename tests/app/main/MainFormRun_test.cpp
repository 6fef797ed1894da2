// The run command end to end on the real engine library: every example runs to its
// completion message with the result files in place and the scratch files gone, and the
// Graphics menu offers what the results hold; the locale, the profile checks, the library's
// failures, a second run in the folder and paths the run cannot use.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <clocale>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "MainTestSupport.h"
#include "PlotFormFactory.h"
#include "TPlotForm.h"
#include "ProgramRooms.h"
#include "RunLockHolder.h"
#include "TAnalysisRun.h"
#include "TDlgExport.h"
#include "TDynamicLibrary.h"
#include "TGridTable.h"
#include "TProgramData.h"
#include "TRunLock.h"
#include "Unprivileged.h"

namespace {

using main_test::MainFormTest;
using main_test::ReadBytes;
using G = TGraphicsItem;

const QString kCompleted =
    "Computations are completed.\rPlease, check output file for results or error messages.";

// The files a run leaves beside the document, and those it must not leave.
const QStringList kResultExtensions = {".tv8o", ".tv8p", ".tv8r", ".tv8z"};
const QStringList kScratchExtensions = {".tv8w", ".tv8t", ".tv8q", ".tv8l"};
const QStringList kFolderScratch = {"TZDIAM.DAT", "CHART.DAT", "ROCKMSG.DAT", "names.dat",
                                    "Names.dat", TRunLock::kLockFileName};

QString Base(const QString& document) {
  return document.left(document.lastIndexOf('.'));
}

// The number of load-settlement blocks of each plotted line: the third count of the file.
int PlotDataBlocks(const QString& plotFile) {
  const QList<QByteArray> counts = ReadBytes(plotFile).split('\n').value(0).simplified().split(' ');
  return counts.size() >= 3 ? counts[2].toInt() : -1;
}

class MainFormRun : public MainFormTest {
 protected:
  // Copies an example, starts the window on it and runs the analysis.
  QString RunExample(const QString& name,
                     const std::function<void(TMainForm&)>& beforeShow = {}) {
    const QString path = CopyExample(name);
    Start({path}, beforeShow);
    fMessages.Clear();
    Trigger(TMainCommand::CompRun);
    return path;
  }
  bool Enabled(TGraphicsItem item) const {
    emit fForm->GraphicsMenu()->aboutToShow();
    return fForm->GraphicsCommand(item)->isEnabled();
  }
  int VisibleCharts() const {
    emit fForm->GraphicsMenu()->aboutToShow();
    int visible = 0;
    for (int k = 1; k <= 10; ++k)
      if (fForm->GraphicsCommand(TGraphicsMenuState::DesignChart(k))->isVisible()) ++visible;
    return visible;
  }
  void ExpectNoScratchFiles(const QString& document) const {
    for (const QString& ext : kScratchExtensions)
      EXPECT_FALSE(QFile::exists(Base(document) + ext)) << ext.toStdString();
    for (const QString& name : kFolderScratch)
      EXPECT_FALSE(QFile::exists(QFileInfo(document).dir().filePath(name))) << name.toStdString();
  }
};

struct ExampleRun {
  const char* name;
  bool soilTip;  // some plotted line ends in soil: bounds, t-z and load curves
  int charts;    // design-chart items offered
  bool additionalTz;
};

const ExampleRun kExamples[] = {
    {"sand-over-clay.tv8d", true, 0, false},
    {"si-layered-lrfd-charts.tv8d", true, 3, true},
    {"rock-sockets-uplift.tv8d", false, 0, false},
    {"belled-design-load.tv8d", true, 0, false},
    {"gravel-uplift-lrfd.tv8d", true, 0, false},
    {"decomposed-rock-si-design-load.tv8d", false, 0, false},
    {"strong-rock-end-bearing.tv8d", false, 0, false},
    {"weak-rock-socket-over-shale.tv8d", false, 0, false},
    {"sand-clay-design-charts.tv8d", true, 3, false},
};

TEST_F(MainFormRun, EveryExample_RunsToCompletion_ResultsLoadedScratchFilesGone) {
  for (const ExampleRun& example : kExamples) {
    SCOPED_TRACE(example.name);
    const QString path = RunExample(example.name);
    EXPECT_EQ(fMessages.Texts(), QStringList({kCompleted}));
    for (const QString& ext : kResultExtensions)
      EXPECT_TRUE(QFile::exists(Base(path) + ext)) << ext.toStdString();
    ExpectNoScratchFiles(path);
    // The t-z listing is a result of soil-tip runs and stays.
    if (example.soilTip) {
      EXPECT_TRUE(QFile::exists(Path("TZDATA.DAT")));
    }
    QFile::remove(Path("TZDATA.DAT"));
    EXPECT_EQ(QDir::currentPath(), fDir.path());
    EXPECT_EQ(fForm->CurDir(), fDir.path());

    EXPECT_TRUE(fForm->Plots().ShowOutput);
    for (G item : {G::mSkin, G::mTip, G::mTotal, G::mCombine, G::fsmSkin, G::fsmTip, G::fsmTotal,
                   G::dCombine, G::mAxial})
      EXPECT_TRUE(Enabled(item)) << int(item);
    for (G item : {G::Tzcurvesaveraged, G::Qwcurvesaveraged, G::mload})
      EXPECT_EQ(Enabled(item), example.soilTip) << int(item);
    if (example.soilTip) {
      for (G item : {G::AxialLoadvsSettlementupperbound1, G::AxialLoadvsSettlementlowerbound1,
                     G::CombinedSettlement1})
        EXPECT_TRUE(Enabled(item)) << int(item);
    }
    EXPECT_EQ(Enabled(G::AddTzcurvesaveraged), example.additionalTz);
    EXPECT_EQ(VisibleCharts(), example.charts);
    EXPECT_TRUE(fForm->Command(TMainCommand::ToolViewOutput)->isEnabled());
    EXPECT_TRUE(fForm->Command(TMainCommand::ToolCombinedUltimate)->isEnabled());
    EXPECT_EQ(fForm->Command(TMainCommand::ToolTzCurves)->isEnabled(), example.soilTip);

    // A Graphics item opens its plot's window, a maximized child of the window's area.
    fForm->GraphicsCommand(G::mSkin)->trigger();
    QMdiSubWindow* plotWindow = fForm->MdiArea()->currentSubWindow();
    ASSERT_NE(plotWindow, nullptr);
    ASSERT_NE(PlotFormOf(fForm->Plots().pltSkin()), nullptr);
    EXPECT_EQ(plotWindow->widget(), static_cast<QWidget*>(PlotFormOf(fForm->Plots().pltSkin())));
    EXPECT_TRUE(plotWindow->isMaximized());
  }
}

TEST_F(MainFormRun, OpeningADocumentWithResults_LoadsThemWithoutReportingErrors) {
  const QString path = RunExample("gravel-uplift-lrfd.tv8d");
  ASSERT_EQ(fMessages.Texts(), QStringList({kCompleted}));
  Stop();
  fMessages.Clear();
  Start({path});
  EXPECT_TRUE(fMessages.Texts().isEmpty());
  EXPECT_TRUE(fForm->Plots().ShowOutput);
  EXPECT_TRUE(Enabled(G::mSkin));
  EXPECT_TRUE(fForm->Command(TMainCommand::ToolViewOutput)->isEnabled());
  EXPECT_TRUE(fForm->Command(TMainCommand::ToolLoadSettlement)->isEnabled());
  // The export dialog offers what the Graphics menu offers.
  ASSERT_TRUE(Enabled(G::mSkin));
  EXPECT_TRUE(fForm->Command(TMainCommand::ExportPlots)->isEnabled());
  Trigger(TMainCommand::ExportPlots);
  auto* exportDialog = qobject_cast<TDlgExport*>(fForm->ExportDialog());
  ASSERT_NE(exportDialog, nullptr);
  EXPECT_TRUE(exportDialog->isVisible());
  EXPECT_TRUE(exportDialog->isModal());
  EXPECT_GT(exportDialog->PlotList()->count(), 0);
  exportDialog->reject();
  // Gone behind the program's back: the Graphics items go with the file.
  QFile::remove(Base(path) + ".tv8p");
  EXPECT_FALSE(Enabled(G::mSkin));
  EXPECT_FALSE(fForm->Command(TMainCommand::ExportPlots)->isEnabled());
  // A new document starts without results.
  Trigger(TMainCommand::FileNew);
  EXPECT_FALSE(fForm->Plots().ShowOutput);
  EXPECT_FALSE(fForm->Command(TMainCommand::ToolViewOutput)->isEnabled());
}

TEST_F(MainFormRun, EveryTipInRock_NoBoundBlocks_BoundItemsDisabled) {
  for (const ExampleRun& example : kExamples) {
    if (example.soilTip) continue;
    SCOPED_TRACE(example.name);
    const QString path = RunExample(example.name);
    ASSERT_EQ(fMessages.Texts(), QStringList({kCompleted}));
    EXPECT_EQ(PlotDataBlocks(Base(path) + ".tv8p"), 0);
    EXPECT_EQ(ProgramData->ID2, 0);
    EXPECT_TRUE(Enabled(G::mAxial));
    for (G item : {G::AxialLoadvsSettlementupperbound1, G::AxialLoadvsSettlementlowerbound1,
                   G::CombinedSettlement1})
      EXPECT_FALSE(Enabled(item)) << int(item);
  }
}

TEST_F(MainFormRun, RunWithANonZeroStatus_WarnsOfPossibleErrors) {
  const QString path = CopyExample("belled-design-load.tv8d");
  Start({path});
  ProgramData->LPD = 100000;  // tons: more than the profile can carry
  fForm->SetDataChanged(true);
  fMessages.Clear();
  Trigger(TMainCommand::CompRun);
  ASSERT_FALSE(fMessages.Texts().isEmpty());
  EXPECT_EQ(fMessages.Texts().first(),
            "Computations are completed, but there may be errors.\rPlease, check output file for "
            "results or error messages.");
  EXPECT_TRUE(ReadBytes(Base(path) + ".tv8o").contains("NEED ANOTHER SOIL LAYER"));
  ExpectNoScratchFiles(path);
}

TEST_F(MainFormRun, CommaLocale_FilesWithPoints_LocaleBackAfterTheRun) {
  const QLocale user;
  const std::string userNumeric = std::setlocale(LC_NUMERIC, nullptr);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  std::setlocale(LC_NUMERIC, "C.UTF-8");
  const QString path = RunExample("si-layered-lrfd-charts.tv8d");
  EXPECT_EQ(fMessages.Texts(), QStringList({kCompleted}));
  EXPECT_EQ(QLocale().decimalPoint(), ",");
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C.UTF-8");
  QLocale::setDefault(user);
  std::setlocale(LC_NUMERIC, userNumeric.c_str());

  // The document was saved with points, and the results equal those of a run by the
  // command-line runner in the "C" locale.
  EXPECT_TRUE(ReadBytes(path).contains("0.9 1.2 "));
  EXPECT_FALSE(ReadBytes(path).contains("0,9"));
  QDir().mkpath(Path("runner"));
  ASSERT_TRUE(QFile::copy(path, Path("runner/si-layered-lrfd-charts.tv8d")));
  QProcess runner;
  runner.start(QStringLiteral(TORVEX_BIN_DIR "/torvex-run"),
               {Path("runner/si-layered-lrfd-charts.tv8d")});
  ASSERT_TRUE(runner.waitForFinished(60000));
  ASSERT_EQ(runner.exitCode(), 0);
  EXPECT_EQ(ReadBytes(Base(path) + ".tv8p"), ReadBytes(Path("runner/si-layered-lrfd-charts.tv8p")));
  // The curve data heads with the time of the run.
  auto withoutTime = [](const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    lines.removeIf([](const QByteArray& line) { return line.contains("Date:"); });
    return lines;
  };
  EXPECT_EQ(withoutTime(ReadBytes(Base(path) + ".tv8z")),
            withoutTime(ReadBytes(Path("runner/si-layered-lrfd-charts.tv8z"))));
}

TEST_F(MainFormRun, ThinLayerOrNoLayer_StopsAfterTheSaveBeforeNamesDat) {
  struct Case {
    const char* what;
    std::initializer_list<long double> bottoms;
    const char* warningStart;
  } cases[] = {
      {"1.5 ft layers", {1.5L, 3.0L, 60.0L}, "Thickness of layer should be at least 2 ft"},
      {"no layers", {}, "The soil profile has no layers."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = CopyExample("sand-over-clay.tv8d");
    Start({path});
    TGridTable& d = fForm->Tables().D();
    d.SetRowCount(int(c.bottoms.size()));
    int row = 0;
    for (long double bottom : c.bottoms) d.SetFloatValue(kLayerBottom, row++, bottom);
    const QLocale user;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    fMessages.Clear();
    Trigger(TMainCommand::CompRun);
    EXPECT_EQ(QLocale().decimalPoint(), ",");
    QLocale::setDefault(user);
    ASSERT_EQ(fMessages.Messages().size(), 1);
    EXPECT_EQ(fMessages.Messages()[0].Kind, TMessageKind::Warning);
    EXPECT_TRUE(fMessages.LastText().startsWith(c.warningStart)) << fMessages.LastText().toStdString();
    EXPECT_FALSE(QFile::exists(Path("names.dat")));
    EXPECT_FALSE(QFile::exists(Base(path) + ".tv8o"));
    EXPECT_FALSE(QFile::exists(Path(TRunLock::kLockFileName)));
    EXPECT_FALSE(fForm->DataChanged()) << "the document was saved first";
  }
}

TEST_F(MainFormRun, UnnamedDocument_SaveAsCancelled_EndsWithoutAMessage) {
  Start();
  Trigger(TMainCommand::CompRun);
  EXPECT_EQ(fDesktop.SaveTitles.size(), 1);
  EXPECT_TRUE(fMessages.Texts().isEmpty());
  EXPECT_TRUE(Files().isEmpty());
}

TEST_F(MainFormRun, UnnamedDocument_SavedAsThenRun) {
  const QByteArray example = ReadBytes(main_test::ExamplesFolder() + "/sand-over-clay.tv8d");
  main_test::WriteBytes(Path("source.tv8d"), example);
  Start({Path("source.tv8d")});
  ProgramData->FileName = "NewTorvex.tv8d";  // as a document built from scratch
  QDir().mkpath(Path("new"));
  fDesktop.SaveAnswer = Path("new/first.tv8d");
  Trigger(TMainCommand::CompRun);
  EXPECT_EQ(fMessages.LastText(), kCompleted);
  EXPECT_TRUE(QFile::exists(Path("new/first.tv8o")));
  EXPECT_EQ(fForm->CurDir(), Path("new"));
}

struct LibraryCase {
  const char* what;
  QString library;
  QString firstMessage;  // what the loader said (start of it)
};

TEST_F(MainFormRun, LibraryMissingBrokenOrWithoutEntryPoint_NothingCalled_NamesDatStays) {
  main_test::WriteBytes(Path("text.so"), "not a library\n");
  const LibraryCase cases[] = {
      {"missing", main_test::TestLibrary("NoSuchLibrary.so"), "Library could not be located"},
      {"no ITORVEX", main_test::TestLibrary("NoEntryPoint.so"),
       "Error Getting Function, error code = "},
      {"unbound symbol", main_test::TestLibrary("UnboundSymbol.so"),
       "Library failed to properly initialize"},
      {"not a library", Path("text.so"), "Error Loading Library, error code = "},
  };
  for (const LibraryCase& c : cases) {
    SCOPED_TRACE(c.what);
    fDesktop.Library = c.library;
    const QString path = CopyExample("sand-over-clay.tv8d");
    QFile::remove(Path("names.dat"));
    const QLocale user;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Start({path});
    fMessages.Clear();
    Trigger(TMainCommand::CompRun);
    EXPECT_EQ(QLocale().decimalPoint(), ",");
    QLocale::setDefault(user);
    ASSERT_EQ(fMessages.Texts().size(), 2) << fMessages.Texts().join('|').toStdString();
    EXPECT_TRUE(fMessages.Texts()[0].startsWith(c.firstMessage)) << fMessages.Texts()[0].toStdString();
    EXPECT_EQ(fMessages.Texts()[1], "Attempt to initialize DLL failed");
    EXPECT_TRUE(QFile::exists(Path("names.dat")));
    EXPECT_FALSE(QFile::exists(Base(path) + ".tv8o"));
    EXPECT_FALSE(QFile::exists(Path(TRunLock::kLockFileName)));
    EXPECT_EQ(TAnalysisRun::EngineLibrary(), nullptr);
  }
}

TEST_F(MainFormRun, LibraryObjectLeftFromAnEarlierRun_AttemptToReinitialize) {
  const QString path = CopyExample("sand-over-clay.tv8d");
  Start({path});
  TAnalysisRun::EngineLibrary() = std::make_unique<TDynamicLibrary>();
  fMessages.Clear();
  Trigger(TMainCommand::CompRun);
  TAnalysisRun::EngineLibrary().reset();
  EXPECT_EQ(fMessages.Texts(), QStringList({"Attempt to reinitialize DLL"}));
  EXPECT_FALSE(QFile::exists(Base(path) + ".tv8o"));
  EXPECT_EQ(QDir::currentPath(), fDir.path());
}

TEST_F(MainFormRun, SecondRunInTheFolder_RefusedTouchingNothing_StaleLockTakenOver) {
  const QString path = CopyExample("sand-over-clay.tv8d");
  Start({path});
  ProgramData->Title = "Edited, not yet saved";
  fForm->SetDataChanged(true);
  const QByteArray document = ReadBytes(path);
  const QStringList files = Files();

  TForeignRunLock other(fDir.path());
  ASSERT_TRUE(other.Held());
  fMessages.Clear();
  Trigger(TMainCommand::CompRun);
  ASSERT_EQ(fMessages.Texts().size(), 1);
  EXPECT_TRUE(fMessages.LastText().contains("another analysis is running in this folder"));
  EXPECT_TRUE(fMessages.LastText().contains(fDir.path()));
  EXPECT_EQ(ReadBytes(path), document);
  QStringList withLock = files;
  withLock << TRunLock::kLockFileName;
  withLock.sort();
  EXPECT_EQ(Files(), withLock);

  other.Kill();  // the other run's process dies and leaves its lock file
  fMessages.Clear();
  Trigger(TMainCommand::CompRun);
  EXPECT_EQ(fMessages.Texts(), QStringList({kCompleted}));
  EXPECT_TRUE(ReadBytes(path).startsWith("Edited, not yet saved\r\n"));
  ExpectNoScratchFiles(path);
}

TEST_F(MainFormRun, DocumentPathIsAFolderOrAPipe_RefusedBeforeAnythingIsWritten) {
  const QString path = CopyExample("sand-over-clay.tv8d");
  QDir().mkpath(Path("folder.tv8d"));
  ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe.tv8d")).constData(), 0600), 0);
  struct Case {
    QString document;
    const char* reason;
  } cases[] = {{Path("folder.tv8d"), "it is a folder"}, {Path("pipe.tv8d"), "not a regular file"}};
  Start({path});
  const QStringList files = Files();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    ProgramData->FileName = c.document;  // the file was replaced behind the program's back
    fMessages.Clear();
    Trigger(TMainCommand::CompRun);
    ASSERT_EQ(fMessages.Texts().size(), 1) << fMessages.Texts().join('|').toStdString();
    EXPECT_TRUE(fMessages.LastText().contains(c.document));
    EXPECT_TRUE(fMessages.LastText().contains(c.reason));
    EXPECT_EQ(Files(), files);
    EXPECT_TRUE(QFileInfo(c.document).isDir() || !QFileInfo(c.document).isFile());
  }
}

TEST_F(MainFormRun, NamesDatCannotBeWritten_SaysExactlyThat) {
  const QString path = CopyExample("sand-over-clay.tv8d");
  // A folder in the way of the run-file list: no one, not even the superuser, writes it.
  QDir().mkpath(Path("names.dat"));
  Start({path});
  fMessages.Clear();
  Trigger(TMainCommand::CompRun);
  ASSERT_EQ(fMessages.Texts().size(), 1) << fMessages.Texts().join('|').toStdString();
  EXPECT_TRUE(fMessages.LastText().startsWith(
      "The run-file list names.dat cannot be written in the folder " + fDir.path()))
      << fMessages.LastText().toStdString();
  EXPECT_FALSE(fMessages.LastText().contains("Attempt to initialize DLL failed"));
  EXPECT_FALSE(QFile::exists(Base(path) + ".tv8o"));
  EXPECT_FALSE(QFile::exists(Path(TRunLock::kLockFileName)));
}

TEST_F(MainFormRun, RunFilePathsLongerThanTheEngineTakes_Refused) {
  // Folders deep enough that the document's run-file paths pass 255 characters.
  QString folder = "deep";
  while (Path(folder).size() + QString("/sand-over-clay.tv8d").size() <= 255)
    folder += "/" + QString(40, 'f');
  const QString path = CopyExample("sand-over-clay.tv8d", folder);
  Start({path});
  fMessages.Clear();
  Trigger(TMainCommand::CompRun);
  ASSERT_EQ(fMessages.Texts().size(), 1);
  EXPECT_TRUE(fMessages.LastText().contains("longer than 255 characters"));
  EXPECT_FALSE(QFile::exists(QFileInfo(path).dir().filePath("names.dat")));
}

TEST_F(MainFormRun, ReadOnlyFolder_SaysTheRunFileListCannotBeWritten) {
  const QString path = CopyExample("sand-over-clay.tv8d", "locked");
  // The run goes as an unprivileged user, who must reach the folder and read the document.
  ASSERT_EQ(chmod(QFile::encodeName(fDir.path()).constData(), 0755), 0);
  ASSERT_EQ(chmod(QFile::encodeName(Path("locked")).constData(), 0555), 0);
  const QStringList before = QDir(Path("locked")).entryList(QDir::Files);
  Start({path});
  fMessages.Clear();
  {
    const tvx::test::Unprivileged user;
    Trigger(TMainCommand::CompRun);
  }
  chmod(QFile::encodeName(Path("locked")).constData(), 0755);
  EXPECT_TRUE(fMessages.LastText().startsWith("The run-file list names.dat cannot be written"))
      << fMessages.LastText().toStdString();
  EXPECT_FALSE(fMessages.Texts().join('|').contains("Attempt to initialize DLL failed"));
  EXPECT_EQ(QDir(Path("locked")).entryList(QDir::Files), before);
}

TEST_F(MainFormRun, LargestChartProblem_FinishesAndTheWindowRepaints) {
  QProcess bench;
  bench.start(QStringLiteral(TORVEX_BIN_DIR "/torvex-bench"), {"1", "--keep", Path("bench"), "--only", "chart-tz"});
  ASSERT_TRUE(bench.waitForFinished(300000));
  ASSERT_EQ(bench.exitCode(), 0) << bench.readAllStandardError().toStdString();
  const QString path = Path("bench/chart-tz/bench.tv8d");
  for (const QString& ext : kResultExtensions) QFile::remove(Base(path) + ext);
  Start({path});
  ASSERT_EQ(fForm->Tables().D().RowCount(), 40);

  struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) ++paints;
      return false;
    }
  } counter;
  fMessages.Clear();
  Trigger(TMainCommand::CompRun);
  EXPECT_EQ(fMessages.Texts(), QStringList({kCompleted}));
  fForm->MdiArea()->viewport()->installEventFilter(&counter);
  fForm->MdiArea()->viewport()->update();
  QTest::qWait(50);
  EXPECT_GT(counter.paints, 0);
  EXPECT_EQ(fForm->Plots().pltSkin().LineCount(), 20);
  EXPECT_EQ(VisibleCharts(), 10);
  EXPECT_EQ(fForm->Plots().PltChart(10).LineCount(), 20);
}

// The program's window after a run, with its caption drawn as the window frame shows it
// (the offscreen platform draws no frame of its own).
TEST_F(MainFormRun, Screenshot_MainWindowAfterARun) {
  RunExample("sand-over-clay.tv8d", InstallProgramRooms);
  ASSERT_EQ(fMessages.Texts(), QStringList({kCompleted}));
  QTest::qWait(50);
  const QPixmap window = fForm->grab();

  QStyleOptionTitleBar bar;
  bar.initFrom(fForm.get());
  bar.text = fForm->windowTitle();
  bar.icon = fForm->windowIcon();
  bar.titleBarState = Qt::WindowActive;
  bar.titleBarFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
  bar.subControls = QStyle::SC_All;
  bar.state |= QStyle::State_Active;
  const int barHeight = fForm->style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar) + 6;
  bar.rect = QRect(0, 0, window.width(), barHeight);
  QImage shot(window.width(), window.height() + barHeight, QImage::Format_RGB32);
  shot.fill(Qt::white);
  {
    QPainter p(&shot);
    fForm->style()->drawComplexControl(QStyle::CC_TitleBar, &bar, &p, fForm.get());
    p.drawPixmap(0, barHeight, window);
  }
  const QString file = QDir(main_test::ScreenshotFolder()).filePath("main-window-after-run.png");
  EXPECT_TRUE(shot.save(file));

  // The Data and Graphics menus as they open after this run.
  for (auto [menu, name] : {std::pair{fForm->DataMenu(), "main-window-data-menu.png"},
                            std::pair{fForm->GraphicsMenu(), "main-window-graphics-menu.png"}}) {
    menu->popup(fForm->mapToGlobal(QPoint(200, 40)));
    QTest::qWait(50);
    EXPECT_TRUE(menu->grab().save(QDir(main_test::ScreenshotFolder()).filePath(name)));
    menu->close();
  }
}

}  // namespace
