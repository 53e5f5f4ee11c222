// The list of part bitmaps of the current category, read from the kao folder
// below baseDir, and the file-name rules that go with it.
#pragma once

#include <string>

#include "portrait.h"

const int PART_LIST_SIZE = 100;
const int PART_LIST_MAX = 99;   // entries ever filled
const int PALETTE_CELLS = 5;

extern char PartList[PART_LIST_SIZE][DIR_PATH_SIZE];
extern int partCount;
extern int firstVisible;

// The category of a part file name kao-<digit>-<rest>.bmp (without the
// folder), from its digit: the name the search pattern of that category
// matches, which the platform does without regard to case. -1 for any other
// name.
int PartNameCategory(const char *fileName);

// What a part file's path starts with, relative to baseDir: the kao folder.
const char PART_FOLDER_PREFIX[] = "kao\\";

// The longest file name a PartList entry holds behind "kao\", in bytes.
const int PART_NAME_MAX = DIR_PATH_SIZE - 1 - 4;

// The search pattern of a category's part files, relative to baseDir:
// kao\kao-<category as one lower-case hex digit>-*.bmp, into out
// (DIR_PATH_SIZE bytes). The platform matches it without regard to case.
void PartSearchPattern(int category, char *out);

// Rebuilds PartList and partCount from the names that match
// PartSearchPattern(currentCategory) below baseDir, in the order the file
// system returns them, at most 99. Also makes baseDir the current
// directory. Names longer than PART_NAME_MAX are skipped.
void ScanPartFolder();

// A category's part files, as the palette lists them: entries like
// PartList's ("kao\" and the file name, zero-filled), count of them.
struct PartListing {
  char entries[PART_LIST_SIZE][DIR_PATH_SIZE];
  int count;
};

// Lists category's part files below baseDir into *listing, as
// ScanPartFolder lists the current category, without touching PartList,
// the palette's page or the current directory.
void ListCategory(int category, PartListing *listing);

// Replaces the first occurrence of find in text by replacement, in place.
// Returns 1 when it replaced, 0 when find is empty or absent. The caller
// guarantees room for a longer result.
int ReplaceSubstring(char *text, const char *find, const char *replacement);

// The back hair's file name for a hair file name: a copy of hairPath (cut to
// DIR_PATH_SIZE - 1 bytes) with its first "kao-b-" turned into "kao-0-", in
// out (DIR_PATH_SIZE bytes, zero-filled behind the name). Returns 0 when the
// name holds no "kao-b-": the hair has no back half.
int BackHairPath(const char *hairPath, char *out);

// baseDir, a backslash (unless baseDir already ends in one) and relative.
std::string BasePath(const char *relative);

// Writes baseDir, a backslash (unless baseDir already ends in one) and
// relative into out, which holds outSize bytes. Returns 0 and leaves out
// empty when the result would not fit or would be longer than the platform's
// path limit (MAX_PATH - 1 characters).
int MakeBasePath(char *out, int outSize, const char *relative);
