// おまかせ: a portrait put together by chance from the part folder.
#pragma once

#include <windows.h>

// Places a part chosen by chance in every category but the disabled one (or
// only in the current category), each as choosing it in the palette places
// it, the back hair following the hair; the face takes a skin tone and the
// hair a hair colour from the colour dialog's custom colours, and "other"
// gets 0 to 3 different pieces. A category without files is switched off.
// The current category, its list and its page stay as they were. window
// owns the failure messages. Seeded from the clock once.
void PlaceRandomParts(HWND window, bool onlyCurrentCategory);
