// The part-set checker: what the editor, started in a program folder, would
// leave out of its palette or draw otherwise than a part's author likely
// meant. Plain functions over the folder; partcheck.exe prints their report.
#pragma once

#include <string>
#include <vector>

// A grey is "near" black or white when each of its three channels lies
// within this distance of the pure colour: close enough to pass for it on
// screen (the ends of anti-aliased edges, a picture once saved through a
// lossy format). A pale colour picked on purpose so that it is not
// transparent, such as an eye white, lies further off.
const int NEAR_PURE_DISTANCE = 16;

// One finding about a file, named relative to the program folder (e.g.
// kao\kao-3-001.bmp), or about the folder or a category's files (kao,
// kao\kao-3-*.bmp).
struct PartFinding {
  std::string file;
  bool skipped;      // the editor leaves it out: it never shows
  std::string what;
};

struct PartCheck {
  int filesRead;     // part files whose pixels were read
  std::vector<PartFinding> findings;
};

// Makes folder (full, or relative to the current directory) baseDir, as the
// full path the editor started there would have. Returns an empty text, or
// why the editor could not start there (no such folder, a path too long).
std::string UseProgramFolder(const char *folder);

// Checks the program folder in baseDir with the editor's own rules: the
// names each category lists (ScanPartFolder) and the 99 it keeps, the back
// hair each hair brings, the files the loader refuses and why, sizes beyond
// the canvas, greys near black or white that the pixel rules treat
// otherwise than the pure colour, faces without a fill, and the face that
// the hair palette reads beside kao. Shows no message box. Leaves the
// current directory as it was, and PartList and currentCategory as the last
// category listed.
PartCheck CheckProgramFolder();

// The report: one line per file with findings, "file: what; what", sorted
// by name, with what will not show first on each line; then a summary line.
std::string FormatPartCheck(const PartCheck &check);

// True when some finding is something the editor will not show.
bool AnySkipped(const PartCheck &check);
