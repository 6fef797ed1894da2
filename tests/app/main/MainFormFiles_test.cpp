// The main window's frame and document commands: menus, toolbar and caption; start-up from
// the command line; the save prompt, save and save as; the recent files and the settings;
// dropped files; refused paths; units, design method and the Data menu; the text editor,
// the manuals and the about window.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QToolBar>
#include <QUrl>
#include <sys/stat.h>

#include "MainTestSupport.h"
#include "TColumn.h"
#include "TGridTable.h"
#include "TProgramData.h"

namespace {

using main_test::MainFormTest;
using main_test::ReadBytes;
using main_test::StripAccelerators;
using C = TMainCommand;

QStringList VisibleMenuTitles(const TMainForm& form) {
  QStringList titles;
  for (QAction* a : form.menuBar()->actions())
    if (a->isVisible()) titles << StripAccelerators(a->text());
  return titles;
}

TEST_F(MainFormTest, Frame_MenusCaptionsShortcutsAndToolbarButtons) {
  const QString path = CopyExample("sand-over-clay.tv8d");
  Start({path});
  EXPECT_EQ(fForm->windowTitle(), "TORVEX 2017.8.11 - Sand-over-clay.tv8d");
  EXPECT_EQ(VisibleMenuTitles(*fForm),
            QStringList({"File", "Data", "Computation", "Graphics", "Window", "Help"}));

  struct Item {
    C command;
    const char* caption;
    const char* shortcut;
    const char* button;  // the toolbar button's name, null: no button
  } items[] = {
      {C::FileNew, "&New", "Ctrl+N", "New File"},
      {C::FileOpen, "&Open...", "Ctrl+O", "Open File"},
      {C::FileSave, "&Save", "Ctrl+S", "Save File"},
      {C::FileSaveAs, "Save &As...", "", nullptr},
      {C::FileExit, "E&xit", "", nullptr},
      {C::DataTitle, "&Title", "", "Title"},
      {C::UnitsEnglish, "&English Units (lbs, ft, in)", "", nullptr},
      {C::UnitsSI, "&SI Units (kN, m)", "", nullptr},
      {C::MethodASD, "ASD (Allowable Stress Design)", "", nullptr},
      {C::MethodLRFD, "LRFD (Load Resistance Factor Design)", "", nullptr},
      {C::DataDrilledShaft, "&Drilled-Shaft Properties", "", "Drilled Shaft Properties"},
      {C::DataSoilLayers, "Soil &Layer Data", "", "Soil Layer Data"},
      {C::DataFactorOfSafety, "&Factor of Safety (Allowable Stress Design)", "",
       "Factor of Safety (ASD)"},
      {C::ShaftLength, "Specify the shaft length", "", nullptr},
      {C::DesignLoad, "Specify the design load", "", nullptr},
      {C::DataWaterTable, "&Water Table", "", nullptr},
      {C::DataMultipleLengths, "Evaluate Multiple Shaft Lengths", "", nullptr},
      {C::DataDesignCharts, "ASD/LRFD Design Charts", "", nullptr},
      {C::DataControlOptions, "Control &Options...", "", nullptr},
      {C::CompRun, "&Run Analysis", "", "Run Data File"},
      {C::EditInput, "Edit I&nput Text", "", nullptr},
      {C::EditRunNotes, "Edit &Processor-Run Notes", "", nullptr},
      {C::EditOutput, "Edit &Output Text", "", nullptr},
      {C::ToolViewOutput, "View Output", "", "View Output"},
      {C::ViewElevation, "&View Shaft Elevation", "", "View Soil Profile"},
      {C::View3D, "3D View", "", "3D View"},
      {C::ExportPlots, "Export Plots to Excel", "", nullptr},
      {C::WindowCascade, "&Cascade", "", nullptr},
      {C::WindowArrangeIcons, "&Arrange Icons", "", nullptr},
      {C::HelpUsersManual, "&User's Manual", "", nullptr},
      {C::HelpTechnicalManual, "&Technical Manual", "", nullptr},
      {C::HelpAbout, "&About...", "", nullptr},
      {C::ToolCombinedUltimate, "Combined Plot (Ultimate)", "", "Combined Plot (Ultimate)"},
      {C::ToolCombinedDesign, "Combined Plot (LRFD/ASD)", "", "Combined Plot (LRFD/ASD)"},
      {C::ToolLoadSettlement, "Load vs. Settlement", "", "Load vs. Settlement"},
      {C::ToolTzCurves, "t-z curves", "", "t-z curves"},
      {C::ToolQwCurves, "Q-w curves", "", "Q-w curves"},
  };
  const QList<QAction*> toolbar = fForm->ToolBar()->actions();
  for (const Item& item : items) {
    QAction* action = fForm->Command(item.command);
    EXPECT_EQ(action->text(), QString::fromUtf8(item.caption));
    EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(item.shortcut)) << item.caption;
    EXPECT_EQ(toolbar.contains(action), item.button != nullptr) << item.caption;
    if (item.button) {
      EXPECT_EQ(action->toolTip(), QString::fromUtf8(item.button));
      EXPECT_FALSE(action->icon().isNull()) << item.button;
    }
  }
  // "&Contents" is there, hidden.
  EXPECT_EQ(fForm->Command(C::HelpContents)->text(), "&Contents");
  EXPECT_FALSE(fForm->Command(C::HelpContents)->isVisible());
  EXPECT_TRUE(fForm->HelpMenu()->actions().contains(fForm->Command(C::HelpContents)));

