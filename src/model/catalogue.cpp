#include "catalogue.h"

#include <windows.h>

#include <cstring>

char PartList[PART_LIST_SIZE][DIR_PATH_SIZE];
int partCount = 0;
int firstVisible = 0;


int PartNameCategory(const char *fileName) {
  std::size_t length = std::strlen(fileName);
  if (length < 10 || CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, fileName, 4, "kao-", 4) != CSTR_EQUAL ||
      fileName[5] != '-' ||
      CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, fileName + length - 4, 4, ".bmp", 4) != CSTR_EQUAL)
    return -1;
  char digit = static_cast<char>(fileName[4] | 0x20);  // the pattern's digit matches either case
  int category = digit >= '0' && digit <= '9' ? digit - '0' : digit >= 'a' && digit <= 'f' ? digit - 'a' + 10 : -1;
  return category < CATEGORY_COUNT ? category : -1;
}

namespace {

// True when the last character of text is a backslash. In the system's code
// page a trail byte can be 0x5C too (code page 932), so the string is walked
// character by character.
bool EndsWithBackslash(const char *text) {
  const char *last = nullptr;
  for (const char *p = text; *p; p = CharNextExA(CP_ACP, p, 0)) last = p;
  return last && *last == '\\';
}

static_assert(sizeof PART_FOLDER_PREFIX - 1 + PART_NAME_MAX == DIR_PATH_SIZE - 1,
              "a name of PART_NAME_MAX bytes fills an entry behind the prefix");

// Adds a file name behind the prefix as the next of *count entries.
void AddEntry(char (*entries)[DIR_PATH_SIZE], int *count, const char *fileName) {
  if (std::strlen(fileName) > static_cast<size_t>(PART_NAME_MAX)) return;
  char *entry = entries[*count];
  std::memset(entry, 0, DIR_PATH_SIZE);
  std::strcpy(entry, PART_FOLDER_PREFIX);
  std::strcat(entry, fileName);
  ++*count;
}

// Lists category's files into entries (PART_LIST_SIZE of them), counting
// them in *count.
void ListInto(int category, char (*entries)[DIR_PATH_SIZE], int *count) {
  *count = 0;
  char pattern[DIR_PATH_SIZE];
  PartSearchPattern(category, pattern);
  char searchPath[MAX_PATH];
  if (!MakeBasePath(searchPath, sizeof searchPath, pattern)) return;

  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(searchPath, &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    AddEntry(entries, count, found.cFileName);
  } while (*count < PART_LIST_MAX && FindNextFileA(search, &found));
  FindClose(search);
}

}  // namespace

std::string BasePath(const char *relative) {
  return std::string(baseDir) + (EndsWithBackslash(baseDir) ? "" : "\\") + relative;
}

int MakeBasePath(char *out, int outSize, const char *relative) {
  if (outSize <= 0) return 0;
  out[0] = '\0';
  std::string path = BasePath(relative);
  if (path.size() >= static_cast<size_t>(outSize) || path.size() >= MAX_PATH) return 0;
  std::memcpy(out, path.c_str(), path.size() + 1);
  return 1;
}

void PartSearchPattern(int category, char *out) {
  std::memset(out, 0, DIR_PATH_SIZE);
  wsprintfA(out, "%skao-%x-*.bmp", PART_FOLDER_PREFIX, category);
}

void ScanPartFolder() {
  SetCurrentDirectoryA(baseDir);
  ListInto(currentCategory, PartList, &partCount);
}

void ListCategory(int category, PartListing *listing) { ListInto(category, listing->entries, &listing->count); }

int ReplaceSubstring(char *text, const char *find, const char *replacement) {
  size_t findLength = std::strlen(find);
  size_t replacementLength = std::strlen(replacement);
  if (findLength == 0) return 0;
  char *at = std::strstr(text, find);
  if (!at) return 0;
  char *tail = at + findLength;
  std::memmove(at + replacementLength, tail, std::strlen(tail) + 1);
  std::memcpy(at, replacement, replacementLength);
  return 1;
}

int BackHairPath(const char *hairPath, char *out) {
  std::memset(out, 0, DIR_PATH_SIZE);
  std::memcpy(out, hairPath, strnlen(hairPath, DIR_PATH_SIZE - 1));
  return ReplaceSubstring(out, "kao-b-", "kao-0-");
}
