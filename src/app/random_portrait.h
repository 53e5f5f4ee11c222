// おまかせ: a portrait put together by chance from the part folder.
#pragma once

#include <windows.h>

// Places a part chosen by chance in every category but the disabled one (or
// only in the current category), each as choosing it in the palette places
// it, the back hair following the hair; the face takes a skin tone and the
// hair a hair colour from the colour dialog's custom colours, the ears the
// face's colour and the eyebrows, moustache and beard the hair's
// (MatchColours), and "other"
// gets 0 to 3 different pieces. A locked category keeps its part (see
// random_rules.h). A category without files is switched off.
// The current category, its list and its page stay as they were. window
// owns the failure messages. Seeded from the clock once.
void PlaceRandomParts(HWND window, bool onlyCurrentCategory);

// 編集 > この部品を固定: whether the current category can be locked, whether
// it is, and the lock turned on or off.
bool CurrentCategoryLockable();
bool CurrentCategoryLocked();
void ToggleCurrentCategoryLock();

// A small padlock on the dialog's background just above the button of
// every locked category, wherever the zoom's layout has put the button
// (the button itself stays as the window's template makes it).
void DrawLockMarks(HWND window, HDC dc);
