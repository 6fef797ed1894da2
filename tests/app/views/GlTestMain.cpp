// Test main of the tests that draw with OpenGL: the 3D view's surface format is made the
// default before the application exists (as the program's main does), and the tests need a
// real display (xvfb-run gives one); on the offscreen platform they refuse to run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSurfaceFormat>
#include <cstdio>

#include "OpenGLSupport.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QSurfaceFormat::setDefaultFormat(BlockViewSurfaceFormat());
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Calverin");
  QApplication::setApplicationName("TORVEX");
  QString reason;
  if (!OpenGLAvailable(&reason)) {
    std::fprintf(stderr, "These tests draw with OpenGL and need a display: %s\n",
                 qPrintable(reason));
    return 1;
  }
  return RUN_ALL_TESTS();
}
