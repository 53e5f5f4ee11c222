// The editor's command dispatch: every button, key and menu item of the
// editor window goes through HandleEditorCommand, which hands it to the
// part of the program that carries it out. It sits above all of them.
#pragma once

#include <windows.h>

#include "edit_commands.h"

// Carries out the command of a button (or key, or menu item) of the editor
// and repaints. A command that changes the portrait is a step that IDC_UNDO
// takes back and IDC_REDO does again.
void HandleEditorCommand(HWND window, unsigned id);
