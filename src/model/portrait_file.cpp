#include "portrait_file.h"

#include <cstdio>
#include <cstring>

#include "catalogue.h"

namespace {

const char FIRST_WORD[] = "nigaoe-portrait";
const char *const MODE_NAMES[] = {"off", "single", "pair"};

// The fields of a part block, each given once: the six of version 1, every
// one required, then the optional ones of later versions.
enum PartField {
  FIELD_FILE, FIELD_MODE, FIELD_POSITION, FIELD_SIZE, FIELD_ANGLE, FIELD_COLOUR,
  FIELD_FLIP,
  FIELD_COUNT
};
const int FIELDS_REQUIRED = FIELD_FLIP;
const char *const FIELD_NAMES[FIELD_COUNT] = {"file", "mode", "position", "size", "angle", "colour", "flip"};
// The version that brought each field in: a file may hold only the fields
// of its own version and those before it.
const int FIELD_SINCE[FIELD_COUNT] = {1, 1, 1, 1, 1, 1, 2};

// An optional line written raises the file's version to the one that
// brought it in; a file without any stays the version before.
void Needs(int *version, int since) {
  if (*version < since) *version = since;
}

bool NeverChosen(const PartSlot &slot, bool flipped, const std::string &file) {
  return slot.mode == MODE_OFF && file.empty() && slot.x == 0 && slot.y == 0 && slot.width == 0 &&
         slot.height == 0 && slot.angle == 0 && slot.blue == 0 && slot.green == 0 && slot.red == 0 && !flipped;
}

void WritePart(std::string &text, const char *heading, const PartSlot &slot, bool flipped,
               const std::string &file, int *version) {
  if (NeverChosen(slot, flipped, file)) return;
  char line[96];
  text += heading;
  text += "\nfile " + file + "\n";
  int mode = slot.mode >= MODE_OFF && slot.mode <= MODE_PAIR ? slot.mode : MODE_OFF;
  std::snprintf(line, sizeof line, "mode %s\nposition %d %d\nsize %d %d\nangle %d\ncolour #%02X%02X%02X\n",
                MODE_NAMES[mode], slot.x, slot.y, slot.width, slot.height, slot.angle, slot.red & 0xFF,
                slot.green & 0xFF, slot.blue & 0xFF);
  text += line;
  if (flipped) {
    text += "flip 1\n";
    Needs(version, FIELD_SINCE[FIELD_FLIP]);
  }
}

// A UTF-8 sequence well formed: no stray or overlong bytes, no surrogates,
// nothing beyond U+10FFFF.
bool IsUtf8(const unsigned char *p, std::size_t n) {
  for (std::size_t i = 0; i < n;) {
    unsigned char c = p[i];
    int more = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (more < 0 || i + more >= n) return false;
    unsigned long code = more == 0 ? c : c & (0x3F >> more);
    for (int k = 1; k <= more; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) return false;
      code = code << 6 | (p[i + k] & 0x3F);
    }
    static const unsigned long LOWEST[] = {0, 0x80, 0x800, 0x10000};
    if (code < LOWEST[more] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += more + 1;
  }
  return true;
}

// Reads the whole of text as count integers, each within [low, high], with
// single blanks between them.
bool ReadNumbers(const std::string &text, int count, int *values, long low, long high, bool *inRange) {
  const char *p = text.c_str();
  for (int k = 0; k < count; ++k) {
    if (k > 0 && *p++ != ' ') return false;
    bool negative = *p == '-';
    if (negative) ++p;
    if (*p < '0' || *p > '9') return false;
    long value = 0;
    for (int digits = 0; *p >= '0' && *p <= '9'; ++p)
      if (++digits > 9) return false;
      else value = value * 10 + (*p - '0');
    if (negative) value = -value;
    if (value < low || value > high) *inRange = false;
    values[k] = static_cast<int>(value);
  }
  return *p == '\0';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A part's file: empty, or kao\ and a name without folders or a drive.
bool IsPartFileName(const std::string &file) {
  if (file.empty()) return true;
  std::size_t prefix = sizeof PART_FOLDER_PREFIX - 1;
  if (file.size() <= prefix || file.compare(0, prefix, PART_FOLDER_PREFIX) != 0) return false;
  for (std::size_t i = prefix; i < file.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(file[i]);
    if (c < 0x20 || c == '\\' || c == '/' || c == ':') return false;
  }
  return file.compare(prefix, std::string::npos, ".") != 0 && file.compare(prefix, std::string::npos, "..") != 0;
}

// The version that brought the photo's lines in.
const int PHOTO_SINCE = 2;

// A photo's file: a name relative to the portrait file's folder or a path
// with a drive, UTF-8 without control characters; never a network path
// (\\host or //host), so that a file someone sent cannot make the editor
// reach another machine.
bool IsPhotoFileName(const std::string &file) {
  if (file.empty() || file.size() > PORTRAIT_LINE_MAX - std::strlen("photo ")) return false;
  if ((file[0] == '\\' || file[0] == '/') && file.size() > 1 && (file[1] == '\\' || file[1] == '/')) return false;
  for (unsigned char c : file)
    if (c < 0x20) return false;
  return true;
}

class Reader {
 public:
  explicit Reader(PortraitFileContent *content) : content_(content) {}

  bool Line(int number, const std::string &name, const std::string &value) {
    line_ = number;
    if (!versionSeen_) return Version(name, value);
    if (ended_) return Fail(PORTRAIT_AFTER_END);
    if (name == "end" && value.empty()) return EndPart() && Ended();
    if (name == "layer" || name == "piece") return EndPart() && BeginPart(name, value);
    if (part_) return PartLine(name, value);
    if (name == "canvas") return Canvas(value);
    if (name == "photo" || name == "photo-place") return Photo(name, value);
    if (name == "current-piece") return CurrentPiece(value);
    return Fail(PORTRAIT_UNKNOWN_LINE);
  }

  // After the last line.
  bool Finish() {
    line_ = 0;
    if (!versionSeen_) return Fail(PORTRAIT_NOT_PORTRAIT);
    if (!ended_) return Fail(PORTRAIT_CUT_SHORT);
    if (photoFileSeen_ != photoPlaceSeen_) return Fail(PORTRAIT_MISSING_FIELD);
    return true;
  }

  bool Started() const { return versionSeen_; }

  bool Fail(PortraitFileProblem problem) {
    error_ = PortraitFileError{problem, line_};
    return false;
  }
  PortraitFileError error_ = {PORTRAIT_READ, 0};

 private:
  bool Version(const std::string &name, const std::string &value) {
    int version;
    bool inRange = true;
    if (name != FIRST_WORD || !ReadNumbers(value, 1, &version, 1, PORTRAIT_FILE_VERSION, &inRange))
      return Fail(PORTRAIT_NOT_PORTRAIT);
    if (!inRange) return Fail(PORTRAIT_NEWER_VERSION);
    version_ = version;
    versionSeen_ = true;
    return true;
  }

  bool Canvas(const std::string &value) {
    if (canvasSeen_) return Fail(PORTRAIT_REPEATED);
    int v[4];
    bool inside = true;
    if (!ReadNumbers(value, 4, v, -2L * PORTRAIT_CANVAS_MAX, PORTRAIT_CANVAS_MAX, &inside))
      return Fail(PORTRAIT_UNKNOWN_LINE);
    if (!inside || v[0] < 0 || v[1] < 0 || v[2] > PORTRAIT_CANVAS_WIDTH_MAX || v[3] > PORTRAIT_CANVAS_HEIGHT_MAX)
      return Fail(PORTRAIT_OUT_OF_RANGE);
    PortraitState &state = content_->state;
    for (int k = 0; k < 4; ++k) state.canvas[k] = v[k];
    canvasSeen_ = true;
    return true;
  }

  // The photo's two lines, of version 2, given together once.
  bool Photo(const std::string &name, const std::string &value) {
    if (version_ < PHOTO_SINCE) return Fail(PORTRAIT_UNKNOWN_LINE);
    PortraitFilePhoto &photo = content_->photo;
    if (name == "photo") {
      if (photoFileSeen_) return Fail(PORTRAIT_REPEATED);
      if (!IsPhotoFileName(value)) return Fail(PORTRAIT_BAD_PHOTO_NAME);
      photo.file = value;
      photoFileSeen_ = true;
      return true;
    }
    if (photoPlaceSeen_) return Fail(PORTRAIT_REPEATED);
    int v[5];
    bool inside = true;
    if (!ReadNumbers(value, 5, v, -PORTRAIT_PHOTO_OFFSET_MAX, PORTRAIT_PHOTO_SCALE_MAX, &inside))
      return Fail(PORTRAIT_UNKNOWN_LINE);
    if (!inside || v[0] > PORTRAIT_PHOTO_OFFSET_MAX || v[1] > PORTRAIT_PHOTO_OFFSET_MAX || v[2] < 1 || v[3] < 1 ||
        v[3] > PORTRAIT_PHOTO_STRENGTH_MAX || v[4] < 0 || v[4] > 1)
      return Fail(PORTRAIT_OUT_OF_RANGE);
    photo.x = v[0], photo.y = v[1], photo.scale = v[2], photo.strength = v[3], photo.shown = v[4] == 1;
    photoPlaceSeen_ = true;
    return true;
  }

  bool CurrentPiece(const std::string &value) {
    if (pieceSeen_) return Fail(PORTRAIT_REPEATED);
    int piece;
    bool inRange = true;
    if (!ReadNumbers(value, 1, &piece, 0, PIECE_SLOTS - 1, &inRange)) return Fail(PORTRAIT_UNKNOWN_LINE);
    if (!inRange) return Fail(PORTRAIT_OUT_OF_RANGE);
    content_->state.currentPiece = piece;
    pieceSeen_ = true;
    return true;
  }

  bool BeginPart(const std::string &kind, const std::string &value) {
    if (kind == "layer") {
      int category = CategoryNamed(value.c_str());
      if (category < 0 || category == CAT_OTHER) return Fail(PORTRAIT_UNKNOWN_LINE);
      part_ = &content_->state.layers[category];
      flip_ = &content_->state.layerFlipped[category];
      file_ = &content_->layerFiles[category];
      seen_ = &layersSeen_[category];
    } else {
      int piece;
      bool inRange = true;
      if (!ReadNumbers(value, 1, &piece, 0, PIECE_SLOTS - 1, &inRange)) return Fail(PORTRAIT_UNKNOWN_LINE);
      if (!inRange) return Fail(PORTRAIT_OUT_OF_RANGE);
      part_ = &content_->state.pieces[piece];
      flip_ = &content_->state.pieceFlipped[piece];
      file_ = &content_->pieceFiles[piece];
      seen_ = &piecesSeen_[piece];
    }
    if (*seen_) return Fail(PORTRAIT_REPEATED);
    *seen_ = true;
    partLine_ = line_;
    std::memset(fields_, 0, sizeof fields_);
    return true;
  }

  bool PartLine(const std::string &name, const std::string &value) {
    int field = 0;
    while (field < FIELD_COUNT && name != FIELD_NAMES[field]) ++field;
    if (field == FIELD_COUNT || FIELD_SINCE[field] > version_) return Fail(PORTRAIT_UNKNOWN_LINE);
    if (fields_[field]) return Fail(PORTRAIT_REPEATED);
    fields_[field] = true;
    PartSlot &slot = *part_;
    int v[2];
    bool inRange = true;
    switch (field) {
      case FIELD_FILE:
        if (!IsPartFileName(value)) return Fail(PORTRAIT_BAD_FILE_NAME);
        *file_ = value;
        return true;
      case FIELD_MODE:
        for (int mode = MODE_OFF; mode <= MODE_PAIR; ++mode)
          if (value == MODE_NAMES[mode]) {
            slot.mode = mode;
            return true;
          }
        return Fail(PORTRAIT_UNKNOWN_LINE);
      case FIELD_POSITION:
        if (!ReadNumbers(value, 2, v, -PORTRAIT_POSITION_MAX, PORTRAIT_POSITION_MAX, &inRange))
          return Fail(PORTRAIT_UNKNOWN_LINE);
        slot.x = v[0], slot.y = v[1];
        break;
      case FIELD_SIZE:
        if (!ReadNumbers(value, 2, v, 0, PORTRAIT_SIZE_MAX, &inRange)) return Fail(PORTRAIT_UNKNOWN_LINE);
        slot.width = v[0], slot.height = v[1];
        break;
      case FIELD_ANGLE:
        if (!ReadNumbers(value, 1, v, -PORTRAIT_ANGLE_MAX, PORTRAIT_ANGLE_MAX, &inRange))
          return Fail(PORTRAIT_UNKNOWN_LINE);
        slot.angle = v[0];
        break;
      case FIELD_FLIP:
        if (!ReadNumbers(value, 1, v, 0, 1, &inRange)) return Fail(PORTRAIT_UNKNOWN_LINE);
        *flip_ = v[0] == 1;
        break;
      default: {  // colour
        int digits[6];
        if (value.size() != 7 || value[0] != '#') return Fail(PORTRAIT_UNKNOWN_LINE);
        for (int k = 0; k < 6; ++k)
          if ((digits[k] = HexDigit(value[1 + k])) < 0) return Fail(PORTRAIT_UNKNOWN_LINE);
        slot.red = digits[0] * 16 + digits[1];
        slot.green = digits[2] * 16 + digits[3];
        slot.blue = digits[4] * 16 + digits[5];
      }
    }
    return inRange || Fail(PORTRAIT_OUT_OF_RANGE);
  }

  // Closes the part being read: every required field given.
  bool EndPart() {
    if (!part_) return true;
    for (int field = 0; field < FIELDS_REQUIRED; ++field)
      if (!fields_[field]) {
        line_ = partLine_;
        return Fail(PORTRAIT_MISSING_FIELD);
      }
    part_ = nullptr;
    return true;
  }

  bool Ended() {
    if (!canvasSeen_ || !pieceSeen_) {
      line_ = 0;
      return Fail(PORTRAIT_MISSING_FIELD);
    }
    ended_ = true;
    return true;
  }

  PortraitFileContent *content_;
  int line_ = 0;
  int version_ = 0;
  bool versionSeen_ = false, canvasSeen_ = false, pieceSeen_ = false, ended_ = false;
  bool photoFileSeen_ = false, photoPlaceSeen_ = false;
  bool layersSeen_[LAYER_SLOTS] = {}, piecesSeen_[PIECE_SLOTS] = {};
  PartSlot *part_ = nullptr;
  bool *flip_ = nullptr;
  std::string *file_ = nullptr;
  bool *seen_ = nullptr;
  bool fields_[FIELD_COUNT] = {};
  int partLine_ = 0;
};

}  // namespace

std::string WritePortraitText(const PortraitFileContent &content) {
  const PortraitState &state = content.state;
  int version = 1;
  std::string parts;
  for (int category = 0; category < CATEGORY_COUNT; ++category)
    if (category != CAT_OTHER)
      WritePart(parts, (std::string("layer ") + CATEGORY_NAMES[category]).c_str(), state.layers[category],
                state.layerFlipped[category], content.layerFiles[category], &version);
  for (int piece = 0; piece < PIECE_SLOTS; ++piece)
    WritePart(parts, ("piece " + std::to_string(piece)).c_str(), state.pieces[piece], state.pieceFlipped[piece],
              content.pieceFiles[piece], &version);
  std::string photo;
  // A photo the file could not name (on another machine, or a name too long
  // for its line) is left out: its reader would refuse the whole portrait.
  const PortraitFilePhoto &kept = content.photo;
  if (IsPhotoFileName(kept.file)) {
    char place[96];
    std::snprintf(place, sizeof place, "photo-place %d %d %d %d %d\n", kept.x, kept.y, kept.scale, kept.strength,
                  kept.shown ? 1 : 0);
    photo = "photo " + kept.file + "\n" + place;
    Needs(&version, PHOTO_SINCE);
  }
  char line[96];
  std::snprintf(line, sizeof line, "%s %d\ncanvas %d %d %d %d\ncurrent-piece %d\n", FIRST_WORD, version,
                state.canvas[0], state.canvas[1], state.canvas[2], state.canvas[3], state.currentPiece);
  return line + photo + parts + "end\n";
}

bool ReadPortraitText(const char *text, std::size_t length, PortraitFileContent *content,
                      PortraitFileError *error) {
  PortraitFileContent read{};
  Reader reader(&read);
  const char *p = text, *end = text + length;
  if (length >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0) p += 3;  // a byte-order mark
  bool ok = true;
  for (int number = 1; ok && p < end; ++number) {
    const char *stop = static_cast<const char *>(std::memchr(p, '\n', end - p));
    if (!stop) stop = end;
    std::size_t size = stop - p;
    if (size && p[size - 1] == '\r') --size;
    std::string line(p, size);
    // A last line without its line end is what is left of a file cut short.
    if (stop == end && line != "end") break;
    p = stop < end ? stop + 1 : end;
    PortraitFileProblem problem = PORTRAIT_READ;
    if (line.size() > PORTRAIT_LINE_MAX)
      problem = PORTRAIT_LINE_TOO_LONG;
    else if (!IsUtf8(reinterpret_cast<const unsigned char *>(line.data()), line.size()))
      problem = PORTRAIT_NOT_UTF8;
    if (problem) {
      // Before its first line a text is no portrait at all: a picture, say.
      reader.error_ = PortraitFileError{reader.Started() ? problem : PORTRAIT_NOT_PORTRAIT, number};
      ok = false;
      break;
    }
    if (line.empty() || line[0] == '#') continue;
    std::size_t blank = line.find(' ');
    std::string name = line.substr(0, blank);
    std::string value = blank == std::string::npos ? "" : line.substr(blank + 1);
    ok = reader.Line(number, name, value);
  }
  if (ok) ok = reader.Finish();
  if (ok)
    *content = read;
  else if (error)
    *error = reader.error_;
  return ok;
}
