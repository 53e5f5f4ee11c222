// A seeded run of random actions on a real editor window over a part folder
// that mixes good parts with broken files. This thread runs the editor in
// the program's own message loop; a second thread plays the user: it posts
// every click, answers the colour dialog, closes previews, and gives each
// action five seconds to be handled. The run fails on a crash, a hang, any
// message box or other window, GDI objects or memory that grow with the
// number of actions, and a last frame that differs from a fresh paint of
// the final portrait. Help is opened by a stand-in that starts no browser;
// keys and undo and redo are among the actions, with drags, the wheel,
// random portraits, portrait files good and broken (also from the recent
// list), exports and copies (the file dialogs and export options answered
// by stand-ins; the settings kept in the soak's folder).
// NIGAOE_SOAK_SEED=n runs other seeds (n + the shard's number).
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "capture.h"
#include "clipboard.h"
#include "document.h"
#include "file_dialog.h"
#include "image_export.h"
#include "catalogue.h"
#include "editor.h"
#include "frame.h"
#include "help.h"
#include "palette.h"
#include "portrait.h"
#include "recent_files.h"
#include "resource.h"
#include "render/render_fixtures.h"
#include "settings.h"
#include "support/test_support.h"
#include "text.h"
#include "texts.h"
#include "unsaved.h"

namespace {

// Six shards that ctest runs side by side: 3,000 random actions in all.
const int SHARDS = 6;
const int ACTIONS_PER_SHARD = 500;
const DWORD ANSWER_LIMIT_MS = 5000;
// Private bytes a shard may gain after its tour: without a leak it gained
// 0 to 256 KB over 500 actions; a leak of 5 KB an action (a 40 x 40 image)
// goes beyond the slack within a shard.
const SIZE_T MEMORY_SLACK = 2 << 20;
const int COLOUR_BOX_ID = 720;  // the colour dialog's 8 x 6 basic colours
static_assert(sizeof(Bgr) == 3, "rows of pixels are copied into Bgr values");

// ---------------------------------------------------------------- the folder

// A part of random size: black line-work round a coloured inside, on white.
// Returns the file's bytes.
std::vector<std::uint8_t> WriteGoodPart(const std::string &path, std::mt19937 &random, int maxWidth,
                                        int maxHeight) {
  int width = std::uniform_int_distribution<>(1, maxWidth)(random);
  int height = std::uniform_int_distribution<>(1, maxHeight)(random);
  Bgr ink = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()), 90};
  WriteTestBmp(path, width, height, [&](int x, int y) {
    double dx = (2.0 * x + 1) / width - 1, dy = (2.0 * y + 1) / height - 1, r = dx * dx + dy * dy;
    return r > 1 ? WHITE : r > 0.6 ? BLACK : ink;
  });
  return ReadFileBytes(path);
}

void Put32(std::vector<std::uint8_t> &bytes, int at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = value >> (8 * i) & 0xFF;
}

// The ways a part file is broken: empty, cut short, not a bitmap, a folder,
// then headers with sizes beyond any limit, an unknown header, 7 bits a
// pixel, compressed pixels, pixels past the end, no width, 4097 wide and
// two planes.
const int A_FOLDER = 3, BROKEN_KINDS = 13;
void WriteBroken(const std::string &path, int kind, std::mt19937 &random) {
  if (kind == A_FOLDER) {
    CreateDirectoryA(path.c_str(), nullptr);
    return;
  }
  std::vector<std::uint8_t> bytes = WriteGoodPart(path, random, 40, 40);
  const struct {
    int offset;
    std::uint32_t value;
  } patches[] = {{18, 0x7FFFFFFF}, {22, 0x80000000}, {14, 41}, {28, 7},   {30, BI_RLE8},
                 {10, 0xFFFFFFF0}, {18, 0},          {18, 4097}, {26, 2}};
  if (kind == 0) bytes.clear();
  if (kind == 1) bytes.resize(std::uniform_int_distribution<size_t>(1, bytes.size() - 1)(random));
  if (kind == 2) bytes.assign({'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'});
  if (kind > A_FOLDER) Put32(bytes, patches[kind - 4].offset, patches[kind - 4].value);
  WriteFileBytes(path, bytes);
}

// Moves a file to a name that may make its path longer than the ANSI calls
// take.
void RenameLong(const std::string &from, const std::string &to) {
  std::wstring wideFrom, wideTo = L"\\\\?\\";
  for (char c : from) wideFrom += static_cast<wchar_t>(c);
  for (char c : to) wideTo += static_cast<wchar_t>(c);
  MoveFileW(wideFrom.c_str(), wideTo.c_str());
}

