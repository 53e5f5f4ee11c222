#include "canvas_image.h"

#include <cstring>

#include "compositor.h"
#include "frame.h"
#include "portrait.h"
#include "texts.h"

namespace {

const COLORREF SECOND_CANVAS = RGB(0, 0, 0);

// Copies the canvas rectangle out of a frame composed from the client
// origin: the colours, or where they differ from colours already taken,
// the transparency.
void TakeCanvas(const Pixels24 &frame, CanvasImage *image, bool compare) {
  for (int y = 0; y < image->height; ++y)
    for (int x = 0; x < image->width; ++x) {
      const unsigned char *from = PixelAddress(frame, canvasX + x, canvasY + y);
      std::uint8_t *to = &image->pixels[(static_cast<std::size_t>(y) * image->width + x) * 4];
      if (!compare) {
        std::memcpy(to, from, 3);
        to[3] = 255;
      } else if (std::memcmp(to, from, 3) != 0) {
        to[3] = 0;
      }
    }
}

}  // namespace

int RenderCanvasImage(HWND editor, CanvasImage *image, Failure *failure) {
  if (canvasWidth <= 0 || canvasHeight <= 0) {
    NoteFailure(failure, TEXT_NO_CANVAS, TEXT_EXPORT_TITLE);
    return 0;
  }
  image->width = canvasWidth;
  image->height = canvasHeight;
  image->pixels.assign(static_cast<std::size_t>(canvasWidth) * canvasHeight * 4, 0);
  Frame frame;
  int made = OpenFrame(nullptr, canvasX + canvasWidth, canvasY + canvasHeight, &frame, failure);
  if (made) {
    // The first failure of the two compositions, as of one paint.
    Failure composed = ComposePortrait(editor, frame.dc, RGB(255, 255, 255), &frame.pixels);
    GdiFlush();
    TakeCanvas(frame.pixels, image, false);
    Failure second = ComposePortrait(editor, frame.dc, SECOND_CANVAS, &frame.pixels);
    GdiFlush();
    TakeCanvas(frame.pixels, image, true);
    CloseFrame(&frame);
    NoteFailure(&composed, second.text, second.caption);
    NoteFailure(failure, composed.text, composed.caption);
  }
  return made;
}
