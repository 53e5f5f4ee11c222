// The opt-in association of portrait files (.nigaoe) with this program, for
// the current user only: written under HKEY_CURRENT_USER\Software\Classes
// when the user chooses it in the File menu, and taken away again by the
// item beside it. Nothing else writes to the registry.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A key under HKEY_CURRENT_USER and the text of its default value.
struct RegistryValue {
  std::wstring key;
  std::wstring data;
};

// What associating writes, keys before their subkeys, for the program at
// program (the full path of its executable): .nigaoe names the type
// Nigaoe.Portrait; the type has a Japanese name, the program's icon and an
// open command that passes the file to the program.
std::vector<RegistryValue> AssociationValues(const std::wstring &program);

// The menu's commands: write the association (then the shell is told), or
// remove of it what still points at this program. Each ends with a short
// message saying what was done.
void AssociatePortraitFiles(HWND editor);
void RemovePortraitAssociation(HWND editor);
