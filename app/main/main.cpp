// wintv2017: the desktop program.
#include <QApplication>
#include <QMainWindow>
#include <QSurfaceFormat>

int main(int argc, char** argv) {
  // The 3D view draws with fixed-function OpenGL calls, which need a compatibility profile.
  QSurfaceFormat format;
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  QSurfaceFormat::setDefaultFormat(format);

  QApplication app(argc, argv);
  QApplication::setOrganizationName("Calverin");
  QApplication::setApplicationName("TORVEX");
  QApplication::setApplicationVersion("2017.8.11");

  QMainWindow window;
  window.setWindowTitle("TORVEX 2017");
  window.resize(1024, 720);
  window.show();
  return app.exec();
}
