// Where the time of a paint goes, for the benchmark: each moment is counted
// to the stage the drawing is in, a nested stage pausing the one around it.
// Nothing is counted until the benchmark starts the clock.
#pragma once

enum PaintStage {
  STAGE_OTHER,     // fills, marks and everything not listed
  STAGE_FILES,     // opening part files and reading their bytes
  STAGE_DECODE,    // turning stored rows into 24-bit pixels
  STAGE_IMAGES,    // making and releasing images and memory contexts
  STAGE_STRETCH,   // stretching and copying with the platform's calls
  STAGE_MASK,      // masking and recolouring the stretched pixels
  STAGE_TRANSFER,  // mapping turned parts onto the frame
  STAGE_COUNT
};

// Sets every stage's time to 0 and counts from now on.
void StartPaintClock();

// Milliseconds counted to stage since the clock was started.
double PaintStageTime(PaintStage stage);

// Enters stage; returns the stage left, to be given to LeaveStage.
PaintStage EnterStage(PaintStage stage);
void LeaveStage(PaintStage previous);

// A stage for the life of a scope: entered when made, and the stage it
// interrupted entered again when the scope ends, on every way out. Switch
// moves on to another stage within the same scope.
struct StageScope {
  explicit StageScope(PaintStage stage) : interrupted(EnterStage(stage)) {}
  ~StageScope() { LeaveStage(interrupted); }
  StageScope(const StageScope &) = delete;
  StageScope &operator=(const StageScope &) = delete;
  void Switch(PaintStage stage) { EnterStage(stage); }
  const PaintStage interrupted;
};
