#include "render/part_file.h"

#include "app/editor.h"
#include "model/catalogue.h"
#include "render/memory_dc.h"
#include "render/paint_failure.h"
#include "res/texts.h"

static const std::size_t FILE_HEADER_SIZE = 14;
// The file header, the largest information header and a full colour table.
static const std::size_t MAX_HEADERS_SIZE = FILE_HEADER_SIZE + 124 + 256 * 4;

static unsigned Read16(const unsigned char *p) { return p[0] | p[1] << 8; }
static unsigned long Read32(const unsigned char *p) {
  return static_cast<unsigned long>(p[0]) | static_cast<unsigned long>(p[1]) << 8 |
         static_cast<unsigned long>(p[2]) << 16 | static_cast<unsigned long>(p[3]) << 24;
}
static long ReadSigned32(const unsigned char *p) { return static_cast<long>(static_cast<int>(Read32(p))); }

bool PartFileHeaderFits(const unsigned char *bytes, std::size_t headerLength,
                        unsigned long long fileLength) {
  if (headerLength > fileLength) headerLength = static_cast<std::size_t>(fileLength);
  if (headerLength < FILE_HEADER_SIZE + 12) return false;
  if (bytes[0] != 'B' || bytes[1] != 'M') return false;
  const unsigned char *info = bytes + FILE_HEADER_SIZE;
  unsigned long infoSize = Read32(info);
  bool core = infoSize == 12;
  if (!core && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 &&
      infoSize != 124)
    return false;
  if (headerLength < FILE_HEADER_SIZE + infoSize) return false;

  long width, height;
  unsigned planes, bitCount;
  unsigned long compression = BI_RGB, coloursUsed = 0;
  if (core) {
    width = Read16(info + 4);
    height = Read16(info + 6);
    planes = Read16(info + 8);
    bitCount = Read16(info + 10);
  } else {
    width = ReadSigned32(info + 4);
    height = ReadSigned32(info + 8);
    planes = Read16(info + 12);
    bitCount = Read16(info + 14);
    compression = Read32(info + 16);
    coloursUsed = Read32(info + 32);
  }
  if (width < 1 || height < 1 || width > PART_FILE_MAX_SIDE || height > PART_FILE_MAX_SIDE)
    return false;
  if (planes != 1) return false;
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
      bitCount != 32)
    return false;
  bool bitFields = compression == BI_BITFIELDS && (bitCount == 16 || bitCount == 32);
  if (compression != BI_RGB && !bitFields) return false;

  unsigned long long tableSize = 0;
  if (bitCount <= 8) {
    unsigned long entries = 1ul << bitCount;
    if (coloursUsed > entries) return false;
    if (coloursUsed) entries = coloursUsed;
    tableSize = static_cast<unsigned long long>(entries) * (core ? 3 : 4);
  }
  if (bitFields && infoSize == 40) tableSize = 12;  // the three masks follow the header
  unsigned long long headersEnd = FILE_HEADER_SIZE + infoSize + tableSize;
  if (headersEnd > fileLength) return false;

  unsigned long long rowSize = (static_cast<unsigned long long>(width) * bitCount + 31) / 32 * 4;
  unsigned long long offset = Read32(bytes + 10);
  // An offset of 0 means the pixels follow the colour table (as the loader reads it).
  if (offset == 0) offset = headersEnd;
  if (offset < FILE_HEADER_SIZE + infoSize) return false;
  return offset + rowSize * height <= fileLength;
}

// True when path names a regular file whose headers fit its length. Without
// backup semantics CreateFileA does not open a directory, and a device is not
// of the disk type. The file stays open, shared for reading only, in *file,
// so that it cannot change before the platform loader reads it.
static bool OpenCheckedPartFile(const char *path, HANDLE *file) {
  *file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (*file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER length;
  unsigned char headers[MAX_HEADERS_SIZE];
  DWORD read = 0;
  bool fits = GetFileType(*file) == FILE_TYPE_DISK && GetFileSizeEx(*file, &length) &&
              ReadFile(*file, headers, sizeof headers, &read, nullptr) &&
              PartFileHeaderFits(headers, read, static_cast<unsigned long long>(length.QuadPart));
  if (!fits) {
    CloseHandle(*file);
    *file = INVALID_HANDLE_VALUE;
  }
  return fits;
}

HBITMAP LoadPartBitmap(const char *relativePath, int *width, int *height) {
  char path[MAX_PATH];
  if (!MakeBasePath(path, sizeof path, relativePath)) return nullptr;
  HANDLE file;
  if (!OpenCheckedPartFile(path, &file)) return nullptr;
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(appInstance, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  CloseHandle(file);
  BITMAP about;
  if (bitmap && GetObjectA(bitmap, sizeof about, &about) == sizeof about) {
    *width = about.bmWidth;
    *height = about.bmHeight;
    return bitmap;
  }
  if (bitmap) DeleteObject(bitmap);
  return nullptr;
}

int OpenPartSource(HWND window, const char *relativePath, PartSource &source) {
  source = PartSource{};
  source.bitmap = LoadPartBitmap(relativePath, &source.width, &source.height);
  if (!source.bitmap) return 0;
  source.dc = CreateCompatibleDC(nullptr);
  if (!source.dc) {
    ShowPaintFailure(window, TEXT_FAILED, CAPTION_CREATE_DC);
    DeleteObject(source.bitmap);
    source.bitmap = nullptr;
    return 0;
  }
  source.previous = SelectObject(source.dc, source.bitmap);
  return 1;
}

void ClosePartSource(PartSource &source) {
  if (source.dc) {
    SelectObject(source.dc, source.previous);
    DeleteMemoryDC(source.dc);
  }
  if (source.bitmap) DeleteObject(source.bitmap);
  source = PartSource{};
}
