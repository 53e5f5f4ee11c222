#include "part_file.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "render/render_fixtures.h"
#include "support/bmp_formats.h"

namespace {

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
  PartFolder folder;
  for (const BmpFormat &f : BmpFormats()) {
    SCOPED_TRACE(f.name);
    const int width = 11;
    WriteFileBytes(folder / "kao\\f.bmp", FormatBytes(f, width));
    BmpFormat plain = f;
    if (!f.platformReads) plain.infoSize = 40, plain.height = 6;
    WriteFileBytes(folder / "kao\\plain.bmp", FormatBytes(plain, width));
    Pixels24 decoded;
    HBITMAP mine = LoadPartImage("kao\\f.bmp", &decoded, nullptr);
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
  // Headers read short of the colour table or the masks that the file holds:
  // the decoder would take them from bytes never read.
  for (const auto &whole : {BmpBytes(5, 5, 8, 40, 256 * 4), BmpBytes(5, 5, 32, 40, 12, BI_BITFIELDS)}) {
    PartFileLayout layout;
    PartFileProblem problem = PART_FILE_READ;
    EXPECT_FALSE(ReadPartFileLayout(whole.data(), 14 + 40 + 8, whole.size(), &layout, &problem));
    EXPECT_EQ(problem, PART_FILE_NOT_READABLE);
  }

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
  HBITMAP bitmap = LoadPartImage(path, &pixels, nullptr);
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
