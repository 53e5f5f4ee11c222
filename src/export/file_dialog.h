// The platform's Open and Save-As dialogs for the files the editor keeps
// and makes beside its own Save-As (portrait files, exported images), behind
// one entry with plain inputs and outputs. Paths are Unicode throughout.
#pragma once

#include <windows.h>

#include <string>

struct FileQuestion {
  HWND owner;
  bool save;                        // Save-As (asks before replacing a file); else Open
  const char *title;                // program texts, code page 932
  const char *filter;               // pairs of name and pattern, closed by an extra zero
  const wchar_t *defaultExtension;  // added to a name typed without one
  std::wstring name;                // proposed file name; may be empty
  std::wstring folder;              // folder the dialog opens in; may be empty
};

struct FileAnswer {
  std::wstring path;
  int filterIndex;  // the chosen filter pair, from 1
};

// Asks the question. Returns 1 with answer filled when the user chose a
// file; 0 when the dialog was cancelled, or failed (shown in a box owned by
// question.owner). The current directory is baseDir afterwards.
typedef int (*FileAsker)(const FileQuestion &question, FileAnswer *answer);

// The dialog in the program; tests and the soak put stand-ins here.
extern FileAsker askFile;

// The folder part of path, without its last separator; empty when path has
// none.
std::wstring FolderOf(const std::wstring &path);

// The name part of path: what follows its last separator.
std::wstring NameOf(const std::wstring &path);
