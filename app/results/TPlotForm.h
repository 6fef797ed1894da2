#pragma once
// The window of one result plot: the plot drawn on a white client area with its legend list,
// the mouse read-out in the title, rubber-band zoom with the left button and zoom-out with the
// right one, and the Plot menu (Alt+P, or Ctrl+Z anywhere in the window) with the display
// options, caption, line names, active curves, printing and saving a picture. Everything it
// changes is written into the plot, so it outlives the window; the arithmetic lives in
// TPlotFormState and the drawing in DrawPlot.
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "PlotLayout.h"
#include "TPlotFormState.h"

class QAction;
class QActionGroup;
class QImage;
class QMenu;
class QMenuBar;
class QPrinter;
class TGraphPlot;
class TPlotCanvas;
class TPlotLegendList;

class TPlotForm : public QWidget {
  Q_OBJECT

 public:
  explicit TPlotForm(TGraphPlot& plot, QWidget* parent = nullptr);
  ~TPlotForm() override;

  TGraphPlot& Data() const { return fState.Plot(); }
  TPlotFormState& State() { return fState; }
  bool ClosesAsItOpens() const { return fState.ClosesAsItOpens(); }

  TPlotCanvas* Canvas() const { return fCanvas; }
  TPlotLegendList* LegendList() const { return fLegendList; }
  QMenuBar* MenuBar() const { return fMenuBar; }
  QMenu* PlotMenu() const { return fPlotMenu; }
  QAction* ShowLegendItem() const { return fShowLegend; }
  QAction* ShowSoilLayerItem() const { return fShowSoilLayer; }
  QMenu* MarkersMenu() const { return fMarkersMenu; }
  QMenu* FontSizeMenu() const { return fFontSizeMenu; }
  QMenu* LineWidthMenu() const { return fLineWidthMenu; }
  QAction* GraphTitleItem() const { return fGraphTitle; }
  QAction* EditLegendItem() const { return fEditLegend; }
  QAction* ActiveCurvesItem() const { return fActiveCurves; }
  QAction* PrintItem() const { return fPrint; }
  QAction* PageSetupItem() const { return fPageSetup; }
  QAction* SaveToDiskItem() const { return fSaveToDisk; }
  // The items of the active lines after the fixed items, in legend order.
  const QList<QAction*>& LineItems() const { return fLineItems; }
  // The page margins in thousandths of an inch.
  const TPageMargins& Margins() const { return fMargins; }

  // Plot menu commands.
  void ShowLegendClick();
  void ShowSoilLayerClick();
  void MarkersClick(int every);
  void FontSizeClick(int scale);
  void LineWidthClick(int width);
  void GraphTitleClick();
  void EditLegendClick();
  void ActiveCurvesClick();
  void PrintClick();
  void PageSetupClick();
  void SaveToDiskClick();
  // Shows or hides a line (the menu's line items and a double-click in the legend).
  void ToggleLine(int line);
  // Updates the checks and visibility of the Plot menu, as when it opens.
  void PlotMenuPopup();

  // Prints the plot on one page of `printer` as it is now; false (after telling the user)
  // when the printer cannot start.
  bool PrintTo(QPrinter& printer);
  // Paints the plot into `bitmap` as a saved picture of `pixelsPerInch`.
  void PaintPicture(QImage& bitmap, int pixelsPerInch) const;
  // Writes a painted picture to `fileName`, in the format of its extension (bmp, png, jpg,
  // jpeg; any other as a bitmap); tells the user when it cannot be written.
  bool WritePicture(const QImage& bitmap, const QString& fileName);

  // The plot's hold on the window. The window tells it when it is destroyed by someone
  // else (its parent, for example); Orphan lets go: the window no longer touches the plot,
  // hides, and `frame` (the window or its frame in the main window) is freed as soon as that
  // is safe: at once, after the close in progress, or after the dialog the window runs.
  void SetDestroyedHandler(std::function<void()> handler) { fDestroyed = std::move(handler); }
  void Orphan(QWidget* frame);
  bool Orphaned() const { return fOrphaned; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class TPlotCanvas;
  friend class TPlotLegendList;

  void BuildMenu();
  void RebuildLineItems();
  void SyncLegend();
  void Changed();  // the plot's drawing changed: repaint plot and legend
  QPrinter& Printer();
  void MarginsToPrinter(QPrinter& printer) const;
  void MarginsFromPrinter(const QPrinter& printer);

  // Events of the client area and the legend list.
  void FormResize();
  void FormPaint(QImage& picture);
  void FormMouseMove(QPoint pixel, Qt::MouseButtons buttons);
  void FormMouseDown(Qt::MouseButton button, QPoint pixel);
  void FormMouseUp(Qt::MouseButton button, QPoint pixel);
  void LegendMoved(QPoint topLeft);
  void LegendListDblClick(int row);
  QFont LegendFont() const;

  TPlotFormState fState;
  TPlotCanvas* fCanvas = nullptr;
  TPlotLegendList* fLegendList = nullptr;
  QMenuBar* fMenuBar = nullptr;
  QMenu* fPlotMenu = nullptr;
  QAction* fShowLegend = nullptr;
  QAction* fShowSoilLayer = nullptr;
  QMenu* fMarkersMenu = nullptr;
  QActionGroup* fMarkersGroup = nullptr;
  QMenu* fFontSizeMenu = nullptr;
  QMenu* fLineWidthMenu = nullptr;
  QAction* fGraphTitle = nullptr;
  QAction* fEditLegend = nullptr;
  QAction* fActiveCurves = nullptr;
  QAction* fPrint = nullptr;
  QAction* fPageSetup = nullptr;
  QAction* fSaveToDisk = nullptr;
  QAction* fLineSeparator = nullptr;
  QList<QAction*> fLineItems;

  std::unique_ptr<QPrinter> fPrinter;
  TPageMargins fMargins;
  std::function<void()> fDestroyed;
  bool fOrphaned = false;
  bool fClosing = false;
  // Nested dialogs running; a window let go meanwhile is freed when the last one ends.
  int fBusy = 0;
  QPointer<QWidget> fFrameToFree;
  friend class TNestedDialog;
};
