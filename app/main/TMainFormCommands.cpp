// The main window's commands: every menu item and toolbar button with its caption, shortcut
// and icon, the menus and the toolbar, and the states the menus take when they open.
#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QToolBar>

#include "DocumentSettings.h"
#include "MainText.h"
#include "MenuStates.h"
#include "TMainForm.h"
#include "TProgramData.h"
#include "ToolIcons.h"

namespace {

using C = TMainCommand;
using G = TGraphicsItem;

struct TCommandEntry {
  TMainCommand id;
  const char* caption;
  const char* toolTip;  // the toolbar button's name; null: the caption
  QKeySequence::StandardKey shortcut;
  int icon;  // a TToolIcon, or -1
};

constexpr int kNoIcon = -1;
constexpr int I(TToolIcon icon) { return static_cast<int>(icon); }
constexpr auto kNoKey = QKeySequence::UnknownKey;

// Captions as the menus show them; the toolbar buttons bear the names of the second column.
const TCommandEntry kCommands[] = {
    {C::FileNew, "&New", "New File", QKeySequence::New, I(TToolIcon::NewFile)},
    {C::FileOpen, "&Open...", "Open File", QKeySequence::Open, I(TToolIcon::OpenFile)},
    {C::FileSave, "&Save", "Save File", QKeySequence::Save, I(TToolIcon::SaveFile)},
    {C::FileSaveAs, "Save &As...", nullptr, kNoKey, kNoIcon},
    {C::FileExit, "E&xit", nullptr, kNoKey, kNoIcon},
    {C::DataTitle, "&Title", "Title", kNoKey, I(TToolIcon::Title)},
    {C::UnitsEnglish, "&English Units (lbs, ft, in)", nullptr, kNoKey, kNoIcon},
    {C::UnitsSI, "&SI Units (kN, m)", nullptr, kNoKey, kNoIcon},
    {C::MethodASD, "ASD (Allowable Stress Design)", nullptr, kNoKey, kNoIcon},
    {C::MethodLRFD, "LRFD (Load Resistance Factor Design)", nullptr, kNoKey, kNoIcon},
    {C::DataDrilledShaft, "&Drilled-Shaft Properties", "Drilled Shaft Properties", kNoKey,
     I(TToolIcon::DrilledShaft)},
    {C::DataSoilLayers, "Soil &Layer Data", "Soil Layer Data", kNoKey, I(TToolIcon::SoilLayers)},
    {C::DataFactorOfSafety, "&Factor of Safety (Allowable Stress Design)",
     "Factor of Safety (ASD)", kNoKey, I(TToolIcon::FactorOfSafety)},
    {C::ShaftLength, "Specify the shaft length", nullptr, kNoKey, kNoIcon},
    {C::DesignLoad, "Specify the design load", nullptr, kNoKey, kNoIcon},
    {C::DataWaterTable, "&Water Table", nullptr, kNoKey, kNoIcon},
    {C::DataMultipleLengths, "Evaluate Multiple Shaft Lengths", nullptr, kNoKey, kNoIcon},
    {C::DataDesignCharts, "ASD/LRFD Design Charts", nullptr, kNoKey, kNoIcon},
    {C::DataControlOptions, "Control &Options...", nullptr, kNoKey, kNoIcon},
    {C::CompRun, "&Run Analysis", "Run Data File", kNoKey, I(TToolIcon::Run)},
    {C::EditInput, "Edit I&nput Text", nullptr, kNoKey, kNoIcon},
    {C::EditRunNotes, "Edit &Processor-Run Notes", nullptr, kNoKey, kNoIcon},
    {C::EditOutput, "Edit &Output Text", nullptr, kNoKey, I(TToolIcon::ViewOutput)},
    {C::ViewElevation, "&View Shaft Elevation", "View Soil Profile", kNoKey,
     I(TToolIcon::Elevation)},
    {C::View3D, "3D View", "3D View", kNoKey, I(TToolIcon::View3D)},
    {C::ExportPlots, "Export Plots to Excel", nullptr, kNoKey, kNoIcon},
    {C::WindowCascade, "&Cascade", nullptr, kNoKey, kNoIcon},
    {C::WindowArrangeIcons, "&Arrange Icons", nullptr, kNoKey, kNoIcon},
    {C::HelpContents, "&Contents", nullptr, kNoKey, kNoIcon},
    {C::HelpUsersManual, "&User's Manual", nullptr, kNoKey, kNoIcon},
    {C::HelpTechnicalManual, "&Technical Manual", nullptr, kNoKey, kNoIcon},
    {C::HelpAbout, "&About...", nullptr, kNoKey, kNoIcon},
    {C::ToolViewOutput, "View Output", "View Output", kNoKey, I(TToolIcon::ViewOutput)},
    {C::ToolCombinedUltimate, "Combined Plot (Ultimate)", "Combined Plot (Ultimate)", kNoKey,
     I(TToolIcon::CombinedUltimate)},
    {C::ToolCombinedDesign, "Combined Plot (LRFD/ASD)", "Combined Plot (LRFD/ASD)", kNoKey,
     I(TToolIcon::CombinedDesign)},
    {C::ToolLoadSettlement, "Load vs. Settlement", "Load vs. Settlement", kNoKey,
     I(TToolIcon::LoadSettlement)},
    {C::ToolTzCurves, "t-z curves", "t-z curves", kNoKey, I(TToolIcon::TzCurves)},
    {C::ToolQwCurves, "Q-w curves", "Q-w curves", kNoKey, I(TToolIcon::QwCurves)},
};
static_assert(std::size(kCommands) == kMainCommandCount, "one entry per command");

struct TGraphicsEntry {
  TGraphicsItem item;
  const char* caption;
  int icon;
};

// The trailing blanks belong to the captions.
const TGraphicsEntry kGraphicsItems[] = {
    {G::mSkin, "Ultimate &Skin Friction vs Depth", kNoIcon},
    {G::mTip, "Ultimate &Tip Resistance vs Depth", kNoIcon},
    {G::mTotal, "Ultimate Total &Capacity vs Depth", kNoIcon},
    {G::mCombine, "C&ombined Plots vs Depth (initial diameter)", I(TToolIcon::CombinedUltimate)},
    {G::fsmSkin, "ASD/LRFD Skin Friction vs Depth ", kNoIcon},
    {G::fsmTip, "ASD/LRFD Tip Resistance vs Depth ", kNoIcon},
    {G::fsmTotal, "ASD/LRFD Total Capacity vs Depth", kNoIcon},
    {G::dCombine, "Combined Plots vs Depth (initial diameter)", I(TToolIcon::CombinedDesign)},
    {G::mAxial, "Axial Load vs Settlement (averaged)", I(TToolIcon::LoadSettlement)},
    {G::AxialLoadvsSettlementupperbound1, "Axial Load vs Settlement (upper bound)", kNoIcon},
    {G::AxialLoadvsSettlementlowerbound1, "Axial Load vs Settlement (lower bound)", kNoIcon},
    {G::CombinedSettlement1, "Combined Plots of Load vs Settlement (initial diameter)", kNoIcon},
    {G::Tzcurvesaveraged, "t-z curves (averaged, initial diameter)", I(TToolIcon::TzCurves)},
    {G::Qwcurvesaveraged, "Q-w curves (averaged)", I(TToolIcon::QwCurves)},
    {G::AddTzcurvesaveraged, "Additional t-z curves (averaged, initial diameter)", kNoIcon},
    {G::mload, "Load Distribution (averaged, initial diameter)", kNoIcon},
    {G::ChartSeparator, "", kNoIcon},
    {G::DesignChart1, "Design Chart 1", kNoIcon},
    {G::DesignChart2, "Design Chart 2", kNoIcon},
    {G::DesignChart3, "Design Chart 3", kNoIcon},
    {G::DesignChart4, "Design Chart 4", kNoIcon},
    {G::DesignChart5, "Design Chart 5", kNoIcon},
    {G::DesignChart6, "Design Chart 6", kNoIcon},
    {G::DesignChart7, "Design Chart 7", kNoIcon},
    {G::DesignChart8, "Design Chart 8", kNoIcon},
    {G::DesignChart9, "Design Chart 9", kNoIcon},
    {G::DesignChart10, "Design Chart 10", kNoIcon},
};
static_assert(std::size(kGraphicsItems) == kGraphicsItemCount, "one entry per Graphics item");

// The Data commands that open a child window, and its kind.
struct TChildCommand {
  TMainCommand command;
  TChildKind kind;
};
const TChildCommand kChildCommands[] = {
    {C::DataTitle, TChildKind::Title},
    {C::DataDrilledShaft, TChildKind::DSP},
    {C::DataSoilLayers, TChildKind::SoilLayers},
    {C::DataFactorOfSafety, TChildKind::SP},
    {C::DataWaterTable, TChildKind::PI},
    {C::DataMultipleLengths, TChildKind::ncvary},
    {C::DataDesignCharts, TChildKind::ncchart},
    {C::DataControlOptions, TChildKind::Options},
    {C::ViewElevation, TChildKind::Side},
    {C::View3D, TChildKind::Block},
};

// `caption` with the accelerator of `model` kept, when the new caption has the same letter
// at the same place: "C&ombined Plots vs Depth (initial diameter)" gives its "&" to
// "Combined Plots vs Depth (Initial Diameter)".
QString KeepAccelerator(const QString& caption, const QString& model) {
  const qsizetype amp = model.indexOf(QLatin1Char('&'));
  if (amp < 0 || amp + 1 >= model.size()) return caption;
  if (amp < caption.size() && caption[amp] == model[amp + 1])
    return caption.left(amp) + QLatin1Char('&') + caption.mid(amp);
  return caption;
}

}  // namespace

