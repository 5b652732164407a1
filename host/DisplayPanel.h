// The display panel: an OpenGL surface that shows the frame buffer through
// the colour table, each pixel an exact block of device pixels.
#pragma once
#include <QString>
#include <QWindow>
#include <array>
#include <cstdint>

#include "graphics/FrameBuffer.h"

class QOpenGLContext;

class TDisplayPanel : public QWindow {
  Q_OBJECT
 public:
  TDisplayPanel();
  ~TDisplayPanel() override;

  // The pixel format: 8 bits per colour, no alpha, depth buffer, double
  // buffered, compatibility profile, following the display's refresh.
  static QSurfaceFormat PixelFormat();

  // Creates the rendering context and makes it current, then clears to
  // black. Returns an empty text, or the failure to report.
  QString CreateContext();
  // Viewport and projection for the present size and pixel ratio.
  void SetProjection();
  // Draws the frame buffer into the back buffer and flushes.
  void DrawFrame();
  void SwapBuffers();
  // Draws and swaps when the frame buffer differs from the frame last shown,
  // when the surface was exposed or resized since, or when forced. Returns
  // true when it presented.
  bool Present(bool force = false);
  // The frame last presented (black before the first).
  const uint8_t* ShownFrame() const { return Shown.data(); }
  // Makes no context current and deletes the rendering context.
  void ReleaseContext();
  bool HasContext() const { return Context != nullptr; }

 signals:
  void Exposed();
  void Concealed();
  void Resized();
  // Delivered when the display is ready for the next frame.
  void FrameDue();
  // The right mouse button went down at a global position.
  void ContextMenuRequested(QPoint globalPosition);

 protected:
  void exposeEvent(QExposeEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool MakeCurrent();

  QOpenGLContext* Context = nullptr;
  QSize ProjectedSize;
  qreal ProjectedRatio = 0;
  std::array<uint8_t, FrameBufferSize> Shown{};
  bool SurfaceValid = false;  // false after the surface was exposed or resized
};