  // The combined items take the captions of the results' rule (single lengths here).
  const QStringList graphics = {
      "Ultimate Skin Friction vs Depth", "Ultimate Tip Resistance vs Depth",
      "Ultimate Total Capacity vs Depth", "Combined Plots vs Depth (Initial Diameter)",
      "ASD/LRFD Skin Friction vs Depth ", "ASD/LRFD Tip Resistance vs Depth ",
      "ASD/LRFD Total Capacity vs Depth", "Combined Plots vs Depth (Initial Diameter)",
      "Axial Load vs Settlement (averaged)", "Axial Load vs Settlement (upper bound)",
      "Axial Load vs Settlement (lower bound)",
      "Combined Plots of Load vs Settlement (Initial Diameter)",
      "t-z curves (averaged, initial diameter)", "Q-w curves (averaged)",
      "Additional t-z curves (averaged, initial diameter)",
      "Load Distribution (averaged, initial diameter)"};
  for (int i = 0; i < graphics.size(); ++i)
    EXPECT_EQ(StripAccelerators(fForm->GraphicsCommand(TGraphicsItem(i))->text()), graphics[i]);
  EXPECT_EQ(fForm->GraphicsCommand(TGraphicsItem::mCombine)->text(),
            "C&ombined Plots vs Depth (Initial Diameter)");
}

TEST_F(MainFormTest, StartWithoutDocument_NewDocumentWithHiddenLRFDColumns) {
  Start();
  EXPECT_EQ(fForm->windowTitle(), "TORVEX 2017.8.11 - NewTorvex.tv8d");
  EXPECT_FALSE(fForm->LRFDColumnsShown());
  EXPECT_FALSE(fForm->DataChanged());
  EXPECT_EQ(fForm->WordProcessor(), "xdg-open");
}

TEST_F(MainFormTest, CommandLineWithoutExtension_OpensTheTv8dFile) {
  CopyExample("si-layered-lrfd-charts.tv8d");
  Start({Path("si-layered-lrfd-charts")});
  EXPECT_EQ(fForm->windowTitle(), "TORVEX 2017.8.11 - Si-layered-lrfd-charts.tv8d");
  EXPECT_EQ(ProgramData->FileName, Path("si-layered-lrfd-charts.tv8d"));
  EXPECT_EQ(ProgramData->Units(), 2);
  EXPECT_TRUE(fForm->LRFDColumnsShown());  // the file is LRFD
  EXPECT_EQ(fForm->CurDir(), fDir.path());
}

