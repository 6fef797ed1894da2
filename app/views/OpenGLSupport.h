#pragma once
// Whether this display gives the 3D view what it draws with: an OpenGL context with the
// fixed-function calls (a compatibility profile). Checked once per run with a small context
// of its own, before any OpenGL window is made; the offscreen and minimal platforms have
// none.
#include <QString>

// True when the 3D view can draw; otherwise `reason` (when given) says why not.
bool OpenGLAvailable(QString* reason = nullptr);

// The surface format of the 3D view: OpenGL 2.1, compatibility profile, depth buffer.
class QSurfaceFormat;
QSurfaceFormat BlockViewSurfaceFormat();
