// The display's scale. The editor's controls are laid out in dialog units,
// which follow the dots per inch the dialog's font was made at; the canvas,
// the palette's cells, their thumbnails and marks have their places in
// pixels as they stand at 96 dots per inch. At any other scale those places
// are scaled as the dialog is, and the pictures in them enlarged by a whole
// number, so that the window looks like the 96-dpi one enlarged while every
// pixel of a part stays a crisp square. At 96 nothing changes.
#pragma once

#include <windows.h>

const int BASE_DPI = 96;
const int DPI_MAX = 6 * BASE_DPI;

// A dpi the layout works with: below 96 the places would close up over
// pictures that never shrink, so 96; above DPI_MAX, DPI_MAX.
int UsableDpi(int dpi);

// A length, point or rectangle of the 96-dpi layout at dpi (each edge
// rounded to the nearest pixel).
int ScaledLength(int dpi, int length);
POINT ScaledPoint(int dpi, POINT p);
RECT ScaledRect(int dpi, const RECT &r);

// The whole number a picture is enlarged by at dpi: the largest that keeps
// it within its scaled place (1 up to 191 dpi, 2 from 192).
int PictureScale(int dpi);

// A picture of the 96-dpi rectangle place's size, enlarged by scale and put
// in the place scaled to dpi: the window pixel of the place's top-left
// corner, the picture centred where it is smaller than the place and
// starting at the place's corner where it is not.
POINT PictureOrigin(int dpi, const RECT &place, int scale);
