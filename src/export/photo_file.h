// A reference photo read from a picture file through the platform's imaging
// component (whatever it decodes: PNG, JPEG, BMP, GIF, TIFF...), once, when
// it is opened: the first frame, kept at most PHOTO_KEPT_WIDTH x
// PHOTO_KEPT_HEIGHT with its aspect, laid over white where it is transparent.
#pragma once

#include <string>

#include "failure.h"
#include "photo.h"

// Reads the photo at path into *image. Returns 0, with *image untouched and
// why kept in *failure, when the file is not a picture the platform can
// decode or is larger than PhotoSizeAccepted allows (its size is read from
// the frame before any pixel is decoded).
int ReadPhotoFile(const std::wstring &path, PhotoImage *image, Failure *failure);
