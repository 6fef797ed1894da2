// "Combined Plots": where it opens, what it shows of the view, every change going into the
// view, the size factor's arrows and typed entries, and its life with the view.
#include "TDlgPileDiagrams.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>

#include "TDlgBlock.h"
#include "TResultPlots.h"
#include "TSizeFactorEdit.h"
#include "TglWindow.h"
#include "ViewTestSupport.h"

namespace {

using view_test::ViewDocument;

// A click on a check box or radio button where the user clicks it: on its box.
void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

class PileDiagrams : public ::testing::Test {
 protected:
  PileDiagrams() {
    doc.SetShaft(3, 40);
    doc.SetLayers({{1, 50}});
    main.resize(1000, 700);
    main.move(40, 30);
    view = new TDlgBlock(&plots);
    main.setCentralWidget(view);
    main.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
    view->FormActivate();
  }
  TDlgPileDiagrams* Open() {
    view->UltimateEffectsWindow();
    TDlgPileDiagrams* window = view->PileDiagrams();
    EXPECT_NE(window, nullptr);
    if (window) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    return window;
  }
  int SetUps() {
    view->GrabPicture();
    return view->GlWindow()->SetupCount();
  }

  ViewDocument doc;
  TResultPlots plots;
  QMainWindow main;
  TDlgBlock* view = nullptr;
};

TEST_F(PileDiagrams, OpensOverTheMainWindowInsideItsEdges) {
  TDlgPileDiagrams* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Combined Plots"));
  EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(window->parentWidget(), &main);
  const QRect placed = window->frameGeometry(), frame = main.frameGeometry();
  EXPECT_LE(placed.right(), frame.right());
  EXPECT_LE(placed.bottom(), frame.bottom());
  EXPECT_NEAR(placed.center().x(), frame.left() + frame.width() * 3 / 4, 30);
  // A second command brings up the same window.
  view->UltimateEffectsWindow();
  EXPECT_EQ(view->PileDiagrams(), window);
}

TEST_F(PileDiagrams, OptionsGoIntoTheViewAndSetItUpAgain) {
  TDlgPileDiagrams* window = Open();
  ASSERT_NE(window, nullptr);
  // Until "Show Plots" is checked the rest waits, disabled.
  EXPECT_FALSE(window->ShowPlots()->isChecked());
  EXPECT_FALSE(window->SkinFriction()->isEnabled());
  EXPECT_FALSE(window->SizeFactor()->isEnabled());
  EXPECT_TRUE(window->SkinFriction()->isChecked());
  EXPECT_TRUE(window->UltimateEffects()->isChecked());

  int setUps = SetUps();
  Click(window->ShowPlots());
  EXPECT_TRUE(view->ShowUltimateEffects());
  EXPECT_TRUE(window->SkinFriction()->isEnabled());
  EXPECT_EQ(SetUps(), ++setUps);

  struct Box {
    QCheckBox* box;
    bool TBlockOptions::*option;
  } const boxes[] = {
      {window->SkinFriction(), &TBlockOptions::ShowSkinFriction},
      {window->TipResistance(), &TBlockOptions::ShowTipResistance},
      {window->TotalCapacity(), &TBlockOptions::ShowTotalCapacity},
      {window->ShowMaximumValues(), &TBlockOptions::ShowUltimateEffectsValues},
  };
  for (const Box& b : boxes) {
    const bool before = view->Options().*b.option;
    Click(b.box);
    EXPECT_EQ(view->Options().*b.option, !before) << b.box->text().toStdString();
    EXPECT_EQ(SetUps(), ++setUps);
  }
  Click(window->DesignEffects());
  EXPECT_EQ(view->Options().ShowUltimateResults, kDesignEffects);
  EXPECT_EQ(view->Combineplt(), &plots.pltCombineD());
  Click(window->UltimateEffects());
  EXPECT_EQ(view->Combineplt(), &plots.pltCombine());

  // A change made elsewhere (the main window's menu) shows in the window.
  view->SetShowUltimateEffects(false);
  EXPECT_FALSE(window->ShowPlots()->isChecked());
  EXPECT_FALSE(window->SkinFriction()->isEnabled());
}

TEST_F(PileDiagrams, SizeFactorStepsAndTakesTypedNumbers) {
  TDlgPileDiagrams* window = Open();
  ASSERT_NE(window, nullptr);
  // Focus moves only inside the active window: wait for it on a loaded machine.
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  Click(window->ShowPlots());
  TSizeFactorEdit* field = window->SizeFactor();
  EXPECT_EQ(field->text(), QStringLiteral("1"));
  QTest::mouseClick(window->SizeUp(), Qt::LeftButton);
  EXPECT_EQ(view->Options().UltimateEffectsFactor, 2);
  EXPECT_EQ(field->text(), QStringLiteral("2"));
  QTest::mouseClick(window->SizeDown(), Qt::LeftButton);
  QTest::mouseClick(window->SizeDown(), Qt::LeftButton);
  EXPECT_NEAR(double(view->Options().UltimateEffectsFactor), 0.9, 1e-15);
  EXPECT_EQ(field->text(), QStringLiteral("0.9"));
  // The keyboard's arrows step too.
  field->setFocus();
  QTest::keyClick(field, Qt::Key_Up);
  EXPECT_EQ(view->Options().UltimateEffectsFactor, 1);

  // A typed number (an expression too) is taken on Enter.
  field->selectAll();
  QTest::keyClicks(field, QStringLiteral("5/2"));
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(view->Options().UltimateEffectsFactor, 2.5L);
  EXPECT_TRUE(doc.Messages().Messages().isEmpty());
  // And on leaving the field for another control, but not on a switch of windows.
  field->selectAll();
  QTest::keyClicks(field, QStringLiteral("4"));
  QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QCoreApplication::sendEvent(field, &away);
  EXPECT_EQ(view->Options().UltimateEffectsFactor, 2.5L);
  window->TotalCapacity()->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  EXPECT_EQ(view->Options().UltimateEffectsFactor, 4);
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, QStringLiteral("5/2"));
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(view->Options().UltimateEffectsFactor, 2.5L);

  // Text that is no number is reported and leaves the factor.
  field->selectAll();
  QTest::keyClicks(field, QStringLiteral("big"));
  QTest::keyClick(field, Qt::Key_Return);
  ASSERT_EQ(doc.Messages().Messages().size(), 1);
  EXPECT_TRUE(doc.Messages().LastText().startsWith(QStringLiteral("Entry could not be evaluated")))
      << doc.Messages().LastText().toStdString();
  EXPECT_EQ(view->Options().UltimateEffectsFactor, 2.5L);
  // The arrows then step from the factor the view holds.
  QTest::mouseClick(window->SizeUp(), Qt::LeftButton);
  EXPECT_EQ(view->Options().UltimateEffectsFactor, 3);
}

TEST_F(PileDiagrams, ClosingFreesItAndClosingTheViewClosesIt) {
  QPointer<TDlgPileDiagrams> window = Open();
  ASSERT_TRUE(window);
  QTest::mouseClick(window->CloseButton(), Qt::LeftButton);
  QTRY_VERIFY(!window);
  EXPECT_EQ(view->PileDiagrams(), nullptr);
  // Opened again: a new window with the view's options.
  view->SetShowUltimateEffects(true);
  window = Open();
  ASSERT_TRUE(window);
  EXPECT_TRUE(window->ShowPlots()->isChecked());
  view->close();
  QTRY_VERIFY(!window);
}

}  // namespace
