// Draws the picture of the instrument's face shown behind the display, at
// twice the size it is shown so that it stays sharp on high-density screens.
// The control showing it is 241 x 249 pixels; the picture is square and is
// stretched to the control, so positions are given in control pixels here.
// The same drawing, with the display lit and the corners clear, makes the
// application icon in the sizes a desktop asks for.
//
//   axim7-facegen assets/face.jpg
//   axim7-facegen --icons assets/appicon
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

constexpr int Side = 498;  // two picture pixels per control row
constexpr double ScaleX = Side / 241.0;
constexpr double ScaleY = Side / 249.0;

QPointF At(double x, double y) { return {x * ScaleX, y * ScaleY}; }

void DrawBezel(QPainter& p) {
  const QPointF centre(Side / 2.0, Side / 2.0);
  QRadialGradient rim(centre, Side / 2.0);
  rim.setColorAt(0.90, QColor(70, 70, 72));
  rim.setColorAt(0.96, QColor(38, 38, 40));
  rim.setColorAt(1.00, QColor(20, 20, 20));
  p.setPen(Qt::NoPen);
  p.setBrush(rim);
  p.drawEllipse(centre, Side / 2.0 - 2, Side / 2.0 - 2);
  p.setBrush(QColor(8, 8, 8));
  p.drawEllipse(centre, Side / 2.0 - 16, Side / 2.0 - 16);
}

// A dark frame round the display window (the display itself covers its inside).
void DrawDisplayWindow(QPainter& p) {
  const QRectF window(At(40, 57), At(201, 178));
  p.setPen(QPen(QColor(60, 60, 64), 3));
  p.setBrush(QColor(0, 0, 0));
  p.drawRoundedRect(window.adjusted(-7, -7, 7, 7), 8, 8);
}

void DrawBrand(QPainter& p) {
  const QPointF mark = At(120.5, 33);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(mark, 7, 7);

  QFont script("Z003");
  script.setStyleStrategy(QFont::PreferOutline);
  script.setPixelSize(44);
  p.setFont(script);
  p.setPen(QColor(236, 236, 236));
  p.drawText(QPointF(mark.x() + 22, mark.y() + 14), "Orlyn");
}

void DrawLegend(QPainter& p, QPointF centre, const char* label, bool up) {
  const QColor grey(200, 200, 204);
  p.setPen(QPen(QColor(58, 58, 62), 3));
  p.setBrush(QColor(24, 24, 26));
  p.drawEllipse(centre, 31, 31);

  QFont font("DejaVu Sans");
  font.setPixelSize(20);
  font.setBold(true);
  p.setFont(font);
  p.setPen(grey);
  p.drawText(QRectF(centre.x() - 30, centre.y() - 27, 60, 26), Qt::AlignCenter, label);

  const double x = centre.x(), y = centre.y() + 12, h = 10, w = 12;
  QPainterPath triangle;
  if (up) {
    triangle.moveTo(x, y - h);
    triangle.lineTo(x + w, y + h);
    triangle.lineTo(x - w, y + h);
  } else {
    triangle.moveTo(x - w, y - h);
    triangle.lineTo(x + w, y - h);
    triangle.lineTo(x, y + h);
  }
  triangle.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(grey);
  p.drawPath(triangle);
}

void DrawKnob(QPainter& p) {
  const QPointF centre = At(120.5, 216.5);
  const double r = 38;
  // Knurled rim.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 150, 154));
  p.drawEllipse(centre, r + 3, r + 3);
  QRadialGradient face(centre - QPointF(r * 0.35, r * 0.35), r * 1.6);
  face.setColorAt(0.0, QColor(255, 255, 255));
  face.setColorAt(0.6, QColor(244, 244, 246));
  face.setColorAt(1.0, QColor(196, 196, 200));
  p.setBrush(face);
  p.drawEllipse(centre, r, r);
}

// A lit display for the icon, so that the small pictures read as an
// instrument: a title strip, a dial arc and its needle.
void DrawLitDisplay(QPainter& p) {
  const QRectF screen(At(44, 61), At(197, 174));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(10, 22, 48));
  p.drawRect(screen);
  p.setBrush(QColor(0, 170, 200));
  p.drawRect(QRectF(screen.topLeft(), QSizeF(screen.width(), screen.height() * 0.16)));

  const QPointF hub(screen.center().x(), screen.bottom() - screen.height() * 0.12);
  const double r = screen.height() * 0.62;
  const QRectF dial(hub - QPointF(r, r), QSizeF(2 * r, 2 * r));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(40, 210, 70), r * 0.16, Qt::SolidLine, Qt::FlatCap));
  p.drawArc(dial, 20 * 16, 100 * 16);
  p.setPen(QPen(QColor(245, 200, 30), r * 0.16, Qt::SolidLine, Qt::FlatCap));
  p.drawArc(dial, 120 * 16, 25 * 16);
  p.setPen(QPen(QColor(230, 40, 30), r * 0.16, Qt::SolidLine, Qt::FlatCap));
  p.drawArc(dial, 145 * 16, 15 * 16);
  p.setPen(QPen(Qt::white, r * 0.07, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(hub, hub + QPointF(-r * 0.55, -r * 0.72));
}

QImage DrawFace(bool icon) {
  QImage image(Side, Side, QImage::Format_ARGB32_Premultiplied);
  image.fill(icon ? QColor(Qt::transparent) : QColor(240, 240, 240));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  DrawBezel(p);
  DrawDisplayWindow(p);
  if (icon) DrawLitDisplay(p);
  DrawBrand(p);
  DrawLegend(p, At(68.5, 208.5), "F1", true);
  DrawLegend(p, At(170.5, 208.5), "F2", false);
  DrawKnob(p);
  return image;
}

// The icon in every size of the desktop's icon theme, as DIR/axim7-sim-N.png,
// each stamped with the command that made it.
bool WriteIcons(const QString& dir) {
  const QImage face = DrawFace(true);
  for (int size : {16, 32, 48, 64, 128, 256}) {
    QImage icon = face.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_ARGB32);
    icon.setText("Comment", "Made by: axim7-facegen --icons " + dir);
    const QString path = QString("%1/axim7-sim-%2.png").arg(dir).arg(size);
    if (!icon.save(path, "PNG")) {
      std::fprintf(stderr, "axim7-facegen: cannot write %s\n", qPrintable(path));
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const bool icons = argc == 3 && QString(argv[1]) == "--icons";
  if (argc != 2 && !icons) {
    std::fprintf(stderr, "usage: axim7-facegen OUTPUT.jpg | axim7-facegen --icons DIR\n");
    return 2;
  }
  if (!QFontDatabase::hasFamily("Z003")) {
    std::fprintf(stderr, "axim7-facegen: the script face Z003 (fonts-urw-base35) is missing\n");
    return 1;
  }
  if (icons) return WriteIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
  const QImage image = DrawFace(false).convertToFormat(QImage::Format_RGB32);
  if (!image.save(QString::fromLocal8Bit(argv[1]), "JPEG", 92)) {
    std::fprintf(stderr, "axim7-facegen: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
