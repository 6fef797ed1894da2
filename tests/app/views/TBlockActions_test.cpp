// The main window's commands of the 3D view: visible only while a view exists, forwarded to
// it, showing its options and mouse mode, the layer labels offered only with the layers.
#include "TBlockActions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include "TDlgBlock.h"
#include "TDlgPileDiagrams.h"
#include "TResultPlots.h"
#include "ViewTestSupport.h"

namespace {

using view_test::ViewDocument;

// The captions as shown, without their mnemonic marks.
QStringList Texts(const QList<QAction*>& actions) {
  QStringList texts;
  for (const QAction* a : actions)
    if (!a->isSeparator()) texts << QString(a->text()).remove(QLatin1Char('&'));
  return texts;
}

// The mnemonic letter of a caption, empty without one.
QString Mnemonic(const QString& caption) {
  const int at = caption.indexOf(QLatin1Char('&'));
  return at >= 0 && at + 1 < caption.size() ? caption.mid(at + 1, 1).toLower() : QString();
}

class BlockActions : public ::testing::Test {
 protected:
  BlockActions() : actions(&main) {
    doc.SetShaft(3, 40);
    doc.SetLayers({{1, 50}});
    QToolBar* toolBar = main.addToolBar(QStringLiteral("3D"));
    toolBar->addActions(actions.ToolBarActions());
    main.menuBar()->addMenu(actions.Menu());
    main.resize(900, 700);
    main.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
  }
  TDlgBlock* OpenView() {
    auto* view = new TDlgBlock(&plots);
    main.setCentralWidget(view);
    actions.SetView(view);
    view->FormActivate();
    return view;
  }
  QAction* A(TBlockCommand c) { return actions.Action(c); }

  ViewDocument doc;
  TResultPlots plots;
  QMainWindow main;
  TBlockActions actions;
};

TEST_F(BlockActions, CommandsAndTheirCaptions) {
  EXPECT_EQ(Texts(actions.ToolBarActions()),
            QStringList({"Panning", "Zooming", "Rotating", "Zoom Window", "Zoom In", "Zoom Out",
                         "Restart View"}));
  EXPECT_EQ(QString(actions.Menu()->title()).remove(QLatin1Char('&')), QStringLiteral("Show 3D View"));
  EXPECT_EQ(Texts(actions.Menu()->actions()),
            QStringList({"Shaft", "Water Level", "Soil Layers", "Layer Labels", "Layer Depths",
                         "Global Axes", "Show Plots", "Combined Plots"}));
  // The keyboard reaches the menu and each of its items by a letter of its own.
  EXPECT_FALSE(Mnemonic(actions.Menu()->title()).isEmpty());
  QStringList letters;
  for (const QAction* a : actions.Menu()->actions())
    if (!a->isSeparator()) letters << Mnemonic(a->text());
  EXPECT_FALSE(letters.contains(QString()));
  EXPECT_EQ(letters.removeDuplicates(), 0);
  for (QAction* a : actions.ToolBarActions()) EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
}

TEST_F(BlockActions, ShownOnlyWhileAViewExists) {
  const auto shown = [&] {
    bool any = actions.Menu()->menuAction()->isVisible();
    for (QAction* a : actions.ToolBarActions()) any = any || a->isVisible();
    return any;
  };
  EXPECT_FALSE(shown());
  TDlgBlock* view = OpenView();
  EXPECT_TRUE(actions.Menu()->menuAction()->isVisible());
  for (QAction* a : actions.ToolBarActions()) EXPECT_TRUE(a->isVisible());
  view->close();
  EXPECT_FALSE(shown());
  EXPECT_EQ(actions.View(), nullptr);
  // A freed view takes them away as well.
  view = OpenView();
  EXPECT_TRUE(shown());
  delete view;
  EXPECT_FALSE(shown());
}

TEST_F(BlockActions, ToolBarForwardsToTheView) {
  TDlgBlock* view = OpenView();
  A(TBlockCommand::Rotating)->trigger();
  EXPECT_EQ(view->ViewState().MouseOption, kMouseRotating);
  EXPECT_TRUE(A(TBlockCommand::Rotating)->isChecked());
  A(TBlockCommand::ZoomWindow)->trigger();
  EXPECT_EQ(view->ViewState().MouseOption, kMouseZoomWindow);
  EXPECT_TRUE(view->ViewState().ZoomWindowBoxEnabled);
  EXPECT_FALSE(A(TBlockCommand::Rotating)->isChecked());
  A(TBlockCommand::Panning)->trigger();
  EXPECT_EQ(view->ViewState().MouseOption, kMousePanning);
  EXPECT_FALSE(view->ViewState().ZoomWindowBoxEnabled);
  EXPECT_FALSE(A(TBlockCommand::ZoomWindow)->isChecked());

  A(TBlockCommand::ZoomIn)->trigger();
  EXPECT_DOUBLE_EQ(view->ViewState().ZoomFactor, 1.4142);
  A(TBlockCommand::ZoomOut)->trigger();
  A(TBlockCommand::ZoomOut)->trigger();
  EXPECT_NEAR(view->ViewState().ZoomFactor, 1 / 1.4142, 1e-15);
  view->ViewState().ViewAngles = {10, 20, 30};
  A(TBlockCommand::RestartView)->trigger();
  EXPECT_EQ(view->ViewState().ViewAngles, (TVec3{0, 0, 0}));
  EXPECT_EQ(view->ViewState().ZoomFactor, 1);
  EXPECT_EQ(A(TBlockCommand::ZoomIn)->shortcut(), QKeySequence(QKeySequence::ZoomIn));
}

TEST_F(BlockActions, MenuTogglesTheOptionsAndShowsThem) {
  TDlgBlock* view = OpenView();
  struct Item {
    TBlockCommand command;
    bool TBlockOptions::*option;
    bool initially;
  } const items[] = {
      {TBlockCommand::Shaft, &TBlockOptions::ShowShaft, true},
      {TBlockCommand::WaterLevel, &TBlockOptions::ShowWaterLevel, true},
      {TBlockCommand::LayerLabels, &TBlockOptions::ShowSoilLayerLabels, false},
      {TBlockCommand::LayerDepths, &TBlockOptions::ShowSoilLayerDepthLabels, false},
      {TBlockCommand::GlobalAxes, &TBlockOptions::ShowLocalAxes, true},
      {TBlockCommand::ShowPlots, &TBlockOptions::ShowUltimateEffects, false},
      {TBlockCommand::SoilLayers, &TBlockOptions::ShowSoilLayers, true},
  };
  for (const Item& item : items) {
    QAction* a = A(item.command);
    SCOPED_TRACE(a->text().toStdString());
    EXPECT_EQ(a->isChecked(), item.initially);
    a->trigger();
    EXPECT_EQ(view->Options().*item.option, !item.initially);
    EXPECT_EQ(a->isChecked(), !item.initially);
  }
  // The soil layers are off now: their labels are not offered.
  EXPECT_FALSE(A(TBlockCommand::LayerLabels)->isEnabled());
  EXPECT_FALSE(A(TBlockCommand::LayerDepths)->isEnabled());
  A(TBlockCommand::SoilLayers)->trigger();
  EXPECT_TRUE(A(TBlockCommand::LayerLabels)->isEnabled());
  // A change made in the view shows as a check mark.
  view->SetShowShaft(true);
  EXPECT_TRUE(A(TBlockCommand::Shaft)->isChecked());

  A(TBlockCommand::CombinedPlots)->trigger();
  ASSERT_NE(view->PileDiagrams(), nullptr);
  EXPECT_TRUE(view->PileDiagrams()->isVisible());
}

}  // namespace
