#include "settings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "association.h"
#include "image_export.h"
#include "recent_files.h"
#include "unsaved.h"
#include "support/test_support.h"
#include "text.h"
#include "texts.h"

namespace {

// The settings of a fresh start, kept and given back around each test.
struct FreshSettings {
  ScopedSwap<ExportOptions> options{exportOptions, ExportOptions{4, false}};
  ScopedSwap<FileList> recent{recentFiles, FileList()};
  ScopedSwap<std::wstring> open{lastFolders[FOLDER_OPEN], std::wstring()};
  ScopedSwap<std::wstring> save{lastFolders[FOLDER_SAVE], std::wstring()};
  ScopedSwap<std::wstring> exported{lastFolders[FOLDER_EXPORT], std::wstring()};
  TempDir dir;
  ScopedSwap<std::wstring> folder{settingsFolder, SystemText(dir.path().c_str())};
  std::string file() const { return dir / "nigaoe.ini"; }
};

// A text as the program writes it: UTF-16 after its byte-order mark.
std::vector<std::uint8_t> Utf16File(const std::wstring &text) {
  std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
  for (wchar_t c : text) bytes.push_back(c & 0xFF), bytes.push_back(c >> 8);
  return bytes;
}

enum Kind { NONE, UNICODE_TEXT, BYTES, FOLDER };

TEST(Settings, AStartReadsWhatIsSoundAndKeepsTheDefaultsForTheRest) {
  const std::wstring longPath = L"C:\\" + std::wstring(1100, L'n') + L".nigaoe";
  const struct {
    const char *what;
    Kind kind;
    std::wstring text;
    int scale;
    bool transparent;
    std::wstring open;
    FileList recent;
  } cases[] = {
      {"missing", NONE, L"", 4, false, L"", {}},
      {"a folder", FOLDER, L"", 4, false, L"", {}},
      {"good", UNICODE_TEXT,
       L"[Export]\r\nScale=2\r\nTransparent=1\r\n[Folders]\r\nOpen=C:\\似顔絵\r\n[Recent]\r\n"
       L"File1=C:\\似顔絵\\a.nigaoe\r\nFile2=\\\\server\\share\\b.nigaoe\r\n",
       2, true, L"C:\\似顔絵", {L"C:\\似顔絵\\a.nigaoe", L"\\\\server\\share\\b.nigaoe"}},
      {"in the system's code page", BYTES, L"[Export]\r\nScale=5\r\n", 5, false, L"", {}},
      {"out of range", UNICODE_TEXT, L"[Export]\r\nScale=9\r\nTransparent=2\r\n", 4, false, L"", {}},
      {"not numbers", UNICODE_TEXT, L"[Export]\r\nScale=3x\r\nTransparent=yes\r\n", 4, false, L"", {}},
      {"no scale", UNICODE_TEXT, L"[Export]\r\nScale=0\r\nTransparent=-1\r\n", 4, false, L"", {}},
      {"paths not kept", UNICODE_TEXT,
       L"[Folders]\r\nOpen=relative\\folder\r\n[Recent]\r\nFile1=C:\\a<b.nigaoe\r\nFile2=" + longPath +
           L"\r\nFile3=C:\\ok.nigaoe\r\nFile4=C:\\a\\b:c\r\n",
       4, false, L"", {L"C:\\ok.nigaoe"}},
      {"repeated and too many", UNICODE_TEXT,
       L"[Recent]\r\nFile1=C:\\1\r\nFile2=c:\\1\r\nFile3=C:\\3\r\nFile5=C:\\5\r\nFile8=C:\\8\r\nFile9=C:\\9\r\n",
       4, false, L"", {L"C:\\1", L"C:\\3", L"C:\\5", L"C:\\8"}},
      {"garbage", BYTES, L"\x01\xFF\x13[[[=\n\x7F]=]Scale\n", 4, false, L"", {}},
      {"far too large", UNICODE_TEXT, L"[Export]\r\nScale=2\r\n" + std::wstring(40000, L' '), 4, false, L"", {}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    FreshSettings fresh;
    if (c.kind == FOLDER) CreateDirectoryA(fresh.file().c_str(), nullptr);
    if (c.kind == UNICODE_TEXT) WriteFileBytes(fresh.file(), Utf16File(c.text));
    if (c.kind == BYTES) WriteFileBytes(fresh.file(), std::vector<std::uint8_t>(c.text.begin(), c.text.end()));
    ReadSettings();
    EXPECT_EQ(exportOptions.scale, c.scale);
    EXPECT_EQ(exportOptions.transparent, c.transparent);
    EXPECT_EQ(lastFolders[FOLDER_OPEN], c.open);
    EXPECT_EQ(recentFiles, c.recent);
  }
}

// Written over a damaged file, the settings come back as they were, in a
// file that stays UTF-16, so that a Japanese folder name survives.
TEST(Settings, WrittenSettingsReadBackTheSame) {
  FreshSettings fresh;
  WriteFileBytes(fresh.file(), {'S', 'c', 'a', 'l', 'e', '=', 0xFF});
  exportOptions = {7, true};
  lastFolders[FOLDER_EXPORT] = L"D:\\絵\\書き出し";
  recentFiles = {L"C:\\似顔絵\\b.nigaoe", L"C:\\a.nigaoe"};
  WriteSettings();
  std::vector<std::uint8_t> bytes = ReadFileBytes(fresh.file());
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  exportOptions = {4, false};
  lastFolders[FOLDER_EXPORT].clear();
  recentFiles.clear();
  ReadSettings();
  EXPECT_EQ(exportOptions.scale, 7);
  EXPECT_TRUE(exportOptions.transparent);
  EXPECT_EQ(lastFolders[FOLDER_EXPORT], L"D:\\絵\\書き出し");
  EXPECT_EQ(recentFiles, (FileList{L"C:\\似顔絵\\b.nigaoe", L"C:\\a.nigaoe"}));
}

// The recent list: a file comes to the front once, whatever the case of its
// name, and the ninth pushes the oldest off.
TEST(RecentFiles, NewestFirstEachFileOnceAtMostEight) {
  const struct {
    std::vector<std::wstring> steps;  // a path added, or "-" and a path taken off
    FileList expected;
  } cases[] = {
      {{L"C:\\a", L"C:\\b", L"C:\\a"}, {L"C:\\a", L"C:\\b"}},
      {{L"C:\\x\\A.nigaoe", L"c:\\X\\a.NIGAOE"}, {L"c:\\X\\a.NIGAOE"}},
      {{L"C:\\1", L"C:\\2", L"C:\\3", L"C:\\4", L"C:\\5", L"C:\\6", L"C:\\7", L"C:\\8", L"C:\\9", L"C:\\10"},
       {L"C:\\10", L"C:\\9", L"C:\\8", L"C:\\7", L"C:\\6", L"C:\\5", L"C:\\4", L"C:\\3"}},
      {{L"C:\\a", L"C:\\b", L"-C:\\A"}, {L"C:\\b"}},
      {{L"-C:\\a"}, {}},
  };
  for (const auto &c : cases) {
    FileList list;
    for (const std::wstring &step : c.steps)
      list = step[0] == L'-' ? WithoutRecentFile(list, step.substr(1)) : WithRecentFile(list, step);
    EXPECT_EQ(list, c.expected);
  }
  EXPECT_EQ(RecentMenuText(0, L"C:\\x\\a&b.nigaoe"), L"&1 a&&b.nigaoe");
  EXPECT_EQ(RecentMenuText(7, L"C:\\似顔絵.nigaoe"), L"&8 似顔絵.nigaoe");
}

// A recent file that is gone is taken off the list, in a message that names it.
TEST(RecentFiles, AFileNoLongerThereIsTakenOffWithAMessage) {
  FreshSettings fresh;
  FailureLog failures;
  std::wstring gone = SystemText((fresh.dir / "gone.nigaoe").c_str());
  recentFiles = {L"C:\\kept.nigaoe", gone};
  EXPECT_EQ(OpenRecentFile(nullptr, 1), 0);
  EXPECT_EQ(recentFiles, FileList{L"C:\\kept.nigaoe"});
  ASSERT_EQ(failures.entries().size(), 1u);
  EXPECT_EQ(failures.entries()[0].caption, CAPTION_PORTRAIT_FILE);
  EXPECT_NE(failures.entries()[0].text.find(fresh.dir / "gone.nigaoe"), std::string::npos);
  ReadSettings();
  EXPECT_EQ(recentFiles, FileList{L"C:\\kept.nigaoe"}) << "the settings file follows";
}

// The association: .nigaoe names a type whose open command hands the file
// to the program, quoted, so that spaces in either path do no harm.
TEST(Association, TheExtensionLeadsToAnOpenCommandOfThisProgram) {
  const std::wstring program = L"C:\\Program Files\\似顔絵\\nigaoe.exe";
  std::vector<RegistryValue> values = AssociationValues(program);
  ASSERT_FALSE(values.empty());
  EXPECT_EQ(values[0].key, L"Software\\Classes\\.nigaoe");
  std::wstring type = L"Software\\Classes\\" + values[0].data, command, icon;
  for (const RegistryValue &value : values) {
    EXPECT_EQ(value.key.rfind(L"Software\\Classes\\", 0), 0u) << "for the current user only";
    if (value.key == type + L"\\shell\\open\\command") command = value.data;
    if (value.key == type + L"\\DefaultIcon") icon = value.data;
  }
  EXPECT_EQ(command, L"\"" + program + L"\" \"%1\"");
  EXPECT_EQ(icon.rfind(L"\"" + program + L"\",", 0), 0u);
}

}  // namespace
