// How fast the editor answers, measured in a real editor window: prints the
// median of many runs of each step, in milliseconds. Started by
// scripts/bench.sh from the program folder, whose parts it copies to a
// temporary folder of its own (with one 4096 x 4096 part added), so that
// the program folder stays as it was.
//
//   (a) a move button pressed on a full portrait, the hair page showing:
//       the command returns after its repaint
//   (b) the same with nothing placed and no category chosen
//   (c) plain reads (open, read, close) of the files the paint of (a) opens
//   (d) the paint of (a) into an off-screen frame alone
//   (e) the part folder scan listing 99 of 1,000 files
//   (f) the assembly of the saved file image
//   (g) a move of a 4096 x 4096 part, its page showing
//   (h) one step of a drag of the nose on the portrait of (a)
//   (i) where the time of (d) goes, stage by stage
//   (j) and (k): (a) and (h) with the canvas shown at 4x
//   (l) (a) with a reference photo shown under the parts (the 4096 x 4096
//       part file opened as the photo, kept at 640 x 640)
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bmp_export.h"
#include "bmp_file.h"
#include "catalogue.h"
#include "commands.h"
#include "photo_view.h"
#include "drag.h"
#include "editor.h"
#include "frame.h"
#include "hit_test.h"
#include "paint_clock.h"
#include "palette.h"
#include "portrait.h"
#include "resource.h"
#include "text.h"
#include "zoom_view.h"

namespace {

const int RUNS = 60;

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return 1000.0 * count.QuadPart / frequency.QuadPart;
}

// The median time of step over RUNS runs, after one run to warm up.
double Median(const std::function<void(int run)> &step) {
  step(-1);
  std::vector<double> times;
  for (int run = 0; run < RUNS; ++run) {
    double start = Now();
    step(run);
    times.push_back(Now() - start);
  }
  std::sort(times.begin(), times.end());
  return (times[RUNS / 2 - 1] + times[RUNS / 2]) / 2;
}

