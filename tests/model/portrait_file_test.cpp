#include "portrait_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A portrait with every slot and piece in use, each field a different value.
PortraitFileContent FullPortrait() {
  PortraitFileContent content{};
  PortraitState &state = content.state;
  state.canvas[0] = 37, state.canvas[1] = 41, state.canvas[2] = 86, state.canvas[3] = -108;
  state.currentPiece = 7;
  int n = 0;
  auto fill = [&n](PartSlot &slot, std::string &file) {
    ++n;
    slot.mode = n % 3;
    slot.x = -n, slot.y = 2 * n, slot.width = 3 * n, slot.height = 4 * n;
    slot.angle = n % 2 ? 5 * (n % 10) : -5 * (n % 10);
    slot.blue = n, slot.green = 255 - n, slot.red = 7 * n;
    file = "kao\\kao-" + std::to_string(n) + " -\xe9\xa1\x94.bmp";  // blanks and UTF-8 kept
  };
  for (int slot = 0; slot <= CAT_GLASSES; ++slot)
    if (slot != CAT_OTHER) fill(state.layers[slot], content.layerFiles[slot]);
  for (int piece = 0; piece < PIECE_SLOTS; ++piece) fill(state.pieces[piece], content.pieceFiles[piece]);
  return content;
}

bool SameParts(const PartSlot &a, const PartSlot &b) {
  return a.mode == b.mode && a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height &&
         a.angle == b.angle && a.blue == b.blue && a.green == b.green && a.red == b.red;
}

void ExpectSame(const PortraitFileContent &a, const PortraitFileContent &b) {
  EXPECT_EQ(std::memcmp(a.state.canvas, b.state.canvas, sizeof a.state.canvas), 0);
  EXPECT_EQ(a.state.currentPiece, b.state.currentPiece);
  for (int slot = 0; slot <= CAT_GLASSES; ++slot) {
    EXPECT_TRUE(SameParts(a.state.layers[slot], b.state.layers[slot])) << "layer " << slot;
    EXPECT_EQ(a.state.layerFlipped[slot], b.state.layerFlipped[slot]) << "layer " << slot;
    EXPECT_EQ(a.layerFiles[slot], b.layerFiles[slot]) << "layer " << slot;
  }
  for (int piece = 0; piece < PIECE_SLOTS; ++piece) {
    EXPECT_TRUE(SameParts(a.state.pieces[piece], b.state.pieces[piece])) << "piece " << piece;
    EXPECT_EQ(a.state.pieceFlipped[piece], b.state.pieceFlipped[piece]) << "piece " << piece;
    EXPECT_EQ(a.pieceFiles[piece], b.pieceFiles[piece]) << "piece " << piece;
  }
  const PortraitFilePhoto &p = a.photo, &q = b.photo;
  EXPECT_EQ(p.file, q.file);
  EXPECT_TRUE(p.x == q.x && p.y == q.y && p.scale == q.scale && p.strength == q.strength && p.shown == q.shown);
}

