// Where OpenGL cannot be had (here the offscreen platform, which has none), the 3D view is
// refused with a message and no OpenGL window is ever made.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "OpenGLSupport.h"
#include "TDlgBlock.h"
#include "TDlgPileDiagrams.h"
#include "TMessageCapture.h"

namespace {

TEST(BlockViewWithoutOpenGL, CommandTellsWhyAndMakesNoWindow) {
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
  QString reason;
  EXPECT_FALSE(OpenGLAvailable(&reason));
  EXPECT_EQ(reason, QStringLiteral("the display system has no OpenGL"));
  TMessageCapture messages;
  EXPECT_EQ(TDlgBlock::Create(nullptr, nullptr), nullptr);
  ASSERT_EQ(messages.Messages().size(), 1);
  EXPECT_EQ(messages.LastText(),
            QStringLiteral("The 3-D View needs OpenGL, which this display does not provide "
                           "(the display system has no OpenGL)."));
  EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);
}

TEST(PileDiagramsPlace, CentredThreeQuartersAcrossAndKeptInsideTheMainWindow) {
  struct Case {
    const char* name;
    QRect main;
    QSize size;
    QPoint topLeft;
  } const cases[] = {
      {"fits", {0, 0, 1000, 800}, {200, 300}, {650, 250}},
      {"moved left from the right edge", {0, 0, 1000, 800}, {600, 300}, {400, 250}},
      {"moved up from the bottom edge", {100, 50, 1000, 300}, {200, 400}, {750, -50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QPoint at = PileDiagramsPosition(c.main, c.size);
    EXPECT_EQ(at, c.topLeft);
    const QRect placed(at, c.size);
    EXPECT_LE(placed.right(), c.main.right());
    EXPECT_LE(placed.bottom(), c.main.bottom());
  }
}

}  // namespace