QAction* TMainForm::Command(TMainCommand command) const {
  return fCommands[static_cast<std::size_t>(command)];
}

QAction* TMainForm::GraphicsCommand(TGraphicsItem item) const {
  return fGraphics[static_cast<std::size_t>(item)];
}

void TMainForm::CreateCommands() {
  for (const TCommandEntry& entry : kCommands) {
    auto* action = new QAction(QString::fromUtf8(entry.caption), this);
    if (entry.toolTip) action->setToolTip(QString::fromUtf8(entry.toolTip));
    if (entry.shortcut != kNoKey) action->setShortcut(QKeySequence(entry.shortcut));
    if (entry.icon != kNoIcon) action->setIcon(ToolIcon(static_cast<TToolIcon>(entry.icon)));
    fCommands[static_cast<std::size_t>(entry.id)] = action;
  }
  auto on = [this](TMainCommand command, auto slot) {
    connect(Command(command), &QAction::triggered, this, slot);
  };
  on(C::FileNew, [this] { FileNewClick(); });
  on(C::FileOpen, [this] { FileOpenClick(); });
  on(C::FileSave, [this] { FileSaveClick(); });
  on(C::FileSaveAs, [this] { FileSaveAsClick(); });
  on(C::FileExit, [this] { close(); });
  on(C::UnitsEnglish, [this] { SetUnitsClick(1); });
  on(C::UnitsSI, [this] { SetUnitsClick(2); });
  on(C::MethodLRFD, [this] { DesignMethodClick(1); });
  on(C::MethodASD, [this] { DesignMethodClick(2); });
  on(C::ShaftLength, [this] { ShaftLengthClick(); });
  on(C::DesignLoad, [this] { DesignLoadClick(); });
  for (const TChildCommand& child : kChildCommands) {
    const TChildKind kind = child.kind;
    on(child.command, [this, kind] { ShowChildCommand(kind); });
  }
  on(C::CompRun, [this] { CompRunClick(); });
  on(C::EditInput, [this] { EditInputClick(); });
  on(C::EditRunNotes, [this] { EditRunNotesClick(); });
  on(C::EditOutput, [this] { EditOutputClick(); });
  on(C::ToolViewOutput, [this] { EditOutputClick(); });
  on(C::ExportPlots, [this] { ExportPlotsClick(); });
  on(C::WindowCascade, [this] { fMdiArea->cascadeSubWindows(); });
  on(C::WindowArrangeIcons, [this] { WindowArrangeIconsClick(); });
  on(C::HelpContents, [this] { HelpManualClick(QString::fromLatin1(MainText::kHelpContents)); });
  on(C::HelpUsersManual, [this] { HelpManualClick(QString::fromLatin1(MainText::kUsersManual)); });
  on(C::HelpTechnicalManual,
     [this] { HelpManualClick(QString::fromLatin1(MainText::kTechnicalManual)); });
  on(C::HelpAbout, [this] { HelpAboutClick(); });
  on(C::ToolCombinedUltimate, [this] { GraphicsItemClick(G::mCombine); });
  on(C::ToolCombinedDesign, [this] { GraphicsItemClick(G::dCombine); });
  on(C::ToolLoadSettlement, [this] { GraphicsItemClick(G::mAxial); });
  on(C::ToolTzCurves, [this] { GraphicsItemClick(G::Tzcurvesaveraged); });
  on(C::ToolQwCurves, [this] { GraphicsItemClick(G::Qwcurvesaveraged); });

  // Unit system and design method: one of each pair carries the check mark.
  for (auto pair : {std::pair{C::UnitsEnglish, C::UnitsSI}, std::pair{C::MethodASD, C::MethodLRFD}}) {
    auto* group = new QActionGroup(this);
    for (TMainCommand command : {pair.first, pair.second}) {
      Command(command)->setCheckable(true);
      group->addAction(Command(command));
    }
  }
  for (TMainCommand command : {C::ShaftLength, C::DesignLoad, C::DataMultipleLengths, C::DataDesignCharts})
    Command(command)->setCheckable(true);
  Command(C::HelpContents)->setVisible(false);

  for (const TGraphicsEntry& entry : kGraphicsItems) {
    auto* action = new QAction(QString::fromUtf8(entry.caption), this);
    if (entry.item == G::ChartSeparator) action->setSeparator(true);
    if (entry.icon != kNoIcon) action->setIcon(ToolIcon(static_cast<TToolIcon>(entry.icon)));
    const TGraphicsItem item = entry.item;
    if (!action->isSeparator())
      connect(action, &QAction::triggered, this, [this, item] { GraphicsItemClick(item); });
    fGraphics[static_cast<std::size_t>(entry.item)] = action;
  }
}