std::string Replace(std::string text, const std::string &from, const std::string &to) {
  std::size_t at = text.find(from);
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(PortraitFile, EveryFieldOfAFullPortraitComesBackAsItWas) {
  PortraitFileContent written = FullPortrait();
  written.state.layerFlipped[CAT_HAIR] = written.state.pieceFlipped[9] = true;
  written.photo = {"\xe5\x86\x99\xe7\x9c\x9f\\face.png", -12, 30, 250, 75, false};
  std::string text = WritePortraitText(written);
  EXPECT_EQ(text.compare(0, 18, "nigaoe-portrait 2\n"), 0) << "a flip needs version 2";
  // Other line ends, a byte-order mark and comments read the same.
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const std::string &variant : {text, "\xEF\xBB\xBF" + crlf, Replace(text, "layer face", "# hi\n\nlayer face")}) {
    PortraitFileContent read{};
    PortraitFileError error{};
    ASSERT_TRUE(ReadPortraitText(variant.data(), variant.size(), &read, &error)) << error.problem << " line " << error.line;
    ExpectSame(read, written);
  }

  // Parts never chosen are left out, and come back so; so is a photo the
  // file could not name, which its reader would refuse.
  PortraitFileContent empty{};
  empty.state.canvas[2] = 80;
  PortraitFileContent unnamed = empty;
  for (const std::string &photo : {std::string("\\\\host\\face.png"), std::string(PORTRAIT_LINE_MAX, 'a')}) {
    unnamed.photo = {photo, 0, 0, 100, 50, true};
    EXPECT_EQ(WritePortraitText(unnamed), WritePortraitText(empty));
  }
  text = WritePortraitText(empty);
  EXPECT_EQ(text, "nigaoe-portrait 1\ncanvas 0 0 80 0\ncurrent-piece 0\nend\n");
  PortraitFileContent read = written;
  ASSERT_TRUE(ReadPortraitText(text.data(), text.size(), &read, nullptr));
  ExpectSame(read, empty);
}

