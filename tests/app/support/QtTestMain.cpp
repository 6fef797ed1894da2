// Test main for the desktop program's tests: GoogleTest first, then the application
// object that widgets and Qt's file and locale services need.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Test discovery runs the executable without the test environment (no display).
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Calverin");
  QApplication::setApplicationName("TORVEX");
  return RUN_ALL_TESTS();
}
