// What the main window's commands do: the document's file commands, the recent files and
// the settings, the unit system, design and computation methods, the run, the text editor,
// the plots, the manuals and the about window.
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QUrl>

#include "CaptionRule.h"
#include "CheckData.h"
#include "DocumentPathCheck.h"
#include "DocumentSettings.h"
#include "EInOutError.h"
#include "MainText.h"
#include "MenuStates.h"
#include "TColumn.h"
#include "TGridTable.h"
#include "TMainForm.h"
#include "TMessageBox.h"
#include "TProgramData.h"
#include "TProgramSettings.h"
#include "TResultsLoader.h"
#include "TSavePrompt.h"

namespace {

using G = TGraphicsItem;
using Id = TResultPlots::Id;

// The plot each Graphics item shows.
Id PlotOf(TGraphicsItem item) {
  switch (item) {
    case G::mSkin: return Id::pltSkin;
    case G::mTip: return Id::pltTip;
    case G::mTotal: return Id::pltTotal;
    case G::mCombine: return Id::pltCombine;
    case G::fsmSkin: return Id::FSpltSkin;
    case G::fsmTip: return Id::FSpltTip;
    case G::fsmTotal: return Id::FSpltTotal;
    case G::dCombine: return Id::pltCombineD;
    case G::mAxial: return Id::pltAxial;
    case G::AxialLoadvsSettlementupperbound1: return Id::pltUpper;
    case G::AxialLoadvsSettlementlowerbound1: return Id::pltLower;
    case G::CombinedSettlement1: return Id::pltCombinedSettle;
    case G::Tzcurvesaveraged: return Id::pltTz;
    case G::Qwcurvesaveraged: return Id::pltQw;
    case G::AddTzcurvesaveraged: return Id::pltTzAdd;
    case G::mload: return Id::pltLoad;
    default:
      return TResultPlots::ChartId(static_cast<int>(item) - static_cast<int>(G::DesignChart1) + 1);
  }
}

}  // namespace

// --- Document state --------------------------------------------------------------------------

QString TMainForm::DocumentFileName() const { return ProgramData->FileName; }

void TMainForm::SetCaption() { setWindowTitle(MainCaption(ProgramData->FileName)); }

bool TMainForm::LRFDColumnsShown() const {
  const TColumn* column = fTables.D().GetColumn(kLayerSideFactor);
  return column && column->Visible();
}

void TMainForm::ApplyLRFDColumns() {
  // A document of the 6.0 release names no design method: the columns stay as they are.
  if (ProgramData->NLRFD == 1 || ProgramData->NLRFD == 2)
    fTables.ShowLRFDColumns(ProgramData->NLRFD == 1);
  emit DesignMethodChanged(LRFDColumnsShown());
}

void TMainForm::MarkChanged() { fTables.SetDataChanged(true); }

void TMainForm::WriteSettings() { TProgramSettings::Write(fWordProcessor, fCurDir, fRecent); }

void TMainForm::ClearResults() {
  fPlots.ClearLoadedFlags();
  for (TMainCommand button :
       {TMainCommand::ToolViewOutput, TMainCommand::ToolCombinedUltimate,
        TMainCommand::ToolCombinedDesign, TMainCommand::ToolLoadSettlement,
        TMainCommand::ToolTzCurves, TMainCommand::ToolQwCurves})
    Command(button)->setEnabled(false);
}

bool TMainForm::LoadResults(const QString& plotFile, int reportErrors) {
  TPlotReadSettings settings = SettingsFrom(*ProgramData);
  TResultsLoader loader(fPlots, settings, SoilLayersFrom(fTables));
  const int loaded = loader.ReadPlotData(plotFile, reportErrors);
  StoreLoadedID2(settings, *ProgramData);
  return loaded == 1;
}

void TMainForm::ApplyResultButtons() {
  const bool report = QFileInfo(RunFilePath(ProgramData->FileName, QStringLiteral(".tv8o"))).isFile();
  const TResultToolButtons buttons = ResultToolButtons(fPlots, report);
  Command(TMainCommand::ToolViewOutput)->setEnabled(buttons.ViewOutput);
  Command(TMainCommand::ToolCombinedUltimate)->setEnabled(buttons.CombinedPlots);
  Command(TMainCommand::ToolCombinedDesign)->setEnabled(buttons.CombinedPlots);
  Command(TMainCommand::ToolLoadSettlement)->setEnabled(buttons.LoadSettlement);
  Command(TMainCommand::ToolTzCurves)->setEnabled(buttons.TzAndQwCurves);
  Command(TMainCommand::ToolQwCurves)->setEnabled(buttons.TzAndQwCurves);
}

