#pragma once
// The program's frame window: a multiple-document window whose children are the input
// dialogs, the soil-layer editor, the plot windows and the shaft views. It owns the
// document's soil-profile tables and the 26 result plots, the menus and the toolbar, the
// file commands with the save prompt and the recent files, the choice of unit system,
// design method and computation method, the run command, the external text editor, the
// manuals and the program settings.
//
// The rules the window follows live in plain classes that tests drive without it:
// CaptionRule, TRecentFiles, TProgramSettings, CommandLineRule, TSavePrompt, CheckData,
// MenuStates (with GraphicsMenuState of the results), TAnalysisRun.
//
// Where the other windows plug in (one registration each)
// ---------------------------------------------------------
// * Input dialogs, the soil-layer editor and the shaft views are TChildForm subclasses,
//   registered by kind in InstallProgramRooms (ProgramRooms.cpp, part of the program):
//       form.RegisterChild(TChildKind::Title, [&form] { return new TDlgTitle(form); });
//   The window makes at most one child of each kind, on first use, as a child of its
//   multiple-document area, and forgets it when it closes (TChildForm::Closed); the flags
//   TitleExists() ... ncchartExists() tell which exist. A command whose kind has no factory
//   is disabled. Activation calls FormActivate on the new active child and FormDeactivate on
//   the old one (false brings the old one back to the front); before a command (the File,
//   Data, Computation and Help menus opening, New, Open, Save, Save As, Run, the editor
//   commands, closing the window) the active child's FormDeactivate stores its edits and a
//   false result stops the command; a unit change calls UnitsChanged of every open child;
//   the document's OnCloseChildWindows hook closes them all.
//   What the dialogs take from the window: WordProcessor(), LRFDColumnsShown() (and the
//   signal DesignMethodChanged), SetDataChanged(), Tables(), ShowChild()/CloseChild(). A
//   window the program shows from its start (the elevation view) opens on Started().
// * The plot windows: InstallPlotWindows() in TMainForm.cpp gives the 26 plots their window
//   maker (TResultPlots::SetFormFactory) in one line: each plot window a maximized child of
//   the area.
// * The export dialog (TDlgExport): CreateExportDialog() in TMainForm.cpp makes it once at
//   start-up (SetExportDialog); "Export Plots to Excel" shows it modally, enabled while a
//   Graphics command is. GraphicsState() gives the enabled state of the 26 Graphics commands.
// * The 3D view (TChildKind::Block) brings its own commands, the seven toolbar buttons and
//   the "Show 3D View" menu, which show and hide themselves with the view:
//   Install3DViewCommands puts them in their place.
#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "GraphicsMenuState.h"
#include "TAnalysisRun.h"
#include "TChildForm.h"
#include "TMainFormServices.h"
#include "TRecentFiles.h"
#include "TResultPlots.h"
#include "TSoilProfileTables.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The commands of the menus and the toolbar.
enum class TMainCommand {
  FileNew,
  FileOpen,
  FileSave,
  FileSaveAs,
  FileExit,
  DataTitle,
  UnitsEnglish,
  UnitsSI,
  MethodASD,
  MethodLRFD,
  DataDrilledShaft,
  DataSoilLayers,
  DataFactorOfSafety,
  ShaftLength,
  DesignLoad,
  DataWaterTable,
  DataMultipleLengths,
  DataDesignCharts,
  DataControlOptions,
  CompRun,
  EditInput,
  EditRunNotes,
  EditOutput,
  ViewElevation,
  View3D,
  ExportPlots,
  WindowCascade,
  WindowArrangeIcons,
  HelpContents,
  HelpUsersManual,
  HelpTechnicalManual,
  HelpAbout,
  // Toolbar buttons of results, enabled after loading results rather than by a menu.
  ToolViewOutput,
  ToolCombinedUltimate,
  ToolCombinedDesign,
  ToolLoadSettlement,
  ToolTzCurves,
  ToolQwCurves,
};
inline constexpr int kMainCommandCount = static_cast<int>(TMainCommand::ToolQwCurves) + 1;

class TMainForm : public QMainWindow, private TAnalysisRunHost {
  Q_OBJECT

 public:
  using TChildFactory = std::function<TChildForm*()>;

  // `arguments`: the program's arguments without the program (the first names a document
  // to open); `services`: the desktop services, the real ones where left empty.
  explicit TMainForm(const QStringList& arguments = {}, const TMainFormServices& services = {},
                     QWidget* parent = nullptr);
  ~TMainForm() override;