void TMainForm::CreateMenus() {
  QMenuBar* bar = menuBar();

  fFileMenu = bar->addMenu(QStringLiteral("&File"));
  fFileMenu->addActions({Command(C::FileNew), Command(C::FileOpen), Command(C::FileSave),
                         Command(C::FileSaveAs)});
  fFileMenu->addSeparator();
  for (int k = 1; k <= TRecentFiles::kCount; ++k) {
    QAction* item = fFileMenu->addAction(QString());
    item->setVisible(false);
    connect(item, &QAction::triggered, this, [this, k] { RecentFileClick(k); });
    fRecentItems[static_cast<std::size_t>(k - 1)] = item;
  }
  fRecentSeparator = fFileMenu->addSeparator();
  fFileMenu->addAction(Command(C::FileExit));

  // The unit system and the design method come first: they decide what every dialog shows.
  fDataMenu = bar->addMenu(QStringLiteral("&Data"));
  fDataMenu->addAction(Command(C::DataTitle));
  fDataMenu->addSeparator();
  fDataMenu->addActions({Command(C::UnitsEnglish), Command(C::UnitsSI)});
  fDataMenu->addSeparator();
  fDataMenu->addActions({Command(C::MethodASD), Command(C::MethodLRFD)});
  fDataMenu->addSeparator();
  fDataMenu->addActions({Command(C::DataDrilledShaft), Command(C::DataSoilLayers),
                         Command(C::DataFactorOfSafety)});
  fDataMenu->addSeparator();
  fDataMenu->addActions({Command(C::ShaftLength), Command(C::DesignLoad)});
  fDataMenu->addSeparator();
  fDataMenu->addActions({Command(C::DataWaterTable), Command(C::DataMultipleLengths),
                         Command(C::DataDesignCharts)});
  fDataMenu->addSeparator();
  fDataMenu->addAction(Command(C::DataControlOptions));

  fComputationMenu = bar->addMenu(QStringLiteral("&Computation"));
  fComputationMenu->addAction(Command(C::CompRun));
  fComputationMenu->addSeparator();
  fComputationMenu->addActions(
      {Command(C::EditInput), Command(C::EditRunNotes), Command(C::EditOutput)});
  fComputationMenu->addSeparator();
  fComputationMenu->addActions({Command(C::ViewElevation), Command(C::View3D)});

  fGraphicsMenu = bar->addMenu(QStringLiteral("&Graphics"));
  for (TGraphicsItem item : {G::mSkin, G::mTip, G::mTotal, G::mCombine}) fGraphicsMenu->addAction(GraphicsCommand(item));
  fGraphicsMenu->addSeparator();
  for (TGraphicsItem item : {G::fsmSkin, G::fsmTip, G::fsmTotal, G::dCombine}) fGraphicsMenu->addAction(GraphicsCommand(item));
  fGraphicsMenu->addSeparator();
  for (TGraphicsItem item : {G::mAxial, G::AxialLoadvsSettlementupperbound1,
                             G::AxialLoadvsSettlementlowerbound1, G::CombinedSettlement1})
    fGraphicsMenu->addAction(GraphicsCommand(item));
  fGraphicsMenu->addSeparator();
  for (TGraphicsItem item : {G::Tzcurvesaveraged, G::Qwcurvesaveraged, G::AddTzcurvesaveraged, G::mload})
    fGraphicsMenu->addAction(GraphicsCommand(item));
  fGraphicsMenu->addAction(GraphicsCommand(G::ChartSeparator));
  for (int k = 1; k <= TResultPlots::kChartCount; ++k)
    fGraphicsMenu->addAction(GraphicsCommand(TGraphicsMenuState::DesignChart(k)));
  fGraphicsMenu->addSeparator();
  fGraphicsMenu->addAction(Command(C::ExportPlots));

  fWindowMenu = bar->addMenu(QStringLiteral("&Window"));
  fWindowMenu->addActions({Command(C::WindowCascade), Command(C::WindowArrangeIcons)});
  fWindowSeparator = fWindowMenu->addSeparator();
  for (std::size_t i = 0; i < fWindowItems.size(); ++i) {
    QAction* item = fWindowMenu->addAction(QString());
    item->setCheckable(true);
    item->setVisible(false);
    fWindowItems[i] = item;
  }

  fHelpMenu = bar->addMenu(QStringLiteral("&Help"));
  fHelpMenu->addActions({Command(C::HelpContents), Command(C::HelpUsersManual),
                         Command(C::HelpTechnicalManual)});
  fHelpMenu->addSeparator();
  fHelpMenu->addAction(Command(C::HelpAbout));

  connect(fFileMenu, &QMenu::aboutToShow, this, [this] {
    MenuOpensCommand(fFileMenu);
    FileMenuShow();
  });
  connect(fDataMenu, &QMenu::aboutToShow, this, [this] {
    MenuOpensCommand(fDataMenu);
    DataMenuShow();
  });
  connect(fComputationMenu, &QMenu::aboutToShow, this, [this] {
    MenuOpensCommand(fComputationMenu);
    ComputationMenuShow();
  });
  connect(fGraphicsMenu, &QMenu::aboutToShow, this, [this] { GraphicsMenuShow(); });
  connect(fWindowMenu, &QMenu::aboutToShow, this, [this] { WindowMenuShow(); });
  connect(fHelpMenu, &QMenu::aboutToShow, this, [this] { MenuOpensCommand(fHelpMenu); });
}

