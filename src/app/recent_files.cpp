#include "recent_files.h"

#include "file_dialog.h"

FileList recentFiles;

namespace {

// Whether two paths name the same file as Windows compares names: ignoring
// case.
bool SamePath(const std::wstring &a, const std::wstring &b) {
  // The file system's own comparison: ordinal, upper-casing both.
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                              TRUE) == CSTR_EQUAL;
}

}  // namespace

FileList WithoutRecentFile(FileList list, const std::wstring &path) {
  FileList kept;
  for (const std::wstring &entry : list)
    if (!SamePath(entry, path)) kept.push_back(entry);
  return kept;
}

FileList WithRecentFile(FileList list, const std::wstring &path) {
  FileList added = WithoutRecentFile(list, path);
  added.insert(added.begin(), path);
  if (added.size() > RECENT_FILES_MAX) added.resize(RECENT_FILES_MAX);
  return added;
}

std::wstring RecentMenuText(int index, const std::wstring &path) {
  std::wstring text = L"&" + std::to_wstring(index + 1) + L" ";
  for (wchar_t c : NameOf(path)) text += c == L'&' ? L"&&" : std::wstring(1, c);
  return text;
}
