#include "memory_dc.h"

#include "paint_clock.h"
#include "texts.h"

HDC CreateMemoryDC(HDC like, Failure *failure) {
  HDC dc = CreateCompatibleDC(like);
  if (!dc) NoteFailure(failure, TEXT_FAILED, CAPTION_CREATE_DC);
  return dc;
}

void DeleteMemoryDC(HDC dc) {
  StageScope stage(STAGE_IMAGES);
  if (dc && !DeleteDC(dc)) DeleteObject(dc);
}
