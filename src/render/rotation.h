// Where the corners of a part's image land when it is turned about its
// centre: the three points a parallelogram transfer needs.
#pragma once

#include <windows.h>

// Fills corners with the upper-left, upper-right and lower-left corner of the
// rectangle (x, y, width, height) turned by angle (1/180 radian units,
// clockwise on screen; counter-clockwise when reversed is 1). The fourth
// corner is corners[1] + corners[2] - corners[0].
//
// The numbers are computed in x87 extended precision with the quotient for
// the arc tangent, the sum of squares for the square root and the two corner
// angles rounded to double, and converted to integers by truncation toward
// zero: results that fall near an integer depend on exactly this, so that
// the same part lands on the same pixels everywhere.
//
// A width of 0 returns corners as well (none of them is used to draw: the
// image is then 0 pixels wide).
void ComputeRotatedCorners(int x, int y, int width, int height, int angle, POINT corners[3],
                           int reversed);