void TMainForm::CreateToolBar() {
  fToolBar = addToolBar(QStringLiteral("Commands"));
  fToolBar->setObjectName(QStringLiteral("commands"));
  fToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  fToolBar->addActions({Command(C::FileNew), Command(C::FileOpen), Command(C::FileSave)});
  fToolBar->addSeparator();
  fToolBar->addActions({Command(C::DataTitle), Command(C::DataDrilledShaft),
                        Command(C::DataSoilLayers), Command(C::DataFactorOfSafety)});
  fToolBar->addSeparator();
  fToolBar->addActions({Command(C::CompRun), Command(C::ToolViewOutput)});
  fToolBar->addSeparator();
  fToolBar->addActions({Command(C::ViewElevation), Command(C::View3D)});
  fToolBar->addSeparator();
  fToolBar->addActions({Command(C::ToolCombinedUltimate), Command(C::ToolCombinedDesign),
                        Command(C::ToolLoadSettlement), Command(C::ToolTzCurves),
                        Command(C::ToolQwCurves)});
  fToolBar3DSeparator = fToolBar->addSeparator();
}

// --- Menu states -----------------------------------------------------------------------------

void TMainForm::MenuOpensCommand(QMenu* menu) {
  if (DeactivateActiveChild()) return;
  // The active child keeps an entry it cannot store: the menu does not open, and the
  // keyboard goes back to that entry rather than staying with the menu bar.
  QMetaObject::invokeMethod(menu, &QMenu::close, Qt::QueuedConnection);
  GiveKeyboardBackLater(fActiveChild);
}

