#include "association.h"

#include <shlobj.h>

#include "failure.h"
#include "resource.h"
#include "text.h"
#include "texts.h"

namespace {

const wchar_t CLASSES[] = L"Software\\Classes";
const wchar_t EXTENSION[] = L".nigaoe";
const wchar_t TYPE[] = L"Nigaoe.Portrait";
// Which of AssociationValues says what opens the file.
const int OPEN_COMMAND = 3;

// The running program's executable; empty when its path does not fit.
std::wstring ProgramPath() {
  std::vector<wchar_t> path(32768);
  DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  return length > 0 && length < path.size() ? std::wstring(path.data(), length) : std::wstring();
}

// The default value of key, or empty when there is none (or it is no text).
std::wstring ReadDefault(const std::wstring &key) {
  wchar_t data[2048] = L"";
  DWORD size = sizeof data - sizeof *data;
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
    return L"";
  return data;
}

bool WriteDefault(const RegistryValue &value) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, value.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  DWORD size = static_cast<DWORD>((value.data.size() + 1) * sizeof(wchar_t));
  LONG result = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.data.c_str()), size);
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

// Removes key when nothing is left in it: neither values nor subkeys
// another program may have put there.
void RemoveIfEmpty(const std::wstring &key) {
  HKEY open;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS) return;
  DWORD subkeys = 1, values = 1;
  bool empty = RegQueryInfoKeyW(open, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                                nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
               subkeys == 0 && values == 0;
  RegCloseKey(open);
  if (empty) RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
}

}  // namespace

std::vector<RegistryValue> AssociationValues(const std::wstring &program) {
  std::wstring classes = std::wstring(CLASSES) + L"\\", type = classes + TYPE;
  std::wstring quoted = L"\"" + program + L"\"";
  return {
      {classes + EXTENSION, TYPE},
      {type, ProgramText(TEXT_PORTRAIT_TYPE)},
      {type + L"\\DefaultIcon", quoted + L"," + std::to_wstring(-IDI_PROGRAM)},
      {type + L"\\shell\\open\\command", quoted + L" \"%1\""},
  };
}

void AssociatePortraitFiles(HWND editor) {
  std::wstring program = ProgramPath();
  bool written = !program.empty();
  for (const RegistryValue &value : AssociationValues(program))
    if (written) written = WriteDefault(value);
  if (!written) {
    ShowFailure(editor, TEXT_NOT_ASSOCIATED, CAPTION_ASSOCIATION);
    return;
  }
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
  ShowFailure(editor, TEXT_ASSOCIATED, CAPTION_ASSOCIATION);
}

void RemovePortraitAssociation(HWND editor) {
  std::wstring program = ProgramPath();
  std::vector<RegistryValue> values = AssociationValues(program);
  // An open command of another program, or of another copy of this one, is
  // that program's: then nothing is touched.
  if (program.empty() || lstrcmpiW(ReadDefault(values[OPEN_COMMAND].key).c_str(),
                                   values[OPEN_COMMAND].data.c_str()) != 0) {
    ShowFailure(editor, TEXT_NO_ASSOCIATION, CAPTION_ASSOCIATION);
    return;
  }
  bool removed = true;
  for (auto value = values.rbegin(); value != values.rend(); ++value) {
    if (lstrcmpiW(ReadDefault(value->key).c_str(), value->data.c_str()) != 0) continue;
    LONG result = RegDeleteKeyValueW(HKEY_CURRENT_USER, value->key.c_str(), nullptr);
    removed = removed && result == ERROR_SUCCESS;
    for (std::wstring key = value->key; key.size() > wcslen(CLASSES); key = key.substr(0, key.rfind(L'\\')))
      RemoveIfEmpty(key);
  }
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
  ShowFailure(editor, removed ? TEXT_ASSOCIATION_REMOVED : TEXT_ASSOCIATION_NOT_REMOVED, CAPTION_ASSOCIATION);
}
