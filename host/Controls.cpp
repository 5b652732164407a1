#include "host/Controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

TPicture::TPicture(QWidget* parent) : QWidget(parent) {}

void TPicture::SetPicture(const QImage& picture) {
  Source = picture;
  Scaled = QPixmap();
  update();
}

void TPicture::paintEvent(QPaintEvent*) {
  if (Source.isNull()) return;
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  if (Scaled.size() != pixels) {
    Scaled =
        QPixmap::fromImage(Source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    Scaled.setDevicePixelRatio(ratio);
  }
  QPainter(this).drawPixmap(0, 0, Scaled);
}

TClickArea::TClickArea(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_NoSystemBackground);
  setCursor(Qt::PointingHandCursor);
}

void TClickArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Pressed = true;
}

void TClickArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !Pressed) return;
  Pressed = false;
  if (rect().contains(event->position().toPoint())) emit Clicked();
}

int WholeNotches(int& rest, int delta) {
  // A notch is 120 eighths of a degree.
  rest += delta;
  const int notches = rest / 120;
  rest -= notches * 120;
  return notches;
}

void TClickArea::wheelEvent(QWheelEvent* event) {
  for (int n = WholeNotches(WheelRest, event->angleDelta().y()); n != 0; n -= n > 0 ? 1 : -1)
    emit WheelTurned(n > 0 ? 1 : -1);
  event->accept();
}

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::SetBrushColor(QColor colour) {
  if (colour == Brush) return;
  Brush = colour;
  update();
}

void TShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int side = qMin(width(), height());
  const QRectF circle((width() - side) / 2.0 + 0.5, (height() - side) / 2.0 + 0.5, side - 1,
                      side - 1);
  p.setPen(QPen(Pen, 1));
  p.setBrush(Brush);
  p.drawEllipse(circle);
}
