#include "document.h"

#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "catalogue.h"
#include "editor.h"
#include "failure.h"
#include "file_dialog.h"
#include "file_io.h"
#include "history.h"
#include "portrait_file.h"
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
};
static_assert(sizeof PROBLEM_TEXTS / sizeof *PROBLEM_TEXTS == PORTRAIT_AFTER_END + 1, "a text per problem");

void Refuse(HWND editor, const char *why, int line = 0) {
  std::string text = std::string(TEXT_PORTRAIT_NOT_OPENED) + "\n";
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

// Switches off each part whose file is not in kao; returns their names.
std::vector<std::string> SwitchOffMissing(PortraitState &state) {
  std::vector<std::string> missing;
  auto check = [&missing](PartSlot &slot) {
    if (slot.mode == MODE_OFF || PartFileThere(slot.path)) return;
    slot.mode = MODE_OFF;
    missing.push_back(slot.path);
  };
  for (int slot = 0; slot < CATEGORY_COUNT; ++slot)
    if (slot != CAT_OTHER) check(state.layers[slot]);
  for (PartSlot &piece : state.pieces) check(piece);
  return missing;
}

void ReportMissing(HWND editor, const std::vector<std::string> &missing) {
  std::string text = TEXT_PORTRAIT_PARTS_MISSING;
  for (std::size_t i = 0; i < missing.size() && i < MISSING_NAMES_SHOWN; ++i) {
    // Names in the system's code page, shown as program text.
    std::wstring wide = SystemText(missing[i].c_str());
    char name[PART_PATH_SIZE * 2];
    if (!WideCharToMultiByte(PROGRAM_CODE_PAGE, 0, wide.c_str(), -1, name, sizeof name, nullptr, nullptr)) name[0] = '\0';
    text += std::string("\n") + name;
  }
  if (missing.size() > MISSING_NAMES_SHOWN) {
    char more[32];
    wsprintfA(more, TEXT_PORTRAIT_MORE_MISSING, static_cast<int>(missing.size() - MISSING_NAMES_SHOWN));
    text += std::string("\n") + more;
  }
  ShowFailure(editor, text.c_str(), CAPTION_PORTRAIT_FILE);
}

}  // namespace

int OpenPortraitFile(HWND editor, const std::wstring &path) {
  std::string bytes;
  WholeFileRead read = ReadWholeFile(path, PORTRAIT_FILE_MAX_BYTES, &bytes);
  if (read != WHOLE_FILE_READ) {
    Refuse(editor, read == WHOLE_FILE_TOO_LARGE ? TEXT_PORTRAIT_TOO_LARGE : TEXT_PORTRAIT_UNREADABLE);
    return 0;
  }
  PortraitFileContent content{};
  PortraitFileError error{};
  if (!ReadPortraitText(bytes.data(), bytes.size(), &content, &error)) {
    Refuse(editor, PROBLEM_TEXTS[error.problem], error.line);
    return 0;
  }
  PortraitState state = content.state;
  for (int slot = 0; slot < CATEGORY_COUNT; ++slot)
    if (slot != CAT_OTHER && !ToSlotPath(content.layerFiles[slot], state.layers[slot].path)) {
      Refuse(editor, TEXT_PORTRAIT_PART_NAME);
      return 0;
    }
  for (int piece = 0; piece < PIECE_SLOTS; ++piece)
    if (!ToSlotPath(content.pieceFiles[piece], state.pieces[piece].path)) {
      Refuse(editor, TEXT_PORTRAIT_PART_NAME);
      return 0;
    }
  std::vector<std::string> missing = SwitchOffMissing(state);
  FindListIndices(state);

  PortraitState before = CurrentPortrait();
  RestorePortrait(state);
  RecordChange(before);
  portraitFilePath = path;
  ShowEditorTitle(editor);
  RepaintEditor(editor);
  if (!missing.empty()) ReportMissing(editor, missing);
  return 1;
}

int SavePortraitFile(HWND editor, const std::wstring &path) {
  PortraitFileContent content{};
  content.state = CurrentPortrait();
  for (int slot = 0; slot < LAYER_SLOTS; ++slot)
    content.layerFiles[slot] = Utf8Text(SystemText(content.state.layers[slot].path));
  for (int piece = 0; piece < PIECE_SLOTS; ++piece)
    content.pieceFiles[piece] = Utf8Text(SystemText(content.state.pieces[piece].path));
  std::string text = WritePortraitText(content);
  Failure failure = {};
  if (!WriteFileReplacing(path, text.data(), static_cast<DWORD>(text.size()), &failure)) {
    ShowFailure(editor, failure);
    return 0;
  }
  portraitFilePath = path;
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
                      named ? FolderOf(portraitFilePath) : PictureFolder()};
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

void OpenStartFile(HWND editor, const wchar_t *commandLine) {
  int count = 0;
  wchar_t **arguments = CommandLineToArgvW(commandLine, &count);
  if (!arguments) return;
  if (count >= 2) {
    wchar_t full[MAX_PATH * 4];
    DWORD length = GetFullPathNameW(arguments[1], sizeof full / sizeof *full, full, nullptr);
    OpenPortraitFile(editor, length > 0 && length < sizeof full / sizeof *full ? full : arguments[1]);
  }
  LocalFree(arguments);
}

void OpenDroppedFile(HWND editor, HDROP drop) {
  UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring path(length, L'\0');
  bool named = length > 0 && DragQueryFileW(drop, 0, &path[0], length + 1) == length;
  DragFinish(drop);
  if (named) OpenPortraitFile(editor, path);
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

void ShowEditorTitle(HWND editor) {
  std::wstring caption = ProgramCaption(editor);
  SetWindowTextW(editor, portraitFilePath.empty() ? caption.c_str()
                                                  : (NameOf(portraitFilePath) + L" - " + caption).c_str());
}
