#include "TPlotForm.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

#include "DrawPlot.h"
#include "PlotMessages.h"
#include "TDrawArea.h"
#include "TGraphPlot.h"
#include "TMessageBox.h"
#include "TPlotCanvas.h"
#include "TPlotDialogs.h"
#include "TPlotLegendList.h"
#include "TdlgFormat.h"
#include "TfrmActiveLines.h"
#include "TfrmGraphCaption.h"
#include "TfrmLineNames.h"

// Counts a dialog the window runs; a window let go of meanwhile is freed when the last one
// ends, from the event loop, after the command has returned.
class TNestedDialog {
 public:
  explicit TNestedDialog(TPlotForm& form) : fForm(form) { ++fForm.fBusy; }
  ~TNestedDialog() {
    if (--fForm.fBusy == 0 && fForm.fFrameToFree) fForm.fFrameToFree->deleteLater();
  }
  TNestedDialog(const TNestedDialog&) = delete;
  TNestedDialog& operator=(const TNestedDialog&) = delete;

 private:
  TPlotForm& fForm;
};

namespace {

struct MenuChoice {
  const char* text;  // nullptr: a separator
  int value;
};

constexpr MenuChoice kMarkerChoices[] = {{"&Never", 0},
                                         {nullptr, 0},
                                         {"Every &Increment", 1},
                                         {"Every &2 Increments", 2},
                                         {"Every &3 Incrments", 3},
                                         {"Every &5 Increments", 5},
                                         {"Every &10 Incements", 10}};
constexpr MenuChoice kFontSizeChoices[] = {{"&Default", 10},     {nullptr, 0},
                                           {"1.5 * Default", 15}, {"2 * Default", 20},
                                           {"2.5 * Default", 25}, {"3 * Default", 30},
                                           {"4 * Default", 40}};
constexpr MenuChoice kLineWidthChoices[] = {{"&Default", 1},      {nullptr, 0},
                                            {"2 * Default", 2},   {"4 * Default", 4},
                                            {"6 * Default", 6},   {"10 * Default", 10}};

int ScreenPixelsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchX())) : 96;
}

QFont LegendListFont(int points) {
  QFont font = PlotFont(1, false);
  font.setPointSize(std::max(1, points));
  return font;
}

// A line name as a menu caption: an ampersand in the name is shown, not taken as accelerator.
QString MenuCaption(const QString& name) {
  QString caption = name;
  return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString PictureFormat(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("png")) return QStringLiteral("PNG");
  if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return QStringLiteral("JPG");
  return QStringLiteral("BMP");
}

}  // namespace

