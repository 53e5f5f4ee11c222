#include "settings.h"

#include <shlobj.h>

#include "file_dialog.h"
#include "file_io.h"
#include "image_export.h"
#include "recent_files.h"
#include "photo.h"
#include "zoom.h"

std::wstring settingsFolder;
int editorZoom = 1;
bool editorGrid = true;
int photoStrength = PHOTO_STRENGTH_DEFAULT;
std::wstring lastFolders[FOLDER_KINDS];

namespace {

const wchar_t SETTINGS_NAME[] = L"nigaoe.ini";
// A settings file is well under a kilobyte; a larger one is something else.
const DWORD SETTINGS_FILE_MAX_BYTES = 64 * 1024;
const wchar_t *const FOLDER_KEYS[FOLDER_KINDS] = {L"Open", L"Save", L"Export"};
const unsigned char UTF16_MARK[] = {0xFF, 0xFE};

std::wstring SettingsFile() { return settingsFolder + L"\\" + SETTINGS_NAME; }

std::wstring ReadValue(const wchar_t *section, const wchar_t *key) {
  wchar_t value[SETTINGS_PATH_MAX + 2] = L"";
  DWORD length = GetPrivateProfileStringW(section, key, L"", value, sizeof value / sizeof *value,
                                          SettingsFile().c_str());
  // A value that filled the buffer was cut short: no sound value is that long.
  return length < SETTINGS_PATH_MAX ? std::wstring(value, length) : std::wstring();
}

// A number written as digits alone, within low..high; else fallback.
int NumberIn(const std::wstring &text, int low, int high, int fallback) {
  if (text.empty() || text.size() > 4) return fallback;
  int number = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return fallback;
    number = number * 10 + (c - L'0');
  }
  return number >= low && number <= high ? number : fallback;
}

// A readable file of a settings file's size: not a folder, not huge.
bool IsSettingsSized(const std::wstring &path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) &&
         !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && data.nFileSizeHigh == 0 &&
         data.nFileSizeLow <= SETTINGS_FILE_MAX_BYTES;
}

// The profile functions write a new file in the system's code page, where a
// Japanese folder name may not survive; a file that begins with the UTF-16
// mark they keep in UTF-16. So a file without the mark is begun again.
bool MakeUnicodeFile(const std::wstring &path) {
  CreateDirectoryW(settingsFolder.c_str(), nullptr);
  unsigned char start[2] = {0, 0};
  DWORD got = 0;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    bool marked = ReadFile(file, start, sizeof start, &got, nullptr) && got == sizeof start &&
                  start[0] == UTF16_MARK[0] && start[1] == UTF16_MARK[1];
    CloseHandle(file);
    if (marked && IsSettingsSized(path)) return true;
  }
  file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool done = WriteFile(file, UTF16_MARK, sizeof UTF16_MARK, &written, nullptr) && written == sizeof UTF16_MARK;
  return CloseHandle(file) && done;
}

// Whether text can be a path the program keeps: absolute (a drive's or a
// network share's), shorter than SETTINGS_PATH_MAX, without control
// characters or characters no Windows path holds.
bool IsKeepablePath(const std::wstring &text) {
  if (text.size() < 3 || text.size() >= SETTINGS_PATH_MAX) return false;
  bool drive = ((text[0] | 0x20) >= L'a' && (text[0] | 0x20) <= L'z') && text[1] == L':' && text[2] == L'\\';
  bool share = text[0] == L'\\' && text[1] == L'\\';
  if (!drive && !share) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] < 0x20 || std::wstring(L"<>\"|?*").find(text[i]) != std::wstring::npos || (text[i] == L':' && i != 1))
      return false;
  return true;
}

}  // namespace

