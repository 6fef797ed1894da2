// The main window: construction, the child windows and their activation, the first show,
// closing and dropped files. The commands are in TMainFormCommands.cpp (menus, toolbar and
// their states) and TMainFormDocument.cpp (what the commands do).
#include "TMainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QUrl>

#include "CommandLineRule.h"
#include "PlotFormFactory.h"
#include "TAboutBox.h"
#include "TDlgExport.h"
#include "TProgramData.h"
#include "TProgramSettings.h"
#include "ToolIcons.h"

namespace {

std::size_t Index(TChildKind kind) { return static_cast<std::size_t>(kind); }

// The first dropped file that is a local file, empty when none.
QString FirstLocalFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

}  // namespace

TMainForm::TMainForm(const QStringList& arguments, const TMainFormServices& services,
                     QWidget* parent)
    : QMainWindow(parent), fServices(services.WithDefaults()), fArguments(arguments) {
  fMdiArea = new QMdiArea(this);
  fMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  fMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(fMdiArea);
  setWindowIcon(ToolIcon(TToolIcon::DrilledShaft));
  connect(fMdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::SubWindowActivated);

  CreateCommands();
  CreateMenus();
  CreateToolBar();

  fTables.OnCloseChildWindows = [this] { CloseChildWindows(); };
  fTables.OnUnitsChanged = [this] { UnitsChangedInChildren(); };

  const TProgramSettings settings = TProgramSettings::ReadAtStart(fServices.ProgramFolder);
  fWordProcessor = settings.WordProcessor;
  fCurDir = settings.Directory;
  fSettingsError = settings.StoreError;

  ProgramData = TProgramData::Create(fTables);
  SetCaption();

  fAboutBox = new TAboutBox(this);
  InstallPlotWindows();
  CreateExportDialog();

  setAcceptDrops(true);
  ClearResults();
  UpdateMenus();
}

TMainForm::~TMainForm() {
  fTables.OnCloseChildWindows = nullptr;
  fTables.OnUnitsChanged = nullptr;
  disconnect(fMdiArea, nullptr, this, nullptr);
  for (TGraphPlot& plot : fPlots.Plots()) plot.Hide();
  // The children may still read the document while they go.
  for (QMdiSubWindow* window : fMdiArea->subWindowList()) delete window;
  ProgramData.reset();
}

// --- Where the other windows plug in ---------------------------------------------------------

// The window maker of the 26 result plots: each window a maximized child of the area.
void TMainForm::InstallPlotWindows() { fPlots.SetFormFactory(MakePlotFormFactory(fMdiArea)); }

// The export dialog, made once and kept for the program's life.
void TMainForm::CreateExportDialog() {
  SetExportDialog(new TDlgExport(
      fPlots, [this] { return GraphicsState(); }, [] { return ProgramData->FileName; }, this));
}

void TMainForm::SetExportDialog(QDialog* dialog) {
  if (fDlgExport && fDlgExport != dialog) delete fDlgExport;
  fDlgExport = dialog;
  if (dialog && dialog->parent() != this) dialog->setParent(this, dialog->windowFlags());
  UpdateMenus();
}

// --- Child windows ---------------------------------------------------------------------------

void TMainForm::RegisterChild(TChildKind kind, TChildFactory factory) {
  fFactories[Index(kind)] = std::move(factory);
  UpdateMenus();
}

bool TMainForm::ChildRegistered(TChildKind kind) const {
  return static_cast<bool>(fFactories[Index(kind)]);
}

TChildForm* TMainForm::Child(TChildKind kind) const { return fChildren[Index(kind)]; }

QMdiSubWindow* TMainForm::SubWindowOf(const TChildForm* form) const {
  if (!form) return nullptr;
  for (QMdiSubWindow* window : fMdiArea->subWindowList())
    if (window->widget() == form) return window;
  return nullptr;
}

TChildForm* TMainForm::ShowChild(TChildKind kind) {
  TChildForm* form = Child(kind);
  if (!form) {
    const TChildFactory& factory = fFactories[Index(kind)];
    if (!factory) return nullptr;
    form = factory();
    if (!form) return nullptr;
    fChildren[Index(kind)] = form;
    connect(form, &TChildForm::Closed, this, &TMainForm::ChildClosed);
    QMdiSubWindow* window = fMdiArea->addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(form->windowTitle());
    if (kind == TChildKind::Block) Update3DCommands();
  }
  QMdiSubWindow* window = SubWindowOf(form);
  if (window->isMinimized())
    window->showNormal();
  else
    window->show();
  fMdiArea->setActiveSubWindow(window);
  return form;
}

void TMainForm::CloseChild(TChildKind kind) {
  if (QMdiSubWindow* window = SubWindowOf(Child(kind))) window->close();
}