// A 1-bit part of the largest accepted size, 4096 x 4096, striped.
std::vector<std::uint8_t> LargestPart() {
  const int side = 4096, rowSize = side / 8, offset = 14 + 40 + 8;
  std::vector<std::uint8_t> bytes(offset + rowSize * side, 0x0F);
  std::fill(bytes.begin(), bytes.begin() + offset, 0);
  bytes[0] = 'B', bytes[1] = 'M';
  Put32(bytes, 2, bytes.size()), Put32(bytes, 10, offset), Put32(bytes, 14, 40);
  Put32(bytes, 18, side), Put32(bytes, 22, side);
  bytes[26] = 1, bytes[28] = 1;
  Put32(bytes, 58, 0xFFFFFF);  // colour 0 black, colour 1 white
  return bytes;
}

// Every category holds three good parts (kao-c-001 to 003) and two broken
// files (kao-c-100, 101), the broken kinds spread so that each turns up
// twice. The hair comes with good and broken back halves in every
// combination and with two names too long for the program's buffers; the
// pieces include the largest part; the face beside the program (under the
// hair thumbnails) is broken in a way that depends on the shard.
void WriteSoakParts(const PartFolder &folder, int shard, std::mt19937 &random) {
  char name[32];
  for (int category = CAT_BACK_HAIR; category <= CAT_GLASSES; ++category) {
    for (int i = 1; i <= 3; ++i) {
      wsprintfA(name, "kao\\kao-%x-%03d.bmp", category, i);
      WriteGoodPart(folder / name, random, category == CAT_FACE ? 80 : 100, 120);
    }
    for (int i = 0; i < 2; ++i) {
      wsprintfA(name, "kao\\kao-%x-%03d.bmp", category, 100 + i);
      WriteBroken(folder / name, (2 * category + i) % BROKEN_KINDS, random);
    }
  }
  WriteBroken(folder / "kao\\kao-0-002.bmp", 1, random);            // good hair, broken back
  WriteGoodPart(folder / "kao\\kao-0-100.bmp", random, 80, 60);     // broken hair, good back
  // Names of 251 and 252 characters: the first fits a palette entry but
  // not a path, the second does not fit an entry.
  for (int length : {251, 252})
    for (const char *category : {"b", "0"}) {
      WriteGoodPart(folder / "long.bmp", random, 60, 40);
      RenameLong(folder / "long.bmp",
                 folder / ("kao\\kao-" + std::string(category) + "-" + std::string(length - 10, 'n') + ".bmp"));
    }
  WriteFileBytes(folder / "kao\\kao-2-400.bmp", LargestPart());
  WriteBroken(folder / "kao-1-001.bmp", static_cast<unsigned>(shard) % BROKEN_KINDS, random);
}

// Portrait files beside the parts: one that opens, one whose part file is
// missing, and broken ones (cut short, no portrait, a value out of range, a
// line too long, a file outside kao), and a name with no file behind it.
// Each but the first is refused, or lists the missing part, in one message.
const char *const PORTRAIT_FILES[] = {"good", "missing", "cut", "picture", "range", "long", "outside", "absent"};
const int PORTRAIT_FILE_KINDS = sizeof PORTRAIT_FILES / sizeof *PORTRAIT_FILES;

void WriteSoakPortraits(const PartFolder &folder) {
  const std::string head = "nigaoe-portrait 1\ncanvas 40 45 80 100\ncurrent-piece 0\n";
  auto part = [](const char *heading, const std::string &file, const char *size) {
    return std::string(heading) + "\nfile " + file + "\nmode pair\nposition 10 30\nsize " + size +
           "\nangle 5\ncolour #804020\n";
  };
  const std::string good = head + part("layer eyes", "kao\\kao-3-001.bmp", "20 10") +
                           part("piece 0", "kao\\kao-2-002.bmp", "12 8") + "end\n";
  const std::string texts[] = {
      good,
      head + part("layer nose", "kao\\kao-5-999.bmp", "9 9") + "end\n",
      good.substr(0, good.size() - 9),
      "BM" + std::string(60, '\0'),
      head + part("layer eyes", "kao\\kao-3-001.bmp", "20 99999") + "end\n",
      head + part("layer eyes", "kao\\" + std::string(1500, 'n'), "20 10") + "end\n",
      head + part("layer eyes", "..\\kao-3-001.bmp", "20 10") + "end\n",
  };
  for (int kind = 0; kind < PORTRAIT_FILE_KINDS - 1; ++kind)
    WriteFileBytes(folder / (std::string(PORTRAIT_FILES[kind]) + ".nigaoe"),
                   std::vector<std::uint8_t>(texts[kind].begin(), texts[kind].end()));
}

