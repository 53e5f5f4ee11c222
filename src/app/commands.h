// The editor's command buttons. HandleEditorCommand is the window side; the
// rules below it change only the portrait model and can be run without one.
#pragma once

#include <windows.h>

#include "portrait.h"

// Carries out the command of a button (or key) of the editor and repaints.
// A command that changes the portrait is a step that IDC_UNDO takes back
// and IDC_REDO does again.
void HandleEditorCommand(HWND window, unsigned id);

// Size, move and rotation commands (105 to 108, 115 to 124 but 120) on the
// slot they target: the back hair when backHairChecked and the hair is the
// current category (size and move only), else the current category's slot
// through the current-piece copy. Each step tests its own limit first and is
// skipped when it fails; nothing is clamped.
void ApplyPartCommand(unsigned id, int backHairChecked);

// Base commands 109 to 112. Returns 1 when the canvas changed (and the window
// must be repainted); 109 and 110 do nothing at the canvas's edge.
int ApplyBaseCommand(unsigned id);

// "OFF": the current category's part off; the hair takes the back hair with
// it and "other" switches every piece off.
void SwitchCurrentPartOff();

// "+" and "-": the next or previous piece in use, wrapping through 0.
void SelectNextPiece();
void SelectPreviousPiece();

// ">>" and "<<": the next or previous five thumbnails, wrapping.
void ShowNextPage();
void ShowPreviousPage();

// A category button: first page of that category's freshly scanned list.
void ChooseCategory(int category);

// The colour command on the current category's slot. chooser shows the
// colour dialog (ChoosePartColour in the program). The hair's colour is
// copied to the back hair whatever the dialog's outcome.
typedef void (*ColourChooser)(HWND owner, int &red, int &green, int &blue);
void ApplyColourCommand(HWND owner, ColourChooser chooser);

// Shows the colour dialog with red, green and blue as its start colour and
// replaces them when the user confirms one.
void ChoosePartColour(HWND owner, int &red, int &green, int &blue);
