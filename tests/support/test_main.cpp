#include <windows.h>

#include <gtest/gtest.h>

#include "app/editor.h"
#include "model/portrait.h"

int main(int argc, char **argv) {
  testing::InitGoogleTest(&argc, argv);
  appInstance = GetModuleHandleA(nullptr);
  GetCurrentDirectoryA(sizeof baseDir, baseDir);
  return RUN_ALL_TESTS();
}
