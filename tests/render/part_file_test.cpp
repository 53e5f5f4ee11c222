#include "part_file.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "render/render_fixtures.h"

namespace {

// The bytes of a BMP file: headers of infoSize bytes (12 or 40), tableBytes
// of colour table, then rows of width x bits pixels.
std::vector<std::uint8_t> BmpBytes(int width, int height, int bits, int infoSize = 40,
                                   int tableBytes = 0, int compression = 0) {
  int row = (width * bits + 31) / 32 * 4;
  int offset = 14 + infoSize + tableBytes;
  std::vector<std::uint8_t> b(offset + row * (height < 0 ? -height : height), 0);
  auto put = [&](int at, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
  };
  b[0] = 'B';
  b[1] = 'M';
  put(2, b.size(), 4);
  put(10, offset, 4);
  put(14, infoSize, 4);
  if (infoSize == 12) {
    put(18, width, 2);
    put(20, height, 2);
    put(22, 1, 2);
    put(24, bits, 2);
  } else {
    put(18, width, 4);
    put(22, height, 4);
    put(26, 1, 2);
    put(28, bits, 2);
    put(30, compression, 4);
  }
  return b;
}

bool Fits(const std::vector<std::uint8_t> &bytes) {
  return PartFileHeaderFits(bytes.data(), bytes.size(), bytes.size());
}

// Why a whole file of these bytes is refused; PART_FILE_READ when it is not.
PartFileProblem Refusal(const std::vector<std::uint8_t> &bytes) {
  PartFileLayout layout;
  PartFileProblem problem = PART_FILE_READ;
  ReadPartFileLayout(bytes.data(), bytes.size(), bytes.size(), &layout, &problem);
  return problem;
}

// A file of one of the formats the program reads: its information header
// kind, bits per pixel, compression, colour table (or bit masks) and the
// raw value of each pixel (a colour index, a 16 or 32-bit word, or blue,
// green, red packed low to high). A negative height stores rows top first.
struct Format {
  const char *name;
  int infoSize, bits, compression, height;
  std::vector<std::uint32_t> table;  // colours 0xRRGGBB, or the red, green, blue masks
  // Wine's loader reads no 52 or 56-byte header and gives top-down rows as
  // black: such a file is checked against the same picture stored bottom-up
  // with a 40-byte header, read by the platform.
  bool platformReads = true;
};

std::vector<std::uint8_t> FormatBytes(const Format &f, int width, std::uint32_t (*raw)(int, int)) {
  int rows = f.height < 0 ? -f.height : f.height;
  int rowSize = (width * f.bits + 31) / 32 * 4;
  bool core = f.infoSize == 12;
  bool masksInHeader = f.compression == BI_BITFIELDS && f.infoSize > 40;
  int tableBytes = masksInHeader ? 0 : static_cast<int>(f.table.size()) * (core ? 3 : 4);
  int offset = 14 + f.infoSize + tableBytes;
  std::vector<std::uint8_t> b(offset + rowSize * rows, 0);
  auto put = [&](int at, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
  };
  b[0] = 'B', b[1] = 'M';
  put(2, b.size(), 4);
  put(10, offset, 4);
  put(14, f.infoSize, 4);
  if (core) {
    put(18, width, 2), put(20, rows, 2), put(22, 1, 2), put(24, f.bits, 2);
  } else {
    put(18, width, 4), put(22, f.height, 4), put(26, 1, 2), put(28, f.bits, 2);
    put(30, f.compression, 4);
    if (f.bits <= 8) put(46, f.table.size(), 4);
  }
  for (std::size_t i = 0; i < f.table.size(); ++i) {
    if (f.compression == BI_BITFIELDS)
      put(14 + 40 + 4 * static_cast<int>(i), f.table[i], 4);
    else
      put(14 + f.infoSize + static_cast<int>(i) * (core ? 3 : 4), f.table[i], core ? 3 : 4);
  }
  for (int r = 0; r < rows; ++r)
    for (int x = 0; x < width; ++x) {
      int y = f.height < 0 ? r : rows - 1 - r;  // y from the top
      std::uint32_t v = raw(x, y);
      int at = offset + r * rowSize;
      if (f.bits < 8)
        b[at + x * f.bits / 8] |= static_cast<std::uint8_t>(v << (8 - f.bits - x * f.bits % 8));
      else
        put(at + x * f.bits / 8, v, f.bits / 8);
    }
  return b;
}

// Every pixel of a loaded bitmap as 24-bit blue, green, red, top row first.
std::vector<std::uint8_t> RowsOf(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint8_t> rows((width * 3 + 3) / 4 * 4 * height);
  HDC screen = GetDC(nullptr);
  int lines = GetDIBits(screen, bitmap, 0, height, rows.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(lines, height);
  return rows;
}

// The program decodes each format itself: its pixels must be exactly what
// the platform's own loader gives for the same file.
TEST(LoadPartImage, DecodesEveryFormatAsThePlatformLoaderDoes) {
  const std::uint32_t GREYS2[] = {0x000000, 0xFFFFFF};
  std::vector<std::uint32_t> palette16, palette256;
  for (std::uint32_t i = 0; i < 256; ++i) palette256.push_back(i * 0x010305 * 7 & 0xFFFFFF);
  palette16.assign(palette256.begin(), palette256.begin() + 16);
  const Format formats[] = {
      {"1 bit, black and white", 40, 1, BI_RGB, 6, {GREYS2[0], GREYS2[1]}},
      {"1 bit, two colours", 40, 1, BI_RGB, 6, {0x12AB34, 0xFE0102}},
      {"1 bit, core", 12, 1, BI_RGB, 6, {0xFFFFFF, 0x000000}},
      {"4 bits", 40, 4, BI_RGB, 6, palette16},
      {"4 bits, 5 colours used", 40, 4, BI_RGB, 6, {1, 0xFF, 0xFF00, 0xFF0000, 0x808080}},
      {"4 bits, core", 12, 4, BI_RGB, 6, palette16},
      {"8 bits", 40, 8, BI_RGB, 6, palette256},
      {"8 bits, top row first", 40, 8, BI_RGB, -6, palette256, false},
      {"8 bits, 108-byte header", 108, 8, BI_RGB, 6, palette256},
      {"8 bits, core", 12, 8, BI_RGB, 6, palette256},
      {"16 bits", 40, 16, BI_RGB, 6, {}},
      {"16 bits, 5-6-5", 40, 16, BI_BITFIELDS, 6, {0xF800, 0x07E0, 0x001F}},
      {"16 bits, 4-4-4", 40, 16, BI_BITFIELDS, 6, {0x0F00, 0x00F0, 0x000F}},
      {"16 bits, 5-6-5, 56-byte header", 56, 16, BI_BITFIELDS, 6, {0xF800, 0x07E0, 0x001F}, false},
      {"24 bits", 40, 24, BI_RGB, 6, {}},
      {"24 bits, top row first", 40, 24, BI_RGB, -6, {}, false},
      {"24 bits, core", 12, 24, BI_RGB, 6, {}},
      {"24 bits, 52-byte header", 52, 24, BI_RGB, 6, {}, false},
      {"24 bits, 124-byte header", 124, 24, BI_RGB, 6, {}},
      {"32 bits", 40, 32, BI_RGB, 6, {}},
      {"32 bits, fields", 40, 32, BI_BITFIELDS, 6, {0xFF000000, 0x00FF0000, 0x0000FF00}},
      {"32 bits, 10-bit fields", 124, 32, BI_BITFIELDS, 6, {0x3FF00000, 0x000FFC00, 0x000003FF}},
      {"32 bits, top row first", 108, 32, BI_BITFIELDS, -6, {0xFF0000, 0xFF00, 0xFF}, false},
  };
  PartFolder folder;
  for (const Format &f : formats) {
    SCOPED_TRACE(f.name);
    static int bits;
    bits = f.bits;
    const int width = 11;
    auto raw = [](int x, int y) {
      std::uint32_t v = (x * 2654435761u) ^ (y * 40503u + 0x9E3779B9u);
      v ^= v >> 13;
      return bits < 32 ? v & ((1u << bits) - 1) : v;
    };
    WriteFileBytes(folder / "kao\\f.bmp", FormatBytes(f, width, raw));
    Format plain = f;
    if (!f.platformReads) plain.infoSize = 40, plain.height = 6;
    WriteFileBytes(folder / "kao\\plain.bmp", FormatBytes(plain, width, raw));
    Pixels24 decoded;
    HBITMAP mine = LoadPartImage(nullptr, "kao\\f.bmp", &decoded);
    ASSERT_NE(mine, nullptr);
    HBITMAP theirs = static_cast<HBITMAP>(
        LoadImageA(nullptr, (folder / "kao\\plain.bmp").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    ASSERT_NE(theirs, nullptr);
    EXPECT_EQ(RowsOf(mine, width, 6), RowsOf(theirs, width, 6));
    DeleteObject(mine);
    DeleteObject(theirs);
  }
}

TEST(PartFileHeaderFits, AcceptsOnlyHeadersWhosePixelsLieInTheFile) {
  std::vector<std::uint8_t> good = BmpBytes(3, 2, 24);
  EXPECT_TRUE(Fits(good));
  EXPECT_TRUE(Fits(BmpBytes(4096, 1, 24)));
  EXPECT_TRUE(Fits(BmpBytes(5, 5, 8, 40, 256 * 4)));
  EXPECT_TRUE(Fits(BmpBytes(5, 5, 1, 40, 2 * 4)));
  EXPECT_TRUE(Fits(BmpBytes(5, 5, 24, 12)));
  EXPECT_TRUE(Fits(BmpBytes(5, 5, 32, 40, 12, BI_BITFIELDS)));
  EXPECT_TRUE(Fits(BmpBytes(5, -5, 24)));  // rows stored top row first

  std::vector<std::uint8_t> truncated = good;
  truncated.pop_back();
  EXPECT_EQ(Refusal(truncated), PART_FILE_CUT_SHORT);
  EXPECT_FALSE(PartFileHeaderFits(good.data(), good.size(), good.size() - 1));
  EXPECT_EQ(Refusal(std::vector<std::uint8_t>(good.begin(), good.begin() + 30)), PART_FILE_TOO_SHORT);
  EXPECT_EQ(Refusal(std::vector<std::uint8_t>()), PART_FILE_TOO_SHORT);

  const struct {
    std::vector<std::uint8_t> bytes;
    PartFileProblem problem;
  } refused[] = {
      {BmpBytes(0, 5, 24), PART_FILE_SIDE},      {BmpBytes(5, 0, 24), PART_FILE_SIDE},
      {BmpBytes(5, -4097, 24), PART_FILE_SIDE},  {BmpBytes(4097, 1, 24), PART_FILE_SIDE},
      {BmpBytes(1, 4097, 24), PART_FILE_SIDE},   {BmpBytes(5, 5, 7), PART_FILE_BIT_COUNT},
      {BmpBytes(5, 5, 8, 41), PART_FILE_HEADER_KIND},
      {BmpBytes(1, 1, 8, 40, 10), PART_FILE_CUT_SHORT},  // colour table cut short
      {BmpBytes(5, 5, 8, 40, 0, BI_RLE8), PART_FILE_COMPRESSED},
      {BmpBytes(5, 5, 24, 40, 0, BI_BITFIELDS), PART_FILE_COMPRESSED},
  };
  for (const auto &r : refused) {
    EXPECT_FALSE(Fits(r.bytes)) << &r - refused;
    EXPECT_EQ(Refusal(r.bytes), r.problem) << &r - refused;
  }

  std::vector<std::uint8_t> wrong = good;
  wrong[1] = 'A';
  EXPECT_EQ(Refusal(wrong), PART_FILE_NOT_BMP);
  wrong = good;
  wrong[26] = 2;  // planes
  EXPECT_EQ(Refusal(wrong), PART_FILE_PLANES);
  wrong = good;
  wrong[10] = 0xF0;  // pixels said to start near the end
  EXPECT_EQ(Refusal(wrong), PART_FILE_CUT_SHORT);
  wrong[10] = 50;  // pixels said to start inside the information header
  EXPECT_EQ(Refusal(wrong), PART_FILE_PIXEL_OFFSET);
  wrong = BmpBytes(5, 5, 8, 40, 256 * 4);
  wrong[46] = 1;
  wrong[47] = 1;  // 257 colours used
  EXPECT_EQ(Refusal(wrong), PART_FILE_COLOURS_USED);
}

// Loads a part file as the drawing does; the size that a click reads
// without decoding must agree with it.
HBITMAP Load(const char *path, int *width, int *height) {
  Pixels24 pixels;
  HBITMAP bitmap = LoadPartImage(nullptr, path, &pixels);
  int w = -1, h = -1;
  EXPECT_EQ(ReadPartSize(path, &w, &h), bitmap ? 1 : 0) << path;
  if (bitmap) {
    *width = pixels.width;
    *height = pixels.height;
    EXPECT_EQ(w, pixels.width);
    EXPECT_EQ(h, pixels.height);
  }
  return bitmap;
}

TEST(LoadPartImage, LoadsFromBaseDirWhateverTheCurrentDirectory) {
  PartFolder folder;
  folder.Write("kao\\kao-3-001.bmp", 7, 5, [](int, int) { return BLACK; });
  TempDir elsewhere;
  char saved[MAX_PATH];
  GetCurrentDirectoryA(sizeof saved, saved);
  SetCurrentDirectoryA(elsewhere.path().c_str());
  int width = 0, height = 0;
  HBITMAP bitmap = Load("kao\\kao-3-001.bmp", &width, &height);
  SetCurrentDirectoryA(saved);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(width, 7);
  EXPECT_EQ(height, 5);
  DeleteObject(bitmap);
}

TEST(LoadPartImage, LoadsUnderAFolderWithAJapaneseName) {
  PartFolder folder;
  // ソ and 表 end in the byte of a backslash in code page 932.
  std::string dir = folder / "表ソ";
  CreateDirectoryA(dir.c_str(), nullptr);
  WriteTestBmp(dir + "\\p.bmp", 3, 3, [](int, int) { return WHITE; });
  int width = 0, height = 0;
  HBITMAP bitmap = Load("表ソ\\p.bmp", &width, &height);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(width, 3);
  DeleteObject(bitmap);
}

TEST(LoadPartImage, RefusesBadFilesWithoutLeavingAnything) {
  PartFolder folder;
  std::vector<std::uint8_t> good = BmpBytes(8, 8, 24);
  WriteFileBytes(folder / "kao\\empty.bmp", {});
  WriteFileBytes(folder / "kao\\truncated.bmp", std::vector<std::uint8_t>(good.begin(), good.end() - 1));
  WriteFileBytes(folder / "kao\\text.bmp", std::vector<std::uint8_t>(200, 'a'));
  WriteFileBytes(folder / "kao\\huge.bmp", BmpBytes(5000, 1, 24));
  CreateDirectoryA((folder / "kao\\folder.bmp").c_str(), nullptr);
  const std::string bad[] = {"kao\\missing.bmp", "kao\\empty.bmp", "kao\\truncated.bmp",
                             "kao\\text.bmp", "kao\\huge.bmp", "kao\\folder.bmp",
                             "kao\\" + std::string(300, 'n') + ".bmp", "kao\\nul.bmp"};
  // Warm up, then no GDI object may be left behind by a refusal.
  int width = -1, height = -1;
  for (const std::string &path : bad) Load(path.c_str(), &width, &height);
  int before = FreeGdiHandles();
  for (int round = 0; round < 50; ++round)
    for (const std::string &path : bad)
      EXPECT_EQ(Load(path.c_str(), &width, &height), nullptr) << path;
  EXPECT_EQ(FreeGdiHandles(), before);
  EXPECT_EQ(width, -1);
}

}  // namespace
