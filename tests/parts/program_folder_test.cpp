// The rest of the program folder: the face beside the executable for the
// hair thumbnails, the folder the Save-As dialog proposes, and the help
// pages the help buttons open.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "catalogue.h"
#include "help.h"
#include "portrait.h"
#include "parts/shipped_parts.h"
#include "resource.h"

namespace {

std::string InProgramFolder(const char *relative) { return std::string(baseDir) + "\\" + relative; }

}  // namespace

TEST(ProgramFolder, HoldsTheFirstFaceBesideTheExecutableForTheHairThumbnails) {
  std::vector<std::uint8_t> beside = ReadFileBytes(InProgramFolder("kao-1-001.bmp"));
  EXPECT_FALSE(beside.empty());
  EXPECT_TRUE(beside == ReadFileBytes(InProgramFolder("kao\\kao-1-001.bmp"))) << "differs from kao\\kao-1-001.bmp";
}

TEST(ProgramFolder, HoldsAnEmptyPhotFolderForTheSaveAsProposal) {
  DWORD attributes = GetFileAttributesA(InProgramFolder("phot").c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(InProgramFolder("phot\\*").c_str(), &found);
  int entries = 0;
  if (search != INVALID_HANDLE_VALUE) {
    do entries += std::string(found.cFileName) != "." && std::string(found.cFileName) != "..";
    while (FindNextFileA(search, &found));
    FindClose(search);
  }
  EXPECT_EQ(entries, 0);
}

TEST(ProgramFolder, HelpButtonsStartTheBrowserOnTheShippedPages) {
  for (const char *page : {HELP_PAGE_EDITOR, HELP_PAGE_PREVIEW}) {
    SCOPED_TRACE(page);
    std::string address = BasePath(page);
    EXPECT_TRUE(FileExists(address)) << address;
    EXPECT_EQ(address, InProgramFolder(page));
    std::string commandLine = BuildHelpCommandLine(address.c_str());
    ASSERT_GE(commandLine.size(), address.size());
    EXPECT_EQ(commandLine.substr(commandLine.size() - address.size()), address);
  }
}

namespace {

// A help page's text in the program's code page, with the few character
// references the pages use resolved.
std::string PageText(const std::string &path) {
  std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  std::string utf8(bytes.begin(), bytes.end());
  int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8.size(), nullptr, 0);
  if (wideLength <= 0) return "";
  std::wstring wide(wideLength, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8.size(), &wide[0], wideLength);
  int length = WideCharToMultiByte(932, 0, wide.data(), wide.size(), nullptr, 0, nullptr, nullptr);
  std::string text(length, '\0');
  WideCharToMultiByte(932, 0, wide.data(), wide.size(), &text[0], length, nullptr, nullptr);
  for (auto [reference, character] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
    for (size_t at; (at = text.find(reference)) != std::string::npos;) text.replace(at, std::strlen(reference), character);
  return text;
}

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Every text the window shows on its buttons and labels, read from the
// dialog template as the window builds it.
std::vector<std::string> ControlTexts(int templateId) {
  HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr,
                                   InertDialogProc, 0);
  std::vector<std::string> texts;
  if (!window) return texts;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char text[64] = "";
    GetWindowTextA(child, text, sizeof text);
    if (text[0]) texts.push_back(text);
  }
  DestroyWindow(window);
  return texts;
}

}  // namespace

TEST(ProgramFolder, EachHelpPageExplainsEveryButtonOfItsWindow) {
  const struct {
    int templateId;
    const char *page;
  } windows[] = {{IDD_EDITOR, HELP_PAGE_EDITOR}, {IDD_PREVIEW, HELP_PAGE_PREVIEW}};
  for (const auto &window : windows) {
    SCOPED_TRACE(window.page);
    std::string text = PageText(InProgramFolder(window.page));
    ASSERT_FALSE(text.empty()) << "missing, or not UTF-8";
    EXPECT_NE(text.find("charset=utf-8"), std::string::npos);
    std::vector<std::string> labels = ControlTexts(window.templateId);
    EXPECT_GE(labels.size(), 3u);
    for (const std::string &label : labels) EXPECT_NE(text.find(label), std::string::npos) << "not explained: " << label;
  }
}
