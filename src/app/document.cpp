#include "document.h"

#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "catalogue.h"
#include "editor_window.h"
#include "failure.h"
#include "file_dialog.h"
#include "file_io.h"
#include "history.h"
#include "photo_view.h"
#include "portrait_file.h"
#include "recent_menu.h"
#include "settings.h"
#include "text.h"
#include "texts.h"

std::wstring portraitFilePath;

namespace {

// A portrait file is a few kilobytes; anything much larger is something else.
const DWORD PORTRAIT_FILE_MAX_BYTES = 1 << 20;
// Missing part files named in the message; more are counted.
const int MISSING_NAMES_SHOWN = 12;

const char *const PROBLEM_TEXTS[] = {
    "",
    TEXT_PORTRAIT_NOT_PORTRAIT,
    TEXT_PORTRAIT_NEWER_VERSION,
    TEXT_PORTRAIT_CUT_SHORT,
    TEXT_PORTRAIT_NOT_UTF8,
    TEXT_PORTRAIT_LINE_TOO_LONG,
    TEXT_PORTRAIT_UNKNOWN_LINE,
    TEXT_PORTRAIT_OUT_OF_RANGE,
    TEXT_PORTRAIT_REPEATED,
    TEXT_PORTRAIT_MISSING_FIELD,
    TEXT_PORTRAIT_BAD_FILE_NAME,
    TEXT_PORTRAIT_AFTER_END,
    TEXT_PORTRAIT_BAD_PHOTO_NAME,
};
static_assert(sizeof PROBLEM_TEXTS / sizeof *PROBLEM_TEXTS == PORTRAIT_BAD_PHOTO_NAME + 1, "a text per problem");

void Refuse(HWND editor, const std::wstring &path, const char *why, int line = 0) {
  std::string text = std::string(TEXT_PORTRAIT_NOT_OPENED) + "\n" + ToProgramText(NameOf(path)) + "\n";
  if (line > 0) {
    char where[32];
    wsprintfA(where, TEXT_PORTRAIT_LINE, line);
    text += where;
  }
  ShowFailure(editor, (text + why).c_str(), CAPTION_PORTRAIT_FILE);
}

// A part file's name as the portrait holds it: in the system's code page,
// in a path buffer.
bool ToSlotPath(const std::string &utf8, char *path) {
  std::memset(path, 0, PART_PATH_SIZE);
  return utf8.empty() || ToSystemText(FromUtf8(utf8).c_str(), path, PART_PATH_SIZE);
}

bool PartFileThere(const char *path) {
  if (!path[0]) return false;
  char full[MAX_PATH];
  if (!MakeBasePath(full, sizeof full, path)) return false;
  DWORD attributes = GetFileAttributesA(full);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The palette's marks follow each part's place in its category's list.
void FindListIndices(PortraitState &state) {
  static PartListing listing;
  auto find = [](PartSlot &slot) {
    slot.listIndex = -1;  // marks no thumbnail
    for (int i = 0; i < listing.count; ++i)
      if (std::strcmp(listing.entries[i], slot.path) == 0) slot.listIndex = i;
  };
  for (int category = CAT_FACE; category < CATEGORY_COUNT; ++category) {
    ListCategory(category, &listing);
    if (category == CAT_OTHER)
      for (PartSlot &piece : state.pieces) find(piece);
    else
      find(state.layers[category]);
  }
}

// True when the back hair is only the name that choosing the hair gave it,
// without a file of its own: the hair has no back half, and the compositor
// skips the name as it skips any file it cannot load.
bool BackHairNeverThere(const PortraitState &state) {
  char derived[DIR_PATH_SIZE];
  const PartSlot &backHair = state.layers[CAT_BACK_HAIR];
  return BackHairPath(state.layers[CAT_HAIR].path, derived) && std::strcmp(derived, backHair.path) == 0 &&
         !PartFileThere(backHair.path);
}

// Switches off each part whose file is not in kao; returns their names. A
// back half the hair never had is not missing.
std::vector<std::string> SwitchOffMissing(PortraitState &state) {
  std::vector<std::string> missing;
  bool backHairNeverThere = BackHairNeverThere(state);
  auto check = [&missing, &state, backHairNeverThere](PartSlot &slot) {
    if (slot.mode == MODE_OFF || PartFileThere(slot.path)) return;
    if (&slot == &state.layers[CAT_BACK_HAIR] && backHairNeverThere) return;
    slot.mode = MODE_OFF;
    missing.push_back(slot.path);
  };
  for (int slot = 0; slot < CATEGORY_COUNT; ++slot)
    if (slot != CAT_OTHER) check(state.layers[slot]);
  for (PartSlot &piece : state.pieces) check(piece);
  return missing;
}

// The parts left out, and the photo's name when it was left out too.
void ReportMissing(HWND editor, const std::vector<std::string> &missing, const std::wstring &photo) {
  std::string text = missing.empty() ? "" : TEXT_PORTRAIT_PARTS_MISSING;
  for (std::size_t i = 0; i < missing.size() && i < MISSING_NAMES_SHOWN; ++i) {
    // Names in the system's code page, shown as program text.
    text += "\n" + ToProgramText(SystemText(missing[i].c_str()));
  }
  if (missing.size() > MISSING_NAMES_SHOWN) {
    char more[32];
    wsprintfA(more, TEXT_PORTRAIT_MORE_MISSING, static_cast<int>(missing.size() - MISSING_NAMES_SHOWN));
    text += std::string("\n") + more;
  }
  if (!photo.empty()) text += (text.empty() ? "" : "\n") + std::string(TEXT_PORTRAIT_PHOTO_MISSING) + "\n" + ToProgramText(photo);
  ShowFailure(editor, text.c_str(), CAPTION_PORTRAIT_FILE);
}

// The photo's file as the portrait file at portraitPath writes it: relative
// to its folder when the photo lies in it or below, else the whole path.
std::string PhotoFileFor(const std::wstring &photo, const std::wstring &portraitPath) {
  std::wstring folder = FolderOf(portraitPath) + L"\\";
  if (!portraitPath.empty() && photo.size() > folder.size() &&
      CompareStringOrdinal(photo.c_str(), static_cast<int>(folder.size()), folder.c_str(),
                           static_cast<int>(folder.size()), TRUE) == CSTR_EQUAL)
    return Utf8Text(photo.substr(folder.size()));
  return Utf8Text(photo);
}

// The photo a portrait file at portraitPath names: a path with a drive as it
// is, anything else from the file's folder.
std::wstring PhotoPathFrom(const std::string &file, const std::wstring &portraitPath) {
  std::wstring named = FromUtf8(file);
  bool whole = named.size() >= 2 && named[1] == L':';
  return whole || portraitPath.empty() ? named : FolderOf(portraitPath) + L"\\" + named;
}

// Opens the photo a portrait file keeps, placed as it was; returns its name
// when its file is gone (the portrait opens without it). A portrait that
// keeps no photo, or one that is gone, takes the photo before away: else
// its next save would keep a photo it never had.
std::wstring TakePhoto(HWND editor, const PortraitFilePhoto &photo, const std::wstring &portraitPath) {
  if (photo.file.empty()) {
    if (!referencePhoto.path.empty()) CloseReferencePhoto(editor);
    return std::wstring();
  }
  std::wstring path = PhotoPathFrom(photo.file, portraitPath);
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    if (!referencePhoto.path.empty()) CloseReferencePhoto(editor);
    return path;
  }
  if (OpenReferencePhoto(editor, path)) {
    referencePhoto.placement = {photo.x, photo.y, photo.scale};
    referencePhoto.strength = photo.strength;
    referencePhoto.shown = photo.shown;
    ShowReferencePhoto(editor);
  }
  return std::wstring();
}

}  // namespace

