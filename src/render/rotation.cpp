#include "rotation.h"

#include <cmath>
#include <limits>

// The corner numbers are defined by the x87 80-bit format; a compiler whose
// long double is plain double (MSVC) would move corners by a pixel.
static_assert(std::numeric_limits<long double>::digits == 64,
              "ComputeRotatedCorners needs the x87 80-bit long double (MinGW-w64 GCC or clang)");

namespace {

const long double HALF_PI = 1.57079632679489661923132169163975144L;

// The double nearest to 1/180: one angle unit in radians.
const double ANGLE_UNIT = 1.0 / 180.0;

// Truncation toward zero. The products are at most the half diagonal of a
// rectangle of int sizes, so they always fit in a long long.
long long Truncate(long double value) { return static_cast<long long>(value); }

}  // namespace

void ComputeRotatedCorners(int x, int y, int width, int height, int angle, POINT corners[3],
                           int reversed) {
  long long cx = static_cast<long long>(x) + width / 2;
  long long cy = static_cast<long long>(y) + height / 2;
  long double hw = width * 0.5L;
  long double hh = height * 0.5L;

  // With no width the diagonal is upright (or a point); dividing by zero
  // would only give the same angle by way of an infinity or a NaN.
  long double base;
  if (hw != 0)
    base = atanl(static_cast<double>(hh / hw));
  else
    base = hh > 0 ? HALF_PI : hh < 0 ? -HALF_PI : 0;

  long double r = sqrtl(static_cast<double>(hw * hw + hh * hh));
  long double a = angle * static_cast<long double>(ANGLE_UNIT);
  double phi1 = static_cast<double>(reversed ? base - a : base + a);
  double phi2 = static_cast<double>(reversed ? base + a : base - a);

  long long x1 = Truncate(r * cosl(phi1));
  long long y1 = Truncate(r * sinl(phi1));
  long long x2 = Truncate(r * cosl(phi2));
  long long y2 = Truncate(r * sinl(phi2));

  corners[0].x = static_cast<LONG>(cx - x1);
  corners[0].y = static_cast<LONG>(cy - y1);
  corners[1].x = static_cast<LONG>(cx + x2);
  corners[1].y = static_cast<LONG>(cy - y2);
  corners[2].x = static_cast<LONG>(cx - x2);
  corners[2].y = static_cast<LONG>(cy + y2);
}
