#include "TPlaceholderPlotForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "MainText.h"
#include "TGraphPlot.h"

namespace {

// A child window that tells its plot when the user closed it.
class TPlaceholderWindow : public QMdiSubWindow {
 public:
  explicit TPlaceholderWindow(TGraphPlot& plot) : fPlot(plot) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) fPlot.Hide();
  }

 private:
  TGraphPlot& fPlot;
};

class TPlaceholderPlotForm : public TPlotFormHandle {
 public:
  TPlaceholderPlotForm(TGraphPlot& plot, QMdiArea& area) : fArea(&area) {
    auto* window = new TPlaceholderWindow(plot);
    auto* label = new QLabel(MainText::PlotWindowPending(plot.Caption()));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    window->setWidget(label);
    window->setWindowTitle(plot.Caption());
    area.addSubWindow(window);
    fWindow = window;
  }

  // Freed by the plot, possibly from inside the window's close: the window goes through the
  // event loop.
  ~TPlaceholderPlotForm() override {
    if (!fWindow) return;
    fWindow->hide();
    fWindow->deleteLater();
  }

  void Present() override {
    if (!fWindow) return;
    if (fWindow->isMinimized())
      fWindow->showNormal();
    else
      fWindow->showMaximized();
    if (fArea) fArea->setActiveSubWindow(fWindow);
  }

 private:
  QPointer<QMdiArea> fArea;
  QPointer<QMdiSubWindow> fWindow;
};

}  // namespace

TPlotFormFactory PlaceholderPlotFormFactory(QMdiArea& area) {
  QPointer<QMdiArea> target(&area);
  return [target](TGraphPlot& plot) -> std::unique_ptr<TPlotFormHandle> {
    if (!target) return nullptr;
    return std::make_unique<TPlaceholderPlotForm>(plot, *target);
  };
}
