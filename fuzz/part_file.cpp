// The part-file layout reader and row decoder on hostile bytes: the input is
// a whole file. Its headers are handed over as the editor reads them, and
// once more cut short, as when a file shrinks between its size being taken
// and its start being read; every buffer is exactly as long as its bytes, so
// that a read past any of them is caught.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "part_decode.h"

namespace {

std::vector<unsigned char> Image(const PartFileLayout &layout, Pixels24 *pixels) {
  int stride = (3 * layout.width + 3) / 4 * 4;
  std::vector<unsigned char> bits(static_cast<std::size_t>(stride) * layout.height);
  *pixels = Pixels24{bits.data(), stride, layout.width, layout.height};
  return bits;
}

// An accepted layout must keep the decoder inside the bytes it was read from.
void CheckInside(const PartFileLayout &layout, std::size_t headerLength, std::size_t size) {
  std::size_t tableEnd = layout.tableOffset + static_cast<std::size_t>(layout.tableEntries) * layout.tableEntrySize;
  if (tableEnd > headerLength || layout.pixelOffset + layout.rowSize * layout.height > size) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::size_t headerLength = std::min(size, PART_FILE_HEADERS_SIZE);
  std::vector<unsigned char> headers(data, data + headerLength);
  PartFileLayout layout;
  PartFileProblem problem = PART_FILE_READ;

  if (headerLength > 0) {
    std::size_t cut = data[size - 1] % headerLength;
    std::vector<unsigned char> shortHeaders(data, data + cut);
    if (ReadPartFileLayout(shortHeaders.data(), cut, size, &layout, &problem)) {
      CheckInside(layout, cut, size);
      Pixels24 pixels;
      std::vector<unsigned char> bits = Image(layout, &pixels);
      DecodePartRows(layout, shortHeaders.data(), data + layout.pixelOffset, 0, 1, pixels);
    }
  }

  // An accepted file leaves the problem as it was.
  problem = PART_FILE_READ;
  if (!ReadPartFileLayout(headers.data(), headerLength, size, &layout, &problem)) return 0;
  if (problem != PART_FILE_READ) std::abort();
  CheckInside(layout, headerLength, size);
  const unsigned char *stored = data + layout.pixelOffset;
  Pixels24 whole, part;
  std::vector<unsigned char> wholeBits = Image(layout, &whole), partBits = Image(layout, &part);
  DecodePartRows(layout, headers.data(), stored, 0, layout.height, whole);
  // A stretch of stored rows, as a paint reads only the rows it shows: the
  // same pixels as in the whole image.
  int r0 = layout.height / 3, r1 = layout.height - layout.height / 4;
  DecodePartRows(layout, headers.data(), stored + layout.rowSize * r0, r0, r1, part);
  for (int r = r0; r < r1; ++r) {
    int y = layout.topDown ? r : layout.height - 1 - r;
    if (std::memcmp(PixelAddress(whole, 0, y), PixelAddress(part, 0, y), 3 * layout.width)) std::abort();
  }
  return 0;
}
