#include "part_decode.h"

#include <cstring>

namespace {

const std::size_t FILE_HEADER_SIZE = 14;

unsigned Read16(const unsigned char *p) { return p[0] | p[1] << 8; }
unsigned long Read32(const unsigned char *p) {
  return static_cast<unsigned long>(p[0]) | static_cast<unsigned long>(p[1]) << 8 |
         static_cast<unsigned long>(p[2]) << 16 | static_cast<unsigned long>(p[3]) << 24;
}
long long ReadSigned32(const unsigned char *p) { return static_cast<int>(Read32(p)); }

bool Refuse(PartFileProblem *problem, PartFileProblem why) {
  if (problem) *problem = why;
  return false;
}

}  // namespace

bool ReadPartFileLayout(const unsigned char *bytes, std::size_t headerLength,
                        unsigned long long fileLength, PartFileLayout *layout,
                        PartFileProblem *problem) {
  if (headerLength > fileLength) headerLength = static_cast<std::size_t>(fileLength);
  if (headerLength >= 2 && (bytes[0] != 'B' || bytes[1] != 'M')) return Refuse(problem, PART_FILE_NOT_BMP);
  if (headerLength < FILE_HEADER_SIZE + 12) return Refuse(problem, PART_FILE_TOO_SHORT);
  const unsigned char *info = bytes + FILE_HEADER_SIZE;
  unsigned long infoSize = Read32(info);
  bool core = infoSize == 12;
  if (!core && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 &&
      infoSize != 124)
    return Refuse(problem, PART_FILE_HEADER_KIND);
  if (headerLength < FILE_HEADER_SIZE + infoSize) return Refuse(problem, PART_FILE_TOO_SHORT);

  PartFileLayout l = {};
  long long width, height;
  unsigned planes;
  unsigned long compression = PART_BI_RGB, coloursUsed = 0;
  if (core) {
    width = Read16(info + 4);
    height = Read16(info + 6);
    planes = Read16(info + 8);
    l.bitCount = static_cast<int>(Read16(info + 10));
  } else {
    width = ReadSigned32(info + 4);
    height = ReadSigned32(info + 8);
    planes = Read16(info + 12);
    l.bitCount = static_cast<int>(Read16(info + 14));
    compression = Read32(info + 16);
    coloursUsed = Read32(info + 32);
  }
  // A negative height stores the rows top row first.
  l.topDown = height < 0;
  if (l.topDown) height = -height;
  if (width < 1 || height < 1 || width > PART_FILE_MAX_SIDE || height > PART_FILE_MAX_SIDE)
    return Refuse(problem, PART_FILE_SIDE);
  l.width = static_cast<int>(width);
  l.height = static_cast<int>(height);
  if (planes != 1) return Refuse(problem, PART_FILE_PLANES);
  int bits = l.bitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return Refuse(problem, PART_FILE_BIT_COUNT);
  bool bitFields = compression == PART_BI_BITFIELDS && (bits == 16 || bits == 32);
  if (compression != PART_BI_RGB && !bitFields) return Refuse(problem, PART_FILE_COMPRESSED);

  unsigned long long tableSize = 0;
  l.tableOffset = FILE_HEADER_SIZE + infoSize;
  if (bits <= 8) {
    unsigned long entries = 1ul << bits;
    if (coloursUsed > entries) return Refuse(problem, PART_FILE_COLOURS_USED);
    if (coloursUsed) entries = coloursUsed;
    l.tableEntries = static_cast<int>(entries);
    l.tableEntrySize = core ? 3 : 4;
    tableSize = static_cast<unsigned long long>(entries) * l.tableEntrySize;
  }
  if (bitFields && infoSize == 40) tableSize = 12;  // the three masks follow the header
  unsigned long long headersEnd = FILE_HEADER_SIZE + infoSize + tableSize;
  if (headersEnd > fileLength) return Refuse(problem, PART_FILE_CUT_SHORT);
  // The decoder reads the colour table and the masks from the bytes given:
  // a file that was read short of them is not read on.
  if (headersEnd > headerLength) return Refuse(problem, PART_FILE_NOT_READABLE);
  // The masks stand right after the first 40 bytes of the information
  // header: behind it for the 40-byte kind, inside it for the longer ones.
  if (bitFields) {
    for (int i = 0; i < 3; ++i) l.masks[i] = Read32(info + 40 + 4 * i);
  } else if (bits == 16) {
    l.masks[0] = 0x7C00, l.masks[1] = 0x03E0, l.masks[2] = 0x001F;
  } else {
    l.masks[0] = 0xFF0000, l.masks[1] = 0xFF00, l.masks[2] = 0xFF;
  }

  l.rowSize = (static_cast<unsigned long long>(l.width) * bits + 31) / 32 * 4;
  l.pixelOffset = Read32(bytes + 10);
  // An offset of 0 means the pixels follow the colour table.
  if (l.pixelOffset == 0) l.pixelOffset = headersEnd;
  if (l.pixelOffset < FILE_HEADER_SIZE + infoSize) return Refuse(problem, PART_FILE_PIXEL_OFFSET);
  if (l.pixelOffset + l.rowSize * l.height > fileLength) return Refuse(problem, PART_FILE_CUT_SHORT);
  *layout = l;
  return true;
}

