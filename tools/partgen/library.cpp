#include "parts.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

std::string PartName(char category, int number) {
  char name[32];
  std::snprintf(name, sizeof name, "kao-%c-%03d.bmp", category, number);
  return name;
}

PartLibrary DrawPartLibrary() {
  PartLibrary library;
  DrawFaces(library);
  DrawPieces(library);
  DrawEyes(library);
  DrawEyebrows(library);
  DrawNoses(library);
  DrawMouths(library);
  DrawEars(library);
  DrawMoustaches(library);
  DrawBeards(library);
  DrawHair(library);
  DrawGlasses(library);
  return library;
}

bool WritePartLibrary(const std::string &folder) {
  for (const PartDrawing &part : DrawPartLibrary())
    if (!WriteBmp24(folder + "/" + part.name, part.image)) {
      std::fprintf(stderr, "partgen: cannot write %s/%s\n", folder.c_str(), part.name.c_str());
      return false;
    }
  return true;
}

// The program's own placement of a new part.
Origin DefaultOrigin(PartKind kind, int w, int h) {
  Placement at;
  switch (kind) {
    case KIND_EYES: at = DefaultPlacement(CAT_EYES, w, h); break;
    case KIND_EYEBROWS: at = DefaultPlacement(CAT_EYEBROWS, w, h); break;
    case KIND_NOSE: at = DefaultPlacement(CAT_NOSE, w, h); break;
    case KIND_MOUTH: at = DefaultPlacement(CAT_MOUTH, w, h); break;
    case KIND_MOUSTACHE: at = DefaultPlacement(CAT_MOUSTACHE, w, h); break;
    case KIND_BEARD: at = DefaultPlacement(CAT_BEARD, w, h); break;
    case KIND_GLASSES: at = DefaultPlacement(CAT_GLASSES, w, h); break;
    case KIND_PAIR_HIGH: at = PiecePlacement(PIECE_PAIR_HIGH, w, h); break;
    case KIND_PAIR_LOW: at = PiecePlacement(PIECE_PAIR_LOW, w, h); break;
    default: at = PiecePlacement(PIECE_SINGLE, w, h); break;
  }
  return {at.x, at.y};
}

Image CutPart(const Image &canvas, PartKind kind, int w, int h) {
  Origin origin = DefaultOrigin(kind, w, h);
  Image part(w, h, PAPER);
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      if (canvas.at(x, y) == PAPER) continue;
      int px = x - origin.x, py = y - origin.y;
      if (px < 0 || py < 0 || px >= w || py >= h) {
        std::fprintf(stderr, "partgen: a drawing reaches outside its %dx%d part at (%d, %d)\n", w, h, x, y);
        std::exit(1);
      }
      part.at(px, py) = canvas.at(x, y);
    }
  return part;
}

Image FitPart(const Image &canvas, PartKind kind) {
  int left = canvas.width, right = -1, top = canvas.height, bottom = -1;
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x)
      if (!(canvas.at(x, y) == PAPER)) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  // The origin's x depends only on the width and its y only on the height.
  int w = 2, h = 2;
  while (w < canvas.width && (DefaultOrigin(kind, w, h).x > left || DefaultOrigin(kind, w, h).x + w <= right)) w += 2;
  while (h < canvas.height && (DefaultOrigin(kind, w, h).y > top || DefaultOrigin(kind, w, h).y + h <= bottom)) h += 2;
  return CutPart(canvas, kind, w, h);
}
