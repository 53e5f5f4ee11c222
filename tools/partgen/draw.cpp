#include "draw.h"

#include <cmath>
#include <algorithm>
#include <cstdlib>

namespace {

// Which pixels lie in a region, sampled once at their centres.
std::vector<char> SampleRegion(const Image &image, const Region &inside) {
  std::vector<char> mask(static_cast<size_t>(image.width) * image.height, 0);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) mask[y * image.width + x] = inside(x + 0.5, y + 0.5);
  return mask;
}

// A region's pixel is on its border when a 4-neighbour is outside it; the
// picture's edge counts as outside, so a shape cut by the edge stays closed.
bool OnBorder(const std::vector<char> &mask, int width, int height, int x, int y) {
  const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
  for (int i = 0; i < 4; ++i) {
    int nx = x + dx[i], ny = y + dy[i];
    if (nx < 0 || ny < 0 || nx >= width || ny >= height || !mask[ny * width + nx]) return true;
  }
  return false;
}

void DrawRegion(Image &image, const Region &inside, const Rgb *fill, const Rgb *border) {
  std::vector<char> mask = SampleRegion(image, inside);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      if (!mask[y * image.width + x]) continue;
      bool edge = border && OnBorder(mask, image.width, image.height, x, y);
      if (edge)
        image.at(x, y) = *border;
      else if (fill)
        image.at(x, y) = *fill;
    }
}

}  // namespace

void FillRegion(Image &image, const Region &inside, Rgb fill, Rgb border) {
  DrawRegion(image, inside, &fill, &border);
}

void PaintRegion(Image &image, const Region &inside, Rgb fill) { DrawRegion(image, inside, &fill, nullptr); }

void OutlineRegion(Image &image, const Region &inside, Rgb border) {
  DrawRegion(image, inside, nullptr, &border);
}

namespace {

void Line(Image &image, int x0, int y0, int x1, int y1, Rgb colour, const Rgb *over) {
  int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    if (x0 >= 0 && y0 >= 0 && x0 < image.width && y0 < image.height && (!over || image.at(x0, y0) == *over))
      image.at(x0, y0) = colour;
    if (x0 == x1 && y0 == y1) break;
    int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

}  // namespace

void DrawLine(Image &image, int x0, int y0, int x1, int y1, Rgb colour) {
  Line(image, x0, y0, x1, y1, colour, nullptr);
}

void DrawLineOver(Image &image, int x0, int y0, int x1, int y1, Rgb colour, Rgb over) {
  Line(image, x0, y0, x1, y1, colour, &over);
}

namespace {

int Round(double value) { return static_cast<int>(std::floor(value + 0.5)); }

void Polyline(Image &image, const std::vector<Point> &points, Rgb colour, const Rgb *over) {
  for (size_t i = 1; i < points.size(); ++i)
    Line(image, Round(points[i - 1].x), Round(points[i - 1].y), Round(points[i].x), Round(points[i].y), colour,
         over);
  if (points.size() == 1) Line(image, Round(points[0].x), Round(points[0].y), Round(points[0].x), Round(points[0].y), colour, over);
}

}  // namespace

void DrawPolyline(Image &image, const std::vector<Point> &points, Rgb colour) {
  Polyline(image, points, colour, nullptr);
}

std::vector<Point> CurvePoints(Point a, Point b, Point c, int steps) {
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) {
    double t = static_cast<double>(i) / steps, u = 1 - t;
    points.push_back({u * u * a.x + 2 * u * t * b.x + t * t * c.x, u * u * a.y + 2 * u * t * b.y + t * t * c.y});
  }
  return points;
}

namespace {

// Enough steps that neighbouring points are about a pixel apart.
int CurveSteps(Point a, Point b, Point c) {
  double length = std::hypot(b.x - a.x, b.y - a.y) + std::hypot(c.x - b.x, c.y - b.y);
  return std::max(2, static_cast<int>(length));
}

}  // namespace

void DrawCurve(Image &image, Point a, Point b, Point c, Rgb colour) {
  Polyline(image, CurvePoints(a, b, c, CurveSteps(a, b, c)), colour, nullptr);
}

void DrawCurveOver(Image &image, Point a, Point b, Point c, Rgb colour, Rgb over) {
  Polyline(image, CurvePoints(a, b, c, CurveSteps(a, b, c)), colour, &over);
}

void MirrorLeftHalf(Image &image) {
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width / 2; ++x) image.at(image.width - 1 - x, y) = image.at(x, y);
}

void Stamp(Image &image, const Image &part, int x, int y) {
  for (int py = 0; py < part.height; ++py)
    for (int px = 0; px < part.width; ++px)
      if (!(part.at(px, py) == PAPER)) image.set(x + px, y + py, part.at(px, py));
}

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry) {
  double u = (x - cx) / rx, v = (y - cy) / ry;
  return u * u + v * v <= 1.0;
}

double LineThrough(const std::vector<Point> &points, double x, bool smooth) {
  if (x <= points.front().x) return points.front().y;
  for (size_t i = 1; i < points.size(); ++i) {
    const Point &a = points[i - 1], &b = points[i];
    if (x > b.x) continue;
    double t = (x - a.x) / (b.x - a.x);
    if (smooth) t = (1 - std::cos(t * 3.14159265358979323846)) / 2;
    return a.y + (b.y - a.y) * t;
  }
  return points.back().y;
}
