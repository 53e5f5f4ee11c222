// Writes the portrait-file target's seeds into the folder given first: an
// empty portrait, a full one with every part and piece, one with odd but
// valid text (a byte-order mark, line ends of two bytes, comments, names
// with blanks and Japanese), the full one as version 2 with a photo, and with flipped
// parts and pieces.
#include <cstdio>
#include <string>

#include "portrait_file.h"

namespace {

void Write(const std::string &path, const std::string &text) {
  std::FILE *file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 2) return 2;
  std::string folder = argv[1];
  PortraitFileContent content{};
  content.state.canvas[0] = 40, content.state.canvas[1] = 45, content.state.canvas[2] = 80;
  content.state.canvas[3] = 100;
  Write(folder + "/empty.nigaoe", WritePortraitText(content));
  for (int slot = 0; slot < CATEGORY_COUNT; ++slot) {
    PartSlot &part = content.state.layers[slot];
    part.mode = slot % 3, part.x = slot - 6, part.y = slot * 3, part.width = 10 + slot, part.height = 20 + slot;
    part.angle = (slot % 11 - 5) * 5, part.red = slot * 20, part.green = 255 - slot, part.blue = slot;
    content.layerFiles[slot] = "kao\\kao-" + std::to_string(slot) + "-001.bmp";
  }
  for (int piece = 0; piece < PIECE_SLOTS; ++piece) {
    content.state.pieces[piece] = content.state.layers[piece % CATEGORY_COUNT];
    content.pieceFiles[piece] = "kao\\kao-2-0" + std::to_string(piece) + "0.bmp";
  }
  content.state.currentPiece = 3;
  std::string full = WritePortraitText(content);
  Write(folder + "/full.nigaoe", full);
  std::string odd = "\xEF\xBB\xBF# a portrait\r\n";
  for (char c : full) odd += c == '\n' ? std::string("\r\n") : std::string(1, c);
  std::size_t at = odd.find("kao\\kao-3-001.bmp");
  if (at != std::string::npos) odd.replace(at, 17, "kao\\\xE9\xA1\x94 3 .bmp");
  Write(folder + "/odd.nigaoe", odd);
  for (int slot = 0; slot < CATEGORY_COUNT; slot += 2) content.state.layerFlipped[slot] = true;
  for (int piece = 1; piece < PIECE_SLOTS; piece += 3) content.state.pieceFlipped[piece] = true;
  Write(folder + "/flipped.nigaoe", WritePortraitText(content));
  content.photo = {"\xe5\x86\x99\xe7\x9c\x9f\\face.png", -12, 30, 250, 75, true};
  Write(folder + "/photo.nigaoe", WritePortraitText(content));
  return 0;
}
