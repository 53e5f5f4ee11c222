// The bundled part library: names, file format, sizes and pixel rules of
// every part the program folder ships.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "catalogue.h"
#include "portrait.h"
#include "parts/shipped_parts.h"

namespace {

bool IsPureWhite(Bgr p) { return p == WHITE; }
bool IsPureBlack(Bgr p) { return p == BLACK; }

bool IsSafeNameCharacter(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c == '_'; }

}  // namespace

TEST(PartLibrary, EveryEntryOfTheKaoFolderFollowsTheNamingRule) {
  std::vector<std::string> names = ShippedPartNames();
  ASSERT_FALSE(names.empty()) << "no kao folder in " << baseDir;
  for (const std::string &name : names) {
    SCOPED_TRACE(name);
    DWORD attributes = GetFileAttributesA(ShippedPartPath(name).c_str());
    EXPECT_FALSE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    int category = PartNameCategory(name.c_str());
    EXPECT_TRUE(category >= 0);
    EXPECT_NE(category, CAT_DISABLED) << "its button is disabled, so no part of it can be chosen";
    ASSERT_GT(name.size(), 10u);
    EXPECT_EQ(name.substr(name.size() - 4), ".bmp");
    std::string rest = name.substr(6, name.size() - 10);
    EXPECT_TRUE(std::all_of(rest.begin(), rest.end(), IsSafeNameCharacter)) << "rest of name: " << rest;
  }
}

TEST(PartLibrary, EverySelectableCategoryListsAtLeastTenPartsAndSomeNeedThreePages) {
  int categoriesOverTen = 0;
  for (int category = CAT_FACE; category <= CAT_GLASSES; ++category) {
    if (category == CAT_DISABLED) continue;
    currentCategory = category;
    ScanPartFolder();  // what the category button lists
    EXPECT_GE(partCount, 10) << "category " << category;
    if (partCount > 10) ++categoriesOverTen;
  }
  currentCategory = 0;
  partCount = 0;
  EXPECT_GE(categoriesOverTen, 2);
}

