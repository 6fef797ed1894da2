#pragma once
// The main window's commands of the 3D view: the seven toolbar buttons ("Panning",
// "Zooming", "Rotating", "Zoom Window", "Zoom In", "Zoom Out", "Restart View") and the menu
// "Show 3D View" (what the scene shows, and "Combined Plots"). They are visible only while a
// view exists, forward to it, and show its options and mouse mode as check marks.
//
// The main window makes one of these, puts ToolBarActions() on its toolbar and Menu() in its
// menu bar, and hands each new view to SetView; the actions hide again when the view closes.
#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;
class TDlgBlock;

enum class TBlockCommand {
  Panning,
  Zooming,
  Rotating,
  ZoomWindow,
  ZoomIn,
  ZoomOut,
  RestartView,
  Shaft,
  WaterLevel,
  SoilLayers,
  LayerLabels,
  LayerDepths,
  GlobalAxes,
  ShowPlots,
  CombinedPlots,
};

class TBlockActions : public QObject {
  Q_OBJECT

 public:
  explicit TBlockActions(QWidget* mainWindow);
  ~TBlockActions() override;

  // The toolbar buttons, in order.
  QList<QAction*> ToolBarActions() const { return fToolBar; }
  // "Show 3D View".
  QMenu* Menu() const { return fMenu; }
  QAction* Action(TBlockCommand command) const;

  // The view the commands go to; null hides them.
  void SetView(TDlgBlock* view);
  TDlgBlock* View() const { return fView; }
  // Check marks and enabled states from the view.
  void UpdateActions();

 private:
  QAction* Make(TBlockCommand command, const QString& text, bool checkable);
  void Trigger(TBlockCommand command, bool checked);
  void ViewGone();

  QPointer<TDlgBlock> fView;
  QMenu* fMenu = nullptr;
  QActionGroup* fMouseModes = nullptr;
  QList<QAction*> fToolBar;
  QList<QAction*> fAll;
  QList<QMetaObject::Connection> fViewConnections;
};

// The toolbar icon of a command of the 3D view.
class QIcon;
QIcon BlockCommandIcon(TBlockCommand command);
