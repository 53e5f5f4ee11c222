// The portrait as a picture to take anywhere: PNG (through the platform's
// imaging component) or BMP at 1 to 8 times its size with crisp pixel
// blocks, optionally with a transparent background, written to a file or
// put on the clipboard. The picture is composed from the portrait model,
// not read from the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

const int EXPORT_SCALE_MAX = 8;

// A picture: width x height pixels, top row first, four bytes each: blue,
// green, red and alpha (255 drawn, 0 transparent). A transparent pixel
// holds the white of the canvas.
struct CanvasImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

// The canvas rectangle as it stands (canvasX, canvasY, canvasWidth,
// canvasHeight), composed twice: on the white canvas for the colours, and
// on a black one to find where the canvas shows through no part, which
// becomes transparent. Returns 0, having shown why in a box owned by editor,
// when the canvas has no area or the picture cannot be made.
int RenderCanvasImage(HWND editor, CanvasImage *image);

// image with every pixel made a scale x scale block (nearest neighbour).
CanvasImage ScaleCanvasImage(const CanvasImage &image, int scale);

// The bytes of a 24-bit BMP file of image, the transparent pixels white.
std::vector<std::uint8_t> BmpFileOf(const CanvasImage &image);

// The bytes of a PNG file of image: 32-bit with its alpha when transparent,
// else 24-bit. Returns 0, shown in a box owned by owner, when the platform's
// imaging component cannot make one.
int PngFileOf(HWND owner, const CanvasImage &image, bool transparent, std::vector<std::uint8_t> *png);

enum ImageFormat { IMAGE_PNG, IMAGE_BMP };

// What the user last chose in the export's options, which the clipboard
// copy uses too.
struct ExportOptions {
  int scale;
  bool transparent;  // PNG only
};
extern ExportOptions exportOptions;

// Writes the canvas as a picture file at path (through a temporary file, so
// that a failure leaves no half-written file and an earlier file as it
// was). Returns 1 when written; 0 after showing why in a box owned by
// editor.
int WriteCanvasImage(HWND editor, const std::wstring &path, ImageFormat format, const ExportOptions &options);

// The format a chosen file is written in: by its extension (.png, .bmp),
// else by the chosen filter pair (1 PNG, 2 BMP).
ImageFormat ChosenImageFormat(const std::wstring &path, int filterIndex);

// Shows the export options (sizes, transparency) for the canvas in a
// modal window owned by editor. Returns 1 with *options chosen, 0 when
// cancelled. Tests and the soak put stand-ins here.
typedef int (*ExportOptionsAsker)(HWND editor, ExportOptions *options);
extern ExportOptionsAsker askExportOptions;

// The export command: the options, then the Save-As dialog, then the file.
void ExportCanvasImage(HWND editor);

// The copy command: the canvas at the last chosen scale on the clipboard,
// as a device-independent bitmap (CF_DIB) and as PNG (the registered format
// "PNG", transparent as last chosen). Returns 1 when done; 0 after showing
// why in a box owned by editor.
int CopyCanvasImage(HWND editor);
