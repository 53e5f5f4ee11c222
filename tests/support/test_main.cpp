#include <windows.h>

#include <gtest/gtest.h>

#include "editor.h"
#include "portrait.h"

int main(int argc, char **argv) {
  testing::InitGoogleTest(&argc, argv);
  appInstance = GetModuleHandleA(nullptr);
  GetCurrentDirectoryA(sizeof baseDir, baseDir);
  return RUN_ALL_TESTS();
}