// The file dialogs and the export's options answered without a person: the
// user's thread sets the answer before it posts the command that asks.
std::wstring soakFileAnswer;
// The answer to "save the changes?"; no at the end, so that the close ends.
int soakSaveAnswer = IDNO;
ExportOptions soakExportOptions = {1, false};
int AnswerFileQuestion(const FileQuestion &, FileAnswer *answer) {
  answer->path = soakFileAnswer;
  answer->filterIndex = 1;
  return 1;
}
int AnswerExportOptions(HWND, ExportOptions *options) {
  *options = soakExportOptions;
  return 1;
}

// A drop of one file, as a file manager gives it; the editor releases it.
HDROP DropOf(const std::wstring &path) {
  HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t));
  auto *files = static_cast<DROPFILES *>(GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  std::memcpy(files + 1, path.c_str(), path.size() * sizeof(wchar_t));
  GlobalUnlock(drop);
  return static_cast<HDROP>(drop);
}

// ---------------------------------------------------------- the editor's side

// Requests to the soak's own window on the editor's thread, posted behind
// an action: each is handled once everything posted before it is.
enum SoakRequest { DONE = WM_APP, MEASURE, COMPARE };

struct Sample {
  int freeGdiHandles;
  SIZE_T privateBytes;
};

// What the editor's thread records; the user's thread reads it only after
// the request that wrote it was answered.
struct EditorSide {
  HWND editor = nullptr;
  DWORD thread = 0;
  HWND soakWindow = nullptr;
  HANDLE answered = nullptr;
  std::atomic<long> lastDone{0};
  const FailureLog *failures = nullptr;
  long firstActionWithMessage = 0;
  Sample samples[2] = {};
  int differing = -1;
};
EditorSide *side;

// The action under way, for the report of a crash or a hang.
char currentAction[96] = "start";
long currentNumber = 0;
int currentSeed = 0;

[[noreturn]] void Abort(const char *what) {
  std::fprintf(stderr, "soak seed %d: %s during action %ld: %s\n", currentSeed, what, currentNumber,
               currentAction);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 3);
  for (;;) {}
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS *exception) {
  char what[48];
  std::snprintf(what, sizeof what, "crash (exception %08lx)", exception->ExceptionRecord->ExceptionCode);
  Abort(what);
}

// Memory committed to this process alone, where a leak of the heap, of
// images or of anything else the program allocates shows.
SIZE_T PrivateBytes() {
  SIZE_T bytes = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const char *at = nullptr; VirtualQuery(at, &region, sizeof region) && region.RegionSize;) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
    const char *next = static_cast<const char *>(region.BaseAddress) + region.RegionSize;
    if (next <= at) break;  // the top of the address space
    at = next;
  }
  return bytes;
}

// Client pixels where the window differs from a fresh paint of the model,
// outside the controls, which paint themselves: the whole of a button or a
// label, the edges of a frame (the canvas and the palette are inside).
int DifferingFromFreshPaint(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right, height = client.bottom;
  std::vector<Bgr> shown(width * height);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<unsigned char> rows((width * 3 + 3) / 4 * 4 * height);
  HBITMAP copy = CopyWindowPixels(window, 0, 0, width, height, nullptr);
  HDC screen = GetDC(nullptr);
  bool read = copy && GetDIBits(screen, copy, 0, height, rows.data(), &info, DIB_RGB_COLORS) == height;
  ReleaseDC(nullptr, screen);
  if (copy) DeleteObject(copy);
  if (!read) return -1;
  for (int y = 0; y < height; ++y)
    std::memcpy(&shown[y * width], &rows[(width * 3 + 3) / 4 * 4 * y], width * 3);
  std::vector<char> control(shown.size(), 0);
  auto mark = [&](LONG left, LONG top, LONG right, LONG bottom) {
    for (LONG y = std::max(top, 0L); y < std::min<LONG>(bottom, height); ++y)
      for (LONG x = std::max(left, 0L); x < std::min<LONG>(right, width); ++x) control[y * width + x] = 1;
  };
  int edge = GetSystemMetrics(SM_CXEDGE);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&r), 2);
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ETCHEDFRAME) {
      mark(r.left, r.top, r.right, r.bottom);
      continue;
    }
    mark(r.left, r.top, r.right, r.top + edge), mark(r.left, r.bottom - edge, r.right, r.bottom);
    mark(r.left, r.top, r.left + edge, r.bottom), mark(r.right - edge, r.top, r.right, r.bottom);
  }
  HDC dc = GetDC(window);
  Frame frame;
  int differing = -1;
  if (OpenFrame(dc, width, height, &frame, nullptr)) {
    PaintEditor(window, frame.dc, &frame.pixels);
    GdiFlush();
    differing = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const unsigned char *p = PixelAddress(frame.pixels, x, y);
        differing += !control[y * width + x] && !(shown[y * width + x] == Bgr{p[0], p[1], p[2]});
      }
    CloseFrame(&frame);
  }
  ReleaseDC(window, dc);
  return differing;
}