  // --- Child windows ---------------------------------------------------------------------
  void RegisterChild(TChildKind kind, TChildFactory factory);
  bool ChildRegistered(TChildKind kind) const;
  // Makes the child of `kind` when it does not exist and brings it to the front; none when
  // no factory is registered for the kind.
  TChildForm* ShowChild(TChildKind kind);
  // Closes the child of `kind` when it exists (its close query may refuse).
  void CloseChild(TChildKind kind);
  TChildForm* Child(TChildKind kind) const;
  bool ChildExists(TChildKind kind) const { return Child(kind) != nullptr; }
  bool TitleExists() const { return ChildExists(TChildKind::Title); }
  bool DSPExists() const { return ChildExists(TChildKind::DSP); }
  bool OptionsExists() const { return ChildExists(TChildKind::Options); }
  bool ncPPExists() const { return ChildExists(TChildKind::ncPP); }
  bool cPPExists() const { return ChildExists(TChildKind::cPP); }
  bool PIExists() const { return ChildExists(TChildKind::PI); }
  bool SPExists() const { return ChildExists(TChildKind::SP); }
  bool SideExists() const { return ChildExists(TChildKind::Side); }
  bool TZExists() const { return ChildExists(TChildKind::TZ); }
  bool SoilLayersExists() const { return ChildExists(TChildKind::SoilLayers); }
  bool SoilExists() const { return ChildExists(TChildKind::Soil); }
  bool BlockExists() const { return ChildExists(TChildKind::Block); }
  bool ncvaryExists() const { return ChildExists(TChildKind::ncvary); }
  bool ncchartExists() const { return ChildExists(TChildKind::ncchart); }
  // The active child, none when a plot window or nothing is active.
  TChildForm* ActiveChild() const { return fActiveChild; }
  // Before a command: the active child stores its edits. False (the child refused) brings
  // it back to the front; the command must then stop.
  bool DeactivateActiveChild();
  // Closes every child window, the plot windows included.
  void CloseChildWindows();
  QMdiArea* MdiArea() const { return fMdiArea; }

  // --- What the other windows use -------------------------------------------------------
  TSoilProfileTables& Tables() { return fTables; }
  TResultPlots& Plots() { return fPlots; }
  const TResultPlots& Plots() const { return fPlots; }
  // Puts the 3D view's commands in their place: `toolBarButtons` on the toolbar after the
  // result buttons (behind a separator shown while the view exists), `menu` in the menu bar
  // before "Window".
  void Install3DViewCommands(const QList<QAction*>& toolBarButtons, QMenu* menu);
  // The Graphics menu's items as the current results allow them.
  TGraphicsMenuState GraphicsState() const;
  void SetExportDialog(QDialog* dialog);
  QDialog* ExportDialog() const { return fDlgExport; }
  QDialog* AboutBox() const { return fAboutBox; }
  // The external text editor's command (the program, optionally with arguments).
  const QString& WordProcessor() const { return fWordProcessor; }
  void SetWordProcessor(const QString& command) { fWordProcessor = command; }
  // The layer table's LRFD resistance-factor columns are shown (LRFD design).
  bool LRFDColumnsShown() const;
  // Unsaved changes: changes outside the tables or in any table. False clears all flags.
  bool DataChanged() const { return fTables.DataChanged(); }
  void SetDataChanged(bool changed) { fTables.SetDataChanged(changed); }
  const QString& CurDir() const { return fCurDir; }
  bool filesaved() const { return ffilesaved; }
  const TRecentFiles& RecentFiles() const { return fRecent; }
  QAction* Command(TMainCommand command) const;
  QAction* GraphicsCommand(TGraphicsItem item) const;
  QMenu* FileMenu() const { return fFileMenu; }
  QMenu* DataMenu() const { return fDataMenu; }
  QMenu* ComputationMenu() const { return fComputationMenu; }
  QMenu* GraphicsMenu() const { return fGraphicsMenu; }
  QMenu* WindowMenu() const { return fWindowMenu; }
  QMenu* HelpMenu() const { return fHelpMenu; }
  QToolBar* ToolBar() const { return fToolBar; }

  // --- Document commands ------------------------------------------------------------------
  // The save prompt when there are unsaved changes; true when the command may go on.
  bool SavePrompt();
  // Opens a document with the open dialog's filter (1 current, 2 the 2012 layout, 3 the 6.0
  // layout, 4 any file as the 2012 layout). A path that is no readable regular file is
  // refused and the current document stays. True when the document was opened.
  bool OpenFileName(const QString& name, int filter);
  // "Save": in place for a ".tv8d" document, through "Save As" otherwise. Raises
  // EInOutError when writing fails.
  void SaveDocument() override;
  // "Save As": false when the dialog was cancelled. Raises EInOutError when writing fails.
  bool SaveDocumentAs();
  // Applies the state of every menu and of the 3D commands now (each menu also applies its
  // own state when it opens).
  void UpdateMenus();

