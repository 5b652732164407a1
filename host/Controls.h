// The window's own kinds of control: the face picture, the transparent click
// areas laid over the face, and the round alarm lamp.
#pragma once
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture stretched to the control, scaled once per device pixel ratio so
// that a picture drawn at twice the size stays sharp on dense screens.
class TPicture : public QWidget {
  Q_OBJECT
 public:
  explicit TPicture(QWidget* parent);
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return Source; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage Source;
  QPixmap Scaled;
};

// Whole wheel notches in a wheel turn of delta eighths of a degree, keeping
// the part towards the next notch in rest (fine-grained wheels add up).
int WholeNotches(int& rest, int delta);

// A picture control without a picture: the face shows through; a click
// (press and release inside) emits Clicked, the wheel emits whole notches.
class TClickArea : public QWidget {
  Q_OBJECT
 public:
  explicit TClickArea(QWidget* parent);

 signals:
  void Clicked();
  // +1 for a notch away from the user, -1 towards.
  void WheelTurned(int notches);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  bool Pressed = false;
  int WheelRest = 0;  // eighths of a degree towards the next notch
};

// A circle filling the smaller side of the control, one pixel pen.
class TShape : public QWidget {
  Q_OBJECT
 public:
  explicit TShape(QWidget* parent);
  void SetBrushColor(QColor colour);
  QColor BrushColor() const { return Brush; }
  QColor PenColor() const { return Pen; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor Brush{128, 0, 0};
  QColor Pen{128, 0, 0};
};