LRESULT CALLBACK SoakWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message < DONE || message > COMPARE) return DefWindowProcA(window, message, wParam, lParam);
  if (message != DONE) PumpMessages();  // the paints still owed, first
  if (message == MEASURE) {
    // A copied picture of any size is held by the clipboard, not leaked. The
    // other shards' editors may hold the clipboard for a moment.
    if (OpenClipboardWaiting(window)) EmptyClipboard(), CloseClipboard();
    side->samples[wParam] = Sample{FreeGdiHandles(), PrivateBytes()};
  }
  if (message == COMPARE) side->differing = DifferingFromFreshPaint(side->editor);
  if (!side->firstActionWithMessage && !side->failures->entries().empty()) side->firstActionWithMessage = lParam;
  side->lastDone = lParam;
  SetEvent(side->answered);
  return 0;
}

// ------------------------------------------------------------ the user's side

// The visible windows of the editor's thread besides the editor: its
// previews and any other. Sends them nothing, so that a hung thread does
// not hang the user.
struct Census {
  std::vector<HWND> previews;
  std::vector<HWND> others;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM census) {
  Census &c = *reinterpret_cast<Census *>(census);
  if (!IsWindowVisible(window) || window == side->editor) return TRUE;
  bool preview = GetDlgItem(window, IDC_PREVIEW_CANCEL) && GetDlgItem(window, IDC_PREVIEW_HELP);
  (preview ? c.previews : c.others).push_back(window);
  return TRUE;
}

Census TakeCensus() {
  Census census;
  EnumThreadWindows(side->thread, CountWindow, reinterpret_cast<LPARAM>(&census));
  return census;
}

HWND ColourDialog() {
  for (HWND window : TakeCensus().others)
    if (GetDlgItem(window, COLOUR_BOX_ID)) return window;
  return nullptr;
}

class User {
 public:
  explicit User(int seed) : random_(seed) {}

  void Run() {
    auto start = std::chrono::steady_clock::now();
    Tour();
    Ask(MEASURE, 0, "measure after the tour");
    for (; actions_ < ACTIONS_PER_SHARD; ++actions_) RandomAction();
    for (HWND preview : TakeCensus().previews) AnswerPreview(preview, true);
    Ask(MEASURE, 1, "measure at the end");
    Ask(COMPARE, 0, "compare the last frame with a fresh paint");
    seconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    soakSaveAnswer = IDNO;
    Press(IDC_CLOSE, "close");  // ends the editor's message loop, the changes not saved
  }

  double seconds_ = 0;
  int actions_ = 0;
  std::vector<std::string> unexpected_;
  std::size_t allowedMessages_ = 0;  // the portrait files' messages
  std::wstring folder_;              // the soak's folder, where portraits and pictures go

 private:
  // One of each action, so that whatever the platform makes once for good
  // is made before the first measurement.
  void Tour() {
    for (int id = IDC_CATEGORY_FACE; id <= IDC_CATEGORY_GLASSES; ++id) {
      Press(id, "category");
      Click({PaletteCellLeft(0) + CELL_WIDTH / 2, CELL_TOP + CELL_HEIGHT / 2});
    }
    for (int answer = 0; answer < 4; ++answer) Colour(answer);
    for (int file = 0; file < 4; ++file) Files(file);
    for (int direct = 0; direct < 5; ++direct) Direct(direct);
    for (bool cancel : {true, false}) {
      Press(IDC_SAVE, "save");
      for (HWND preview : TakeCensus().previews) AnswerPreview(preview, cancel);
    }
    for (int id : {IDC_NEXT_PAGE, IDC_PREVIOUS_PAGE, IDC_BACK_HAIR, IDC_FRONT_HAIR, IDC_OFF}) Press(id, "button");
  }

  int Draw(int low, int high) { return std::uniform_int_distribution<>(low, high)(random_); }

