#include "history.h"

#include <cstring>
#include <deque>

namespace {

std::deque<PortraitState> undoSteps;  // states before each change, the last at the back
std::deque<PortraitState> redoSteps;  // states after each change taken back
PortraitState savedState = CurrentPortrait();  // the start's empty portrait until a save or an open

}  // namespace

PortraitState CurrentPortrait() {
  PortraitState state;
  std::memcpy(state.layers, LayerTable, sizeof LayerTable);
  std::memcpy(state.pieces, PieceTable, sizeof PieceTable);
  state.canvas[0] = canvasX, state.canvas[1] = canvasY;
  state.canvas[2] = canvasWidth, state.canvas[3] = canvasHeight;
  state.currentPiece = currentPiece;
  std::memcpy(state.layerFlipped, LayerFlipped, sizeof LayerFlipped);
  std::memcpy(state.pieceFlipped, PieceFlipped, sizeof PieceFlipped);
  return state;
}

void RestorePortrait(const PortraitState &state) {
  std::memcpy(LayerTable, state.layers, sizeof LayerTable);
  std::memcpy(PieceTable, state.pieces, sizeof PieceTable);
  canvasX = state.canvas[0], canvasY = state.canvas[1];
  canvasWidth = state.canvas[2], canvasHeight = state.canvas[3];
  currentPiece = state.currentPiece;
  std::memcpy(LayerFlipped, state.layerFlipped, sizeof LayerFlipped);
  std::memcpy(PieceFlipped, state.pieceFlipped, sizeof PieceFlipped);
}

bool SamePortrait(const PortraitState &a, const PortraitState &b) {
  for (int slot = 0; slot < LAYER_SLOTS; ++slot)
    if (slot != CAT_OTHER && (std::memcmp(&a.layers[slot], &b.layers[slot], sizeof(PartSlot)) != 0 ||
                              a.layerFlipped[slot] != b.layerFlipped[slot]))
      return false;
  return std::memcmp(a.pieces, b.pieces, sizeof a.pieces) == 0 &&
         std::memcmp(a.pieceFlipped, b.pieceFlipped, sizeof a.pieceFlipped) == 0 &&
         std::memcmp(a.canvas, b.canvas, sizeof a.canvas) == 0;
}

void RecordChange(const PortraitState &before) {
  if (SamePortrait(before, CurrentPortrait())) return;
  undoSteps.push_back(before);
  if (undoSteps.size() > static_cast<std::size_t>(HISTORY_DEPTH)) undoSteps.pop_front();
  redoSteps.clear();
}

namespace {

// Moves the state at the back of from into the portrait, and the portrait
// as it is onto to.
int Step(std::deque<PortraitState> &from, std::deque<PortraitState> &to) {
  if (from.empty()) return 0;
  to.push_back(CurrentPortrait());
  RestorePortrait(from.back());
  from.pop_back();
  return 1;
}

}  // namespace

int UndoChange() { return Step(undoSteps, redoSteps); }

int RedoChange() { return Step(redoSteps, undoSteps); }

void ClearHistory() {
  undoSteps.clear();
  redoSteps.clear();
}

bool CanUndo() { return !undoSteps.empty(); }

bool CanRedo() { return !redoSteps.empty(); }

void MarkPortraitSaved() { savedState = CurrentPortrait(); }

bool PortraitChanged() { return !SamePortrait(savedState, CurrentPortrait()); }