 signals:
  // The design method was chosen, or a document set it: the LRFD columns' new state.
  void DesignMethodChanged(bool lrfdColumnsShown);
  // The first show is done: the settings are read and the document of the command line is
  // open. Windows the program shows from its start (the elevation view) open from here, as
  // opening a document closes every child window.
  void Started();

 public slots:
  void FileNewClick();
  void FileOpenClick();
  void FileSaveClick();
  void FileSaveAsClick();
  void RecentFileClick(int k);
  void SetUnitsClick(int units);
  void DesignMethodClick(int nlrfd);
  void ShaftLengthClick();
  void DesignLoadClick();
  void CompRunClick();
  void EditInputClick();
  void EditRunNotesClick();
  void EditOutputClick();
  void GraphicsItemClick(TGraphicsItem item);
  void ExportPlotsClick();
  void WindowArrangeIconsClick();
  void HelpManualClick(const QString& fileName);
  void HelpAboutClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Construction.
  void CreateCommands();
  void CreateMenus();
  void CreateToolBar();
  void InstallPlotWindows();
  void CreateExportDialog();
  // The first show: settings, command line, caption, LRFD columns.
  void FormShow();

  // Child windows.
  QMdiSubWindow* SubWindowOf(const TChildForm* form) const;
  void SubWindowActivated(QMdiSubWindow* window);
  // A child that refused to store its edits comes back to the front; `target`: the window
  // whose activation it refused (none for a command).
  void BringBack(TChildForm* child, QMdiSubWindow* target);
  // Once control is back in the event loop: the child, when still the active one, takes the
  // front and its focused entry the keyboard.
  void GiveKeyboardBackLater(TChildForm* child);
  void ChildClosed(TChildKind kind);
  void ShowChildCommand(TChildKind kind);
  void UnitsChangedInChildren();

  // Document state.
  void NewDocument();
  void SetCaption();
  void ApplyLRFDColumns();
  void ClearResults();
  bool LoadResults(const QString& plotFile, int reportErrors);
  void ApplyResultButtons();
  void WriteSettings();
  void MarkChanged();
  void OpenDroppedOrRecent(const QString& path);
  void OpenInWordProcessor(const QString& path);
  // Runs a document command and shows a write error instead of letting it escape.
  bool ReportSaveErrors(const std::function<void()>& command);

  // Menus opening.
  void FileMenuShow();
  void DataMenuShow();
  void ComputationMenuShow();
  void GraphicsMenuShow();
  void WindowMenuShow();
  void MenuOpensCommand(QMenu* menu);
  void Update3DCommands();

  // TAnalysisRunHost.
  QWidget* MessageParent() override { return this; }
  bool StoreActiveChild() override { return DeactivateActiveChild(); }
  bool FileSaved() const override { return ffilesaved; }
  void SetFileSaved(bool saved) override { ffilesaved = saved; }
  QString DocumentFileName() const override;
  bool CheckProfile() override;
  void LoadRunResults() override;
  void SetCurDir(const QString& folder) override { fCurDir = folder; }

  TMainFormServices fServices;
  QStringList fArguments;
  bool fShown = false;

  TSoilProfileTables fTables;
  TResultPlots fPlots;

  // Main-window state.
  bool ffilesaved = true;
  QString fCurDir;
  QString fWordProcessor;
  TRecentFiles fRecent;
  bool fSettingsError = false;

  // Child windows.
  std::array<TChildFactory, kChildKindCount> fFactories;
  std::array<QPointer<TChildForm>, kChildKindCount> fChildren;
  QPointer<TChildForm> fActiveChild;
  bool fRestoringActiveChild = false;
  // The activation change the active child refused last, until the frame has finished it.
  struct TRefusedChange {
    QPointer<TChildForm> Child;
    QPointer<QMdiSubWindow> Target;
  } fRefused;

  // Widgets.
  QMdiArea* fMdiArea = nullptr;
  std::array<QAction*, kMainCommandCount> fCommands{};
  std::array<QAction*, kGraphicsItemCount> fGraphics{};
  std::array<QAction*, TRecentFiles::kCount> fRecentItems{};
  QAction* fRecentSeparator = nullptr;
  static constexpr int kWindowItems = 50;
  std::array<QAction*, kWindowItems> fWindowItems{};
  QAction* fWindowSeparator = nullptr;
  QAction* fToolBar3DSeparator = nullptr;
  QMenu* fFileMenu = nullptr;
  QMenu* fDataMenu = nullptr;
  QMenu* fComputationMenu = nullptr;
  QMenu* fGraphicsMenu = nullptr;
  QMenu* fWindowMenu = nullptr;
  QMenu* fHelpMenu = nullptr;
  QToolBar* fToolBar = nullptr;
  QPointer<QDialog> fAboutBox;
  QPointer<QDialog> fDlgExport;
};
