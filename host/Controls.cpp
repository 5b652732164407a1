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

void TClickArea::wheelEvent(QWheelEvent* event) {
  // A notch is 120 eighths of a degree; fine-grained wheels add up to one.
  WheelRest += event->angleDelta().y();
  while (WheelRest >= 120) {
    WheelRest -= 120;
    emit WheelTurned(1);
  }
  while (WheelRest <= -120) {
    WheelRest += 120;
    emit WheelTurned(-1);
  }
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
