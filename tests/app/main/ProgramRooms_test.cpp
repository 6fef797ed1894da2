// The program as it starts: the main window with the input windows and the shaft views
// registered. Every Data command opens its window, the elevation is shown from the start,
// and a run closes them all.
#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>

#include "MainTestSupport.h"
#include "ProgramRooms.h"
#include "TProgramData.h"

namespace {

using main_test::MainFormTest;
using C = TMainCommand;

TEST_F(MainFormTest, ProgramRooms_EveryDataCommandOpensItsWindow_ARunClosesThemAll) {
  Start({CopyExample("sand-over-clay.tv8d")}, InstallProgramRooms);
  EXPECT_TRUE(fForm->SideExists()) << "the elevation is shown from the start";

  struct Case {
    C command;
    TChildKind kind;
  } cases[] = {
      {C::DataTitle, TChildKind::Title},
      {C::DataDrilledShaft, TChildKind::DSP},
      {C::DataSoilLayers, TChildKind::SoilLayers},
      {C::DataFactorOfSafety, TChildKind::SP},
      {C::DataWaterTable, TChildKind::PI},
      {C::DataControlOptions, TChildKind::Options},
      {C::DataMultipleLengths, TChildKind::ncvary},
      {C::DataDesignCharts, TChildKind::ncchart},
      {C::DesignLoad, TChildKind::ncPP},
      {C::ShaftLength, TChildKind::cPP},
      {C::ViewElevation, TChildKind::Side},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(fForm->Command(c.command)->text().toStdString());
    emit fForm->DataMenu()->aboutToShow();
    ASSERT_TRUE(fForm->Command(c.command)->isEnabled());
    Trigger(c.command);
    ASSERT_TRUE(fForm->ChildExists(c.kind));
    EXPECT_EQ(fForm->ActiveChild(), fForm->Child(c.kind));
    ASSERT_NE(fForm->MdiArea()->currentSubWindow(), nullptr);
    EXPECT_EQ(fForm->MdiArea()->currentSubWindow()->widget(), fForm->Child(c.kind));
  }
  EXPECT_FALSE(fForm->ncPPExists()) << "the shaft length closed the design load";
  EXPECT_TRUE(fMessages.Texts().isEmpty()) << fMessages.Texts().join('|').toStdString();

  // The document is what the windows stored: it runs as the example does.
  Trigger(C::CompRun);
  EXPECT_TRUE(fMessages.LastText().startsWith("Computations are completed.")) << fMessages.LastText().toStdString();
  for (int k = 0; k < kChildKindCount; ++k) EXPECT_FALSE(fForm->ChildExists(TChildKind(k))) << k;
}

TEST_F(MainFormTest, ProgramRooms_ThreeDViewWithoutOpenGL_SaysSoAndStaysClosed) {
  Start({}, InstallProgramRooms);
  fMessages.Clear();
  Trigger(C::View3D);
  EXPECT_FALSE(fForm->BlockExists());
  EXPECT_EQ(fMessages.Texts().size(), 1);
  for (QAction* action : fForm->ToolBar()->actions()) {
    if (action->text() == "Panning") {
      EXPECT_FALSE(action->isVisible());
    }
  }
}

}  // namespace
