#include "part_check.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>

#include "catalogue.h"
#include "dib24.h"
#include "failure.h"
#include "palette.h"
#include "part_file.h"
#include "portrait.h"

namespace {

const unsigned char BLACK_PIXEL[3] = {0, 0, 0};

void Report(PartCheck &check, const std::string &file, bool skipped, const std::string &what) {
  check.findings.push_back(PartFinding{file, skipped, what});
}

std::string Pixels(long count) { return std::to_string(count) + (count == 1 ? " pixel " : " pixels "); }

std::string CategoryText(int category) {
  char digit[2];
  wsprintfA(digit, "%x", category);
  return std::string("category ") + digit + " (" + CATEGORY_NAMES[category] + ")";
}

std::string ProblemText(PartFileProblem problem) {
  switch (problem) {
    case PART_FILE_PATH_TOO_LONG:
      return "its full path is longer than the " + std::to_string(MAX_PATH - 1) +
             " characters Windows allows";
    case PART_FILE_NOT_OPENED:
      return "it cannot be opened (a folder, a file in use, or a name with characters "
             "outside the system's code page)";
    case PART_FILE_NOT_DISK_FILE: return "it is a device, not a file";
    case PART_FILE_NOT_READABLE: return "it cannot be read";
    case PART_FILE_TOO_SHORT: return "it ends inside its headers";
    case PART_FILE_NOT_BMP: return "it is not a BMP file (it does not start with \"BM\")";
    case PART_FILE_HEADER_KIND: return "its information header is of a kind the editor does not know";
    case PART_FILE_SIDE:
      return "its width or height is not 1 to " + std::to_string(PART_FILE_MAX_SIDE) + " pixels";
    case PART_FILE_PLANES: return "it has more than one colour plane";
    case PART_FILE_BIT_COUNT: return "it is not 1, 4, 8, 16, 24 or 32 bits per pixel";
    case PART_FILE_COMPRESSED: return "its pixels are compressed (save it as an uncompressed BMP)";
    case PART_FILE_COLOURS_USED: return "it says it uses more colours than its bits per pixel hold";
    case PART_FILE_PIXEL_OFFSET: return "its pixels are said to start inside its headers";
    case PART_FILE_CUT_SHORT: return "it is cut short: its colour table or pixels run past its end";
    default: return "it cannot be read";
  }
}

struct FoundName {
  std::string name;
  DWORD attributes;
};

// The names that match a pattern relative to baseDir (its last part may
// hold wildcards), in the platform's order, without "." and "..". False
// when the pattern's full path is too long to search.
bool FindNames(const char *relativePattern, std::vector<FoundName> *names) {
  names->clear();
  char path[MAX_PATH];
  if (!MakeBasePath(path, sizeof path, relativePattern)) return false;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return true;
  do {
    if (std::strcmp(found.cFileName, ".") && std::strcmp(found.cFileName, ".."))
      names->push_back(FoundName{found.cFileName, found.dwFileAttributes});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return true;
}

bool Near(const unsigned char *pixel, int pure) {
  for (int i = 0; i < 3; ++i)
    if (std::abs(pixel[i] - pure) > NEAR_PURE_DISTANCE) return false;
  return true;
}

// The pixels of a part as the editor draws them on layer.
struct PixelCounts {
  long drawn = 0;          // not transparent
  long takeColour = 0;     // take the part's colour (on a face: the fill)
  long nearBlack = 0;      // near black, but not drawn as pure black is
  long nearWhite = 0;      // near white, but not transparent
};

PixelCounts CountPixels(const Pixels24 &image, int layer) {
  PixelCounts counts;
  bool blackTakesColour = TakesPartColour(BLACK_PIXEL, layer);
  for (int y = 0; y < image.height; ++y) {
    const unsigned char *p = PixelAddress(image, 0, y);
    for (int x = 0; x < image.width; ++x, p += 3) {
      if (IsTransparentPixel(p)) continue;
      ++counts.drawn;
      bool takes = TakesPartColour(p, layer);
      counts.takeColour += takes;
      counts.nearBlack += Near(p, 0) && takes != blackTakesColour;
      counts.nearWhite += Near(p, 255);
    }
  }
  return counts;
}

// Reads a part file as the editor does and reports what it would refuse or
// draw otherwise than its author likely meant.
void CheckPartFile(PartCheck &check, const std::string &file, int category) {
  PartFile part;
  PartFileProblem problem = PART_FILE_READ;
  if (!OpenPartFile(file.c_str(), &part, &problem)) {
    Report(check, file, true, "the editor cannot read it: " + ProblemText(problem));
    return;
  }
  int width = part.layout.width, height = part.layout.height;
  Pixels24 pixels;
  HBITMAP image = ReadPartImage(&part, ALL_ROWS, &pixels, nullptr);
  ClosePartFile(&part);
  if (!image) {
    Report(check, file, true, "the editor cannot read its pixels (too little memory, or a read error)");
    return;
  }
  ++check.filesRead;
  PixelCounts counts = CountPixels(pixels, category);
  DeleteObject(image);

  if (width > CANVAS_WIDTH || height > CANVAS_HEIGHT)
    Report(check, file, false,
           std::to_string(width) + " x " + std::to_string(height) + " pixels, larger than the " +
               std::to_string(CANVAS_WIDTH) + " x " + std::to_string(CANVAS_HEIGHT) + " canvas");
  if (counts.drawn == 0) Report(check, file, false, "every pixel is pure white: it draws nothing");
  if (category == CAT_FACE && counts.drawn && !counts.takeColour)
    Report(check, file, false,
           "no fill: a face is filled where it is neither pure black nor pure white, and no pixel is");
  if (counts.nearBlack)
    Report(check, file, false,
           Pixels(counts.nearBlack) + "near black, " +
               (TakesPartColour(BLACK_PIXEL, category)
                    ? "keeping their grey: only pure black (0, 0, 0) takes the part's colour"
                    : "taking the face colour: only pure black (0, 0, 0) stays black on a face"));
  if (counts.nearWhite)
    Report(check, file, false,
           Pixels(counts.nearWhite) + "near white, not transparent: only pure white (255, 255, 255) is");
}

// The name the platform gives the file at a path relative to baseDir
// (matched without regard to case, as opening it is); empty when none.
std::string ActualName(const char *relativePath) {
  std::vector<FoundName> names;
  if (std::strpbrk(relativePath, "*?") || !FindNames(relativePath, &names) || names.empty()) return "";
  return names[0].name;
}

// Hairs and their back halves. A back half shows only with the hair whose
// name leads to it (BackHairPath); a hair whose back half is missing draws
// none, which is often meant, unless back halves without a hair suggest a
// name gone wrong.
void CheckHairPairs(PartCheck &check, const std::vector<std::string> &hairs,
                    const std::vector<FoundName> &backHairs) {
  std::set<std::string> reached;
  std::vector<std::string> withoutBack;
  for (const std::string &hair : hairs) {
    char backHair[DIR_PATH_SIZE];
    if (!BackHairPath(hair.c_str(), backHair)) {
      Report(check, hair, false,
             "its name lacks a lower-case \"kao-b-\": choosing it leaves the back hair of the "
             "hair chosen before it");
      continue;
    }
    std::string name = ActualName(backHair);
    if (name.empty())
      withoutBack.push_back(hair);
    else
      reached.insert(name);
  }
  int orphans = 0;
  for (const FoundName &backHair : backHairs) {
    if (reached.count(backHair.name)) continue;
    ++orphans;
    Report(check, PART_FOLDER_PREFIX + backHair.name, true,
           "no hair in the palette leads to this back hair: it shows only with the hair "
           "kao-b-<the same name>.bmp");
  }
  if (!orphans) return;
  for (const std::string &hair : withoutBack) {
    char backHair[DIR_PATH_SIZE];
    BackHairPath(hair.c_str(), backHair);
    Report(check, hair, false,
           std::string("it has no back hair ") + backHair + ", while " + std::to_string(orphans) +
               (orphans == 1 ? " back hair has" : " back hairs have") + " no hair: meant for this one?");
  }
}

// The names a palette category lists, and why each of its other files is
// left out: a name too long for the list, or beyond the 99 it holds.
void CheckCategoryList(PartCheck &check, int category, const std::vector<FoundName> &files,
                       std::vector<std::string> *listed) {
  static PartListing listing;
  ListCategory(category, &listing);
  listed->assign(listing.entries, listing.entries + listing.count);
  std::set<std::string> shown(listed->begin(), listed->end());
  bool beyond = false;
  for (const FoundName &file : files) {
    std::string path = PART_FOLDER_PREFIX + file.name;
    if (shown.count(path)) continue;
    if (file.name.size() > static_cast<size_t>(PART_NAME_MAX)) {
      Report(check, path, true,
             "its name is " + std::to_string(file.name.size()) + " bytes long; the editor keeps " +
                 std::to_string(PART_NAME_MAX) + " (a Japanese character takes 2)");
    } else {
      beyond = true;
      Report(check, path, true,
             CategoryText(category) + " already lists " + std::to_string(PART_LIST_MAX) +
                 " files before it, in the order Windows returns them");
    }
  }
  if (beyond) {
    char pattern[DIR_PATH_SIZE];
    PartSearchPattern(category, pattern);
    Report(check, pattern, true,
           std::to_string(files.size()) + " files of " + CategoryText(category) +
               ": the palette lists the first " + std::to_string(PART_LIST_MAX) + " only");
  }
}

void CheckThumbnailFace(PartCheck &check) {
  PartFile face;
  PartFileProblem problem = PART_FILE_READ;
  if (OpenPartFile(HAIR_THUMBNAIL_FACE, &face, &problem)) {
    ClosePartFile(&face);
    return;
  }
  if (GetFileAttributesA(BasePath(HAIR_THUMBNAIL_FACE).c_str()) == INVALID_FILE_ATTRIBUTES)
    Report(check, HAIR_THUMBNAIL_FACE, true,
           "missing: the hair palette shows the hairs over this face");
  else
    Report(check, HAIR_THUMBNAIL_FACE, true,
           "the hair palette draws no face under the hairs: " + ProblemText(problem));
}

void CheckKaoFolder(PartCheck &check) {
  DWORD kao = GetFileAttributesA(BasePath("kao").c_str());
  if (kao == INVALID_FILE_ATTRIBUTES || !(kao & FILE_ATTRIBUTE_DIRECTORY)) {
    Report(check, "kao", true,
           "no kao folder here, so the editor lists no parts (give the program folder, the one "
           "that holds kao)");
    return;
  }
  // Every file a category's search finds, by category.
  std::vector<FoundName> files[CATEGORY_COUNT];
  std::set<std::string> named;
  for (int category = 0; category < CATEGORY_COUNT; ++category) {
    char pattern[DIR_PATH_SIZE];
    PartSearchPattern(category, pattern);
    if (!FindNames(pattern, &files[category])) {
      Report(check, baseDir, true,
             "the folder's path is too long for the editor to search kao: it lists no parts");
      return;
    }
    for (const FoundName &file : files[category]) named.insert(file.name);
  }

  // What no category finds is never listed. Hidden and system files
  // (Thumbs.db, desktop.ini) and folders are not meant as parts.
  std::vector<FoundName> all;
  FindNames((std::string(PART_FOLDER_PREFIX) + "*").c_str(), &all);
  for (const FoundName &file : all)
    if (!named.count(file.name) &&
        !(file.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
      Report(check, PART_FOLDER_PREFIX + file.name, true,
             "not a part name: the editor lists kao-<category>-<name>.bmp, category 0-9 or a-c");

  std::vector<std::string> hairs;
  for (int category = 0; category < CATEGORY_COUNT; ++category) {
    if (category == CAT_DISABLED) {
      for (const FoundName &file : files[category])
        Report(check, PART_FOLDER_PREFIX + file.name, true,
               CategoryText(category) + " never shows: its button is always greyed out");
      continue;
    }
    std::vector<std::string> listed;
    // Back hairs are not listed but reached through their hair's name.
    if (category != CAT_BACK_HAIR) CheckCategoryList(check, category, files[category], &listed);
    if (category == CAT_HAIR) hairs = listed;
    for (const FoundName &file : files[category])
      if (file.name.size() <= static_cast<size_t>(PART_NAME_MAX))
        CheckPartFile(check, PART_FOLDER_PREFIX + file.name, category);
  }
  CheckHairPairs(check, hairs, files[CAT_BACK_HAIR]);
}

void IgnoreFailure(HWND, const char *, const char *) {}

}  // namespace

std::string UseProgramFolder(const char *folder) {
  if (!*folder) return "no folder given";
  // Resolving folder\. drops a trailing backslash, as the current directory
  // the editor reads has none.
  std::string dotted = std::string(folder) + "\\.";
  DWORD size = GetFullPathNameA(dotted.c_str(), 0, nullptr, nullptr);
  std::vector<char> full(size + 1);
  DWORD length = size ? GetFullPathNameA(dotted.c_str(), size + 1, full.data(), nullptr) : 0;
  // A path beyond MAX_PATH does not resolve at all.
  if (length == 0 || length > size || length >= sizeof baseDir)
    return "the editor starts only in a folder whose full path has at most " +
           std::to_string(sizeof baseDir - 1) + " bytes";
  DWORD attributes = GetFileAttributesA(full.data());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return "no such folder";
  lstrcpynA(baseDir, full.data(), sizeof baseDir);
  return "";
}

PartCheck CheckProgramFolder() {
  char savedDirectory[MAX_PATH + 1] = {0};
  DWORD saved = GetCurrentDirectoryA(sizeof savedDirectory, savedDirectory);
  FailureReporter savedReporter = failureReporter;
  failureReporter = IgnoreFailure;  // a failure is reported as a finding instead

  PartCheck check = {0, {}};
  CheckThumbnailFace(check);
  CheckKaoFolder(check);

  failureReporter = savedReporter;
  if (saved && saved < sizeof savedDirectory) SetCurrentDirectoryA(savedDirectory);
  return check;
}

std::string FormatPartCheck(const PartCheck &check) {
  std::vector<PartFinding> findings = check.findings;
  std::stable_sort(findings.begin(), findings.end(), [](const PartFinding &a, const PartFinding &b) {
    return a.file != b.file ? a.file < b.file : a.skipped > b.skipped;
  });
  std::string report;
  int skippedLines = 0, otherLines = 0;
  for (std::size_t i = 0; i < findings.size(); ++i) {
    bool first = i == 0 || findings[i].file != findings[i - 1].file;
    if (first) {
      if (i) report += "\n";
      report += findings[i].file + ": ";
      ++(findings[i].skipped ? skippedLines : otherLines);
    } else {
      report += "; ";
    }
    if (findings[i].skipped) report += "not shown: ";
    report += findings[i].what;
  }
  if (!findings.empty()) report += "\n";
  report += std::to_string(check.filesRead) + " part files read: ";
  if (findings.empty())
    report += "nothing to report.\n";
  else
    report += std::to_string(skippedLines) + " lines above name what will not show, " +
              std::to_string(otherLines) + " what may look other than meant.\n";
  return report;
}

bool AnySkipped(const PartCheck &check) {
  for (const PartFinding &finding : check.findings)
    if (finding.skipped) return true;
  return false;
}
