#include "memory_dc.h"

void DeleteMemoryDC(HDC dc) {
  if (dc && !DeleteDC(dc)) DeleteObject(dc);
}
