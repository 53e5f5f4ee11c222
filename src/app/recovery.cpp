#include "recovery.h"

#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "document.h"
#include "file_io.h"
#include "file_dialog.h"
#include "history.h"
#include "question.h"
#include "settings.h"
#include "text.h"
#include "texts.h"

std::wstring recoveryFolder;

namespace {

const char RECOVERY_HEADER[] = "nigaoe-recovery 1\n";
const wchar_t RECOVERY_EXTENSION[] = L".nigaoe-recovery";
const std::size_t RECOVERY_PATH_MAX = 32767;

std::wstring ownName;     // this editor's file, without the folder
HANDLE ownClaim;          // the mutex that says this editor runs
PortraitState written;    // the portrait as last written
std::wstring writtenPath; // and its file's name
bool fileWritten;

std::wstring ClaimName(const std::wstring &fileName) {
  std::wstring stem = fileName.substr(0, fileName.size() - (sizeof RECOVERY_EXTENSION / sizeof *RECOVERY_EXTENSION - 1));
  return L"Local\\Nigaoe.Recovery." + stem;
}

// Claims the file of that name; null when a running editor holds it.
HANDLE Claim(const std::wstring &fileName) {
  HANDLE claim = CreateMutexW(nullptr, FALSE, ClaimName(fileName).c_str());
  if (claim && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(claim);
    return nullptr;
  }
  return claim;
}

int AskRecoverDialog(HWND editor, const std::wstring &name) {
  Question question{editor,
                    ProgramCaption(editor),
                    ProgramText(TEXT_RECOVERY_FOUND),
                    ProgramText(TEXT_RECOVERY_WHY) + L"\n" + name + L"\n\n" + ProgramText(TEXT_RECOVERY_DETAIL),
                    TEXT_RECOVER_BUTTON,
                    TEXT_DISCARD_BUTTON,
                    false};
  return AskQuestion(question);
}

// Writes quietly: a recovery file that cannot be written must not stop the
// work it is there to keep.
bool WriteQuietly(const std::wstring &path, const std::string &text) {
  return WriteFileReplacing(path, text.data(), static_cast<DWORD>(text.size()), nullptr);
}

struct FoundFile {
  std::wstring name;
  FILETIME written;
};

std::vector<FoundFile> RecoveryFiles(const std::wstring &folder) {
  std::vector<FoundFile> files;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*" + RECOVERY_EXTENSION).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    std::wstring name = found.cFileName;
    std::size_t extension = sizeof RECOVERY_EXTENSION / sizeof *RECOVERY_EXTENSION - 1;
    // The pattern also matches longer extensions by their short names.
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY || name.size() <= extension ||
        name.compare(name.size() - extension, extension, RECOVERY_EXTENSION) != 0)
      continue;
    files.push_back({name, found.ftLastWriteTime});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

}  // namespace

RecoveryAsker askRecover = AskRecoverDialog;

std::string RecoveryText(const std::wstring &path, const std::string &portraitText) {
  return RECOVERY_HEADER + Utf8Text(path) + "\n" + portraitText;
}

bool ReadRecoveryText(const std::string &text, std::wstring *path, std::string *portraitText) {
  std::size_t header = sizeof RECOVERY_HEADER - 1;
  if (text.compare(0, header, RECOVERY_HEADER) != 0) return false;
  std::size_t end = text.find('\n', header);
  if (end == std::string::npos || end - header > RECOVERY_PATH_MAX) return false;
  std::wstring named = FromUtf8(text.substr(header, end - header));
  for (wchar_t c : named)
    if (c < L' ' || c == 0xFFFD) return false;
  *path = named;
  *portraitText = text.substr(end + 1);
  return true;
}

std::wstring RecoveryFolder() {
  std::wstring folder = recoveryFolder;
  if (folder.empty()) {
    wchar_t *local = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &local) == S_OK) {
      folder = std::wstring(local) + L"\\" + PROGRAM_FOLDER_NAME;
      CreateDirectoryW(folder.c_str(), nullptr);
      folder += L"\\Recovery";
    }
    CoTaskMemFree(local);
    if (folder.empty()) return folder;
  }
  CreateDirectoryW(folder.c_str(), nullptr);
  return IsFolder(folder) ? folder : std::wstring();
}

void StartRecovery(HWND editor) {
  if (ownClaim) return;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  wchar_t name[64];
  wsprintfW(name, L"%lu-%08lx%08lx", GetCurrentProcessId(), now.dwHighDateTime, now.dwLowDateTime);
  ownName = std::wstring(name) + RECOVERY_EXTENSION;
  ownClaim = Claim(ownName);
  fileWritten = false;
  SetTimer(editor, RECOVERY_TIMER, RECOVERY_INTERVAL_MS, nullptr);
}

void KeepRecovery() {
  if (!ownClaim) return;
  // Most ticks find nothing new: they touch no file.
  bool changed = PortraitChanged();
  PortraitState now = CurrentPortrait();
  if (!changed && !fileWritten) return;
  if (changed && fileWritten && SamePortrait(now, written) && now.currentPiece == written.currentPiece &&
      writtenPath == portraitFilePath)
    return;
  std::wstring folder = RecoveryFolder();
  if (folder.empty()) return;
  std::wstring file = folder + L"\\" + ownName;
  if (!changed) {
    DeleteFileW(file.c_str());
    fileWritten = false;
    return;
  }
  if (!WriteQuietly(file, RecoveryText(portraitFilePath, PortraitText()))) return;
  written = now;
  writtenPath = portraitFilePath;
  fileWritten = true;
}

void EndRecovery() {
  if (!ownClaim) return;
  std::wstring folder = RecoveryFolder();
  if (fileWritten && !folder.empty()) DeleteFileW((folder + L"\\" + ownName).c_str());
  fileWritten = false;
  CloseHandle(ownClaim);
  ownClaim = nullptr;
}

int OfferRecovery(HWND editor) {
  std::wstring folder = RecoveryFolder();
  if (folder.empty()) return 0;
  std::vector<FoundFile> files = RecoveryFiles(folder);
  // The newest first: an older one is offered at a later start.
  std::sort(files.begin(), files.end(), [](const FoundFile &a, const FoundFile &b) {
    return CompareFileTime(&a.written, &b.written) > 0;
  });
  for (const FoundFile &found : files) {
    if (found.name == ownName) continue;
    HANDLE claim = Claim(found.name);
    if (!claim) continue;  // its editor runs
    std::wstring file = folder + L"\\" + found.name;
    std::string bytes, portraitText;
    const char *why;
    int line;
    std::wstring path;
    PortraitState state;
    PortraitFilePhoto photo{};
    if (!ReadPortraitFileBytes(file, &bytes, &why) || !ReadRecoveryText(bytes, &path, &portraitText) ||
        !PortraitFromText(portraitText, &state, &why, &line, &photo)) {
      MoveFileExW(file.c_str(), (file + L".damaged").c_str(), MOVEFILE_REPLACE_EXISTING);
      CloseHandle(claim);
      continue;
    }
    int restored = askRecover(editor, PortraitName(path)) == IDYES;
    if (restored) TakePortrait(editor, state, path, false, photo);
    DeleteFileW(file.c_str());
    CloseHandle(claim);
    return restored;
  }
  return 0;
}