TEST_F(MainFormTest, CommandLineNamingAFolder_RefusedWithItsReason_NewDocument) {
  QDir().mkpath(Path("pile.tv8d"));
  Start({Path("pile.tv8d")});
  EXPECT_EQ(fForm->windowTitle(), "TORVEX 2017.8.11 - NewTorvex.tv8d");
  ASSERT_EQ(fMessages.Texts().size(), 1);
  EXPECT_TRUE(fMessages.LastText().contains(Path("pile.tv8d")));
  EXPECT_TRUE(fMessages.LastText().contains("it is a folder"));
}

TEST_F(MainFormTest, OpenRefusesFoldersPipesAndMissingFiles_TheDocumentStays) {
  const QString path = CopyExample("sand-over-clay.tv8d");
  QDir().mkpath(Path("folder.tv8d"));
  ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe.tv8d")).constData(), 0600), 0);
  Start({path});
  const QStringList before = Files();
  struct Case {
    QString path;
    const char* reason;
  } cases[] = {
      {Path("folder.tv8d"), "it is a folder"},
      {Path("pipe.tv8d"), "not a regular file"},
      {Path("gone.tv8d"), "does not exist"},
  };
  for (const Case& c : cases) {
    fMessages.Clear();
    EXPECT_FALSE(fForm->OpenFileName(c.path, 1));
    ASSERT_EQ(fMessages.Texts().size(), 1) << c.reason;
    EXPECT_TRUE(fMessages.LastText().contains(c.path)) << c.reason;
    EXPECT_TRUE(fMessages.LastText().contains(c.reason)) << fMessages.LastText().toStdString();
    EXPECT_EQ(ProgramData->FileName, path);
  }
  EXPECT_EQ(Files(), before);
}

// --- Save prompt, save, save as ---------------------------------------------------------------

TEST_F(MainFormTest, SavePrompt_YesNoCancel) {
  const QString path = CopyExample("sand-over-clay.tv8d");
  const QByteArray original = ReadBytes(path);
  Start({path});

  // Cancel: the command stops, the document stays with its changes.
  ProgramData->Title = "Changed title";
  fForm->SetDataChanged(true);
  fMessages.QueueAnswer(QMessageBox::Cancel);
  Trigger(C::FileNew);
  EXPECT_EQ(fMessages.LastText(), "Do you want to save any changes?");
  EXPECT_EQ(ProgramData->FileName, path);
  EXPECT_TRUE(fForm->DataChanged());
  // ... but the results state starts afresh all the same.
  EXPECT_FALSE(fForm->Command(C::ToolCombinedUltimate)->isEnabled());

  // No: the command goes on, nothing written.
  fMessages.QueueAnswer(QMessageBox::No);
  Trigger(C::FileNew);
  EXPECT_EQ(ProgramData->FileName, "NewTorvex.tv8d");
  EXPECT_EQ(ReadBytes(path), original);

  // Yes: saved, then the command goes on.
  ASSERT_TRUE(fForm->OpenFileName(path, 1));
  ProgramData->Title = "Saved title";
  fForm->SetDataChanged(true);
  fMessages.QueueAnswer(QMessageBox::Yes);
  Trigger(C::FileNew);
  EXPECT_EQ(ProgramData->FileName, "NewTorvex.tv8d");
  EXPECT_TRUE(ReadBytes(path).startsWith("Saved title\r\n"));
}

