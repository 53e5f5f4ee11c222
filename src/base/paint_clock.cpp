#include "paint_clock.h"

#include <windows.h>

namespace {

bool counting;
PaintStage current = STAGE_OTHER;
long long since;  // when current was entered, in counter ticks
long long ticks[STAGE_COUNT];

long long Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

}  // namespace

void StartPaintClock() {
  for (long long &t : ticks) t = 0;
  counting = true;
  current = STAGE_OTHER;
  since = Now();
}

double PaintStageTime(PaintStage stage) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  long long t = ticks[stage] + (counting && stage == current ? Now() - since : 0);
  return 1000.0 * t / frequency.QuadPart;
}

PaintStage EnterStage(PaintStage stage) {
  PaintStage previous = current;
  if (counting) {
    long long now = Now();
    ticks[current] += now - since;
    since = now;
  }
  current = stage;
  return previous;
}

void LeaveStage(PaintStage previous) { EnterStage(previous); }
