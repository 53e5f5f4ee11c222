// Portrait files: the whole portrait as a small text file that a person can
// read and compare, so that work can be kept and opened again. Plain rules
// on text; nothing here touches a file or the platform.
//
// The text is UTF-8, one field a line, "name value". Blank lines and lines
// that begin with "#" are skipped. Version 1:
//
//   nigaoe-portrait 1
//   canvas 40 45 80 100          the canvas: x, y, width, height
//   current-piece 0              the other piece being edited, 0 to 9
//   layer face                   a category's part: back-hair, face, eyes,
//   file kao\kao-1-001.bmp         eyebrows, nose, mouth, ears, disabled,
//   mode single                    moustache, beard, hair or glasses
//   position 0 0                 x, y from the canvas's top-left corner
//   size 80 100                  width, height
//   angle 0                      1/180 radian units, -50 to 50
//   colour #FFFF80               red, green, blue
//   piece 0                      an other piece, 0 to 9, the same fields
//   ...
//   end
//
// file is empty or kao\ and a file name; mode is off, single or pair. A
// part block holds all six fields; parts that were never chosen (every
// field zero or empty) are left out and read back as such. The last line
// is "end", so a file cut short is told from a whole one.
//
// Later versions add optional lines only, each written only where it says
// something. A file is written as the lowest version that holds every line
// it has, so a portrait without any of them is version 1, byte for byte as
// version 1 wrote it; a file may hold only the lines of its own version and
// those before it. Version 2 adds a line to a part block:
//
//   flip 1                       the part mirrored left to right (左右反転)
//
// and two lines after current-piece, before the parts:
//
//   photo 写真\face.png           a reference photo: its file, then x, y,
//   photo-place 0 0 100 50 1       scale, strength in percent and 1 when it
//                                  shows
#pragma once

#include <cstddef>
#include <string>

#include "edit_rules.h"
#include "history.h"

// The newest version read; a file of a later one is refused.
const int PORTRAIT_FILE_VERSION = 2;

// Longest line read, in bytes: a part file name with room to spare.
const std::size_t PORTRAIT_LINE_MAX = 1024;

// The limits of the values a file may hold: what the editor reaches, with
// room to spare where it has no limit of its own.
const int PORTRAIT_POSITION_MAX = 10000;  // part positions, either sign
const int PORTRAIT_SIZE_MAX = 10000;      // part sizes, 0 up
const int PORTRAIT_ANGLE_MAX = PART_ANGLE_MAX;  // either sign
const int PORTRAIT_CANVAS_MAX = 1000;     // canvas x and y, 0 up; sizes from -2 x this
const int PORTRAIT_CANVAS_WIDTH_MAX = 2 * CANVAS_WIDTH;    // widened to x 0
const int PORTRAIT_CANVAS_HEIGHT_MAX = 2 * CANVAS_HEIGHT;  // heightened to y 0

// A reference photo kept with the portrait (version 2): its file as written
// (relative to the portrait file's folder, or a path with a drive; never a
// network path), where it lies and how it shows. An empty file: none.
struct PortraitFilePhoto {
  std::string file;
  int x, y, scale, strength;
  bool shown;
};

// The portrait as a file holds it: the state with its paths as UTF-8 text
// beside it (the state's own paths are not used).
struct PortraitFileContent {
  PortraitState state;
  std::string layerFiles[LAYER_SLOTS];
  std::string pieceFiles[PIECE_SLOTS];
  PortraitFilePhoto photo;
};

// The limits of a photo's lines: room to spare beyond what the editor
// reaches, which takes the values within its own bounds.
const int PORTRAIT_PHOTO_OFFSET_MAX = 10000;  // either sign
const int PORTRAIT_PHOTO_SCALE_MAX = 10000;   // from 1
const int PORTRAIT_PHOTO_STRENGTH_MAX = 100;  // from 1

// The text of content: the canvas, the current piece, every layer but slot
// 2 (the working copy of the current piece, no layer of its own) and slots
// 13 to 19, every piece; parts never chosen left out; as version 1 unless a
// line of a later version is needed.
std::string WritePortraitText(const PortraitFileContent &content);

// Why a text is not read as a portrait: the first rule it breaks, and where.
enum PortraitFileProblem {
  PORTRAIT_READ = 0,
  PORTRAIT_NOT_PORTRAIT,   // no first line "nigaoe-portrait <version>"
  PORTRAIT_NEWER_VERSION,  // made by a later version of the program
  PORTRAIT_CUT_SHORT,      // no "end" line, or it ends inside a part
  PORTRAIT_NOT_UTF8,
  PORTRAIT_LINE_TOO_LONG,
  PORTRAIT_UNKNOWN_LINE,   // a name it does not know, or a value of the wrong form
  PORTRAIT_OUT_OF_RANGE,
  PORTRAIT_REPEATED,       // a field or a part given twice
  PORTRAIT_MISSING_FIELD,  // a part without one of its six required fields, or no canvas
  PORTRAIT_BAD_FILE_NAME,  // a part file outside the kao folder
  PORTRAIT_AFTER_END,
  PORTRAIT_BAD_PHOTO_NAME,  // a photo's file on another machine, or not a name
};
struct PortraitFileError {
  PortraitFileProblem problem;
  int line;  // counted from 1; 0 when the text as a whole is at fault
};

// Reads a portrait from length bytes of text. Returns true with *content
// filled; false with content as it was and *error saying why.
bool ReadPortraitText(const char *text, std::size_t length, PortraitFileContent *content,
                      PortraitFileError *error);
