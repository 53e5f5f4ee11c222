// Whole files read and written: the portrait files, the exported pictures
// and 保存's BMP all go through here.
#pragma once

#include <windows.h>

#include <string>

#include "failure.h"

enum WholeFileRead { WHOLE_FILE_READ, WHOLE_FILE_UNREADABLE, WHOLE_FILE_TOO_LARGE };

// Reads all of the file at path into *bytes: a file on disk of at most
// maxBytes bytes. Anything else (missing, a device, larger, read short) is
// not read, and *bytes is then of no use.
WholeFileRead ReadWholeFile(const std::wstring &path, DWORD maxBytes, std::string *bytes);

// Whether path names a folder that is there.
bool IsFolder(const std::wstring &path);

// The name a file is written under before it takes path's place: number
// behind a fixed stem, in path's folder. Empty when it does not fit the
// platform's path limit.
std::wstring TemporarySavePath(const std::wstring &path, unsigned number);

// Writes size bytes of data as the file path: complete under a temporary
// name in path's folder first, then moved over path, replacing a file of
// that name. A read-only file at path is refused, as Windows refuses to
// replace it (Wine's move would replace it and drop the attribute). Returns
// true when done; false with the failure ("ファイルを保存出来ませんでした。"
// and the call that failed) in *failure, no temporary file left and a file
// already at path as it was.
bool WriteFileReplacing(const std::wstring &path, const void *data, DWORD size, Failure *failure);
