// Choosing a part from the palette: the chosen file goes onto the current
// category's layer with its default place, or becomes a new "other" piece.
// Plain rules on the portrait model; the editor window adds the click and
// the files.
#pragma once

#include "placement.h"
#include "portrait.h"

// Places entry (a listing entry of DIR_PATH_SIZE bytes, e.g. PartList[index]),
// index in its category's listing, of width x height pixels, as the choice
// of category: the common fields, the category's default mode, position
// and colour (the ears the skin's, see SkinColourOf), the back hair with
// the hair; an "other" part goes to the
// first free piece instead, unless an earlier piece already has its path.
// Returns the piece index filled, or -1 (the piece's colour is then still
// to be picked from its file).
int PlaceChosenPart(int category, const char *entry, int index, int width, int height);

// True when none of PieceTable[0] to PieceTable[n - 1] has a path whose
// first strlen(path) bytes are path's (their mode not considered).
bool IsNewPiece(const char *path, int n);
