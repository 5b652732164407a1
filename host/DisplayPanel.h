// The display panel: an OpenGL surface that shows the frame buffer one point
// per lit pixel through the colour table.
#pragma once
#include <QString>
#include <QWindow>

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
  // Makes no context current and deletes the rendering context.
  void ReleaseContext();
  bool HasContext() const { return Context != nullptr; }

 signals:
  void Exposed();
  void Concealed();
  void Resized();
  // Delivered when the display is ready for the next frame.
  void FrameDue();

 protected:
  void exposeEvent(QExposeEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  bool MakeCurrent();

  QOpenGLContext* Context = nullptr;
  QSize ProjectedSize;
  qreal ProjectedRatio = 0;
};
