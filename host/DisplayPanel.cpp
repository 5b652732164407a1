#include "host/DisplayPanel.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QExposeEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <cmath>
#include <cstring>

#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"

namespace {

// First device pixel of panel column or row n: panel pixel n covers
// [Edge(n), Edge(n + 1)), so at a ratio of 1.5 blocks of 1 and 2 device
// pixels alternate and no device pixel is left between two blocks.
GLint Edge(int n, qreal ratio) { return static_cast<GLint>(std::floor(n * ratio)); }

}  // namespace

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
  // One unit per device pixel, y growing downward.
  const GLsizei w = static_cast<GLsizei>(std::lround(width() * ratio));
  const GLsizei h = static_cast<GLsizei>(std::lround(height() * ratio));
  glViewport(0, 0, w, h);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(0, w, h, 0);
  glMatrixMode(GL_MODELVIEW);
  ProjectedSize = size();
  ProjectedRatio = ratio;
}

void TDisplayPanel::DrawFrame() {
  if (!MakeCurrent()) return;
  if (ProjectedSize != size() || ProjectedRatio != devicePixelRatio()) SetProjection();
  const qreal ratio = ProjectedRatio;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  // Frame-buffer pixel (x, y) is panel pixel (x, y + 1): the panel's top row
  // and right-most column stay black. A run of one colour along a row is
  // one quad whose edges lie on device pixel edges.
  std::array<uint8_t, FrameBufferSize * 3> rgb;
  FrameColours(FrameBuffer, 1, 3, rgb.data());
  glBegin(GL_QUADS);
  for (int y = 0; y < ScreenHeight; ++y) {
    const uint8_t* row = &rgb[y * ScreenWidth * 3];
    const GLint top = Edge(y + 1, ratio), bottom = Edge(y + 2, ratio);
    for (int x = 0; x < ScreenWidth;) {
      const uint8_t* c = row + x * 3;
      int end = x + 1;
      while (end < ScreenWidth && std::memcmp(row + end * 3, c, 3) == 0) ++end;
      if (c[0] != 0 || c[1] != 0 || c[2] != 0) {
        const GLint left = Edge(x, ratio), right = Edge(end, ratio);
        glColor3ub(c[0], c[1], c[2]);
        glVertex2i(left, top);
        glVertex2i(right, top);
        glVertex2i(right, bottom);
        glVertex2i(left, bottom);
      }
      x = end;
    }
  }
  glEnd();
  glFlush();
}

bool TDisplayPanel::Present(bool force) {
  const bool same = SurfaceValid && std::memcmp(Shown.data(), FrameBuffer, FrameBufferSize) == 0;
  if (same && !force) return false;
  DrawFrame();
  SwapBuffers();
  std::memcpy(Shown.data(), FrameBuffer, FrameBufferSize);
  SurfaceValid = true;
  return true;
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
  // A newly exposed or resized surface has no defined contents.
  SurfaceValid = false;
  if (isExposed())
    emit Exposed();
  else
    emit Concealed();
}

void TDisplayPanel::resizeEvent(QResizeEvent*) {
  SurfaceValid = false;
  emit Resized();
}

void TDisplayPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton)
    emit ContextMenuRequested(event->globalPosition().toPoint());
  else
    QWindow::mousePressEvent(event);
}

bool TDisplayPanel::event(QEvent* event) {
  if (event->type() == QEvent::UpdateRequest) {
    emit FrameDue();
    return true;
  }
  return QWindow::event(event);
}