TEST_F(MainFormTest, SavePromptOnANewDocument_CancelledSaveAs_NothingWrittenCommandStops) {
  Start();
  fForm->SetDataChanged(true);
  fMessages.QueueAnswer(QMessageBox::Yes);
  fDesktop.SaveAnswer.clear();  // the user cancels the save-as dialog
  Trigger(C::FileOpen);
  EXPECT_EQ(fDesktop.SaveTitles, QStringList({"Save NewTorvex.tv8d As"}));
  EXPECT_EQ(fDesktop.OpenDialogs, 0) << "the open command stopped";
  EXPECT_EQ(ProgramData->FileName, "NewTorvex.tv8d");
  EXPECT_FALSE(fForm->filesaved());
  EXPECT_TRUE(Files().isEmpty());
}

TEST_F(MainFormTest, OlderReleaseDocument_SaveAlwaysAsksForANewName_OldFileUntouched) {
  const QString old = Path("sand-clay.tvd");
  ASSERT_TRUE(QFile::copy(QStringLiteral(TORVEX_SOURCE_DIR
                                         "/tests/app/document/fixtures/release2012-sand-clay.tvd"),
                          old));
  const QByteArray original = ReadBytes(old);
  Start({old});
  EXPECT_EQ(fForm->windowTitle(), "TORVEX 2017.8.11 - Sand-clay.tvd");

  fDesktop.SaveAnswer.clear();
  Trigger(C::FileSave);
  EXPECT_EQ(fDesktop.SaveTitles, QStringList({"Save Sand-clay.tvd As"}));
  EXPECT_EQ(fDesktop.SaveProposals, QStringList({Path("sand-clay.tvd")}));
  EXPECT_EQ(ReadBytes(old), original);
  EXPECT_FALSE(fForm->filesaved());

  fDesktop.SaveAnswer = Path("sand-clay-2017.tv8d");
  Trigger(C::FileSave);
  EXPECT_EQ(ReadBytes(old), original);
  EXPECT_EQ(ProgramData->FileName, Path("sand-clay-2017.tv8d"));
  EXPECT_EQ(fForm->windowTitle(), "TORVEX 2017.8.11 - Sand-clay-2017.tv8d");
  // The current layout: record 3 holds the eleven options.
  const QList<QByteArray> lines = ReadBytes(Path("sand-clay-2017.tv8d")).split('\n');
  ASSERT_GT(lines.size(), 3);
  EXPECT_EQ(lines[2].trimmed().split(' ').size(), 11) << lines[2].toStdString();

  // Now a current document: saved in place, no dialog.
  Trigger(C::FileSave);
  EXPECT_EQ(fDesktop.SaveTitles.size(), 2);
}

TEST_F(MainFormTest, SaveAsOntoAFolder_Refused) {
  Start();
  QDir().mkpath(Path("taken.tv8d"));
  fDesktop.SaveAnswer = Path("taken.tv8d");
  Trigger(C::FileSaveAs);
  EXPECT_EQ(ProgramData->FileName, "NewTorvex.tv8d");
  EXPECT_TRUE(fMessages.LastText().contains("it is a folder"));
  EXPECT_TRUE(QFileInfo(Path("taken.tv8d")).isDir());
}

// --- Recent files and settings ----------------------------------------------------------------

QString SettingsFile(const main_test::TSettingsSandbox& sandbox) {
  return QDir(sandbox.Folder()).filePath("Calverin/TORVEX.conf");
}