void ReadSettings() {
  if (settingsFolder.empty() || !IsSettingsSized(SettingsFile())) return;
  exportOptions.scale = NumberIn(ReadValue(L"Export", L"Scale"), 1, EXPORT_SCALE_MAX, exportOptions.scale);
  exportOptions.transparent = NumberIn(ReadValue(L"Export", L"Transparent"), 0, 1, exportOptions.transparent) == 1;
  for (int kind = 0; kind < FOLDER_KINDS; ++kind) {
    std::wstring folder = ReadValue(L"Folders", FOLDER_KEYS[kind]);
    if (IsKeepablePath(folder)) lastFolders[kind] = folder;
  }
  editorZoom = NumberIn(ReadValue(L"View", L"Zoom"), ZOOM_MIN, ZOOM_MAX, editorZoom);
  editorGrid = NumberIn(ReadValue(L"View", L"Grid"), 0, 1, editorGrid) == 1;
  int strength = NumberIn(ReadValue(L"View", L"PhotoStrength"), 0, 100, photoStrength);
  for (int offered : PHOTO_STRENGTHS)
    if (strength == offered) photoStrength = strength;
  // Oldest first to the front, so that the list keeps the file's order.
  FileList files;
  for (int i = RECENT_FILES_MAX; i >= 1; --i) {
    std::wstring path = ReadValue(L"Recent", (L"File" + std::to_wstring(i)).c_str());
    if (IsKeepablePath(path)) files = WithRecentFile(files, path);
  }
  recentFiles = files;
}

void WriteSettings() {
  if (settingsFolder.empty()) return;
  std::wstring path = SettingsFile();
  if (!MakeUnicodeFile(path)) return;
  const wchar_t *file = path.c_str();
  WritePrivateProfileStringW(L"Export", L"Scale", std::to_wstring(exportOptions.scale).c_str(), file);
  WritePrivateProfileStringW(L"Export", L"Transparent", exportOptions.transparent ? L"1" : L"0", file);
  WritePrivateProfileStringW(L"View", L"Zoom", std::to_wstring(editorZoom).c_str(), file);
  WritePrivateProfileStringW(L"View", L"Grid", editorGrid ? L"1" : L"0", file);
  WritePrivateProfileStringW(L"View", L"PhotoStrength", std::to_wstring(photoStrength).c_str(), file);
  for (int kind = 0; kind < FOLDER_KINDS; ++kind)
    WritePrivateProfileStringW(L"Folders", FOLDER_KEYS[kind],
                               lastFolders[kind].empty() ? nullptr : lastFolders[kind].c_str(), file);
  WritePrivateProfileStringW(L"Recent", nullptr, nullptr, file);  // the whole section goes first
  for (std::size_t i = 0; i < recentFiles.size(); ++i)
    WritePrivateProfileStringW(L"Recent", (L"File" + std::to_wstring(i + 1)).c_str(), recentFiles[i].c_str(), file);
}

void UseProgramSettings() {
  wchar_t *roaming = nullptr;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming)))
    settingsFolder = std::wstring(roaming) + L"\\" + PROGRAM_FOLDER_NAME;
  CoTaskMemFree(roaming);
  ReadSettings();
}

std::wstring StartFolder(FolderKind kind, const std::wstring &fallback) {
  return !lastFolders[kind].empty() && IsFolder(lastFolders[kind]) ? lastFolders[kind] : fallback;
}

namespace {

// The export asks through askFile: for the one command an asker stands in
// front of it that opens the dialog in the last export's folder and notes
// the folder chosen.
FileAsker exportAsker;

int AskInExportFolder(const FileQuestion &question, FileAnswer *answer) {
  FileQuestion asked = question;
  asked.folder = StartFolder(FOLDER_EXPORT, question.folder);
  if (!exportAsker(asked, answer)) return 0;
  lastFolders[FOLDER_EXPORT] = FolderOf(answer->path);
  return 1;
}

}  // namespace

void ExportRemembering(HWND editor, const std::wstring &name) {
  if (askFile == AskInExportFolder) return;  // an export is asking already
  ExportOptions options = exportOptions;
  std::wstring folder = lastFolders[FOLDER_EXPORT];
  exportAsker = askFile;
  askFile = AskInExportFolder;
  ExportCanvasImage(editor, name);
  askFile = exportAsker;
  if (options.scale != exportOptions.scale || options.transparent != exportOptions.transparent ||
      folder != lastFolders[FOLDER_EXPORT])
    WriteSettings();
}
