// A picture of the whole part library: every part at its own size on a
// grid, category by category, each with its file name under it, written
// in a small pixel font of our own.
#include "overview.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "parts.h"

const Rgb PAGE = {232, 232, 232};
const Rgb FRAME = {180, 180, 180};
const Rgb TEXT = {50, 50, 60};

namespace {

// 3 x 5 glyphs, one string of 15 characters a glyph, rows top first.
const std::map<char, const char *> &Glyphs() {
  static const std::map<char, const char *> glyphs = {
      {'0', "####.##.##.####"}, {'1', ".#.##..#..#.###"}, {'2', "##...#.#.#..###"}, {'3', "##...#.#...###."},
      {'4', "#.##.####..#..#"}, {'5', "####..##...###."}, {'6', ".###..####.####"}, {'7', "###..#.#..#..#."},
      {'8', "####.#####.####"}, {'9', "####.####..###."}, {'a', "....###.##.#.##"}, {'b', "#..##.#.##.###."},
      {'c', "....###..#...##"}, {'d', "..#.###.##.#.##"}, {'e', "....#.####...##"}, {'f', ".###..##.#..#.."},
      {'g', "....###.#.####."}, {'h', "#..##.#.##.##.#"}, {'i', ".#.....#..#..#."}, {'j', "..#.....##.#.#."},
      {'k', "#..#.###.#.##.#"}, {'l', "##..#..#..#.###"}, {'m', "...##.####.##.#"}, {'n', "...##.#.##.##.#"},
      {'o', "....#.#.##.#.#."}, {'p', "...##.#.###.#.."}, {'q', "....###.#.##..#"}, {'r', "....###..#..#.."},
      {'s', "....###...##.##"}, {'t', ".#.###.#..#..##"}, {'u', "...#.##.##.#.##"}, {'v', "...#.##.##.#.#."},
      {'w', "...#.##.#####.#"}, {'x', "...#.#.#..#.#.#"}, {'y', "...#.##.#.##.##"}, {'z', "...###.#.#..###"},
      {'-', "......###......"}, {'.', ".............#."}, {'_', "............###"}, {' ', "..............."},
      {'(', ".#.#..#..#...#."}, {')', ".#...#..#..#.#."},
  };
  return glyphs;
}

// Writes text with its top-left corner at (x, y), each font pixel scale
// pixels square. Returns the width written.
int DrawText(Image &image, int x, int y, const std::string &text, int scale) {
  int left = x;
  for (char c : text) {
    auto glyph = Glyphs().find(c);
    if (glyph != Glyphs().end())
      for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 3; ++column)
          if (glyph->second[row * 3 + column] == '#')
            for (int dy = 0; dy < scale; ++dy)
              for (int dx = 0; dx < scale; ++dx) image.set(x + column * scale + dx, y + row * scale + dy, TEXT);
    x += 4 * scale;
  }
  return x - left;
}

}  // namespace

struct Section {
  char category;
  const char *title;
  int scale;  // the small parts are shown twice their size
};

namespace {

// In the order of the editor's category buttons.
const Section SECTIONS[] = {
    {'1', "kao-1 faces", 1},          {'b', "kao-b hair", 1},         {'0', "kao-0 back hair", 1},
    {'3', "kao-3 eyes (x2)", 2},      {'4', "kao-4 eyebrows (x2)", 2}, {'5', "kao-5 noses (x2)", 2},
    {'6', "kao-6 mouths (x2)", 2},    {'7', "kao-7 ears (x2)", 2},    {'9', "kao-9 moustaches (x2)", 2},
    {'a', "kao-a beards", 1},         {'c', "kao-c glasses", 1},      {'2', "kao-2 other pieces", 1},
};

}  // namespace

const int PAGE_WIDTH = 1000;
const int MARGIN = 8;
const int GAP = 8;
const int NAME_HEIGHT = 9;
const int TITLE_HEIGHT = 16;

struct Placed {
  const PartDrawing *part;
  int x, y, scale;
};

namespace {

// Lays the parts out row by row; returns the page's height.
int LayOut(const PartLibrary &library, std::vector<Placed> &placed, std::vector<std::pair<int, const char *>> &titles) {
  int y = MARGIN;
  for (const Section &section : SECTIONS) {
    std::vector<const PartDrawing *> parts;
    for (const PartDrawing &part : library)
      if (part.name[4] == section.category) parts.push_back(&part);
    if (parts.empty()) continue;
    titles.push_back({y, section.title});
    y += TITLE_HEIGHT;
    int x = MARGIN, rowHeight = 0;
    for (const PartDrawing *part : parts) {
      int width = part->image.width * section.scale, height = part->image.height * section.scale;
      int cellWidth = std::max(width + 2, static_cast<int>(part->name.size()) * 4);
      if (x + cellWidth > PAGE_WIDTH - MARGIN) {
        x = MARGIN;
        y += rowHeight + GAP;
        rowHeight = 0;
      }
      placed.push_back({part, x, y, section.scale});
      rowHeight = std::max(rowHeight, height + 2 + NAME_HEIGHT);
      x += cellWidth + GAP;
    }
    y += rowHeight + GAP * 2;
  }
  return y;
}

}  // namespace

Image DrawLibraryOverview(const PartLibrary &library) {
  std::vector<Placed> placed;
  std::vector<std::pair<int, const char *>> titles;
  int height = LayOut(library, placed, titles);
  Image page(PAGE_WIDTH, height, PAGE);
  for (const auto &[y, title] : titles) DrawText(page, MARGIN, y + 2, title, 2);
  for (const Placed &p : placed) {
    const Image &part = p.part->image;
    int width = part.width * p.scale, height = part.height * p.scale;
    for (int y = -1; y <= height; ++y)
      for (int x = -1; x <= width; ++x) {
        bool frame = x < 0 || y < 0 || x == width || y == height;
        page.set(p.x + 1 + x, p.y + 1 + y, frame ? FRAME : part.at(x / p.scale, y / p.scale));
      }
    DrawText(page, p.x, p.y + height + 4, p.part->name, 1);
  }
  return page;
}

bool WriteLibraryOverview(const std::string &path) {
  if (WriteBmp24(path, DrawLibraryOverview(DrawPartLibrary()))) return true;
  std::fprintf(stderr, "partgen: cannot write %s\n", path.c_str());
  return false;
}