TEST_F(MainFormTest, RecentFiles_FileMenuTextsAndMoves_WrittenWhenTheyChange) {
  QStringList paths;
  for (const char* name : {"sand-over-clay.tv8d", "belled-design-load.tv8d",
                           "gravel-uplift-lrfd.tv8d", "strong-rock-end-bearing.tv8d"})
    paths << CopyExample(name);
  paths << CopyExample("sand-clay-design-charts.tv8d", "other");
  Start();
  for (const QString& p : paths) ASSERT_TRUE(fForm->OpenFileName(p, 1));
  // Newest first; the current folder is that of the last document opened.
  emit fForm->FileMenu()->aboutToShow();
  QStringList texts;
  for (QAction* a : fForm->FileMenu()->actions())
    if (a->isVisible() && !a->isSeparator()) texts << StripAccelerators(a->text());
  EXPECT_EQ(texts, QStringList({"New", "Open...", "Save", "Save As...",
                                "1 sand-clay-design-charts.tv8d",
                                "2 " + paths[3], "3 " + paths[2], "4 " + paths[1],
                                "5 " + paths[0], "Exit"}));

  // The first reopened: nothing changes, not even the settings file.
  const QByteArray settings = ReadBytes(SettingsFile(fSettings));
  ASSERT_FALSE(settings.isEmpty());
  ASSERT_TRUE(fForm->OpenFileName(paths[4], 1));
  EXPECT_EQ(fForm->RecentFiles().PrevFile(1), paths[4]);
  EXPECT_EQ(ReadBytes(SettingsFile(fSettings)), settings);

  // The fifth to the top, the first four down one place.
  fForm->RecentFileClick(5);
  EXPECT_EQ(ProgramData->FileName, paths[0]);
  const QStringList expected = {paths[0], paths[4], paths[3], paths[2], paths[1]};
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(fForm->RecentFiles().PrevFile(k), expected[k - 1]);
  QSettings store("Calverin", "TORVEX");
  EXPECT_EQ(store.value("2017.8.11/File1").toString(), paths[0]);
  EXPECT_EQ(store.value("2017.8.11/File2").toString(), paths[4]);
}

TEST_F(MainFormTest, NoRecentFiles_OneSeparatorBeforeExit) {
  Start();
  emit fForm->FileMenu()->aboutToShow();
  QStringList shown;
  for (QAction* a : fForm->FileMenu()->actions())
    if (a->isVisible()) shown << (a->isSeparator() ? "-" : StripAccelerators(a->text()));
  EXPECT_EQ(shown, QStringList({"New", "Open...", "Save", "Save As...", "-", "Exit"}));
}

TEST_F(MainFormTest, Settings_WrittenOnClose_ReadAtTheNextStart) {
  const QString path = CopyExample("sand-over-clay.tv8d");
  Start({path});
  fForm->SetWordProcessor("gedit --new-window");
  Stop();
  {
    QSettings store("Calverin", "TORVEX");
    store.beginGroup("2017.8.11");
    EXPECT_EQ(store.value("Word Processor").toString(), "gedit --new-window");
    EXPECT_EQ(store.value("Directory").toString(), fDir.path());
    EXPECT_EQ(store.value("File1").toString(), path);
    EXPECT_TRUE(store.contains("File10"));
  }
  Start();
  EXPECT_EQ(fForm->WordProcessor(), "gedit --new-window");
  EXPECT_EQ(fForm->CurDir(), fDir.path());
  EXPECT_EQ(fForm->RecentFiles().PrevFile(1), path);
  EXPECT_EQ(fForm->RecentFiles().NumberPrevFile(), 1);
}

TEST_F(MainFormTest, SettingsThatCannotBeRead_FallBackToTheDefaults) {
  // A damaged settings file (a section heading without its end): its values are not
  // trusted. Only the first reading in a process reports the damage, so the window reads
  // it first.
  QDir().mkpath(QFileInfo(SettingsFile(fSettings)).absolutePath());
  main_test::WriteBytes(SettingsFile(fSettings),
                        "[2017.8.11]\nFile1=/p/a.tv8d\nWord Processor=vim\n[broken\n");
  Start();
  EXPECT_EQ(fForm->WordProcessor(), "xdg-open");
  EXPECT_EQ(fForm->RecentFiles().NumberPrevFile(), 0);

  // One that cannot be opened at all: the program starts and closes all the same.
  Stop();
  QFile::remove(SettingsFile(fSettings));
  QDir().mkpath(SettingsFile(fSettings));
  Start();
  EXPECT_EQ(fForm->WordProcessor(), "xdg-open");
  EXPECT_EQ(fForm->CurDir(), fProgramFolder);
  Stop();
}