  void RandomAction() {
    static const int PART_COMMANDS[] = {
        IDC_PART_WIDER, IDC_PART_NARROWER, IDC_PART_TALLER, IDC_PART_SHORTER, IDC_PART_LARGER,
        IDC_PART_SMALLER, IDC_ROTATE_RIGHT, IDC_ROTATE_LEFT, IDC_ANGLE_ZERO, IDC_MOVE_UP,
        IDC_MOVE_DOWN, IDC_MOVE_LEFT, IDC_MOVE_RIGHT};
    static const int OTHER_BUTTONS[] = {
        IDC_BASE_WIDER, IDC_BASE_TALLER, IDC_BASE_NARROWER, IDC_BASE_SHORTER, IDC_OFF, IDC_FRONT_HAIR,
        IDC_BACK_HAIR, IDC_NEXT_PIECE, IDC_PREVIOUS_PIECE, IDC_NEXT_PAGE, IDC_PREVIOUS_PAGE,
        IDC_SHOW_HELP};
    int roll = Draw(0, 99);
    if (roll < 12) {
      Press(IDC_CATEGORY_BASE + Draw(1, 12), "category");  // the disabled one among them
    } else if (roll < 32) {
      while (!Click(RandomPoint())) {}
    } else if (roll < 52) {
      Press(PART_COMMANDS[Draw(0, std::size(PART_COMMANDS) - 1)], "part command");
    } else if (roll < 67) {
      Press(OTHER_BUTTONS[Draw(0, std::size(OTHER_BUTTONS) - 1)], "button");
    } else if (roll < 80) {
      KeyOrUndo();
    } else if (roll < 80) {
      Colour(Draw(0, 3));
    } else if (roll < 84) {
      Files(Draw(0, 5));
    } else if (roll < 89) {
      Direct(Draw(0, 7));
    } else {
      std::vector<HWND> previews = TakeCensus().previews;
      if (roll < 93 || previews.empty())
        Press(IDC_SAVE, "save");
      else
        AnswerPreview(previews[Draw(0, previews.size() - 1)], Draw(0, 1));
    }
  }

  // A key pressed on a random control of the editor, or undo or redo (whose
  // keys need the Ctrl key down on the editor's own thread).
  void KeyOrUndo() {
    static const unsigned KEYS[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_PRIOR, VK_NEXT, VK_DELETE, VK_F1, 'A'};
    int pick = Draw(0, std::size(KEYS) + 3);
    if (pick >= static_cast<int>(std::size(KEYS))) {
      unsigned command = pick == static_cast<int>(std::size(KEYS)) + 3 ? IDC_REDO : IDC_UNDO;
      Describe(command == IDC_UNDO ? "undo" : "redo");
      PostMessageA(side->editor, WM_COMMAND, command, 0);
    } else {
      HWND control = GetDlgItem(side->editor, Draw(IDC_OFF, IDC_SHOW_HELP));
      Describe("key", KEYS[pick]);
      PostMessageA(control ? control : side->editor, WM_KEYDOWN, KEYS[pick], 1);
    }
    WaitForAnswer();
  }