void Command(HWND window, unsigned id) { SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// Everything a paint of the editor reads, so that one window can be switched
// between portraits.
struct State {
  PartSlot layers[LAYER_SLOTS], pieces[PIECE_SLOTS];
  char list[PART_LIST_SIZE][DIR_PATH_SIZE];
  int category, piece, first, count;
};

State Save() {
  State state;
  std::memcpy(state.layers, LayerTable, sizeof LayerTable);
  std::memcpy(state.pieces, PieceTable, sizeof PieceTable);
  std::memcpy(state.list, PartList, sizeof PartList);
  state.category = currentCategory, state.piece = currentPiece;
  state.first = firstVisible, state.count = partCount;
  return state;
}

void Restore(HWND window, const State &state) {
  std::memcpy(LayerTable, state.layers, sizeof LayerTable);
  std::memcpy(PieceTable, state.pieces, sizeof PieceTable);
  std::memcpy(PartList, state.list, sizeof PartList);
  currentCategory = state.category, currentPiece = state.piece;
  firstVisible = state.first, partCount = state.count;
  for (int id : {IDC_FRONT_HAIR, IDC_BACK_HAIR})
    EnableWindow(GetDlgItem(window, id), currentCategory == CAT_HAIR);
  for (int id : {IDC_NEXT_PIECE, IDC_PREVIOUS_PIECE})
    EnableWindow(GetDlgItem(window, id), currentCategory == CAT_OTHER);
}

// The median time of a move button pressed in each state, the runs of the
// states taken in turn so that each sees the machine as the others do.
std::vector<double> MedianMoves(HWND window, const std::vector<const State *> &states) {
  std::vector<std::vector<double>> times(states.size());
  for (int run = -1; run < RUNS; ++run)
    for (std::size_t i = 0; i < states.size(); ++i) {
      Restore(window, *states[i]);
      double start = Now();
      Command(window, IDC_MOVE_RIGHT);
      if (run >= 0) times[i].push_back(Now() - start);
    }
  std::vector<double> medians;
  for (std::vector<double> &t : times) {
    std::sort(t.begin(), t.end());
    medians.push_back((t[RUNS / 2 - 1] + t[RUNS / 2]) / 2);
  }
  return medians;
}

void Click(HWND window, int index) {
  firstVisible = index / PALETTE_CELLS * PALETTE_CELLS;
  OnLButtonDown(window, PaletteCellLeft(index) + CELL_WIDTH / 2, CELL_TOP + CELL_HEIGHT / 2);
}

// Every category's first part and the first ten other pieces.
void BuildPortrait(HWND window) {
  const int categories[] = {CAT_FACE,      CAT_HAIR,      CAT_EYES,  CAT_EYEBROWS, CAT_NOSE,
                            CAT_MOUTH,     CAT_EARS,      CAT_MOUSTACHE, CAT_BEARD, CAT_GLASSES};
  for (int category : categories) {
    Command(window, IDC_CATEGORY_BASE + category);
    Click(window, 0);
  }
  Command(window, IDC_CATEGORY_OTHER);
  for (int i = 0; i < PIECE_SLOTS && i < partCount; ++i) Click(window, i);
}

// The files a paint of the editor opens: the palette's, then the layers'.
std::vector<std::string> FilesOfPaint() {
  std::vector<std::string> files;
  int first, last;
  VisiblePartRange(&first, &last);
  for (int i = first; i < last; ++i) {
    char backHair[DIR_PATH_SIZE];
    if (currentCategory == CAT_HAIR && BackHairPath(PartList[i], backHair)) {
      files.push_back(BasePath(backHair));
      files.push_back(BasePath(HAIR_THUMBNAIL_FACE));
    }
    files.push_back(BasePath(PartList[i]));
  }
  for (int slot = CAT_BACK_HAIR; slot <= CAT_GLASSES; ++slot) {
    if (slot == CAT_OTHER) {
      for (const PartSlot &piece : PieceTable)
        if (piece.mode) files.push_back(BasePath(piece.path));
    } else if (LayerTable[slot].mode) {
      files.push_back(BasePath(LayerTable[slot].path));
    }
  }
  return files;
}

void ReadPlainly(const std::vector<std::string> &files) {
  static std::vector<char> buffer(1 << 26);
  for (const std::string &path : files) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    DWORD read, size = GetFileSize(file, nullptr);
    if (size <= buffer.size()) ReadFile(file, buffer.data(), size, &read, nullptr);
    CloseHandle(file);
  }
}