// Faces and hair are placed at the canvas corner and fill the canvas; every
// other part fits on it. Even widths put centred parts exactly on the
// centre line and make a pair's two copies exact mirror images.
TEST(PartLibrary, EveryPartIsAnEvenWidth24BitBitmapThatTheProgramLoads) {
  for (const std::string &name : ShippedPartNames()) {
    SCOPED_TRACE(name);
    PartBitmap part = ReadPartBitmap(ShippedPartPath(name));
    ASSERT_EQ(part.problem, "");
    int category = PartNameCategory(name.c_str());
    if (category == CAT_FACE || category == CAT_HAIR || category == CAT_BACK_HAIR) {
      EXPECT_EQ(part.width, CANVAS_W);
      EXPECT_EQ(part.height, CANVAS_H);
    } else {
      EXPECT_GE(part.width, 2);
      EXPECT_LE(part.width, CANVAS_W);
      EXPECT_GE(part.height, 2);
      EXPECT_LE(part.height, CANVAS_H);
    }
    EXPECT_EQ(part.width % 2, 0);

    HBITMAP loaded = static_cast<HBITMAP>(
        LoadImageA(nullptr, ShippedPartPath(name).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    ASSERT_NE(loaded, nullptr);
    BITMAP info = {};
    GetObjectA(loaded, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, part.width);
    EXPECT_EQ(info.bmHeight, part.height);
    DeleteObject(loaded);
  }
}

// Line-work is pure black so that it takes the part's colour, on pure white
// that is transparent. Anti-aliased edges would leave greys that are
// neither: near-black or near-white pixels, and many shades in one part.
// A grey shine or strand would stay grey in dyed hair.
TEST(PartLibrary, NoPartHasGreyEdgesOrShadedLines) {
  for (const std::string &name : ShippedPartNames()) {
    SCOPED_TRACE(name);
    PartBitmap part = ReadPartBitmap(ShippedPartPath(name));
    ASSERT_EQ(part.problem, "");
    std::set<std::tuple<int, int, int>> colours;
    int drawn = 0, nearBlack = 0, nearWhite = 0, grey = 0;
    for (Bgr p : part.pixels) {
      colours.insert({p.blue, p.green, p.red});
      if (IsPureWhite(p)) continue;
      ++drawn;
      if (IsPureBlack(p)) continue;
      grey += p.red == p.green && p.green == p.blue;
      int low = std::min({p.blue, p.green, p.red}), high = std::max({p.blue, p.green, p.red});
      if (high <= 40) ++nearBlack;
      if (low >= 235) ++nearWhite;
    }
    EXPECT_GT(drawn, 0) << "a part that draws nothing";
    EXPECT_EQ(nearBlack, 0);
    EXPECT_EQ(nearWhite, 0);
    EXPECT_EQ(grey, 0);
    EXPECT_LE(colours.size(), 8u);
  }
}

// The face is recoloured as a fill: a closed black outline round one colour
// that is neither black nor white. A gap in the outline would let the
// fill touch the transparent white outside.
TEST(PartLibrary, EveryFaceIsAClosedBlackOutlineAroundOneFillColour) {
  int faces = 0;
  for (const std::string &name : ShippedPartNames()) {
    if (PartNameCategory(name.c_str()) != CAT_FACE) continue;
    SCOPED_TRACE(name);
    ++faces;
    PartBitmap face = ReadPartBitmap(ShippedPartPath(name));
    ASSERT_EQ(face.problem, "");
    std::set<std::tuple<int, int, int>> fills;
    int leaks = 0;
    for (int y = 0; y < face.height; ++y)
      for (int x = 0; x < face.width; ++x) {
        Bgr p = face.at(x, y);
        if (IsPureWhite(p) || IsPureBlack(p)) continue;
        fills.insert({p.blue, p.green, p.red});
        const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
        for (int i = 0; i < 4; ++i) {
          int nx = x + dx[i], ny = y + dy[i];
          if (nx >= 0 && ny >= 0 && nx < face.width && ny < face.height && IsPureWhite(face.at(nx, ny))) ++leaks;
        }
      }
    EXPECT_EQ(fills.size(), 1u);
    EXPECT_EQ(leaks, 0) << "fill pixels next to white: the outline has a gap";
  }
  EXPECT_GE(faces, 12);
}

TEST(PartLibrary, EveryBackHairBelongsToAFrontHairOfTheSameSize) {
  int withBack = 0, withoutBack = 0;
  std::vector<std::string> names = ShippedPartNames();
  auto shipped = [&](const std::string &name) { return std::count(names.begin(), names.end(), name) > 0; };
  for (const std::string &name : names) {
    std::string partner = name;
    if (PartNameCategory(name.c_str()) == CAT_BACK_HAIR) {
      SCOPED_TRACE(name);
      ReplaceSubstring(&partner[0], "kao-0-", "kao-b-");
      ASSERT_TRUE(shipped(partner)) << "no front hair " << partner;
      PartBitmap back = ReadPartBitmap(ShippedPartPath(name)), front = ReadPartBitmap(ShippedPartPath(partner));
      EXPECT_EQ(back.width, front.width);
      EXPECT_EQ(back.height, front.height);
    } else if (PartNameCategory(name.c_str()) == CAT_HAIR) {
      ReplaceSubstring(&partner[0], "kao-b-", "kao-0-");
      ++(shipped(partner) ? withBack : withoutBack);
    }
  }
  EXPECT_GE(withBack, 3) << "long styles have a back half";
  EXPECT_GE(withoutBack, 3) << "short styles have none";
  EXPECT_GE(withBack + withoutBack, 16);
}

TEST(PartLibrary, OtherPiecesComeAsHighPairsLowPairsAndSinglePieces) {
  std::map<std::string, int> kinds;
  for (const std::string &name : ShippedPartNames()) {
    if (PartNameCategory(name.c_str()) != CAT_OTHER) continue;
    std::string path = PART_FOLDER_PREFIX + name;
    kinds[path[10] != '0' ? "single" : path[11] == '0' ? "high pair" : "low pair"]++;
  }
  EXPECT_GE(kinds["high pair"], 3);
  EXPECT_GE(kinds["low pair"], 3);
  EXPECT_GE(kinds["single"], 3);
}

// Every drawn pixel of every part, at the place the program gives a new
// part (both copies of a pair), lies on the 80 x 100 canvas: nothing the
// user chooses starts out cut off by the canvas's edge.
TEST(PartLibrary, EveryPartLandsOnTheCanvasWhereTheProgramPutsIt) {
  for (const std::string &name : ShippedPartNames()) {
    SCOPED_TRACE(name);
    PartBitmap part = ReadPartBitmap(ShippedPartPath(name));
    ASSERT_EQ(part.problem, "");
    PartPosition position = DefaultPosition(name, part.width, part.height);
    int outside = 0;
    for (int y = 0; y < part.height; ++y)
      for (int x = 0; x < part.width; ++x) {
        if (IsPureWhite(part.at(x, y))) continue;
        int left = position.x + x, top = position.y + y;
        int mirrored = CANVAS_W - position.x - part.width + (part.width - 1 - x);
        bool off = left < 0 || left >= CANVAS_W || top < 0 || top >= CANVAS_H;
        if (position.pair) off = off || mirrored < 0 || mirrored >= CANVAS_W;
        outside += off;
      }
    EXPECT_EQ(outside, 0) << "pixels off the canvas at (" << position.x << ", " << position.y << ")";
  }
}
