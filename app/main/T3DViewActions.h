#pragma once
// The main window's commands of the 3D view: seven toolbar buttons and the "Show 3D View"
// menu. The main window creates them with their captions, icons and check marks, shows them
// only while a 3D view (TChildKind::Block) exists, and triggers nothing itself: the 3D view
// connects to them when it is made and acts on their signals.
class QAction;
class QActionGroup;
class QMenu;

struct T3DViewActions {
  // Mouse modes, checkable, at most one checked (MouseModes): "Panning", "Zooming",
  // "Rotating", "Zoom Window".
  QAction* Panning = nullptr;
  QAction* Zooming = nullptr;
  QAction* Rotating = nullptr;
  QAction* ZoomWindow = nullptr;
  QActionGroup* MouseModes = nullptr;
  // One step each: "Zoom In" (factor 1.4142), "Zoom Out" (1 / 1.4142), "Restart View".
  QAction* ZoomIn = nullptr;
  QAction* ZoomOut = nullptr;
  QAction* RestartView = nullptr;

  // The menu and its display options, checkable and checked as a new view starts:
  // "Shaft", "Water Level", "Soil Layers", "Global Axes" on; "Layer Labels" and "Layer
  // Depths" off and enabled only while "Soil Layers" is checked; "Ultimate Results" off.
  QMenu* Menu = nullptr;  // "Show 3D View"
  QAction* Shaft = nullptr;
  QAction* WaterLevel = nullptr;
  QAction* SoilLayers = nullptr;
  QAction* LayerLabels = nullptr;
  QAction* LayerDepths = nullptr;
  QAction* GlobalAxes = nullptr;
  QAction* UltimateResults = nullptr;
  // Opens the view's "Combined Plots" window.
  QAction* CombinedPlots = nullptr;
};
