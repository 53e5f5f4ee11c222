// Eyes, eyebrows, noses, mouths and ears. A pair part is drawn as the copy
// on the viewer's left (its outer side at the left edge); the program
// mirrors it for the other side.
#include <algorithm>
#include <cmath>

#include "draw.h"
#include "parts.h"

// ---- Eyes: 16 x 10, the eye's centre near (8, 5). ----

namespace {

// Eyes with a coloured iris draw the iris in INK, so that the colour
// command tints it, and the lids and the pupil in fixed dark colours.
Image DrawEyeFromText(const std::vector<std::string> &rows) {
  return ImageFromText(rows, {{'k', INK}, {'e', EYE_WHITE}, {'l', LID}, {'p', PUPIL}});
}

}  // namespace

void DrawEyes(PartLibrary &library) {
  const std::vector<std::vector<std::string>> eyes = {
      // plain
      {"................",
       "................",
       ".....kkkkkk.....",
       "...kkeekkeekk...",
       "..keeekkkkeeek..",
       ".keeeekkekkeeek.",
       "..kkeekkkkeekk..",
       "....kkkkkkkk....",
       "................",
       "................"},
      // big and round
      {"....kkkkkkkk....",
       "..kkeeeeeeeekk..",
       ".keeeekkkkeeeek.",
       "keeeekeekkkeeeek",
       "keeeekeekkkeeeek",
       "keeeekkkkkkeeeek",
       ".keeekkkkkkeeek.",
       ".keeeekkkkeeeek.",
       "..kkeeeeeeeekk..",
       "....kkkkkkkk...."},
      // narrow
      {"................",
       "................",
       "................",
       "....kkkkkkkk....",
       "..kkeeekkeeekk..",
       ".keeeekkkkeeeek.",
       "..kkeeekkeeekk..",
       "....kkkkkkkk....",
       "................",
       "................"},
      // lashes
      {"................",
       ".k..............",
       "..k..kkkkkk.....",
       "k..kkeekkeekk...",
       ".kkeeekkkkeeek..",
       ".keeeekkekkeeek.",
       "..kkeekkkkeekk..",
       "....kkkkkkkk....",
       "................",
       "................"},
      // dots
      {"................",
       "................",
       "......kkkk......",
       ".....kkkkkk.....",
       ".....kkekkk.....",
       ".....kkkkkk.....",
       ".....kkkkkk.....",
       "......kkkk......",
       "................",
       "................"},
      // wide open
      {"................",
       "....kkkkkkkk....",
       "..kkeeeeeeeekk..",
       ".keeeeekkeeeeek.",
       "keeeeekkkkeeeeek",
       "keeeeekkkkeeeeek",
       ".keeeeekkeeeeek.",
       "..kkeeeeeeeekk..",
       "....kkkkkkkk....",
       "................"},
      // heavy lids
      {"................",
       "................",
       ".....kkkkkk.....",
       "...kkkkkkkkkk...",
       "..kkeekkkkeekk..",
       ".keeeekkekkeeek.",
       "..kkeekkkkeekk..",
       "....kkkkkkkk....",
       "................",
       "................"},
      // sleepy
      {"................",
       "................",
       "................",
       ".kkkkkkkkkkkkkk.",
       "..keeekkkkeeek..",
       "...keekkkkeek...",
       "....kkkkkkkk....",
       "................",
       "................",
       "................"},
      // looking aside
      {"................",
       "................",
       ".....kkkkkk.....",
       "...kkeeeeekkkk..",
       "..keeeeeekkkkk..",
       ".keeeeeeekkekek.",
       "..kkeeeeekkkkk..",
       "....kkkkkkkk....",
       "................",
       "................"},
      // sparkling
      {"....kkkkkkkk....",
       "..kkeeeeeeeekk..",
       ".keeekkkkkkeeek.",
       "keeekeekkkkkeeek",
       "keeekeekkkkkeeek",
       "keeekkkkkkkkeeek",
       "keeekkkkkkekeeek",
       ".keeekkkkkkeeek.",
       "..kkeeeeeeeekk..",
       "....kkkkkkkk...."},
      // smiling shut
      {"................",
       "................",
       "................",
       "......kkkk......",
       "....kk....kk....",
       "...k........k...",
       "..k..........k..",
       "................",
       "................",
       "................"},
      // asleep
      {"................",
       "................",
       "................",
       "................",
       ".k............k.",
       "..kk........kk..",
       "....kkkkkkkk....",
       "...k..k..k......",
       "................",
       "................"},
      // almond, with a coloured iris
      {"................",
       "................",
       ".....llllll.....",
       "...llekkkkell...",
       "..leekkpphkeel..",
       ".leeekkppkkeeel.",
       "..lleekkkkeell..",
       "....llllllll....",
       "................",
       "................"},
      // big and round, with a coloured iris
      {"....llllllll....",
       "..llleeeeeelll..",
       ".lleekkkkkkeell.",
       "leeekkkpphkkeeel",
       "leeekkppppkkeeel",
       "leeekkppppkkeeel",
       ".leeekkkkkkeeel.",
       "..lleekkkkeell..",
       "....llllllll....",
       "................"},
      // lashes, with a coloured iris
      {"................",
       "l...............",
       ".l...llllll.....",
       "l.lllekkkkelll..",
       ".lleekkpphkeeel.",
       ".leeekkppkkeeel.",
       "..lleekkkkeell..",
       "....llllllll....",
       "................",
       "................"},
      // heavy lid, with a coloured iris
      {"................",
       "................",
       "....lllllll.....",
       "..llllllllllll..",
       ".lleekkpphkeell.",
       ".leeekkppkkeeel.",
       "..lleekkkkeell..",
       "....llllllll....",
       "................",
       "................"},
      // wide with surprise
      {"....kkkkkkkk....",
       "..kkeeeeeeeekk..",
       ".keeeeeeeeeeeek.",
       "keeeeeekkeeeeeek",
       "keeeeeekkeeeeeek",
       ".keeeeeeeeeeeek.",
       "..kkeeeeeeeekk..",
       "....kkkkkkkk....",
       "................",
       "................"},
      // angry, the lid slanting down to the nose
      {"................",
       "................",
       "..kkk...........",
       "..keekkkkk......",
       ".keeekkkkkkkk...",
       ".keeekkekkkeekk.",
       "..kkeekkkkeeek..",
       "....kkkkkkkkk...",
       "................",
       "................"},
      // squeezed shut, laughing
      {"................",
       "................",
       "...kk...........",
       ".....kk.........",
       ".......kkk......",
       ".....kk.........",
       "...kk...........",
       "................",
       "................",
       "................"},
      // closed, lashes down
      {"................",
       "................",
       "................",
       "................",
       "..kk........kk..",
       "....kkkkkkkk....",
       "...k.k..k..k....",
       "................",
       "................",
       "................"},
  };
  int number = 1;
  for (const auto &rows : eyes) library.push_back({PartName('3', number++), DrawEyeFromText(rows)});
}

