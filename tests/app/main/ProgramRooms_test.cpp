// The program as it starts: the main window with the input windows and the shaft views
// registered. Every Data command opens its window, the elevation is shown from the start,
// and a run closes them all.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <QToolBar>

#include "MainTestSupport.h"
#include "ProgramRooms.h"
#include "TDataEdit.h"
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

// A shaft diameter that is no number, then the user is elsewhere (another program) and comes
// back by clicking into the water table: the frame is activated with the keyboard in the
// water table, the shaft window refuses, and the frame then finishes that activation. The
// refusal is told once, the shaft window keeps the front and the keyboard, and the frame
// coming to the front again asks nothing more.
TEST_F(MainFormTest, ProgramRooms_RefusedEntryLeftByAClickIntoAnotherWindow_ToldOnce) {
  Start({CopyExample("sand-over-clay.tv8d")}, InstallProgramRooms);
  fForm->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(fForm.get()));
  Trigger(C::DataWaterTable);
  Trigger(C::DataDrilledShaft);
  TChildForm* shaft = fForm->Child(TChildKind::DSP);
  TChildForm* water = fForm->Child(TChildKind::PI);
  auto* diameter = shaft->findChild<TDataEdit*>(QStringLiteral("DataEdit1"));
  ASSERT_NE(diameter, nullptr);
  diameter->setFocus();
  diameter->selectAll();
  QTest::keyClicks(diameter, QStringLiteral("1+"));
  fMessages.Clear();

  QWidget elsewhere;
  auto leaveAndComeBack = [&](const std::function<void()>& whileAway) {
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    whileAway();
    fForm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fForm.get()));
    QApplication::processEvents();
  };
  QLabel* waterLabel = water->findChild<QLabel*>();
  ASSERT_NE(waterLabel, nullptr);
  leaveAndComeBack([&] { QTest::mousePress(waterLabel, Qt::LeftButton); });
  QTest::mouseRelease(waterLabel, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(fMessages.Texts(), QStringList({"Entry could not be evaluated:\ninvalid expression"}));
  EXPECT_EQ(fForm->ActiveChild(), shaft);
  ASSERT_NE(fForm->MdiArea()->currentSubWindow(), nullptr);
  EXPECT_EQ(fForm->MdiArea()->currentSubWindow()->widget(), shaft);
  EXPECT_EQ(QApplication::focusWidget(), diameter);

  leaveAndComeBack([] {});
  EXPECT_EQ(fMessages.Texts().size(), 1) << fMessages.Texts().join('|').toStdString();
  EXPECT_EQ(QApplication::focusWidget(), diameter);

  // Mended, the entry is stored when the user goes to the water table.
  diameter->selectAll();
  QTest::keyClicks(diameter, QStringLiteral("2.5"));
  QTest::mouseClick(water->findChild<TDataEdit*>(QStringLiteral("DataEdit1")), Qt::LeftButton);
  EXPECT_EQ(fForm->ActiveChild(), water);
  EXPECT_EQ(ProgramData->DSTART, 2.5L);
  EXPECT_EQ(fMessages.Texts().size(), 1);
}

}  // namespace
