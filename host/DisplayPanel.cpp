#include "host/DisplayPanel.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QExposeEvent>
#include <QOpenGLContext>
#include <cmath>

#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"

TDisplayPanel::TDisplayPanel() {
  setSurfaceType(QSurface::OpenGLSurface);
  setFormat(PixelFormat());
}

TDisplayPanel::~TDisplayPanel() { ReleaseContext(); }

QSurfaceFormat TDisplayPanel::PixelFormat() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setRedBufferSize(8);
  format.setGreenBufferSize(8);
  format.setBlueBufferSize(8);
  format.setAlphaBufferSize(0);
  format.setDepthBufferSize(24);
  format.setStencilBufferSize(0);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  format.setSwapInterval(1);
  return format;
}

QString TDisplayPanel::CreateContext() {
  create();
  auto* context = new QOpenGLContext(this);
  context->setFormat(format());
  if (!context->create()) {
    delete context;
    return "Creating Rendering Context failed.";
  }
  Context = context;
  if (!Context->makeCurrent(this)) return "MakeCurrent of rendering context failed.";
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  return {};
}

bool TDisplayPanel::MakeCurrent() { return Context != nullptr && Context->makeCurrent(this); }

void TDisplayPanel::SetProjection() {
  if (!MakeCurrent()) return;
  const qreal ratio = devicePixelRatio();
  const int w = width(), h = height();
  // The viewport starts one row below the surface, so the top row stays
  // black; frame-buffer y grows downward. Each pixel is a ratio x ratio
  // block of device pixels, and the half-pixel offset of the projection puts
  // each vertex on its block's centre, so no point straddles a pixel edge.
  const int r = static_cast<int>(std::lround(ratio));
  glViewport(0, -r, static_cast<GLsizei>(std::lround(w * ratio)),
             static_cast<GLsizei>(std::lround(h * ratio)));
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(-0.5, w - 0.5, h - 0.5, -0.5);
  glMatrixMode(GL_MODELVIEW);
  glPointSize(static_cast<GLfloat>(ratio));
  ProjectedSize = size();
  ProjectedRatio = ratio;
}

void TDisplayPanel::DrawFrame() {
  if (!MakeCurrent()) return;
  if (ProjectedSize != size() || ProjectedRatio != devicePixelRatio()) SetProjection();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glBegin(GL_POINTS);
  const uint8_t* pixel = FrameBuffer;
  for (GLint y = 0; y < ScreenHeight; ++y)
    for (GLint x = 0; x < ScreenWidth; ++x) {
      const TRgb c = ColourOf(*pixel++);
      if (c.R == 0 && c.G == 0 && c.B == 0) continue;
      glColor3ub(c.R, c.G, c.B);
      glVertex2i(x, y);
    }
  glEnd();
  glFlush();
}

void TDisplayPanel::SwapBuffers() {
  if (MakeCurrent() && isExposed()) Context->swapBuffers(this);
}

void TDisplayPanel::ReleaseContext() {
  if (Context == nullptr) return;
  Context->doneCurrent();
  delete Context;
  Context = nullptr;
}

void TDisplayPanel::exposeEvent(QExposeEvent*) {
  if (isExposed())
    emit Exposed();
  else
    emit Concealed();
}

void TDisplayPanel::resizeEvent(QResizeEvent*) { emit Resized(); }

bool TDisplayPanel::event(QEvent* event) {
  if (event->type() == QEvent::UpdateRequest) {
    emit FrameDue();
    return true;
  }
  return QWindow::event(event);
}