// ---- Eyebrows: 16 x 6, over the eye's centre. ----

const int BROW_WIDTH = 16;
const int BROW_HEIGHT = 6;

namespace {

// A brow from its outer end (left) to its inner end (right): a curve through
// the three points, thickness pixels deep, tapering toward the outer end.
Image DrawBrow(Point outer, Point middle, Point inner, double thickness, bool taper,
                      int width = BROW_WIDTH) {
  Image image(width, BROW_HEIGHT, PAPER);
  std::vector<Point> spine = CurvePoints(outer, middle, inner, 40);
  PaintRegion(image, [&](double x, double y) {
    for (const Point &p : spine) {
      double t = (p.x - outer.x) / (inner.x - outer.x);
      double half = thickness / 2 * (taper ? 0.45 + 0.55 * t : 1.0);
      if (std::fabs(x - p.x) <= 0.6 && std::fabs(y - p.y) <= half) return true;
    }
    return false;
  }, INK);
  return image;
}

}  // namespace

void DrawEyebrows(PartLibrary &library) {
  int number = 1;
  auto add = [&](Image image) { library.push_back({PartName('4', number++), image}); };
  add(DrawBrow({1, 4}, {7, 0.5}, {14.5, 3}, 2.2, true));     // gentle arch
  add(DrawBrow({1, 3}, {8, 1.5}, {14.5, 2.5}, 3.2, false));  // thick and straight
  add(DrawBrow({1, 4.5}, {6, -0.5}, {14, 2.5}, 1.2, false)); // thin, high arch
  add(DrawBrow({1, 1}, {8, 2}, {14.5, 4.5}, 2.4, false));    // cross: low at the nose
  add(DrawBrow({1, 4.5}, {8, 3.5}, {14.5, 1}, 2.2, true));   // worried: high at the nose
  add(DrawBrow({1, 3.5}, {8, 0.5}, {14.5, 3}, 3.8, true));   // bushy
  add(DrawBrow({8, 3}, {10, 1.5}, {12.5, 3}, 2.8, false));   // short and round
  add(DrawBrow({1, 2.5}, {8, 2.5}, {14.5, 2.5}, 1.2, false)); // thin line
  add(DrawBrow({1, 4}, {4, 0.5}, {14.5, 1.5}, 2.2, true));   // peaked at the outer end
  add(DrawBrow({1, 3}, {9, 1}, {14.5, 2}, 2.2, false));      // even arch
  add(DrawBrow({2, 4}, {6, 0}, {13, 3.5}, 1.8, false));      // rounded arch
  add(DrawBrow({1, 0.5}, {9, 2}, {15, 5}, 3.4, false));      // thick and furious
  // One brow across: 24 wide, its inner end meets its mirror image.
  add(DrawBrow({5, 3.5}, {13, 0.5}, {24.5, 3}, 2.8, false, 24));
}