  // A portrait saved, a portrait file opened (dropped, through the menu, or
  // from the recent list), the picture exported at a random size, or
  // copied, or a new portrait (the changes saved, thrown away, or the new
  // portrait cancelled). Opening may give one
  // message, with the portrait file's caption: a refusal, or the list of
  // missing parts (a broken file, or a part with a name too long to open).
  void Files(int what) {
    std::wstring saved = folder_ + L"\\saved.nigaoe";
    if (what == 0) {
      soakFileAnswer = saved;
      Describe("save portrait as");
      PostMessageA(side->editor, WM_COMMAND, IDC_SAVE_PORTRAIT_AS, 0);
      WaitForAnswer();
    } else if (what == 1 || what == 4) {
      int kind = Draw(-1, PORTRAIT_FILE_KINDS - 1);
      std::wstring path = kind < 0 ? saved : folder_ + L"\\" + SystemText(PORTRAIT_FILES[kind]) + L".nigaoe";
      std::size_t before = side->failures->entries().size();
      bool dropped = Draw(0, 1);
      soakSaveAnswer = IDNO;  // the changes go, so that the file is opened
      // A recent file opened once, so it opens again (as "good" or "saved"
      // do; "missing" lists its part again), or an entry past the list does
      // nothing.
      int recent = Draw(0, RECENT_FILES_MAX - 1);
      if (what == 4) {
        Describe("recent file", recent);
        PostMessageA(side->editor, WM_COMMAND, IDC_RECENT_FIRST + recent, 0);
        kind = 0;
      } else if (dropped) {
        Describe("portrait file dropped", kind);
        PostMessageW(side->editor, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(path)), 0);
      } else {
        Describe("portrait file opened", kind);
        soakFileAnswer = path;
        PostMessageA(side->editor, WM_COMMAND, IDC_OPEN_PORTRAIT, 0);
      }
      WaitForAnswer();
      const std::vector<ShownFailure> &entries = side->failures->entries();
      std::size_t shown = entries.size() - before;
      bool refused = kind > 0 || (kind < 0 && GetFileAttributesW(saved.c_str()) == INVALID_FILE_ATTRIBUTES);
      if (shown > 1 || (refused && shown == 0) || (shown && entries.back().caption != CAPTION_PORTRAIT_FILE))
        unexpected_.push_back(std::string(currentAction) + ": " + std::to_string(shown) + " messages");
      allowedMessages_ += shown;
    } else if (what == 2) {
      soakExportOptions = {Draw(1, EXPORT_SCALE_MAX), Draw(0, 1) == 1};
      soakFileAnswer = folder_ + (Draw(0, 1) ? L"\\picture.png" : L"\\picture.bmp");
      Describe("export", soakExportOptions.scale, soakExportOptions.transparent);
      PostMessageA(side->editor, WM_COMMAND, IDC_EXPORT_IMAGE, 0);
      WaitForAnswer();
    } else if (what == 3) {
      Describe("copy the picture");
      PostMessageA(side->editor, WM_COMMAND, IDC_COPY_IMAGE, 0);
      WaitForAnswer();
    } else {
      static const int ANSWERS[] = {IDYES, IDNO, IDCANCEL};
      soakSaveAnswer = ANSWERS[Draw(0, 2)];
      soakFileAnswer = saved;
      Describe("new portrait, answer", soakSaveAnswer);
      PostMessageA(side->editor, WM_COMMAND, IDC_NEW_PORTRAIT, 0);
      WaitForAnswer();
    }
  }

  // The canvas handled directly: a drag from a point near the canvas through
  // a few points anywhere (now and then put back with Escape), a turn of the
  // wheel with or without Shift or Ctrl, a random portrait, a random part,
  // the current part flipped, its category locked or unlocked, a colour
  // picked, the colours matched (as the menu sends them).
  void Direct(int what) {
    if (what == 0) {
      POINT from = {Draw(canvasX - 4, canvasX + CANVAS_WIDTH + 4), Draw(canvasY - 4, canvasY + CANVAS_HEIGHT + 4)};
      Describe("drag from", from.x, from.y);
      PostMessageA(side->editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
      for (int step = Draw(1, 4); step > 0; --step) {
        POINT to = RandomPoint();
        PostMessageA(side->editor, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
      }
      if (Draw(0, 3) == 0) PostMessageA(side->editor, WM_KEYDOWN, VK_ESCAPE, 1);
      PostMessageA(side->editor, WM_LBUTTONUP, 0, MAKELPARAM(from.x, from.y));
    } else if (what == 1) {
      POINT at = {Draw(canvasX, canvasX + CANVAS_WIDTH), Draw(canvasY, canvasY + CANVAS_HEIGHT)};
      ClientToScreen(side->editor, &at);
      static const WORD KEYS[] = {0, MK_SHIFT, MK_CONTROL};
      WORD keys = KEYS[Draw(0, 2)];
      short delta = static_cast<short>(Draw(-2, 2) * WHEEL_DELTA + Draw(-30, 30));
      Describe("wheel", delta, keys);
      PostMessageA(side->editor, WM_MOUSEWHEEL, MAKEWPARAM(keys, delta), MAKELPARAM(at.x, at.y));
    } else if (what == 4) {
      Describe("flip");
      PostMessageA(side->editor, WM_COMMAND, IDC_FLIP_PART, 0);
    } else if (what == 5) {
      Describe("lock");
      PostMessageA(side->editor, WM_COMMAND, IDC_LOCK_PART, 0);
    } else if (what == 7) {
      Describe("match colours");
      PostMessageA(side->editor, WM_COMMAND, IDC_MATCH_COLOURS, 0);
    } else if (what == 6) {
      // 色を拾う, then a click that picks on the canvas (or does what a
      // click does off it).
      POINT at = RandomPoint();
      Describe("pick colour at", at.x, at.y);
      PostMessageA(side->editor, WM_COMMAND, IDC_PICK_COLOUR, 0);
      PostMessageA(side->editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
      PostMessageA(side->editor, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    } else {
      Describe(what == 2 ? "random portrait" : "random part");
      PostMessageA(side->editor, WM_COMMAND, what == 2 ? IDC_RANDOM_PORTRAIT : IDC_RANDOM_PART, 0);
    }
    WaitForAnswer();
  }

  // A point on the palette, on the canvas or anywhere, a few pixels beyond
  // their edges included.
  POINT RandomPoint() {
    int area = Draw(0, 9);
    if (area < 5)
      return {Draw(PALETTE_LEFT - 4, PaletteCellLeft(PALETTE_CELLS - 1) + CELL_WIDTH + 4),
              Draw(CELL_TOP - 4, CELL_TOP + CELL_HEIGHT + 4)};
    if (area < 8)
      return {Draw(canvasX - 4, canvasX + CANVAS_WIDTH + 4), Draw(canvasY - 4, canvasY + CANVAS_HEIGHT + 4)};
    RECT client;
    GetClientRect(side->editor, &client);
    return {Draw(0, client.right - 1), Draw(0, client.bottom - 1)};
  }

  void Describe(const char *what, long detail = 0, long more = 0) {
    currentNumber = ++number_;
    std::snprintf(currentAction, sizeof currentAction, "%s %ld %ld", what, detail, more);
  }

  // A click on a control goes to it, anywhere else to the editor. Returns
  // false, having done nothing, on the close button.
  bool Click(POINT at) {
    HWND child = ChildWindowFromPointEx(side->editor, at, CWP_SKIPINVISIBLE);
    char kind[16] = "";
    if (child && child != side->editor) GetClassNameA(child, kind, sizeof kind);
    if (!lstrcmpiA(kind, "Button")) {
      int id = GetDlgCtrlID(child);
      if (id == IDC_CLOSE) return false;
      if (id == IDC_COLOUR)
        Colour(Draw(0, 3));
      else
        Press(id, "click on a button");
      return true;
    }
    Describe("click at", at.x, at.y);
    PostMessageA(side->editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(side->editor, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    WaitForAnswer();
    return true;
  }

  // A click on a button of the editor; a disabled one ignores it.
  void Press(int id, const char *what) {
    Describe(what, id);
    HWND button = GetDlgItem(side->editor, id);
    if (!IsWindowEnabled(button)) return;
    PostMessageA(button, BM_CLICK, 0, 0);
    if (id != IDC_CLOSE) WaitForAnswer();
  }

  // The colour button, the dialog answered: 0 OK, 1 a basic colour and OK,
  // 2 cancel, 3 the close box.
  void Colour(int answer) {
    Describe("colour, answer", answer);
    PostMessageA(GetDlgItem(side->editor, IDC_COLOUR), BM_CLICK, 0, 0);
    HWND dialog;
    for (DWORD waited = 0; !(dialog = ColourDialog()); waited += 2) {
      if (waited > ANSWER_LIMIT_MS) Abort("no colour dialog within 5 s");
      Sleep(2);
    }
    if (answer == 1) {
      RECT box;
      GetWindowRect(GetDlgItem(dialog, COLOUR_BOX_ID), &box);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&box), 2);
      int row = Draw(0, 5), column = Draw(0, 7);
      LPARAM at = MAKELPARAM(box.left + (box.right - box.left) * (2 * column + 1) / 16,
                             box.top + (box.bottom - box.top) * (2 * row + 1) / 12);
      PostMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, at);
      PostMessageA(dialog, WM_LBUTTONUP, 0, at);
    }
    if (answer == 3)
      PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    else
      PostMessageA(GetDlgItem(dialog, answer == 2 ? IDCANCEL : IDOK), BM_CLICK, 0, 0);
    // The close box ends the dialog through one more posted message.
    for (DWORD waited = 0; IsWindow(dialog); waited += 2) {
      if (waited > ANSWER_LIMIT_MS) Abort("the colour dialog stayed open for 5 s");
      Sleep(2);
    }
    WaitForAnswer();
  }

  void AnswerPreview(HWND preview, bool cancel) {
    Describe(cancel ? "preview cancelled" : "preview closed");
    if (cancel)
      PostMessageA(GetDlgItem(preview, IDC_PREVIEW_CANCEL), BM_CLICK, 0, 0);
    else
      PostMessageA(preview, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitForAnswer();
  }

  // A request answers for itself: a DONE behind it would be handled by the
  // request's own pumping, before the request's work.
  void Ask(SoakRequest request, WPARAM what, const char *description) {
    Describe(description);
    PostMessageA(side->soakWindow, request, what, currentNumber);
    WaitForAnswer(false);
  }

  // Everything posted so far handled within the limit; then no window but
  // the editor and its previews. Any other is recorded and closed.
  void WaitForAnswer(bool postDone = true) {
    long number = currentNumber;
    if (postDone) PostMessageA(side->soakWindow, DONE, 0, number);
    while (side->lastDone < number)
      if (WaitForSingleObject(side->answered, ANSWER_LIMIT_MS) == WAIT_TIMEOUT) Abort("no answer within 5 s");
    for (HWND other : TakeCensus().others) {
      char caption[64] = "", kind[64] = "";
      GetWindowTextA(other, caption, sizeof caption);
      GetClassNameA(other, kind, sizeof kind);
      unexpected_.push_back(std::string(currentAction) + ": a window " + kind + " \"" + caption + "\"");
      PostMessageA(other, WM_CLOSE, 0, 0);
    }
  }

  std::mt19937 random_;
  long number_ = 0;
};

class EditorSoak : public testing::TestWithParam<int> {};

TEST_P(EditorSoak, RandomActionsLeaveNoTrace) {
  const char *seedBase = std::getenv("NIGAOE_SOAK_SEED");
  currentSeed = (seedBase ? std::atoi(seedBase) : 0) + GetParam();
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(ReportCrash);
  char startDirectory[MAX_PATH];
  GetCurrentDirectoryA(sizeof startDirectory, startDirectory);
  std::mt19937 random(currentSeed);
  PartFolder folder;
  WriteSoakParts(folder, currentSeed, random);
  WriteSoakPortraits(folder);
  FailureLog failures;
  ScopedSwap<FileAsker> asker(askFile, AnswerFileQuestion);
  ScopedSwap<ExportOptionsAsker> options(askExportOptions, AnswerExportOptions);
  ScopedSwap<SaveChangesAsker> unsaved(askSaveChanges, [](HWND, const std::wstring &) { return soakSaveAnswer; });
  ScopedSwap<std::wstring> portraitPath(portraitFilePath);
  ScopedSwap<std::wstring> settings(settingsFolder, SystemText(baseDir));
  ScopedSwap<FileList> recent(recentFiles, FileList());
  ScopedSwap<std::wstring> openFolder(lastFolders[FOLDER_OPEN]), saveFolder(lastFolders[FOLDER_SAVE]),
      exportFolder(lastFolders[FOLDER_EXPORT]);
  ResetPortrait();
  // Help is shown to nobody: the page counts as opened.
  ScopedSwap<HelpLauncher> help(openWithSystemHandler, [](HWND, const char *) { return 1; });

  EditorSide state;
  side = &state;
  state.failures = &failures;
  state.thread = GetCurrentThreadId();
  state.answered = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  WNDCLASSA soakClass = {};
  soakClass.lpfnWndProc = SoakWindowProc;
  soakClass.hInstance = appInstance;
  soakClass.lpszClassName = "NigaoeSoak";
  RegisterClassA(&soakClass);
  state.soakWindow = CreateWindowA("NigaoeSoak", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, appInstance, nullptr);
  state.editor = CreateEditorWindow(appInstance);
  ASSERT_NE(state.editor, nullptr);
  CentreEditorWindow(state.editor);

  User user(currentSeed);
  user.folder_ = SystemText(baseDir);
  std::thread player([&] { user.Run(); });
  RunMessageLoop();
  player.join();
  DestroyWindow(state.soakWindow);
  CloseHandle(state.answered);
  SetCurrentDirectoryA(startDirectory);

  std::printf("seed %d: %d random actions after the tour in %.1f s; free GDI handles %d -> %d; "
              "private bytes %zu KB -> %zu KB\n",
              currentSeed, user.actions_, user.seconds_, state.samples[0].freeGdiHandles,
              state.samples[1].freeGdiHandles, state.samples[0].privateBytes >> 10,
              state.samples[1].privateBytes >> 10);
  EXPECT_FALSE(IsWindow(state.editor)) << "the close button ends the editor";
  const std::vector<ShownFailure> &shown = failures.entries();
  EXPECT_EQ(shown.size(), user.allowedMessages_)
      << "messages besides the portrait files'"
      << (shown.empty() ? std::string(": none shown")
                        : ", the first \"" + shown[0].text + "\" / " + shown[0].caption + " at action " +
                              std::to_string(state.firstActionWithMessage));
  EXPECT_TRUE(user.unexpected_.empty()) << user.unexpected_[0];
  EXPECT_GE(state.samples[1].freeGdiHandles, state.samples[0].freeGdiHandles) << "GDI objects leak";
  EXPECT_LE(state.samples[1].privateBytes, state.samples[0].privateBytes + MEMORY_SLACK) << "memory leaks";
  EXPECT_EQ(state.differing, 0) << "pixels of the last frame differ from a fresh paint";
}

INSTANTIATE_TEST_SUITE_P(Shards, EditorSoak, testing::Range(0, SHARDS));

}  // namespace
