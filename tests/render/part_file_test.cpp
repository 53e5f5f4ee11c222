#include "render/part_file.h"

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

TEST(PartFileHeaderFits, AcceptsOnlyHeadersWhosePixelsLieInTheFile) {
  std::vector<std::uint8_t> good = BmpBytes(3, 2, 24);
  EXPECT_TRUE(Fits(good));
  EXPECT_TRUE(Fits(BmpBytes(4096, 1, 24)));
  EXPECT_TRUE(Fits(BmpBytes(5, 5, 8, 40, 256 * 4)));
  EXPECT_TRUE(Fits(BmpBytes(5, 5, 1, 40, 2 * 4)));
  EXPECT_TRUE(Fits(BmpBytes(5, 5, 24, 12)));
  EXPECT_TRUE(Fits(BmpBytes(5, 5, 32, 40, 12, BI_BITFIELDS)));

  std::vector<std::uint8_t> truncated = good;
  truncated.pop_back();
  EXPECT_FALSE(Fits(truncated));
  EXPECT_FALSE(PartFileHeaderFits(good.data(), good.size(), good.size() - 1));
  EXPECT_FALSE(Fits(std::vector<std::uint8_t>(good.begin(), good.begin() + 30)));
  EXPECT_FALSE(Fits(std::vector<std::uint8_t>()));

  const std::vector<std::uint8_t> refused[] = {
      BmpBytes(0, 5, 24),      BmpBytes(5, 0, 24),         BmpBytes(5, -5, 24),
      BmpBytes(4097, 1, 24),   BmpBytes(1, 4097, 24),      BmpBytes(5, 5, 7),
      BmpBytes(5, 5, 8, 41),   BmpBytes(1, 1, 8, 40, 10),  // colour table cut short
      BmpBytes(5, 5, 8, 40, 0, BI_RLE8),                    BmpBytes(5, 5, 24, 40, 0, BI_BITFIELDS),
  };
  for (const auto &bytes : refused) EXPECT_FALSE(Fits(bytes)) << &bytes - refused;

  std::vector<std::uint8_t> wrong = good;
  wrong[1] = 'A';
  EXPECT_FALSE(Fits(wrong));
  wrong = good;
  wrong[26] = 2;  // planes
  EXPECT_FALSE(Fits(wrong));
  wrong = good;
  wrong[10] = 0xF0;  // pixels said to start near the end
  EXPECT_FALSE(Fits(wrong));
  wrong = BmpBytes(5, 5, 8, 40, 256 * 4);
  wrong[46] = 1;
  wrong[47] = 1;  // 257 colours used
  EXPECT_FALSE(Fits(wrong));
}

TEST(LoadPartBitmap, LoadsFromBaseDirWhateverTheCurrentDirectory) {
  PartFolder folder;
  folder.Write("kao\\kao-3-001.bmp", 7, 5, [](int, int) { return BLACK; });
  TempDir elsewhere;
  char saved[MAX_PATH];
  GetCurrentDirectoryA(sizeof saved, saved);
  SetCurrentDirectoryA(elsewhere.path().c_str());
  int width = 0, height = 0;
  HBITMAP bitmap = LoadPartBitmap("kao\\kao-3-001.bmp", &width, &height);
  SetCurrentDirectoryA(saved);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(width, 7);
  EXPECT_EQ(height, 5);
  DeleteObject(bitmap);
}

TEST(LoadPartBitmap, LoadsUnderAFolderWithAJapaneseName) {
  PartFolder folder;
  // ソ and 表 end in the byte of a backslash in code page 932.
  std::string dir = folder / "表ソ";
  CreateDirectoryA(dir.c_str(), nullptr);
  WriteTestBmp(dir + "\\p.bmp", 3, 3, [](int, int) { return WHITE; });
  int width = 0, height = 0;
  HBITMAP bitmap = LoadPartBitmap("表ソ\\p.bmp", &width, &height);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(width, 3);
  DeleteObject(bitmap);
}

TEST(LoadPartBitmap, RefusesBadFilesWithoutLeavingAnything) {
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
  for (const std::string &path : bad) LoadPartBitmap(path.c_str(), &width, &height);
  int before = FreeGdiHandles();
  for (int round = 0; round < 50; ++round)
    for (const std::string &path : bad)
      EXPECT_EQ(LoadPartBitmap(path.c_str(), &width, &height), nullptr) << path;
  EXPECT_EQ(FreeGdiHandles(), before);
  EXPECT_EQ(width, -1);
}

}  // namespace
