#include "OpenGLSupport.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <optional>

#include "ViewMessages.h"

QSurfaceFormat BlockViewSurfaceFormat() {
  QSurfaceFormat format = QSurfaceFormat::defaultFormat();
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(24);
  format.setAlphaBufferSize(8);
  return format;
}

namespace {

// Empty when OpenGL can be had, else why not.
QString CheckOpenGL() {
  const QString platform = QGuiApplication::platformName();
  // These platforms draw into memory only; an OpenGL window there brings the program down.
  if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
    return QString::fromLatin1(view_text::kNoOpenGLPlatform);
  QOpenGLContext context;
  context.setFormat(BlockViewSurfaceFormat());
  if (!context.create()) return QString::fromLatin1(view_text::kNoOpenGLContext);
  QOffscreenSurface surface;
  surface.setFormat(context.format());
  surface.create();
  if (!surface.isValid() || !context.makeCurrent(&surface))
    return QString::fromLatin1(view_text::kNoOpenGLContext);
  const QSurfaceFormat made = context.format();
  context.doneCurrent();
  if (context.isOpenGLES() || made.profile() == QSurfaceFormat::CoreProfile)
    return QString::fromLatin1(view_text::kNoOpenGLCompatibility);
  return {};
}

}  // namespace

bool OpenGLAvailable(QString* reason) {
  static std::optional<QString> problem;
  if (!problem) problem = CheckOpenGL();
  if (reason) *reason = *problem;
  return problem->isEmpty();
}
