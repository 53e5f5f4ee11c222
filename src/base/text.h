// The program's own texts (labels, captions, messages) are kept as code page
// 932 bytes and shown through the platform's Unicode calls, so that they
// read right whatever the system's code page. Paths and file names stay in
// the system's code page.
#pragma once

#include <string>

// The code page of the program's own texts.
const unsigned PROGRAM_CODE_PAGE = 932;

// A text of the program's own, from code page 932.
std::wstring ProgramText(const char *text);

// Unicode text (a path in a message) as program text; a character code page
// 932 lacks shows as '?'.
std::string ToProgramText(const std::wstring &text);

// A path or file name, from the system's code page.
std::wstring SystemText(const char *text);

// Writes a path in the system's code page into out (outSize bytes). Returns
// 0, with out empty, when a character has no form there or the path does
// not fit.
int ToSystemText(const wchar_t *text, char *out, int outSize);

// A list of program texts, each zero-terminated and the list closed by an
// extra zero (a dialog's filter pairs), as Unicode in the same form.
std::wstring ProgramTextList(const char *list);

// UTF-8 to and from Unicode; characters that are not well formed become
// U+FFFD.
std::string Utf8Text(const std::wstring &text);
std::wstring FromUtf8(const std::string &text);
