#include "file_io.h"

#include "texts.h"

namespace {

const int TEMPORARY_NAME_TRIES = 100;

// Creates a new file under a temporary name beside path; never opens a file
// that is already there.
HANDLE CreateTemporaryFile(const std::wstring &path, std::wstring *temporary) {
  for (unsigned number = 0; number < TEMPORARY_NAME_TRIES; ++number) {
    *temporary = TemporarySavePath(path, GetCurrentProcessId() + number);
    if (temporary->empty()) return INVALID_HANDLE_VALUE;
    HANDLE file = CreateFileW(temporary->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

bool IsReadOnlyFile(const std::wstring &path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
         !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool IsFolder(const std::wstring &path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

WholeFileRead ReadWholeFile(const std::wstring &path, DWORD maxBytes, std::string *bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return WHOLE_FILE_UNREADABLE;
  LARGE_INTEGER size;
  WholeFileRead result = WHOLE_FILE_UNREADABLE;
  if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size)) {
    if (size.QuadPart > maxBytes) {
      result = WHOLE_FILE_TOO_LARGE;
    } else {
      bytes->resize(static_cast<std::size_t>(size.QuadPart));
      DWORD got = 0;
      if ((bytes->empty() || ReadFile(file, &(*bytes)[0], static_cast<DWORD>(bytes->size()), &got, nullptr)) &&
          got == bytes->size())
        result = WHOLE_FILE_READ;
    }
  }
  CloseHandle(file);
  return result;
}

std::wstring TemporarySavePath(const std::wstring &path, unsigned number) {
  std::size_t folder = path.find_last_of(L"\\/:");
  folder = folder == std::wstring::npos ? 0 : folder + 1;
  std::wstring temporary = path.substr(0, folder) + L"~nigaoe-" + std::to_wstring(number) + L".tmp";
  return temporary.size() < MAX_PATH ? temporary : std::wstring();
}

bool WriteFileReplacing(const std::wstring &path, const void *data, DWORD size, Failure *failure) {
  // Refused where the move would be: the file is left as it is.
  if (IsReadOnlyFile(path)) {
    NoteFailure(failure, TEXT_NOT_SAVED_READ_ONLY, CAPTION_MOVE_FILE);
    return false;
  }
  std::wstring temporary;
  HANDLE file = CreateTemporaryFile(path, &temporary);
  if (file == INVALID_HANDLE_VALUE) {
    NoteFailure(failure, TEXT_NOT_SAVED, CAPTION_CREATE_FILE);
    return false;
  }
  const char *failedCall = nullptr;
  DWORD written = 0;
  if (!WriteFile(file, data, size, &written, nullptr) || written != size) failedCall = CAPTION_WRITE_FILE;
  if (!CloseHandle(file) && !failedCall) failedCall = CAPTION_CLOSE_HANDLE;
  if (!failedCall && !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
    failedCall = CAPTION_MOVE_FILE;
  if (failedCall) {
    DeleteFileW(temporary.c_str());
    NoteFailure(failure, TEXT_NOT_SAVED, failedCall);
    return false;
  }
  return true;
}
