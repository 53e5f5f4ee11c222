// The overview picture of the bundled part library.
#pragma once

#include <string>

#include "image.h"
#include "parts.h"

// Every part of the library at its own size, grouped by category, each
// with its file name.
Image DrawLibraryOverview(const PartLibrary &library);

// Draws the library and writes its overview as a BMP file. Returns false
// when the file could not be written.
bool WriteLibraryOverview(const std::string &path);
