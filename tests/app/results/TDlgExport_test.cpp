// The export dialog: what it offers on each opening, the buttons, and the export run with
// the save question, the opening of the workbook and the messages taken over.
#include "TDlgExport.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "ExportFixtures.h"
#include "ExportMessages.h"
#include "TExportFileQuestion.h"
#include "TMessageCapture.h"
#include "TWorkbookOpener.h"
#include "WorkbookParts.h"

namespace {

using export_test::FillLines;
using export_test::SheetNames;
using export_test::WorkbookParts;
using I = TGraphicsItem;

QString L(const char* text) { return QString::fromLatin1(text); }

TGraphicsMenuState AllEnabled() {
  TGraphicsMenuState menu;
  for (int k = 0; k < kGraphicsItemCount; ++k) menu[static_cast<I>(k)].Enabled = true;
  return menu;
}

class DlgExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    for (TGraphPlot& plot : plots.Plots()) FillLines(plot, {4, 3});
    fPreviousQuestion = TExportFileQuestion::SetHandler([this](QWidget*, const QString& proposed) {
      proposals << proposed;
      return answer;
    });
    fPreviousOpener = TWorkbookOpener::SetHandler([this](const QString& fileName) {
      opened << fileName;
      return openWorks;
    });
  }
  void TearDown() override {
    TExportFileQuestion::SetHandler(fPreviousQuestion);
    TWorkbookOpener::SetHandler(fPreviousOpener);
  }

  QStringList ListCaptions() const {
    QStringList captions;
    for (int i = 0; i < dialog.PlotList()->count(); ++i) captions << dialog.PlotList()->item(i)->text();
    return captions;
  }
  int CheckedCount() const {
    int checked = 0;
    for (int i = 0; i < dialog.PlotList()->count(); ++i)
      checked += dialog.PlotList()->item(i)->checkState() == Qt::Checked ? 1 : 0;
    return checked;
  }
  void Check(int row, bool checked) {
    dialog.PlotList()->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  }
  QString Workbook(const char* name) const { return folder.filePath(L(name)); }

  QTemporaryDir folder;
  TResultPlots plots;
  TGraphicsMenuState menu = AllEnabled();
  QString documentName = folder.filePath(L("job.tv8d"));
  QString answer;
  bool openWorks = true;
  QStringList proposals;
  QStringList opened;
  TMessageCapture messages;
  TDlgExport dialog{plots, [this] { return menu; }, [this] { return documentName; }};

 private:
  TExportFileQuestion::THandler fPreviousQuestion;
  TWorkbookOpener::THandler fPreviousOpener;
};

TEST_F(DlgExportTest, WithoutResultsNothingIsOfferedAndGenerateStaysDisabled) {
  TResultPlots nothingLoaded;
  menu = GraphicsMenuState(TPlotReadSettings{}, nothingLoaded, false);
  dialog.show();
  EXPECT_EQ(dialog.PlotList()->count(), 0);
  EXPECT_FALSE(dialog.GenerateButton()->isEnabled());
  dialog.SelectAllButton()->click();
  EXPECT_FALSE(dialog.GenerateButton()->isEnabled());
  dialog.GenerateButton()->click();
  EXPECT_TRUE(proposals.isEmpty());
  EXPECT_TRUE(messages.Messages().isEmpty());
}

TEST_F(DlgExportTest, EveryOpeningRebuildsTheListFromTheMenuCheckedAndKeepsTheMarkersChoice) {
  EXPECT_EQ(dialog.windowTitle(), L("Export to Excel"));
  EXPECT_TRUE(dialog.MarkersBox()->isChecked());
  dialog.show();
  EXPECT_EQ(dialog.PlotList()->count(), 26);
  EXPECT_EQ(CheckedCount(), 26);
  Check(0, false);
  dialog.MarkersBox()->setChecked(false);
  dialog.CloseButton()->click();
  EXPECT_FALSE(dialog.isVisible());

  menu = TGraphicsMenuState();
  menu[I::mAxial].Enabled = true;
  menu[I::DesignChart1].Enabled = true;
  plots.PltChart(1).SetCaption(L("Design Chart (0.5-in movement)"));
  dialog.show();
  EXPECT_EQ(ListCaptions(), QStringList({L("Axial Load vs Settlement (averaged)"), L("Design Chart (0.5-in movement)")}));
  EXPECT_EQ(CheckedCount(), 2);
  EXPECT_FALSE(dialog.MarkersBox()->isChecked());
}

TEST_F(DlgExportTest, GenerateIsEnabledExactlyWhileAPlotIsChecked) {
  dialog.show();
  EXPECT_TRUE(dialog.GenerateButton()->isEnabled());
  dialog.UnselectAllButton()->click();
  EXPECT_EQ(CheckedCount(), 0);
  EXPECT_FALSE(dialog.GenerateButton()->isEnabled());
  Check(5, true);
  EXPECT_TRUE(dialog.GenerateButton()->isEnabled());
  Check(5, false);
  EXPECT_FALSE(dialog.GenerateButton()->isEnabled());
  dialog.SelectAllButton()->click();
  EXPECT_EQ(CheckedCount(), 26);
  EXPECT_TRUE(dialog.GenerateButton()->isEnabled());
}