// ---- Noses: 12 x 14, centred on the face's centre line. ----

namespace {

Image DrawNoseFromText(const std::vector<std::string> &rows) {
  return ImageFromText(rows, {{'k', INK}});
}

}  // namespace

void DrawNoses(PartLibrary &library) {
  const std::vector<std::vector<std::string>> noses = {
      // side line and tip
      {"............",
       "......k.....",
       "......k.....",
       ".......k....",
       ".......k....",
       ".......k....",
       "........k...",
       "........k...",
       ".........k..",
       ".........k..",
       "...k.....k..",
       "...kk...kk..",
       ".....kkk....",
       "............"},
      // button
      {"............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "....kkkk....",
       "...k....k...",
       "..k.k..k.k..",
       "...k....k...",
       "....kkkk....",
       "............"},
      // long
      {"............",
       "....k.......",
       ".....k......",
       ".....k......",
       "......k.....",
       "......k.....",
       ".......k....",
       ".......k....",
       "........k...",
       ".........k..",
       "..k.......k.",
       "..k.kk..kk..",
       "...k..kk....",
       "............"},
      // two nostrils
      {"............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "....k..k....",
       "....k..k....",
       "............",
       "............"},
      // triangle
      {"............",
       "............",
       "............",
       "......k.....",
       "......k.....",
       ".....k.k....",
       ".....k.k....",
       "....k...k...",
       "....k...k...",
       "...k.....k..",
       "...k.....k..",
       "..k.......k.",
       "..kkkkkkkkk.",
       "............"},
      // big and round
      {"............",
       "............",
       "............",
       "............",
       "....kkkk....",
       "...k....k...",
       "..k......k..",
       ".k........k.",
       ".k........k.",
       ".k..k..k..k.",
       "..k......k..",
       "...kkkkkk...",
       "............",
       "............"},
      // small hook
      {"............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "......k.....",
       ".......k....",
       "........k...",
       "........k...",
       ".......k....",
       "....kkk.....",
       "............"},
      // upturned
      {"............",
       "............",
       ".....k......",
       ".....k......",
       ".....k......",
       ".....k......",
       ".....k......",
       ".....k......",
       ".....k......",
       "...k.k......",
       "..k...kk.k..",
       "..k.k...k...",
       "...k..kk....",
       "............"},
      // wide nostrils
      {"............",
       "............",
       "............",
       "............",
       "............",
       ".....kk.....",
       "....k..k....",
       "....k..k....",
       "...k....k...",
       "..k......k..",
       ".k..k..k..k.",
       ".k..kk.kk..k",
       "..kk.....kk.",
       "............"},
      // a simple hook
      {"............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "........k...",
       ".......k....",
       "......k.....",
       ".....k......",
       "....k.......",
       ".....kk.....",
       ".......kk...",
       "............"},
      // long and pointed
      {"............",
       "......k.....",
       "......k.....",
       "......k.....",
       "......k.....",
       ".......k....",
       ".......k....",
       ".......k....",
       "........k...",
       "........k...",
       ".........k..",
       "..........k.",
       ".....kkkkk..",
       "............"},
      // snub, two round nostrils
      {"............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "............",
       "...kkkkkk...",
       "..k......k..",
       ".k.kk..kk.k.",
       ".k.kk..kk.k.",
       "..k......k..",
       "...kkkkkk...",
       "............"},
      // big and hooked
      {".....k......",
       ".....k......",
       "......k.....",
       "......k.....",
       ".......k....",
       ".......k....",
       "........k...",
       "........k...",
       ".........k..",
       "..k.......k.",
       ".k.........k",
       ".k..kk....k.",
       "..kk..kkkk..",
       "............"},
  };
  int number = 1;
  for (const auto &rows : noses) library.push_back({PartName('5', number++), DrawNoseFromText(rows)});
}

