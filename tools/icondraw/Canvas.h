// A small vector painter for the 50 x 50 icon grids: shapes are signed
// distance functions (negative inside) sampled at pixel centres, painted in
// one colour index each, without blending.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace icondraw {

using TShape = std::function<float(float, float)>;
constexpr float Pi = 3.14159265f;

inline TShape Disc(float cx, float cy, float r) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

// Band of half-width w around the circle of radius r.
inline TShape Ring(float cx, float cy, float r, float w) {
  return [=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - w; };
}

// Thick segment with round ends.
inline TShape Stroke(float x0, float y0, float x1, float y1, float w) {
  return [=](float x, float y) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) - w;
  };
}

// Box from (x0, y0) to (x1, y1) in continuous coordinates (pixel i spans
// i..i+1), corners rounded by r.
inline TShape Box(float x0, float y0, float x1, float y1, float r = 0) {
  return [=](float x, float y) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float qx = std::fabs(x - cx) - ((x1 - x0) / 2 - r);
    const float qy = std::fabs(y - cy) - ((y1 - y0) / 2 - r);
    return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) -
           r;
  };
}

// Filled polygon (any winding).
inline TShape Polygon(std::vector<std::pair<float, float>> p) {
  return [=](float x, float y) {
    float d = 1e9f;
    bool inside = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
      const float ex = p[j].first - p[i].first, ey = p[j].second - p[i].second;
      const float wx = x - p[i].first, wy = y - p[i].second;
      const float t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
      d = std::min(d, std::hypot(wx - ex * t, wy - ey * t));
      if ((p[i].second > y) != (p[j].second > y) && x < p[i].first + (y - p[i].second) * ex / ey)
        inside = !inside;
    }
    return inside ? -d : d;
  };
}

// Part of a ring from angle a0 to a1 (degrees, 0 to the right, 90 down),
// with round ends.
inline TShape Arc(float cx, float cy, float r, float w, float a0, float a1) {
  const float r0 = a0 * Pi / 180, r1 = a1 * Pi / 180;
  const float ex0 = cx + r * std::cos(r0), ey0 = cy + r * std::sin(r0);
  const float ex1 = cx + r * std::cos(r1), ey1 = cy + r * std::sin(r1);
  return [=](float x, float y) {
    float a = std::atan2(y - cy, x - cx) * 180 / Pi;
    while (a < a0) a += 360;
    if (a <= a1) return std::fabs(std::hypot(x - cx, y - cy) - r) - w;
    return std::min(std::hypot(x - ex0, y - ey0), std::hypot(x - ex1, y - ey1)) - w;
  };
}

// Part of a ring from angle a0 to a1 with square ends cut along the radii.
inline TShape Sector(float cx, float cy, float r, float w, float a0, float a1) {
  return [=](float x, float y) {
    float a = std::atan2(y - cy, x - cx) * 180 / Pi;
    while (a < (a0 + a1) / 2 - 180) a += 360;
    while (a > (a0 + a1) / 2 + 180) a -= 360;
    const float along = std::max(a0 - a, a - a1) * Pi / 180 * r;
    return std::max(std::fabs(std::hypot(x - cx, y - cy) - r) - w, along);
  };
}

inline TShape Union(TShape a, TShape b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
inline TShape Cut(TShape a, TShape b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
inline TShape Clip(TShape a, TShape b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

struct TCanvas {
  static constexpr int Size = 50;
  uint8_t Pixels[Size][Size] = {};

  // Paints every pixel whose centre lies within grow of the shape.
  void Paint(const TShape& shape, uint8_t colour, float grow = 0) {
    for (int y = 0; y < Size; ++y)
      for (int x = 0; x < Size; ++x)
        if (shape(x + 0.5f, y + 0.5f) <= grow) Pixels[y][x] = colour;
  }
  // The shape in fill, with an outline of the given width around it.
  void Outlined(const TShape& shape, uint8_t fill, uint8_t line, float width) {
    Paint(shape, line, width);
    Paint(shape, fill);
  }
  void Set(int x, int y, uint8_t colour) {
    if (x >= 0 && x < Size && y >= 0 && y < Size) Pixels[y][x] = colour;
  }
  void HSpan(int y, int x0, int x1, uint8_t colour) {
    for (int x = x0; x <= x1; ++x) Set(x, y, colour);
  }
};

}  // namespace icondraw
