#include "colour_dialog.h"

#include <commdlg.h>

#include "custom_colours.h"

void ChoosePartColour(HWND owner, int &red, int &green, int &blue) {
  // Skin tones in the first row and hair colours in the second, so that a
  // face or a hair takes one in a click. They are not kept between dialogs.
  COLORREF customColours[2 * CUSTOM_COLOUR_ROW];
  for (int i = 0; i < CUSTOM_COLOUR_ROW; ++i) {
    const RgbColour &skin = SKIN_TONES[i], &hair = HAIR_COLOURS[i];
    customColours[i] = RGB(skin.red, skin.green, skin.blue);
    customColours[CUSTOM_COLOUR_ROW + i] = RGB(hair.red, hair.green, hair.blue);
  }
  CHOOSECOLORA choice = {};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = owner;
  choice.rgbResult = RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
  choice.lpCustColors = customColours;
  choice.Flags = CC_RGBINIT;
  if (ChooseColorA(&choice)) {
    red = GetRValue(choice.rgbResult);
    green = GetGValue(choice.rgbResult);
    blue = GetBValue(choice.rgbResult);
  }
  SetFocus(owner);
}
