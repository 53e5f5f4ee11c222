#include "photo_view.h"

#include "compositor.h"
#include "editor_window.h"
#include "failure.h"
#include "file_dialog.h"
#include "photo_file.h"
#include "portrait.h"
#include "resource.h"
#include "settings.h"
#include "texts.h"
#include "zoom.h"
#include "zoom_view.h"

ReferencePhotoRecord referencePhoto = {L"", {0, 0, PHOTO_SCALE_FIT}, 0, true};

namespace {

PhotoImage photoImage;  // decoded once, when opened
ShownPhoto shownPhoto;  // what the canvas is told to show

// A photo drag going on.
struct PhotoDrag {
  bool active;
  HWND window;
  POINT pointer;  // the canvas pixel where the button went down
  PhotoPlacement start;
  POINT pressed;  // and the client point
  bool moved;
};
PhotoDrag photoDrag;
int photoWheelRest;    // a partial notch carried to the next turn
bool altGestureTaken;  // Alt was held for a drag or a turn of the photo

bool PhotoOnShow() { return !referencePhoto.path.empty() && referencePhoto.shown && photoImage.width > 0; }

// The canvas repainted where it shows: the photo lies on nothing else.
void RepaintCanvas(HWND window) {
  RECT shown = ShownRectOfCanvas(CanvasBounds());
  RepaintRects(window, &shown, 1);
}

int StrengthOf(unsigned id) { return PHOTO_STRENGTHS[id - IDC_PHOTO_STRENGTH_FIRST]; }

bool KnownStrength(int strength) {
  for (int s : PHOTO_STRENGTHS)
    if (s == strength) return true;
  return false;
}

// Tells the canvas what to show of the photo now.
void Publish() {
  // The strength last chosen, kept between runs, until one is given.
  if (!KnownStrength(referencePhoto.strength))
    referencePhoto.strength = KnownStrength(photoStrength) ? photoStrength : PHOTO_STRENGTH_DEFAULT;
  photoStrength = referencePhoto.strength;
  referencePhoto.placement = BoundedPhoto(referencePhoto.placement);
  shownPhoto = {&photoImage, referencePhoto.placement, referencePhoto.strength};
  ShowPhotoOnCanvas(PhotoOnShow() ? &shownPhoto : nullptr);
}

void AskAndOpenPhoto(HWND window) {
  FileQuestion question = {window, false, TEXT_PHOTO_TITLE, TEXT_PHOTO_FILTER, nullptr, std::wstring(),
                           referencePhoto.path.empty() ? StartFolder(FOLDER_OPEN, PictureFolder())
                                                       : FolderOf(referencePhoto.path)};
  FileAnswer answer;
  if (askFile(question, &answer)) OpenReferencePhoto(window, answer.path);
}

}  // namespace

int OpenReferencePhoto(HWND window, const std::wstring &path) {
  Failure failure = {};
  PhotoImage read;
  if (!ReadPhotoFile(path, &read, &failure)) {
    ShowFailure(window, failure);
    return 0;
  }
  FinishPhotoDrag();
  photoImage = std::move(read);
  referencePhoto.path = path;
  referencePhoto.placement = {0, 0, PHOTO_SCALE_FIT};
  referencePhoto.shown = true;
  Publish();
  RepaintCanvas(window);
  return 1;
}

void CloseReferencePhoto(HWND window) {
  FinishPhotoDrag();
  referencePhoto.path.clear();
  referencePhoto.placement = {0, 0, PHOTO_SCALE_FIT};
  referencePhoto.shown = true;
  photoImage = PhotoImage();
  Publish();
  RepaintCanvas(window);
}

void ShowReferencePhoto(HWND window) {
  Publish();
  RepaintCanvas(window);
}