bool ReadPortraitFileBytes(const std::wstring &path, std::string *bytes, const char **problem) {
  WholeFileRead read = ReadWholeFile(path, PORTRAIT_FILE_MAX_BYTES, bytes);
  *problem = read == WHOLE_FILE_TOO_LARGE ? TEXT_PORTRAIT_TOO_LARGE : TEXT_PORTRAIT_UNREADABLE;
  return read == WHOLE_FILE_READ;
}

int PortraitFromText(const std::string &bytes, PortraitState *state, const char **why, int *line,
                     PortraitFilePhoto *photo) {
  PortraitFileContent content{};
  PortraitFileError error{};
  *line = 0;
  if (!ReadPortraitText(bytes.data(), bytes.size(), &content, &error)) {
    *why = PROBLEM_TEXTS[error.problem];
    *line = error.line;
    return 0;
  }
  *state = content.state;
  if (photo) *photo = content.photo;
  *why = TEXT_PORTRAIT_PART_NAME;
  for (int slot = 0; slot < CATEGORY_COUNT; ++slot)
    if (slot != CAT_OTHER && !ToSlotPath(content.layerFiles[slot], state->layers[slot].path)) return 0;
  for (int piece = 0; piece < PIECE_SLOTS; ++piece)
    if (!ToSlotPath(content.pieceFiles[piece], state->pieces[piece].path)) return 0;
  // A back half written without its file is the one the hair would bring.
  PartSlot &backHair = state->layers[CAT_BACK_HAIR];
  if (backHair.mode != MODE_OFF && !backHair.path[0]) {
    char derived[DIR_PATH_SIZE];
    if (BackHairPath(state->layers[CAT_HAIR].path, derived)) lstrcpynA(backHair.path, derived, PART_PATH_SIZE);
  }
  return 1;
}

