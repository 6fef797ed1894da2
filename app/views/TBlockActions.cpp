#include "TBlockActions.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include "TDlgBlock.h"

namespace {

// Icons are drawn at this size and scaled by the toolbar.
constexpr int kIconSize = 32;

struct TCommandText {
  TBlockCommand command;
  const char* text;
  bool checkable;
  bool onToolBar;
};

constexpr TCommandText kCommands[] = {
    {TBlockCommand::Panning, "Panning", true, true},
    {TBlockCommand::Zooming, "Zooming", true, true},
    {TBlockCommand::Rotating, "Rotating", true, true},
    {TBlockCommand::ZoomWindow, "Zoom Window", true, true},
    {TBlockCommand::ZoomIn, "Zoom In", false, true},
    {TBlockCommand::ZoomOut, "Zoom Out", false, true},
    {TBlockCommand::RestartView, "Restart View", false, true},
    {TBlockCommand::Shaft, "&Shaft", true, false},
    {TBlockCommand::WaterLevel, "&Water Level", true, false},
    {TBlockCommand::SoilLayers, "Soil &Layers", true, false},
    {TBlockCommand::LayerLabels, "Layer La&bels", true, false},
    {TBlockCommand::LayerDepths, "Layer &Depths", true, false},
    {TBlockCommand::GlobalAxes, "&Global Axes", true, false},
    {TBlockCommand::ShowPlots, "Show &Plots", true, false},
    {TBlockCommand::CombinedPlots, "&Combined Plots", false, false},
};

// Menu captions carry their keyboard mnemonics.
constexpr const char* kMenuTitle = "Show &3D View";

void DrawMagnifier(QPainter& p) {
  p.drawEllipse(QRectF(5, 5, 16, 16));
  p.drawLine(QPointF(19, 19), QPointF(27, 27));
}

void DrawArrowHead(QPainter& p, QPointF tip, QPointF direction) {
  const QPointF side(-direction.y(), direction.x());
  QPainterPath head;
  head.moveTo(tip);
  head.lineTo(tip - direction * 5 + side * 4);
  head.lineTo(tip - direction * 5 - side * 4);
  head.closeSubpath();
  p.fillPath(head, p.pen().color());
}

}  // namespace

QIcon BlockCommandIcon(TBlockCommand command) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(30, 60, 120), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  switch (command) {
    case TBlockCommand::Panning:
      p.drawLine(QPointF(16, 4), QPointF(16, 28));
      p.drawLine(QPointF(4, 16), QPointF(28, 16));
      DrawArrowHead(p, {16, 3}, {0, -1});
      DrawArrowHead(p, {16, 29}, {0, 1});
      DrawArrowHead(p, {3, 16}, {-1, 0});
      DrawArrowHead(p, {29, 16}, {1, 0});
      break;
    case TBlockCommand::Zooming:
      DrawMagnifier(p);
      p.drawLine(QPointF(13, 9), QPointF(13, 17));
      DrawArrowHead(p, {13, 8}, {0, -1});
      DrawArrowHead(p, {13, 18}, {0, 1});
      break;
    case TBlockCommand::Rotating:
      p.drawArc(QRectF(5, 5, 22, 22), 30 * 16, 300 * 16);
      DrawArrowHead(p, {26, 9}, {0.5, -0.87});
      break;
    case TBlockCommand::ZoomWindow:
      p.setPen(QPen(QColor(0, 140, 0), 2, Qt::DashLine));
      p.drawRect(QRectF(3, 6, 26, 20));
      p.setPen(QPen(QColor(30, 60, 120), 2.5));
      p.drawEllipse(QRectF(11, 11, 9, 9));
      break;
    case TBlockCommand::ZoomIn:
      DrawMagnifier(p);
      p.drawLine(QPointF(9, 13), QPointF(17, 13));
      p.drawLine(QPointF(13, 9), QPointF(13, 17));
      break;
    case TBlockCommand::ZoomOut:
      DrawMagnifier(p);
      p.drawLine(QPointF(9, 13), QPointF(17, 13));
      break;
    case TBlockCommand::RestartView: {
      QPainterPath house;
      house.moveTo(4, 16);
      house.lineTo(16, 5);
      house.lineTo(28, 16);
      house.moveTo(8, 13);
      house.lineTo(8, 27);
      house.lineTo(24, 27);
      house.lineTo(24, 13);
      p.drawPath(house);
      break;
    }
    default:
      return {};
  }
  return QIcon(pixmap);
}

TBlockActions::TBlockActions(QWidget* mainWindow) : QObject(mainWindow) {
  fMenu = new QMenu(QString::fromLatin1(kMenuTitle), mainWindow);
  fMouseModes = new QActionGroup(this);
  fMouseModes->setExclusive(true);
  for (const TCommandText& c : kCommands) {
    QAction* action = Make(c.command, QString::fromLatin1(c.text), c.checkable);
    if (c.onToolBar) {
      action->setIcon(BlockCommandIcon(c.command));
      fToolBar << action;
      // The toolbar's actions belong to the main window, so their shortcuts work there.
      mainWindow->addAction(action);
    } else {
      if (c.command == TBlockCommand::CombinedPlots) fMenu->addSeparator();
      fMenu->addAction(action);
    }
  }
  for (TBlockCommand mode : {TBlockCommand::Panning, TBlockCommand::Zooming,
                             TBlockCommand::Rotating, TBlockCommand::ZoomWindow})
    fMouseModes->addAction(Action(mode));
  Action(TBlockCommand::ZoomIn)->setShortcut(QKeySequence::ZoomIn);
  Action(TBlockCommand::ZoomOut)->setShortcut(QKeySequence::ZoomOut);
  SetView(nullptr);
}