void TMainForm::LoadRunResults() {
  fPlots.ClearLoadedFlags();
  const QString plotFile = RunFilePath(ProgramData->FileName, QStringLiteral(".tv8p"));
  if (QFileInfo(plotFile).isFile()) fPlots.ShowOutput = LoadResults(plotFile, 1);
  ApplyResultButtons();
}

bool TMainForm::CheckProfile() {
  const TProfileCheck check =
      CheckData(fTables.D(), ProgramData->Units(), ProgramData->PD, ProgramData->DSTART);
  if (!check.Passed) TMessageBox::Warning(this, check.Warning);
  return check.Passed;
}

// --- File commands ---------------------------------------------------------------------------

bool TMainForm::ReportSaveErrors(const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const EInOutError& e) {
    TMessageBox::Information(this, e.Message());
    return false;
  }
}

bool TMainForm::SavePrompt() {
  TSavePrompt::THooks hooks;
  hooks.Ask = [this] {
    switch (TMessageBox::Question(this, MainText::SaveChangesQuestion(),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
      case QMessageBox::Yes: return TSavePrompt::TAnswer::Yes;
      case QMessageBox::No: return TSavePrompt::TAnswer::No;
      default: return TSavePrompt::TAnswer::Cancel;
    }
  };
  hooks.Save = [this] { return ReportSaveErrors([this] { SaveDocument(); }); };
  hooks.DocumentFileName = [] { return ProgramData->FileName; };
  return TSavePrompt::Continue(DataChanged(), hooks);
}

void TMainForm::NewDocument() {
  CloseChildWindows();
  ProgramData.reset();
  ProgramData = TProgramData::Create(fTables);
  SetCaption();
}

bool TMainForm::OpenFileName(const QString& name, int filter) {
  if (const QString problem = DocumentReadProblem(name); !problem.isEmpty()) {
    TMessageBox::Information(this, problem);
    return false;
  }
  const QFileInfo file(name);
  const QString path = file.absoluteFilePath();
  CloseChildWindows();
  ProgramData.reset();
  QDir::setCurrent(file.absolutePath());
  fCurDir = file.absolutePath();

  ProgramData = TProgramData::CreateFromFile(path, filter, fTables);
  SetCaption();

  fPlots.ClearLoadedFlags();
  const QString plotFile = RunFilePath(path, QStringLiteral(".tv8p"));
  if (QFileInfo(plotFile).isFile()) fPlots.ShowOutput = LoadResults(plotFile, 0);
  ApplyResultButtons();

  if (fRecent.UpdatePrevFile(path)) WriteSettings();
  ApplyLRFDColumns();
  CloseChild(TChildKind::Block);
  UpdateMenus();
  return true;
}

void TMainForm::OpenDroppedOrRecent(const QString& path) {
  const int filter = TProgramData::FilterForFile(path);
  if (filter != 0) OpenFileName(path, filter);
}

void TMainForm::SaveDocument() {
  if (SaveActionFor(ProgramData->FileName) == TSaveAction::SaveAs) {
    SaveDocumentAs();
    return;
  }
  if (const QString problem = DocumentWriteProblem(ProgramData->FileName); !problem.isEmpty())
    throw EInOutError(problem);
  ProgramData->Save();
}

bool TMainForm::SaveDocumentAs() {
  // Whatever the answer, the results shown belong to no saved file any more and the child
  // windows start afresh.
  struct TAfterSaveAs {
    TMainForm& form;
    ~TAfterSaveAs() {
      form.ClearResults();
      form.CloseChildWindows();
      form.UpdateMenus();
    }
  } after{*this};

  const QString proposed = QDir(fCurDir).filePath(QFileInfo(ProgramData->FileName).fileName());
  const QString chosen = fServices.ChooseSaveFile(
      this, MainText::SaveAsTitle(CaptionName(ProgramData->FileName)), proposed);
  if (chosen.isEmpty()) {
    ffilesaved = false;
    return false;
  }
  if (const QString problem = DocumentWriteProblem(chosen); !problem.isEmpty()) {
    TMessageBox::Information(this, problem);
    ffilesaved = false;
    return false;
  }
  const QFileInfo file(chosen);
  ProgramData->FileName = file.absoluteFilePath();
  fCurDir = file.absolutePath();
  SetCaption();
  ProgramData->Save();
  WriteSettings();
  return true;
}

void TMainForm::FileNewClick() {
  if (!DeactivateActiveChild()) return;
  if (SavePrompt()) NewDocument();
  // Even after a cancelled prompt the results state starts afresh.
  ClearResults();
  ApplyLRFDColumns();
  CloseChild(TChildKind::Block);
  UpdateMenus();
}

void TMainForm::FileOpenClick() {
  if (!DeactivateActiveChild() || !SavePrompt()) return;
  const TOpenChoice choice = fServices.ChooseOpenFile(this, fCurDir);
  if (!choice.Path.isEmpty()) OpenFileName(choice.Path, choice.Filter);
  UpdateMenus();
}

void TMainForm::FileSaveClick() {
  if (!DeactivateActiveChild()) return;
  ReportSaveErrors([this] { SaveDocument(); });
  UpdateMenus();
}

void TMainForm::FileSaveAsClick() {
  if (!DeactivateActiveChild()) return;
  ReportSaveErrors([this] { SaveDocumentAs(); });
  UpdateMenus();
}

void TMainForm::RecentFileClick(int k) {
  if (k < 1 || k > fRecent.NumberPrevFile()) return;
  const QString path = fRecent.PrevFile(k);
  if (!DeactivateActiveChild() || !SavePrompt()) return;
  OpenDroppedOrRecent(path);
}

// --- Units, design method, computation method -------------------------------------------------

void TMainForm::SetUnitsClick(int units) {
  if (ProgramData->Units() != units) MarkChanged();
  ProgramData->SetUnits(units);
  UpdateMenus();
}

void TMainForm::DesignMethodClick(int nlrfd) {
  if (ProgramData->NLRFD != nlrfd) MarkChanged();
  ProgramData->NLRFD = nlrfd;
  ApplyLRFDColumns();
  // An open soil-layer editor shows or hides its factor columns with the table's.
  if (TChildForm* editor = Child(TChildKind::SoilLayers)) editor->FormActivate();
  UpdateMenus();
}

void TMainForm::ShaftLengthClick() {
  if (ProgramData->METHOD != 2) MarkChanged();
  ProgramData->METHOD = 2;
  ShowChild(TChildKind::cPP);
  CloseChild(TChildKind::ncPP);
  UpdateMenus();
}

void TMainForm::DesignLoadClick() {
  if (ProgramData->METHOD != 1) MarkChanged();
  ProgramData->METHOD = 1;
  ShowChild(TChildKind::ncPP);
  CloseChild(TChildKind::cPP);
  UpdateMenus();
}

// --- Run, text editor ------------------------------------------------------------------------

void TMainForm::CompRunClick() {
  TAnalysisRun run(*this, fServices.EngineLibrary);
  run.Execute();
  UpdateMenus();
}

void TMainForm::OpenInWordProcessor(const QString& path) {
  QStringList command = QProcess::splitCommand(fWordProcessor);
  bool started = false;
  if (!command.isEmpty()) {
    const QString program = command.takeFirst();
    started = fServices.StartDetached(program, command << QFileInfo(path).absoluteFilePath());
  }
  if (!started) TMessageBox::Information(this, MainText::WordProcessorFailed());
}

void TMainForm::EditInputClick() {
  if (!DeactivateActiveChild()) return;
  OpenInWordProcessor(ProgramData->FileName);
}

void TMainForm::EditRunNotesClick() {
  if (!DeactivateActiveChild()) return;
  OpenInWordProcessor(RunFilePath(ProgramData->FileName, QStringLiteral(".tv8r")));
}

void TMainForm::EditOutputClick() {
  if (!DeactivateActiveChild()) return;
  OpenInWordProcessor(RunFilePath(ProgramData->FileName, QStringLiteral(".tv8o")));
}

// --- Plots, export, windows, help ------------------------------------------------------------

void TMainForm::GraphicsItemClick(TGraphicsItem item) {
  if (item == G::ChartSeparator) return;
  fPlots.Plot(PlotOf(item)).Show();
}

void TMainForm::ExportPlotsClick() {
  if (fDlgExport) fDlgExport->open();
}

void TMainForm::WindowArrangeIconsClick() {
  // The minimized windows in a row along the bottom of the area.
  int x = 0;
  const int bottom = fMdiArea->viewport()->height();
  for (QMdiSubWindow* window : fMdiArea->subWindowList()) {
    if (!window->isMinimized() || window->isHidden()) continue;
    window->move(x, bottom - window->height());
    x += window->width();
  }
}

void TMainForm::HelpManualClick(const QString& fileName) {
  const QString path = QDir(fServices.ProgramFolder).filePath(fileName);
  if (!QFileInfo(path).isFile()) {
    TMessageBox::Information(this, MainText::ManualMissing(QDir::toNativeSeparators(path)));
    return;
  }
  if (!fServices.OpenUrl(QUrl::fromLocalFile(path)))
    TMessageBox::Information(this, MainText::ManualNotOpened(QDir::toNativeSeparators(path)));
}

void TMainForm::HelpAboutClick() {
  if (fAboutBox) fAboutBox->open();
}
