#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "texts.h"

TEST(Environment, TextsAreCodePage932Bytes) {
  const unsigned char expected[] = {0x8E, 0xB8, 0x94, 0x73, 0x82, 0xB5, 0x82, 0xDC,
                                    0x82, 0xB5, 0x82, 0xBD, 0x81, 0x42, 0x00};
  EXPECT_EQ(std::memcmp(TEXT_FAILED, expected, sizeof expected), 0);
}
