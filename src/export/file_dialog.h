// The platform's Save-As and Open dialogs, behind one entry with plain
// inputs and outputs: the portrait files, the exported pictures and 保存's
// BMP are all asked here, each question with its preset. Paths are Unicode
// throughout.
#pragma once

#include <windows.h>

#include <string>

// How the dialog is set up for a question.
enum FileDialogPreset {
  // The program's own files: a buffer beyond any path the platform takes,
  // the folder to open in, the default extension, a question before
  // replacing a file (save) or a file that must exist (open).
  DIALOG_FILES,
  // 保存's dialog as it has always been: the record as it was before the
  // members later versions appended, 255 characters, the proposal as the
  // whole path, several names allowed (which give a folder, refused), no
  // question before replacing, and a chosen name that the system's code
  // page cannot hold refused with "ファイル名が長すぎるか正しくないため、
  // 保存出来ませんでした。".
  DIALOG_SAVE_PICTURE,
};

struct FileQuestion {
  HWND owner;
  bool save;                        // Save-As; else Open
  const char *title;                // program texts, code page 932
  const char *filter;               // pairs of name and pattern, closed by an extra zero
  const wchar_t *defaultExtension;  // added to a name typed without one
  std::wstring name;                // proposed file name (or path); may be empty
  std::wstring folder;              // folder the dialog opens in; may be empty
  FileDialogPreset preset = DIALOG_FILES;
  // With a list of each filter pair's extension (without the dot), ended by
  // a null, choosing a file type gives the name in the box and the default
  // that extension.
  const wchar_t *const *typeExtensions = nullptr;
};

struct FileAnswer {
  std::wstring path;
  int filterIndex;  // the chosen filter pair, from 1
};

// Asks the question. Returns 1 with answer filled when the user chose a
// file; 0 when the dialog was cancelled, or failed (shown in a box owned by
// question.owner). The current directory is baseDir afterwards: the dialog
// may move it to the folder it saved into.
typedef int (*FileAsker)(const FileQuestion &question, FileAnswer *answer);

// The dialog in the program; tests and the soak put stand-ins here.
extern FileAsker askFile;

// The folder part of path, without its last separator; empty when path has
// none.
std::wstring FolderOf(const std::wstring &path);

// The name part of path: what follows its last separator.
std::wstring NameOf(const std::wstring &path);

// A file name without its extension (the last dot and what follows it).
std::wstring StemOf(const std::wstring &name);

// name with its extension made extension (without the dot): replaced, or
// added when it has none. An empty name stays empty.
std::wstring WithExtension(const std::wstring &name, const wchar_t *extension);

// The folder pictures and portraits are proposed in: baseDir\phot when it
// is a folder, else baseDir.
std::wstring PictureFolder();

// 保存's proposal: baseDir\phot\phot-.bmp, or the bare phot-.bmp (in the
// current directory, baseDir) when baseDir is too long for the whole path
// (255 characters).
std::string PictureSaveProposal();