TEST(PortraitFile, ABrokenFileIsRefusedWholeAndSaysWhy) {
  const std::string good = WritePortraitText(FullPortrait());
  const struct {
    std::string text;
    PortraitFileProblem problem;
  } cases[] = {
      {"", PORTRAIT_NOT_PORTRAIT},
      {"BM\x36\x5d\0\0\0\0", PORTRAIT_NOT_PORTRAIT},
      {Replace(good, "nigaoe-portrait 1", "nigaoe-portrait 3"), PORTRAIT_NEWER_VERSION},
      {Replace(good, "colour #", "flip 1\ncolour #"), PORTRAIT_UNKNOWN_LINE},  // a version 2 line in version 1
      {Replace(Replace(good, "portrait 1", "portrait 2"), "colour #", "flip 2\ncolour #"), PORTRAIT_OUT_OF_RANGE},
      {Replace(Replace(good, "portrait 1", "portrait 2"), "colour #", "flip 1\nflip 1\ncolour #"), PORTRAIT_REPEATED},
      {Replace(good, "end\n", ""), PORTRAIT_CUT_SHORT},
      {good.substr(0, good.size() / 2), PORTRAIT_CUT_SHORT},
      {Replace(good, "angle 5", "angle 55"), PORTRAIT_OUT_OF_RANGE},
      {Replace(good, "size 3 4", "size -3 4"), PORTRAIT_OUT_OF_RANGE},
      {Replace(good, "canvas 37", "canvas -1"), PORTRAIT_OUT_OF_RANGE},
      {Replace(good, "current-piece 7", "current-piece 10"), PORTRAIT_OUT_OF_RANGE},
      {Replace(good, "piece 9", "piece 10"), PORTRAIT_OUT_OF_RANGE},
      {Replace(good, "position -1 2", "position 99999999999 2"), PORTRAIT_UNKNOWN_LINE},
      {Replace(good, "position -1 2", "position -1  2"), PORTRAIT_UNKNOWN_LINE},
      {Replace(good, "colour #", "colour #G"), PORTRAIT_UNKNOWN_LINE},
      {Replace(good, "mode ", "mode on"), PORTRAIT_UNKNOWN_LINE},
      {Replace(good, "layer face", "layer other"), PORTRAIT_UNKNOWN_LINE},
      {Replace(good, "layer face", "layer face\nshade 3"), PORTRAIT_UNKNOWN_LINE},
      {Replace(good, "layer eyes", "layer face"), PORTRAIT_REPEATED},
      {Replace(good, "angle 5", "angle 5\nangle 5"), PORTRAIT_REPEATED},
      {Replace(good, "angle 5\n", ""), PORTRAIT_MISSING_FIELD},
      {Replace(good, "canvas ", "#canvas "), PORTRAIT_MISSING_FIELD},
      {Replace(good, "file kao\\kao-2", "file kao\\..\\..\\kao-2"), PORTRAIT_BAD_FILE_NAME},
      {Replace(good, "file kao\\kao-2", "file C:\\kao-2"), PORTRAIT_BAD_FILE_NAME},
      {Replace(good, "file kao\\kao-2", "file \\\\host\\kao-2"), PORTRAIT_BAD_FILE_NAME},
      {Replace(good, "file kao\\kao-2", "file kao\\a:b"), PORTRAIT_BAD_FILE_NAME},
      {Replace(good, "\xe9\xa1\x94", "\xe9\xa1"), PORTRAIT_NOT_UTF8},
      {Replace(good, "\xe9\xa1\x94", "\xed\xa0\x80"), PORTRAIT_NOT_UTF8},  // a surrogate
      {Replace(good, "file kao\\kao-2", "file kao\\" + std::string(2000, 'n')), PORTRAIT_LINE_TOO_LONG},
      {good + "layer hair\n", PORTRAIT_AFTER_END},
      // The photo's lines: version 2, together, on this machine, in range.
      {Replace(good, "layer", "photo a.png\nphoto-place 0 0 100 50 1\nlayer"), PORTRAIT_UNKNOWN_LINE},
      {Replace(Replace(good, "portrait 1", "portrait 2"), "layer", "photo a.png\nlayer"), PORTRAIT_MISSING_FIELD},
      {Replace(Replace(good, "portrait 1", "portrait 2"), "layer", "photo \\\\host\\a.png\nphoto-place 0 0 100 50 1\nlayer"),
       PORTRAIT_BAD_PHOTO_NAME},
      {Replace(Replace(good, "portrait 1", "portrait 2"), "layer", "photo //host/a.png\nphoto-place 0 0 100 50 1\nlayer"),
       PORTRAIT_BAD_PHOTO_NAME},
      {Replace(Replace(good, "portrait 1", "portrait 2"), "layer", "photo a.png\nphoto-place 0 0 0 50 1\nlayer"),
       PORTRAIT_OUT_OF_RANGE},
      {Replace(Replace(good, "portrait 1", "portrait 2"), "layer", "photo a\nphoto b\nphoto-place 0 0 1 1 1\nlayer"),
       PORTRAIT_REPEATED},
  };
  for (const auto &c : cases) {
    PortraitFileContent content = FullPortrait(), read = content;
    read.state.canvas[0] = 1234;  // a mark that must survive
    PortraitFileError error{};
    EXPECT_FALSE(ReadPortraitText(c.text.data(), c.text.size(), &read, &error)) << c.text.substr(0, 60);
    EXPECT_EQ(error.problem, c.problem) << c.text.substr(0, 60);
    EXPECT_EQ(read.state.canvas[0], 1234) << "the content is left as it was";
    EXPECT_EQ(read.layerFiles[CAT_FACE], content.layerFiles[CAT_FACE]);
  }
}

// A file is read and written again byte for byte: version 1 as it always
// was, version 2 only with a line of its own.
TEST(PortraitFile, EachVersionIsWrittenAgainByteForByte) {
  const char *const PART = "layer hair\nfile kao\\kao-b-003.bmp\nmode single\nposition 0 -4\nsize 80 60\nangle -15\n"
                           "colour #482E1E\n";
  const struct {
    std::string text;
    bool flipped;
  } cases[] = {
      {std::string("nigaoe-portrait 1\ncanvas 40 45 80 100\ncurrent-piece 0\n") + PART + "end\n", false},
      {std::string("nigaoe-portrait 2\ncanvas 40 45 80 100\ncurrent-piece 0\n") + PART + "flip 1\nend\n", true},
  };
  for (const auto &c : cases) {
    PortraitFileContent read{};
    ASSERT_TRUE(ReadPortraitText(c.text.data(), c.text.size(), &read, nullptr)) << c.text;
    EXPECT_EQ(read.state.layerFlipped[CAT_HAIR], c.flipped);
    EXPECT_EQ(WritePortraitText(read), c.text);
  }
}

}  // namespace
