#pragma once
// The 3D view ("3-D View"): a block of translucent soil layers around the shaft, the water
// table as a translucent plane marked with small inverted pyramids, the shaft with its
// exclusion zones and bell, the axis triad, labels, and the result diagrams along the shaft
// from the combined plots. The user turns, pans and zooms it with the mouse in the mode
// chosen on the main window's toolbar; the "Show 3D View" menu and the "Combined Plots"
// window choose what it shows.
//
// Every toolbar and menu command is a public handler here, so that the main window connects
// its actions to them (TBlockActions does all of it). Without OpenGL the view cannot exist:
// Create tells the user and returns null.
#include <QPointer>

#include "TBlockOptions.h"
#include "TBlockScene.h"
#include "TBlockViewState.h"
#include "TChildForm.h"
#include "TShaftProfile.h"

class TDlgPileDiagrams;
class TGraphPlot;
class TResultPlots;
class TglWindow;

class TDlgBlock : public TChildForm {
  Q_OBJECT

 public:
  // The view shows the combined plots of `plots` (none: no diagrams). Call only where
  // OpenGLAvailable() holds; Create checks that.
  explicit TDlgBlock(TResultPlots* plots = nullptr, QWidget* parent = nullptr);
  ~TDlgBlock() override;

  // The view, or, when this display has no OpenGL for it, a message to the user and null.
  static TDlgBlock* Create(TResultPlots* plots, QWidget* parent = nullptr);

  void SetResultPlots(TResultPlots* plots);
  // The combined plot the diagrams are drawn from: ultimate or ASD/LRFD, by
  // ShowUltimateResults; null without result plots. The scene draws it only while the
  // document's own results are loaded.
  const TGraphPlot* Combineplt() const;

  // The first activation takes the block's extents from the document; every activation
  // sets the scene up from the document and redraws.
  void FormActivate() override;
  // The document's lengths changed their unit: the block is measured again.
  void UnitsChanged() override;

  // Toolbar: the mouse modes, the zoom steps and the first view.
  void PanningClick();
  void ZoomingClick();
  void RotatingClick();
  void ZoomWindowClick();
  void ZoomInClick();
  void ZoomOutClick();
  void RestartViewButtonClick();

  // Menu "Show 3D View": each sets its option and sets the scene up again.
  bool ShowShaft() const { return fOptions.ShowShaft; }
  void SetShowShaft(bool show) { SetOption(&TBlockOptions::ShowShaft, show); }
  bool ShowWaterLevel() const { return fOptions.ShowWaterLevel; }
  void SetShowWaterLevel(bool show) { SetOption(&TBlockOptions::ShowWaterLevel, show); }
  bool ShowSoilLayers() const { return fOptions.ShowSoilLayers; }
  void SetShowSoilLayers(bool show) { SetOption(&TBlockOptions::ShowSoilLayers, show); }
  bool ShowSoilLayerLabels() const { return fOptions.ShowSoilLayerLabels; }
  void SetShowSoilLayerLabels(bool show) { SetOption(&TBlockOptions::ShowSoilLayerLabels, show); }
  bool ShowSoilLayerDepthLabels() const { return fOptions.ShowSoilLayerDepthLabels; }
  void SetShowSoilLayerDepthLabels(bool show) {
    SetOption(&TBlockOptions::ShowSoilLayerDepthLabels, show);
  }
  bool ShowLocalAxes() const { return fOptions.ShowLocalAxes; }
  void SetShowLocalAxes(bool show) { SetOption(&TBlockOptions::ShowLocalAxes, show); }
  bool ShowUltimateEffects() const { return fOptions.ShowUltimateEffects; }
  void SetShowUltimateEffects(bool show) { SetOption(&TBlockOptions::ShowUltimateEffects, show); }
  // The layer labels and depths are offered only while the soil layers are shown.
  bool LayerLabelsEnabled() const { return fOptions.ShowSoilLayers; }

  // The "Combined Plots" window's options.
  void SetShowSkinFriction(bool show) { SetOption(&TBlockOptions::ShowSkinFriction, show); }
  void SetShowTipResistance(bool show) { SetOption(&TBlockOptions::ShowTipResistance, show); }
  void SetShowTotalCapacity(bool show) { SetOption(&TBlockOptions::ShowTotalCapacity, show); }
  void SetShowUltimateEffectsValues(bool show) {
    SetOption(&TBlockOptions::ShowUltimateEffectsValues, show);
  }
  void SetShowUltimateResults(int which);
  void SetUltimateEffectsFactor(long double factor);
  // "Combined Plots": opens the window of the result diagrams.
  void UltimateEffectsWindow();
  TDlgPileDiagrams* PileDiagrams() const;

  // A new set-up and a redraw; a redraw only.
  void RedrawComplete();
  void RedrawFigure();

  const TBlockOptions& Options() const { return fOptions; }
  const TBlockViewState& ViewState() const { return fState; }
  TBlockViewState& ViewState() { return fState; }
  TglWindow* GlWindow() const { return fGlWindow; }
  // The scene as the next set-up builds it from the document.
  TBlockScene BuildScene() const;
  // The picture as drawn now.
  QImage GrabPicture();

  QSize sizeHint() const override { return {720, 560}; }

 signals:
  // An option, the mouse mode or the result plots changed (the main window's actions and
  // the "Combined Plots" window show them).
  void OptionsChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Sets an option; a change sets the scene up again and is announced.
  template <typename T>
  void SetOption(T TBlockOptions::*field, T value) {
    if (fOptions.*field == value) return;
    fOptions.*field = value;
    RedrawComplete();
    emit OptionsChanged();
  }
  void SetMouseOption(int option);
  void StartExtents();
  bool KeyDown(class QKeyEvent* event);
  void ContextFailed(const QString& reason);

  TResultPlots* fPlots = nullptr;
  TBlockOptions fOptions;
  TBlockViewState fState;
  TglWindow* fGlWindow = nullptr;
  QPointer<TDlgPileDiagrams> fPileDiagrams;
  bool fActivated = false;
};