TEST_F(MainFormTest, RelativeDocumentPath_KeptAbsoluteAfterTheFolderChanges) {
  CopyExample("sand-over-clay.tv8d", "sub");
  QDir::setCurrent(fDir.path());
  Start({"sub/sand-over-clay"});
  EXPECT_EQ(ProgramData->FileName, Path("sub/sand-over-clay.tv8d"));
  EXPECT_EQ(QDir::currentPath(), Path("sub"));
  EXPECT_EQ(fForm->RecentFiles().PrevFile(1), Path("sub/sand-over-clay.tv8d"));
}

// --- Dropped files ----------------------------------------------------------------------------

// A file dragged onto the window and dropped there: the drop goes to the widget that took
// the drag when it entered.
void Drop(TMainForm& form, const QString& path) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &enter);
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &drop);
}

TEST_F(MainFormTest, DroppedFile_OpenedByItsExtension_OthersIgnored) {
  const QString path = CopyExample("belled-design-load.tv8d", "dropped");
  main_test::WriteBytes(Path("notes.txt"), "not a document");
  Start();
  Drop(*fForm, Path("notes.txt"));
  EXPECT_EQ(ProgramData->FileName, "NewTorvex.tv8d");
  Drop(*fForm, path);
  EXPECT_EQ(ProgramData->FileName, path);
  EXPECT_EQ(fForm->CurDir(), QFileInfo(path).absolutePath());
  EXPECT_EQ(QDir::currentPath(), QFileInfo(path).absolutePath());
}

// --- Units, design method, Data menu ------------------------------------------------------------

TEST_F(MainFormTest, SIChosenTwice_ConvertsOnce) {
  Start({CopyExample("sand-over-clay.tv8d")});
  ASSERT_EQ(ProgramData->DSTART, 3.0L);
  const long double bottom = fForm->Tables().D().GetFloatValue(kLayerBottom, 0);
  Trigger(C::UnitsSI);
  Trigger(C::UnitsSI);
  EXPECT_NEAR(double(ProgramData->DSTART), 0.9144, 1e-9);
  EXPECT_NEAR(double(fForm->Tables().D().GetFloatValue(kLayerBottom, 0)), double(bottom) * 0.3048,
              1e-9);
  EXPECT_TRUE(fForm->Command(C::UnitsSI)->isChecked());
  EXPECT_FALSE(fForm->Command(C::UnitsEnglish)->isChecked());
  EXPECT_TRUE(fForm->DataChanged());
}

TEST_F(MainFormTest, DesignMethod_ShowsOrHidesTheLRFDColumns) {
  Start();
  QList<bool> told;
  QObject::connect(fForm.get(), &TMainForm::DesignMethodChanged,
                   [&](bool shown) { told << shown; });
  Trigger(C::MethodLRFD);
  EXPECT_EQ(ProgramData->NLRFD, 1);
  EXPECT_TRUE(fForm->LRFDColumnsShown());
  EXPECT_FALSE(fForm->Command(C::DataFactorOfSafety)->isEnabled());
  EXPECT_TRUE(fForm->Command(C::MethodLRFD)->isChecked());
  Trigger(C::MethodASD);
  EXPECT_FALSE(fForm->LRFDColumnsShown());
  EXPECT_EQ(told, QList<bool>({true, false}));
}