void TMainForm::FileMenuShow() {
  for (int k = 1; k <= TRecentFiles::kCount; ++k) {
    QAction* item = fRecentItems[static_cast<std::size_t>(k - 1)];
    const bool used = k <= fRecent.NumberPrevFile();
    item->setVisible(used);
    item->setText(used ? fRecent.MenuText(k, fCurDir) : QString());
  }
  fRecentSeparator->setVisible(fRecent.SeparatorVisible());
}

void TMainForm::DataMenuShow() {
  const TDataMenuState state = DataMenuState(*ProgramData);
  for (const TChildCommand& child : kChildCommands)
    Command(child.command)->setEnabled(ChildRegistered(child.kind));
  Command(C::UnitsEnglish)->setChecked(state.EnglishChecked);
  Command(C::UnitsSI)->setChecked(state.SIChecked);
  Command(C::MethodASD)->setChecked(state.ASDChecked);
  Command(C::MethodLRFD)->setChecked(state.LRFDChecked);
  Command(C::DataFactorOfSafety)
      ->setEnabled(state.FactorOfSafetyEnabled && ChildRegistered(TChildKind::SP));
  Command(C::ShaftLength)->setChecked(state.ShaftLengthChecked);
  Command(C::DesignLoad)->setChecked(state.DesignLoadChecked);
  Command(C::DataMultipleLengths)->setChecked(state.MultipleLengthsChecked);
  Command(C::DataMultipleLengths)
      ->setEnabled(state.MultipleLengthsEnabled && ChildRegistered(TChildKind::ncvary));
  Command(C::DataDesignCharts)->setChecked(state.DesignChartsChecked);
  Command(C::DataDesignCharts)
      ->setEnabled(state.DesignChartsEnabled && ChildRegistered(TChildKind::ncchart));
}