bool CopyFolder(const std::string &from, const std::string &to) {
  CreateDirectoryA(to.c_str(), nullptr);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((from + "\\*.bmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  do CopyFileA((from + "\\" + found.cFileName).c_str(), (to + "\\" + found.cFileName).c_str(), FALSE);
  while (FindNextFileA(search, &found));
  FindClose(search);
  return true;
}

// A 24-bit file of side x side pixels: black rings on white.
void WriteLargePart(const std::string &path, int side) {
  std::uint32_t rowSize = BmpRowSize(side);
  std::vector<std::uint8_t> rows(static_cast<size_t>(rowSize) * side, 255);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      int dx = x - side / 2, dy = y - side / 2;
      if ((dx * dx + dy * dy) / 4096 % 7 == 0) {
        std::uint8_t *p = &rows[static_cast<size_t>(y) * rowSize + x * 3];
        p[0] = p[1] = p[2] = 0;
      }
    }
  std::vector<std::uint8_t> bytes(BmpFileSize(side, side));
  AssembleBmpFile(bytes.data(), side, side, rows.data());
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

void RemoveFolder(const std::string &folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveFolder(folder + "\\" + name);
      else
        DeleteFileA((folder + "\\" + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

void Row(const char *label, double value) { std::printf("%-62s %8.2f\n", label, value); }

}  // namespace

int main() {
  appInstance = GetModuleHandleA(nullptr);
  char programFolder[MAX_PATH];
  GetCurrentDirectoryA(sizeof programFolder, programFolder);
  char temporary[MAX_PATH];
  GetTempPathA(sizeof temporary, temporary);
  std::string work = std::string(temporary) + "nigaoe-bench";
  RemoveFolder(work);
  CreateDirectoryA(work.c_str(), nullptr);
  if (!CopyFolder(std::string(programFolder) + "\\kao", work + "\\kao")) {
    std::fprintf(stderr, "bench: start it in the program folder (no kao folder in %s)\n", programFolder);
    return 1;
  }
  CopyFileA((std::string(programFolder) + "\\" + HAIR_THUMBNAIL_FACE).c_str(),
            (work + "\\" + HAIR_THUMBNAIL_FACE).c_str(), FALSE);
  const int LARGEST = 4096;
  WriteLargePart(work + "\\kao\\kao-1-zzz.bmp", LARGEST);
  lstrcpynA(baseDir, work.c_str(), sizeof baseDir);
  SetCurrentDirectoryA(baseDir);

  HWND window = CreateEditorWindow(appInstance);
  if (!window) return 1;
  CentreEditorWindow(window);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);

  std::printf("Medians of %d runs, in milliseconds\n", RUNS);
  State empty = Save();
  BuildPortrait(window);
  Command(window, IDC_CATEGORY_HAIR);
  State full = Save();
  Command(window, IDC_CATEGORY_FACE);
  for (int i = 0; i < partCount; ++i)
    if (lstrcmpA(PartList[i], "kao\\kao-1-zzz.bmp") == 0) Click(window, i);
  bool largePlaced = LayerTable[CAT_FACE].width == LARGEST;
  State large = Save();

  std::vector<double> moves = MedianMoves(window, {&full, &empty, &large});
  double a = moves[0], b = moves[1], g = moves[2];
  Restore(window, full);
  int layers = 0;
  for (int slot = CAT_BACK_HAIR; slot <= CAT_GLASSES; ++slot) layers += slot != CAT_OTHER && LayerTable[slot].mode;
  for (const PartSlot &piece : PieceTable) layers += piece.mode != 0;
  std::vector<std::string> files = FilesOfPaint();
  double c = Median([&](int) { ReadPlainly(files); });
  RECT client;
  GetClientRect(window, &client);
  // (d), and where its time goes: each stage's median over the same runs.
  std::vector<std::vector<double>> stages(STAGE_COUNT);
  double d = Median([&](int run) {
    StartPaintClock();
    Frame frame;
    if (!OpenFrame(nullptr, client.right, client.bottom, &frame, nullptr)) return;
    PaintEditor(window, frame.dc, &frame.pixels);
    CloseFrame(&frame);
    if (run >= 0)
      for (int stage = 0; stage < STAGE_COUNT; ++stage)
        stages[stage].push_back(PaintStageTime(static_cast<PaintStage>(stage)));
  });
  for (std::vector<double> &t : stages) std::sort(t.begin(), t.end());
  auto stage = [&](PaintStage s) { return (stages[s][RUNS / 2 - 1] + stages[s][RUNS / 2]) / 2; };
  // A whole frame made and copied to the window, as a paint of the whole client area ends.
  double copy = Median([&](int) {
    HDC windowDC = GetDC(window);
    Frame frame;
    if (OpenFrame(windowDC, client.right, client.bottom, &frame, nullptr)) {
      BitBlt(windowDC, 0, 0, client.right, client.bottom, frame.dc, 0, 0, SRCCOPY);
      CloseFrame(&frame);
    }
    ReleaseDC(window, windowDC);
  });
  // A point of the nose, grabbed and moved one pixel to and fro.
  Restore(window, full);
  RECT nose = PartBounds(LayerTable[CAT_NOSE]);
  POINT grip = {-1, -1};
  for (int y = nose.top; y < nose.bottom && grip.x < 0; ++y)
    for (int x = nose.left; x < nose.right && grip.x < 0; ++x)
      if (PartUnderPoint(x, y, nullptr).slot == CAT_NOSE) grip = {x, y};
  double h = -1;
  if (grip.x >= 0 && BeginDrag(window, grip.x, grip.y)) {
    h = Median([&](int run) { DragTo(window, grip.x + (run & 1 ? 0 : 1), grip.y); });
    CancelDrag(window);
  }
  // The same move button and drag step at 4x: the portrait composed at 1x
  // and enlarged once onto the canvas frame.
  double a4 = -1, h4 = -1;
  Command(window, IDC_ZOOM_4);
  if (CurrentZoomView().zoom == 4) {
    a4 = MedianMoves(window, {&full})[0];
    Restore(window, full);
    POINT at = CanvasToWindow(CurrentZoomView(), grip);
    if (grip.x >= 0 && BeginDrag(window, at.x, at.y)) {
      h4 = Median([&](int run) { DragTo(window, at.x + (run & 1 ? 0 : 4), at.y); });
      CancelDrag(window);
    }
  }
  Command(window, IDC_ZOOM_ONE);
  double l = -1;
  std::string photo = work + "\\kao\\kao-1-zzz.bmp";
  if (OpenReferencePhoto(window, SystemText(photo.c_str()))) {
    l = MedianMoves(window, {&full})[0];
    CloseReferencePhoto(window);
  }
  Restore(window, full);
  double f = Median([&](int) { GlobalFree(MakeBmpFileImage(window, canvasX, canvasY, CANVAS_WIDTH, CANVAS_HEIGHT, nullptr)); });

  std::string scanFolder = work + "\\scan";
  CreateDirectoryA(scanFolder.c_str(), nullptr);
  CreateDirectoryA((scanFolder + "\\kao").c_str(), nullptr);
  for (int i = 0; i < 1000; ++i) {
    char name[MAX_PATH];
    wsprintfA(name, "%s\\kao\\kao-3-%04d.bmp", scanFolder.c_str(), i);
    CloseHandle(CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  }
  lstrcpynA(baseDir, scanFolder.c_str(), sizeof baseDir);
  currentCategory = CAT_EYES;
  double e = Median([&](int) { ScanPartFolder(); });
  int listed = partCount;

  char label[128];
  std::snprintf(label, sizeof label, "(a) click to pixels: %d layers, %d files in the paint", layers,
                static_cast<int>(files.size()));
  Row(label, a);
  Row("(b) click to pixels: nothing placed, no category", b);
  Row("(c) plain reads of the files of (a)", c);
  Row("(d) the paint of (a) into an off-screen frame", d);
  Row("(i) of (d): opening, reading and closing part files", stage(STAGE_FILES));
  Row("    decoding stored rows", stage(STAGE_DECODE));
  Row("    making and releasing images and memory contexts", stage(STAGE_IMAGES));
  Row("    stretching and copying (the platform's calls)", stage(STAGE_STRETCH));
  Row("    masking and recolouring", stage(STAGE_MASK));
  Row("    mapping turned parts onto the frame", stage(STAGE_TRANSFER));
  Row("    the rest (fills, marks, geometry)", stage(STAGE_OTHER));
  Row("    then: a whole frame made and copied to the window", copy);
  std::snprintf(label, sizeof label, "(e) part folder scan: %d of 1,000 files", listed);
  Row(label, e);
  Row("(f) assembly of the saved file image", f);
  Row(largePlaced ? "(g) click to pixels: a 4096 x 4096 part moved" : "(g) the 4096 x 4096 part was not placed", g);
  Row(h >= 0 ? "(h) one drag step of the nose on the portrait of (a)" : "(h) the nose was not grabbed", h);
  Row(a4 >= 0 ? "(j) (a) at 4x" : "(j) 4x does not fit the screen", a4);
  Row(h4 >= 0 ? "(k) (h) at 4x: the pointer moved 4 pixels" : "(k) the nose was not grabbed at 4x", h4);
  Row(l >= 0 ? "(l) (a) with a reference photo shown" : "(l) the photo was not opened", l);
  Row("R = (a) / ((b) + (c))", a / (b + c));
  Row("(g) / (a)", g / a);

  DestroyWindow(window);
  lstrcpynA(baseDir, programFolder, sizeof baseDir);
  SetCurrentDirectoryA(programFolder);
  RemoveFolder(work);
  return 0;
}