TEST_F(MainFormTest, DesignLoadFileWithLengthsAndCharts_BothItemsDisabled) {
  // A hand-edited file: design load given (METHOD 1) with the length range and the design
  // charts switched on in record 3, and their records present.
  QByteArray text = ReadBytes(main_test::ExamplesFolder() + "/belled-design-load.tv8d");
  QList<QByteArray> lines = text.split('\n');
  ASSERT_EQ(lines[2], "1 1 1 1 1 2 0 0 0 0 0\r");
  lines[2] = "1 1 1 1 1 2 1 1 0 0 0\r";
  lines.insert(5, "20 5\r");
  lines.insert(6, "20 5 0.5 3\r");
  lines.insert(7, "0.1 0.25 0.5 \r");
  main_test::WriteBytes(Path("edited.tv8d"), lines.join('\n'));
  Start({Path("edited.tv8d")});
  ASSERT_EQ(ProgramData->METHOD, 1);
  ASSERT_EQ(ProgramData->IPENT, 1);
  ASSERT_EQ(ProgramData->IChart, 1);
  // With their dialogs registered, only the rule can disable the items.
  for (TChildKind kind : {TChildKind::ncvary, TChildKind::ncchart})
    fForm->RegisterChild(kind, [kind] { return new TChildForm(kind); });
  emit fForm->DataMenu()->aboutToShow();
  EXPECT_FALSE(fForm->Command(C::DataMultipleLengths)->isEnabled());
  EXPECT_FALSE(fForm->Command(C::DataDesignCharts)->isEnabled());
  EXPECT_FALSE(fForm->Command(C::DataMultipleLengths)->isChecked());
  EXPECT_TRUE(fForm->Command(C::DesignLoad)->isChecked());
}

// --- Text editor, manuals, about ----------------------------------------------------------------

TEST_F(MainFormTest, TextEditor_StartedWithTheFilePath_FailureReported) {
  const QString path = CopyExample("sand-over-clay.tv8d", "with space");
  Start({path});
  fForm->SetWordProcessor("my-editor --new-window");
  emit fForm->ComputationMenu()->aboutToShow();
  EXPECT_TRUE(fForm->Command(C::EditInput)->isEnabled());
  EXPECT_FALSE(fForm->Command(C::EditOutput)->isEnabled());
  EXPECT_FALSE(fForm->Command(C::EditRunNotes)->isEnabled());
  Trigger(C::EditInput);
  ASSERT_EQ(fDesktop.Started.size(), 1);
  EXPECT_EQ(fDesktop.Started[0], QStringList({"my-editor", "--new-window", path}));

  fDesktop.StartSucceeds = false;
  fForm->EditRunNotesClick();
  EXPECT_EQ(fMessages.LastText(), "An error occurred in running the Word Processor");
  EXPECT_EQ(fDesktop.Started[1].last(), Path("with space/sand-over-clay.tv8r"));
}

TEST_F(MainFormTest, Manuals_OpenedFromTheProgramFolder_MissingOnesSaySo) {
  main_test::WriteBytes(QDir(fProgramFolder).filePath("Torvex 2017 Users Manual.pdf"), "%PDF");
  Start();
  Trigger(C::HelpUsersManual);
  ASSERT_EQ(fDesktop.Opened.size(), 1);
  EXPECT_EQ(fDesktop.Opened[0],
            QUrl::fromLocalFile(QDir(fProgramFolder).filePath("Torvex 2017 Users Manual.pdf")));
  EXPECT_TRUE(fMessages.Texts().isEmpty());

  Trigger(C::HelpTechnicalManual);
  EXPECT_EQ(fDesktop.Opened.size(), 1);
  EXPECT_TRUE(fMessages.LastText().contains("TorvexTechnicalManual.bat"));
  EXPECT_TRUE(fMessages.LastText().contains(fProgramFolder));

  fDesktop.OpenSucceeds = false;
  Trigger(C::HelpUsersManual);
  EXPECT_TRUE(fMessages.LastText().startsWith("No program of this desktop could open"));
}

TEST_F(MainFormTest, About_NameVersionAndMaker) {
  Start();
  Trigger(C::HelpAbout);
  QDialog* about = fForm->AboutBox();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_TRUE(about->isModal());
  QStringList texts;
  for (QLabel* label : about->findChildren<QLabel*>()) texts << label->text();
  for (const char* line : {"TORVEX", "Version 2017.8.11", "Calverin Geotechnical Software",
                           "Copyright (C) 2017 Calverin. All rights reserved."})
    EXPECT_TRUE(texts.contains(line)) << line;
  about->accept();
}

}  // namespace
