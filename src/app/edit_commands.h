// The commands that edit the portrait in place, as the buttons give them:
// the part, base, category, OFF, colour, piece and page commands, with the
// edit rule each button stands for. Below every other command: the drag,
// the wheel and the menu's commands call down into these.
#pragma once

#include <windows.h>

#include "edit_rules.h"
#include "portrait.h"

// Size, move and rotation commands (105 to 108, 115 to 124 but 120): the
// part edit of the button (see edit_rules.h); other ids do nothing.
void ApplyPartCommand(unsigned id, int backHairChecked);

// Base commands 109 to 112. Returns 1 when the canvas changed (and the window
// must be repainted); 109 and 110 do nothing at the canvas's edge.
int ApplyBaseCommand(unsigned id);

// The colour command on the current category's slot. chooser shows the
// colour dialog (ChoosePartColour in the program). The hair's colour is
// copied to the back hair whatever the dialog's outcome.
typedef void (*ColourChooser)(HWND owner, int &red, int &green, int &blue);
void ApplyColourCommand(HWND owner, ColourChooser chooser);

// The colour a picker took given to the current category's part as the
// colour dialog would give it.
void ApplyPickedColour(COLORREF colour);

// Enables the hair radios with the hair current and the piece buttons with
// "other" current, as a category button leaves them.
void ShowCategoryControls(HWND window);

// Puts the keyboard focus, while it is in the editor, on the current
// category's button (顔 before any): the focus follows the category,
// wherever the category came from, and never rests on 閉じる while one
// works by keys.
void FocusCategoryButton(HWND window);

// An edit command of the buttons (and keys), carried out and repainted as
// it needs, as one change that undo takes back (or none, when the
// portrait stayed as it was).
void RunEditCommand(HWND window, unsigned id);