// ---- Mouths: 20 x 10, centred on the face's centre line. ----

namespace {

Image DrawMouthFromText(const std::vector<std::string> &rows) {
  return ImageFromText(rows, {{'k', INK}, {'r', LIP}, {'t', TONGUE}, {'e', EYE_WHITE}, {'d', MOUTH_INSIDE}});
}

}  // namespace

void DrawMouths(PartLibrary &library) {
  const std::vector<std::vector<std::string>> mouths = {
      // smile
      {"....................",
       "....................",
       "....................",
       "...k............k...",
       "....k..........k....",
       ".....kk......kk.....",
       ".......kkkkkk.......",
       "....................",
       "....................",
       "...................."},
      // open laugh
      {"....................",
       "....................",
       "...kkkkkkkkkkkkkk...",
       "...k.eeeeeeeeeee.k..",
       "....keeeeeeeeeeek...",
       ".....kttttttttk.....",
       "......kttttttk......",
       ".......kkkkkk.......",
       "....................",
       "...................."},
      // straight
      {"....................",
       "....................",
       "....................",
       "....................",
       ".....kkkkkkkkkk.....",
       "....................",
       "....................",
       "....................",
       "....................",
       "...................."},
      // frown
      {"....................",
       "....................",
       "....................",
       "....................",
       ".......kkkkkk.......",
       ".....kk......kk.....",
       "....k..........k....",
       "...k............k...",
       "....................",
       "...................."},
      // round, surprised
      {"....................",
       "....................",
       "........kkkk........",
       ".......k....k.......",
       "......k.tttt.k......",
       "......k.tttt.k......",
       ".......k....k.......",
       "........kkkk........",
       "....................",
       "...................."},
      // red lips
      {"....................",
       "....................",
       "......kkk..kkk......",
       "....kkrrrkkrrrkk....",
       "...krrrrrrrrrrrrk...",
       "...kkkkkkkkkkkkkk...",
       "....krrrrrrrrrrk....",
       ".....kkrrrrrrkk.....",
       ".......kkkkkk.......",
       "...................."},
      // clenched teeth
      {"....................",
       "....................",
       "....kkkkkkkkkkkk....",
       "...keeekeeekeeeek...",
       "...keeekeeekeeeek...",
       "...kkkkkkkkkkkkkk...",
       "...keeekeeekeeeek...",
       "....kkkkkkkkkkkk....",
       "....................",
       "...................."},
      // smirk
      {"....................",
       "....................",
       "....................",
       "...............k....",
       "..............k.....",
       "....kkkk....kk......",
       "........kkkk........",
       "....................",
       "....................",
       "...................."},
      // cat mouth
      {"....................",
       "....................",
       "....................",
       "......k...k...k.....",
       ".......k.k.k.k......",
       "........k...k.......",
       "....................",
       "....................",
       "....................",
       "...................."},
      // tongue out
      {"....................",
       "....................",
       "....................",
       "....k..........k....",
       ".....kkkkkkkkkk.....",
       ".......kttttk.......",
       ".......kttttk.......",
       "........kttk........",
       ".........kk.........",
       "...................."},
      // wavy, nervous
      {"....................",
       "....................",
       "....................",
       "....................",
       "....kk...kk...kk....",
       "...k..k.k..k.k..k...",
       "........k.....k.....",
       "....................",
       "....................",
       "...................."},
      // big laugh
      {"....................",
       "..kkkkkkkkkkkkkkkk..",
       "..keeeeeeeeeeeeeek..",
       "..k..............k..",
       "...k............k...",
       "...k..tttttttt..k...",
       "....k.tttttttt.k....",
       ".....kk.tttt.kk.....",
       ".......kkkkkk.......",
       "...................."},
      // grin, all teeth
      {"....................",
       "....................",
       ".kkkkkkkkkkkkkkkkkk.",
       ".keeekeeekeeekeeeek.",
       "..keekeeekeeekeeek..",
       "...kkkkkkkkkkkkkk...",
       "....................",
       "....................",
       "....................",
       "...................."},
      // pout
      {"....................",
       "....................",
       "....................",
       ".......kk..kk.......",
       "......krrkkrrk......",
       "......kkkkkkkk......",
       "......krrrrrrk......",
       ".......kkkkkk.......",
       "....................",
       "...................."},
      // open wide with surprise
      {"....................",
       "........kkkk........",
       "......kk....kk......",
       ".....k.dddddd.k.....",
       ".....kdddddddk......",
       ".....kddttttdk......",
       "......kkttttkk......",
       "........kkkk........",
       "....................",
       "...................."},
      // sad, the lower lip pushed up
      {"....................",
       "....................",
       "....................",
       "....................",
       "......kkkkkkkk......",
       "....kk........kk....",
       "...k............k...",
       "........kkkk........",
       "....................",
       "...................."},
      // kiss
      {"....................",
       "....................",
       "....................",
       ".........kk.........",
       "........k..k........",
       ".........kk.........",
       "........k..k........",
       ".........kk.........",
       "....................",
       "...................."},
      // shouting
      {"....................",
       "...kkkkkkkkkkkkkk...",
       "...keeeeeeeeeeeek...",
       "...kddddddddddddk...",
       "...kddddddddddddk...",
       "...kddttttttttddk...",
       "....kttttttttttk....",
       ".....kkkkkkkkkk.....",
       "....................",
       "...................."},
      // buck teeth
      {"....................",
       "....................",
       "....................",
       "...k............k...",
       "....kkkkkkkkkkkk....",
       "........keekk.......",
       "........keeek.......",
       "........kkkkk.......",
       "....................",
       "...................."},
      // smile showing the teeth
      {"....................",
       "....................",
       "...kkkkkkkkkkkkkk...",
       "....keeeeeeeeeek....",
       ".....kkeeeeeekk.....",
       ".......kkkkkk.......",
       "....................",
       "....................",
       "....................",
       "...................."},
  };
  int number = 1;
  for (const auto &rows : mouths) library.push_back({PartName('6', number++), DrawMouthFromText(rows)});
}