void TMainForm::ComputationMenuShow() {
  const TComputationMenuState state = ComputationMenuState(ProgramData->FileName);
  Command(C::EditInput)->setEnabled(state.EditInputEnabled);
  Command(C::EditRunNotes)->setEnabled(state.EditRunNotesEnabled);
  Command(C::EditOutput)->setEnabled(state.EditOutputEnabled);
}

TGraphicsMenuState TMainForm::GraphicsState() const {
  const bool plotFileExists =
      QFileInfo(RunFilePath(ProgramData->FileName, QStringLiteral(".tv8p"))).isFile();
  return GraphicsMenuState(SettingsFrom(*ProgramData), fPlots, plotFileExists);
}

void TMainForm::GraphicsMenuShow() {
  const TGraphicsMenuState state = GraphicsState();
  bool anyEnabled = false;
  for (const TGraphicsEntry& entry : kGraphicsItems) {
    QAction* action = GraphicsCommand(entry.item);
    const TGraphicsItemState& item = state[entry.item];
    action->setEnabled(item.Enabled);
    action->setVisible(item.Visible);
    if (!action->isSeparator())
      action->setText(item.Caption.isEmpty()
                          ? QString::fromUtf8(entry.caption)
                          : KeepAccelerator(item.Caption, QString::fromUtf8(entry.caption)));
    anyEnabled = anyEnabled || (item.Enabled && !action->isSeparator());
  }
  Command(C::ExportPlots)->setEnabled(anyEnabled && fDlgExport);
}

void TMainForm::WindowMenuShow() {
  const QList<QMdiSubWindow*> windows = fMdiArea->subWindowList();
  QMdiSubWindow* active = fMdiArea->currentSubWindow();
  int shown = 0;
  for (std::size_t i = 0; i < fWindowItems.size(); ++i) {
    QAction* item = fWindowItems[i];
    item->disconnect(this);
    QMdiSubWindow* window = i < std::size_t(windows.size()) ? windows[qsizetype(i)] : nullptr;
    item->setVisible(window != nullptr);
    if (!window) continue;
    ++shown;
    QString title = window->windowTitle();
    title.replace(QLatin1Char('&'), QLatin1String("&&"));
    item->setText((i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QStringLiteral("%1 ").arg(i + 1)) +
                  title);
    item->setChecked(window == active);
    connect(item, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(window)] {
      if (!window) return;
      if (window->isMinimized()) window->showNormal();
      fMdiArea->setActiveSubWindow(window);
    });
  }
  fWindowSeparator->setVisible(shown > 0);
}

void TMainForm::Install3DViewCommands(const QList<QAction*>& toolBarButtons, QMenu* menu) {
  fToolBar->addActions(toolBarButtons);
  if (menu) menuBar()->insertMenu(fWindowMenu->menuAction(), menu);
  Update3DCommands();
}

void TMainForm::Update3DCommands() { fToolBar3DSeparator->setVisible(BlockExists()); }

void TMainForm::UpdateMenus() {
  if (!ProgramData) return;
  DataMenuShow();
  ComputationMenuShow();
  GraphicsMenuShow();
  FileMenuShow();
  Update3DCommands();
}
