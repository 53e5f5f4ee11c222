// The colour dialog of the colour command.
#pragma once

#include <windows.h>

// Shows the colour dialog with red, green and blue as its start colour and
// replaces them when the user confirms one; gives owner the focus back. Its
// custom row offers the skin tones and the hair colours, new for each call.
void ChoosePartColour(HWND owner, int &red, int &green, int &blue);
