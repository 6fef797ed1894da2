#include "PlotFormFactory.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "TGraphPlot.h"
#include "TPlotForm.h"

namespace {

// The frame around a window: its child-window frame in the main window, or the window.
QWidget* FrameOf(QWidget* window) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) return sub;
  return window;
}

class TPlotFormWindow final : public TPlotFormHandle {
 public:
  TPlotFormWindow(TGraphPlot& plot, std::function<void(QWidget*)> host)
      : fPlot(plot), fHost(std::move(host)), fForm(new TPlotForm(plot)) {
    fForm->SetDestroyedHandler([this] {
      fForm = nullptr;
      fPlot.Hide();
    });
  }

  ~TPlotFormWindow() override {
    if (TPlotForm* form = fForm.data()) form->Orphan(FrameOf(form));
  }

  void Present() override {
    TPlotForm* form = fForm.data();
    if (!form) return;
    if (form->ClosesAsItOpens()) {  // no vertical range: the window closes as it opens
      fPlot.Hide();
      return;
    }
    if (!fPresented) {
      fPresented = true;
      if (fHost)
        fHost(form);
      else
        form->showMaximized();
      return;
    }
    QWidget* frame = FrameOf(form);
    if (frame->isMinimized())
      frame->showNormal();
    else
      frame->show();
    frame->raise();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame); sub && sub->mdiArea())
      sub->mdiArea()->setActiveSubWindow(sub);
    else
      frame->activateWindow();
  }

  TPlotForm* Form() const { return fForm.data(); }

 private:
  TGraphPlot& fPlot;
  std::function<void(QWidget*)> fHost;
  QPointer<TPlotForm> fForm;
  bool fPresented = false;
};

}  // namespace

TPlotFormFactory MakePlotFormFactory(std::function<void(QWidget*)> host) {
  return [host](TGraphPlot& plot) -> std::unique_ptr<TPlotFormHandle> {
    return std::make_unique<TPlotFormWindow>(plot, host);
  };
}

TPlotFormFactory MakePlotFormFactory(QMdiArea* area) {
  QPointer<QMdiArea> guarded(area);
  return MakePlotFormFactory([guarded](QWidget* window) {
    if (!guarded) {
      window->showMaximized();
      return;
    }
    QMdiSubWindow* sub = guarded->addSubWindow(window);
    sub->showMaximized();
    guarded->setActiveSubWindow(sub);
  });
}

TPlotForm* PlotFormOf(const TGraphPlot& plot) {
  auto* window = dynamic_cast<TPlotFormWindow*>(plot.Form());
  return window ? window->Form() : nullptr;
}