bool PartFileHeaderFits(const unsigned char *bytes, std::size_t headerLength,
                        unsigned long long fileLength) {
  PartFileLayout layout;
  return ReadPartFileLayout(bytes, headerLength, fileLength, &layout);
}

namespace {

// One colour of a bit-field pixel, widened to 8 bits the way the platform's
// own bitmap code does: shifted to the top of a byte, its top bits repeated
// once below it.
struct Field {
  int shift = 0;
  int length = 0;
};

Field FieldOf(unsigned long mask) {
  Field field;
  if (!mask) return field;
  while (!(mask & 1)) mask >>= 1, ++field.shift;
  while (mask & 1) mask >>= 1, ++field.length;
  if (field.length > 8) field.shift += field.length - 8, field.length = 8;
  return field;
}

unsigned char Widen(unsigned long pixel, Field field) {
  static const unsigned long TOP_BITS[] = {0x00, 0x80, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC, 0xFE, 0xFF};
  int shift = field.shift - (8 - field.length);
  unsigned long value = shift < 0 ? pixel << -shift : pixel >> shift;
  value &= TOP_BITS[field.length];
  value |= value >> field.length;
  return static_cast<unsigned char>(value);
}

void PutColour(unsigned char *to, const unsigned char *table, int entries, int entrySize,
               unsigned index) {
  if (index >= static_cast<unsigned>(entries)) {
    to[0] = to[1] = to[2] = 0;
    return;
  }
  std::memcpy(to, table + index * entrySize, 3);
}

}  // namespace

void DecodePartRows(const PartFileLayout &layout, const unsigned char *headers,
                    const unsigned char *stored, int r0, int r1, const Pixels24 &image) {
  const unsigned char *table = headers + layout.tableOffset;
  Field fields[3] = {FieldOf(layout.masks[0]), FieldOf(layout.masks[1]), FieldOf(layout.masks[2])};
  for (int r = r0; r < r1; ++r) {
    const unsigned char *from = stored + layout.rowSize * (r - r0);
    int y = layout.topDown ? r : layout.height - 1 - r;
    unsigned char *to = PixelAddress(image, 0, y);
    for (int x = 0; x < layout.width; ++x, to += 3) {
      switch (layout.bitCount) {
        case 1:
          PutColour(to, table, layout.tableEntries, layout.tableEntrySize, from[x >> 3] >> (7 - (x & 7)) & 1);
          break;
        case 4:
          PutColour(to, table, layout.tableEntries, layout.tableEntrySize,
                    x & 1 ? from[x >> 1] & 0x0F : from[x >> 1] >> 4);
          break;
        case 8:
          PutColour(to, table, layout.tableEntries, layout.tableEntrySize, from[x]);
          break;
        case 24:
          std::memcpy(to, from + 3 * x, 3);
          break;
        default: {
          unsigned long pixel = layout.bitCount == 16 ? Read16(from + 2 * x) : Read32(from + 4 * x);
          to[0] = Widen(pixel, fields[2]);
          to[1] = Widen(pixel, fields[1]);
          to[2] = Widen(pixel, fields[0]);
        }
      }
    }
  }
}
