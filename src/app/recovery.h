// Recovery after a crash: shortly after each change, the portrait with its
// file's name is kept in a recovery file of this editor's own, in the
// user's local application data; a clean end removes it. A file left by an
// editor that ended any other way (killed, crashed, the power lost) is
// offered back at the next start. Each running editor claims its own file
// with a named mutex, which the system lets go when the process ends, so
// two editors never take each other's files.
#pragma once

#include <windows.h>

#include <string>

// How often the editor looks whether the portrait changed since it was
// last kept (from a timer, never on the click or paint path).
const UINT RECOVERY_INTERVAL_MS = 1000;
const UINT_PTR RECOVERY_TIMER = 1;

// Where recovery files are kept; empty for the folder Nigaoe\Recovery in
// the user's local application data. Tests put a folder of their own here.
extern std::wstring recoveryFolder;

// The folder in use, made when it is missing; empty when there is none.
std::wstring RecoveryFolder();

// Claims this editor's recovery file and starts keeping the portrait in it.
void StartRecovery(HWND editor);

// On the timer: writes the recovery file when the portrait changed since it
// was last written, removes it when the portrait has no changes to lose.
void KeepRecovery();

// A clean end: the recovery file goes.
void EndRecovery();

// "Restore what a crash left?" with the portrait's name: IDYES restores, IDNO
// throws it away. In the program the platform's task dialog; tests put a
// stand-in here.
typedef int (*RecoveryAsker)(HWND editor, const std::wstring &name);
extern RecoveryAsker askRecover;

// At start: the newest recovery file that no running editor claims is
// offered back; restored, it is the portrait, changed and named as it was;
// declined, it is removed. A damaged one is set aside (renamed .damaged)
// without a word. Returns 1 when a portrait was restored.
int OfferRecovery(HWND editor);

// The text of a recovery file: the portrait file's path (empty when there
// is none) and the portrait's text; and the way back. Plain rules.
std::string RecoveryText(const std::wstring &path, const std::string &portraitText);
bool ReadRecoveryText(const std::string &text, std::wstring *path, std::string *portraitText);