bool HandlePhotoCommand(HWND window, unsigned id) {
  if (id >= IDC_PHOTO_STRENGTH_FIRST && id <= IDC_PHOTO_STRENGTH_LAST) {
    referencePhoto.strength = photoStrength = StrengthOf(id);
    WriteSettings();
  } else if (id == IDC_PHOTO_OPEN) {
    AskAndOpenPhoto(window);
    return true;
  } else if (id == IDC_PHOTO_HIDE) {
    if (referencePhoto.path.empty()) return true;
    FinishPhotoDrag();
    referencePhoto.shown = !referencePhoto.shown;
  } else if (id == IDC_PHOTO_CLOSE) {
    if (!referencePhoto.path.empty()) CloseReferencePhoto(window);
    return true;
  } else {
    return false;
  }
  ShowReferencePhoto(window);
  return true;
}

void ShowPhotoMenu(HMENU menu) {
  bool open = !referencePhoto.path.empty();
  EnableMenuItem(menu, IDC_PHOTO_HIDE, MF_BYCOMMAND | (open ? MF_ENABLED : MF_GRAYED));
  EnableMenuItem(menu, IDC_PHOTO_CLOSE, MF_BYCOMMAND | (open ? MF_ENABLED : MF_GRAYED));
  CheckMenuItem(menu, IDC_PHOTO_HIDE, MF_BYCOMMAND | (open && !referencePhoto.shown ? MF_CHECKED : MF_UNCHECKED));
  for (unsigned id = IDC_PHOTO_STRENGTH_FIRST; id <= IDC_PHOTO_STRENGTH_LAST; ++id)
    if (StrengthOf(id) == photoStrength)
      CheckMenuRadioItem(menu, IDC_PHOTO_STRENGTH_FIRST, IDC_PHOTO_STRENGTH_LAST, id, MF_BYCOMMAND);
}

bool PhotoPixelAt(POINT canvasPixel, COLORREF *colour, COLORREF *own) {
  if (!PhotoOnShow()) return false;
  return ShownPhotoColour(shownPhoto, CanvasBounds(), canvasPixel, colour, own);
}

bool BeginPhotoDrag(HWND window, int x, int y) {
  POINT pixel;
  if (!PhotoOnShow() || !CanvasPixelShownAt(x, y, &pixel)) return false;
  photoDrag = {true, window, pixel, referencePhoto.placement, {x, y}, false};
  altGestureTaken = true;
  SetCapture(window);
  // A shared cursor of the system's: never released.
  SetCursor(LoadCursor(nullptr, IDC_SIZEALL));
  return true;
}

void DragPhotoTo(HWND window, int x, int y) {
  if (!photoDrag.active) return;
  POINT pixel = CanvasPixelAt(x, y);
  PhotoPlacement moved = MovedPhoto(photoDrag.start, pixel.x - photoDrag.pointer.x, pixel.y - photoDrag.pointer.y);
  if (moved.x == referencePhoto.placement.x && moved.y == referencePhoto.placement.y) return;
  referencePhoto.placement = moved;
  photoDrag.moved = true;
  Publish();
  RepaintCanvas(window);
}

bool FinishPhotoDrag(POINT *clickedAt) {
  if (!photoDrag.active) return false;
  photoDrag.active = false;
  if (GetCapture() == photoDrag.window) ReleaseCapture();
  if (clickedAt) *clickedAt = photoDrag.pressed;
  return !photoDrag.moved;
}

bool ScalePhotoByWheel(HWND window, int delta) {
  if (!PhotoOnShow()) {
    photoWheelRest = 0;
    return false;
  }
  altGestureTaken = true;
  int scale = referencePhoto.placement.scale;
  photoWheelRest = BoundedWheelTurn(photoWheelRest, delta);
  for (; photoWheelRest >= WHEEL_DELTA; photoWheelRest -= WHEEL_DELTA) scale = NextPhotoScale(scale, true);
  for (; photoWheelRest <= -WHEEL_DELTA; photoWheelRest += WHEEL_DELTA) scale = NextPhotoScale(scale, false);
  if (scale != referencePhoto.placement.scale) {
    referencePhoto.placement.scale = scale;
    ShowReferencePhoto(window);
  }
  return true;
}

bool TakePhotoAltRelease() {
  bool taken = altGestureTaken;
  altGestureTaken = false;
  return taken;
}