void TakePortrait(HWND editor, PortraitState state, const std::wstring &path, bool saved,
                  const PortraitFilePhoto &photo) {
  std::vector<std::string> missing = SwitchOffMissing(state);
  FindListIndices(state);
  PortraitState before = CurrentPortrait();
  RestorePortrait(state);
  RecordChange(before);
  if (saved) MarkPortraitSaved();
  portraitFilePath = path;
  if (saved) NotePortraitFile(editor, path, FOLDER_OPEN);
  ShowEditorTitle(editor);
  std::wstring photoGone = TakePhoto(editor, photo, path);
  RepaintEditor(editor);
  if (!missing.empty() || !photoGone.empty()) ReportMissing(editor, missing, photoGone);
}

int OpenPortraitFile(HWND editor, const std::wstring &path) {
  std::string bytes;
  const char *problem;
  if (!ReadPortraitFileBytes(path, &bytes, &problem)) {
    Refuse(editor, path, problem);
    return 0;
  }
  PortraitState state;
  PortraitFilePhoto photo{};
  int line;
  if (!PortraitFromText(bytes, &state, &problem, &line, &photo)) {
    Refuse(editor, path, problem, line);
    return 0;
  }
  TakePortrait(editor, state, path, true, photo);
  return 1;
}

std::string PortraitText(const std::wstring &savedAs) {
  PortraitFileContent content{};
  if (!referencePhoto.path.empty()) {
    const PhotoPlacement &at = referencePhoto.placement;
    content.photo = {PhotoFileFor(referencePhoto.path, savedAs), at.x, at.y, at.scale, referencePhoto.strength,
                     referencePhoto.shown};
  }
  content.state = CurrentPortrait();
  for (int slot = 0; slot < LAYER_SLOTS; ++slot)
    content.layerFiles[slot] = Utf8Text(SystemText(content.state.layers[slot].path));
  for (int piece = 0; piece < PIECE_SLOTS; ++piece)
    content.pieceFiles[piece] = Utf8Text(SystemText(content.state.pieces[piece].path));
  // The file names no back half that never was.
  if (BackHairNeverThere(content.state)) content.layerFiles[CAT_BACK_HAIR].clear();
  return WritePortraitText(content);
}

int SavePortraitFile(HWND editor, const std::wstring &path) {
  std::string text = PortraitText(path);
  Failure failure = {};
  if (!WriteFileReplacing(path, text.data(), static_cast<DWORD>(text.size()), &failure)) {
    ShowFailure(editor, failure);
    return 0;
  }
  MarkPortraitSaved();
  portraitFilePath = path;
  NotePortraitFile(editor, path, FOLDER_SAVE);
  ShowEditorTitle(editor);
  return 1;
}

namespace {

FileQuestion PortraitQuestion(HWND editor, bool save) {
  bool named = !portraitFilePath.empty();
  return FileQuestion{editor,
                      save,
                      save ? TEXT_SAVE_PORTRAIT_TITLE : TEXT_OPEN_PORTRAIT_TITLE,
                      TEXT_PORTRAIT_FILTER,
                      L"nigaoe",
                      save ? (named ? NameOf(portraitFilePath) : ProgramText(TEXT_PORTRAIT_NAME)) : std::wstring(),
                      named ? FolderOf(portraitFilePath)
                            : StartFolder(save ? FOLDER_SAVE : FOLDER_OPEN, PictureFolder())};
}

}  // namespace

int OpenPortraitCommand(HWND editor) {
  FileAnswer answer;
  return askFile(PortraitQuestion(editor, false), &answer) && OpenPortraitFile(editor, answer.path);
}

int SavePortraitCommand(HWND editor, bool askName) {
  if (!askName && !portraitFilePath.empty()) return SavePortraitFile(editor, portraitFilePath);
  FileAnswer answer;
  return askFile(PortraitQuestion(editor, true), &answer) && SavePortraitFile(editor, answer.path);
}

std::wstring DroppedFilePath(HDROP drop) {
  UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring path(length, L'\0');
  bool named = length > 0 && DragQueryFileW(drop, 0, &path[0], length + 1) == length;
  DragFinish(drop);
  return named ? path : std::wstring();
}

std::wstring ProgramCaption(HWND editor) {
  // The window's caption from its template, read before any file names it.
  static std::wstring caption;
  if (caption.empty()) {
    wchar_t text[128] = L"";
    GetWindowTextW(editor, text, sizeof text / sizeof *text);
    caption = text;
  }
  return caption;
}

std::wstring PortraitName(const std::wstring &path) {
  return path.empty() ? ProgramText(TEXT_UNTITLED) : NameOf(path);
}

namespace {

std::wstring EditorTitle(const std::wstring &caption, const std::wstring &path, bool changed) {
  std::wstring title = path.empty() ? caption : NameOf(path) + L" - " + caption;
  return changed ? L"*" + title : title;
}

}  // namespace

void ShowEditorTitle(HWND editor) {
  std::wstring title = EditorTitle(ProgramCaption(editor), portraitFilePath, PortraitChanged());
  wchar_t shown[512] = L"";
  GetWindowTextW(editor, shown, sizeof shown / sizeof *shown);
  if (title != shown) SetWindowTextW(editor, title.c_str());
}
