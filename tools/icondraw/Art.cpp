#include "Art.h"

namespace icondraw {
namespace {

enum : uint8_t {
  Black = 0,
  Olive = 3,
  DarkGrey = 7,
  LightGrey = 8,
  Red = 9,
  Green = 10,
  Yellow = 11,
  Blue = 12,
  Magenta = 13,
  White = 15,
  Grey = 229,
};

// Exclamation mark: a bar narrowing downwards with rounded ends, and a
// round dot well apart so that the two outlines stay separate.
TShape ExclamationMark(float cx, float top, float scale) {
  const float s = scale, r = 1.2f * s;
  TShape bar = Polygon({{cx - 2.7f * s, top + r},
                        {cx + 2.7f * s, top + r},
                        {cx + 1.3f * s, top + 17 * s},
                        {cx - 1.3f * s, top + 17 * s}});
  return Union(Disc(cx, top + 25.5f * s, 3.4f * s),
               [=](float x, float y) { return bar(x, y) - r; });
}

// Question mark: a hook, a short stem and a dot.
TShape QuestionMark(float cx, float top, float scale) {
  const float s = scale, w = 2.8f * s, r = 8.5f * s, cy = top + 8.5f * s;
  TShape hook = Arc(cx, cy, r, w, 170, 400);
  const float a = 400 * Pi / 180;
  const float hx = cx + r * std::cos(a), hy = cy + r * std::sin(a);
  TShape stem = Stroke(hx, hy, cx, top + 18 * s, w);
  stem = Union(stem, Stroke(cx, top + 18 * s, cx, top + 19 * s, w));
  return Union(Union(hook, stem), Disc(cx, top + 29 * s, 3.2f * s));
}

void DrawMessageIcon(TCanvas& c, const TShape& mark) {
  c.Paint(Ring(25, 25, 22.3f, 1.5f), White);
  c.Outlined(mark, Red, White, 1.5f);
}

// Rows of the calibration marks: {row, first, last} spans.
struct TSpan {
  int Row, First, Last;
};

const TSpan TickSpans[] = {
    {8, 38, 40},  {9, 37, 41},  {10, 36, 41}, {11, 36, 41}, {12, 35, 41}, {13, 35, 40},
    {14, 34, 40}, {15, 33, 39}, {16, 33, 39}, {17, 32, 38}, {18, 32, 37}, {19, 31, 37},
    {20, 31, 36}, {21, 30, 36}, {22, 30, 35}, {23, 29, 35}, {24, 28, 34}, {25, 28, 34},
    {26, 27, 33}, {27, 11, 14}, {27, 27, 32}, {28, 10, 15}, {28, 26, 32}, {29, 10, 16},
    {29, 26, 31}, {30, 10, 17}, {30, 25, 31}, {31, 11, 18}, {31, 25, 30}, {32, 12, 19},
    {32, 24, 30}, {33, 13, 20}, {33, 23, 29}, {34, 14, 21}, {34, 23, 29}, {35, 15, 28},
    {36, 16, 27}, {37, 17, 27}, {38, 18, 26}, {39, 19, 26}, {40, 20, 25}, {41, 21, 24},
};

const TSpan CrossSpans[] = {
    {8, 8, 11},   {8, 37, 41},  {9, 8, 12},   {9, 36, 41},  {10, 8, 13},  {10, 35, 41},
    {11, 8, 14},  {11, 34, 41}, {12, 8, 15},  {12, 33, 40}, {13, 9, 16},  {13, 32, 39},
    {14, 10, 17}, {14, 31, 38}, {15, 11, 18}, {15, 30, 37}, {16, 12, 19}, {16, 29, 36},
    {17, 13, 20}, {17, 28, 35}, {18, 14, 21}, {18, 27, 34}, {19, 15, 22}, {19, 26, 33},
    {20, 16, 23}, {20, 25, 32}, {21, 17, 31}, {22, 18, 30}, {23, 19, 29}, {24, 20, 28},
    {25, 21, 28}, {26, 20, 29}, {27, 19, 30}, {28, 18, 31}, {29, 17, 32}, {30, 16, 23},
    {30, 26, 33}, {31, 15, 22}, {31, 27, 34}, {32, 14, 21}, {32, 28, 35}, {33, 13, 20},
    {33, 29, 36}, {34, 12, 19}, {34, 30, 37}, {35, 11, 18}, {35, 31, 38}, {36, 10, 17},
    {36, 32, 39}, {37, 9, 16},  {37, 33, 40}, {38, 8, 15},  {38, 34, 41}, {39, 8, 14},
    {39, 35, 41}, {40, 8, 13},  {40, 36, 41}, {41, 8, 12},  {41, 37, 41},
};

template <size_t N>
void DrawSpans(TCanvas& c, const TSpan (&spans)[N], uint8_t colour) {
  for (const TSpan& s : spans) c.HSpan(s.Row, s.First, s.Last, colour);
}

// Arrow from (x0, y0) to the tip (x1, y1): a shaft and a triangular head.
TShape Arrow(float x0, float y0, float x1, float y1, float shaft, float head, float headLength) {
  const float dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
  const float ux = dx / len, uy = dy / len;
  const float bx = x1 - ux * headLength, by = y1 - uy * headLength;
  TShape body = Polygon({{x0 - uy * shaft, y0 + ux * shaft},
                         {bx - uy * shaft, by + ux * shaft},
                         {bx + uy * shaft, by - ux * shaft},
                         {x0 + uy * shaft, y0 - ux * shaft}});
  TShape tip =
      Polygon({{bx - uy * head, by + ux * head}, {x1, y1}, {bx + uy * head, by - ux * head}});
  return Union(body, tip);
}

void DrawFlightTimer(TCanvas& c) {
  c.Paint(Box(8, 3, 42, 47, 1.5f), White);
  // Folded corner.
  c.Paint(Polygon({{34, 3}, {42.5f, 3}, {42.5f, 11.5f}}), Black);
  c.Paint(Polygon({{34, 3}, {34, 11}, {42, 11}}), LightGrey);
  const uint8_t ink[] = {Blue, Red, Blue, Green, Blue, Red};
  const int lengths[] = {18, 26, 22, 27, 16, 24};
  for (int i = 0; i < 6; ++i) {
    const float y = 9 + i * 6.2f;
    const float right = 13 + lengths[i] - (i == 0 ? 0 : 0);
    c.Paint(Box(13, y, i == 0 ? 31 : right, y + 2.6f), ink[i]);
  }
}

void DrawGForce(TCanvas& c) {
  c.Outlined(Disc(25, 25, 8.5f), LightGrey, DarkGrey, 1.2f);
  c.Paint(Disc(22.5f, 22.5f, 2.5f), White);
  c.Paint(Arrow(25, 14, 25, 1.5f, 2.2f, 6, 6), Blue);
  c.Paint(Arrow(14, 25, 1.5f, 25, 2.2f, 6, 6), Yellow);
  c.Paint(Arrow(36, 25, 48.5f, 25, 2.2f, 6, 6), Green);
  c.Paint(Arrow(25, 36, 25, 48.5f, 2.2f, 6, 6), Magenta);
}

void DrawTime(TCanvas& c) {
  // Bells and legs behind the case.
  c.Paint(Clip(Disc(12, 12, 8), Cut(Disc(12, 12, 8), Disc(25, 27, 18.5f))), Grey);
  c.Paint(Clip(Disc(38, 12, 8), Cut(Disc(38, 12, 8), Disc(25, 27, 18.5f))), Grey);
  c.Paint(Stroke(14, 40, 10, 46, 2), Grey);
  c.Paint(Stroke(36, 40, 40, 46, 2), Grey);
  c.Paint(Stroke(25, 6, 25, 9, 1.5f), Grey);
  c.Paint(Disc(25, 27, 17), White);
  c.Paint(Disc(25, 27, 13.5f), Black);
  for (int h = 0; h < 12; h += 3) {
    const float a = h * 30 * Pi / 180;
    c.Paint(Stroke(25 + 10.5f * std::cos(a), 27 + 10.5f * std::sin(a), 25 + 13 * std::cos(a),
                   27 + 13 * std::sin(a), 1.1f),
            White);
  }
  c.Paint(Stroke(25, 27, 25, 17.5f, 1.6f), Yellow);
  c.Paint(Stroke(25, 27, 32, 30, 1.6f), Yellow);
  c.Paint(Disc(25, 27, 2.2f), Yellow);
}

void DrawVolts(TCanvas& c) {
  c.Paint(Box(3, 7, 47, 43, 4), White);
  c.Paint(Arc(25, 37, 17, 2.8f, 200, 340), Blue);
  for (int i = 0; i <= 4; ++i) {
    const float a = (205 + i * 32.5f) * Pi / 180;
    c.Paint(Stroke(25 + 20 * std::cos(a), 37 + 20 * std::sin(a), 25 + 23.5f * std::cos(a),
                   37 + 23.5f * std::sin(a), 0.8f),
            Black);
  }
  c.Paint(Stroke(25, 37, 35, 21, 1.2f), Red);
  c.Paint(Disc(25, 37, 3), Black);
}

void DrawCurrent(TCanvas& c) {
  c.Paint(Box(8, 23, 42, 47, 1.5f), LightGrey);
  c.Paint(Box(11, 26, 39, 44), Green);
  c.Paint(Box(12, 20, 18, 23), LightGrey);
  c.Paint(Box(32, 20, 38, 23), LightGrey);
  c.Paint(Box(13, 33.5f, 21, 36.5f), Black);
  c.Paint(Box(15.5f, 31, 18.5f, 39), Black);
  c.Paint(Box(29, 33.5f, 37, 36.5f), Black);
  auto bolt = [](float x, float y) {
    return Polygon({{x + 4, y},
                    {x + 10, y},
                    {x + 6, y + 7},
                    {x + 10, y + 7},
                    {x + 1, y + 17},
                    {x + 3.5f, y + 9.5f},
                    {x, y + 9.5f}});
  };
  c.Paint(bolt(9, 1), Yellow);
  c.Paint(bolt(31, 1), Yellow);
}

void DrawOat(TCanvas& c) {
  c.Paint(Stroke(25, 6, 25, 34, 6), White);
  c.Paint(Disc(25, 39, 9.5f), White);
  c.Paint(Stroke(25, 6, 25, 34, 3), Black);
  c.Paint(Disc(25, 39, 6.5f), Red);
  c.Paint(Box(23, 17, 27, 36), Red);
  for (int i = 0; i < 5; ++i) c.Paint(Box(34, 8 + i * 5.5f, i % 2 ? 38 : 41, 10 + i * 5.5f), White);
}

void DrawSlip(TCanvas& c) {
  const TShape tube = Sector(25, 2, 29, 7, 47, 133);
  c.Outlined(tube, LightGrey, DarkGrey, 1.3f);
  c.Paint(Sector(25, 2, 24.6f, 0.7f, 53, 127), White);
  c.Paint(Clip(Box(16, 0, 17, 50), tube), DarkGrey);
  c.Paint(Clip(Box(33, 0, 34, 50), tube), DarkGrey);
  c.Paint(Disc(25, 31, 5.6f), Yellow);
}

void DrawMisc(TCanvas& c) {
  // Top left: question mark.
  c.Paint(QuestionMark(12.5f, 2.8f, 0.6f), Red);
  // Top right: sun.
  c.Paint(Disc(37.5f, 12.5f, 5), Yellow);
  for (int i = 0; i < 8; ++i) {
    const float a = i * 45 * Pi / 180;
    c.Paint(Stroke(37.5f + 7.5f * std::cos(a), 12.5f + 7.5f * std::sin(a), 37.5f + 10 * std::cos(a),
                   12.5f + 10 * std::sin(a), 1.1f),
            Yellow);
  }
  // Bottom left: padlock.
  c.Paint(Union(Arc(12.5f, 32, 5.2f, 1.7f, 180, 360),
                Union(Stroke(7.3f, 32, 7.3f, 37, 1.7f), Stroke(17.7f, 32, 17.7f, 37, 1.7f))),
          Grey);
  c.Paint(Box(4, 36, 21, 48, 1), Grey);
  c.Paint(Box(11, 39, 14, 45), Black);
  // Bottom right: circled i.
  c.Paint(Ring(37.5f, 37.5f, 9, 1.5f), Green);
  c.Paint(Disc(37.5f, 32.5f, 1.7f), Green);
  c.Paint(Box(36, 35.5f, 39, 43), Green);
}

void DrawAdc(TCanvas& c) {
  // Green square wave.
  const float lo = 45, hi = 35;
  const float edges[] = {2, 10, 18, 26, 34, 42, 48};
  for (int i = 0; i + 1 < 7; ++i) {
    const float y = i % 2 ? hi : lo;
    c.Paint(Stroke(edges[i], y, edges[i + 1], y, 1.3f), Green);
    if (i + 2 < 7) c.Paint(Stroke(edges[i + 1], lo, edges[i + 1], hi, 1.3f), Green);
  }
  // Sine waves as chains of round-ended strokes, so the ends are round too.
  auto wave = [&](float centre, float phase, float amplitude, float period, uint8_t colour) {
    const float k = 2 * Pi / period;
    for (float x = 4; x < 46; x += 1) {
      c.Paint(Stroke(x, centre - amplitude * std::sin(k * (x - 4) + phase), x + 1,
                     centre - amplitude * std::sin(k * (x - 3) + phase), 1.7f),
              colour);
    }
  };
  wave(11, 0, 6.5f, 42, Yellow);
  wave(26.5f, Pi / 2, 3.5f, 14, Red);
}

}  // namespace

std::vector<TIconArt> DrawAllIcons() {
  std::vector<TIconArt> icons;
  auto add = [&](std::string name, std::string file, std::string comment, auto draw) {
    TIconArt art{std::move(name), std::move(file), std::move(comment), {}};
    draw(art.Canvas);
    icons.push_back(art);
  };
  add("IconAttention", "Attention.icon",
      "red exclamation mark outlined in white, in a white circle",
      [](TCanvas& c) { DrawMessageIcon(c, ExclamationMark(25, 9.8f, 1.0f)); });
  add("IconQuestion", "Question.icon", "red question mark outlined in white, in a white circle",
      [](TCanvas& c) { DrawMessageIcon(c, QuestionMark(25, 10.3f, 1.0f)); });
  add("IconTick", "Tick.icon", "green tick: calibration step ready",
      [](TCanvas& c) { DrawSpans(c, TickSpans, Green); });
  add("IconCross", "Cross.icon", "red diagonal cross: calibration step not ready",
      [](TCanvas& c) { DrawSpans(c, CrossSpans, Red); });
  add("IconFlightTimer", "FlightTimer.icon", "white log sheet with rows of coloured writing",
      DrawFlightTimer);
  add("IconGForce", "GForce.icon",
      "grey ball with four arrows: blue up, yellow left, green right, magenta down", DrawGForce);
  add("IconTime", "Time.icon", "white alarm clock with grey bells and yellow hands", DrawTime);
  add("IconVolts", "Volts.icon", "white meter face with a blue scale band", DrawVolts);
  add("IconCurrent", "Current.icon",
      "green battery in a grey outline with plus and minus marks, two yellow lightning bolts "
      "above",
      DrawCurrent);
  add("IconOat", "Oat.icon", "white thermometer with red liquid", DrawOat);
  add("IconSlip", "Slip.icon", "grey curved tube with a yellow ball", DrawSlip);
  add("IconMisc", "Misc.icon",
      "four small symbols: red question mark, yellow sun, grey padlock, green circled i", DrawMisc);
  add("IconAdc", "Adc.icon", "yellow and red waveform over a green square wave", DrawAdc);
  return icons;
}

}  // namespace icondraw
