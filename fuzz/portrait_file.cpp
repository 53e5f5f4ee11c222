// The portrait-file reader on hostile text. What it accepts must be within
// the limits it promises, and must come back the same when written and read
// again; what it refuses must leave the content alone.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "portrait_file.h"

namespace {

bool Within(int value, int low, int high) { return value >= low && value <= high; }

void CheckLimits(const PortraitFileContent &content) {
  const PortraitState &state = content.state;
  if (!Within(state.currentPiece, 0, PIECE_SLOTS - 1)) std::abort();
  auto part = [](const PartSlot &slot, const std::string &file) {
    if (!Within(slot.mode, MODE_OFF, MODE_PAIR) || !Within(slot.angle, -PORTRAIT_ANGLE_MAX, PORTRAIT_ANGLE_MAX) ||
        !Within(slot.width, 0, PORTRAIT_SIZE_MAX) || !Within(slot.height, 0, PORTRAIT_SIZE_MAX) ||
        !Within(slot.x, -PORTRAIT_POSITION_MAX, PORTRAIT_POSITION_MAX) ||
        !Within(slot.y, -PORTRAIT_POSITION_MAX, PORTRAIT_POSITION_MAX) || !Within(slot.red, 0, 255) ||
        !Within(slot.green, 0, 255) || !Within(slot.blue, 0, 255) ||
        (!file.empty() && (file.compare(0, 4, "kao\\") != 0 || file.find('/') != std::string::npos ||
                           file.find('\\', 4) != std::string::npos || file.find(':') != std::string::npos)))
      std::abort();
  };
  for (int slot = 0; slot < LAYER_SLOTS; ++slot) part(state.layers[slot], content.layerFiles[slot]);
  for (int piece = 0; piece < PIECE_SLOTS; ++piece) part(state.pieces[piece], content.pieceFiles[piece]);
  // A photo's file is never a network path (\\host or //host) nor holds a
  // control character; without a file there is no photo, so no place either.
  const PortraitFilePhoto &photo = content.photo;
  if (photo.file.empty()) {
    if (photo.x || photo.y || photo.scale || photo.strength || photo.shown) std::abort();
    return;
  }
  auto slash = [](char c) { return c == '\\' || c == '/'; };
  if (!Within(photo.x, -PORTRAIT_PHOTO_OFFSET_MAX, PORTRAIT_PHOTO_OFFSET_MAX) ||
      !Within(photo.y, -PORTRAIT_PHOTO_OFFSET_MAX, PORTRAIT_PHOTO_OFFSET_MAX) ||
      !Within(photo.scale, 1, PORTRAIT_PHOTO_SCALE_MAX) || !Within(photo.strength, 1, PORTRAIT_PHOTO_STRENGTH_MAX) ||
      (photo.file.size() >= 2 && slash(photo.file[0]) && slash(photo.file[1])))
    std::abort();
  for (unsigned char c : photo.file)
    if (c < 0x20) std::abort();
}

bool Same(const PortraitFileContent &a, const PortraitFileContent &b) {
  if (std::memcmp(a.state.canvas, b.state.canvas, sizeof a.state.canvas) || a.state.currentPiece != b.state.currentPiece)
    return false;
  auto same = [](const PartSlot &p, const PartSlot &q) {
    return p.mode == q.mode && p.x == q.x && p.y == q.y && p.width == q.width && p.height == q.height &&
           p.angle == q.angle && p.red == q.red && p.green == q.green && p.blue == q.blue;
  };
  for (int slot = 0; slot < LAYER_SLOTS; ++slot)
    if (!same(a.state.layers[slot], b.state.layers[slot]) || a.layerFiles[slot] != b.layerFiles[slot] ||
        a.state.layerFlipped[slot] != b.state.layerFlipped[slot])
      return false;
  for (int piece = 0; piece < PIECE_SLOTS; ++piece)
    if (!same(a.state.pieces[piece], b.state.pieces[piece]) || a.pieceFiles[piece] != b.pieceFiles[piece] ||
        a.state.pieceFlipped[piece] != b.state.pieceFlipped[piece])
      return false;
  const PortraitFilePhoto &p = a.photo, &q = b.photo;
  return p.file == q.file && p.x == q.x && p.y == q.y && p.scale == q.scale && p.strength == q.strength &&
         p.shown == q.shown;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  // An exact copy, so that a read past the end is caught.
  std::vector<char> text(data, data + size);
  PortraitFileContent content{}, untouched{};
  content.state.canvas[0] = untouched.state.canvas[0] = 77;
  PortraitFileError error{};
  if (!ReadPortraitText(text.data(), text.size(), &content, &error)) {
    if (!Same(content, untouched) || error.problem == PORTRAIT_READ) std::abort();
    return 0;
  }
  CheckLimits(content);
  std::string written = WritePortraitText(content);
  PortraitFileContent again{};
  if (!ReadPortraitText(written.data(), written.size(), &again, &error) || !Same(again, content)) std::abort();
  return 0;
}
