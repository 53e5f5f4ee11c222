#include "file_dialog.h"

#include <commdlg.h>
#include <dlgs.h>

#include <vector>

#include "catalogue.h"
#include "failure.h"
#include "text.h"
#include "texts.h"

namespace {

const char PICTURE_FOLDER[] = "phot";
const char PROPOSED_PATH[] = "phot\\phot-.bmp";
const char PROPOSED_NAME[] = "phot-.bmp";
const DWORD PICTURE_NAME_SIZE = 256;  // 255 characters and the closing zero

struct PresetRecord {
  DWORD recordSize;
  DWORD bufferSize;  // characters of the name buffer
  DWORD saveFlags;
  DWORD openFlags;
  const char *refused;  // the text shown when the dialog fails
};

// In FileDialogPreset's order. The program's own files take a buffer longer
// than any path the platform's file calls take without a prefix; 保存's
// record is the one a 64-bit program passes for the record without the
// members later versions appended.
const PresetRecord PRESETS[] = {
    {sizeof(OPENFILENAMEW), 4096,
     OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT,
     OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST,
     TEXT_FILE_NAME_REFUSED},
    {OPENFILENAME_SIZE_VERSION_400W, PICTURE_NAME_SIZE, OFN_EXPLORER | OFN_ALLOWMULTISELECT, OFN_EXPLORER | OFN_ALLOWMULTISELECT,
     TEXT_SAVE_NAME_REFUSED},
};

std::size_t LastSeparator(const std::wstring &path) { return path.find_last_of(L"\\/:"); }

// The dialog's own child (explorer style): a chosen file type gives the
// name in the box its extension, and the default extension too.
UINT_PTR CALLBACK TypeChangeHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY) return 0;
  const OFNOTIFYW *note = reinterpret_cast<const OFNOTIFYW *>(lParam);
  if (note->hdr.code != CDN_TYPECHANGE) return 0;
  const FileQuestion *question = reinterpret_cast<const FileQuestion *>(note->lpOFN->lCustData);
  int type = static_cast<int>(note->lpOFN->nFilterIndex);
  if (type < 1) return 0;
  const wchar_t *extension = nullptr;
  for (int i = 0; !extension && question->typeExtensions[i]; ++i)
    if (i == type - 1) extension = question->typeExtensions[i];
  if (!extension) return 0;
  HWND dialog = GetParent(hook);
  std::vector<wchar_t> name(PRESETS[question->preset].bufferSize, L'\0');
  if (SendMessageW(dialog, CDM_GETSPEC, name.size(), reinterpret_cast<LPARAM>(name.data())) > 0) {
    std::wstring renamed = WithExtension(name.data(), extension);
    SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(renamed.c_str()));
  }
  SendMessageW(dialog, CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(extension));
  return 0;
}

int AskWithDialog(const FileQuestion &question, FileAnswer *answer) {
  const PresetRecord &preset = PRESETS[question.preset];
  std::vector<wchar_t> file(preset.bufferSize, L'\0');
  question.name.copy(file.data(), preset.bufferSize - 1);
  std::wstring title = ProgramText(question.title), filter = ProgramTextList(question.filter);
  OPENFILENAMEW record = {};
  record.lStructSize = preset.recordSize;
  record.hwndOwner = question.owner;
  record.lpstrFilter = filter.c_str();
  record.nFilterIndex = 1;
  record.lpstrFile = file.data();
  record.nMaxFile = preset.bufferSize;
  record.lpstrInitialDir = question.folder.empty() ? nullptr : question.folder.c_str();
  record.lpstrTitle = title.c_str();
  record.lpstrDefExt = question.defaultExtension;
  record.Flags = question.save ? preset.saveFlags : preset.openFlags;
  if (question.typeExtensions) {
    record.Flags |= OFN_ENABLEHOOK | OFN_ENABLESIZING;
    record.lpfnHook = TypeChangeHook;
    record.lCustData = reinterpret_cast<LPARAM>(&question);
  }
  BOOL chosen = question.save ? GetSaveFileNameW(&record) : GetOpenFileNameW(&record);
  DWORD error = chosen ? 0 : CommDlgExtendedError();
  SetCurrentDirectoryA(baseDir);
  const char *caption = question.save ? CAPTION_GET_SAVE_FILE_NAME : CAPTION_GET_OPEN_FILE_NAME;
  if (!chosen) {
    if (error != 0) ShowFailure(question.owner, preset.refused, caption);
    return 0;
  }
  // With several names typed the buffer holds the folder, a zero and the
  // names: the path is the folder, which then cannot be written. A name
  // for 保存 must fit the system's code page, in which it has always been
  // kept.
  char system[PICTURE_NAME_SIZE];
  if (question.preset == DIALOG_SAVE_PICTURE && !ToSystemText(file.data(), system, sizeof system)) {
    ShowFailure(question.owner, preset.refused, caption);
    return 0;
  }
  answer->path = file.data();
  answer->filterIndex = static_cast<int>(record.nFilterIndex);
  return 1;
}

}  // namespace

FileAsker askFile = AskWithDialog;

std::wstring FolderOf(const std::wstring &path) {
  std::size_t at = LastSeparator(path);
  return at == std::wstring::npos ? std::wstring() : path.substr(0, at);
}

std::wstring NameOf(const std::wstring &path) {
  std::size_t at = LastSeparator(path);
  return at == std::wstring::npos ? path : path.substr(at + 1);
}

std::wstring StemOf(const std::wstring &name) {
  std::size_t dot = name.find_last_of(L'.');
  std::size_t separator = LastSeparator(name);
  if (dot == std::wstring::npos || (separator != std::wstring::npos && dot < separator)) return name;
  return name.substr(0, dot);
}

std::wstring WithExtension(const std::wstring &name, const wchar_t *extension) {
  return name.empty() ? name : StemOf(name) + L"." + extension;
}

std::wstring PictureFolder() {
  std::string folder = BasePath(PICTURE_FOLDER);
  DWORD attributes = GetFileAttributesA(folder.c_str());
  bool isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  return SystemText(isFolder ? folder.c_str() : baseDir);
}

std::string PictureSaveProposal() {
  char proposal[PICTURE_NAME_SIZE];
  if (!MakeBasePath(proposal, sizeof proposal, PROPOSED_PATH)) return PROPOSED_NAME;
  return proposal;
}