TPlotForm::TPlotForm(TGraphPlot& plot, QWidget* parent)
    : QWidget(parent),
      fState(plot, ScreenPixelsPerInch(), [](const QString& text, int points) {
        return QFontMetrics(LegendListFont(points)).horizontalAdvance(text);
      }) {
  setWindowTitle(TPlotFormState::InitialTitle());
  setAttribute(Qt::WA_DeleteOnClose, false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  fMenuBar = new QMenuBar(this);
  layout->setMenuBar(fMenuBar);
  fCanvas = new TPlotCanvas(*this, this);
  layout->addWidget(fCanvas);
  fLegendList = new TPlotLegendList(*this, fCanvas);
  BuildMenu();
  RebuildLineItems();
  PlotMenuPopup();
  SyncLegend();
  resize(800, 600);
}

TPlotForm::~TPlotForm() {
  // Destroyed by someone else than the plot: the plot must forget the window.
  if (!fOrphaned && fDestroyed) {
    fOrphaned = true;
    std::exchange(fDestroyed, {})();
  }
}

void TPlotForm::Orphan(QWidget* frame) {
  fOrphaned = true;
  fDestroyed = {};
  if (!frame) return;
  frame->hide();
  if (fBusy > 0)
    fFrameToFree = frame;
  else if (fClosing)
    frame->deleteLater();
  else
    delete frame;
}

void TPlotForm::closeEvent(QCloseEvent* event) {
  event->accept();
  if (fOrphaned) return;
  fClosing = true;
  Data().Hide();
}

// ---- Menu -------------------------------------------------------------------------------

void TPlotForm::BuildMenu() {
  fPlotMenu = fMenuBar->addMenu(QStringLiteral("&Plot"));
  connect(fPlotMenu, &QMenu::aboutToShow, this, [this] { PlotMenuPopup(); });

  // Ctrl+Z opens the Plot menu from anywhere in the window.
  auto* openMenu = new QAction(this);
  openMenu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  openMenu->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(openMenu, &QAction::triggered, this,
          [this] { fMenuBar->setActiveAction(fPlotMenu->menuAction()); });
  addAction(openMenu);

  fShowLegend = fPlotMenu->addAction(QStringLiteral("Show &Legend"), this, [this] { ShowLegendClick(); });
  fShowLegend->setCheckable(true);
  fShowSoilLayer =
      fPlotMenu->addAction(QStringLiteral("Show &Soil Layer"), this, [this] { ShowSoilLayerClick(); });
  fShowSoilLayer->setCheckable(true);

  auto addChoices = [this](const QString& title, const auto& choices, auto handler,
                           QActionGroup* group) {
    QMenu* menu = fPlotMenu->addMenu(title);
    for (const MenuChoice& c : choices) {
      if (!c.text) {
        menu->addSeparator();
        continue;
      }
      const int value = c.value;
      QAction* a = menu->addAction(QString::fromLatin1(c.text), this, [this, handler, value] {
        (this->*handler)(value);
      });
      a->setData(value);
      if (group) {
        a->setCheckable(true);
        group->addAction(a);
      }
    }
    return menu;
  };
  fMarkersGroup = new QActionGroup(this);
  fMarkersGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  fMarkersMenu = addChoices(QStringLiteral("Show &Markers"), kMarkerChoices, &TPlotForm::MarkersClick,
                            fMarkersGroup);
  fFontSizeMenu = addChoices(QStringLiteral("&Font Size"), kFontSizeChoices, &TPlotForm::FontSizeClick,
                             nullptr);
  fLineWidthMenu = addChoices(QStringLiteral("&Line Width"), kLineWidthChoices,
                              &TPlotForm::LineWidthClick, nullptr);

  fGraphTitle = fPlotMenu->addAction(QStringLiteral("&Graph Title"), this, [this] { GraphTitleClick(); });
  fEditLegend = fPlotMenu->addAction(QStringLiteral("&Edit Legend"), this, [this] { EditLegendClick(); });
  fActiveCurves =
      fPlotMenu->addAction(QStringLiteral("&Active Curves"), this, [this] { ActiveCurvesClick(); });
  fPlotMenu->addSeparator();
  // A PDF file can always be printed, so printing and page setup need no installed printer.
  fPrint = fPlotMenu->addAction(QStringLiteral("&Print..."), this, [this] { PrintClick(); });
  fPageSetup = fPlotMenu->addAction(QStringLiteral("P&age Setup"), this, [this] { PageSetupClick(); });
  fSaveToDisk =
      fPlotMenu->addAction(QStringLiteral("&Save To Disk..."), this, [this] { SaveToDiskClick(); });
  fLineSeparator = fPlotMenu->addSeparator();
}

void TPlotForm::RebuildLineItems() {
  const TPlotLegend& legend = fState.Legend();
  // Entries of lines the plot still has (it may have been loaded again with fewer lines).
  int entries = 0;
  while (entries < legend.Count() && legend.LineOf(entries) < Data().LineCount()) ++entries;
  while (fLineItems.size() > entries) delete fLineItems.takeLast();
  for (int j = 0; j < entries; ++j) {
    const int line = legend.LineOf(j);
    QAction* item = nullptr;
    if (j < fLineItems.size()) {
      item = fLineItems[j];
      item->disconnect(this);
    } else {
      item = fPlotMenu->addAction(QString());
      item->setCheckable(true);
      fLineItems << item;
    }
    item->setText(MenuCaption(Data().Lines(line).LineName()));
    item->setData(line);
    item->setChecked(Data().Lines(line).Visible());
    connect(item, &QAction::triggered, this, [this, line] { ToggleLine(line); });
  }
}

void TPlotForm::PlotMenuPopup() {
  if (fOrphaned) return;
  const TGraphPlot& plot = Data();
  fShowLegend->setChecked(plot.ShowLegend());
  fShowSoilLayer->setChecked(plot.ShowLayers());
  fShowSoilLayer->setVisible(plot.LayerLineCount() > 0);
  bool markerChecked = false;
  for (QAction* a : fMarkersGroup->actions()) {
    const bool on = a->data().toInt() == plot.Markers();
    a->setChecked(on);
    markerChecked = markerChecked || on;
  }
  if (!markerChecked && fMarkersGroup->checkedAction()) fMarkersGroup->checkedAction()->setChecked(false);
  fFontSizeMenu->menuAction()->setVisible(plot.ShowFontWidth());
  fLineWidthMenu->menuAction()->setVisible(plot.ShowFontWidth());
  for (QAction* item : fLineItems) {
    const int line = item->data().toInt();
    if (line >= 0 && line < plot.LineCount()) item->setChecked(plot.Lines(line).Visible());
  }
}

// ---- Commands ---------------------------------------------------------------------------

void TPlotForm::Changed() {
  fCanvas->Invalidate();
  fLegendList->update();
}

void TPlotForm::SyncLegend() {
  fLegendList->setFont(LegendFont());
  fLegendList->setGeometry(fState.LegendBox());
  fLegendList->setVisible(fState.LegendVisible());
  fLegendList->update();
}

QFont TPlotForm::LegendFont() const { return LegendListFont(fState.LegendFontPoints()); }

void TPlotForm::ShowLegendClick() {
  fState.ToggleShowLegend();
  SyncLegend();
  PlotMenuPopup();
}

void TPlotForm::ShowSoilLayerClick() {
  fState.ToggleShowLayers();
  SyncLegend();
  PlotMenuPopup();
  Changed();
}

void TPlotForm::MarkersClick(int every) {
  fState.SetMarkers(every);
  PlotMenuPopup();
  Changed();
}

void TPlotForm::FontSizeClick(int scale) {
  fState.SetFontSize(scale);
  SyncLegend();
  Changed();
}

void TPlotForm::LineWidthClick(int width) {
  fState.SetLineWidth(width);
  Changed();
}

void TPlotForm::ToggleLine(int line) {
  fState.ToggleLine(line);
  PlotMenuPopup();
  Changed();
}

void TPlotForm::GraphTitleClick() {
  TNestedDialog nested(*this);
  TfrmGraphCaption dialog(Data().UserCaption(), Data().UserCaptionOnTop(), this);
  dialog.exec();
  if (fOrphaned) return;
  // Taken however the dialog was closed.
  fState.SetGraphCaption(dialog.Caption(), dialog.OnTop());
  SyncLegend();
  Changed();
}

void TPlotForm::EditLegendClick() {
  TNestedDialog nested(*this);
  QStringList names;
  for (int i = 0; i < Data().LineCount(); ++i) names << Data().Lines(i).LineName();
  TfrmLineNames dialog(names, this);
  if (dialog.exec() != QDialog::Accepted || fOrphaned) return;
  fState.SetLineNames(dialog.Names());
  RebuildLineItems();
  SyncLegend();
  Changed();
}

void TPlotForm::ActiveCurvesClick() {
  TNestedDialog nested(*this);
  QStringList names;
  std::vector<bool> active;
  for (int i = 0; i < Data().LineCount(); ++i) {
    names << Data().Lines(i).LineName();
    active.push_back(Data().Lines(i).Active());
  }
  TfrmActiveLines dialog(names, active, this);
  if (dialog.exec() != QDialog::Accepted || fOrphaned) return;
  fState.SetActiveLines(dialog.Active());
  RebuildLineItems();
  PlotMenuPopup();
  SyncLegend();
  Changed();
}

// ---- Printing ---------------------------------------------------------------------------

QPrinter& TPlotForm::Printer() {
  if (!fPrinter) fPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *fPrinter;
}

void TPlotForm::MarginsToPrinter(QPrinter& printer) const {
  printer.setFullPage(false);
  printer.setPageMargins(QMarginsF(fMargins.Left / 1000.0, fMargins.Top / 1000.0,
                                   fMargins.Right / 1000.0, fMargins.Bottom / 1000.0),
                         QPageLayout::Inch);
}

void TPlotForm::MarginsFromPrinter(const QPrinter& printer) {
  const QMarginsF m = printer.pageLayout().margins(QPageLayout::Inch);
  auto thousandths = [](qreal inches) { return static_cast<int>(std::lround(inches * 1000)); };
  fMargins = {thousandths(m.left()), thousandths(m.top()), thousandths(m.right()),
              thousandths(m.bottom())};
}

void TPlotForm::PrintClick() {
  TNestedDialog nested(*this);
  QPrinter& printer = Printer();
  printer.setDocName(Data().Caption());
  MarginsToPrinter(printer);
  const bool accepted = TPlotDialogs::ChoosePrinter(printer, this);
  if (fOrphaned) return;
  if (accepted) {
    MarginsFromPrinter(printer);
    PrintTo(printer);
  }
  fCanvas->Invalidate();
}

void TPlotForm::PageSetupClick() {
  TNestedDialog nested(*this);
  QPrinter& printer = Printer();
  MarginsToPrinter(printer);
  const bool accepted = TPlotDialogs::SetupPage(printer, this);
  if (fOrphaned) return;
  if (accepted) MarginsFromPrinter(printer);
}

bool TPlotForm::PrintTo(QPrinter& printer) {
  printer.setDocName(Data().Caption());
  // The page is painted from the corner of its printable area; the margins are kept off the
  // unprintable border by the page geometry.
  const QPageLayout saved = printer.pageLayout();
  const bool savedFullPage = printer.fullPage();
  printer.setFullPage(false);
  printer.setPageMargins(saved.minimumMargins(), saved.units());
  const int resX = printer.logicalDpiX();
  const int resY = printer.logicalDpiY();
  const QPageLayout layout = printer.pageLayout();
  const QRect full = layout.fullRectPixels(resX);
  const QRect printable = layout.paintRectPixels(resX);
  TPageMetrics page;
  page.Resolution = {resX, resY};
  page.Offset = printable.topLeft() - full.topLeft();
  page.PageSize = printable.size();
  TDrawArea area = PrintDrawArea(Data(), page, fMargins, WindowFontPixels(resY));

  QPainter painter;
  const bool started = painter.begin(&printer);
  if (started) {
    area.Canvas = &painter;
    DrawPlot(fState.Picture(), area);
    painter.end();
  }
  printer.setPageLayout(saved);
  printer.setFullPage(savedFullPage);
  if (!started) TMessageBox::Information(this, PlotText::CannotPrint());
  return started;
}

// ---- Saving -----------------------------------------------------------------------------

void TPlotForm::SaveToDiskClick() {
  TNestedDialog nested(*this);
  QString fileName = TPlotDialogs::ChooseSaveFile(this);
  if (fOrphaned || fileName.isEmpty()) return;
  if (QFileInfo(fileName).suffix().isEmpty()) fileName += QStringLiteral(".bmp");
  TdlgFormat dialog(this);
  dialog.exec();
  if (fOrphaned) return;
  switch (dialog.Outcome()) {
    case TdlgFormat::TOutcome::Cancelled:
      return;
    case TdlgFormat::TOutcome::Aborted:
      TMessageBox::Information(this, PlotText::NotEnoughMemory());
      return;
    case TdlgFormat::TOutcome::Accepted:
      break;
  }
  QImage bitmap = dialog.TakeBitmap();
  PaintPicture(bitmap, dialog.PixelsPerInch());
  WritePicture(bitmap, fileName);
}

void TPlotForm::PaintPicture(QImage& bitmap, int pixelsPerInch) const {
  const int dotsPerMeter = static_cast<int>(std::lround(pixelsPerInch / 0.0254));
  bitmap.setDotsPerMeterX(dotsPerMeter);
  bitmap.setDotsPerMeterY(dotsPerMeter);
  TDrawArea area = BitmapDrawArea(fState.Plot(), bitmap.size(),
                                  QPoint(fCanvas->logicalDpiX(), fCanvas->logicalDpiY()),
                                  WindowFontPixels(pixelsPerInch));
  QPainter painter(&bitmap);
  area.Canvas = &painter;
  DrawPlot(fState.Picture(), area);
}

bool TPlotForm::WritePicture(const QImage& bitmap, const QString& fileName) {
  QImageWriter writer(fileName, PictureFormat(fileName).toLatin1());
  if (writer.format() == "JPG") writer.setQuality(92);
  if (writer.write(bitmap)) return true;
  TMessageBox::Information(this, PlotText::CannotWritePicture(QDir::toNativeSeparators(fileName)));
  return false;
}

// ---- Events of the client area ----------------------------------------------------------

void TPlotForm::FormResize() {
  fState.Resize(fCanvas->size(), QPoint(fCanvas->logicalDpiX(), fCanvas->logicalDpiY()),
                WindowFontPixels(fCanvas->logicalDpiY()));
  SyncLegend();
  fCanvas->Invalidate();
}

void TPlotForm::FormPaint(QImage& picture) {
  TDrawArea area = fState.DrawWindow();
  QPainter painter(&picture);
  area.Canvas = &painter;
  DrawPlot(fState.Picture(), area);
}

void TPlotForm::FormMouseMove(QPoint pixel, Qt::MouseButtons buttons) {
  const bool wasZooming = fState.Zooming();
  if (wasZooming && !(buttons & Qt::LeftButton)) fState.CancelZoom();
  setWindowTitle(fState.MouseMove(pixel));
  if (wasZooming) fCanvas->update();  // the rubber band moves, or goes
}

void TPlotForm::FormMouseDown(Qt::MouseButton button, QPoint pixel) {
  if (button == Qt::LeftButton) {
    fState.LeftDown(pixel);
    if (fState.Zooming()) fCanvas->update();
  } else if (button == Qt::RightButton) {
    if (fState.RightDown(pixel)) fCanvas->Invalidate();
  }
}

void TPlotForm::FormMouseUp(Qt::MouseButton button, QPoint pixel) {
  if (button != Qt::LeftButton || !fState.Zooming()) return;
  if (fState.LeftUp(pixel))
    fCanvas->Invalidate();
  else
    fCanvas->update();  // the rubber band goes
}

void TPlotForm::LegendMoved(QPoint topLeft) {
  fState.MoveLegend(topLeft);
  fLegendList->setGeometry(fState.LegendBox());
}

void TPlotForm::LegendListDblClick(int row) {
  const int line = fState.Legend().LineOf(row);
  if (line >= 0) ToggleLine(line);
}
