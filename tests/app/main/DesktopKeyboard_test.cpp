// The keyboard on a real window system (xvfb-run): menus pop up as windows of their own and
// give the keyboard back when they close, which the offscreen platform does not show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>

#include "MainTestSupport.h"
#include "ProgramRooms.h"
#include "TDataEdit.h"

namespace {

using main_test::MainFormTest;

// A menu that acts on the document, opened with its accelerator while the shaft diameter
// holds an entry that is no number: the refusal is told, the menu stays shut, and the
// keyboard is back in the diameter, where the user goes on typing.
TEST_F(MainFormTest, MenuRefusedByAnEntry_GivesTheKeyboardBackToTheEntry) {
  Start({CopyExample("sand-over-clay.tv8d")}, InstallProgramRooms);
  fForm->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(fForm.get()));
  fForm->ShowChild(TChildKind::DSP);
  auto* diameter = fForm->Child(TChildKind::DSP)->findChild<TDataEdit*>(QStringLiteral("DataEdit1"));
  ASSERT_NE(diameter, nullptr);

  struct Case {
    Qt::Key Accelerator;
    QMenu* Menu;
  };
  for (const Case& c : {Case{Qt::Key_F, fForm->FileMenu()}, Case{Qt::Key_D, fForm->DataMenu()},
                        Case{Qt::Key_C, fForm->ComputationMenu()},
                        Case{Qt::Key_H, fForm->HelpMenu()}}) {
    SCOPED_TRACE(c.Menu->title().toStdString());
    diameter->setFocus();
    diameter->selectAll();
    QTest::keyClicks(diameter, QStringLiteral("1+"));
    fMessages.Clear();
    QTest::keyClick(diameter, c.Accelerator, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !c.Menu->isVisible() && QApplication::focusWidget() == diameter; }, 2000));
    EXPECT_EQ(fMessages.Texts().size(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
    EXPECT_EQ(diameter->text(), QStringLiteral("1+2"));
  }
}

}  // namespace