// ---- Ears: 10 x 18 at (5, 40): the right-hand columns overlap the face's
// side, so the ear joins the face whatever its shape. Filled with INK, so
// that the ear takes its colour all over (the face's skin, given it), the
// lines in EAR_LINE. ----

namespace {

Image DrawEarFromText(const std::vector<std::string> &rows) {
  return ImageFromText(rows, {{'k', EAR_LINE}, {'s', INK}, {'g', GOLD}});
}

}  // namespace

void DrawEars(PartLibrary &library) {
  const std::vector<std::string> plain = {
      "..........",
      "....kkkk..",
      "...kssssk.",
      "..ksssssss",
      "..kskkssss",
      ".ksksssss.",
      ".ksksssss.",
      ".ksskssss.",
      ".ksskssss.",
      ".kssskkss.",
      "..kssssss.",
      "..kssssss.",
      "...ksssss.",
      "...ksssss.",
      "....kssss.",
      ".....kkss.",
      ".......kk.",
      ".........."};
  // An ear with its lobe redrawn from row `from` down, for the jewellery.
  auto withLobe = [&plain](std::size_t from, const std::vector<std::string> &lobe) {
    std::vector<std::string> rows = plain;
    std::copy(lobe.begin(), lobe.end(), rows.begin() + from);
    return rows;
  };
  const std::vector<std::vector<std::string>> ears = {
      plain,
      // small
      {"..........",
       "..........",
       "..........",
       "....kkkk..",
       "...kssssk.",
       "..ksssssss",
       "..kskkssss",
       "..ksksssss",
       "..ksksssss",
       "..kssksss.",
       "...ksssss.",
       "....kssss.",
       ".....kkss.",
       ".......kk.",
       "..........",
       "..........",
       "..........",
       ".........."},
      // big
      {"...kkkkk..",
       "..ksssssk.",
       ".ksssssss.",
       ".kskkkssss",
       "kskssssss.",
       "ksksssssss",
       "ksksssssss",
       "kssksssss.",
       "kssksssss.",
       "ksssksssss",
       ".ksssksss.",
       ".ksssssss.",
       "..ksssssss",
       "..ksssss..",
       "...ksssss.",
       "....kksss.",
       "......kk..",
       ".........."},
      // pointed
      {".kk.......",
       ".ksk......",
       "..kskk....",
       "..kssskk..",
       "..ksssssk.",
       "..kskkssss",
       "..ksksssss",
       "..ksksssss",
       "..ksskssss",
       "..ksssksss",
       "...kssssss",
       "...kssssss",
       "....kssss.",
       ".....kkss.",
       ".......kk.",
       "..........",
       "..........",
       ".........."},
      // gold ring
      withLobe(14, {"...gkssss.", "..g.gkkss.", "..g.g..kk.", "...g......"}),
      // long lobe
      withLobe(9, {".kssskssss", ".ksssksss.", ".kssssss..", "..ksssss..", "..kssssss.", "..kssssss.",
                   "...kssss..", "....kkkk.."}),
      // sticking out
      {"..........",
       "...kkkk...",
       "..kssssk..",
       ".kssssssk.",
       "ksskkssss.",
       "kskssssss.",
       "ksksssssss",
       "ksksssssss",
       "kssksssss.",
       "kssskksss.",
       ".kssssssss",
       ".kssssss..",
       "..ksssss..",
       "...ksssss.",
       "....kksss.",
       "......kk..",
       "..........",
       ".........."},
      // square
      {"..........",
       "..kkkkkk..",
       "..kssssk..",
       "..kskkssss",
       "..kskssss.",
       "..kskssss.",
       "..kskssss.",
       "..kskssss.",
       "..kskssss.",
       "..ksskkss.",
       "..ksssssss",
       "..kssssss.",
       "..kssssss.",
       "..kkkksss.",
       "......kk..",
       "..........",
       "..........",
       ".........."},
      // stud
      withLobe(13, {"...kgsss..", "...gggkss.", "....gkkkk.", ".........."}),
      // tiny
      {"..........",
       "..........",
       "..........",
       "..........",
       "..........",
       "....kkk...",
       "...ksssk..",
       "..ksksssss",
       "..kskssss.",
       "..ksskss..",
       "...kssss..",
       "....kkss..",
       "......kk..",
       "..........",
       "..........",
       "..........",
       "..........",
       ".........."}
  };
  int number = 1;
  for (const auto &rows : ears) library.push_back({PartName('7', number++), DrawEarFromText(rows)});
}
