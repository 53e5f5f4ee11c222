#include "memory_dc.h"

#include "paint_clock.h"

void DeleteMemoryDC(HDC dc) {
  PaintStage previous = EnterStage(STAGE_IMAGES);
  if (dc && !DeleteDC(dc)) DeleteObject(dc);
  LeaveStage(previous);
}