void TMainForm::ChildClosed(TChildKind kind) {
  TChildForm* form = fChildren[Index(kind)];
  fChildren[Index(kind)] = nullptr;
  // A child that closed itself (its own Close button) takes its frame with it; when the
  // frame is what closes, this does nothing more.
  if (QMdiSubWindow* window = SubWindowOf(form)) window->close();
  // Its close query stored its edits: it takes no part in the next activation change.
  if (form && fActiveChild == form) fActiveChild = nullptr;
  if (kind == TChildKind::Block) Update3DCommands();
}

void TMainForm::CloseChildWindows() {
  fMdiArea->closeAllSubWindows();
  // A child that refused its close (an entry it cannot store) cannot outlive the document
  // it edits: it goes without storing.
  for (QMdiSubWindow* window : fMdiArea->subWindowList()) {
    if (window->isHidden()) continue;  // closed, on its way out
    if (auto* form = qobject_cast<TChildForm*>(window->widget())) {
      disconnect(form, nullptr, this, nullptr);
      ChildClosed(form->Kind());
      window->hide();
      window->deleteLater();
    }
  }
}

void TMainForm::SubWindowActivated(QMdiSubWindow* window) {
  if (fRestoringActiveChild) return;
  TChildForm* next = window ? qobject_cast<TChildForm*>(window->widget()) : nullptr;
  TChildForm* previous = fActiveChild;
  if (previous == next) return;
  if (previous) {
    // The child refused this very change a moment ago, and nothing has reached it since
    // (the activation the frame finishes after telling the refusal, or the frame coming back
    // to the front when the message box goes): it stays in front without being asked again.
    const bool refusedAlready = fRefused.Child == previous && fRefused.Target == window;
    if (refusedAlready || !previous->FormDeactivate()) {
      BringBack(previous, window);
      return;
    }
  }
  fActiveChild = next;
  if (next) next->FormActivate();
}

bool TMainForm::DeactivateActiveChild() {
  TChildForm* active = fActiveChild;
  if (!active || active->FormDeactivate()) return true;
  BringBack(active, nullptr);
  return false;
}

void TMainForm::BringBack(TChildForm* child, QMdiSubWindow* target) {
  QMdiSubWindow* window = SubWindowOf(child);
  if (!window) return;
  fRestoringActiveChild = true;
  fMdiArea->setActiveSubWindow(window);
  fRestoringActiveChild = false;
  if (!target) return;
  // The refusal was told while the area was activating `target` (a click into it, the
  // frame coming to the front): the rest of that activation runs after this and leaves the
  // keyboard in `target`. Once it has run, the child and its refused entry take the front
  // and the keyboard back, and a later change to `target` asks the child again.
  fRefused = {child, target};
  GiveKeyboardBackLater(child);
}

void TMainForm::GiveKeyboardBackLater(TChildForm* child) {
  QMetaObject::invokeMethod(
      this,
      [this, child = QPointer<TChildForm>(child)] {
        fRefused = {};
        if (!child || fActiveChild != child) return;
        if (QMdiSubWindow* frame = SubWindowOf(child)) {
          fRestoringActiveChild = true;
          fMdiArea->setActiveSubWindow(frame);
          fRestoringActiveChild = false;
        }
        QWidget* entry = child->focusWidget();
        (entry ? entry : child)->setFocus(Qt::OtherFocusReason);
      },
      Qt::QueuedConnection);
}

void TMainForm::UnitsChangedInChildren() {
  for (const QPointer<TChildForm>& child : fChildren)
    if (child) child->UnitsChanged();
}

void TMainForm::ShowChildCommand(TChildKind kind) {
  ShowChild(kind);
  UpdateMenus();
}

// --- Start-up, closing, dropped files --------------------------------------------------------

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (fShown) return;
  fShown = true;
  FormShow();
}

void TMainForm::FormShow() {
  TProgramSettings::ReadWhenShown(fSettingsError, fWordProcessor, fRecent);
  const TStartDocument start = StartDocument(fArguments);
  if (start.Filter != 0) OpenFileName(start.Path, start.Filter);
  SetCaption();
  ApplyLRFDColumns();
  UpdateMenus();
  emit Started();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!DeactivateActiveChild() || !SavePrompt()) {
    event->ignore();
    return;
  }
  WriteSettings();
  CloseChildWindows();
  event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!FirstLocalFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const QString path = FirstLocalFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  if (!DeactivateActiveChild() || !SavePrompt()) return;
  const QString folder = QFileInfo(path).absolutePath();
  QDir::setCurrent(folder);
  fCurDir = folder;
  OpenDroppedOrRecent(path);
}
