// The export command: the portrait as a picture file, PNG (through the
// platform's imaging component) or BMP, at 1 to 8 times its size with crisp
// pixel blocks, optionally with a transparent background.
#pragma once

#include <windows.h>

#include <string>

#include "canvas_image.h"
#include "export_options.h"

enum ImageFormat { IMAGE_PNG, IMAGE_BMP };

// Writes the canvas as a picture file at path (through a temporary file, so
// that a failure leaves no half-written file and an earlier file as it
// was). Returns 1 when written; 0 with why kept in *failure. Written
// without a part that could not be drawn, it returns 1 with that part's
// failure kept, for the caller to show as well.
int WriteCanvasImage(HWND editor, const std::wstring &path, ImageFormat format, const ExportOptions &options,
                     Failure *failure);

// The format a chosen file is written in: by its extension (.png, .bmp),
// else by the chosen filter pair (1 PNG, 2 BMP).
ImageFormat ChosenImageFormat(const std::wstring &path, int filterIndex);

// The export command: the options, then the Save-As dialog proposing
// proposedStem (the portrait file's name without its extension; when
// empty, 似顔絵) with the chosen type's extension, then the file, in the
// format its name says. Failures are shown in boxes owned by editor.
void ExportCanvasImage(HWND editor, const std::wstring &proposedStem);
