// Undo and redo: the states of the portrait before and after each change.
// A change is anything that alters the portrait (a part chosen, moved,
// sized, turned, recoloured or switched off, the base resized); choosing a
// category, paging and switching the current piece are not changes of their
// own. Plain functions on the portrait model.
#pragma once

#include "portrait.h"

// How many changes can be taken back.
const int HISTORY_DEPTH = 100;

// The whole portrait, with the piece being edited.
struct PortraitState {
  PartSlot layers[LAYER_SLOTS];
  PartSlot pieces[PIECE_SLOTS];
  int canvas[4];  // x, y, width, height
  int currentPiece;
  bool layerFlipped[LAYER_SLOTS];
  bool pieceFlipped[PIECE_SLOTS];
};

PortraitState CurrentPortrait();
void RestorePortrait(const PortraitState &state);

// True when the portraits are the same; slot 2, the working copy of the
// current piece (loading it changes no portrait), and the piece being
// edited do not count.
bool SamePortrait(const PortraitState &a, const PortraitState &b);

// Records a change whose state before it was before, unless the portrait is
// still as it was; a recorded change drops the changes that could be done
// again. The oldest change goes beyond HISTORY_DEPTH.
void RecordChange(const PortraitState &before);

// Takes back the last change, bringing back the piece it edited, or does
// again the last change taken back. Return 1 when there was one.
int UndoChange();
int RedoChange();

// Forgets every change.
void ClearHistory();

// True when there is a change to take back, or one to do again.
bool CanUndo();
bool CanRedo();

// The portrait as last saved or opened (at start, the empty portrait): the
// portrait is changed while it differs from it, and undoing back to it
// makes it unchanged again.
void MarkPortraitSaved();
bool PortraitChanged();
