#include "random_rules.h"

#include <gtest/gtest.h>

namespace {

// おまかせ changes every category the user can choose that is not locked;
// Shift+F5 only the current one, and not even that one when it is locked.
TEST(RandomRules, OnlyUnlockedChoosableCategoriesChange) {
  bool locked[CATEGORY_COUNT] = {};
  locked[CAT_EARS] = locked[CAT_OTHER] = true;
  const struct {
    int category;
    bool onlyCurrent;
    int current;
    bool changes;
  } cases[] = {
      {CAT_FACE, false, 0, true},          {CAT_GLASSES, false, CAT_EYES, true},
      {CAT_EARS, false, 0, false},         {CAT_OTHER, false, CAT_OTHER, false},
      {CAT_DISABLED, false, 0, false},     {CAT_BACK_HAIR, false, 0, false},
      {CAT_GLASSES + 1, false, 0, false},  {CAT_NOSE, true, CAT_NOSE, true},
      {CAT_NOSE, true, CAT_EYES, false},   {CAT_EARS, true, CAT_EARS, false},
      {CAT_OTHER, true, CAT_OTHER, false}, {CAT_HAIR, true, CAT_HAIR, true},
  };
  for (const auto &c : cases)
    EXPECT_EQ(RandomMayChange(c.category, c.onlyCurrent, c.current, locked), c.changes)
        << c.category << (c.onlyCurrent ? " alone, current " : ", current ") << c.current;
}

}  // namespace