TEST_F(DlgExportTest, TheSeventhPlotAloneIsWrittenAsPageOneAndOpened) {
  answer = Workbook("seventh.xlsx");
  dialog.show();
  dialog.UnselectAllButton()->click();
  Check(6, true);
  dialog.GenerateButton()->click();

  EXPECT_EQ(proposals, QStringList({folder.filePath(L("job.xlsx"))}));
  EXPECT_EQ(SheetNames(WorkbookParts(answer)), QStringList({L("Legend"), L("Page_1"), L("Plot_1")}));
  EXPECT_EQ(opened, QStringList({answer}));
  EXPECT_EQ(messages.Texts(), QStringList({L("Export to Excel Completed\nThe excel file is saved as %1\n")
                                               .arg(QDir::toNativeSeparators(answer))}));
  EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open for another export";
}

TEST_F(DlgExportTest, ACancelledQuestionWritesNothing) {
  answer.clear();
  dialog.show();
  dialog.GenerateButton()->click();
  EXPECT_EQ(proposals.size(), 1);
  EXPECT_TRUE(opened.isEmpty());
  EXPECT_TRUE(messages.Messages().isEmpty());
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

TEST_F(DlgExportTest, ANameWithoutXlsxGetsItAndNeverReplacesAnotherFile) {
  // The document itself, typed as the workbook's name.
  QFile document(documentName);
  ASSERT_TRUE(document.open(QIODevice::WriteOnly));
  document.write("problem text");
  document.close();
  answer = documentName;
  dialog.show();
  dialog.GenerateButton()->click();
  EXPECT_TRUE(messages.Messages().last().Text.startsWith(L("Export to Excel Completed")));
  EXPECT_EQ(opened, QStringList({documentName + L(".xlsx")}));
  ASSERT_TRUE(document.open(QIODevice::ReadOnly));
  EXPECT_EQ(document.readAll(), QByteArray("problem text"));

  // A workbook of the completed name exists: replaced only when the user says so.
  struct ReplaceCase {
    QMessageBox::StandardButton reply;
    bool replaced;
  };
  for (const ReplaceCase c : {ReplaceCase{QMessageBox::No, false}, ReplaceCase{QMessageBox::Yes, true}}) {
    const QString workbook = Workbook("old.xlsx");
    QFile old(workbook);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
    old.write("earlier");
    old.close();
    messages.Clear();
    messages.QueueAnswer(c.reply);
    answer = Workbook("old");
    dialog.GenerateButton()->click();
    ASSERT_FALSE(messages.Messages().isEmpty());
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Question);
    EXPECT_EQ(messages.Messages()[0].Text,
              L("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(workbook)));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll() != QByteArray("earlier"), c.replaced);
    old.close();
  }
}

TEST_F(DlgExportTest, APlotOfMoreThan255LinesIsCutInItsChartAndTheMessageSaysSo) {
  FillLines(plots.pltLoad(), std::vector<int>(256, 3));
  menu = TGraphicsMenuState();
  menu[I::mload].Enabled = true;
  menu[I::mSkin].Enabled = true;
  answer = Workbook("many.xlsx");
  dialog.show();
  dialog.GenerateButton()->click();

  ASSERT_EQ(messages.Messages().size(), 1);
  EXPECT_EQ(messages.LastText(), L("Export to Excel Completed\nThe excel file is saved as %1\n"
                                   "Some plots show only 255 series because Excel limitation \nPlease check \n")
                                     .arg(QDir::toNativeSeparators(answer)));
  const auto parts = WorkbookParts(answer);
  EXPECT_EQ(export_test::Occurrences(parts.at(L("xl/charts/chart2.xml")), "<c:ser>"), 255);
  // The data sheet of the load curves keeps the 256th line: its name in column 511 (SQ).
  EXPECT_GT(export_test::Occurrences(parts.at(L("xl/worksheets/sheet3.xml")), "<c r=\"SQ4\""), 0);
}

TEST_F(DlgExportTest, AWorkbookThatCannotBeWrittenIsReportedWithItsName) {
  answer = folder.filePath(L("no-such-folder/job.xlsx"));
  dialog.show();
  dialog.GenerateButton()->click();
  ASSERT_EQ(messages.Messages().size(), 1);
  EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);
  EXPECT_TRUE(messages.LastText().startsWith(
      L("The excel file %1 could not be written; a file of that name on disk is unchanged.\n")
          .arg(QDir::toNativeSeparators(answer))))
      << messages.LastText().toStdString();
  EXPECT_TRUE(opened.isEmpty());
}

TEST_F(DlgExportTest, AWorkbookNoProgramCanOpenIsStillReportedAsWritten) {
  openWorks = false;
  answer = Workbook("unopened.xlsx");
  dialog.show();
  dialog.GenerateButton()->click();
  EXPECT_TRUE(QFile::exists(answer));
  EXPECT_EQ(messages.LastText(), ExportText::Completed(QDir::toNativeSeparators(answer), false) +
                                     L("No program could be started to open it."));
}

TEST_F(DlgExportTest, ScreenshotOfTheOfferedPlotsWithOneCleared) {
  dialog.show();
  dialog.PlotList()->item(2)->setCheckState(Qt::Unchecked);
  const QString dir = QStringLiteral(TORVEX_BUILD_DIR "/screenshots");
  QDir().mkpath(dir);
  EXPECT_TRUE(dialog.grab().save(dir + L("/export-dialog.png")));
}

}  // namespace
