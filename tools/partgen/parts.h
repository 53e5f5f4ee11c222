// The bundled part library: every part bitmap the program folder ships,
// drawn here from code and text pictures.
#pragma once

#include <string>
#include <vector>

#include "draw.h"
#include "image.h"
#include "placement.h"  // the program's own placement rules and canvas size

struct PartDrawing {
  std::string name;  // the file name, e.g. kao-3-001.bmp
  Image image;
};

using PartLibrary = std::vector<PartDrawing>;

// Each adds the parts of its categories to the library.
void DrawFaces(PartLibrary &library);       // kao-1
void DrawEars(PartLibrary &library);        // kao-7
void DrawHair(PartLibrary &library);        // kao-b and kao-0
void DrawEyes(PartLibrary &library);        // kao-3
void DrawEyebrows(PartLibrary &library);    // kao-4
void DrawNoses(PartLibrary &library);       // kao-5
void DrawMouths(PartLibrary &library);      // kao-6
void DrawMoustaches(PartLibrary &library);  // kao-9
void DrawBeards(PartLibrary &library);      // kao-a
void DrawGlasses(PartLibrary &library);     // kao-c
void DrawPieces(PartLibrary &library);      // kao-2

PartLibrary DrawPartLibrary();

// The file name of part number (from 1) in a category: kao-3-007.bmp.
std::string PartName(char category, int number);

// Writes every part into folder. Returns false when a file could not be
// written.
bool WritePartLibrary(const std::string &folder);

// Where the program puts a new part of w x h pixels, on the canvas: the
// left copy of a pair, the only copy of a single part. Parts drawn in
// canvas coordinates are cut out at this rectangle, so that they land
// where they were drawn.
enum PartKind {
  KIND_EYES, KIND_EYEBROWS, KIND_NOSE, KIND_MOUTH, KIND_MOUSTACHE, KIND_BEARD, KIND_GLASSES,
  KIND_PAIR_HIGH, KIND_PAIR_LOW, KIND_SINGLE_PIECE,
};
struct Origin {
  int x, y;
};
Origin DefaultOrigin(PartKind kind, int w, int h);

// The w x h part at the default origin of its kind, cut from a drawing on
// the whole canvas. Stops partgen when the drawing reaches outside the part.
Image CutPart(const Image &canvas, PartKind kind, int w, int h);

// The same with the smallest even width and height that hold the drawing.
Image FitPart(const Image &canvas, PartKind kind);
