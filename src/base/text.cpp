#include "text.h"

#include <windows.h>

namespace {

std::wstring Widen(UINT codePage, const char *text) {
  int length = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(codePage, 0, text, -1, &wide[0], length);
  wide.resize(length - 1);  // without the closing zero
  return wide;
}

}  // namespace

std::wstring ProgramText(const char *text) { return Widen(PROGRAM_CODE_PAGE, text); }

std::string ToProgramText(const std::wstring &text) {
  int size = WideCharToMultiByte(PROGRAM_CODE_PAGE, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string program(size > 0 ? size : 1, '\0');
  if (size <= 0 || !WideCharToMultiByte(PROGRAM_CODE_PAGE, 0, text.c_str(), -1, &program[0], size, nullptr, nullptr)) return "";
  program.resize(size - 1);
  return program;
}

std::wstring ProgramTextList(const char *list) {
  std::wstring wide;
  for (const char *part = list; *part; part += lstrlenA(part) + 1) wide += ProgramText(part) + L'\0';
  return wide + L'\0';
}

std::string Utf8Text(const std::wstring &text) {
  int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
  std::string utf8(length > 0 ? length : 0, '\0');
  if (length > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &utf8[0], length, nullptr, nullptr);
  return utf8;
}

std::wstring FromUtf8(const std::string &text) {
  int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(length > 0 ? length : 0, L'\0');
  if (length > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

std::wstring SystemText(const char *text) { return Widen(CP_ACP, text); }

int ToSystemText(const wchar_t *text, char *out, int outSize) {
  if (outSize <= 0) return 0;
  out[0] = '\0';
  BOOL lossy = FALSE;
  // UTF-8 as the system's code page takes no default-character flag.
  bool utf8 = GetACP() == CP_UTF8;
  int length = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, text, -1, out, outSize,
                                   nullptr, utf8 ? nullptr : &lossy);
  if (length <= 0 || lossy) {
    out[0] = '\0';
    return 0;
  }
  return 1;
}