TBlockActions::~TBlockActions() = default;

QAction* TBlockActions::Make(TBlockCommand command, const QString& text, bool checkable) {
  auto* action = new QAction(text, this);
  action->setCheckable(checkable);
  action->setData(int(command));
  action->setToolTip(QString(text).remove(QLatin1Char('&')));
  connect(action, &QAction::triggered, this,
          [this, command](bool checked) { Trigger(command, checked); });
  fAll << action;
  return action;
}

QAction* TBlockActions::Action(TBlockCommand command) const {
  for (QAction* a : fAll)
    if (a->data().toInt() == int(command)) return a;
  return nullptr;
}

void TBlockActions::Trigger(TBlockCommand command, bool checked) {
  TDlgBlock* v = fView;
  if (!v) return;
  switch (command) {
    case TBlockCommand::Panning:
      v->PanningClick();
      break;
    case TBlockCommand::Zooming:
      v->ZoomingClick();
      break;
    case TBlockCommand::Rotating:
      v->RotatingClick();
      break;
    case TBlockCommand::ZoomWindow:
      v->ZoomWindowClick();
      break;
    case TBlockCommand::ZoomIn:
      v->ZoomInClick();
      break;
    case TBlockCommand::ZoomOut:
      v->ZoomOutClick();
      break;
    case TBlockCommand::RestartView:
      v->RestartViewButtonClick();
      break;
    case TBlockCommand::Shaft:
      v->SetShowShaft(checked);
      break;
    case TBlockCommand::WaterLevel:
      v->SetShowWaterLevel(checked);
      break;
    case TBlockCommand::SoilLayers:
      v->SetShowSoilLayers(checked);
      break;
    case TBlockCommand::LayerLabels:
      v->SetShowSoilLayerLabels(checked);
      break;
    case TBlockCommand::LayerDepths:
      v->SetShowSoilLayerDepthLabels(checked);
      break;
    case TBlockCommand::GlobalAxes:
      v->SetShowLocalAxes(checked);
      break;
    case TBlockCommand::ShowPlots:
      v->SetShowUltimateEffects(checked);
      break;
    case TBlockCommand::CombinedPlots:
      v->UltimateEffectsWindow();
      break;
  }
  UpdateActions();
}

void TBlockActions::SetView(TDlgBlock* view) {
  for (const QMetaObject::Connection& c : fViewConnections) disconnect(c);
  fViewConnections.clear();
  fView = view;
  if (view) {
    fViewConnections << connect(view, &TDlgBlock::OptionsChanged, this,
                                &TBlockActions::UpdateActions);
    fViewConnections << connect(view, &TChildForm::Closed, this, &TBlockActions::ViewGone);
    fViewConnections << connect(view, &QObject::destroyed, this, &TBlockActions::ViewGone);
  }
  const bool shown = view != nullptr;
  for (QAction* a : fToolBar) a->setVisible(shown);
  fMenu->menuAction()->setVisible(shown);
  UpdateActions();
}

void TBlockActions::ViewGone() { SetView(nullptr); }

void TBlockActions::UpdateActions() {
  const TDlgBlock* v = fView;
  for (QAction* a : fAll) a->setEnabled(v != nullptr);
  if (!v) return;
  const TBlockOptions& o = v->Options();
  const int mode = v->ViewState().MouseOption;
  const auto check = [this](TBlockCommand c, bool on) {
    // Setting the check mark says toggled, never triggered: nothing goes back to the view.
    Action(c)->setChecked(on);
  };
  // With no mode chosen no button is down.
  fMouseModes->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  check(TBlockCommand::Panning, mode == kMousePanning);
  check(TBlockCommand::Zooming, mode == kMouseZooming);
  check(TBlockCommand::Rotating, mode == kMouseRotating);
  check(TBlockCommand::ZoomWindow, mode == kMouseZoomWindow);
  fMouseModes->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  check(TBlockCommand::Shaft, o.ShowShaft);
  check(TBlockCommand::WaterLevel, o.ShowWaterLevel);
  check(TBlockCommand::SoilLayers, o.ShowSoilLayers);
  check(TBlockCommand::LayerLabels, o.ShowSoilLayerLabels);
  check(TBlockCommand::LayerDepths, o.ShowSoilLayerDepthLabels);
  check(TBlockCommand::GlobalAxes, o.ShowLocalAxes);
  check(TBlockCommand::ShowPlots, o.ShowUltimateEffects);
  Action(TBlockCommand::LayerLabels)->setEnabled(v->LayerLabelsEnabled());
  Action(TBlockCommand::LayerDepths)->setEnabled(v->LayerLabelsEnabled());
}
