#include "placement.h"

#include <cstring>

PieceKind OtherPieceKind(const char *path) {
  std::size_t length = strnlen(path, 12);
  char first = length > 10 ? path[10] : '\0';
  char second = length > 11 ? path[11] : '\0';
  if (first != '0') return PIECE_SINGLE;
  return second == '0' ? PIECE_PAIR_HIGH : PIECE_PAIR_LOW;
}

namespace {

// A pair's left copy is centred on the left half of the canvas, 8 pixels
// toward the middle; a single part on the whole width.
int PairX(int width) { return (CANVAS_WIDTH / 2 - width) / 2 + 8; }
int CentreX(int width) { return (CANVAS_WIDTH - width) / 2; }
int MiddleY(int height) { return (CANVAS_HEIGHT - height) / 2; }

}  // namespace

Placement DefaultPlacement(int category, int width, int height) {
  int middle = MiddleY(height);
  switch (category) {
    case CAT_FACE:
    case CAT_HAIR:
      return {MODE_SINGLE, 0, 0};
    case CAT_EYES:
      return {MODE_PAIR, PairX(width), middle - 5};
    case CAT_EYEBROWS:
      return {MODE_PAIR, PairX(width), middle - 15};
    case CAT_NOSE:
      return {MODE_SINGLE, CentreX(width), middle + 8};
    case CAT_MOUTH:
      return {MODE_SINGLE, CentreX(width), middle + 22};
    case CAT_EARS:
      return {MODE_PAIR, 5, 40};
    case CAT_MOUSTACHE:
      return {MODE_SINGLE, CentreX(width), middle + 15};
    case CAT_BEARD:
      return {MODE_SINGLE, CentreX(width), middle + 30};
    case CAT_GLASSES:
      return {MODE_SINGLE, CentreX(width), middle - 5};
    default:  // the disabled category
      return {MODE_SINGLE, CentreX(width), middle};
  }
}

Placement PiecePlacement(PieceKind kind, int width, int height) {
  int middle = MiddleY(height);
  switch (kind) {
    case PIECE_PAIR_HIGH:
      return {MODE_PAIR, PairX(width), middle - 5};
    case PIECE_PAIR_LOW:
      return {MODE_PAIR, PairX(width), middle + 10};
    default:
      return {MODE_SINGLE, CentreX(width), middle + 15};
  }
}
