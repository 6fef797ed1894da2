// wintv2017: the desktop program.
#include <QApplication>
#include <QSurfaceFormat>
#include <cstdio>
#include <cstdlib>

#include "MainText.h"
#include "OpenGLSupport.h"
#include "ProgramRooms.h"
#include "TMainForm.h"

namespace {

// Without a display the window system cannot start; say so instead of failing inside Qt.
bool DisplayMissing() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return false;  // a platform chosen on purpose
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (!x11 || !*x11) && (!wayland || !*wayland);
}

}  // namespace

int main(int argc, char** argv) {
  if (DisplayMissing()) {
    std::fprintf(stderr,
                 "wintv2017 needs a display, and none is set (DISPLAY or WAYLAND_DISPLAY).\n"
                 "On a machine without one, start it under a virtual display: "
                 "xvfb-run -a wintv2017 [problem.tv8d]\n");
    return 1;
  }
  // The 3D view draws with fixed-function OpenGL calls, which need a compatibility profile.
  QSurfaceFormat::setDefaultFormat(BlockViewSurfaceFormat());

  QApplication app(argc, argv);
  QApplication::setOrganizationName(QString::fromLatin1(MainText::kSettingsOrganization));
  QApplication::setApplicationName(QString::fromLatin1(MainText::kSettingsApplication));
  QApplication::setApplicationVersion(QString::fromLatin1(MainText::kVersion));

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  TMainForm window(arguments);
  InstallProgramRooms(window);
  window.resize(1024, 720);
  window.show();
  return app.exec();
}
